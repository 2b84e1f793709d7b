// SPDX-License-Identifier: MIT
// The picture view: scrolling, painting, printing, copy and paste.
#include "board/DibView.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QMimeData>
#include <QPaintEvent>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <vector>

#include "board/BoardPainter.h"
#include "board/DibTransfer.h"
#include "images/DibPaint.h"
#include "platform/PrintService.h"
#include "platform/Services.h"
#include "resources/ResourceIds.h"

namespace {

// Any image another program put on the clipboard, as a 24-bit picture block.
DibHandle DibFromImage(const QImage& image) {
    if (image.isNull()) {
        return DibHandle();
    }
    // Transparent parts show as if pasted onto white paper.
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    {
        QPainter painter(&flat);
        painter.drawImage(0, 0, image);
    }
    std::vector<uint32_t> pixels(static_cast<size_t>(flat.width()) * flat.height());
    for (int y = 0; y < flat.height(); ++y) {
        const auto* row = reinterpret_cast<const uint32_t*>(flat.constScanLine(y));
        std::copy(row, row + flat.width(),
                  pixels.begin() + static_cast<ptrdiff_t>(y) * flat.width());
    }
    return board::MakeRgbDib(flat.width(), flat.height(), pixels);
}

// The clipboard's picture: our own .bmp bytes first (they give back the very block that was
// copied), else any image a program offers.
DibHandle DibFromClipboard(const QMimeData& mime) {
    DibHandle dib;
    const QString type = QString::fromLatin1(board::kDibMimeType);
    if (mime.hasFormat(type)) {
        QByteArray bytes = mime.data(type);
        dib = board::DibFromTransferBytes(
            std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(bytes.constData()),
                                     static_cast<size_t>(bytes.size())));
    }
    if ((!dib || DibImage(dib).isNull()) && mime.hasImage()) {
        DibHandle fromImage = DibFromImage(qvariant_cast<QImage>(mime.imageData()));
        if (fromImage) {
            dib = std::move(fromImage);
        }
    }
    return dib;
}

}  // namespace

CDibView::CDibView(QWidget* parent) : QAbstractScrollArea(parent) {
    setObjectName(QStringLiteral("dibView"));
    // The picture covers what it paints; nothing is erased before a paint.
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    viewport()->setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::StrongFocus);

    m_pCopy = new QAction(tr("Copy"), this);
    m_pCopy->setProperty("commandId", ids::ID_EDIT_COPY);
    m_pCopy->setStatusTip(tr("Copy the selection and put it on the Clipboard"));
    connect(m_pCopy, &QAction::triggered, this, &CDibView::OnEditCopy);
    addAction(m_pCopy);
    m_pPaste = new QAction(tr("Paste"), this);
    m_pPaste->setProperty("commandId", ids::ID_EDIT_PASTE);
    m_pPaste->setStatusTip(tr("Insert Clipboard contents"));
    connect(m_pPaste, &QAction::triggered, this, &CDibView::OnEditPaste);
    addAction(m_pPaste);
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
        connect(clipboard, &QClipboard::dataChanged, this, &CDibView::UpdateCommandUI);
    }
    UpdateCommandUI();
}

CDibView::~CDibView() {
    if (m_pDocument) {
        m_pDocument->RemoveView(this);
    }
}

void CDibView::SetDocument(CDibDoc* doc) {
    if (m_pDocument) {
        m_pDocument->RemoveView(this);
    }
    m_pDocument = doc;
    if (m_pDocument) {
        m_pDocument->AddView(this);
    }
    UpdateCommandUI();
    OnDocumentChanged();
}

void CDibView::SetZoom(int percent, int step) {
    step = std::max(1, step);
    percent = std::clamp(percent / step * step, kMinZoom, kMaxZoom);
    if (percent == m_nZoom) {
        return;
    }
    m_nZoom = percent;
    SetScrollSizes(ZoomedDocSize());
    InvalidateView();
}

CSize CDibView::ZoomedDocSize() const {
    if (!m_pDocument) {
        return CSize{0, 0};
    }
    const CSize& size = m_pDocument->m_sizeDoc;
    auto scaled = [this](int length) {
        return static_cast<int>(std::min<long long>(
            board::kCoordinateLimit, static_cast<long long>(std::max(0, length)) * m_nZoom / 100));
    };
    return CSize{scaled(size.cx), scaled(size.cy)};
}

void CDibView::OnInitialUpdate() {
    SetScrollSizes(ZoomedDocSize());
    UpdateCommandUI();
    InvalidateView();
}

void CDibView::OnUpdate(IDocumentView*, long) {
    UpdateCommandUI();
    InvalidateView();
}

void CDibView::InvalidateView() {
    viewport()->update();
}

void CDibView::OnDraw(QPainter& dc) {
    if (!m_pDocument || !m_pDocument->m_hDIB) {
        return;
    }
    if (board::PaintDocPicture(dc, *m_pDocument) == 0 && !m_bPrinting) {
        // A picture that cannot be decoded leaves white paper, not whatever was on screen.
        const CSize& size = m_pDocument->m_sizeDoc;
        dc.fillRect(QRect(0, 0, size.cx, size.cy), Qt::white);
    }
}

void CDibView::SetScrollSizes(const CSize& total) {
    m_sizeTotal = CSize{std::max(0, total.cx), std::max(0, total.cy)};
    UpdateScrollBars();
}

void CDibView::UpdateScrollBars() {
    QSize page = viewport()->size();
    // A picture that fits the whole window needs no scroll bars, even while they still show
    // from a larger picture (or zoom) before.
    const QSize whole = maximumViewportSize();
    if (m_sizeTotal.cx <= whole.width() && m_sizeTotal.cy <= whole.height()) {
        page = whole;
    }
    QScrollBar* h = horizontalScrollBar();
    QScrollBar* v = verticalScrollBar();
    h->setRange(0, std::max(0, m_sizeTotal.cx - page.width()));
    v->setRange(0, std::max(0, m_sizeTotal.cy - page.height()));
    h->setPageStep(std::max(1, page.width()));
    v->setPageStep(std::max(1, page.height()));
    // A line is a hundredth of the picture, as the framework's default steps made it.
    h->setSingleStep(std::max(1, m_sizeTotal.cx / 100));
    v->setSingleStep(std::max(1, m_sizeTotal.cy / 100));
}

QPoint CDibView::GetScrollPosition() const {
    // A picture smaller than the window stands in its middle, where the game window asks so.
    const QSize page = m_bCentred ? viewport()->size() : QSize(0, 0);
    return QPoint(horizontalScrollBar()->value() - std::max(0, (page.width() - m_sizeTotal.cx) / 2),
                  verticalScrollBar()->value() - std::max(0, (page.height() - m_sizeTotal.cy) / 2));
}

void CDibView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
}

void CDibView::scrollContentsBy(int, int) {
    InvalidateView();
}

void CDibView::paintEvent(QPaintEvent* event) {
    QPainter painter(viewport());
    const QPoint scroll = GetScrollPosition();
    const CSize& total = m_sizeTotal;
    // Beyond the picture lies the window's background.
    QRegion outside =
        QRegion(event->rect()) - QRegion(QRect(-scroll.x(), -scroll.y(), total.cx, total.cy));
    for (const QRect& r : outside) {
        painter.fillRect(r, palette().color(QPalette::Window));
    }
    painter.translate(-scroll);
    if (m_nZoom != kMinZoom) {
        // Everything is drawn at the zoomed size: the texts as texts, not as blown-up pixels.
        painter.scale(m_nZoom / 100.0, m_nZoom / 100.0);
    }
    // What the paint covers, in picture coordinates: whole picture pixels around it.
    QRect covered = event->rect().translated(scroll);
    auto down = [this](int v) { return static_cast<int>(std::floor(v * 100.0 / m_nZoom)); };
    auto up = [this](int v) { return static_cast<int>(std::ceil(v * 100.0 / m_nZoom)); };
    m_visible =
        board::Rect{down(covered.left()), down(covered.top()), up(covered.left() + covered.width()),
                    up(covered.top() + covered.height())};
    OnDraw(painter);
    m_visible = board::kWholeBoard;
    PaintOverlay(painter);
}

bool CDibView::OnFilePrint() {
    if (!m_pDocument || !m_pDocument->m_hDIB) {
        return false;
    }
    std::unique_ptr<QPrinter> printer = platform::PrintService().RunPrintDialog(this);
    if (!printer) {
        return false;
    }
    return PrintTo(*printer);
}

bool CDibView::PrintTo(QPrinter& printer) {
    if (!m_pDocument || !m_pDocument->m_hDIB) {
        return false;
    }
    const CSize& size = m_pDocument->m_sizeDoc;
    board::Rect page = board::PrintDestination(printer.width(), printer.logicalDpiX(),
                                               printer.logicalDpiY(), size.cx, size.cy);
    if (page.IsEmpty()) {
        return false;
    }
    printer.setDocName(QString::fromStdString(m_pDocument->GetTitle()));
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    // The whole board is drawn in picture coordinates, scaled onto the page, so what is
    // drawn over the picture lands on the cells it belongs to.
    painter.scale(static_cast<double>(page.Width()) / size.cx,
                  static_cast<double>(page.Height()) / size.cy);
    painter.setClipRect(QRect(0, 0, size.cx, size.cy));
    m_bPrinting = true;
    OnDraw(painter);
    m_bPrinting = false;
    return painter.end();
}

bool CDibView::CanCopy() const {
    return m_pDocument && m_pDocument->m_hDIB;
}

bool CDibView::CanPaste() const {
    const QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* mime = clipboard ? clipboard->mimeData() : nullptr;
    return m_pDocument && mime &&
           (mime->hasFormat(QString::fromLatin1(board::kDibMimeType)) || mime->hasImage());
}

void CDibView::UpdateCommandUI() {
    m_pCopy->setEnabled(CanCopy());
    m_pPaste->setEnabled(CanPaste());
}

void CDibView::OnEditCopy() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard || !CanCopy()) {
        return;
    }
    platform::WaitCursor wait;
    DibHandle copy = DuplicateDibBlock(m_pDocument->m_hDIB);
    std::vector<uint8_t> bmp = board::BmpFileBytes(copy);
    if (bmp.empty()) {
        return;
    }
    auto* mime = new QMimeData;
    mime->setData(
        QString::fromLatin1(board::kDibMimeType),
        QByteArray(reinterpret_cast<const char*>(bmp.data()), static_cast<qsizetype>(bmp.size())));
    QImage image = DibImage(copy);
    if (!image.isNull()) {
        mime->setImageData(image.copy());
    }
    clipboard->setMimeData(mime);
}

void CDibView::OnEditPaste() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* mime = clipboard ? clipboard->mimeData() : nullptr;
    if (!m_pDocument || !mime) {
        return;
    }
    platform::WaitCursor wait;
    DibHandle dib = DibFromClipboard(*mime);
    if (!dib) {
        return;
    }
    m_pDocument->ReplaceHDIB(std::move(dib));
    m_pDocument->InitDIBData();
    m_pDocument->SetModifiedFlag();
    SetScrollSizes(ZoomedDocSize());
    m_pDocument->UpdateAllViews(nullptr);
}
