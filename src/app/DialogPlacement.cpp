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
// A window shortened to stand below the game's bars keeps at least this much height.
constexpr int kLeastHeight = 240;

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
    return {clampX(left), clampY(avoid.top())};
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

QPoint PlaceBeside(QWidget& window, const QRect& avoid, const QRect& screen, const QRect& over) {
    const QMargins frame = FrameMargins(window);
    const QSize room = screen.size().shrunkBy(frame);
    QSize size = window.size().boundedTo(room);
    QPoint corner = BesideBoard(avoid, size.grownBy(frame), screen);
    if (over.isValid() && QRect(corner, size.grownBy(frame)).intersects(avoid)) {
        // No room beside: over the given part, from its top down, shorter where need be.
        const int lowest = screen.bottom() + 1 - frame.top() - frame.bottom() -
                           std::min(size.height(), kLeastHeight);
        const int top = std::clamp(over.top(), screen.top(), std::max(screen.top(), lowest));
        size.setHeight(
            std::min(size.height(), screen.bottom() + 1 - top - frame.top() - frame.bottom()));
        corner = QPoint(std::clamp(over.left(), screen.left(),
                                   std::max(screen.left(), screen.right() + 1 - size.width() -
                                                               frame.left() - frame.right())),
                        top);
    }
    if (size != window.size()) {
        window.resize(size.expandedTo(window.minimumSize()));
    }
    window.move(corner);
    return corner;
}

}  // namespace placement
