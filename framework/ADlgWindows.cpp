#include "framework/ADlgWindows.h"

#include "framework/AWindowMenuManager.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CMDIFrameWnd.h"
#include "platform/ui/CWinApp.h"
#include "resources/tamrix/TamrixResources.h"

IMPLEMENT_DYNAMIC(ADlgWindows, ABaseDialog)

BEGIN_MESSAGE_MAP(ADlgWindows, ABaseDialog)
ON_BN_CLICKED(IDC_WINDOWS_ACTIVATE, &ADlgWindows::OnActivate)
ON_BN_CLICKED(IDC_WINDOWS_CLOSE, &ADlgWindows::OnCloseWindows)
ON_BN_CLICKED(IDC_WINDOWS_TILEHORZ, &ADlgWindows::OnTileHorz)
ON_BN_CLICKED(IDC_WINDOWS_TILEVERT, &ADlgWindows::OnTileVert)
ON_MESSAGE(WM_KICKIDLE, &ADlgWindows::OnKickIdle)
END_MESSAGE_MAP()

namespace {

CMDIFrameWnd* mdiFrame() {
    return DYNAMIC_DOWNCAST_PTR<CMDIFrameWnd>(AfxGetMainWnd());
}

// At most this many windows are closed at once.
constexpr size_t kMaxSelected = 255;

} // namespace

ADlgWindows::ADlgWindows(CWnd* pParent) : ABaseDialog(IDD_WINDOWS, pParent) {
    RegisterTamrixResources();
    m_strResourceModule = kTamrixModule;
}

ADlgWindows::~ADlgWindows() = default;

void ADlgWindows::DoDataExchange(CDataExchange* pDX) {
    ABaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_WINDOWS_LIST, m_wndList);
}

BOOL ADlgWindows::OnInitDialog() {
    ABaseDialog::OnInitDialog();
    FillList(TRUE);
    return TRUE;
}

void ADlgWindows::FillList(BOOL bSelectActive) {
    m_wndList.ResetContent();
    for (CMDIChildWnd* child : AWindowMenuManager::GetListedWindows()) {
        const int index = m_wndList.AddString(child->GetWindowText().c_str());
        m_wndList.SetItemData(index, reinterpret_cast<DWORD_PTR>(child->m_hWnd));
    }
    if (m_wndList.GetCount() == 0) return;
    int select = 0;
    if (bSelectActive)
        if (CWnd* active = CWnd::FromHandle(m_hActiveWnd)) {
            const int found = m_wndList.FindStringExact(-1, active->GetWindowText().c_str());
            if (found >= 0) select = found;
        }
    m_wndList.SetSel(select, TRUE);
}

std::vector<HWND> ADlgWindows::SelectedWindows() const {
    std::vector<HWND> windows;
    for (int i = 0; i < m_wndList.GetCount() && windows.size() < kMaxSelected; ++i)
        if (m_wndList.GetSel(i) > 0) windows.push_back(reinterpret_cast<HWND>(m_wndList.GetItemData(i)));
    return windows;
}

void ADlgWindows::OnActivate() {
    const std::vector<HWND> selected = SelectedWindows();
    if (selected.size() > 1) return;
    if (selected.size() == 1)
        if (auto* frame = DYNAMIC_DOWNCAST_PTR<CFrameWnd>(CWnd::FromHandle(selected.front()))) {
            if (frame->IsIconic())
                frame->ShowWindow(SW_RESTORE);
            else
                frame->ActivateFrame(SW_SHOW);
        }
    EndDialog(IDOK);
}

void ADlgWindows::OnCloseWindows() {
    for (HWND hWnd : SelectedWindows())
        if (CWnd* wnd = CWnd::FromHandle(hWnd)) wnd->SendMessage(WM_CLOSE);
    FillList(FALSE);
}

void ADlgWindows::Tile(UINT nType) {
    const std::vector<HWND> selected = SelectedWindows();
    for (int i = 0; i < m_wndList.GetCount(); ++i) {
        const HWND hWnd = reinterpret_cast<HWND>(m_wndList.GetItemData(i));
        CWnd* wnd = CWnd::FromHandle(hWnd);
        if (!wnd) continue;
        const bool chosen = std::find(selected.begin(), selected.end(), hWnd) != selected.end();
        wnd->ShowWindow(chosen ? SW_RESTORE : SW_MINIMIZE);
    }
    if (CMDIFrameWnd* frame = mdiFrame()) frame->MDITile(nType | MDITILE_SKIPDISABLED);
}

void ADlgWindows::OnTileHorz() {
    Tile(MDITILE_HORIZONTAL);
}

void ADlgWindows::OnTileVert() {
    Tile(MDITILE_VERTICAL);
}

LRESULT ADlgWindows::OnKickIdle(WPARAM, LPARAM) {
    const int count = m_wndList.GetCount();
    const int selected = m_wndList.GetSelCount();
    auto enable = [this](UINT id, bool on) {
        if (CWnd* button = GetDlgItem(static_cast<int>(id))) button->EnableWindow(on ? TRUE : FALSE);
    };
    enable(IDC_WINDOWS_ACTIVATE, selected <= 1 && count > 0);
    enable(IDC_WINDOWS_CLOSE, count > 0);
    enable(IDC_WINDOWS_TILEHORZ, selected > 1);
    enable(IDC_WINDOWS_TILEVERT, selected > 1);
    return 0;
}
