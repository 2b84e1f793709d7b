// SPDX-License-Identifier: MIT
// The game's sounds, synthesised from short written recipes as 16-bit mono PCM WAV files,
// and the check that a file is a WAV the game can play.
//
// A recipe is one line: a name, a voice, then notes. A note is a pitch and a length in
// milliseconds, "C5:90"; a pitch may glide, "C5>G5:200"; pitches are note names (C4, F#5, Bb3)
// or hertz (440); "r:50" is a rest. Voices: sine, bell, soft, chirp and noise.
//
//   correct  bell  C5:90 E5:90 G5:90 C6:260
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace content {

struct SoundNote {
    double from = 0;  // hertz; 0 for a rest
    double to = 0;    // hertz at the end of the note (equal to from for a steady pitch)
    int ms = 0;
};

struct SoundRecipe {
    std::string name;
    std::string voice;
    std::vector<SoundNote> notes;
    int line = 0;
};

inline constexpr int kSampleRate = 22050;
inline constexpr int kMaxSoundMs = 3000;

// Reads recipes, one per line ("//" starts a comment line). Problems go to errors as
// "FILE:LINE: reason".
bool ReadSoundRecipes(std::string_view text, const std::string& fileName,
                      std::vector<SoundRecipe>& recipes, std::vector<std::string>& errors);

// The WAV file of a recipe: the same bytes every time.
std::vector<uint8_t> SynthesizeWav(const SoundRecipe& recipe);

// What a WAV file holds, as far as playing it goes.
struct WavInfo {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    uint32_t dataBytes = 0;
    double seconds = 0;
};
// True for a PCM WAV file (8 or 16 bits, mono or stereo, 8 to 48 kHz) with sound in it; else
// false with the reason.
bool ReadWavInfo(const std::vector<uint8_t>& bytes, WavInfo& info, std::string& why);

}  // namespace content
