// SPDX-License-Identifier: MIT
// The Customize Game Settings dialog: sounds, error detection and the hint colours.
#include "app/SettingsDlg.h"

#include <QCheckBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "images/DialogTemplate.h"
#include "images/FixedCellDialog.h"
#include "resources/ResourceIds.h"

using dlgtemplate::AddButton;
using dlgtemplate::AddText;
using dlgtemplate::Place;

namespace {

// A swatch is only a place on the dialog: the dialog paints the colour there.
QWidget* AddSwatch(QDialog* dialog, int id, const char* name, int x, int y, int cx, int cy) {
    auto* swatch = new QWidget(dialog);
    Place(swatch, id, name, x, y, cx, cy);
    swatch->hide();
    return swatch;
}

QColor ToQColor(platform::ColorRef colour) {
    return QColor(platform::RedOf(colour), platform::GreenOf(colour), platform::BlueOf(colour));
}

}  // namespace

CSettingsDlg::CSettingsDlg(QWidget* parent) : CGameDialog(parent) {
    dlgtemplate::SetupDialog(this, tr("Customize Game Settings"), 186, 121);
    setObjectName("settingsDialog");
    setProperty("templateId", ids::IDD_SETTINGS);

    m_pPrimarySwatch = AddSwatch(this, ids::IDC_PRIMARY_SWATCH, "primarySwatch", 2, 7, 18, 20);
    AddText(this, -1, "primaryLabel", tr("Primary Hint"), 25, 14, 77, 8);
    auto* changePrimary = AddButton(this, ids::IDC_CHANGE_PRIMARY, "changePrimaryButton",
                                    tr("Change Color"), 124, 12, 59, 14);
    m_pSecondarySwatch =
        AddSwatch(this, ids::IDC_SECONDARY_SWATCH, "secondarySwatch", 2, 30, 18, 20);
    AddText(this, -1, "secondaryLabel", tr("Secondary Hint"), 26, 36, 75, 8);
    auto* changeSecondary = AddButton(this, ids::IDC_CHANGE_SECONDARY, "changeSecondaryButton",
                                      tr("Change Color"), 124, 35, 59, 14);
    // The highlight colour has its controls in the template, but hidden: the player keeps
    // the colour the settings file gives.
    AddText(this, -1, "highlightLabel", tr("Hint"), 33, 52, 74, 8)->hide();
    auto* changeHighlight = AddButton(this, ids::IDC_CHANGE_HIGHLIGHT, "changeHighlightButton",
                                      tr("Change Color"), 52, 49, 59, 14);
    changeHighlight->hide();
    m_pHighlightSwatch =
        AddSwatch(this, ids::IDC_HIGHLIGHT_SWATCH, "highlightSwatch", 131, 76, 1, 1);

    m_pUseErrorDetection = new QCheckBox(tr("Use Error Detection on Hints"), this);
    Place(m_pUseErrorDetection, ids::IDC_USE_ERROR_DETECTION, "useErrorDetectionBox", 2, 65, 115,
          10);
    m_pPlaySounds = new QCheckBox(tr("Play Sounds"), this);
    Place(m_pPlaySounds, ids::IDC_PLAY_SOUNDS, "playSoundsBox", 2, 79, 100, 10);
    auto* defaults = AddButton(this, ids::IDC_DEFAULT_COLORS, "defaultColorsButton",
                               tr("Default Colors"), 124, 69, 59, 14);

    auto* ok = AddButton(this, ids::IDOK, "okButton", tr("OK"), 2, 100, 50, 14);
    ok->setDefault(true);
    auto* cancel = AddButton(this, ids::IDCANCEL, "cancelButton", tr("Cancel"), 69, 100, 50, 14);
    auto* help = AddButton(this, ids::IDHELP, "helpButton", tr("Help"), 134, 100, 50, 14);

    connect(changePrimary, &QPushButton::clicked, this, &CSettingsDlg::OnChangePrimary);
    connect(changeSecondary, &QPushButton::clicked, this, &CSettingsDlg::OnChangeSecondary);
    connect(changeHighlight, &QPushButton::clicked, this, &CSettingsDlg::OnChangeHighlight);
    connect(defaults, &QPushButton::clicked, this, &CSettingsDlg::OnDefaultColors);
    connect(ok, &QPushButton::clicked, this, &CSettingsDlg::OnOK);
    connect(cancel, &QPushButton::clicked, this, &CSettingsDlg::reject);
    connect(help, &QPushButton::clicked, this, &CSettingsDlg::OnHelp);
}

CSettingsDlg::~CSettingsDlg() = default;

bool CSettingsDlg::OnInitDialog() {
    CGameDialog::OnInitDialog();
    m_pPlaySounds->setChecked(m_bPlaySounds != 0);
    m_pUseErrorDetection->setChecked(m_bUseErrorDetection != 0);
    m_bStarted = true;
    m_crHighlightAtStart = m_crHighlight;
    m_crPrimaryAtStart = m_crPrimary;
    m_crSecondaryAtStart = m_crSecondary;
    CenterDialog(*this);
    return true;
}

bool CSettingsDlg::PickColor(platform::ColorRef& colour) {
    // The picker opens on no colour of ours, as it always did.
    platform::ColorRef picked = platform::Rgb(0, 0, 0);
    if (!platform::Services().ChooseColor(picked)) {
        return false;
    }
    colour = picked;
    update();
    return true;
}

void CSettingsDlg::OnChangePrimary() {
    PickColor(m_crPrimary);
}

void CSettingsDlg::OnChangeSecondary() {
    PickColor(m_crSecondary);
}

void CSettingsDlg::OnChangeHighlight() {
    PickColor(m_crHighlight);
}

void CSettingsDlg::OnDefaultColors() {
    m_crPrimary = platform::Rgb(0, 255, 0);
    m_crSecondary = platform::Rgb(255, 255, 0);
    update();
}

void CSettingsDlg::OnHelp() {
    platform::WinHelp(platform::HelpCommand::Context, ids::HELP_SETTINGS);
}

void CSettingsDlg::OnOK() {
    m_bPlaySounds = m_pPlaySounds->isChecked() ? 1 : 0;
    m_bUseErrorDetection = m_pUseErrorDetection->isChecked() ? 1 : 0;
    done(ids::IDOK);
}

void CSettingsDlg::reject() {
    // Colours picked and then cancelled are not the caller's: the fields go back to what the
    // caller filled in.
    if (m_bStarted) {
        m_crHighlight = m_crHighlightAtStart;
        m_crPrimary = m_crPrimaryAtStart;
        m_crSecondary = m_crSecondaryAtStart;
    }
    CGameDialog::reject();
}

void CSettingsDlg::paintEvent(QPaintEvent* event) {
    CGameDialog::paintEvent(event);
    QPainter painter(this);
    painter.fillRect(m_pPrimarySwatch->geometry(), ToQColor(m_crPrimary));
    painter.fillRect(m_pSecondarySwatch->geometry(), ToQColor(m_crSecondary));
    painter.fillRect(m_pHighlightSwatch->geometry(), ToQColor(m_crHighlight));
}
