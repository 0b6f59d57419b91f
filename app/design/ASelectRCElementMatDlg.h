#pragma once
// The concrete and the reinforcement steel of a reinforced-concrete member,
// chosen from the structure's materials; "Material ..." opens the materials
// editor on the spot. The caller sets the document and both ids before the
// dialog and reads the ids after OK (0 = none).
#include "app/dialogs/CButtonST.h"
#include "framework/ABaseDialog.h"
#include "platform/ui/CDialogControls.h"

class AStrakonDocument;
class omMaterialMap;

class ASelectRCElementMatDlg : public ABaseDialog {
public:
    enum { IDD = 264 };

    explicit ASelectRCElementMatDlg(CWnd* pParent = nullptr);
    ~ASelectRCElementMatDlg() override;

    BOOL OnInitDialog() override;
    // Both lists again from the document's materials, the chosen ones selected.
    void FillLists();

    AStrakonDocument* m_pDoc = nullptr; // not owned
    unsigned m_nConcreteId = 0;
    unsigned m_nReinforcementId = 0;
    CListBox m_concrete;
    CListBox m_reinforcement;
    CButtonST m_materials;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnConcreteChanged();
    void OnReinforcementChanged();
    void OnMaterials();
    DECLARE_MESSAGE_MAP()

private:
    const omMaterialMap* MaterialMap() const;
    void OnSelChange(CListBox& list, unsigned& id);
    void KeepSelection(CListBox& list, const unsigned& id);

    bool m_bFilling = false;
};
