// SPDX-License-Identifier: MIT
// The desktop services the game asks for (message boxes, sounds, help, a text viewer, the
// colour picker, the wait cursor), as a plain interface. Qt provides them in the game; tests
// install a recording fake.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Message box buttons and icons, and the answers, with the classic values.
enum : unsigned {
    MB_OK = 0x0,
    MB_OKCANCEL = 0x1,
    MB_YESNO = 0x4,
    MB_ICONSTOP = 0x10,
    MB_ICONQUESTION = 0x20,
    MB_ICONEXCLAMATION = 0x30,
    MB_ICONINFORMATION = 0x40,
    MB_BUTTONMASK = 0xF,
    MB_ICONMASK = 0xF0,
};
enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

inline constexpr const char* kAppTitle = "Math Quizlex";
inline constexpr const char* kHelpFile = "qzx.hlp";

enum class HelpCommand { Contents, Context };

// A colour as the game stores it: red in the lowest byte, then green, then blue.
using ColorRef = uint32_t;
constexpr ColorRef Rgb(int r, int g, int b) {
    return static_cast<ColorRef>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(ColorRef c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GreenOf(ColorRef c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int BlueOf(ColorRef c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

class IServices {
public:
    virtual ~IServices() = default;
    // Shows a modal message box; returns IDOK, IDCANCEL, IDYES or IDNO.
    virtual int MessageBox(const std::string& text, const std::string& caption, unsigned type) = 0;
    // Starts playing a .wav file and returns at once; a missing file is silent.
    virtual void PlaySound(const std::string& gamePath) = 0;
    // Opens the help file at its contents or at a numbered topic.
    virtual void WinHelp(const std::string& helpFile, HelpCommand command, int context) = 0;
    // Opens a text file in the desktop's text viewer without waiting; false if none starts.
    virtual bool OpenTextViewer(const std::string& gamePath) = 0;
    // Runs the colour picker; true with the picked colour, false when cancelled.
    virtual bool ChooseColor(ColorRef& colour) = 0;
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
};

// The installed services (a quiet console stand-in until one is installed).
IServices& Services();
// Installs services (not owned); nullptr restores the console stand-in. Returns the previous.
IServices* InstallServices(IServices* services);

// Names the window that owns the message boxes shown while the object lives (the address of
// the owning window object); without one, the window active at the time owns them.
class MessageOwner {
public:
    explicit MessageOwner(const void* window);
    ~MessageOwner();
    MessageOwner(const MessageOwner&) = delete;
    MessageOwner& operator=(const MessageOwner&) = delete;

private:
    const void* m_previous;
};
// The window named by the innermost living MessageOwner, or nullptr.
const void* CurrentMessageOwner();

// A message box; an empty caption gives the application's title.
int MessageBox(const std::string& text, const std::string& caption = std::string(),
               unsigned type = MB_OK);
void PlaySound(const std::string& gamePath);
void WinHelp(HelpCommand command, int context = 0);

// Shows the wait cursor for its lifetime.
class WaitCursor {
public:
    WaitCursor() { Services().BeginWaitCursor(); }
    ~WaitCursor() { Services().EndWaitCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

}  // namespace platform
