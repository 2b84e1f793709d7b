// SPDX-License-Identifier: MIT
// The hypertext window: an MDI child showing one page, drawn once into a page picture and
// scrolled by visual lines, with links, embedded buttons and reveal blocks.
#include "hypertext/MuWnd.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMdiArea>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>
#include <new>

#include "hypertext/HtfDraw.h"
#include "hypertext/HtfPage.h"
#include "hypertext/HtfQtFonts.h"
#include "hypertext/HtfRules.h"
#include "hypertext/TxtMuWnd.h"
#include "images/GameIcon.h"
#include "platform/Cp1252.h"
#include "platform/Services.h"
#include "resources/ResourceIds.h"

using platform::MB_ICONEXCLAMATION;
using platform::MB_OK;

// The client area: paints the visible band of the page and passes clicks on.
class CMuWndClient : public QWidget {
public:
    explicit CMuWndClient(CMuWnd* owner) : QWidget(owner), m_pOwner(owner) {
        setObjectName("htfClient");
        setAttribute(Qt::WA_OpaquePaintEvent);
        setCursor(Qt::ArrowCursor);
        setFocusPolicy(Qt::StrongFocus);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        m_pOwner->PaintClient(painter, event->rect());
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton) {
            m_pOwner->OnLButtonDown(event->position().toPoint());
        }
        QWidget::mousePressEvent(event);
    }
    void wheelEvent(QWheelEvent* event) override {
        // A notch of the wheel is three lines.
        const int notches = event->angleDelta().y() / 120;
        for (int i = 0; i < 3 * std::abs(notches); ++i) {
            m_pOwner->OnVScroll(notches > 0 ? SB_LINEUP : SB_LINEDOWN, 0);
        }
        event->accept();
    }

private:
    CMuWnd* m_pOwner;
};

CMuWnd::CMuWnd(QWidget* parent) : QMdiSubWindow(parent) {
    setObjectName("htfWindow");
    // Caption, system menu and sizing border; no minimise or maximise box.
    setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setMaximumSize(360, 600);
    setMinimumWidth(0);
    setWindowIcon(GameIcon(132));

    auto* frame = new QWidget(this);
    auto* layout = new QHBoxLayout(frame);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_pClient = new CMuWndClient(this);
    m_pClient->setParent(frame);
    m_pScrollBar = new QScrollBar(Qt::Vertical, frame);
    m_pScrollBar->setObjectName("htfScrollBar");
    m_pScrollBar->setRange(0, 0);
    m_pScrollBar->setPageStep(kHtfPageLines);
    m_pScrollBar->hide();
    layout->addWidget(m_pClient, 1);
    layout->addWidget(m_pScrollBar);
    setWidget(frame);

    connect(m_pScrollBar, &QScrollBar::actionTriggered, this, [this](int action) {
        switch (action) {
            case QAbstractSlider::SliderSingleStepSub:
                OnVScroll(SB_LINEUP, 0);
                break;
            case QAbstractSlider::SliderSingleStepAdd:
                OnVScroll(SB_LINEDOWN, 0);
                break;
            case QAbstractSlider::SliderPageStepSub:
                OnVScroll(SB_PAGEUP, 0);
                break;
            case QAbstractSlider::SliderPageStepAdd:
                OnVScroll(SB_PAGEDOWN, 0);
                break;
            case QAbstractSlider::SliderToMinimum:
                OnVScroll(SB_TOP, 0);
                break;
            case QAbstractSlider::SliderToMaximum:
                OnVScroll(SB_BOTTOM, 0);
                break;
            case QAbstractSlider::SliderMove:
                OnVScroll(m_pScrollBar->isSliderDown() ? SB_THUMBTRACK : SB_THUMBPOSITION,
                          m_pScrollBar->sliderPosition());
                break;
            default:
                break;
        }
        // Our top line wins over the scroll bar's own idea of the step.
        m_pScrollBar->setSliderPosition(m_nTopLine);
    });
    connect(m_pScrollBar, &QScrollBar::sliderReleased, this, [this] {
        OnVScroll(SB_THUMBPOSITION, m_pScrollBar->sliderPosition());
        OnVScroll(SB_ENDSCROLL, 0);
    });
    connect(this, &QMdiSubWindow::windowStateChanged, this,
            [this](Qt::WindowStates before, Qt::WindowStates now) {
                if ((now & Qt::WindowActive) && !(before & Qt::WindowActive)) {
                    OnSetFocus();
                }
            });

    auto* print = new QAction(tr("&Print..."), this);
    print->setProperty("commandId", ids::ID_FILE_PRINT);
    print->setShortcut(QKeySequence::Print);
    print->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(print, &QAction::triggered, this, &CMuWnd::OnFilePrint);
    addAction(print);
}

CMuWnd::~CMuWnd() = default;

CMuWnd* CMuWnd::CreateByName(const std::string& className) {
    for (const QMetaObject* type : {&CMuWnd::staticMetaObject, &CTxtMuWnd::staticMetaObject}) {
        if (className == type->className()) {
            return qobject_cast<CMuWnd*>(type->newInstance());
        }
    }
    return nullptr;
}

bool CMuWnd::Create(QMdiArea* area, const QRect& rect) {
    if (area == nullptr) {
        return false;
    }
    area->addSubWindow(this);
    setGeometry(rect);
    move(0, 1);
    resize(320, 398);
    hide();
    return true;
}

QPushButton* CMuWnd::Button(int controlId) const {
    for (size_t i = 0; i < m_buttons.size() && i < m_doc.m_buttons.size(); ++i) {
        if (m_doc.m_buttons[i].m_nId == controlId) {
            return m_buttons[i];
        }
    }
    return nullptr;
}

int CMuWnd::BandTop() const {
    return HtfBandTop(m_doc, m_nTopLine);
}

std::unique_ptr<QImage> CMuWnd::NewPagePicture(int width, int height) {
    std::unique_ptr<QImage> picture(new (std::nothrow) QImage(width, height, QImage::Format_RGB32));
    return picture;
}

CMuWnd::Made CMuWnd::CreatePagePicture(int height) {
    m_pPage.reset();
    m_nPageTop = 0;
    m_bPaintFailureShown = false;
    if (QGuiApplication::primaryScreen() == nullptr) {
        platform::MessageBox("Unable to get display DC!", "Error");
        return Made::NoDisplay;
    }
    m_pPage = NewPagePicture(kHtfPageWidth, height);
    if (!m_pPage) {
        platform::MessageBox("Unable to new bitmap!", "Error");
        return Made::NoObject;
    }
    return m_pPage->isNull() ? Made::NoMemory : Made::Ok;
}

bool CMuWnd::MakePagePicture() {
    switch (CreatePagePicture(HtfPictureHeight(m_nDocHeight))) {
        case Made::Ok:
            return true;
        case Made::NoMemory:
            platform::MessageBox("Unable to create bitmap.\nOut Of Memory!", "Error",
                                 MB_ICONEXCLAMATION);
            return false;
        default:  // already reported
            return false;
    }
}

bool CMuWnd::DrawPage(bool layout) {
    if (!m_pPage || !m_pDrawer) {
        return false;
    }
    QPainter painter;
    if (!painter.begin(m_pPage.get())) {
        return false;
    }
    m_pDrawer->m_bColorMarking = m_bColorMarking != 0;
    DrawHtfPicture(painter, *m_pDrawer, *m_pFonts, m_nDocHeight, m_nPageTop, m_pPage->height(),
                   layout);
    return true;
}

bool CMuWnd::LoadFile(const std::string& fileName, int topLine, LoadErrors errors, int answerMode) {
    platform::WaitCursor wait;
    if (!m_pFonts) {
        m_pFonts = std::make_unique<CHtfQtFonts>();
    }
    CHtfDocument read;
    if (!ReadHtfFile(fileName, MeasureHtfFonts(*m_pFonts), answerMode, read)) {
        if (errors == LoadErrors::Reported) {
            platform::MessageBox("Unable to load " + fileName, "File Error", MB_ICONEXCLAMATION);
        }
        return false;
    }

    m_strFileName = fileName;
    ClearButtons();
    m_pPage.reset();
    m_doc = std::move(read);
    ++m_nGeneration;
    m_pDrawer = std::make_unique<CHtfDrawer>(m_doc, *m_pFonts);
    m_nDocHeight = m_doc.m_nDocHeight;
    m_nTopLine = std::clamp(topLine, 0, std::max(0, m_doc.LineCount() - 1));
    setWindowTitle(platform::FromCp1252(m_doc.m_strTitle));
    // Screen readers get the page's title and its words; hidden rows stay hidden.
    std::string words;
    for (const HtfItem& item : m_doc.m_items) {
        if (item.m_nCode == htf::kButton || htf::IsRevealBlock(item.m_nCode) ||
            item.m_strText.empty()) {
            continue;
        }
        words += words.empty() || item.m_strText.front() == ' ' ? "" : " ";
        words += item.m_strText;
    }
    m_pClient->setAccessibleName(platform::FromCp1252(m_doc.m_strTitle));
    m_pClient->setAccessibleDescription(platform::FromCp1252(words));

    for (const HtfButton& button : m_doc.m_buttons) {
        auto* widget = new QPushButton(m_pClient);
        widget->setObjectName(QStringLiteral("htfButton%1").arg(button.m_nId));
        widget->setProperty("controlId", button.m_nId);
        widget->setGeometry(5, 1, 30, 14);
        widget->hide();
        const int id = button.m_nId;
        connect(widget, &QPushButton::clicked, this, [this, id] {
            for (const HtfButton& b : m_doc.m_buttons) {
                if (b.m_nId == id && m_pHandler != nullptr) {
                    HtfButton pressed = b;
                    m_pHandler->OnHtfButton(*this, pressed);
                    return;
                }
            }
        });
        m_buttons.push_back(widget);
    }
    UpdateScrollBar();
    m_pScrollBar->show();

    bool drawn = false;
    if (MakePagePicture()) {
        drawn = DrawPage(true);
        if (!drawn) {
            platform::MessageBox("Unable to select bitmap! 1", "Error", MB_ICONEXCLAMATION);
        }
    }
    HideButtons();
    m_pClient->update();
    PlaceButtons(true);
    return drawn;
}

void CMuWnd::UpdateScrollBar() {
    m_pScrollBar->setRange(0, std::max(0, m_doc.LineCount() - 1));
    m_pScrollBar->setValue(m_nTopLine);
}

void CMuWnd::ClearButtons() {
    for (QPushButton* button : m_buttons) {
        button->hide();
        button->deleteLater();
    }
    m_buttons.clear();
}

void CMuWnd::HideButtons() {
    for (QPushButton* button : m_buttons) {
        button->hide();
    }
}

void CMuWnd::PlaceButtons(bool show) {
    HideButtons();
    if (!show) {
        return;
    }
    for (auto [index, y] : HtfPlaceButtons(m_doc, m_nTopLine, m_pClient->height())) {
        if (index < m_buttons.size()) {
            m_buttons[index]->move(htf::kMargin, y);
            m_buttons[index]->show();
        }
    }
    m_pClient->update();
}

void CMuWnd::PaintClient(QPainter& painter, const QRect& area) {
    painter.fillRect(area, Qt::white);
    if (!m_pPage) {
        return;
    }
    if (m_pPage->isNull()) {
        ReportPaintFailure();
        return;
    }
    const int top = BandTop();
    const int height = m_pClient->height();
    const int pictureHeight = m_pPage->height();
    if (HtfPictureHeight(m_nDocHeight) < m_nDocHeight + 5 &&
        (top < m_nPageTop || top + height > m_nPageTop + pictureHeight)) {
        // A page taller than one picture: draw the band around the rows now wanted.
        m_nPageTop = std::max(0, top - pictureHeight / 4);
        if (!DrawPage(false)) {
            ReportPaintFailure();
            return;
        }
    }
    painter.drawImage(QPoint(0, 0), *m_pPage, QRect(0, top - m_nPageTop, kHtfPageWidth, height));
}

void CMuWnd::ReportPaintFailure() {
    // Once per page picture, and after the paint: a message box inside a paint would be
    // painted over and asked again without end.
    if (m_bPaintFailureShown) {
        return;
    }
    m_bPaintFailureShown = true;
    QTimer::singleShot(0, this, [] {
        platform::MessageBox("Unable to select bitmap! 3", "Error", MB_ICONEXCLAMATION);
    });
}

void CMuWnd::OnVScroll(int request, int thumbPosition) {
    m_nTopLine = HtfScrollTopLine(request, m_nTopLine, m_doc.LineCount(), thumbPosition);
    m_bTracking = request == SB_THUMBTRACK;
    HideButtons();
    m_pScrollBar->setValue(m_nTopLine);
    m_pClient->update();
    if (!m_bTracking) {
        PlaceButtons(true);
    }
}

void CMuWnd::OnLButtonDown(const QPoint& client) {
    const int x = client.x();
    const int y = client.y() + BandTop();
    const unsigned generation = m_nGeneration;
    const int link = HtfFindLink(m_doc, x, y);
    if (link >= 0) {
        // A copy: what the link does may replace the page.
        const HtfLink clicked = m_doc.m_links[static_cast<size_t>(link)];
        OnLinkClicked(clicked);
        return;
    }
    size_t from = 0;
    for (;;) {
        const int hit = HtfFindRevealBlock(m_doc, x, y, from);
        if (hit < 0) {
            break;
        }
        const auto index = static_cast<size_t>(hit);
        OnRevealClicked(m_doc.m_blocks[index]);
        if (generation != m_nGeneration || index >= m_doc.m_blocks.size() ||
            !HtfRevealSearchGoesOn(m_doc.m_blocks[index])) {
            break;
        }
        from = index + 1;
    }
}

void CMuWnd::OnLinkClicked(const HtfLink& link) {
    platform::MessageBox("Jumping to " + link.m_strTarget, "Jump!", MB_OK);
    if (m_pHandler != nullptr) {
        m_pHandler->OnHtfLink(*this, link);
    }
}

void CMuWnd::OnRevealClicked(HtfRevealTable& block) {
    block.m_bRevealed = block.m_bRevealed ? 0 : 1;
    platform::MessageBox(block.m_strAnswer, "And the Answer is...", MB_OK);
    RefreshPage();
}

void CMuWnd::RefreshPage() {
    const int pageTop = m_nPageTop;
    if (!MakePagePicture()) {
        return;
    }
    // A page drawn in bands keeps showing the band it showed.
    m_nPageTop = pageTop;
    if (!DrawPage(true)) {
        return;
    }
    // Drawing stored the lines' new heights, which the buttons are placed by.
    PlaceButtons(true);
    m_pClient->update();
}

void CMuWnd::OnCloseRequest() {
    if (m_bCloseAllowed) {
        m_bCloseAccepted = true;
    } else {
        showMinimized();
    }
}

void CMuWnd::closeEvent(QCloseEvent* event) {
    m_bCloseAccepted = false;
    OnCloseRequest();
    if (m_bCloseAccepted) {
        QMdiSubWindow::closeEvent(event);
    } else {
        event->ignore();
    }
}

void CMuWnd::moveEvent(QMoveEvent* event) {
    if (!isMinimized() && y() < m_nMinTop) {
        move(x(), m_nMinTop);
    }
    QMdiSubWindow::moveEvent(event);
}

void CMuWnd::OnSetFocus() {
    if (QWidget* frame = window(); frame != nullptr && frame != this) {
        frame->setWindowTitle(QString());
    }
}
