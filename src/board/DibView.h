// SPDX-License-Identifier: MIT
// The picture view: a scrolling view of its document's picture at its natural size, with
// printing scaled to the page width and copy and paste through the clipboard.
#pragma once

#include <QAbstractScrollArea>
#include <QPoint>

#include "board/BoardGeometry.h"
#include "puzzle/DibDoc.h"

class QAction;
class QPainter;
class QPrinter;

class CDibView : public QAbstractScrollArea, public IDocumentView {
    Q_OBJECT

public:
    explicit CDibView(QWidget* parent = nullptr);
    ~CDibView() override;

    // Shows the document (not owned), registering the view with it; the view leaves it when
    // it goes. The document must outlive the view or be detached first (null detaches).
    void SetDocument(CDibDoc* doc);
    CDibDoc* GetDocument() const { return m_pDocument; }

    // Lays the view out for the document as it is now (scroll sizes from its picture size) and
    // repaints it. The game calls it after changing the view's or the document's state.
    virtual void OnInitialUpdate();
    // Paints in picture coordinates (origin at the picture's top-left). The picture alone
    // here; the board views draw their marks over it.
    virtual void OnDraw(QPainter& dc);
    // The document changed: repaint, without erasing.
    void OnUpdate(IDocumentView* sender, long hint) override;

    // The scroll range in picture pixels, and where the view is scrolled to.
    void SetScrollSizes(const CSize& total);
    CSize GetTotalSize() const { return m_sizeTotal; }
    // A picture smaller than the window stands in its middle, not at its top left.
    void SetCentred(bool centred) { m_bCentred = centred; }
    // Where the window shows the picture from; negative while a smaller picture is centred.
    QPoint GetScrollPosition() const;

    // Print (through the print dialog): the picture fills the page width, its shape kept at
    // the printer's resolution. False when the dialog is cancelled or nothing can be printed.
    bool OnFilePrint();
    // Prints onto a ready printer.
    bool PrintTo(QPrinter& printer);
    // True while OnDraw paints for the printer.
    bool IsPrinting() const { return m_bPrinting; }

    // Copy (57634): the picture onto the clipboard, as .bmp bytes and as an image other
    // programs take. Paste (57637): the clipboard's picture becomes the document's. Each does
    // nothing, silently, when it cannot.
    void OnEditCopy();
    void OnEditPaste();
    bool CanCopy() const;
    bool CanPaste() const;

    // The part of the picture coordinates this paint covers (all of it outside a paint).
    board::Rect VisibleRect() const { return m_visible; }

    // The board on screen at 100% to 400% of its natural size, in whole steps: picture,
    // marks and hit testing scale together. Printing and the clipboard keep the natural size.
    static constexpr int kMinZoom = 100;
    static constexpr int kMaxZoom = 400;
    static constexpr int kZoomStep = 100;
    // step: the zoom's whole steps; half steps make whole device pixels on a screen of twice
    // the pixels.
    void SetZoom(int percent, int step = kZoomStep);
    int Zoom() const { return m_nZoom; }
    // The picture's size on screen at the present zoom.
    CSize ZoomedDocSize() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void UpdateCommandUI();
    // Repaints the whole view without erasing what is on screen.
    void InvalidateView();
    // Drawn over the board on screen only (never printed nor copied), in picture coordinates.
    virtual void PaintOverlay(QPainter&) {}
    // Another document came, or none.
    virtual void OnDocumentChanged() {}

private:
    void UpdateScrollBars();

    CDibDoc* m_pDocument = nullptr;
    CSize m_sizeTotal{0, 0};
    bool m_bPrinting = false;
    board::Rect m_visible = board::kWholeBoard;
    int m_nZoom = kMinZoom;
    bool m_bCentred = false;
    QAction* m_pCopy = nullptr;
    QAction* m_pPaste = nullptr;
};
