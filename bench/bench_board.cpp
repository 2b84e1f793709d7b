// SPDX-License-Identifier: MIT
// Repainting the number board (picture, highlighted hint, solution, the player's digits) side
// by side with a bare QPainter::drawImage of the same picture.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <chrono>
#include <cstdlib>
#include <vector>

#include "board/BoardPainter.h"
#include "images/DibPaint.h"
#include "puzzle/MathGridDoc.h"

namespace {

constexpr int kSide = 1024;
constexpr int kCell = 32;
constexpr int kCells = kSide / kCell;

// A 1024 × 1024 8-bit board: 256 grey levels in its table, grid lines every 32 pixels.
std::vector<uint8_t> BoardBlock() {
    const uint32_t header = 40, table = 256 * 4, stride = kSide;
    std::vector<uint8_t> block(header + table + stride * kSide, 0);
    auto put32 = [&](size_t at, uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            block[at + i] = static_cast<uint8_t>(v >> (8 * i));
        }
    };
    put32(0, header);
    put32(4, kSide);
    put32(8, kSide);
    block[12] = 1;
    block[14] = 8;
    put32(20, stride * kSide);
    for (int i = 0; i < 256; ++i) {
        block[header + 4 * i] = block[header + 4 * i + 1] = block[header + 4 * i + 2] =
            static_cast<uint8_t>(i);
    }
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) {
            bool line = x % kCell == 0 || y % kCell == 0;
            block[header + table + static_cast<size_t>(y) * stride + x] =
                line ? 0 : static_cast<uint8_t>(230 + (x + y) % 20);
        }
    }
    return block;
}

// Every cell of the grid; an answer on every fifth cell (205 answers); 100 digits marked,
// 70 of them right; hint 1 highlights 12 primary and 6 secondary cells.
struct Board {
    Board() {
        doc.m_hDIB = DibHandle(BoardBlock());
        doc.InitDIBData();
        doc.m_nCellSize = kCell;
        for (int r = 0; r < kCells; ++r) {
            for (int c = 0; c < kCells; ++c) {
                doc.AddCell(c, r);
                int index = r * kCells + c;
                if (index % 5 == 0) {
                    doc.m_answers.push_back(MakeMarkKey(c, r, index % 10));
                }
            }
        }
        for (int i = 0; i < 100; ++i) {
            int index = i * 5;
            int c = index % kCells, r = index / kCells;
            doc.SetCellValue(c, r, i < 70 ? index % 10 : (index + 1) % 10);
        }
        doc.m_hints.emplace_back();
        doc.m_secondaryHints.emplace_back();
        for (int i = 0; i < 12; ++i) {
            doc.m_hints[0].push_back(MakeMarkKey(i, 20, 1));
        }
        for (int i = 0; i < 6; ++i) {
            doc.m_secondaryHints[0].push_back(MakeMarkKey(20, i, 2));
        }
        doc.m_nHintCount = 1;
        doc.m_nSelectedHint = 1;
    }
    CMathGridDoc doc;
};

Board& TheBoard() {
    static Board board;
    return board;
}

// The view's backing store on the desktop.
QImage Target() {
    QImage target(kSide, kSide, QImage::Format_ARGB32_Premultiplied);
    target.fill(Qt::white);
    return target;
}

// Paints into the backing store once per iteration.
template <class Paint>
void PaintLoop(benchmark::State& state, Paint paint) {
    QImage target = Target();
    for (auto _ : state) {
        QPainter painter(&target);
        paint(painter);
        painter.end();
        benchmark::DoNotOptimize(target.constBits());
    }
}

// The board's picture decoded, as the reference draws it; false, with the benchmark stopped,
// when it does not decode.
bool BarePicture(benchmark::State& state, QImage& picture) {
    picture = DibImage(TheBoard().doc.m_hDIB);
    if (picture.isNull()) {
        state.SkipWithError("the board picture does not decode");
        return false;
    }
    return true;
}

void BM_BoardRepaint(benchmark::State& state) {
    Board& board = TheBoard();
    PaintLoop(state, [&](QPainter& painter) {
        board::PaintMathBoard(painter, board.doc, board::BoardColors{}, true, true);
    });
}
BENCHMARK(BM_BoardRepaint)->Unit(benchmark::kMicrosecond);

void BM_BoardPictureOnly(benchmark::State& state) {
    Board& board = TheBoard();
    PaintLoop(state, [&](QPainter& painter) { board::PaintDocPicture(painter, board.doc); });
}
BENCHMARK(BM_BoardPictureOnly)->Unit(benchmark::kMicrosecond);

// Where the repaint's time goes beyond the picture: listing what to draw, and drawing it.
void BM_BoardPlanOnly(benchmark::State& state) {
    Board& board = TheBoard();
    for (auto _ : state) {
        benchmark::DoNotOptimize(board::PlanMathBoard(board.doc, true, board::kWholeBoard));
    }
}
BENCHMARK(BM_BoardPlanOnly)->Unit(benchmark::kMicrosecond);

void BM_BoardOverlaysOnly(benchmark::State& state) {
    std::vector<board::BoardOp> ops =
        board::PlanMathBoard(TheBoard().doc, true, board::kWholeBoard);
    PaintLoop(state,
              [&](QPainter& painter) { board::PaintBoardOps(painter, ops, board::BoardColors{}); });
}
BENCHMARK(BM_BoardOverlaysOnly)->Unit(benchmark::kMicrosecond);

void BM_BareDrawImage(benchmark::State& state) {
    QImage picture;
    if (!BarePicture(state, picture)) {
        return;
    }
    PaintLoop(state, [&](QPainter& painter) { painter.drawImage(0, 0, picture); });
}
BENCHMARK(BM_BareDrawImage)->Unit(benchmark::kMicrosecond);

// The two side by side in one loop, so that both meet the same load on a busy machine; the
// counter is the repaint's time over the bare draw's.
void BM_RepaintOverBareDraw(benchmark::State& state) {
    Board& board = TheBoard();
    QImage picture;
    if (!BarePicture(state, picture)) {
        return;
    }
    QImage target = Target();
    using Clock = std::chrono::steady_clock;
    Clock::duration repaint{}, bare{};
    for (auto _ : state) {
        Clock::time_point start = Clock::now();
        {
            QPainter painter(&target);
            board::PaintMathBoard(painter, board.doc, board::BoardColors{}, true, true);
        }
        Clock::time_point middle = Clock::now();
        {
            QPainter painter(&target);
            painter.drawImage(0, 0, picture);
        }
        Clock::time_point end = Clock::now();
        benchmark::DoNotOptimize(target.constBits());
        repaint += middle - start;
        bare += end - middle;
    }
    state.counters["ratio"] = std::chrono::duration<double>(repaint).count() /
                              std::chrono::duration<double>(bare).count();
}
BENCHMARK(BM_RepaintOverBareDraw)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    // Texts need fonts, and fonts a GUI application; no window is shown.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    int qtArgc = 1;
    QGuiApplication app(qtArgc, argv);
    // Decode once outside the timing, as a running game has long done.
    DibImage(TheBoard().doc.m_hDIB);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
