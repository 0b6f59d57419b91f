#pragma once
// A view: the window that shows a document inside a frame. It draws in OnDraw
// through a device context, learns of changes in OnUpdate, of its activation in
// OnActivateView, and takes mouse and key input through the window's handlers.
// Commands go to the view first, then to its document.
//
// CScrollView adds a scrolled area of a given logical size in a mapping mode.
#include "platform/core/CRect.h"
#include "platform/ui/CWnd.h"

#include <functional>
#include <memory>

class CDC;
class CViewCache;
class CDocument;
class CFrameWnd;
class CPrintInfo;
class QAbstractScrollArea;
class QPrinter;

class CView : public CWnd {
    DECLARE_DYNAMIC(CView)
public:
    CView();
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }

    virtual void OnDraw(CDC* pDC) = 0;
    // Called once before the view is first shown; the base calls OnUpdate(null, 0, null).
    virtual void OnInitialUpdate();
    // The document changed; the base invalidates the whole view.
    virtual void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint);
    // The view became (or stopped being) the active view of its frame.
    virtual void OnActivateView(BOOL bActivate, CView* pActivateView, CView* pDeactiveView);
    virtual void OnActivateFrame(UINT nState, CFrameWnd* pFrameWnd);
    // Prepares the context before OnDraw (the scroll view sets its mapping and origin).
    // When printing, printing goes on past page 1 only with a known last page.
    virtual void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr);

    // --- Printing: ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW and ID_FILE_PRINT_SETUP -------
    void OnFilePrint();
    // Opens the print preview window; it draws its pages through the same page loop.
    void OnFilePrintPreview();
    void OnFilePrintSetup();
    // The base asks for the printer through DoPreparePrinting.
    virtual BOOL OnPreparePrinting(CPrintInfo* pInfo);
    // The print dialog, unless the job is a preview; false when cancelled.
    BOOL DoPreparePrinting(CPrintInfo* pInfo);
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    // The base draws the view (OnDraw).
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
    // The page loop into a printer, for printing and the preview alike; the
    // number of pages printed.
    int PrintPages(QPrinter* printer, CPrintInfo* pInfo);
    // The open preview window of this view, or null.
    QWidget* GetPrintPreview() const;

    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnDestroy() override;
    // Makes the context for the paint event and draws through OnPrepareDC and OnDraw.
    void OnPaint() override;
    // Views belong to their frame: they delete themselves when their window goes.
    void PostNcDestroy() override;

    QAbstractScrollArea* GetScrollArea() const;
    QWidget* GetInputWidget() const override;

    // --- Cached picture and overlay -----------------------------------------------
    // On screen the view keeps a picture of what OnDraw drew and draws it again
    // only when the view is invalidated (the document changed); scrolling moves
    // the picture. Printing and copying always call OnDraw directly.
    void Invalidate(BOOL bErase = TRUE) override;
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE) override;
    // Paints the view again from its picture, drawing only the overlay anew.
    void InvalidateOverlay();
    // Draws over the picture in every paint event (drag outlines, the rubber
    // band, highlights), prepared by OnPrepareDC; the base draws nothing.
    virtual void OnDrawOverlay(CDC* pDC);

    // --- Copy to the clipboard ---------------------------------------------------
    // Puts the view's drawing (OnPrepareDC and OnDraw, at the size of its
    // window) on the clipboard as an SVG picture and a PNG image; false when
    // the clipboard cannot take it.
    bool CopyToClipboard();
    // The same for any drawing of the given size in pixels at the given resolution.
    static bool CopyDrawingToClipboard(CSize pixels, int dpi, const std::function<void(CDC&)>& draw);

protected:
    // The printing commands, after the view's own map declined them.
    BOOL OnPrintCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) override;
    void OnWidgetAttached() override;
    // A click makes the view the active view of its frame and gives it the focus.
    bool FilterEvent(QObject* watched, QEvent* event) override;

    CDocument* m_pDocument = nullptr;
    friend class CDocument;

private:
    std::unique_ptr<CViewCache> m_pCache;
};

class CScrollView : public CView {
    DECLARE_DYNAMIC(CScrollView)
public:
    CScrollView();
    ~CScrollView() override;

    static const SIZE sizeDefault;

    // The scrolled area in logical units of the mapping mode; a page and a line
    // of sizeDefault take a tenth and a hundredth of the total.
    void SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage = sizeDefault,
                        const SIZE& sizeLine = sizeDefault);
    void GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage, SIZE& sizeLine) const;
    CSize GetTotalSize() const { return m_totalLog; }
    int GetMapMode() const { return m_nMapMode; }
    // The scroll position in logical units (y negative downwards in the y-up modes).
    CPoint GetScrollPosition() const;
    CPoint GetDeviceScrollPosition() const;
    void ScrollToPosition(POINT pt);
    // A scroll request: the low byte is the horizontal SB_ code, the high byte the
    // vertical one (0xFF for none).
    virtual BOOL OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll = TRUE);
    virtual BOOL OnScrollBy(CSize sizeScroll, BOOL bDoScroll = TRUE);

    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) override;
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) override;
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt) override;
    void OnSize(UINT nType, int cx, int cy) override;

    // Between logical and device sizes at the view's resolution.
    CSize LogicalToDevice(CSize size) const;
    CPoint DeviceToLogical(CPoint point) const;
    CPoint LogicalToDevice(CPoint point) const;

protected:
    void UpdateBars();

    int m_nMapMode = 0;
    CSize m_totalLog;
    CSize m_totalDev;
    CSize m_pageDev;
    CSize m_lineDev;
    CSize m_pageLog;
    CSize m_lineLog;
};
