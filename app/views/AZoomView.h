#pragma once
// The common base of the graphic views of a structure document. It maps the
// structure's world coordinates (metres, x across and z) into the scrolled
// window in MM_LOMETRIC logical units (0.1 mm, y up), zooms with a history,
// pans, draws the grid, runs the mouse-mode state machine (click, move, click)
// with the rubber band and the outlines of a move, picks and selects by window,
// shows tooltips and the prompt, follows the document's update hints, copies
// itself to the clipboard and prints the document's report.
//
// Derived views add their editing through the actions (OnClickAction ...
// CancelAction) and draw the document's content in Draw. What the view needs
// of its document it asks through AZoomViewDocument.
#include "app/views/ADragRect.h"
#include "app/views/AZoomHistoryList.h"
#include "common/omPoint.h"
#include "controls/AGrid.h"
#include "controls/ASimpleObject.h"
#include "controls/report/ADrawRect.h"
#include "platform/ui/CView.h"

#include <memory>

class AObject;
class AObjectPtrContainer;
class AZoomView;
class AZoomViewDocument;
class CCmdUI;
class QTimer;

// Sees the top-level window's messages for the view: when a menu closes there,
// the view empties the coordinate pane.
class AZoomViewHook : public CWndMessageHook {
public:
    explicit AZoomViewHook(AZoomView* view = nullptr) : m_pView(view) {}
    ~AZoomViewHook() override;
    void SetView(AZoomView* view) { m_pView = view; }
    LRESULT HookProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    AZoomView* m_pView;
};

class AZoomView : public CScrollView, public ADrawPictRect {
    DECLARE_DYNCREATE(AZoomView)
public:
    enum Mode {
        modeNone = 0,
        modePick = 1,
        modePopUp = 2,
        modeSelect = 3,
        modeZoom = 4,
        modeMove = 5,
        modePan = 6,
        modeOther = 7
    };
    // Tooltip timing and length.
    static constexpr int kTipDelayMs = 60;
    static constexpr int kTipShownMs = 32000;
    static constexpr int kTipMaxChars = 76;
    static constexpr COLORREF kBackgroundColor = 0xC0C0C0;

    AZoomView();
    ~AZoomView() override;

    // The document's side for the view; null when the document has none.
    virtual AZoomViewDocument* GetZoomDocument() const;

    // --- actions, overridden by the derived views (x, y logical units) --------------
    virtual bool OnClickAction(UINT flags, int x, int y);
    virtual bool OnButtonDownAction(UINT flags, int x, int y);
    virtual bool OnMouseMoveAction(UINT flags, int x, int y);
    virtual bool OnButtonUpAction(UINT flags, int x, int y);
    // Flags 0xFFFF with x = y = 0 stands for the cursor position.
    virtual void CancelAction(UINT flags, int x, int y);
    virtual UINT GetObjectMenuId(AObject* object);
    // The tooltip's text.
    virtual CString GetModeName();
    virtual void ShowPrompt();
    virtual CString GetPromptText();
    // What the next click does while an action waits for it; empty when no action asks for one.
    CString GetActionHint() const;
    virtual void SaveMouseMode();
    virtual void RestoreMouseMode();
    virtual void UpdateGrid();

    // --- mouse modes -----------------------------------------------------------------
    void SetMouseMode(int mode);
    int GetMouseMode() const { return m_nMode; }
    int GetDragFlag() const { return m_nDrag; }
    int GetCancelKind() const { return m_nCancel; }
    bool IsActionInProgress() const { return m_bAction; }
    bool IsModeSaved() const { return m_bSaved; }
    // Whether going from the current mode to mode enters a zoom or pan band.
    bool IsEnteringZoomMode(int mode) const;
    // The name of a mode; empty for an unknown one.
    static CString ModeName(int mode);

    // --- picking -----------------------------------------------------------------------
    AObject* HitTest(int x, int y, omPoint& world, bool gridOnly);
    void Pick(AObject* hit, bool keepSelection);
    AObject* GetObjectUnderCursor() const { return m_pObjectUnder; }

    // --- zoom --------------------------------------------------------------------------
    void ZoomToExtents(bool addToHistory);
    void ZoomWindow(omRect window, bool addToHistory);
    void ZoomByFactor(double factor);
    void Pan();
    void ZoomHistoryStep(bool back);
    AZoomHistoryList& GetZoomHistory() { return m_history; }
    AGrid& GetGrid() { return m_grid; }
    ADragRect& GetDragRect() { return m_dragRect; }
    ASimpleObjectGroup& GetDragShapes() { return m_dragShapes; }
    // The client rectangle in logical units.
    CRect GetClientLogicalRect();
    // A client point (pixels) in logical units of the scrolled drawing.
    CPoint ClientToLogical(CPoint client);

    // After a change of the model: the picture is drawn anew, and an object under the cursor
    // that the change took away is forgotten with its tooltip.
    void ModelChanged();
    void HideTip();

    void RedrawObject(AObject* object, bool updateNow);
    void RedrawObjects(const AObjectPtrContainer& objects, bool updateNow);

    // --- tooltip -----------------------------------------------------------------------
    // The text cut to its first 76 characters (never inside a UTF-8 sequence) with "..." behind.
    static CString CutTipText(const CString& text);
    // Moves the tip's world position; a new position asks for the text anew after the delay.
    void SetTipPosition(double x, double z);
    // Shows the tip for the cursor now (what the delay ends in); false when none is shown.
    bool ShowTip();
    QTimer* GetTipTimer() const { return m_pTipTimer; }

    // --- the picture of the printable block -------------------------------------------
    bool Draw(CDC* dc, CPoint p) const override;

    // --- framework ---------------------------------------------------------------------
    void OnDraw(CDC* pDC) override;
    void OnDrawOverlay(CDC* pDC) override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override;
    void OnInitialUpdate() override;
    BOOL OnPreparePrinting(CPrintInfo* pInfo) override;
    void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) override;
    void OnPrint(CDC* pDC, CPrintInfo* pInfo) override;
    void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) override;

    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnDestroy() override;
    void OnSize(UINT nType, int cx, int cy) override;
    void OnMouseMove(UINT nFlags, CPoint point) override;
    void OnLButtonDown(UINT nFlags, CPoint point) override;
    void OnLButtonUp(UINT nFlags, CPoint point) override;
    void OnLButtonDblClk(UINT nFlags, CPoint point) override;
    void OnMButtonDown(UINT nFlags, CPoint point) override;
    void OnMButtonUp(UINT nFlags, CPoint point) override;
    void OnRButtonDown(UINT nFlags, CPoint point) override;
    void OnRButtonUp(UINT nFlags, CPoint point) override;
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override;
    void OnMouseLeave() override;
    void OnExitMenuLoop(BOOL bIsTrackPopupMenu) override;

    // The commands (public for the frame's toolbar and for tests).
    void OnZoomWindow();
    void OnZoomIn();
    void OnZoomOut();
    void OnZoomPrevious();
    void OnZoomNext();
    void OnZoomAll();
    void OnZoomExtents();
    void OnDelete();
    void OnMove();
    void OnCopyView();
    void OnRedraw();

protected:
    void OnUpdateZoomWindow(CCmdUI* pCmdUI);
    void OnUpdateZoomOut(CCmdUI* pCmdUI);
    void OnUpdateZoomPrevious(CCmdUI* pCmdUI);
    void OnUpdateZoomNext(CCmdUI* pCmdUI);
    void OnUpdateNoBand(CCmdUI* pCmdUI);
    void OnUpdateSelect(CCmdUI* pCmdUI);
    void OnUpdateSelection(CCmdUI* pCmdUI);
    void OnUpdateAlways(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

    // A zoom or pan band is being dragged.
    bool IsBandInProgress() const;
    // Whether Shift is held (by the last mouse message or the keyboard).
    bool IsShiftHeld() const;
    void SetScrollSizesFromMap();
    // The band's rectangle in world units, normalised.
    omRect BandWorldRect();
    // The context's clip box in world units, normalised: what a drawing of the document must cover.
    omRect ClipWorldRect(CDC* dc) const;

    int m_nDrag = 0;
    int m_nMode = modeNone;
    int m_nCancel = 0;
    ADragRect m_dragRect;
    bool m_bAction = false;
    AGrid m_grid;
    COLORREF m_background = kBackgroundColor;
    AZoomHistoryList m_history;
    ASimpleObjectGroup m_dragShapes;
    AObject* m_pObjectUnder = nullptr; // not owned
    double m_tipX = 0.0;
    double m_tipZ = 0.0;
    bool m_bSaved = false;
    int m_nSavedDrag = 0;
    int m_nSavedMode = 0;
    int m_nSavedCancel = 0;
    bool m_bSavedAction = false;
    omPoint m_moveStart;
    bool m_bTrackingLeave = false;
    AZoomViewHook m_hook;

private:
    void ButtonDownStep(UINT flags, CPoint client);
    void ButtonUpStep(UINT flags, CPoint client);
    bool IsInsideClient(CPoint client) const;
    // The map has no logical window yet (nothing was fitted).
    bool IsMapWindowEmpty() const;

    QTimer* m_pTipTimer = nullptr; // a child of the view's widget
    CPoint m_lastClient{-1, -1};
    UINT m_nLastFlags = 0;
    // The left button went down in a zoom view (shared by all of them).
    static bool s_bLeftDown;
};
