#pragma once
// A 6 m beam in a structure document of the running program, with the
// floating property frame: actions G and Q; node 2 has the force "F1" and the
// displacement "D1" in G and the force "FQ" in Q; the member has the point
// load "P" at the middle, the linear load "L" from 0.2 to 0.6 and the
// temperature load "T", all in G. G is the active action.
#include "PropertySheetFixture.h"
#include "app/dialogs/AMessageProperty.h"
#include "app/views/AElementLoadGroup.h"
#include "app/views/ANodeLoadGroup.h"
#include "model/omLoad.h"

#include <QListWidget>
#include <QMenu>
#include <QToolButton>

class LoadSheetFixture : public PropertySheetFixture {
protected:
    void build() override {
        // Lengths in metres, as the positions below read them.
        AUnitKeyAttributes::Instance()->length = omUK_m;
        omStrakon& s = model();
        auto* concrete = new omConcrete(1);
        concrete->setName("C25/30");
        s.addMaterial(concrete, 1);
        auto* rect = new omCrossSectionRect(30.0, 20.0, omUK_cm, 1);
        s.addCrossSection(rect, 1);
        s.addLoadGroup("G");
        s.addLoadGroup("Q");
        s.addNode(0.0, 0.0, "m", 1);
        s.addNode(6.0, 0.0, "m", 2);
        for (omDofType t : {Ux, Uz, Ry})
            s.setSupport(1, t, true);
        s.setSupport(2, Uz, true);
        s.addElement(1, 2, 1, 1, 1);
        s.bind();
        const omDofStructureType* layout = node(2)->getDofStructureType();
        auto* f1 = new omLoadForce("F1", layout, 0);
        f1->setF(Uz, omUnitValue(10.0, omUK_kN));
        s.addNodeLoad(2, f1, "G");
        auto* d1 = new omLoadDisplacement("D1", layout, 0);
        d1->setU(Uz, omUnitValue(-1.0, omUK_cm));
        s.addNodeLoad(2, d1, "G");
        auto* fq = new omLoadForce("FQ", layout, 0);
        fq->setF(Ux, omUnitValue(5.0, omUK_kN));
        s.addNodeLoad(2, fq, "Q");
        auto* p = new omLoadForce("P", layout, 0);
        p->setF(Uz, omUnitValue(20.0, omUK_kN));
        p->setX(0.5);
        s.addElementLoad(1, p, "G");
        auto* l = new omLoadLinear("L", layout, 0);
        l->setFs(Uz, omUnitValue(4.0, omUK_kN_m));
        l->setFe(Uz, omUnitValue(4.0, omUK_kN_m));
        l->setStart(0.2);
        l->setEnd(0.6);
        s.addElementLoad(1, l, "G");
        auto* t = new omLoadTemperature("T", layout, 0);
        t->setT(0, 1, omUnitValue(10.0, omUK_K));
        t->setT(1, 1, omUnitValue(-5.0, omUK_K));
        s.addElementLoad(1, t, "G");
        s.bindLoadGroups();
        doc->SetActiveLoadGroup(1, true);
    }

    ANodeLoadGroup* nodeLoads(unsigned n) { return dynamic_cast<ANodeLoadGroup*>(node(n)->getLoad()); }
    AElementLoadGroup* memberLoads(unsigned n) {
        return dynamic_cast<AElementLoadGroup*>(member(n)->getLoad());
    }

    static std::vector<CString> items(CWnd* page, int id) {
        std::vector<CString> texts;
        auto* list = dynamic_cast<CListBox*>(page->GetDlgItem(id));
        for (int i = 0; list && i < list->GetCount(); ++i) {
            CString text;
            list->GetText(i, text);
            texts.push_back(text);
        }
        return texts;
    }
    static int selection(CWnd* page, int id) {
        return dynamic_cast<CListBox*>(page->GetDlgItem(id))->GetCurSel();
    }
    // Picks the list item as a click does.
    static void pick(CWnd* page, int id, int index) {
        auto* list = qobject_cast<QListWidget*>(page->GetDlgItem(id)->GetWidget());
        list->setCurrentRow(index);
        QApplication::processEvents();
    }
    // The edit loses the focus.
    static void leave(CWnd* page, int id) {
        CWnd* edit = page->GetDlgItem(id);
        page->SendMessage(WM_COMMAND, MAKEWPARAM(id, EN_KILLFOCUS), reinterpret_cast<LPARAM>(edit->m_hWnd));
        QApplication::processEvents();
    }
    static bool visible(CWnd* page, int id) { return page->GetDlgItem(id)->IsWindowVisible() != FALSE; }
    static bool enabled(CWnd* page, int id) { return page->GetDlgItem(id)->IsWindowEnabled() != FALSE; }
    // Chooses an item of the "New load" button's menu.
    static void chooseNew(CWnd* page, int button, int item) {
        auto* tool = qobject_cast<QToolButton*>(page->GetDlgItem(button)->GetWidget());
        ASSERT_NE(tool, nullptr);
        ASSERT_NE(tool->menu(), nullptr);
        tool->menu()->actions().at(item)->trigger();
        QApplication::processEvents();
    }
    // After the owner of the shown loads left the model: the message sheet
    // stands in the frame, no page is registered (registered: the document's
    // pointer to its load page) and Apply edits nothing. Undone and opened
    // again by reopen, closing the document leaves the message sheet and again
    // no page registered.
    template <class Page, class Reopen> void expectLoadSheetReleased(Page* const& registered, Reopen reopen) {
        ASSERT_NE(dynamic_cast<AMessageProperty*>(frame()->GetProperySheet()), nullptr);
        EXPECT_EQ(registered, nullptr);
        const int before = commands();
        apply();
        EXPECT_EQ(commands(), before);

        doc->GetCommandManager().Undo();
        reopen();
        doc->DeleteContents();
        EXPECT_NE(dynamic_cast<AMessageProperty*>(frame()->GetProperySheet()), nullptr);
        EXPECT_EQ(registered, nullptr);
    }
    // The frame loses the activation; unpinned it hides.
    static void deactivate() {
        frame()->SendMessage(WM_ACTIVATE, WA_INACTIVE, 0);
        QApplication::processEvents();
    }
};
