// SPDX-License-Identifier: MIT
// Desktop services for a command-line program such as the content tool: message boxes are
// kept instead of shown, so the program can report them, and nothing else happens.
#pragma once

#include <string>
#include <vector>

#include "platform/Services.h"

namespace platform {

class MessageCapture : public IServices {
public:
    struct Message {
        std::string text;
        std::string caption;
        unsigned type;
        const void* owner;  // the window named by the MessageOwner of the time, or nullptr
    };

    // Installs itself for its lifetime and restores the previous services afterwards.
    MessageCapture();
    ~MessageCapture() override;
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    // Keeps the message and answers it with Answer(type).
    int MessageBox(const std::string& text, const std::string& caption, unsigned type) override;
    void PlaySound(const std::string& gamePath) override;
    void WinHelp(const std::string& helpFile, HelpCommand command, int context) override;
    bool OpenTextViewer(const std::string& gamePath) override;
    bool ChooseColor(ColorRef& colour) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;

    std::vector<Message> messages;
    // The texts of the kept messages, in order.
    std::vector<std::string> Texts() const;

protected:
    // OK, or Yes to a Yes/No question: the answer that lets the program go on.
    virtual int Answer(unsigned type);

private:
    IServices* m_previous;
};

}  // namespace platform
