#include "app/design/ASelectRCElementMatDlg.h"

#include "app/design/omConcrete.h"
#include "app/design/omRCSteel.h"
#include "app/shell/AStrakonDocument.h"
#include "app/views/AStrakon.h"
#include "model/omMaterialMap.h"
#include "tests/app/design/gui/DesignDialogFixture.h"

#include <QListWidget>

namespace {

// The materials editor stands in as a submitted edit that deletes a material.
class DocumentDeletingOnEdit : public AStrakonDocument {
public:
    void EditMaterials(CWnd*) override {
        ++edits;
        if (deleteId) GetModel()->getMaterialMap()->erase(deleteId);
    }
    unsigned deleteId = 0;
    int edits = 0;
};

class ElementMaterials : public DesignDialogFixture {
protected:
    void SetUp() override {
        DesignDialogFixture::SetUp();
        add(new omConcrete(1), "C25/30");
        add(new omSteel(omUnitValue(23.5, omUK_kN_cm2), 2), "S235");
        add(new omConcrete(3), "C30/37");
        if (withReinforcement) {
            add(new omRCSteel(4), "B500B");
            add(new omRCSteel(5), "B500A");
        }
    }
    void add(omMaterial* material, const char* name) {
        material->setName(name);
        doc.GetModel()->addMaterial(material, material->getIndex());
    }
    int run(ASelectRCElementMatDlg& dlg, const std::function<void(ASelectRCElementMatDlg&)>& script) {
        dlg.m_pDoc = &doc;
        dialogs.Queue([&](CDialog&) { script(dlg); });
        return static_cast<int>(dlg.DoModal());
    }
    static QListWidget* list(CWnd& d, int id) { return qobject_cast<QListWidget*>(d.GetDlgItem(id)->GetWidget()); }
    static QStringList items(CWnd& d, int id) {
        QStringList texts;
        for (int i = 0; i < list(d, id)->count(); ++i)
            texts << list(d, id)->item(i)->text();
        return texts;
    }

    bool withReinforcement = true;
    DocumentDeletingOnEdit doc;
};

TEST_F(ElementMaterials, TheListsHoldTheirKindsWithTheChosenSelected) {
    ASelectRCElementMatDlg dlg;
    dlg.m_nConcreteId = 3;
    dlg.m_nReinforcementId = 4;
    EXPECT_EQ(run(dlg,
                  [&](ASelectRCElementMatDlg& d) {
                      EXPECT_EQ(items(d, IDC_CONCRETE_LIST), (QStringList{"C25/30", "C30/37"}));
                      EXPECT_EQ(items(d, IDC_RC_STEEL_LIST), (QStringList{"B500B", "B500A"}));
                      EXPECT_EQ(d.m_concrete.GetCurSel(), 1);
                      EXPECT_EQ(d.m_reinforcement.GetCurSel(), 0);
                      chooseRow(d, IDC_CONCRETE_LIST, 0);
                      chooseRow(d, IDC_RC_STEEL_LIST, 1);
                      snapshot(d, "design-dialog-264-materials.png");
                      d.PressButton(IDOK);
                  }),
              IDOK);
    EXPECT_EQ(dlg.m_nConcreteId, 1u);
    EXPECT_EQ(dlg.m_nReinforcementId, 5u);
}

TEST_F(ElementMaterials, CtrlClickDoesNotEmptyAChoice) {
    ASelectRCElementMatDlg dlg;
    dlg.m_nConcreteId = 1;
    dlg.m_nReinforcementId = 4;
    EXPECT_EQ(run(dlg,
                  [&](ASelectRCElementMatDlg& d) {
                      QListWidget* concrete = list(d, IDC_CONCRETE_LIST);
                      concrete->show();
                      const QRect row = concrete->visualItemRect(concrete->item(0));
                      QTest::mouseClick(concrete->viewport(), Qt::LeftButton, Qt::ControlModifier, row.center());
                      EXPECT_EQ(d.m_concrete.GetCurSel(), 0);
                      EXPECT_EQ(concrete->selectedItems().size(), 1);
                      d.PressButton(IDOK);
                  }),
              IDOK);
    EXPECT_EQ(dlg.m_nConcreteId, 1u);
}

TEST_F(ElementMaterials, AChosenMaterialDeletedInTheEditorIsNoLongerChosen) {
    ASelectRCElementMatDlg dlg;
    dlg.m_nConcreteId = 1;
    dlg.m_nReinforcementId = 5;
    doc.deleteId = 5;
    EXPECT_EQ(run(dlg,
                  [&](ASelectRCElementMatDlg& d) {
                      d.PressButton(IDC_EDIT_MATERIALS);
                      EXPECT_EQ(items(d, IDC_RC_STEEL_LIST), (QStringList{"B500B"}));
                      EXPECT_EQ(d.m_reinforcement.GetCurSel(), LB_ERR);
                      EXPECT_EQ(d.m_concrete.GetCurSel(), 0);
                      d.PressButton(IDOK);
                  }),
              IDOK);
    EXPECT_EQ(doc.edits, 1);
    EXPECT_EQ(dlg.m_nReinforcementId, 0u);
    EXPECT_EQ(dlg.m_nConcreteId, 1u);
}

class ElementMaterialsWithoutReinforcement : public ElementMaterials {
protected:
    void SetUp() override {
        withReinforcement = false;
        ElementMaterials::SetUp();
    }
};

TEST_F(ElementMaterialsWithoutReinforcement, TheSecondListIsEmptyAndTheIdStays) {
    ASelectRCElementMatDlg dlg;
    dlg.m_nConcreteId = 1;
    dlg.m_nReinforcementId = 9;
    EXPECT_EQ(run(dlg,
                  [&](ASelectRCElementMatDlg& d) {
                      EXPECT_EQ(d.m_reinforcement.GetCount(), 0);
                      d.PressButton(IDOK);
                  }),
              IDOK);
    EXPECT_EQ(dlg.m_nReinforcementId, 9u);
}

} // namespace
