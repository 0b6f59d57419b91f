// The material editor worked as a user does: through the scripted dialog
// service on a working copy of a material map, with the shipped grade databases.
#include "app/design/omConcrete.h"
#include "app/design/omRCSteel.h"
#include "app/dialogs/AMaterialDlg.h"
#include "app/dialogs/AMaterialMap.h"
#include "app/dialogs/AMaterialPages.h"
#include "app/dialogs/ASteelMaterialPage.h"
#include "framework/AHelp.h"
#include "platform/ui/CResources.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/CPropertySheet.h"
#include "tests/app/EditorFixture.h"

#include <QLabel>

#include <fstream>
#include <iterator>

namespace {

constexpr int kGeneric = 0, kSteel = 1, kConcrete = 2, kRCSteel = 3;

class MaterialEditor : public EditorFixture {
protected:
    // Runs the editor on the map; the script works the live dialog.
    int run(const std::function<void(CDialog&)>& script) {
        dialogs.Queue(script);
        AMaterialDlg dlg(nullptr, &map);
        dlg.SetUsers(users);
        return static_cast<int>(dlg.DoModal());
    }
    // Queues a sheet that shows the page, lets the script fill it and presses OK.
    void queueSheet(int page, const std::function<void(CPropertySheet&, CPropertyPage&)>& fill) {
        dialogs.Queue([page, fill](CPropertySheet& sheet) {
            sheet.SetActivePage(page);
            fill(sheet, *sheet.GetActivePage());
            sheet.PressButton(PSBTN_OK);
        });
    }
    static double stress(const omUnitValue& v) { return v.Get(omUK_kN_cm2); }

    AMaterialMap map;
    std::map<unsigned, std::vector<unsigned>> users;
};

TEST_F(MaterialEditor, AnEmptyMapDisablesTheListAndEverySelectionControl) {
    run([&](CDialog& dlg) {
        EXPECT_FALSE(enabled(dlg, IDC_MATERIAL_LIST));
        for (int id : {IDC_MATERIAL_EDIT, IDC_MATERIAL_DELETE, IDC_MATERIAL_COLOR, IDC_MATERIAL_NAME,
                       IDC_MATERIAL_CHANGE_ID, IDC_MATERIAL_MAKE_DEFAULT})
            EXPECT_FALSE(enabled(dlg, id)) << id;
        EXPECT_EQ(text(dlg, IDC_MATERIAL_DEFAULT), "");
        EXPECT_TRUE(enabled(dlg, IDC_MATERIAL_NEW));
        snapshot(dlg, "material-editor-empty.png");
    });
}

TEST_F(MaterialEditor, NewMaterialsTakeTheValuesOfTheirGradeAndTheNextId) {
    run([&](CDialog& dlg) {
        queueSheet(kConcrete, [](CPropertySheet& sheet, CPropertyPage& page) {
            choose(page, IDC_CONCRETE_CODE, "EN 1992-1-1");
            choose(page, IDC_CONCRETE_GRADE, "C30/37");
            EXPECT_EQ(text(page, IDC_PAGE_NAME), "C30/37");
            snapshot(sheet, "material-page-concrete.png");
        });
        dlg.PressButton(IDC_MATERIAL_NEW);
        queueSheet(kRCSteel, [](CPropertySheet& sheet, CPropertyPage& page) {
            EXPECT_FALSE(enabled(page, IDC_RCSTEEL_E));
            page.SetDlgItemText(IDC_PAGE_NAME, "B500");
            snapshot(sheet, "material-page-reinforcement.png");
        });
        dlg.PressButton(IDC_MATERIAL_NEW);
        queueSheet(kSteel, [](CPropertySheet& sheet, CPropertyPage& page) {
            choose(page, IDC_STEEL_CODE, "EN 1993-1-1");
            choose(page, IDC_STEEL_GRADE, "S355 (t <= 40 mm)");
            snapshot(sheet, "material-page-steel.png");
        });
        dlg.PressButton(IDC_MATERIAL_NEW);
        queueSheet(kGeneric, [](CPropertySheet& sheet, CPropertyPage& page) {
            page.SetDlgItemText(IDC_PAGE_NAME, "");
            typeIn(page, IDC_GM_E, "1000");
            snapshot(sheet, "material-page-generic.png");
        });
        dlg.PressButton(IDC_MATERIAL_NEW);
        auto* list = qobject_cast<QListWidget*>(dlg.GetDlgItem(IDC_MATERIAL_LIST)->GetWidget());
        ASSERT_EQ(list->count(), 4);
        EXPECT_EQ(list->item(0)->text(), "1: C30/37");
        // After a change the first entry is selected.
        EXPECT_EQ(list->currentRow(), 0);
        EXPECT_EQ(text(dlg, IDC_MATERIAL_NAME), "C30/37");
        snapshot(dlg, "material-editor.png");
        dlg.PressButton(IDOK);
    });
    ASSERT_EQ(map.size(), 4u);
    const auto* concrete = dynamic_cast<const omConcrete*>(map.doFind(1));
    ASSERT_NE(concrete, nullptr);
    EXPECT_NEAR(stress(concrete->E(0.0)), 3300.0, 1e-9);
    EXPECT_NEAR(stress(concrete->fck()), 3.0, 1e-9);
    EXPECT_NEAR(stress(concrete->fct()), 0.29, 1e-9);
    const auto* rc = dynamic_cast<const omRCSteel*>(map.doFind(2));
    ASSERT_NE(rc, nullptr);
    EXPECT_NEAR(stress(rc->E(0.0)), 20000.0, 1e-9);
    EXPECT_NEAR(stress(rc->G()), 8076.9, 1e-9);
    EXPECT_EQ(rc->name(), "B500");
    const auto* steel = dynamic_cast<const omSteel*>(map.doFind(3));
    ASSERT_NE(steel, nullptr);
    EXPECT_NEAR(stress(steel->fy()), 35.5, 1e-9);
    EXPECT_NEAR(stress(steel->fu()), 49.0, 1e-9);
    EXPECT_EQ(steel->name(), "S355 (t <= 40 mm)");
    const omMaterial* generic = map.doFind(4);
    ASSERT_NE(generic, nullptr);
    EXPECT_EQ(generic->GetRuntimeClass(), RUNTIME_CLASS(omMaterial));
    EXPECT_EQ(generic->name(), "Unknown");
}

TEST_F(MaterialEditor, AConcreteConfirmedOnTheGenericPageBecomesAGenericMaterialOfTheSameId) {
    auto* concrete = new omConcrete(5);
    concrete->setName("C25");
    concrete->setE(omUnitValue(3100.0, omUK_kN_cm2));
    map.insert(concrete);
    run([&](CDialog& dlg) {
        dialogs.Queue([](CPropertySheet& sheet) {
            EXPECT_EQ(sheet.GetActiveIndex(), kConcrete);
            sheet.SetActivePage(kGeneric);
            sheet.PressButton(PSBTN_OK);
        });
        dlg.PressButton(IDC_MATERIAL_EDIT);
        dlg.PressButton(IDOK);
    });
    const omMaterial* edited = map.doFind(5);
    ASSERT_NE(edited, nullptr);
    EXPECT_EQ(edited->GetRuntimeClass(), RUNTIME_CLASS(omMaterial));
    EXPECT_EQ(map.size(), 1u);
}

TEST_F(MaterialEditor, RenamingChangesTheEntryWhileTypingAndChangeIdChangesNothing) {
    auto* steel = new omSteel(3);
    steel->setName("S235");
    map.insert(steel);
    map.setDefault(3);
    run([&](CDialog& dlg) {
        EXPECT_EQ(text(dlg, IDC_MATERIAL_DEFAULT), "S235");
        dlg.GetDlgItem(IDC_MATERIAL_NAME)->SetWindowText("Beams");
        auto* list = qobject_cast<QListWidget*>(dlg.GetDlgItem(IDC_MATERIAL_LIST)->GetWidget());
        EXPECT_EQ(list->item(0)->text(), "3: Beams");
        EXPECT_EQ(list->currentRow(), 0);
        EXPECT_EQ(text(dlg, IDC_MATERIAL_DEFAULT), "Beams");
        // A name is shown as it is, an "&" in it included.
        dlg.GetDlgItem(IDC_MATERIAL_NAME)->SetWindowText("Beams & Posts");
        EXPECT_EQ(qobject_cast<QLabel*>(dlg.GetDlgItem(IDC_MATERIAL_DEFAULT)->GetWidget())->text(), "Beams & Posts");
        dlg.GetDlgItem(IDC_MATERIAL_NAME)->SetWindowText("Beams");
        dlg.PressButton(IDC_MATERIAL_CHANGE_ID);
        ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
        EXPECT_EQ(prompts.MessageBoxes()[0].text, "This option is not implemented, yet.");
        EXPECT_EQ(prompts.MessageBoxes()[0].caption, "Please, excuse us!");
        prompts.QueueColorAnswer(RGB(10, 20, 30));
        dlg.PressButton(IDC_MATERIAL_COLOR);
        dlg.PressButton(IDOK);
    });
    ASSERT_EQ(map.size(), 1u);
    EXPECT_EQ(map.doFind(3)->name(), "Beams");
    EXPECT_EQ(map.doFind(3)->color(), RGB(10, 20, 30));
}

TEST_F(MaterialEditor, DeletingAsksForUnusedMaterialsAndRefusesUsedOnes) {
    for (unsigned id : {1u, 2u}) {
        auto* m = new omMaterial(id);
        m->setName(id == 1 ? "Used" : "Free");
        map.insert(m);
    }
    users[1] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
    run([&](CDialog& dlg) {
        dlg.PressButton(IDC_MATERIAL_DELETE);
        ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
        EXPECT_EQ(prompts.MessageBoxes()[0].text, "Material 1 is used by members 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, ....");
        chooseRow(dlg, IDC_MATERIAL_LIST, 1);
        EXPECT_EQ(text(dlg, IDC_MATERIAL_NAME), "Free");
        prompts.QueueMessageBoxAnswer(IDNO);
        dlg.PressButton(IDC_MATERIAL_DELETE);
        chooseRow(dlg, IDC_MATERIAL_LIST, 1);
        prompts.QueueMessageBoxAnswer(IDYES);
        dlg.PressButton(IDC_MATERIAL_DELETE);
        dlg.PressButton(IDOK);
    });
    ASSERT_EQ(prompts.MessageBoxes().size(), 3u);
    EXPECT_EQ(prompts.MessageBoxes()[1].text,
              "Deleting selected material might be dangerous!\nYou will have to manualy modify all elements which\n"
              "point to this material id!\n\nDo you want to delete this material?");
    EXPECT_EQ(prompts.MessageBoxes()[1].caption, "Warning");
    EXPECT_EQ(prompts.MessageBoxes()[1].type, static_cast<UINT>(MB_YESNO | MB_ICONEXCLAMATION));
    EXPECT_TRUE(map.exist(1));
    EXPECT_FALSE(map.exist(2));
}

TEST_F(MaterialEditor, AZeroModulusOrAPoissonRatioAboveHalfKeepsTheSheetOpen) {
    struct Case {
        int page;
        int modulus;
        int id;
        const char* typed;
    };
    for (const Case& c : {Case{kGeneric, IDC_GM_E, IDC_GM_E, "0"}, Case{kGeneric, IDC_GM_E, IDC_GM_POISSON, "0.6"},
                          Case{kConcrete, IDC_CONCRETE_E, IDC_CONCRETE_E, "0"},
                          Case{kConcrete, IDC_CONCRETE_E, IDC_CONCRETE_POISSON, "0.6"},
                          Case{kSteel, IDC_STEEL_E, IDC_STEEL_E, "-5"}}) {
        prompts.Clear();
        bool stayedOpen = false;
        run([&](CDialog& dlg) {
            dialogs.Queue([&](CPropertySheet& sheet) {
                sheet.SetActivePage(c.page);
                CPropertyPage& page = *sheet.GetActivePage();
                typeIn(page, c.modulus, "100");
                typeIn(page, c.id, c.typed);
                sheet.PressButton(PSBTN_OK);
                stayedOpen = !sheet.IsEnded();
            });
            dlg.PressButton(IDC_MATERIAL_NEW);
            dlg.PressButton(IDOK);
        });
        EXPECT_TRUE(stayedOpen) << c.typed;
        EXPECT_EQ(prompts.MessageBoxes().size(), 1u) << c.typed;
        EXPECT_TRUE(map.empty()) << c.typed;
    }
}

TEST_F(MaterialEditor, CancelledSheetsAndOkWithoutAPageChangeNothing) {
    run([&](CDialog& dlg) {
        dialogs.Queue([](CPropertySheet& sheet) { sheet.PressButton(PSBTN_CANCEL); });
        dlg.PressButton(IDC_MATERIAL_NEW);
        // Nothing selected: Edit opens no sheet.
        dlg.PressButton(IDC_MATERIAL_EDIT);
        dlg.PressButton(IDOK);
    });
    EXPECT_TRUE(map.empty());
    EXPECT_EQ(dialogs.Runs().size(), 2u);
}

// The Help button of each editor and of each of its pages opens the page
// written for that dialog, titled with the dialog's caption.
TEST_F(MaterialEditor, EveryEditorAndPageHasItsHelpPage) {
    CWinApp helpApp("Strakon");
    helpApp.m_pszHelpFilePath = STRAKON_SOURCE_DIR "/resources/data/Help/Strakon.chm";
    const UINT dialogs[] = {IDD_MATERIAL_EDITOR, IDD_CROSS_SECTION_EDITOR, IDD_GENERIC_MATERIAL,
                            IDD_STEEL_MATERIAL,  IDD_CONCRETE_MATERIAL,     IDD_RCSTEEL_MATERIAL,
                            IDD_CS_RECTANGLE,    IDD_CS_CIRCLE,             IDD_CS_TUBE,
                            IDD_CS_BOX,          IDD_CS_T,                  IDD_CS_DSI,
                            IDD_CS_GENERAL};
    for (UINT id : dialogs) {
        SCOPED_TRACE(id);
        const CDialogTemplate* dialog = CResources::Instance().FindDialog(id);
        ASSERT_NE(dialog, nullptr);
        const CString page = AHelp::Instance()->PageOf(0x20000 + id);
        ASSERT_FALSE(page.empty());
        std::ifstream in(page.c_str());
        const std::string html{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        EXPECT_NE(html.find("<title>" + dialog->caption + "</title>"), std::string::npos) << page;
        EXPECT_EQ(html.find("What the dialog is for."), std::string::npos) << "written out, not a skeleton";
    }
    AHelp::Release();
}

} // namespace
