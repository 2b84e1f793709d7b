// SPDX-License-Identifier: MIT
// The page names the game opens and the tool writes.
#include <gtest/gtest.h>

#include "hypertext/PageNames.h"

TEST(PageNames, GamePagesCarryTheStemAndTwoDigits) {
    EXPECT_EQ(InstructionsPageName("hunt"), "hunt_00.htf");
    EXPECT_EQ(AnswerPageName("hunt"), "hunt-00.htf");
    EXPECT_EQ(HintPageName("hunt", false, 7), "hunt_07.htf");
    EXPECT_EQ(HintPageName("hunt", true, 12), "hunt-12.htf");
    EXPECT_EQ(InstructionsPageName(""), "_00.htf");  // what an empty stem asks the window for
}

TEST(PageNames, HelpPagesCarryTheHelpFilesName) {
    EXPECT_EQ(HelpPageName("qzx.hlp", 0), "qzx_00.htf");
    EXPECT_EQ(HelpPageName("qzx.hlp", 13), "qzx_13.htf");
    for (auto [file, topic] : {std::pair{"qzx.hlp", 100},
                               {"qzx.hlp", -1},
                               {".hlp", 1},
                               {"..\\qzx.hlp", 1},
                               {"help/qzx.hlp", 1}}) {
        EXPECT_EQ(HelpPageName(file, topic), "") << file << " " << topic;
    }
}
