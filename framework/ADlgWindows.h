#pragma once
// The "Windows" dialog behind More Windows: the open windows of the active
// workspace in a list of several selectable items, to be activated, closed or
// tiled.
#include "framework/ABaseDialog.h"
#include "platform/ui/CDialogControls.h"

constexpr UINT IDD_WINDOWS = 145;
constexpr UINT IDC_WINDOWS_LIST = 1360;
constexpr UINT IDC_WINDOWS_ACTIVATE = 1361;
constexpr UINT IDC_WINDOWS_CLOSE = 1362;
constexpr UINT IDC_WINDOWS_TILEHORZ = 1363;
constexpr UINT IDC_WINDOWS_TILEVERT = 1364;

class ADlgWindows : public ABaseDialog {
    DECLARE_DYNAMIC(ADlgWindows)
public:
    explicit ADlgWindows(CWnd* pParent = nullptr);
    ~ADlgWindows() override;

    BOOL OnInitDialog() override;

    CListBox m_wndList;
    // The active window, whose entry is selected at first; set by the caller.
    HWND m_hActiveWnd = nullptr;
    CString m_strText;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // Lists the visible enabled windows; selects the active one (bSelectActive) or the first.
    void FillList(BOOL bSelectActive);
    // The windows of the selected entries.
    std::vector<HWND> SelectedWindows() const;
    void Tile(UINT nType);

    void OnActivate();
    void OnCloseWindows();
    void OnTileHorz();
    void OnTileVert();
    LRESULT OnKickIdle(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()
};
