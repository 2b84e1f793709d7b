// SPDX-License-Identifier: MIT
// Desktop services that keep message boxes instead of showing them.
#include "platform/MessageCapture.h"

namespace platform {

MessageCapture::MessageCapture() : m_previous(InstallServices(this)) {}

MessageCapture::~MessageCapture() {
    InstallServices(m_previous);
}

int MessageCapture::MessageBox(const std::string& text, const std::string& caption, unsigned type) {
    messages.push_back(Message{text, caption, type, CurrentMessageOwner()});
    return Answer(type);
}

int MessageCapture::Answer(unsigned type) {
    return (type & MB_BUTTONMASK) == MB_YESNO ? IDYES : IDOK;
}

void MessageCapture::PlaySound(const std::string&) {}

void MessageCapture::WinHelp(const std::string&, HelpCommand, int) {}

bool MessageCapture::OpenTextViewer(const std::string&) {
    return false;
}

bool MessageCapture::ChooseColor(ColorRef&) {
    return false;
}

void MessageCapture::BeginWaitCursor() {}

void MessageCapture::EndWaitCursor() {}

std::vector<std::string> MessageCapture::Texts() const {
    std::vector<std::string> texts;
    texts.reserve(messages.size());
    for (const Message& m : messages) {
        texts.push_back(m.text);
    }
    return texts;
}

}  // namespace platform
