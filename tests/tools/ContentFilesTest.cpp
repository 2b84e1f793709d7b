// SPDX-License-Identifier: MIT
// The sound synthesiser and page sources of the content build: what they write and refuse.
#include <gtest/gtest.h>

#include <vector>

#include "content/PageSource.h"
#include "content/SoundSynth.h"
#include "hypertext/FakeHtfMetrics.h"
#include "platform/LittleEndian.h"

using content::SoundRecipe;

TEST(SoundSynth, WritesShortQuietEndedPcmSounds) {
    std::vector<SoundRecipe> recipes;
    std::vector<std::string> errors;
    ASSERT_TRUE(content::ReadSoundRecipes(
        "ding bell C5:90 E5>G5:120 r:20\nswish noise 500>3000:200\n", "s.txt", recipes, errors));
    ASSERT_EQ(recipes.size(), 2u);
    for (const SoundRecipe& recipe : recipes) {
        const std::vector<uint8_t> wav = content::SynthesizeWav(recipe);
        content::WavInfo info;
        std::string why;
        ASSERT_TRUE(content::ReadWavInfo(wav, info, why)) << why;
        EXPECT_EQ(info.channels, 1);
        EXPECT_EQ(info.bitsPerSample, 16);
        EXPECT_EQ(info.sampleRate, content::kSampleRate);
        // As long as its notes and rests: 90 + 120 + 20 ms, and 200 ms.
        EXPECT_NEAR(info.seconds, recipe.name == "ding" ? 0.23 : 0.2, 0.005);
        // No click: the first and last samples are silent, and nothing clips.
        const auto sample = [&](size_t i) { return int16_t(platform::le::U16(wav, 44 + 2 * i)); };
        const size_t count = info.dataBytes / 2;
        EXPECT_LT(std::abs(sample(0)), 200);
        EXPECT_LT(std::abs(sample(count - 1)), 200);
        int peak = 0;
        for (size_t i = 0; i < count; ++i) {
            peak = std::max(peak, std::abs(static_cast<int>(sample(i))));
        }
        EXPECT_GT(peak, 3000);
        EXPECT_LT(peak, 32767);
    }
}

TEST(SoundSynth, RefusesRecipesItCannotPlayAndFilesThatAreNotSounds) {
    std::vector<SoundRecipe> recipes;
    std::vector<std::string> errors;
    EXPECT_FALSE(content::ReadSoundRecipes(
        "a sine H5:90\nb organ C5:90\nc sine C5:4000\nd sine C5\n", "s.txt", recipes, errors));
    EXPECT_EQ(errors, (std::vector<std::string>{
                          "s.txt:1: \"H5\" is not a pitch (C4, F#5, Bb3 or 20 to 12000 hertz)",
                          "s.txt:2: the voice is sine, bell, soft, chirp or noise, not \"organ\"",
                          "s.txt:3: c lasts 4000 ms; a game sound is at most 3000",
                          "s.txt:4: a note is a pitch and a length, like C5:120, not \"C5\""}));
    content::WavInfo info;
    std::string why;
    EXPECT_FALSE(content::ReadWavInfo({'R', 'I', 'F', 'F'}, info, why));
    std::vector<uint8_t> wav = content::SynthesizeWav({"x", "sine", {{440, 440, 50}}, 1});
    wav[20] = 3;  // floating-point samples
    EXPECT_FALSE(content::ReadWavInfo(wav, info, why));
    EXPECT_EQ(why, "the sound is not plain PCM");
    wav = content::SynthesizeWav({"x", "sine", {{440, 440, 50}}, 1});
    wav.resize(60);
    EXPECT_FALSE(content::ReadWavInfo(wav, info, why));
    EXPECT_EQ(why, "the \"data\" chunk runs past the end of the file");
}

TEST(PageSource, EveryElementReachesThePageAndABarSplitsItsTwoTexts) {
    CFakeHtfMetrics metrics;
    std::string page;
    std::vector<std::string> errors;
    ASSERT_TRUE(
        content::BuildPageFromSource("title T\nlarge Big\nheading Head\nsub Sub\npara "
                                     "Plain\nred Warn\nlink Go on | qzx_13.htf\nask Q? | A.\n",
                                     "p.page", metrics, page, errors));
    for (const char* line :
         {"Big", "Head", "Sub", "Plain", "Warn", "Go on", "qzx_13.htf", "Q?  A."}) {
        EXPECT_NE(page.find(std::string("\n") + line + "\n"), std::string::npos) << line;
    }
    EXPECT_FALSE(
        content::BuildPageFromSource("large Big\nlink Go on\n", "p", metrics, page, errors));
    EXPECT_EQ(errors, (std::vector<std::string>{"p:2: link needs two texts with a '|' between them",
                                                "p:0: the page has no title"}));
}
