// The report's text helpers: lookup with its fallbacks, unit headers, values,
// the settings applied to tables and pictures, and the design-page texts.
#include "app/report/AReportText.h"

#include "SettingsFixture.h"
#include "app/report/TranslateOutputString.h"
#include "app/report/omOutputLocaleDB.h"
#include "controls/report/ADrawTable.h"
#include "controls/report/AMetaFileRectPic.h"
#include "model/omCrossSectionRect.h"
#include "model/omGenericCrossSection.h"
#include "model/omSteelDesignData.h"

#include <fstream>

namespace {

class AReportTextTest : public SettingsFixture {
protected:
    void SetUp() override {
        SettingsFixture::SetUp();
        const auto path = dir.path() / "OutputStrings.db";
        std::ofstream(path) << "[English]\n"
                               "\"C-S\", \"Cross-section\"\n"
                               "\"ONLY\", \"English only\"\n"
                               "\"ESW\", \"Support widths\"\n"
                               "\"LFT\", \"left\"\n"
                               "\"RGT\", \"right\"\n"
                               "\"KNT\", \"not considered\"\n"
                               "[Deutsch]\n"
                               "\"C-S\", \"Querschnitt\"\n";
        omOutputLocaleDB::Replace(new omOutputLocaleDB(path));
        AUnitKeyAttributes::Instance()->length = omUK_cm;
    }
    void TearDown() override {
        omOutputLocaleDB::Release();
        SettingsFixture::TearDown();
    }
    AOutputAttributes& output() { return *AOutputAttributes::Instance(); }
};

TEST_F(AReportTextTest, TheOutputLanguageFallsBackToEnglishAndThenToTheKey) {
    output().m_strLanguage = "Deutsch";
    EXPECT_EQ(TranslateOutputString("C-S"), "Querschnitt");
    EXPECT_EQ(TranslateOutputString("ONLY"), "English only");
    EXPECT_EQ(TranslateOutputString("NOPE"), "Error:NOPE");
    output().m_strLanguage = "English";
    EXPECT_EQ(TranslateOutputString("C-S"), "Cross-section");
}

TEST_F(AReportTextTest, FontSizesThatAreNotWholePointsFromOneToTwoHundredTakeTheDefault) {
    const struct {
        const char* text;
        int tenths;
    } cases[] = {{"10", 100}, {"12", 120}, {" 11 ", 110}, {"1", 10},    {"200", 2000},
                 {"abc", 90}, {"", 90},    {"0", 90},     {"-4", 90},   {"201", 90},
                 {"9.5", 90}, {"12pt", 90}};
    for (const auto& c : cases)
        EXPECT_EQ(ReportFontSize(c.text, 9), c.tenths) << '"' << c.text << '"';
}

TEST_F(AReportTextTest, TheUnitLineIsOnePointBelowTheBodySize) {
    const struct {
        const char* normalSize;
        const char* expected;
    } cases[] = {{"10", "Length@{N}@{F:D,90}[cm]"},
                 {"12", "Length@{N}@{F:D,110}[cm]"},
                 {"abc", "Length@{N}@{F:D,90}[cm]"}};
    for (const auto& c : cases) {
        output().m_strNormalSize = c.normalSize;
        EXPECT_EQ(MakeUnitHeaderText("Length", omUK_cm), c.expected) << c.normalSize;
    }
    EXPECT_EQ(MakeUnitHeaderText("x", omUK_NoUnit), "x@{N}@{F:D,90}[]");
}

TEST_F(AReportTextTest, ValuesAreConvertedAndWrittenInTheOutputFormatWithoutTheUnit) {
    AOptionsAttributes::Instance()->outputFormat = omNumberFormat(5, omNumberFormat::fixed, false);
    EXPECT_EQ(FormatReportValue(omUnitValue(1.5, omUK_m), omUK_cm), "150.00");
    EXPECT_EQ(FormatReportValue(omUnitValue(-25.0, omUK_kNcm), omUK_kNm), "-0.25000");
}

TEST_F(AReportTextTest, TablesTakeTheFontsAndTheStyleOfTheSettings) {
    output().m_strHeadFont = "Head Face";
    output().m_strHeadSize = "14";
    const struct {
        const char* style;
        int expected;
    } cases[] = {{"Rows 1", 0}, {"Columns 1", 1}, {"Grid 1", 2}, {"Rows 2", 3}, {"", 3}};
    for (const auto& c : cases) {
        output().m_strTableStyle = c.style;
        ADrawSmartTable table;
        ApplyTableSettings(&table);
        EXPECT_EQ(table.GetStyle(), c.expected) << c.style;
        EXPECT_EQ(table.GetCaption().GetDefaultFont().face, "Head Face");
        EXPECT_EQ(table.GetCaption().GetDefaultFont().size, 140);
    }
}

TEST_F(AReportTextTest, PicturesTakeCaptionFontAndJustificationAndOnlyMappedOnesTheBorder) {
    output().m_strHeadFont = "Head Face";
    output().m_strHeadSize = "nonsense";
    for (bool on : {true, false}) {
        output().m_bPicCenter = on;
        output().m_bPicBorder = on;
        AMetaFileRectPicMap mapped;
        mapped.SetDrawBorder(!on);
        ApplyPictureSettings(&mapped);
        EXPECT_EQ(mapped.GetDrawBorder(), on);
        EXPECT_EQ(mapped.GetCaption().GetJustify(), on ? ATextRect::center : ATextRect::left);
        EXPECT_EQ(mapped.GetCaption().GetDefaultFont().size, 110);
        AMetaFileRectPic plain;
        ApplyPictureSettings(&plain);
        EXPECT_EQ(plain.GetCaption().GetJustify(), on ? ATextRect::center : ATextRect::left);
        EXPECT_EQ(plain.GetCaption().GetDefaultFont().face, "Head Face");
    }
}

TEST_F(AReportTextTest, TheCrossSectionTextListsItsVariablesInTheLengthUnit) {
    omCrossSectionRect rect(0.5, 0.3, omUK_m, 1);
    rect.setName("R50");
    EXPECT_EQ(FormatCrossSectionText(rect), "Cross-section [cm]\n[R50]\n   h = 50.00\n   b = 30.00");
    omGenericCrossSection generic(omUnitValue(10.0, omUK_cm2), omUnitValue(100.0, omUK_cm4), 2);
    generic.setName("G");
    EXPECT_EQ(FormatCrossSectionText(generic), "Cross-section [cm]\n[G]");
}

TEST_F(AReportTextTest, ANegativeSupportWidthIsNotConsidered) {
    omSteelDesignData data;
    data.enableSupportWidth(true);
    data.setLeftSupportWidth(omUnitValue(-1.0, omUK_cm));
    data.setRightSupportWidth(omUnitValue(0.0, omUK_cm));
    EXPECT_EQ(FormatSupportWidthsText(data), "Support widths:\n   left = not considered,\n   right = 0.00 cm");
    data.setLeftSupportWidth(omUnitValue(0.25, omUK_m));
    EXPECT_EQ(FormatSupportWidthsText(data), "Support widths:\n   left = 25.00 cm,\n   right = 0.00 cm");
}

} // namespace
