// The blank-structure wizard run the way File New runs it: entries typed,
// units switched, Finish or Cancel, and the document and options read back.
#include "app/dialogs/AWizardBlankStructure.h"

#include "StrakonDocumentFixture.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CPropertySheet.h"
#include "platform/ui/CResources.h"
#include "resources/ui/StrakonResources.h"
#include "tests/support/ArtifactsFolder.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>

#include <cmath>
#include <string>

namespace {

class BlankStructureWizard : public StrakonDocumentFixture {
protected:
    void SetUp() override {
        StrakonDocumentFixture::SetUp();
        AddShellDialogs(CResources::Instance());
        AOptionsAttributes* options = AOptionsAttributes::Instance();
        options->gridUnitType = 0;
        options->gridUnitMajor = omUK_dm;
        options->gridUnitMinor = omUK_mm;
        options->gridSizeMajor = 5.0;
        options->gridSizeMinor = 0.5;
        options->showGridMinor = false;
        options->author = "A. Builder";
        // Sizes are typed in the user's length unit.
        AUnitKeyAttributes::Instance()->length = omUK_m;
    }
    static QLineEdit* edit(CPropertyPage& page, int id) {
        return qobject_cast<QLineEdit*>(page.GetDlgItem(id)->GetWidget());
    }
    static void type(CPropertyPage& page, int id, const char* text) {
        QLineEdit* line = edit(page, id);
        ASSERT_NE(line, nullptr);
        line->selectAll();
        line->del();
        QTest::keyClicks(line, QString::fromUtf8(text));
    }
    static void snapshot(CPropertySheet& sheet, const char* name) {
        sheet.GetWidget()->grab().save(QString::fromStdString((ArtifactsFolder() / name).string()));
    }
    static double number(const QString& text) { return text.split(' ').first().toDouble(); }

    CScriptedDialogService dialogs;
};

TEST_F(BlankStructureWizard, MetricFiveByTenSetsExtentsGridsAndTheDescription) {
    std::string author;
    dialogs.Queue([&](CPropertySheet& sheet) {
        CPropertyPage& basic = *sheet.GetActivePage();
        type(basic, 1044, "5");
        type(basic, 1045, "10");
        snapshot(sheet, "WizardBasicInformation.png");
        sheet.PressButton(PSBTN_NEXT);
        CPropertyPage& texts = *sheet.GetActivePage();
        author = texts.GetDlgItemText(1048);
        type(texts, 1044, "Hall 3");
        type(texts, 1046, "Depot");
        snapshot(sheet, "WizardStructureInformation.png");
        sheet.PressButton(PSBTN_FINISH);
    });
    ASSERT_TRUE(app.RunBlankStructureWizard(doc.get(), "/work/projects"));
    EXPECT_EQ(author, "A. Builder");
    const AExtents2D& e = doc->GetExtents();
    const struct {
        const omUnitValue& v;
        double value;
    } extents[] = {{e.left, 0.0}, {e.right, 10.0}, {e.top, -5.0}, {e.bottom, 0.0}};
    for (const auto& x : extents) {
        EXPECT_EQ(x.v.GetValue(), x.value);
        EXPECT_EQ(x.v.GetKey(), omUK_m);
    }
    const AOptionsAttributes* options = AOptionsAttributes::Instance();
    EXPECT_EQ(options->gridUnitMajor, omUK_m);
    EXPECT_EQ(options->gridUnitMinor, omUK_cm);
    EXPECT_EQ(options->gridSizeMajor, 1.0);
    EXPECT_EQ(options->gridSizeMinor, 10.0);
    EXPECT_TRUE(options->showGridMajor && options->showGridMinor);
    EXPECT_EQ(doc->GetDocAttributes().title, "Hall 3");
    EXPECT_EQ(doc->GetDocAttributes().project, "Depot");
    EXPECT_EQ(doc->GetDocAttributes().author, "A. Builder");
    EXPECT_EQ(model().getLoadManager()->caseSize(), 2) << "the new structure's defaults were set up";
}

TEST_F(BlankStructureWizard, SwitchingToImperialConvertsTheEntries) {
    QString shownWidth;
    dialogs.Queue([&](CPropertySheet& sheet) {
        CPropertyPage& basic = *sheet.GetActivePage();
        type(basic, 1044, "5");
        type(basic, 1045, "10");
        qobject_cast<QAbstractButton*>(basic.GetDlgItem(1466)->GetWidget())->click();
        shownWidth = edit(basic, 1045)->text();
        sheet.PressButton(PSBTN_FINISH);
    });
    ASSERT_TRUE(app.RunBlankStructureWizard(doc.get(), "/work/projects"));
    // The width edit shows its value's own unit; the height edit keeps the unit it shows in.
    EXPECT_NEAR(number(shownWidth), 10.0 / 0.3048, 0.01) << shownWidth.toStdString();
    const AExtents2D& e = doc->GetExtents();
    EXPECT_NEAR(e.top.GetValue(), -5.0 / 0.3048, 0.01);
    EXPECT_EQ(e.top.GetKey(), omUK_ft);
    EXPECT_NEAR(omUnitManager::Instance()->Convert(e.right.GetValue(), e.right.GetKey(), omUK_m), 10.0, 0.01);
    const AOptionsAttributes* options = AOptionsAttributes::Instance();
    EXPECT_EQ(options->gridUnitType, 1u);
    EXPECT_EQ(options->gridUnitMajor, omUK_ft);
    EXPECT_EQ(options->gridUnitMinor, omUK_in);
    EXPECT_EQ(options->gridSizeMinor, 3.0);
}

TEST_F(BlankStructureWizard, CancelLeavesTheDocumentAndTheOptionsAsTheyWere) {
    const AExtents2D before = doc->GetExtents();
    dialogs.Queue([&](CPropertySheet& sheet) {
        type(*sheet.GetActivePage(), 1044, "5");
        sheet.PressButton(PSBTN_CANCEL);
    });
    EXPECT_FALSE(app.RunBlankStructureWizard(doc.get(), "/work/projects"));
    EXPECT_EQ(doc->GetExtents().top.GetValue(), before.top.GetValue());
    EXPECT_EQ(doc->GetExtents().right.GetValue(), before.right.GetValue());
    const AOptionsAttributes* options = AOptionsAttributes::Instance();
    EXPECT_EQ(options->gridUnitMajor, omUK_dm);
    EXPECT_EQ(options->gridSizeMinor, 0.5);
    EXPECT_FALSE(options->showGridMinor);
    EXPECT_EQ(model().getLoadManager()->caseSize(), 0);
    EXPECT_FALSE(app.RunBlankStructureWizard(nullptr, "/work/projects"));
}

TEST_F(BlankStructureWizard, SizesAreInTheUsersLengthUnitAndOutsideTheirRangeTheyAreRefusedOnThePage) {
    AUnitKeyAttributes::Instance()->length = omUK_cm;
    struct Case {
        int id;
        const char* typed;
        const char* message;
    };
    const Case refused[] = {
        {1044, "-300", "Please enter a number between 0 and 100000000."},
        {1045, "1e300", "Please enter a number between -100000000 and 100000000."},
        {1045, "-5", "Please enter a number between 0 and 100000000."},
    };
    QString unitShown;
    dialogs.Queue([&](CPropertySheet& sheet) {
        CPropertyPage& basic = *sheet.GetActivePage();
        for (const Case& c : refused) {
            SCOPED_TRACE(c.typed);
            type(basic, 1044, "500");
            type(basic, 1045, "1000");
            type(basic, c.id, c.typed);
            const size_t prompted = prompts.MessageBoxes().size();
            sheet.PressButton(PSBTN_NEXT);
            ASSERT_EQ(prompts.MessageBoxes().size(), prompted + 1);
            EXPECT_EQ(prompts.MessageBoxes().back().text, c.message);
            EXPECT_EQ(sheet.GetActivePage(), &basic) << "the wizard stays on the sizes";
            QWidget* field = basic.GetDlgItem(c.id)->GetWidget();
            EXPECT_EQ(field->window()->focusWidget(), field);
        }
        type(basic, 1044, "500");
        type(basic, 1045, "1000");
        // The unit buttons beside the edits name the unit.
        for (QLabel* label : basic.GetWidget()->findChildren<QLabel*>())
            if (label->text() == "cm") unitShown = label->text();
        snapshot(sheet, "WizardBasicInformationCentimetres.png");
        sheet.PressButton(PSBTN_FINISH);
    });
    ASSERT_TRUE(app.RunBlankStructureWizard(doc.get(), "/work/projects"));
    EXPECT_EQ(unitShown, "cm") << "the width shows its unit";
    const AExtents2D& e = doc->GetExtents();
    EXPECT_DOUBLE_EQ(e.right.Get(omUK_m), 10.0);
    EXPECT_DOUBLE_EQ(e.top.Get(omUK_m), -5.0);
}

} // namespace
