// SPDX-License-Identifier: MIT
// The service calls of the game: message boxes with their captions and answers, the runtime's
// random numbers, and dialog units.
#include <gtest/gtest.h>

#include "platform/DialogUnits.h"
#include "platform/FakeServices.h"
#include "platform/MessageCapture.h"
#include "platform/Rand.h"

TEST(Services, AMessageWithoutCaptionCarriesTheApplicationTitle) {
    platform::FakeServices fake;
    EXPECT_EQ(platform::MessageBox("Cannot load DIB", "", platform::MB_ICONINFORMATION),
              platform::IDOK);
    fake.answers.push_back(platform::IDNO);
    EXPECT_EQ(platform::MessageBox("Add new player?", "Confirmation", platform::MB_YESNO),
              platform::IDNO);
    EXPECT_EQ(platform::MessageBox("Are you sure?", "Confirmation", platform::MB_YESNO),
              platform::IDYES);
    ASSERT_EQ(fake.messages.size(), 3u);
    EXPECT_EQ(fake.messages[0].caption, "Math Quizlex");
    EXPECT_EQ(fake.messages[0].type, platform::MB_ICONINFORMATION);
}

TEST(Services, WithoutDesktopServicesAQuestionTakesItsFirstButton) {
    EXPECT_EQ(platform::MessageBox("Add new player?", "Confirmation", platform::MB_YESNO),
              platform::IDYES);
    EXPECT_EQ(platform::MessageBox("Cannot load DIB", "", platform::MB_OK), platform::IDOK);
}

TEST(Services, TheCaptureKeepsMessagesForACommandLineProgram) {
    platform::FakeServices outer;
    {
        platform::MessageCapture capture;
        EXPECT_EQ(platform::MessageBox("Overwrite?", "Confirmation", platform::MB_YESNO),
                  platform::IDYES);
        EXPECT_EQ(platform::MessageBox("Cannot load DIB"), platform::IDOK);
        platform::PlaySound("data\\qxup.wav");
        EXPECT_EQ(capture.Texts(), (std::vector<std::string>{"Overwrite?", "Cannot load DIB"}));
    }
    EXPECT_TRUE(outer.messages.empty() && outer.sounds.empty());
    platform::MessageBox("after");
    EXPECT_EQ(outer.Texts(), std::vector<std::string>{"after"});
}

TEST(Rand, GivesTheRuntimesSequence) {
    platform::SeedRand(1);
    // The classic runtime's first numbers after seeding with 1.
    EXPECT_EQ(platform::Rand(), 41);
    EXPECT_EQ(platform::Rand(), 18467);
    EXPECT_EQ(platform::Rand(), 6334);
}

TEST(DialogUnits, ConvertEdgesWithTheBaseUnits) {
    platform::BaseUnits saved = platform::DialogBaseUnits();
    platform::SetDialogBaseUnits({6, 13});
    platform::PixelRect r = platform::DluToPixels(2, 100, 50, 14);
    EXPECT_EQ(r.x, 3);
    EXPECT_EQ(r.y, 163);  // 100 * 13 / 8 = 162.5, rounded half up
    EXPECT_EQ(r.width, 75);
    EXPECT_EQ(r.height, 185 - 163);  // edges are mapped, then subtracted
    platform::SetDialogBaseUnits(saved);
}
