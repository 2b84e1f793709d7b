// SPDX-License-Identifier: MIT
// Synthesising and checking WAV sounds.
#include "content/SoundSynth.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstring>
#include <sstream>

#include "maker/Cp1252Text.h"
#include "platform/LittleEndian.h"

namespace content {
namespace le = platform::le;
namespace {

constexpr double kPi = 3.14159265358979323846;

// "A4", "C#5", "Bb3" or a number of hertz; false when it is neither or out of hearing.
bool ParsePitch(const std::string& text, double& hertz) {
    if (text.empty()) {
        return false;
    }
    if (std::isdigit(static_cast<unsigned char>(text[0]))) {
        if (text.size() > 6 || !std::all_of(text.begin(), text.end(),
                                            [](unsigned char c) { return std::isdigit(c); })) {
            return false;
        }
        hertz = std::stoi(text);
        return hertz >= 20 && hertz <= 12000;
    }
    static const char kNames[] = "C D EF G A B";
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    const char* at = letter == ' ' ? nullptr : std::strchr(kNames, letter);
    if (at == nullptr || letter == '\0') {
        return false;
    }
    int semitone = static_cast<int>(at - kNames);
    size_t pos = 1;
    if (pos < text.size() && (text[pos] == '#' || text[pos] == 'b')) {
        semitone += text[pos] == '#' ? 1 : -1;
        ++pos;
    }
    if (pos + 1 != text.size() || !std::isdigit(static_cast<unsigned char>(text[pos]))) {
        return false;
    }
    const int octave = text[pos] - '0';
    const int midi = (octave + 1) * 12 + semitone;
    hertz = 440.0 * std::pow(2.0, (midi - 69) / 12.0);
    return hertz >= 20 && hertz <= 12000;
}

bool ParseNote(const std::string& text, SoundNote& note, std::string& why) {
    const size_t colon = text.find(':');
    if (colon == std::string::npos) {
        why = "a note is a pitch and a length, like C5:120, not \"" + text + "\"";
        return false;
    }
    const std::string pitch = text.substr(0, colon);
    const std::string length = text.substr(colon + 1);
    if (length.empty() || length.size() > 5 ||
        !std::all_of(length.begin(), length.end(),
                     [](unsigned char c) { return std::isdigit(c); })) {
        why = "the length of \"" + text + "\" is not a number of milliseconds";
        return false;
    }
    note.ms = std::stoi(length);
    if (note.ms < 5) {
        why = "the note \"" + text + "\" is shorter than 5 ms";
        return false;
    }
    if (pitch == "r") {
        note.from = note.to = 0;
        return true;
    }
    const size_t glide = pitch.find('>');
    const std::string first = pitch.substr(0, glide);
    const std::string last = glide == std::string::npos ? first : pitch.substr(glide + 1);
    if (!ParsePitch(first, note.from) || !ParsePitch(last, note.to)) {
        why = "\"" + pitch + "\" is not a pitch (C4, F#5, Bb3 or 20 to 12000 hertz)";
        return false;
    }
    return true;
}

// The loudness of a note over its life, 0 at both ends, so no note clicks.
double Envelope(const std::string& voice, double t, double length) {
    const double attack = std::min(0.008, length * 0.2);
    const double release = std::min(0.04, length * 0.4);
    double level = 1.0;
    if (t < attack) {
        level = t / attack;
    } else if (t > length - release) {
        level = std::max(0.0, (length - t) / release);
    }
    if (voice == "bell") {
        level *= std::exp(-3.0 * t / std::max(length, 0.05));
    } else if (voice == "soft" || voice == "chirp") {
        level *= 0.5 + 0.5 * std::cos(kPi * std::min(1.0, t / length));
        level = std::max(level, 0.0);
    }
    return level;
}

}  // namespace

bool ReadSoundRecipes(std::string_view text, const std::string& fileName,
                      std::vector<SoundRecipe>& recipes, std::vector<std::string>& errors) {
    const size_t before = errors.size();
    std::istringstream in{std::string(text)};
    std::string raw;
    int line = 0;
    while (std::getline(in, raw)) {
        ++line;
        const std::string trimmed = maker::Trim(raw);
        if (trimmed.empty() || trimmed.rfind("//", 0) == 0) {
            continue;
        }
        auto fail = [&](const std::string& why) {
            errors.push_back(fileName + ":" + std::to_string(line) + ": " + why);
        };
        std::istringstream words(trimmed);
        SoundRecipe recipe;
        recipe.line = line;
        words >> recipe.name >> recipe.voice;
        if (recipe.voice != "sine" && recipe.voice != "bell" && recipe.voice != "soft" &&
            recipe.voice != "chirp" && recipe.voice != "noise") {
            fail("the voice is sine, bell, soft, chirp or noise, not \"" + recipe.voice + "\"");
            continue;
        }
        const bool plainName = !recipe.name.empty() && recipe.name.size() <= 20 &&
                               std::all_of(recipe.name.begin(), recipe.name.end(),
                                           [](unsigned char c) { return std::isalnum(c) != 0; });
        if (!plainName) {
            fail("a sound's name is 1 to 20 letters and digits");
            continue;
        }
        std::string word;
        int total = 0;
        bool ok = true;
        while (words >> word) {
            SoundNote note;
            std::string why;
            if (!ParseNote(word, note, why)) {
                fail(why);
                ok = false;
                break;
            }
            total += note.ms;
            recipe.notes.push_back(note);
        }
        if (!ok) {
            continue;
        }
        if (recipe.notes.empty()) {
            fail(recipe.name + " has no notes");
            continue;
        }
        if (total > kMaxSoundMs) {
            fail(recipe.name + " lasts " + std::to_string(total) + " ms; a game sound is at most " +
                 std::to_string(kMaxSoundMs));
            continue;
        }
        for (const SoundRecipe& other : recipes) {
            if (other.name == recipe.name) {
                fail(recipe.name + " is written already (line " + std::to_string(other.line) + ")");
                ok = false;
            }
        }
        if (ok) {
            recipes.push_back(std::move(recipe));
        }
    }
    return errors.size() == before;
}

std::vector<uint8_t> SynthesizeWav(const SoundRecipe& recipe) {
    std::vector<int16_t> samples;
    uint32_t noise = 12345;
    double low = 0;
    double band = 0;
    for (const SoundNote& note : recipe.notes) {
        const int count = note.ms * kSampleRate / 1000;
        const double length = static_cast<double>(count) / kSampleRate;
        double phase = 0;
        for (int i = 0; i < count; ++i) {
            const double t = static_cast<double>(i) / kSampleRate;
            double value = 0;
            if (note.from > 0) {
                // an exponential glide sounds even to the ear
                const double f = note.from * std::pow(note.to / note.from, t / length);
                phase += 2 * kPi * f / kSampleRate;
                const std::string& v = recipe.voice;
                if (v == "noise") {
                    noise = noise * 1664525u + 1013904223u;
                    const double white = ((noise >> 9) & 0xFFFF) / 32768.0 - 1.0;
                    // a state-variable band pass centred on the gliding pitch
                    const double k = 2 * std::sin(kPi * std::min(f, 4000.0) / kSampleRate);
                    low += k * band;
                    const double high = white - low - 0.7 * band;
                    band += k * high;
                    value = 0.8 * band;
                } else if (v == "bell") {
                    value = 0.6 * std::sin(phase) + 0.25 * std::sin(2.76 * phase) +
                            0.12 * std::sin(5.4 * phase);
                } else if (v == "soft") {
                    value = 0.8 * std::sin(phase) + 0.15 * std::sin(2 * phase);
                } else {
                    value = 0.85 * std::sin(phase) + 0.1 * std::sin(3 * phase);
                }
                value *= Envelope(recipe.voice, t, length);
            }
            samples.push_back(
                static_cast<int16_t>(std::lround(std::clamp(value, -1.0, 1.0) * 0.7 * 32767)));
        }
    }
    const uint32_t dataBytes = static_cast<uint32_t>(samples.size() * 2);
    std::vector<uint8_t> out;
    out.reserve(44 + dataBytes);
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    le::Append32(out, 36 + dataBytes);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    le::Append32(out, 16);
    le::Append16(out, 1);  // PCM
    le::Append16(out, 1);  // mono
    le::Append32(out, kSampleRate);
    le::Append32(out, kSampleRate * 2);
    le::Append16(out, 2);
    le::Append16(out, 16);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    le::Append32(out, dataBytes);
    for (int16_t s : samples) {
        le::Append16(out, static_cast<uint16_t>(s));
    }
    return out;
}

bool ReadWavInfo(const std::vector<uint8_t>& bytes, WavInfo& info, std::string& why) {
    info = WavInfo();
    if (bytes.size() < 12 || std::string(bytes.begin(), bytes.begin() + 4) != "RIFF" ||
        std::string(bytes.begin() + 8, bytes.begin() + 12) != "WAVE") {
        why = "not a RIFF WAVE file";
        return false;
    }
    bool haveFormat = false;
    size_t at = 12;
    while (at + 8 <= bytes.size()) {
        const std::string id(bytes.begin() + static_cast<std::ptrdiff_t>(at),
                             bytes.begin() + static_cast<std::ptrdiff_t>(at + 4));
        const uint32_t size = le::U32(bytes, at + 4);
        const size_t body = at + 8;
        if (size > bytes.size() - body) {
            why = "the \"" + id + "\" chunk runs past the end of the file";
            return false;
        }
        if (id == "fmt ") {
            if (size < 16) {
                why = "the format chunk is too short";
                return false;
            }
            if (le::U16(bytes, body) != 1) {
                why = "the sound is not plain PCM";
                return false;
            }
            info.channels = le::U16(bytes, body + 2);
            info.sampleRate = static_cast<int>(le::U32(bytes, body + 4));
            info.bitsPerSample = le::U16(bytes, body + 14);
            const uint16_t blockAlign = le::U16(bytes, body + 12);
            if (info.channels < 1 || info.channels > 2 || info.sampleRate < 8000 ||
                info.sampleRate > 48000 || (info.bitsPerSample != 8 && info.bitsPerSample != 16) ||
                blockAlign != info.channels * info.bitsPerSample / 8) {
                why =
                    "the format is not one the game plays (1 or 2 channels, 8 or 16 bits, 8 to "
                    "48 kHz)";
                return false;
            }
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat) {
                why = "the sound comes before its format";
                return false;
            }
            info.dataBytes = size;
            const double perSecond =
                static_cast<double>(info.sampleRate) * info.channels * info.bitsPerSample / 8;
            info.seconds = size / perSecond;
            if (size == 0) {
                why = "the sound is empty";
                return false;
            }
            return true;
        }
        at = body + size + (size & 1u);
    }
    why = haveFormat ? "the file has no sound data" : "the file has no format chunk";
    return false;
}

}  // namespace content
