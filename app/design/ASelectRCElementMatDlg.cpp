#include "app/design/ASelectRCElementMatDlg.h"

#include "app/design/omConcrete.h"
#include "app/design/omRCSteel.h"
#include "app/shell/AStrakonDocument.h"
#include "app/views/AStrakon.h"
#include "model/omMaterialMap.h"
#include "platform/ui/CDataExchange.h"
#include "resources/ui/StrakonDesignIds.h"

#include <QListWidget>

#include <typeinfo>

BEGIN_MESSAGE_MAP(ASelectRCElementMatDlg, ABaseDialog)
ON_LBN_SELCHANGE(IDC_CONCRETE_LIST, &ASelectRCElementMatDlg::OnConcreteChanged)
ON_LBN_SELCHANGE(IDC_RC_STEEL_LIST, &ASelectRCElementMatDlg::OnReinforcementChanged)
ON_BN_CLICKED(IDC_EDIT_MATERIALS, &ASelectRCElementMatDlg::OnMaterials)
END_MESSAGE_MAP()

ASelectRCElementMatDlg::ASelectRCElementMatDlg(CWnd* pParent) : ABaseDialog(IDD, pParent) {}
ASelectRCElementMatDlg::~ASelectRCElementMatDlg() = default;

void ASelectRCElementMatDlg::DoDataExchange(CDataExchange* pDX) {
    ABaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CONCRETE_LIST, m_concrete);
    DDX_Control(pDX, IDC_RC_STEEL_LIST, m_reinforcement);
    DDX_Control(pDX, IDC_EDIT_MATERIALS, m_materials);
}

BOOL ASelectRCElementMatDlg::OnInitDialog() {
    ABaseDialog::OnInitDialog();
    m_materials.SetIcon(IDI_MATERIAL_BUTTON);
    m_materials.SetFlat(FALSE);
    KeepSelection(m_concrete, m_nConcreteId);
    KeepSelection(m_reinforcement, m_nReinforcementId);
    FillLists();
    return TRUE;
}

// A member without its material would leave the design: once the user has
// chosen, a click with Ctrl on the chosen entry does not take the choice away.
void ASelectRCElementMatDlg::KeepSelection(CListBox& list, const unsigned& id) {
    auto* widget = qobject_cast<QListWidget*>(list.GetWidget());
    if (!widget) return;
    QObject::connect(widget, &QListWidget::itemSelectionChanged, widget, [this, widget, &list, &id]() {
        if (m_bFilling || !widget->selectedItems().isEmpty() || id == 0) return;
        for (int i = 0; i < list.GetCount(); ++i)
            if (list.GetItemData(i) == id) {
                widget->item(i)->setSelected(true);
                widget->setCurrentRow(i);
                return;
            }
    });
}

const omMaterialMap* ASelectRCElementMatDlg::MaterialMap() const {
    return m_pDoc && m_pDoc->GetModel() ? m_pDoc->GetModel()->getMaterialMap() : nullptr;
}

void ASelectRCElementMatDlg::FillLists() {
    m_bFilling = true;
    m_concrete.ResetContent();
    m_reinforcement.ResetContent();
    bool concreteFound = false, reinforcementFound = false;
    const omMaterialMap* map = MaterialMap();
    if (map) {
        for (map->start_ii(); !map->stop_ii(); map->increment_ii()) {
            const omMaterial* material = map->object_ii();
            if (!material) continue;
            CListBox* list = nullptr;
            unsigned chosen = 0;
            bool* found = nullptr;
            if (typeid(*material) == typeid(omConcrete)) {
                list = &m_concrete, chosen = m_nConcreteId, found = &concreteFound;
            } else if (typeid(*material) == typeid(omRCSteel)) {
                list = &m_reinforcement, chosen = m_nReinforcementId, found = &reinforcementFound;
            } else {
                continue;
            }
            const int index = list->AddString(material->name().c_str());
            list->SetItemData(index, material->getIndex());
            if (material->getIndex() == chosen) {
                list->SetCurSel(index);
                *found = true;
            }
        }
    }
    if (!concreteFound) m_concrete.SetCurSel(-1);
    if (!reinforcementFound) m_reinforcement.SetCurSel(-1);
    m_bFilling = false;
}

void ASelectRCElementMatDlg::OnSelChange(CListBox& list, unsigned& id) {
    if (m_bFilling) return;
    const int index = list.GetCurSel();
    if (index >= 0) id = static_cast<unsigned>(list.GetItemData(index));
}

void ASelectRCElementMatDlg::OnConcreteChanged() {
    OnSelChange(m_concrete, m_nConcreteId);
}

void ASelectRCElementMatDlg::OnReinforcementChanged() {
    OnSelChange(m_reinforcement, m_nReinforcementId);
}

void ASelectRCElementMatDlg::OnMaterials() {
    if (!m_pDoc) return;
    m_pDoc->EditMaterials(this);
    // An id whose material was deleted in the editor must not reach the member.
    const omMaterialMap* map = MaterialMap();
    if (!map || !map->doFind(m_nConcreteId)) m_nConcreteId = 0;
    if (!map || !map->doFind(m_nReinforcementId)) m_nReinforcementId = 0;
    FillLists();
}
