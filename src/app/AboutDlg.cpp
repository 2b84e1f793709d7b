// SPDX-License-Identifier: MIT
// The about box: the game's picture, three lines of program information and a greeting sound.
#include "app/AboutDlg.h"

#include <QLabel>
#include <QPushButton>

#include "app/AboutData.h"
#include "images/DialogTemplate.h"
#include "images/DibStatic.h"
#include "platform/Cp1252.h"
#include "platform/DialogUnits.h"
#include "platform/File.h"
#include "platform/Services.h"
#include "resources/ResourceIds.h"

using dlgtemplate::AddText;
using dlgtemplate::Place;

CAboutDlg::CAboutDlg(QWidget* parent) : CFixedCellDialog(parent) {
    setObjectName("aboutDialog");
    setProperty("templateId", ids::IDD_ABOUT);
    setWindowTitle(tr("About..."));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    const platform::PixelRect size = platform::DluToPixels(0, 0, 162, 215);
    resize(size.width, size.height);

    m_pPicture = new CDibStatic(this);
    Place(m_pPicture, ids::IDC_DIB_PICTURE, "aboutPicture", 1, 2, 159, 155);

    struct Line {
        const char* label;
        const char* labelName;
        int id;
        const char* name;
        int y;
        QLabel** text;
    };
    const Line lines[] = {
        {"Platform :", "platformLabel", ids::IDC_ABOUT_PLATFORM, "platformText", 164,
         &m_pPlatformText},
        {"Version :", "versionLabel", ids::IDC_ABOUT_VERSION, "versionText", 173, &m_pVersionText},
        {"Year :", "yearLabel", ids::IDC_ABOUT_YEAR, "yearText", 182, &m_pYearText},
    };
    for (const Line& line : lines) {
        QLabel* label = AddText(this, -1, line.labelName, tr(line.label), 11, line.y, 49, 8);
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
        *line.text = AddText(this, line.id, line.name, QString(), 64, line.y, 94, 8);
        (*line.text)->setWordWrap(false);
    }

    auto* ok = dlgtemplate::AddButton(this, ids::IDOK, "okButton", tr("OK"), 64, 196, 32, 14);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, [this] { done(ids::IDOK); });
}

CAboutDlg::~CAboutDlg() = default;

void CAboutDlg::Setup(const std::string& imagePath, const std::string& dataPath, bool playSound) {
    if (!imagePath.empty()) {
        // A picture that cannot be opened is told as one that cannot be read (the picture
        // control reports that one itself); the box opens without it.
        int cause = platform::kNone;
        if (!m_pPicture->LoadPicture(imagePath, &cause) && cause != platform::kNone) {
            platform::MessageBox("Error reading DIB file.");
        }
    } else {
        platform::MessageBox("No image path given!\nThis could only be caused by human error.");
    }
    m_bPlaySound = playSound ? 1 : 0;
    if (dataPath.empty()) {
        platform::MessageBox("No data path given!\nThis could only be caused by human error.");
        return;
    }
    AboutData data;
    if (!data.Read(dataPath)) {
        platform::MessageBox("Missing about box data!\nPlease reinstall this software.");
        return;
    }
    m_strPlatform = data.platform;
    m_strYear = data.year;
    m_strVersion = data.version;
}

bool CAboutDlg::OnInitDialog() {
    CFixedCellDialog::OnInitDialog();
    setFixedSize(size());
    m_pPlatformText->setText(platform::FromCp1252(m_strPlatform));
    m_pYearText->setText(platform::FromCp1252(m_strYear));
    m_pVersionText->setText(platform::FromCp1252(m_strVersion));
    // Stays over the main window, which start-up builds behind it.
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    if (m_bPlaySound && !m_strSoundPath.empty()) {
        platform::PlaySound(m_strSoundPath);
    }
    return true;
}
