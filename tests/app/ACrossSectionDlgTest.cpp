// The cross-section editor and its pages worked as a user does, with the
// shipped I-section catalogue and metric units.
#include "app/dialogs/ACrossSectionDlg.h"
#include "app/dialogs/ACrossSectionMap.h"
#include "app/dialogs/ACrossSectionPages.h"
#include "app/dialogs/ADSICS.h"
#include "app/shell/APath.h"
#include "model/omCrossSectionBox.h"
#include "model/omCrossSectionCircle.h"
#include "model/omCrossSectionRect.h"
#include "model/omCrossSectionStandardI.h"
#include "model/omCrossSectionTube.h"
#include "platform/ui/CPropertySheet.h"
#include "tests/app/EditorFixture.h"

#include <QLineEdit>

namespace {

constexpr int kGeneral = 0, kRectangle = 1, kCircle = 2, kDSI = 3, kT = 4, kTube = 5, kBox = 6;

class CrossSectionEditor : public EditorFixture {
protected:
    int run(const std::function<void(CDialog&)>& script) {
        dialogs.Queue(script);
        ACrossSectionDlg dlg(nullptr, &map);
        return static_cast<int>(dlg.DoModal());
    }
    void queueSheet(int page, const std::function<void(CPropertySheet&, CPropertyPage&)>& fill) {
        dialogs.Queue([page, fill](CPropertySheet& sheet) {
            sheet.SetActivePage(page);
            fill(sheet, *sheet.GetActivePage());
            sheet.PressButton(PSBTN_OK);
        });
    }
    // Types a value and leaves the edit, as the user does.
    static void enter(CPropertyPage& page, int id, const char* value) {
        typeIn(page, id, value);
        page.SendMessage(WM_COMMAND, MAKELONG(id, EN_KILLFOCUS),
                         reinterpret_cast<LPARAM>(page.GetDlgItem(id)->m_hWnd));
    }
    static double number(CWnd& page, int id) { return std::stod(text(page, id)); }

    ACrossSectionMap map;
};

TEST_F(CrossSectionEditor, ARefusedDimensionKeepsTheSheetOpenOnItsFieldWithTheTypedValues) {
    struct Case {
        int page;
        std::vector<std::pair<int, const char*>> typed;
        int failing;
        const char* message;
        std::pair<int, const char*> mended;
    };
    const Case cases[] = {
        {kRectangle, {{IDC_RECT_DEPTH, "0"}, {IDC_RECT_BREADTH, "30"}}, IDC_RECT_DEPTH,
         "The height must be a number greater than 0.", {IDC_RECT_DEPTH, "50"}},
        {kRectangle, {{IDC_RECT_DEPTH, "50"}, {IDC_RECT_BREADTH, "-3"}}, IDC_RECT_BREADTH,
         "The breadth must be a number greater than 0.", {IDC_RECT_BREADTH, "30"}},
        {kTube, {{IDC_TUBE_D, "100"}, {IDC_TUBE_T, "60"}}, IDC_TUBE_T,
         "The thickness does not fit the other dimensions of the section.", {IDC_TUBE_T, "6"}},
        {kDSI, {{IDC_DSI_H, "300"}, {IDC_DSI_B, "150"}, {IDC_DSI_T, "7"}, {IDC_DSI_D, "160"}, {IDC_DSI_W, "4"}},
         IDC_DSI_D, "The flange thickness does not fit the other dimensions of the section.", {IDC_DSI_D, "10"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        map.copy(ACrossSectionMap());
        const size_t prompted = prompts.MessageBoxes().size();
        run([&](CDialog& dlg) {
            dialogs.Queue([&](CPropertySheet& sheet) {
                sheet.SetActivePage(c.page);
                CPropertyPage& page = *sheet.GetActivePage();
                for (const auto& [id, value] : c.typed)
                    typeIn(page, id, value);
                sheet.PressButton(PSBTN_OK);
                EXPECT_FALSE(sheet.IsEnded()) << "the sheet stays open";
                ASSERT_EQ(prompts.MessageBoxes().size(), prompted + 1);
                EXPECT_EQ(prompts.MessageBoxes().back().text, c.message);
                QWidget* field = page.GetDlgItem(c.failing)->GetWidget();
                EXPECT_EQ(field->window()->focusWidget(), field) << "on the field that failed";
                for (const auto& [id, value] : c.typed) {
                    if (id != c.failing) {
                        EXPECT_EQ(text(page, id), value) << "the input is kept";
                    }
                }
                typeIn(page, c.mended.first, c.mended.second);
                sheet.PressButton(PSBTN_OK);
                EXPECT_TRUE(sheet.IsEnded());
            });
            dlg.PressButton(IDC_CS_NEW);
            dlg.PressButton(IDOK);
        });
        EXPECT_EQ(map.size(), 1u) << "the mended section is made";
        EXPECT_EQ(prompts.MessageBoxes().size(), prompted + 1) << prompts.MessageBoxes().back().text;
    }
}

TEST_F(CrossSectionEditor, AGeneralSectionWithoutAreaIsRefusedOnTheAreaField) {
    run([&](CDialog& dlg) {
        dialogs.Queue([&](CPropertySheet& sheet) {
            sheet.SetActivePage(kGeneral);
            CPropertyPage& page = *sheet.GetActivePage();
            typeIn(page, IDC_GCS_IY, "1000");
            typeIn(page, IDC_GCS_HEIGHT, "20");
            typeIn(page, IDC_GCS_BREADTH, "10");
            sheet.PressButton(PSBTN_OK);
            EXPECT_FALSE(sheet.IsEnded());
            ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
            EXPECT_EQ(prompts.MessageBoxes()[0].text, "The area A must be a number greater than 0.");
            QWidget* field = page.GetDlgItem(IDC_GCS_A)->GetWidget();
            EXPECT_EQ(field->window()->focusWidget(), field);
        });
        dlg.PressButton(IDC_CS_NEW);
        dlg.PressButton(IDOK);
    });
    EXPECT_TRUE(map.empty()) << "the sheet left open was cancelled";
}

TEST_F(CrossSectionEditor, ARectangleConfirmedOnTheCirclePageBecomesACircleUnlessTheDiameterIsInvalid) {
    map.insert(new omCrossSectionRect(30.0, 50.0, omUK_cm, 4));
    map.find(4)->setName("R");
    run([&](CDialog& dlg) {
        dialogs.Queue([](CPropertySheet& sheet) {
            EXPECT_EQ(sheet.GetActiveIndex(), kRectangle);
            sheet.SetActivePage(kCircle);
            typeIn(*sheet.GetActivePage(), IDC_CIRCLE_DIAMETER, "0");
            sheet.PressButton(PSBTN_OK);
            EXPECT_FALSE(sheet.IsEnded()) << "the zero diameter keeps the sheet open; it is cancelled";
        });
        dlg.PressButton(IDC_CS_EDIT);
        ASSERT_NE(dynamic_cast<omCrossSectionRect*>(map.find(4)), nullptr);
        dialogs.Queue([](CPropertySheet& sheet) {
            sheet.SetActivePage(kCircle);
            typeIn(*sheet.GetActivePage(), IDC_CIRCLE_DIAMETER, "20");
            sheet.PressButton(PSBTN_OK);
        });
        dlg.PressButton(IDC_CS_EDIT);
        dlg.PressButton(IDOK);
    });
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u) << prompts.MessageBoxes()[1].text;
    EXPECT_EQ(prompts.MessageBoxes()[0].text, "The diameter must be a number greater than 0.");
    auto* circle = dynamic_cast<omCrossSectionCircle*>(map.find(4));
    ASSERT_NE(circle, nullptr);
    EXPECT_DOUBLE_EQ(circle->getVariable(1).Get(omUK_cm), 20.0);
    EXPECT_EQ(map.size(), 1u);
}

TEST_F(CrossSectionEditor, TheCatalogueGivesIpe300AndIsSelectedAgainWhenEdited) {
    run([&](CDialog& dlg) {
        queueSheet(kDSI, [](CPropertySheet& sheet, CPropertyPage& page) {
            EXPECT_TRUE(page.GetDlgItem(IDC_DSI_GROUP)->GetWidget()->isHidden());
            snapshot(sheet, "section-page-i-own.png");
            page.PressButton(IDC_DSI_STANDARD);
            EXPECT_FALSE(page.GetDlgItem(IDC_DSI_GROUP)->GetWidget()->isHidden());
            chooseRow(page, IDC_DSI_GROUP, 0);
            auto* sections = qobject_cast<QListWidget*>(page.GetDlgItem(IDC_DSI_SECTION)->GetWidget());
            const QList<QListWidgetItem*> found = sections->findItems("IPE 300", Qt::MatchExactly);
            ASSERT_EQ(found.size(), 1);
            chooseRow(page, IDC_DSI_SECTION, sections->row(found[0]));
            EXPECT_EQ(text(page, IDC_PAGE_NAME), "IPE 300");
            EXPECT_NEAR(number(page, IDC_CS_VALUE_A), 53.81, 0.01);
            EXPECT_NEAR(number(page, IDC_CS_VALUE_IY), 8356.1, 0.5);
            snapshot(sheet, "section-page-i-catalogue.png");
        });
        dlg.PressButton(IDC_CS_NEW);
        queueSheet(kDSI, [](CPropertySheet&, CPropertyPage& page) {
            EXPECT_EQ(page.IsDlgButtonChecked(IDC_DSI_STANDARD), static_cast<UINT>(BST_CHECKED));
            auto* groups = qobject_cast<QListWidget*>(page.GetDlgItem(IDC_DSI_GROUP)->GetWidget());
            auto* sections = qobject_cast<QListWidget*>(page.GetDlgItem(IDC_DSI_SECTION)->GetWidget());
            ASSERT_NE(groups->currentItem(), nullptr);
            EXPECT_EQ(groups->currentItem()->text(), "IPE");
            ASSERT_NE(sections->currentItem(), nullptr);
            EXPECT_EQ(sections->currentItem()->text(), "IPE 300");
            page.PressButton(IDC_DSI_SWAP);
            // The page shows the work format's four digits; the section's own value is checked below.
            EXPECT_NEAR(number(page, IDC_CS_VALUE_IY), 603.78, 0.05);
        });
        dlg.PressButton(IDC_CS_EDIT);
        snapshot(dlg, "section-editor.png");
        dlg.PressButton(IDOK);
    });
    auto* ipe = dynamic_cast<omCrossSectionStandardI*>(map.find(1));
    ASSERT_NE(ipe, nullptr);
    EXPECT_EQ(ipe->getSectionName(), "IPE 300");
    EXPECT_EQ(ipe->getGroup(), "IPE");
    EXPECT_TRUE(ipe->changeAxis());
    EXPECT_NEAR(ipe->Iy(), 603.78, 0.01);
}

TEST_F(CrossSectionEditor, ClearingTheCatalogueBoxGivesAnOwnDimensionISectionWithTheSameId) {
    omAsciiDB<omStandardSectionIRecord> catalogue(APath::Instance()->ParentPath("Common\\DB\\StandardSectionsI.db").c_str());
    catalogue.getRecords("IPE");
    const omStandardSectionIRecord* record = catalogue.findFirstRecord("IPE 200", 0);
    ASSERT_NE(record, nullptr);
    map.insert(new omCrossSectionStandardI("IPE", *record, 7));
    run([&](CDialog& dlg) {
        queueSheet(kDSI, [](CPropertySheet&, CPropertyPage& page) {
            page.PressButton(IDC_DSI_STANDARD);
            typeIn(page, IDC_DSI_H, "300"); // mm, the metric length unit
        });
        dlg.PressButton(IDC_CS_EDIT);
        dlg.PressButton(IDOK);
    });
    const omCrossSection* own = map.find(7);
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(own->type(), csIDS);
    EXPECT_DOUBLE_EQ(own->getVariable(1).Get(omUK_cm), 30.0);
}

TEST_F(CrossSectionEditor, TheCatalogueWithNothingChosenIsRefused) {
    run([&](CDialog& dlg) {
        // The sheet is pressed once only: it stays open and is then closed unaccepted.
        dialogs.Queue([&](CPropertySheet& sheet) {
            sheet.SetActivePage(kDSI);
            CPropertyPage& page = *sheet.GetActivePage();
            page.PressButton(IDC_DSI_STANDARD);
            sheet.PressButton(PSBTN_OK);
            EXPECT_FALSE(sheet.IsEnded());
            QWidget* list = page.GetDlgItem(IDC_DSI_SECTION)->GetWidget();
            EXPECT_EQ(list->window()->focusWidget(), list);
        });
        dlg.PressButton(IDC_CS_NEW);
        dlg.PressButton(IDOK);
    });
    EXPECT_TRUE(map.empty());
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_EQ(prompts.MessageBoxes()[0].text, "Please choose a section from the list.");
}

TEST_F(CrossSectionEditor, PreviewsShowValuesOfProperSectionsOnlyAndEveryPageIsDrawn) {
    struct Case {
        int page;
        const char* picture;
        std::vector<std::pair<int, const char*>> dimensions;
        double A, Iy, Wy, iy;
    };
    const std::vector<Case> cases = {
        {kRectangle, "section-page-rectangle.png", {{IDC_RECT_DEPTH, "50"}, {IDC_RECT_BREADTH, "30"}}, 1500, 312500,
         12500, 14.43},
        {kBox,
         "section-page-box.png",
         {{IDC_BOX_H, "30"}, {IDC_BOX_H + 1, "20"}, {IDC_BOX_H + 2, "1"}, {IDC_BOX_H + 3, "1.5"}, {IDC_BOX_H + 4, "0"},
          {IDC_BOX_H + 5, "0"}},
         114, 15475.5, -1, -1},
        {kTube, "section-page-tube.png", {{IDC_TUBE_D, "10"}, {IDC_TUBE_T, "6"}}, 0, 0, 0, 0},
        {kCircle, "section-page-circle.png", {{IDC_CIRCLE_DIAMETER, "0"}}, 0, 0, 0, 0},
        {kT, "section-page-t.png", {{IDC_T_DEPTH, "40"}, {IDC_T_DEPTH + 1, "30"}, {IDC_T_DEPTH + 2, "0"}, {IDC_T_DEPTH + 3, "2"}}, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        run([&](CDialog& dlg) {
            dialogs.Queue([&](CPropertySheet& sheet) {
                sheet.SetActivePage(c.page);
                CPropertyPage& page = *sheet.GetActivePage();
                for (const auto& [id, value] : c.dimensions)
                    enter(page, id, value);
                EXPECT_NEAR(number(page, IDC_CS_VALUE_A), c.A, 0.01) << c.picture;
                // Four significant digits are shown: 15475.5 reads 15476.
                EXPECT_NEAR(number(page, IDC_CS_VALUE_IY), c.Iy, 0.5) << c.picture;
                if (c.Wy >= 0) {
                    EXPECT_NEAR(number(page, IDC_CS_VALUE_WY), c.Wy, 0.1) << c.picture;
                }
                if (c.iy >= 0) {
                    EXPECT_NEAR(number(page, IDC_CS_VALUE_IY_RADIUS), c.iy, 0.01) << c.picture;
                }
                snapshot(sheet, c.picture);
                sheet.PressButton(PSBTN_CANCEL);
            });
            dlg.PressButton(IDC_CS_NEW);
            dlg.PressButton(IDOK);
        });
    }
    run([&](CDialog& dlg) {
        dialogs.Queue([&](CPropertySheet& sheet) {
            sheet.SetActivePage(kGeneral);
            snapshot(sheet, "section-page-general.png");
            sheet.PressButton(PSBTN_CANCEL);
        });
        dlg.PressButton(IDC_CS_NEW);
        dlg.PressButton(IDOK);
    });
}

} // namespace
