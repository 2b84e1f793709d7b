// SPDX-License-Identifier: MIT
// The main window of the game: a multiple-document frame with its menu and status bar.
#pragma once

#include <QMainWindow>
#include <string>

class QLabel;
class QMdiArea;

class CMainFrame : public QMainWindow {
    Q_OBJECT

public:
    CMainFrame();
    ~CMainFrame() override;

    // Builds the menu, the MDI client area and the status bar. False when any part fails.
    bool Create();

    // Shows the game's title alone as the window caption.
    virtual void SetGameTitle(const std::string& title);

    QMdiArea* MdiClient() const { return m_pMdiClient; }
    // The status bar pane 0 to 3.
    QLabel* StatusPane(int index) const;

    int m_bRewardAvailable = 0;
    std::string m_strGameStem;
    std::string m_strGameTitle;
    int m_bUseErrorDetection = 1;
    int m_bShowQuickInstructions = 1;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateMenus();
    bool CreateStatusBar();

    QMdiArea* m_pMdiClient = nullptr;
    QLabel* m_panes[4] = {};
};
