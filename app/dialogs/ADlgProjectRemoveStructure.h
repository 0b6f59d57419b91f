#pragma once
// The Remove Structure dialog: the open project's structures by their file
// paths, several at a time chosen for removal. The dialog stays open after a
// removal, with the structures that are left, until "Close".
#include "framework/ABaseDialog.h"
#include "platform/ui/CDialogControls.h"

#include <vector>

class ABaseProjectDoc;
class ABaseStructureDoc;

class ADlgProjectRemoveStructure : public ABaseDialog {
    DECLARE_DYNAMIC(ADlgProjectRemoveStructure)
public:
    enum { IDD = 205 };
    static constexpr UINT IDC_STRUCTURE_LIST = 1465;
    static constexpr UINT IDC_REMOVE = 1396;

    // The project is not owned; null lists nothing.
    explicit ADlgProjectRemoveStructure(ABaseProjectDoc* pProject, CWnd* pParent = nullptr);
    ~ADlgProjectRemoveStructure() override;

    BOOL OnInitDialog() override;

    // Removes the selected structures in the list's order (each asks to save
    // its changes; one the user keeps stays), then lists what is left.
    void OnRemove();

    CListBox m_wndList;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // One line per structure of the project: its path, the document as item data.
    void FillList();
    // The documents of the selected lines, in the list's order (at most 255).
    std::vector<ABaseStructureDoc*> SelectedStructures() const;
    // "&Remove" only while a line is selected.
    LRESULT OnKickIdle(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    ABaseProjectDoc* m_pProject = nullptr;
};
