// SPDX-License-Identifier: MIT
// The installed desktop services, and the console stand-in used before any is installed.
#include "platform/Services.h"

#include <cstdio>

namespace platform {
namespace {

// Used by command-line tools: messages go to standard error and take the first button.
class ConsoleServices final : public IServices {
public:
    int MessageBox(const std::string& text, const std::string& caption, unsigned type) override {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
        return (type & MB_BUTTONMASK) == MB_YESNO ? IDYES : IDOK;
    }
    void PlaySound(const std::string&) override {}
    void WinHelp(const std::string&, HelpCommand, int) override {}
    bool OpenTextViewer(const std::string&) override { return false; }
    bool ChooseColor(ColorRef&) override { return false; }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}
};

ConsoleServices g_console;
IServices* g_services = &g_console;
const void* g_messageOwner = nullptr;

}  // namespace

IServices& Services() {
    return *g_services;
}

IServices* InstallServices(IServices* services) {
    IServices* previous = g_services == &g_console ? nullptr : g_services;
    g_services = services ? services : &g_console;
    return previous;
}

MessageOwner::MessageOwner(const void* window) : m_previous(g_messageOwner) {
    g_messageOwner = window;
}

MessageOwner::~MessageOwner() {
    g_messageOwner = m_previous;
}

const void* CurrentMessageOwner() {
    return g_messageOwner;
}

int MessageBox(const std::string& text, const std::string& caption, unsigned type) {
    return Services().MessageBox(text, caption.empty() ? std::string(kAppTitle) : caption, type);
}

void PlaySound(const std::string& gamePath) {
    Services().PlaySound(gamePath);
}

void WinHelp(HelpCommand command, int context) {
    Services().WinHelp(kHelpFile, command, context);
}

}  // namespace platform
