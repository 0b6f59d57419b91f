#pragma once
// The floating property window: one tool window owned by the main window that
// shows the property sheet of the selected objects' kind. It replaces its sheet
// when another kind is shown, remembers per sheet class the page last looked at,
// hides when it loses the activation unless it is pinned, and keeps its place in
// the settings. A strip at its left edge holds the push pin, Apply and Help.
#include "framework/ABaseDialog.h"
#include "platform/ui/CFrameWnd.h"

#include <map>

class CDocument;
class APPropertyFrame;

class APPropertySheet : public ABasePropertySheet {
    DECLARE_DYNAMIC(APPropertySheet)
public:
    APPropertySheet(UINT nIDCaption = 0, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    APPropertySheet(const char* pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~APPropertySheet() override;

    // TRUE writes the fields back into the external data (through the document), FALSE fills them from it.
    virtual void ExchangeData(BOOL bSave) = 0;
    // Reads the external data into the sheet's fields before its window exists.
    virtual void ReadExternalData() = 0;
    virtual void BeforeHide();
    virtual void AfterCreate();

    // Ignored without data; otherwise keeps both and fills the fields.
    void SetExternalData(CDocument* pDoc, void* pData);
    void SetWebHelpId(int id) { m_nWebHelpId = id; }
    void OnWebHelp();
    void OnHelp() override { ABasePropertySheet::OnHelp(); }

    CDocument* m_pDocument = nullptr;
    void* m_pExternalData = nullptr;
    int m_nWebHelpId = 0;

protected:
    // A sheet that the frame has shown deletes itself once its window is gone,
    // whoever destroyed the window; the frame then only forgets it.
    void PostNcDestroy() override;
    LRESULT OnHelpMessage(WPARAM wParam, LPARAM lParam);

private:
    friend class APPropertyFrame;
    // The frame that shows the sheet; set once the sheet has its window.
    APPropertyFrame* m_pFrame = nullptr;
    DECLARE_MESSAGE_MAP()
};

class APPropertyPage : public ABasePropertyPage {
    DECLARE_DYNCREATE(APPropertyPage)
public:
    APPropertyPage();
    explicit APPropertyPage(UINT nIDTemplate);
    ~APPropertyPage() override;
};

// The frame's owner-drawn buttons: a picture per state, a tool tip, hot while the mouse is over them.
class APButtonCtrl : public CButton {
public:
    APButtonCtrl(UINT normal, UINT hot, UINT pressed, UINT tipId, const char* tipFallback);
    ~APButtonCtrl() override;
    BOOL CreateButton(CWnd* pParent, UINT nID, int x, int y);
    // Loads the pictures again (after a change of the system colours) and sizes the button to them.
    void ReloadBitmaps();
    bool IsHot() const { return m_bHot; }
    // The picture shown now.
    virtual UINT CurrentBitmap() const;
    CString GetToolTipText() const;

protected:
    bool FilterEvent(QObject* watched, QEvent* event) override;
    virtual void OnClicked() {}
    void Redraw();

    UINT m_nNormal, m_nHot, m_nPressed;
    UINT m_nTipId;
    CString m_strTipFallback;
    bool m_bHot = false;
    bool m_bDown = false;
};

class APPushPinButtonCtrl : public APButtonCtrl {
public:
    APPushPinButtonCtrl();
    bool IsPinned() const { return m_bPinned; }
    void SetPinned(bool pinned);
    UINT CurrentBitmap() const override;

protected:
    void OnClicked() override;

private:
    bool m_bPinned = false;
};

class APApplyButtonCtrl : public APButtonCtrl {
public:
    APApplyButtonCtrl();

protected:
    void OnClicked() override;
};

class APHelpButtonCtrl : public APButtonCtrl {
public:
    APHelpButtonCtrl();

protected:
    void OnClicked() override;
};

class APPropertyFrame : public CFrameWnd {
    DECLARE_DYNCREATE(APPropertyFrame)
public:
    static constexpr const char* REGKEY = "Settings";
    static constexpr const char* PlacementEntry = "PropertiesWindow";

    static APPropertyFrame* Instance();
    // The frame when one was made; null otherwise (makes none).
    static APPropertyFrame* Existing() { return s_instance; }
    static void Release();

    APPropertyFrame();
    ~APPropertyFrame() override;

    // Shows the sheet of the class for the data. FALSE when a window could not be made.
    bool SetPropertySheet(const CRuntimeClass* pSheetClass, void* pData, CWnd* pParent, CDocument* pDoc,
                          bool bShow);
    APPropertySheet* GetProperySheet() const { return m_pSheet; }
    // The program keeps the frame open while it works (while it shows a dialog of its own).
    void ActAsPinned(bool bPinned) { m_bPinned = bPinned; }
    bool IsActingAsPinned() const { return m_bPinned; }
    void OnApplyButtonClicked();
    void OnHelpButtonClicked();

    APPushPinButtonCtrl& GetPushPin() { return m_pushPin; }
    APApplyButtonCtrl& GetApplyButton() { return m_apply; }
    APHelpButtonCtrl& GetHelpButton() { return m_help; }
    bool IsCreated() const { return m_bCreated; }

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnClose() override;
    void PostNcDestroy() override;
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool FilterEvent(QObject* watched, QEvent* event) override;

private:
    friend class APPropertySheet;
    bool CreateSheet(bool sizeFrame);
    void DestroySheet();
    void PlaceButtons();

    APPushPinButtonCtrl m_pushPin;
    APHelpButtonCtrl m_help;
    APApplyButtonCtrl m_apply;
    APPropertySheet* m_pSheet = nullptr;
    const CRuntimeClass* m_pSheetClass = nullptr;
    RECT m_rcSheet{};
    void* m_pExternalData = nullptr;
    CDocument* m_pDocument = nullptr;
    bool m_bCreated = false;
    bool m_bPinned = false;
    std::map<CString, int> m_lastPage;

    static APPropertyFrame* s_instance;
};
