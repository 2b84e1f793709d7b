// SPDX-License-Identifier: MIT
// Fuzz target for pictures: loading a .bmp (from bytes and from a file), every measure, the
// palette, decoding, duplicating and saving, with the promises each makes checked.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string>
#include <vector>

#include "FuzzScratch.h"
#include "images/Dib.h"
#include "images/DibDecode.h"
#include "platform/File.h"

namespace {

void Check(bool promise) {
    if (!promise) {
        std::abort();
    }
}

void CheckDecoded(const DecodedDib& decoded, const DibHandle& dib) {
    if (decoded.IsNull()) {
        return;
    }
    int64_t height = DibHeight(dib);
    Check(decoded.width == DibWidth(dib));
    Check(decoded.height == (height < 0 ? -height : height));
    Check(uint64_t(decoded.width) * uint64_t(decoded.height) <= kMaxDecodedPixels);
    // Every pixel is opaque: the first and the last were written.
    Check(decoded.Pixel(0, 0) >> 24 == 0xFF);
    Check(decoded.Pixel(decoded.width - 1, decoded.height - 1) >> 24 == 0xFF);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::span<const uint8_t> bytes(data, size);
    DibHandle dib = LoadDibBlock(bytes);
    Check(bool(dib) == (size >= 14 && data[0] == 'B' && data[1] == 'M'));

    // The file reader gives the same block, but only as far as the header describes it.
    std::string in = fuzzscratch::Folder("dib") + "in.bmp";
    fuzzscratch::WriteInput(in, data, size);
    CFile file;
    if (file.Open(in, CFile::modeRead)) {
        DibHandle fromFile = LoadDibBlock(file);
        Check(bool(fromFile) == bool(dib));
        if (dib) {
            auto a = dib.Bytes();
            auto b = fromFile.Bytes();
            const size_t payload = b.size() - 14;
            const auto header = bytes.subspan(14, std::min<size_t>(size - 14, kBitmapV5HeaderSize));
            Check(payload == std::min<uint64_t>(size - 14, DibDescribedBytes(header)));
            Check(b.size() <= a.size() && std::equal(b.begin(), b.begin() + payload, a.begin()));
        }
    }
    if (!dib) {
        return 0;
    }
    Check(dib.Bytes().size() == size);

    DibLayout layout = ReadDibLayout(dib.Bytes());
    Check(DibColorTableSize(dib) == uint32_t(DibColorCount(dib)) * (DibIsInfoHeader(dib) ? 4 : 3));
    Check(DibBitsOffset(dib) == layout.bitsOffset);
    Check(DibBits(dib).size() == (layout.bitsOffset < size ? size - layout.bitsOffset : 0));
    (void)DibCompression(dib);
    (void)DibBitCount(dib);

    CPalette palette;
    bool made = MakeDibPalette(dib, palette);
    Check(made == (DibColorCount(dib) != 0));
    Check(!made || palette.entries.size() == DibColorCount(dib));

    // Pictures above 2^18 pixels go through the same loops as small ones, only longer;
    // decoding them under the sanitizers would cut the inputs tried tenfold, so the tests
    // take them.
    int64_t rows = layout.height < 0 ? -int64_t(layout.height) : layout.height;
    if (layout.width <= 0 || uint64_t(layout.width) * uint64_t(rows) <= (uint64_t(1) << 18)) {
        const std::vector<uint8_t> before = dib.Bytes();
        CheckDecoded(dib.Decoded(), dib);
        // Bits let go once the picture is decoded come back byte for byte.
        Check(dib.Bytes() == before);
        // The whole block, its trailing zeros read as bits, decodes as safely.
        CheckDecoded(DecodeDib(dib.Bytes()), dib);
    }
    (void)DibDecodeProblem(dib.Bytes());

    DibHandle copy = DuplicateDibBlock(dib);
    Check(copy && copy.Bytes() == dib.Bytes());

    std::string out = fuzzscratch::Folder("dib") + "out.bmp";
    unlink(out.c_str());
    CFile save;
    if (save.Open(out, CFile::modeCreate | CFile::modeReadWrite)) {
        bool saved = SaveDibBlock(copy, save);
        save.Close();
        struct stat info {};
        Check(stat(out.c_str(), &info) == 0);
        if (saved) {
            // A saved picture is a file header and no more than the block holds.
            Check(DibIsInfoHeader(dib));
            Check(static_cast<size_t>(info.st_size) <= size + 14);
            Check(static_cast<size_t>(info.st_size) >= 14 + layout.bitsOffset);
        } else {
            Check(info.st_size == 0);
        }
    }
    return 0;
}
