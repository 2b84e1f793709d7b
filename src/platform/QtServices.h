// SPDX-License-Identifier: MIT
// The desktop services of the game, provided by Qt.
#pragma once

#include <functional>
#include <memory>

#include "platform/Services.h"

class QSoundEffect;
class QWidget;

namespace platform {

// How wide a window must be for a window manager to show its whole caption beside its buttons.
int CaptionWidth(const QWidget& window);

class QtServices final : public IServices {
public:
    // Installs itself for its lifetime. Needs a QApplication.
    QtServices();
    ~QtServices() override;
    QtServices(const QtServices&) = delete;
    QtServices& operator=(const QtServices&) = delete;

    int MessageBox(const std::string& text, const std::string& caption, unsigned type) override;
    void PlaySound(const std::string& gamePath) override;
    void WinHelp(const std::string& helpFile, HelpCommand command, int context) override;
    bool OpenTextViewer(const std::string& gamePath) override;
    bool ChooseColor(ColorRef& colour) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;

    // The game's help viewer; until one is set, help requests are ignored.
    using HelpViewer = std::function<void(const std::string&, HelpCommand, int)>;
    void SetHelpViewer(HelpViewer viewer) { m_helpViewer = std::move(viewer); }

private:
    IServices* m_previous;
    std::unique_ptr<QSoundEffect> m_sound;
    HelpViewer m_helpViewer;
};

}  // namespace platform
