// SPDX-License-Identifier: MIT
// The about box: the game's picture, three lines of program information and a greeting sound.
#pragma once

#include <string>

#include "images/FixedCellDialog.h"

class CDibStatic;
class QLabel;

class CAboutDlg : public CFixedCellDialog {  // template 100 "About..."
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    ~CAboutDlg() override;

    // Loads the picture and the texts before the box runs. Paths are game paths (program
    // folder + relative name); an empty path is a caller's mistake and is reported.
    void Setup(const std::string& imagePath, const std::string& dataPath, bool playSound);

    std::string m_strVersion = "1.0";
    std::string m_strYear = "1998";
    std::string m_strPlatform = "Microsoft Windows";
    int m_bPlaySound = 0;
    std::string m_strSoundPath;  // played when the box opens, if play sound is set

protected:
    bool OnInitDialog() override;

private:
    CDibStatic* m_pPicture = nullptr;
    QLabel* m_pPlatformText = nullptr;
    QLabel* m_pYearText = nullptr;
    QLabel* m_pVersionText = nullptr;
};
