#pragma once
// A structure document in the running program with the floating property
// frame: two cross-sections, a concrete and a steel material, a member with a
// released end on an elastic ground, a second linear member and a non-linear
// (Quentra) one. Tests select through the document, work the live pages and
// press the frame's Apply button.
#include "StrakonDocumentFixture.h"
#include "app/design/omConcrete.h"
#include "app/views/ADesignElement.h"
#include "app/views/ANode2D.h"
#include "framework/APPropertyFrame.h"
#include "model/omCrossSectionRect.h"
#include "model/omElementMap.h"
#include "model/omGenericCrossSection.h"
#include "model/omMaterial.h"
#include "model/omNodeMap.h"
#include "platform/core/CArchive.h"
#include "platform/ui/CDialogControls.h"
#include "platform/ui/CResources.h"
#include "resources/ui/StrakonResources.h"
#include "tests/support/ArtifactsFolder.h"

#include <QApplication>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

class PropertySheetFixture : public StrakonDocumentFixture {
protected:
    void SetUp() override {
        StrakonDocumentFixture::SetUp();
        RegisterStrakonResources();
        AOptionsAttributes::Instance()->gridUnitMajor = omUK_m;
        build();
    }
    void TearDown() override {
        APPropertyFrame::Release();
        StrakonDocumentFixture::TearDown();
    }

    virtual void build() {
        omStrakon& s = model();
        auto* concrete = new omConcrete(1);
        concrete->setName("C25/30");
        concrete->setE(omUnitValue(3100.0, omUK_kN_cm2));
        s.addMaterial(concrete, 1);
        auto* steel = new omMaterial(21000.0, 0.0, 1.2e-5, 7850.0, 0.3, 2);
        steel->setName("S235");
        s.addMaterial(steel, 2);
        auto* rect = new omCrossSectionRect(30.0, 20.0, omUK_cm, 1);
        rect->setName("R 30/20");
        s.addCrossSection(rect, 1);
        auto* ipe = new omGenericCrossSection(omUnitValue(53.8, omUK_cm2), omUnitValue(8356.0, omUK_cm4), 2);
        ipe->setName("IPE 300");
        s.addCrossSection(ipe, 2);
        s.addLoadGroup("G");
        s.addNode(0.0, 0.0, "m", 1);
        s.addNode(4.0, 0.0, "m", 2);
        s.addNode(8.0, 0.0, "m", 3);
        s.addNode(4.0, -3.0, "m", 4);
        for (omDofType t : {Ux, Uz, Ry})
            s.setSupport(1, t, true);
        s.setSupport(3, Ux, true);
        s.setSupport(3, Uz, true);
        s.addElement(1, 2, 1, 1, 1);
        s.addElement(2, 3, 2, 1, 2);
        s.addQuentraElement(2, 4, 1, 2, 3);
        s.bind();
        member(1)->release(omDesignElement::second, Ry, true);
        member(1)->setElGroundType(egBothSides);
        member(1)->setElGroundCoef(omUnitValue(0.005, omUK_kN_cm3));
        member(2)->setName("Beam 2");
    }

    ALinearDesignElement2D* member(unsigned n) {
        return dynamic_cast<ALinearDesignElement2D*>(model().getElementMap()->find(n));
    }
    ANode2D* node(unsigned n) { return dynamic_cast<ANode2D*>(model().getNodeMap()->find(n)); }

    // Selects the objects through the document and asks for their properties, as a view does.
    APPropertySheet* select(std::initializer_list<AObject*> objects) {
        AObjectPtrContainer& selection = doc->GetSelection();
        selection.RemoveAll();
        for (AObject* o : objects)
            selection.AddTail(o);
        doc->ShowSelectionProperties(static_cast<CWnd*>(nullptr), true);
        QApplication::processEvents();
        return frame()->GetProperySheet();
    }
    static APPropertyFrame* frame() { return APPropertyFrame::Instance(); }
    // The frame's own Apply button, clicked.
    static void apply() {
        QTest::mouseClick(frame()->GetApplyButton().GetWidget(), Qt::LeftButton);
        QApplication::processEvents();
    }
    static CPropertyPage* show(APPropertySheet* sheet, int page) {
        sheet->SetActivePage(page);
        QApplication::processEvents();
        return sheet->GetActivePage();
    }
    static CComboBox* combo(CWnd* page, int id) { return dynamic_cast<CComboBox*>(page->GetDlgItem(id)); }
    static CButton* button(CWnd* page, int id) { return dynamic_cast<CButton*>(page->GetDlgItem(id)); }
    static CString text(CWnd* page, int id) { return page->GetDlgItem(id)->GetWindowText(); }
    // A list's selected item; empty without one.
    static CString selected(CWnd* page, int id) {
        CComboBox* list = combo(page, id);
        CString item;
        if (list && list->GetCurSel() >= 0) list->GetLBText(list->GetCurSel(), item);
        return item;
    }
    // Picks the item as the user does; false when the list does not hold it.
    static bool choose(CWnd* page, int id, const char* item) {
        CComboBox* list = combo(page, id);
        const int index = list ? list->FindStringExact(-1, item) : -1;
        if (index < 0) return false;
        list->SetCurSel(index);
        Q_EMIT static_cast<QComboBox*>(list->GetWidget())->activated(index);
        QApplication::processEvents();
        return true;
    }
    // Replaces an edit's text as typing or pasting does.
    static void type(CWnd* page, int id, const char* typed) {
        auto* line = qobject_cast<QLineEdit*>(page->GetDlgItem(id)->GetWidget());
        ASSERT_NE(line, nullptr);
        line->setText(QString::fromUtf8(typed));
        Q_EMIT line->textEdited(line->text());
        QApplication::processEvents();
    }
    static void click(CWnd* page, int id) {
        button(page, id)->Click();
        QApplication::processEvents();
    }
    std::vector<std::uint8_t> records() {
        CArchive ar(CArchive::store);
        ar.m_pDocument = doc.get();
        doc->Serialize(ar);
        return ar.Detach();
    }
    int commands() { return doc->GetCommandManager().GetCommandCount(); }
    static void screenshot(const char* name) {
        frame()->GetWidget()->show();
        QApplication::processEvents();
        frame()->GetWidget()->grab().save(QString::fromStdString((ArtifactsFolder() / name).string()));
    }
};
