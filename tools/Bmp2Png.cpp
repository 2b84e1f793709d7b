// SPDX-License-Identifier: MIT
// quizlex-tool bmp2png: shows what the game makes of a picture by decoding it with the game's
// own routines and writing the result as a PNG.
#include <QImage>
#include <QString>

#include "Tool.h"
#include "images/Dib.h"
#include "images/DibDecode.h"
#include "images/DibPaint.h"
#include "platform/File.h"

namespace {

int RunBmp2Png(const tool::Arguments& arguments) {
    if (arguments.size() != 2) {
        return tool::Fail("bmp2png takes IN.bmp OUT.png");
    }
    const std::string& in = arguments[0];
    const std::string& out = arguments[1];
    CFile file;
    int cause = 0;
    if (!file.Open(in, CFile::modeRead, &cause)) {
        return tool::Fail("cannot open " + in + " (error " + std::to_string(cause) + ")");
    }
    DibHandle dib = LoadDibBlock(file);
    file.Close();
    if (!dib) {
        return tool::Fail(in + " is not a Windows bitmap (too short, or not starting with BM)");
    }
    QImage image = DibImage(dib);
    if (image.isNull()) {
        std::string problem = DibDecodeProblem(dib.Head());
        return tool::Fail(in + " cannot be decoded: " +
                          (problem.empty() ? std::string("out of memory") : problem));
    }
    if (!image.save(QString::fromLocal8Bit(out.c_str()), "PNG")) {
        return tool::Fail("cannot write " + out);
    }
    return 0;
}

}  // namespace

QZ_TOOL_COMMAND("bmp2png", "IN.bmp OUT.png",
                "decodes a picture as the game does and writes it as a PNG", &RunBmp2Png);
