// SPDX-License-Identifier: MIT
// Where the game's small dialogs open beside the board.
#include "app/DialogPlacement.h"

#include <QWidget>
#include <algorithm>
#include <cstdlib>

namespace placement {
namespace {

constexpr int kGap = 8;
constexpr int kNudge = 12;
// Room for a window manager's borders and caption while the real ones are not known.
constexpr QMargins kUsualFrame(8, 32, 8, 8);

}  // namespace

QPoint BesideBoard(const QRect& avoid, const QSize& window, const QRect& screen) {
    auto clampY = [&](int y) {
        return std::clamp(y, screen.top(),
                          std::max(screen.top(), screen.bottom() + 1 - window.height()));
    };
    auto clampX = [&](int x) {
        return std::clamp(x, screen.left(),
                          std::max(screen.left(), screen.right() + 1 - window.width()));
    };
    const int right = avoid.right() + 1 + kGap;
    if (right + window.width() <= screen.right() + 1) {
        return {right, clampY(avoid.top())};
    }
    const int left = avoid.left() - kGap - window.width();
    if (left >= screen.left()) {
        return {left, clampY(avoid.top())};
    }
    const int below = avoid.bottom() + 1 + kGap;
    if (below + window.height() <= screen.bottom() + 1) {
        return {clampX(avoid.left()), below};
    }
    const int above = avoid.top() - kGap - window.height();
    if (above >= screen.top()) {
        return {clampX(avoid.left()), above};
    }
    return {clampX(avoid.left()), clampY(avoid.top())};
}

bool MovedByPlayer(const QPoint& placed, const QPoint& now) {
    return std::abs(placed.x() - now.x()) > kNudge || std::abs(placed.y() - now.y()) > kNudge;
}

QMargins FrameMargins(const QWidget& window) {
    const QRect frame = window.frameGeometry();
    const QRect client = window.geometry();
    if (frame == client) {
        return kUsualFrame;
    }
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

QSize WithFrame(const QWidget& window) {
    const QMargins frame = FrameMargins(window);
    return window.size().grownBy(frame);
}

QPoint PlaceBeside(QWidget& window, const QRect& avoid, const QRect& screen) {
    const QMargins frame = FrameMargins(window);
    const QSize room = screen.size().shrunkBy(frame);
    if (window.width() > room.width() || window.height() > room.height()) {
        window.resize(window.size().boundedTo(room).expandedTo(window.minimumSize()));
    }
    const QPoint corner = BesideBoard(avoid, window.size().grownBy(frame), screen);
    window.move(corner);
    return corner;
}

}  // namespace placement
