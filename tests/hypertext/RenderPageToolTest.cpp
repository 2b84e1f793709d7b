// SPDX-License-Identifier: MIT
// quizlex-tool render-page: the page picture an author sees is the one the window draws.
#include <gtest/gtest.h>

#include <QImage>

#include "HtfWindowFixture.h"
#include "hypertext/HtfQtFonts.h"

using htftest::CountPixels;
using htftest::HtfWindowTest;
using htftest::IsMagenta;
using htftest::IsRed;

TEST_F(HtfWindowTest, TheToolWritesThePagePictureTheWindowDraws) {
    const std::string page = std::string(QZ_HTF_DATA) + "/hint.htf";
    const std::string png = folder.File("hint.png");
    std::string output;
    ASSERT_EQ(testsupport::RunCommand(
                  std::string(QZ_TOOL_PATH) + " render-page '" + page + "' '" + png + "'", &output),
              0)
        << output;
    QImage written(QString::fromStdString(png));
    ASSERT_FALSE(written.isNull());

    ASSERT_TRUE(window->LoadFile(page, 0, 1, 0));
    const QImage& picture = *window->PagePicture();
    EXPECT_EQ(written.size(), picture.size());
    EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32), picture);
    EXPECT_GT(CountPixels(written, written.rect(), IsRed), 100);
    EXPECT_EQ(CountPixels(written, written.rect(), IsMagenta), 0);

    // With --reveal the answers show, in magenta while they are marked.
    const std::string revealed = folder.File("revealed.png");
    ASSERT_EQ(testsupport::RunCommand(std::string(QZ_TOOL_PATH) + " render-page --reveal '" + page +
                                      "' '" + revealed + "'"),
              0);
    QImage answers(QString::fromStdString(revealed));
    EXPECT_GT(CountPixels(answers, answers.rect(), IsMagenta), 100);

    // A page that is not there is an error.
    EXPECT_NE(testsupport::RunCommand(std::string(QZ_TOOL_PATH) + " render-page '" +
                                      folder.File("none.htf") + "' '" + png + "' 2>/dev/null"),
              0);
}
