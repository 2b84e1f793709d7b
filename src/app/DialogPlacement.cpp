// SPDX-License-Identifier: MIT
// Where the game's small dialogs open beside the board.
#include "app/DialogPlacement.h"

#include <algorithm>
#include <cstdlib>

namespace placement {
namespace {

constexpr int kGap = 8;
constexpr int kNudge = 12;
// Room for a window manager's borders and caption.
constexpr int kFrameWidth = 16;
constexpr int kFrameHeight = 40;

}  // namespace

QPoint BesideBoard(const QRect& board, const QSize& window, const QRect& screen) {
    auto clampY = [&](int y) {
        return std::clamp(y, screen.top(),
                          std::max(screen.top(), screen.bottom() + 1 - window.height()));
    };
    auto clampX = [&](int x) {
        return std::clamp(x, screen.left(),
                          std::max(screen.left(), screen.right() + 1 - window.width()));
    };
    const int right = board.right() + 1 + kGap;
    if (right + window.width() <= screen.right() + 1) {
        return {right, clampY(board.top())};
    }
    const int left = board.left() - kGap - window.width();
    if (left >= screen.left()) {
        return {left, clampY(board.top())};
    }
    const int below = board.bottom() + 1 + kGap;
    if (below + window.height() <= screen.bottom() + 1) {
        return {clampX(board.left()), below};
    }
    const int above = board.top() - kGap - window.height();
    if (above >= screen.top()) {
        return {clampX(board.left()), above};
    }
    // No room anywhere: the side with the most of it.
    return {clampX(screen.right() - board.right() >= board.left() - screen.left() ? right : left),
            clampY(board.top())};
}

bool MovedByPlayer(const QPoint& placed, const QPoint& now) {
    return std::abs(placed.x() - now.x()) > kNudge || std::abs(placed.y() - now.y()) > kNudge;
}

QSize WithFrame(const QSize& client) {
    return client + QSize(kFrameWidth, kFrameHeight);
}

}  // namespace placement
