// The structure document's edit operations on nodes, members, supports,
// materials, sections, splitting, skew and design data: each builds one
// undoable command and hands it to the command manager.
#include "app/shell/AStrakonDocument.h"

#include "app/design/ADesignEC2.h"
#include "app/design/ADesignEC3.h"
#include "app/dialogs/ACrossSectionDlg.h"
#include "app/dialogs/ACrossSectionMap.h"
#include "app/dialogs/AMaterialDlg.h"
#include "app/dialogs/AMaterialMap.h"
#include "app/views/AComDesign.h"
#include "app/views/AComElements.h"
#include "app/views/AComMaterials.h"
#include "app/views/AComNodes.h"
#include "app/views/AComSkew.h"
#include "app/views/ADesignElement.h"
#include "app/views/ANode2D.h"
#include "app/views/AStrakon.h"
#include "model/omDesignElement.h"
#include "model/omElementMap.h"
#include "model/omGenericDesignData.h"
#include "model/omRCDesignBeamData.h"
#include "model/omSteelDesignData.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/WinUi.h"
#include "rezavud/omVector.h"

#include <algorithm>
#include <map>
#include <typeinfo>

namespace {

unsigned idOf(const omDesignElement* element) { return element ? element->getIndex() : 0; }

// The members that use each material or section id, for the editors, which
// refuse to delete what a member uses.
template <class IdOf>
std::map<unsigned, std::vector<unsigned>> usersOf(const omElementMap* members, IdOf ids) {
    std::map<unsigned, std::vector<unsigned>> users;
    if (!members) return users;
    for (const auto& [number, member] : *members)
        for (unsigned id : ids(*member))
            if (id != 0) {
                std::vector<unsigned>& list = users[id];
                if (std::find(list.begin(), list.end(), number) == list.end()) list.push_back(number);
            }
    return users;
}

} // namespace

void AStrakonDocument::NewNode(double x, double z, bool split) {
    GetCommandManager().AddCommand(new AComNewNode(x, z, split));
}

void AStrakonDocument::EditNodeProperties(const std::vector<ANode2D*>& nodes, std::vector<ANode2D*> edited,
                                          bool extentsFlag) {
    std::vector<unsigned> ids;
    for (const ANode2D* node : nodes)
        ids.push_back(node ? node->getIndex() : 0);
    GetCommandManager().AddCommand(new AComEditNodeProperties(std::move(ids), std::move(edited), extentsFlag));
}

void AStrakonDocument::NewElement(ANode2D* first, ANode2D* second, const omPoint& start, const omPoint& end,
                                  bool nonLinear, bool split) {
    if (!ConfirmNewElement(first, second)) return;
    GetCommandManager().AddCommand(new AComNewElement(first, second, start, end, nonLinear ? 1 : 0, split));
}

void AStrakonDocument::EditElementProperties(const std::vector<ADesignElement*>& elements,
                                             std::vector<ADesignElement*> edited, bool redrawAll) {
    std::vector<unsigned> ids;
    for (const ADesignElement* element : elements)
        ids.push_back(idOf(element));
    GetCommandManager().AddCommand(new AComEditElementProperties(std::move(ids), std::move(edited), redrawAll));
}

void AStrakonDocument::ToggleNodeSupport(ANode* node, int dof) {
    GetCommandManager().AddCommand(new AComToggleNodeSupport(node, static_cast<omDofType>(dof)));
}

void AStrakonDocument::SetNodeSupport(ANode* node, bool x, bool z, bool rotation, double angle) {
    GetCommandManager().AddCommand(new AComSetNodeSupport(node, x, z, rotation, angle));
}

void AStrakonDocument::SetElasticGround(ADesignElement* element, const omUnitValue& coefficient, int type) {
    GetCommandManager().AddCommand(new AComSetElasticGround(element, coefficient, type));
}

void AStrakonDocument::ToggleElementRelease(ADesignElement* element, int end, int dof) {
    GetCommandManager().AddCommand(new AComToggleElementRelease(element, end, static_cast<omDofType>(dof)));
}

void AStrakonDocument::SetSkew(int loadCase, double ratioX, double ratioZ, const omUnitValue& x,
                               const omUnitValue& z) {
    GetCommandManager().AddCommand(new AComSetSkew(loadCase, ratioX, ratioZ, x, z));
}

void AStrakonDocument::SplitElement(ADesignElement* element, int parts) {
    // A negative count would turn into billions of parts.
    GetCommandManager().AddCommand(new AComSplitElement(idOf(element), static_cast<unsigned>(std::max(parts, 0))));
}

void AStrakonDocument::MoveSelection(double dx, double dz) {
    std::vector<unsigned> ids;
    for (AObject* object : GetSelection())
        if (auto* node = dynamic_cast<ANode*>(object))
            if (std::find(ids.begin(), ids.end(), node->getIndex()) == ids.end()) ids.push_back(node->getIndex());
    omVector displacement(2);
    displacement(1) = dx;
    displacement(2) = dz;
    GetCommandManager().AddCommand(new AComMoveNodes(std::move(ids), displacement));
}

void AStrakonDocument::EditMaterials(CWnd* pParent) {
    if (!m_pModel || !m_pModel->getMaterialMap()) return;
    AMaterialMap copy;
    copy.Copy(*m_pModel->getMaterialMap());
    AMaterialDlg dlg(pParent, &copy);
    dlg.SetUsers(usersOf(m_pModel->getElementMap(), [](const omDesignElement& e) {
        return std::vector<unsigned>{e.getMaterialIndex(), e.getMaterialIndex2()};
    }));
    if (dlg.DoModal() != IDOK) return;
    GetCommandManager().AddCommand(new AComEditMaterial(copy));
}

void AStrakonDocument::EditCrossSections(CWnd* pParent) {
    if (!m_pModel || !m_pModel->getCrossSectionMap()) return;
    ACrossSectionMap copy;
    copy.Copy(*m_pModel->getCrossSectionMap());
    ACrossSectionDlg dlg(pParent, &copy);
    dlg.SetUsers(usersOf(m_pModel->getElementMap(), [](const omDesignElement& e) {
        return std::vector<unsigned>{e.getCrossSectionIndex()};
    }));
    if (dlg.DoModal() != IDOK) return;
    GetCommandManager().AddCommand(new AComEditCrossSection(copy));
}

void AStrakonDocument::ChangeDesignData(unsigned element, const omGenericDesignData* data) {
    GetCommandManager().AddCommand(new AComDesignChangeData(element, data));
}

void AStrakonDocument::SelectDesignLoadCases(bool ultimate, unsigned element, int mode,
                                             const std::vector<int>* cases) {
    GetCommandManager().AddCommand(new AComDesignSelectLC(ultimate, element, mode, cases));
}

void AStrakonDocument::SetElementMaterials(unsigned element, unsigned material, unsigned material2) {
    GetCommandManager().AddCommand(new AComSetElementMaterials(element, material, material2));
}

void AStrakonDocument::DesignElement(unsigned element) {
    omElementMap* members = m_pModel ? m_pModel->getElementMap() : nullptr;
    omDesignElement* member = members ? members->find(element) : nullptr;
    if (!member || !member->getDesignData() || !member->areResultsValid(m_pModel->getLoadManager())) return;
    CWaitCursor wait;
    omGenericDesignData* data = member->getDesignData();
    data->resetResults();
    if (typeid(*data) == typeid(omRCDesignBeamData)) {
        auto* rc = static_cast<omRCDesignBeamData*>(data);
        ADesignEC2 design(element, m_pModel);
        if (!design.IsDesignPossible(nullptr)) return;
        design.PrepareSections();
        if (rc->isUltDesign()) {
            const double shear = design.DesignShear(rc->getShearResults());
            const double bending = design.DesignBending(rc->getNMResults());
            rc->setUltFactor(std::max(shear, bending));
        }
        if (rc->isSerDesign()) rc->setSerFactor(design.CheckCracks(rc->getCrackResults()));
    } else if (typeid(*data) == typeid(omSteelDesignData)) {
        ADesignEC3 design(element, m_pModel);
        if (!design.IsDesignPossible(nullptr)) return;
        design.PrepareResults();
        if (data->isUltDesign()) data->setUltFactor(design.DesignUltimate());
        if (data->isSerDesign()) data->setSerFactor(design.CheckDeflections());
    }
}
