// SPDX-License-Identifier: MIT
// The game's help viewer: a window of its own showing the help pages "data\help\qzx_NN.htf"
// (the contents are page 00, topic N is page NN).
#pragma once

#include <QWidget>
#include <string>

#include "platform/Services.h"

class CMuWnd;
class QLabel;
class QMdiArea;

class CHelpViewer : public QWidget {
    Q_OBJECT

public:
    explicit CHelpViewer(QWidget* parent = nullptr);
    ~CHelpViewer() override;

    // The page's file name in the help folder for a help request on a help file such as
    // "qzx.hlp": "qzx_00.htf" for the contents, "qzx_13.htf" for topic 13; empty when the
    // request names no page.
    static std::string PageFor(const std::string& helpFile, platform::HelpCommand command,
                               int context);

    // Shows the page of the request beside the game's main window and raises it. A missing page is
    // said in the window. Matches platform::QtServices::HelpViewer.
    void ShowHelp(const std::string& helpFile, platform::HelpCommand command, int context);

    // Shows a page of the help folder by its file name, as a link in a help page names it.
    void ShowPage(const std::string& pageName);

    // The page file shown last (relative to the program folder), and whether it was shown.
    const std::string& PageFile() const { return m_strPageFile; }
    bool PageShown() const { return m_bPageShown; }
    CMuWnd* PageWindow() const { return m_pPage; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitPage();
    // Beside the game's main window, until the player moves the viewer.
    void PlaceBesideMainWindow();
    void ShowMissing(const QString& text);

    QMdiArea* m_pArea = nullptr;
    CMuWnd* m_pPage = nullptr;
    QLabel* m_pMissing = nullptr;
    std::string m_strPageFile;
    bool m_bPageShown = false;
    QPoint m_ptPlaced{-1, -1};
    bool m_bMoved = false;
};
