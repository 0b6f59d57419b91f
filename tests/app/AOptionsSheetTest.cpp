// The Options sheet worked as a user works it: pages opened or not, lists
// chosen, values typed, OK or Cancel, and the settings read back.
#include "app/dialogs/AOptionsSheet.h"

#include "SettingsFixture.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CPropertySheet.h"
#include "platform/ui/CResources.h"
#include "resources/ui/StrakonResources.h"
#include "tests/support/ArtifactsFolder.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>

#include <functional>
#include <string>

namespace {

class OptionsSheet : public SettingsFixture {
protected:
    void SetUp() override {
        SettingsFixture::SetUp();
        AddShellDialogs(CResources::Instance());
    }
    // Runs the options command with a script for the sheet; TRUE after OK.
    BOOL run(const std::function<void(CPropertySheet&)>& script) {
        dialogs.Queue(script);
        return AOptionsSheet::RunOptions();
    }
    static QComboBox* combo(CPropertyPage& page, int id) {
        return qobject_cast<QComboBox*>(page.GetDlgItem(id)->GetWidget());
    }
    static void click(CPropertyPage& page, int id) {
        qobject_cast<QAbstractButton*>(page.GetDlgItem(id)->GetWidget())->click();
    }
    static void type(CPropertyPage& page, int id, const char* text) {
        auto* line = qobject_cast<QLineEdit*>(page.GetDlgItem(id)->GetWidget());
        ASSERT_NE(line, nullptr);
        line->selectAll();
        line->del();
        QTest::keyClicks(line, QString::fromUtf8(text));
    }
    static void snapshot(CPropertySheet& sheet, const std::string& name) {
        sheet.GetWidget()->grab().save(QString::fromStdString((ArtifactsFolder() / name).string()));
    }

    CScriptedPromptService prompts;
    CScriptedDialogService dialogs;
};

TEST_F(OptionsSheet, OkWithoutOpeningUnitsOrGridKeepsThemAndTheWorkingFormatTakesTheOutputFilter) {
    AUnitKeyAttributes::Instance()->length = omUK_mm;
    AOptionsAttributes* options = AOptionsAttributes::Instance();
    options->gridSizeMajor = 0.3;
    options->gridUnitMajor = omUK_dm;
    options->outputFormat = omNumberFormat(5, omNumberFormat::fixed, true, true, 0.001);
    options->workFormat = omNumberFormat(4, omNumberFormat::smart, false, false, 1e-12);
    for (int startPage : {0, 3}) {
        dialogs.Queue([](CPropertySheet& sheet) { sheet.PressButton(PSBTN_OK); });
        ASSERT_TRUE(AOptionsSheet::RunOptions(static_cast<UINT>(startPage))) << startPage;
    }
    EXPECT_EQ(AUnitKeyAttributes::Instance()->length, omUK_mm);
    EXPECT_EQ(options->gridSizeMajor, 0.3);
    EXPECT_EQ(options->gridUnitMajor, omUK_dm);
    EXPECT_TRUE(options->workFormat.getSmallAsZero());
    EXPECT_EQ(options->workFormat.getLimit(), 0.001);
    EXPECT_EQ(options->workFormat.getDigits(), 4u);
}

TEST_F(OptionsSheet, GridPageShowsAndStoresTheTableEntries) {
    struct Case {
        const char* name;
        std::uint32_t storedType;
        double storedMajor;
        double storedMinor;
        bool switchToImperial;
        const char* shownMajor;
        const char* shownMinor;
        const char* shownMajorUnit;
        const char* shownMinorUnit;
        double major;
        double minor;
        omUnitKey majorUnit;
        omUnitKey minorUnit;
    };
    const Case cases[] = {
        {"0.3 is in no table: entry 1", 0, 0.3, 10.0, false, "1", "10", "m", "cm", 1.0, 10.0, omUK_m,
         omUK_cm},
        {"metric stored, imperial shown", 0, 5.0, 0.5, true, "1", "3", "ft", "in", 1.0, 3.0, omUK_ft,
         omUK_in},
        {"the last equal entry", 1, 1.0 / 3, 12.0, false, "1/3", "12", "ft", "in", 1.0 / 3, 12.0, omUK_ft,
         omUK_in},
    };
    for (const Case& c : cases) {
        AOptionsAttributes* options = AOptionsAttributes::Instance();
        options->gridUnitType = c.storedType;
        options->gridSizeMajor = c.storedMajor;
        options->gridSizeMinor = c.storedMinor;
        options->gridUnitMajor = c.storedType == 1 ? omUK_ft : omUK_m;
        options->gridUnitMinor = c.storedType == 1 ? omUK_in : omUK_cm;
        std::string major, minor, majorUnit, minorUnit;
        EXPECT_TRUE(run([&](CPropertySheet& sheet) {
            sheet.SetActivePage(2);
            CPropertyPage& page = *sheet.GetActivePage();
            if (c.switchToImperial) click(page, 1391);
            major = combo(page, 1045)->currentText().toStdString();
            minor = combo(page, 1046)->currentText().toStdString();
            majorUnit = combo(page, 1043)->currentText().toStdString();
            minorUnit = combo(page, 1044)->currentText().toStdString();
            if (c.switchToImperial) snapshot(sheet, "OptionsGridPage.png");
            sheet.PressButton(PSBTN_OK);
        })) << c.name;
        EXPECT_EQ(major, c.shownMajor) << c.name;
        EXPECT_EQ(minor, c.shownMinor) << c.name;
        EXPECT_EQ(majorUnit, c.shownMajorUnit) << c.name;
        EXPECT_EQ(minorUnit, c.shownMinorUnit) << c.name;
        EXPECT_EQ(options->gridSizeMajor, c.major) << c.name;
        EXPECT_EQ(options->gridSizeMinor, c.minor) << c.name;
        EXPECT_EQ(options->gridUnitMajor, c.majorUnit) << c.name;
        EXPECT_EQ(options->gridUnitMinor, c.minorUnit) << c.name;
        EXPECT_EQ(options->gridUnitType, c.switchToImperial ? 1u : c.storedType) << c.name;
    }
}

TEST_F(OptionsSheet, ImperialDefaultsStayAfterCancelAndOkTakesTheListedUnits) {
    AUnitKeyAttributes::Instance()->SetMetricDefaults();
    const omUnitKey metricLength = AUnitKeyAttributes::Instance()->length;
    std::string shown;
    EXPECT_FALSE(run([&](CPropertySheet& sheet) {
        CPropertyPage& units = *sheet.GetActivePage();
        click(units, 1463);
        shown = combo(units, 1043)->currentText().toStdString();
        snapshot(sheet, "OptionsUnitsPage.png");
        sheet.PressButton(PSBTN_CANCEL);
    }));
    EXPECT_NE(omUnitManager::Instance()->Key(shown), metricLength) << shown;
    EXPECT_EQ(AUnitKeyAttributes::Instance()->length, omUnitManager::Instance()->Key(shown)) << "kept after Cancel";

    EXPECT_TRUE(run([&](CPropertySheet& sheet) {
        CPropertyPage& units = *sheet.GetActivePage();
        QComboBox* length = combo(units, 1043);
        length->setCurrentIndex(length->findText("mm"));
        sheet.PressButton(PSBTN_OK);
    }));
    EXPECT_EQ(AUnitKeyAttributes::Instance()->length, omUK_mm);
    AUnitKeyAttributes::Release();
    EXPECT_EQ(AUnitKeyAttributes::Instance()->length, omUK_mm) << "saved";
}

TEST_F(OptionsSheet, ValuesOutOfRangeKeepTheSheetOpenOnTheirPage) {
    struct Case {
        int page;
        int id;
        const char* typed;
        bool refused;
    };
    const Case cases[] = {
        {5, 1044, "20", true}, {5, 1044, "19", false}, {5, 1586, "30", false},  {5, 1586, "31", true},
        {1, 1044, "9", true},  {1, 1045, "10", false}, {1, 1594, "0.02", true},
    };
    for (const Case& c : cases) {
        prompts.Clear();
        bool open = false;
        std::string samples;
        run([&](CPropertySheet& sheet) {
            sheet.SetActivePage(c.page);
            CPropertyPage& page = *sheet.GetActivePage();
            type(page, c.id, c.typed);
            if (c.page == 1 && c.id == 1045 && !c.refused) snapshot(sheet, "OptionsPrecisionPage.png");
            if (c.page == 5) snapshot(sheet, "OptionsAnalysisPage.png");
            sheet.PressButton(PSBTN_OK);
            open = !sheet.IsEnded();
            if (open) sheet.PressButton(PSBTN_CANCEL);
        });
        EXPECT_EQ(open, c.refused) << c.id << " " << c.typed;
        EXPECT_EQ(!prompts.MessageBoxes().empty(), c.refused) << c.id << " " << c.typed;
    }
    EXPECT_EQ(AOptionsAttributes::Instance()->internalPoints, 19u);
    EXPECT_EQ(AOptionsAttributes::Instance()->outputFormat.getDigits(), 10u);
}

TEST_F(OptionsSheet, PersonalizeAndSymbolPagesWriteBackAndTheSymbolsAreSaved) {
    AOptionsAttributes::Instance()->author = "A. Builder";
    EXPECT_TRUE(run([&](CPropertySheet& sheet) {
        sheet.SetActivePage(3);
        CPropertyPage& personal = *sheet.GetActivePage();
        EXPECT_EQ(personal.GetDlgItemText(1044), "A. Builder");
        type(personal, 1045, "Bridges & Co");
        snapshot(sheet, "OptionsPersonalizePage.png");
        sheet.SetActivePage(4);
        CPropertyPage& symbols = *sheet.GetActivePage();
        qobject_cast<QAbstractButton*>(symbols.GetDlgItem(1466)->GetWidget())->setChecked(false);
        snapshot(sheet, "OptionsSymbolPage.png");
        sheet.PressButton(PSBTN_OK);
    }));
    EXPECT_EQ(AOptionsAttributes::Instance()->company, "Bridges & Co");
    EXPECT_FALSE(ADrawAttributes::Instance()->m_showElementAsRect);
    ADrawAttributes::Release();
    EXPECT_FALSE(ADrawAttributes::Instance()->m_showElementAsRect) << "saved";
}

} // namespace
