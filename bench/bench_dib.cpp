// SPDX-License-Identifier: MIT
// Loading a picture as a player meets it: the game's block reader and decoder beside Qt's own
// BMP reader on the same 2048 x 2048 files, both ending with 32-bit pixels in fresh memory,
// then the first paint of the picture loaded.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QImage>
#include <QPainter>
#include <QString>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "images/Dib.h"
#include "images/DibDecode.h"
#include "images/DibPaint.h"
#include "platform/File.h"

namespace {

constexpr int kSide = 2048;

void Put16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

// An uncompressed bottom-up .bmp with a 40-byte header and varied pixels.
std::vector<uint8_t> MakeBmp(int bits, int side) {
    const uint32_t colors = bits == 8 ? 256 : 0;
    const uint32_t stride = (bits * side + 31) / 32 * 4;
    const uint32_t offset = 14 + 40 + colors * 4;
    std::vector<uint8_t> b;
    b.reserve(offset + stride * side);
    b.push_back('B');
    b.push_back('M');
    Put32(b, offset + stride * side);
    Put32(b, 0);
    Put32(b, offset);
    Put32(b, 40);
    Put32(b, side);
    Put32(b, side);
    Put16(b, 1);
    Put16(b, static_cast<uint32_t>(bits));
    Put32(b, 0);
    Put32(b, stride * side);
    Put32(b, 2835);
    Put32(b, 2835);
    Put32(b, colors);
    Put32(b, 0);
    for (uint32_t i = 0; i < colors; ++i) {
        Put32(b, (i * 0x9E3779B1u) & 0xFFFFFF);
    }
    uint32_t seed = 12345;
    for (int y = 0; y < side; ++y) {
        for (uint32_t x = 0; x < stride; ++x) {
            seed = seed * 1103515245u + 12345u;
            b.push_back(static_cast<uint8_t>((seed >> 16) ^ x ^ y));
        }
    }
    return b;
}

std::string WriteBmp(int bits, int side = kSide) {
    auto folder = std::filesystem::temp_directory_path() / "quizlex-bench-dib";
    std::filesystem::create_directories(folder);
    std::string path =
        (folder / ("picture" + std::to_string(bits) + "-" + std::to_string(side) + ".bmp"))
            .string();
    std::vector<uint8_t> bytes = MakeBmp(bits, side);
    if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    return path;
}

const std::string& Path(int bits) {
    static const std::string path8 = WriteBmp(8);
    static const std::string path24 = WriteBmp(24);
    return bits == 8 ? path8 : path24;
}

// The picture of the benchmark's argument, 8 or 24 bits.
const std::string& PathOf(const benchmark::State& state) {
    return Path(static_cast<int>(state.range(0)));
}

// The game's block read from the picture file; false, with the benchmark stopped, when it
// cannot be opened.
bool ReadBlock(benchmark::State& state, const std::string& path, DibHandle& dib) {
    CFile file;
    if (!file.Open(path, CFile::modeRead)) {
        state.SkipWithError("cannot open the picture");
        return false;
    }
    dib = LoadDibBlock(file);
    return true;
}

// Qt's own reader, as an application would load the file.
bool QtRead(benchmark::State& state, const QString& path, QImage& image) {
    image = QImage(path);
    if (image.isNull()) {
        state.SkipWithError("Qt could not read the picture");
        return false;
    }
    return true;
}

void CountBytes(benchmark::State& state) {
    state.SetBytesProcessed(state.iterations() * std::filesystem::file_size(PathOf(state)));
}

// The game: read the block, decode it to the 32-bit pixels it paints from.
void GameLoad(benchmark::State& state) {
    const std::string& path = PathOf(state);
    for (auto _ : state) {
        DibHandle dib;
        if (!ReadBlock(state, path, dib)) {
            return;
        }
        const DecodedDib& decoded = dib.Decoded();
        if (decoded.IsNull()) {
            state.SkipWithError("the picture did not decode");
            return;
        }
        benchmark::DoNotOptimize(decoded.pixels[0]);
    }
    CountBytes(state);
}

// Qt's reader followed by the conversion to the same 32-bit pixels: Qt keeps an 8-bit picture
// indexed, and reads a 24-bit one straight into 32 bits (the conversion then does nothing).
void QtLoad(benchmark::State& state) {
    const QString path = QString::fromStdString(PathOf(state));
    for (auto _ : state) {
        QImage image;
        if (!QtRead(state, path, image)) {
            return;
        }
        image = std::move(image).convertToFormat(QImage::Format_RGB32);
        benchmark::DoNotOptimize(image.constBits());
    }
    CountBytes(state);
}

// The two halves of the game's load, to see where the time goes.
void GameReadBlock(benchmark::State& state) {
    const std::string& path = PathOf(state);
    for (auto _ : state) {
        DibHandle dib;
        if (!ReadBlock(state, path, dib)) {
            return;
        }
        benchmark::DoNotOptimize(DibWidth(dib));
    }
}

void GameDecode(benchmark::State& state) {
    DibHandle dib;
    if (!ReadBlock(state, PathOf(state), dib)) {
        return;
    }
    const auto whole = dib.Bytes();
    const std::vector<uint8_t> block(whole.begin(), whole.end());
    const std::span<const uint8_t> packed(block.data(), block.size() - kBitmapFileHeaderSize);
    for (auto _ : state) {
        DecodedDib decoded = DecodeDib(packed);
        benchmark::DoNotOptimize(decoded.pixels[0]);
    }
}

// What a player waits for when a board opens: the picture loaded, then painted once, one to
// one, into a 32-bit canvas like a window's (made before timing, as the window exists). The
// game decodes on its first paint; Qt paints the picture its reader gave, converting an 8-bit
// one as it draws.
void GameLoadThenFirstPaint(benchmark::State& state) {
    const std::string& path = PathOf(state);
    QImage canvas(kSide, kSide, QImage::Format_RGB32);
    for (auto _ : state) {
        DibHandle dib;
        if (!ReadBlock(state, path, dib)) {
            return;
        }
        QPainter painter(&canvas);
        QRect all(0, 0, kSide, kSide);
        if (PaintDibBlock(painter, all, dib, all) != kSide) {
            state.SkipWithError("the picture did not paint");
            return;
        }
    }
}

void QtLoadThenFirstPaint(benchmark::State& state) {
    const QString path = QString::fromStdString(PathOf(state));
    QImage canvas(kSide, kSide, QImage::Format_RGB32);
    for (auto _ : state) {
        QImage image;
        if (!QtRead(state, path, image)) {
            return;
        }
        QPainter painter(&canvas);
        painter.drawImage(0, 0, image);
    }
}

// The bytes a picture copied to the clipboard or saved is made of, once it has been painted:
// the game makes a decoded 24-bit picture's bits again from its pixels; the reference copies
// bytes already held, as the game did when it kept both.
void GameBlockBytesAfterPaint(benchmark::State& state) {
    DibHandle dib;
    if (!ReadBlock(state, PathOf(state), dib) || dib.Decoded().IsNull()) {
        state.SkipWithError("the picture did not load");
        return;
    }
    std::vector<uint8_t> out(dib.Size());
    for (auto _ : state) {
        benchmark::DoNotOptimize(dib.ReadBytes(0, out));
    }
    state.counters["bits_held"] = dib.HoldsBits();
}

void CopyHeldBytes(benchmark::State& state) {
    DibHandle dib;
    if (!ReadBlock(state, PathOf(state), dib)) {
        return;
    }
    const std::vector<uint8_t> held = dib.Bytes();
    std::vector<uint8_t> out(held.size());
    for (auto _ : state) {
        std::memcpy(out.data(), held.data(), held.size());
        benchmark::DoNotOptimize(out.data());
    }
}

// Memory once a 4096 x 4096 board (8 or 24 bits) is loaded and painted, and at most while it
// loads: the game's block and decoded pixels against Qt's image converted to 32 bits. Held bytes
// come from the allocator (mallinfo2), the peak from the kernel's high-water mark of resident
// memory, reset before each load; both in megabytes (10^6 bytes) above what was there before.
double HeldBytes() {
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd);
}

// A "VmRSS:" or "VmHWM:" line of /proc/self/status, in bytes; 0 when there is none.
double ResidentBytes(const std::string& field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(field, 0) == 0) {
            return std::stod(line.substr(field.size())) * 1024;
        }
    }
    return 0;
}

struct Before {
    double held = HeldBytes();
    double resident = ResidentBytes("VmRSS:");
    // Writing 5 sets the high-water mark to what is resident now.
    bool peakReset = static_cast<bool>(std::ofstream("/proc/self/clear_refs") << "5");
};

// Counts what was held and the peak since `before`; the benchmark stops when the allocator or
// the kernel tells nothing, as under a sanitizer's own allocator.
bool CountHeld(benchmark::State& state, const Before& before) {
    const double held = HeldBytes() - before.held;
    const double peak = ResidentBytes("VmHWM:") - before.resident;
    if (held <= 0 || !before.peakReset || peak <= 0) {
        state.SkipWithError("the allocator or the kernel does not tell what is held");
        return false;
    }
    state.counters["held_MB"] = held / 1e6;
    state.counters["peak_MB"] = peak / 1e6;
    return true;
}

const std::string& BigPath(const benchmark::State& state) {
    static const std::string path8 = WriteBmp(8, 4096);
    static const std::string path24 = WriteBmp(24, 4096);
    return state.range(0) == 8 ? path8 : path24;
}

void GameHeld(benchmark::State& state) {
    for (auto _ : state) {
        const Before before;
        DibHandle dib;
        if (!ReadBlock(state, BigPath(state), dib) || dib.Decoded().IsNull()) {
            state.SkipWithError("the picture did not load");
            return;
        }
        if (!CountHeld(state, before)) {
            return;
        }
    }
}

void QtHeld(benchmark::State& state) {
    const QString path = QString::fromStdString(BigPath(state));
    for (auto _ : state) {
        const Before before;
        QImage image;
        if (!QtRead(state, path, image)) {
            return;
        }
        image = std::move(image).convertToFormat(QImage::Format_RGB32);
        if (!CountHeld(state, before)) {
            return;
        }
    }
}

// Qt spreads conversions and drawing over worker threads: the CPU time counts every thread.
void Pictures(benchmark::internal::Benchmark* b) {
    b->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime();
}

}  // namespace

BENCHMARK(GameLoad)->Apply(Pictures);
BENCHMARK(QtLoad)->Apply(Pictures);
BENCHMARK(GameReadBlock)->Apply(Pictures);
BENCHMARK(GameDecode)->Apply(Pictures);
BENCHMARK(GameLoadThenFirstPaint)->Apply(Pictures);
BENCHMARK(QtLoadThenFirstPaint)->Apply(Pictures);
BENCHMARK(GameBlockBytesAfterPaint)->Apply(Pictures);
BENCHMARK(CopyHeldBytes)->Apply(Pictures);
BENCHMARK(GameHeld)->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(QtHeld)->Arg(8)->Arg(24)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char** argv) {
    // Every block of a megabyte or more comes fresh from the system and goes back when freed,
    // as on a player's first load: without this the allocator hands the same warm 16 MB back
    // on every iteration, and the side that frees and allocates most looks fastest.
    mallopt(M_MMAP_THRESHOLD, 1 << 20);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ignored;
    std::filesystem::remove_all(std::filesystem::temp_directory_path() / "quizlex-bench-dib",
                                ignored);
    return 0;
}
