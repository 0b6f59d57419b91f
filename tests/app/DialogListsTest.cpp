// Every list of the editors answers a mouse click on one of its rows the way the
// keys always did: the click is a choice, and what depends on it follows.
#include "app/dialogs/ACrossSectionDlg.h"
#include "app/dialogs/ACrossSectionMap.h"
#include "app/dialogs/AMaterialDlg.h"
#include "app/dialogs/AMaterialMap.h"
#include "model/omCrossSectionRect.h"
#include "model/omMaterial.h"
#include "platform/ui/CPropertySheet.h"
#include "tests/app/EditorFixture.h"

#include <QListWidget>
#include <QTest>

#include <functional>
#include <string>

namespace {

class DialogLists : public EditorFixture {
protected:
    // A click on the row where the user clicks: on the item, in the list's viewport.
    static void clickRow(CWnd& window, int id, int row) {
        auto* list = qobject_cast<QListWidget*>(window.GetDlgItem(id)->GetWidget());
        ASSERT_NE(list, nullptr) << id;
        ASSERT_LT(row, list->count()) << id;
        list->scrollToItem(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                          list->visualItemRect(list->item(row)).center());
    }
    static QListWidget* listOf(CWnd& window, int id) {
        return qobject_cast<QListWidget*>(window.GetDlgItem(id)->GetWidget());
    }
};

TEST_F(DialogLists, AClickOnARowOfEveryEditorListIsAChoice) {
    struct Case {
        const char* list;
        // Opens the dialog and runs the script in it.
        std::function<void(const std::function<void(CWnd&)>&)> open;
        int id;
        int row;
        // What the user sees once the row was clicked.
        std::function<void(CWnd&)> check;
    };
    AMaterialMap materials;
    for (unsigned id : {1u, 2u, 3u}) {
        auto* m = new omMaterial(id);
        m->setName("Material " + std::to_string(id));
        materials.insert(m);
    }
    ACrossSectionMap sections;
    for (unsigned id : {1u, 2u}) {
        sections.insert(new omCrossSectionRect(30.0, 50.0 + id, omUK_cm, id));
        sections.find(id)->setName("Section " + std::to_string(id));
    }
    const auto material = [this, &materials](const std::function<void(CWnd&)>& script) {
        dialogs.Queue([script](CDialog& dlg) {
            script(dlg);
            dlg.PressButton(IDCANCEL);
        });
        AMaterialDlg dlg(nullptr, &materials);
        dlg.DoModal();
    };
    const auto crossSection = [this, &sections](const std::function<void(CWnd&)>& script) {
        dialogs.Queue([script](CDialog& dlg) {
            script(dlg);
            dlg.PressButton(IDCANCEL);
        });
        ACrossSectionDlg dlg(nullptr, &sections);
        dlg.DoModal();
    };
    // The I-section page of a new section, with the catalogue switched on (and the IPE group chosen).
    const auto catalogue = [this, &sections](bool ipe) {
        return [this, &sections, ipe](const std::function<void(CWnd&)>& script) {
            dialogs.Queue([this, script, ipe](CDialog& editor) {
                dialogs.Queue([script, ipe](CPropertySheet& sheet) {
                    sheet.SetActivePage(3);
                    CPropertyPage& page = *sheet.GetActivePage();
                    QTest::mouseClick(page.GetDlgItem(IDC_DSI_STANDARD)->GetWidget(), Qt::LeftButton);
                    if (ipe) {
                        QListWidget* groups = listOf(page, IDC_DSI_GROUP);
                        const QList<QListWidgetItem*> found = groups->findItems("IPE", Qt::MatchExactly);
                        ASSERT_EQ(found.size(), 1);
                        clickRow(page, IDC_DSI_GROUP, groups->row(found.front()));
                    }
                    script(page);
                    sheet.PressButton(PSBTN_CANCEL);
                });
                editor.PressButton(IDC_CS_NEW);
                editor.PressButton(IDCANCEL);
            });
            ACrossSectionDlg dlg(nullptr, &sections);
            dlg.DoModal();
        };
    };
    const Case cases[] = {
        {"materials", material, IDC_MATERIAL_LIST, 1,
         [](CWnd& dlg) {
             EXPECT_EQ(text(dlg, IDC_MATERIAL_ID), "2");
             EXPECT_EQ(text(dlg, IDC_MATERIAL_NAME), "Material 2");
         }},
        {"materials, the last row", material, IDC_MATERIAL_LIST, 2,
         [](CWnd& dlg) { EXPECT_EQ(text(dlg, IDC_MATERIAL_ID), "3"); }},
        {"cross-sections", crossSection, IDC_CS_LIST, 1,
         [](CWnd& dlg) {
             EXPECT_EQ(text(dlg, IDC_CS_ID), "2");
             EXPECT_EQ(text(dlg, IDC_CS_NAME), "Section 2");
         }},
        {"section groups", catalogue(false), IDC_DSI_GROUP, 1,
         [](CWnd& page) {
             EXPECT_GT(listOf(page, IDC_DSI_SECTION)->count(), 0) << "the group's sections are listed";
             EXPECT_EQ(text(page, IDC_PAGE_NAME), "");
         }},
        {"sections of the IPE group", catalogue(true), IDC_DSI_SECTION, 4,
         [](CWnd& page) {
             const std::string section = listOf(page, IDC_DSI_SECTION)->item(4)->text().toStdString();
             EXPECT_EQ(section.rfind("IPE ", 0), 0u) << section;
             EXPECT_EQ(text(page, IDC_PAGE_NAME), section);
             EXPECT_GT(std::stod(text(page, IDC_CS_VALUE_A)), 0.0);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list);
        bool ran = false;
        c.open([&](CWnd& window) {
            ran = true;
            clickRow(window, c.id, c.row);
            CListBox* list = dynamic_cast<CListBox*>(window.GetDlgItem(c.id));
            ASSERT_NE(list, nullptr);
            EXPECT_EQ(list->GetCurSel(), c.row);
            c.check(window);
        });
        EXPECT_TRUE(ran);
    }
}

} // namespace
