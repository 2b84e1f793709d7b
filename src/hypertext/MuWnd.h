// SPDX-License-Identifier: MIT
// The hypertext window: an MDI child showing one page, drawn once into a page picture and
// scrolled by visual lines, with links, embedded buttons, reveal blocks and printing.
#pragma once

#include <QImage>
#include <QMdiSubWindow>
#include <memory>
#include <string>
#include <vector>

#include "hypertext/HtfDocument.h"

class CHtfDrawer;
class CHtfQtFonts;
class CMuWnd;
class QMdiArea;
class QPushButton;
class QScrollBar;

// What the game does with a page's links and buttons; the controller sets it.
class IHtfWindowHandler {
public:
    virtual ~IHtfWindowHandler() = default;
    // A link was clicked; the window has announced the jump already.
    virtual void OnHtfLink(CMuWnd& window, const HtfLink& link) = 0;
    // An embedded button was pressed.
    virtual void OnHtfButton(CMuWnd& window, const HtfButton& button) = 0;
};

class CMuWnd : public QMdiSubWindow {
    Q_OBJECT

public:
    Q_INVOKABLE explicit CMuWnd(QWidget* parent = nullptr);
    ~CMuWnd() override;

    // Makes a page window of the named class ("CMuWnd" or "CTxtMuWnd"); null for other names.
    static CMuWnd* CreateByName(const std::string& className);

    // Puts the window, hidden, into the MDI area at the rectangle (outer, in the area's
    // client coordinates), as the main frame does once at start-up.
    bool Create(QMdiArea* area, const QRect& rect = QRect(QPoint(0, 1), QPoint(319, 398)));

    virtual void OnLinkClicked(const HtfLink& link);
    virtual void OnRevealClicked(HtfRevealTable& block);
    // Whether the player is told of a page that cannot be read.
    enum class LoadErrors { Silent, Reported };
    // Reads and shows a page from topLine, its reveal blocks opened as answerMode says
    // (kHtfAnswerModeNormal in every load of the game). True when the whole file was read and
    // drawn. A file that cannot be read leaves the page shown before.
    virtual bool LoadFile(const std::string& fileName, int topLine, LoadErrors errors,
                          int answerMode);
    virtual void OnCloseRequest();

    // Scroll-bar requests (SB_LINEUP ...), clicks in the client area and the print command.
    void OnVScroll(int request, int thumbPosition);
    void OnLButtonDown(const QPoint& client);
    void OnFilePrint();

    void SetHandler(IHtfWindowHandler* handler) { m_pHandler = handler; }

    const CHtfDocument& Document() const { return m_doc; }
    const std::string& FileName() const { return m_strFileName; }
    int TopLine() const { return m_nTopLine; }
    int DocHeight() const { return m_nDocHeight; }
    QWidget* ClientArea() const { return m_pClient; }
    QScrollBar* ScrollBar() const { return m_pScrollBar; }
    QPushButton* Button(int controlId) const;
    // The page picture and the page row at its top (0 unless the page is drawn in bands).
    const QImage* PagePicture() const { return m_pPage.get(); }
    int PagePictureTop() const { return m_nPageTop; }
    // The page row shown at the top of the client area.
    int BandTop() const;

    // Set by the owner: the window's top edge is kept at or below this row of the MDI area.
    int m_nMinTop = 0;
    // Set by the owner before it destroys the window; until then closing only minimises.
    int m_bCloseAllowed = 0;
    // Hidden rows of question blocks are drawn in red while this is set.
    int m_bColorMarking = 1;

protected:
    // Makes a page picture; null when no object can be made, a null image when there is no
    // memory for it. Tests stand in failures here.
    virtual std::unique_ptr<QImage> NewPagePicture(int width, int height);

    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;

private:
    friend class CMuWndClient;
    enum class Made { Ok, NoDisplay, NoObject, NoMemory };

    void OnSetFocus();
    void PaintClient(QPainter& painter, const QRect& area);
    Made CreatePagePicture(int height);
    bool MakePagePicture();
    bool DrawPage(bool layout);
    void RefreshPage();
    void RebuildAfterPrint();
    void PlaceButtons(bool show);
    void HideButtons();
    void ClearButtons();
    void ReportPaintFailure();
    void UpdateScrollBar();

    QWidget* m_pClient = nullptr;
    QScrollBar* m_pScrollBar = nullptr;
    IHtfWindowHandler* m_pHandler = nullptr;

    std::string m_strFileName;
    CHtfDocument m_doc;
    unsigned m_nGeneration = 0;  // counts loads, so a click stops if its page was replaced
    std::unique_ptr<CHtfQtFonts> m_pFonts;
    std::unique_ptr<CHtfDrawer> m_pDrawer;
    std::unique_ptr<QImage> m_pPage;
    int m_nPageTop = 0;
    bool m_bPaintFailureShown = false;
    std::vector<QPushButton*> m_buttons;

    int m_nTopLine = 0;
    int m_nDocHeight = 0;
    bool m_bTracking = false;
    bool m_bCloseAccepted = false;
};
