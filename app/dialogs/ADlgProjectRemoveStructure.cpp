#include "app/dialogs/ADlgProjectRemoveStructure.h"

#include "framework/ABaseProjectDoc.h"
#include "framework/ABaseStructureDoc.h"
#include "platform/ui/CDataExchange.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(ADlgProjectRemoveStructure, ABaseDialog)

BEGIN_MESSAGE_MAP(ADlgProjectRemoveStructure, ABaseDialog)
ON_BN_CLICKED(ADlgProjectRemoveStructure::IDC_REMOVE, &ADlgProjectRemoveStructure::OnRemove)
ON_MESSAGE(WM_KICKIDLE, &ADlgProjectRemoveStructure::OnKickIdle)
END_MESSAGE_MAP()

namespace {

// At most this many structures are removed at once.
constexpr size_t kMaxSelected = 255;

} // namespace

ADlgProjectRemoveStructure::ADlgProjectRemoveStructure(ABaseProjectDoc* pProject, CWnd* pParent)
    : ABaseDialog(IDD, pParent), m_pProject(pProject) {}

ADlgProjectRemoveStructure::~ADlgProjectRemoveStructure() = default;

void ADlgProjectRemoveStructure::DoDataExchange(CDataExchange* pDX) {
    ABaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_STRUCTURE_LIST, m_wndList);
}

BOOL ADlgProjectRemoveStructure::OnInitDialog() {
    ABaseDialog::OnInitDialog();
    FillList();
    return TRUE;
}

void ADlgProjectRemoveStructure::FillList() {
    m_wndList.ResetContent();
    if (!m_pProject) return;
    for (ABaseStructureDoc* structure : m_pProject->GetStructures()) {
        const int index = m_wndList.AddString(structure->GetPathName().c_str());
        if (index >= 0) m_wndList.SetItemData(index, reinterpret_cast<DWORD_PTR>(structure));
    }
}

std::vector<ABaseStructureDoc*> ADlgProjectRemoveStructure::SelectedStructures() const {
    std::vector<ABaseStructureDoc*> selected;
    for (int i = 0; i < m_wndList.GetCount() && selected.size() < kMaxSelected; ++i)
        if (m_wndList.GetSel(i) > 0)
            selected.push_back(reinterpret_cast<ABaseStructureDoc*>(m_wndList.GetItemData(i)));
    return selected;
}

void ADlgProjectRemoveStructure::OnRemove() {
    if (!m_pProject) return;
    for (ABaseStructureDoc* structure : SelectedStructures()) {
        // A structure that went meanwhile is no longer the project's to remove.
        const auto& structures = m_pProject->GetStructures();
        if (std::find(structures.begin(), structures.end(), structure) == structures.end()) continue;
        m_pProject->RemoveStructure(structure, TRUE);
    }
    FillList();
}

LRESULT ADlgProjectRemoveStructure::OnKickIdle(WPARAM, LPARAM) {
    if (CWnd* remove = GetDlgItem(static_cast<int>(IDC_REMOVE)))
        remove->EnableWindow(m_wndList.GetSelCount() > 0 ? TRUE : FALSE);
    return 0;
}
