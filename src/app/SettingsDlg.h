// SPDX-License-Identifier: MIT
// The Customize Game Settings dialog: sounds, error detection and the hint colours.
#pragma once

#include "images/GameDialog.h"
#include "platform/Services.h"

class QCheckBox;
class QWidget;

class CSettingsDlg : public CGameDialog {  // template 141 "Customize Game Settings"
    Q_OBJECT

public:
    explicit CSettingsDlg(QWidget* parent = nullptr);
    ~CSettingsDlg() override;

    // Filled by the caller before the dialog runs, read after it ends with OK (1).
    int m_bPlaySounds = 0;
    int m_bUseErrorDetection = 1;
    platform::ColorRef m_crHighlight = platform::Rgb(0, 0, 255);
    platform::ColorRef m_crPrimary = platform::Rgb(0, 255, 0);
    platform::ColorRef m_crSecondary = platform::Rgb(255, 0, 0);

    // The dialog's events, also for tests.
    void OnChangePrimary();
    void OnChangeSecondary();
    void OnChangeHighlight();
    void OnDefaultColors();
    void OnHelp();
    void OnOK();
    // Cancel, Escape and the close box: the fields keep what the caller filled in.
    void reject() override;

protected:
    bool OnInitDialog() override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool PickColor(platform::ColorRef& colour);

    QWidget* m_pPrimarySwatch = nullptr;
    QWidget* m_pSecondarySwatch = nullptr;
    QWidget* m_pHighlightSwatch = nullptr;
    QCheckBox* m_pPlaySounds = nullptr;
    QCheckBox* m_pUseErrorDetection = nullptr;
    bool m_bStarted = false;
    platform::ColorRef m_crHighlightAtStart = 0;
    platform::ColorRef m_crPrimaryAtStart = 0;
    platform::ColorRef m_crSecondaryAtStart = 0;
};
