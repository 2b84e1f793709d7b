// SPDX-License-Identifier: MIT
// quizlex-tool render-page: draws a hypertext page as the page window shows it, for authors.
#include <QImage>
#include <QPainter>
#include <QString>
#include <cstdio>

#include "Tool.h"
#include "hypertext/HtfDocument.h"
#include "hypertext/HtfDraw.h"
#include "hypertext/HtfPage.h"
#include "hypertext/HtfQtFonts.h"

namespace {

int RunRenderPage(const tool::Arguments& arguments) {
    bool reveal = false;
    std::vector<std::string> files;
    for (const std::string& argument : arguments) {
        if (argument == "--reveal") {
            reveal = true;
        } else {
            files.push_back(argument);
        }
    }
    if (files.size() != 2) {
        return tool::Fail("render-page needs a page file and a PNG file to write");
    }
    CHtfQtFonts fonts;
    CHtfDocument doc;
    int cause = 0;
    if (!ReadHtfFile(files[0], MeasureHtfFonts(fonts), kHtfAnswerModeNormal, doc, &cause)) {
        return tool::Fail("cannot read " + files[0] + " (file error " + std::to_string(cause) +
                          ")");
    }
    if (reveal) {
        for (HtfRevealTable& block : doc.m_blocks) {
            block.m_bRevealed = 1;
        }
    }
    const int height = doc.m_nDocHeight + 5;
    if (height > kHtfMaxPictureHeight) {
        return tool::Fail("the page is " + std::to_string(height) +
                          " pixels tall; pictures are written up to " +
                          std::to_string(kHtfMaxPictureHeight));
    }
    QImage image(kHtfPageWidth, height, QImage::Format_RGB32);
    if (image.isNull()) {
        return tool::Fail("no memory for a picture of the page");
    }
    {
        QPainter painter(&image);
        CHtfDrawer drawer(doc, fonts);
        DrawHtfPicture(painter, drawer, fonts, doc.m_nDocHeight, 0, height, true);
    }
    if (!image.save(QString::fromStdString(files[1]), "PNG")) {
        return tool::Fail("cannot write " + files[1]);
    }
    std::printf("%s: \"%s\", %d lines, %zu links, %zu buttons, %zu reveal blocks, %d x %d\n",
                files[1].c_str(), doc.m_strTitle.c_str(), doc.LineCount(), doc.m_links.size(),
                doc.m_buttons.size(), doc.m_blocks.size(), kHtfPageWidth, height);
    return 0;
}

}  // namespace

QZ_TOOL_COMMAND("render-page", "[--reveal] FILE.htf OUT.png",
                "draws a hypertext page as the page window shows it (--reveal: answers shown)",
                &RunRenderPage);
