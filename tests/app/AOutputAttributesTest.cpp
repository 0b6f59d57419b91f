#include "app/report/AOutputAttributes.h"

#include "SettingsFixture.h"

#include "controls/ASymbol.h"
#include "model/omDofStructureType.h"
#include "model/omEnvelope.h"
#include "model/omLoadCase.h"
#include "model/omLoadGroup.h"
#include "model/omLoadManager.h"
#include "platform/core/CArchive.h"
#include "platform/core/Exceptions.h"

#include <cmath>

namespace {

const std::string kOutput = "Software\\Orvex\\Strakon\\Output";

using Lists = std::vector<std::string>;

class AOutputAttributesTest : public SettingsFixture {};

TEST_F(AOutputAttributesTest, AnEmptyStoreGivesTheDefaultsAndMakesTheSixKeys) {
    const AOutputAttributes* o = AOutputAttributes::Instance();
    EXPECT_TRUE(o->m_bPicBorder);
    EXPECT_EQ(o->m_nPicPosition, 3);
    EXPECT_FALSE(o->m_bPicCenter);
    EXPECT_EQ(o->m_strCaptionFont, "Arial");
    EXPECT_EQ(o->m_strCaptionSize, "13");
    EXPECT_EQ(o->m_strHeadSize, "11");
    EXPECT_EQ(o->m_strNormalSize, "10");
    EXPECT_EQ(o->m_strTableStyle, "Rows 1");
    EXPECT_EQ(o->m_strLanguage, "English");
    EXPECT_FALSE(o->m_bGDIPrintFix);
    EXPECT_EQ(o->m_strFrontPageFont, "Arial");
    EXPECT_EQ(o->m_strHeadFont, "Arial");
    EXPECT_EQ(o->m_strNormalFont, "Arial");
    EXPECT_FALSE(o->m_bMirrorMargins);
    EXPECT_EQ(o->m_nPrintType, 0);
    EXPECT_EQ(o->m_nColorType, 0);
    EXPECT_FALSE(o->m_bPrintFrontPage);
    EXPECT_FALSE(o->m_bPrintKeywords);
    EXPECT_TRUE(o->m_bPrintTitle && o->m_bPrintSubtitle && o->m_bPrintText && o->m_bPrintLogo &&
                o->m_bPrintInvestor && o->m_bPrintAuthor && o->m_bPrintFile && o->m_bPrintProject);
    for (const CString* text : {&o->m_strFootLeft, &o->m_strFootMiddle, &o->m_strFootRight, &o->m_strHeadLeft,
                                &o->m_strHeadMiddle, &o->m_strHeadRight})
        EXPECT_EQ(*text, "");
    const double margins[] = {2.0, 2.5, 1.0, 2.0, 1.3, 1.5, 2.0, 2.5, 1.0, 1.5, 1.3, 1.0};
    for (int i = 0; i < AOutputAttributes::marginCount; ++i)
        EXPECT_EQ(o->m_margins[i].Get(omUK_cm), margins[i]) << i;
    EXPECT_DOUBLE_EQ(o->GetLeftMarginStd(omUK_mm).GetValue(), 25.0);
    EXPECT_EQ(o->GetLeftMarginStd(omUK_mm).GetKey(), omUK_mm);
    EXPECT_TRUE(o->m_bActionPic && o->m_bActionTab && o->m_bLoadCaseTab);
    EXPECT_EQ(o->m_nCSTabType, 1);
    EXPECT_EQ(o->m_nElementTabType, 1);
    EXPECT_EQ(o->m_nMaterialTabType, 1);
    EXPECT_EQ(o->m_nNodeTabType, 1);
    EXPECT_FALSE(o->m_bActionPicSec);
    EXPECT_TRUE(o->m_bGeometryPic);
    const bool results[7][4] = {{true, false, true, false},   {true, false, true, false},
                                {true, false, true, false},   {false, true, false, false},
                                {false, false, false, false}, {false, false, false, false},
                                {false, true, true, false}};
    for (int k = 0; k < 7; ++k)
        for (int p = 0; p < 4; ++p)
            EXPECT_EQ(o->m_bResult[k][p], results[k][p]) << k << " " << p;
    EXPECT_TRUE(o->m_bIntForcesTab && o->m_bDisplTab && o->m_bReactionsTab && o->m_bEnvelopesTab &&
                o->m_bDesignResults);
    ARegistry reg;
    reg.Connect(HKEY_CURRENT_USER);
    for (const char* section :
         {"\\General", "\\Front Page", "\\Header Footer", "\\Margins", "\\Geometry-Load", "\\Results"})
        EXPECT_TRUE(reg.Open(kOutput + section)) << section;
}

TEST_F(AOutputAttributesTest, SavedSettingsComeBackWithTheStoresSpelling) {
    AOutputAttributes* o = AOutputAttributes::Instance();
    o->m_bPrintTitle = false;
    o->m_bResult[AOutputAttributes::resCP][AOutputAttributes::picSec] = true;
    o->m_margins[AOutputAttributes::footSec] = omUnitValue(12.0, omUK_mm);
    o->m_strTableStyle = "Grid 1";
    o->m_bGDIPrintFix = true;
    o->Save();
    EXPECT_TRUE(ASymText::GetFixFontPrintRotation());
    AOutputAttributes::Release();
    restart();
    ARegistry reg;
    ASSERT_TRUE(reg.OpenOrCreate(kOutput + "\\Front Page"));
    EXPECT_FALSE(reg.GetBool("Print sitle", true));
    ASSERT_TRUE(reg.OpenOrCreate(kOutput + "\\Results"));
    EXPECT_TRUE(reg.GetBool("CP pic sec", false));
    reg.Close();
    ASymText::SetFixFontPrintRotation(false);
    const AOutputAttributes* r = AOutputAttributes::Instance();
    EXPECT_FALSE(r->m_bPrintTitle);
    EXPECT_TRUE(r->m_bResult[AOutputAttributes::resCP][AOutputAttributes::picSec]);
    EXPECT_DOUBLE_EQ(r->GetFootMarginSec(omUK_cm).GetValue(), 1.2);
    EXPECT_EQ(r->m_strTableStyle, "Grid 1");
    EXPECT_TRUE(ASymText::GetFixFontPrintRotation()) << "loading hands the switch on";
    ASymText::SetFixFontPrintRotation(false);
}

TEST_F(AOutputAttributesTest, ValuesOutOfRangeLoadAsTheirDefaults) {
    write((kOutput + "\\General").c_str(), [](ARegistry& reg) {
        reg.SetDword("Pic position", 9);
        reg.SetString("Table style", "Rows 3");
        reg.SetString("Caption size", "-4");
        reg.SetString("Head size", "large");
        reg.SetString("Normal size", "12");
    });
    write((kOutput + "\\Margins").c_str(), [](ARegistry& reg) {
        const float shortMargin = 3.0f;
        reg.SetBinary("Top std", &shortMargin, sizeof shortMargin);
        reg.SetDouble("Left std", -1.0);
        reg.SetDouble("Right std", std::numeric_limits<double>::infinity());
        reg.SetDouble("Bottom std", 0.0);
        // Wider than the body of an A4 page allows; the widest that is kept.
        reg.SetDouble("Head std", 10.5);
        reg.SetDouble("Foot std", 10.0);
    });
    write((kOutput + "\\Geometry-Load").c_str(), [](ARegistry& reg) {
        reg.SetDword("CS tab type", 3);
        reg.SetDword("Node tab type", 2);
    });
    const AOutputAttributes* o = AOutputAttributes::Instance();
    EXPECT_EQ(o->m_nPicPosition, 3);
    EXPECT_EQ(o->m_strTableStyle, "Rows 1");
    EXPECT_EQ(o->m_strCaptionSize, "13");
    EXPECT_EQ(o->m_strHeadSize, "11");
    EXPECT_EQ(o->m_strNormalSize, "12");
    EXPECT_EQ(o->GetTopMarginStd(omUK_cm).GetValue(), 2.0) << "a 4-byte margin";
    EXPECT_EQ(o->GetLeftMarginStd(omUK_cm).GetValue(), 2.5);
    EXPECT_EQ(o->GetRightMarginStd(omUK_cm).GetValue(), 1.0);
    EXPECT_EQ(o->GetBottomMarginStd(omUK_cm).GetValue(), 0.0) << "no margin is a margin";
    EXPECT_EQ(o->GetHeadMarginStd(omUK_cm).GetValue(), 1.3) << "more than 10 cm";
    EXPECT_EQ(o->GetFootMarginStd(omUK_cm).GetValue(), 10.0);
    EXPECT_EQ(o->m_nCSTabType, 1);
    EXPECT_EQ(o->m_nNodeTabType, 2);
}

omLoadManager model(const Lists& groups, const Lists& cases, const Lists& envelopes) {
    omLoadManager loads;
    for (const std::string& name : groups)
        loads.addGroup(omLoadGroup(name));
    for (const std::string& name : cases) {
        loads.addCase(new omLoadCase(name, omLoadCase::lsUltimate, omDofStrakonStructureType::instance()),
                      false);
    }
    for (const std::string& name : envelopes) {
        auto* env = new omEnvelope;
        env->setName(name);
        loads.addEnvelope(env);
    }
    return loads;
}

TEST_F(AOutputAttributesTest, NameListsFollowTheModel) {
    const struct {
        const char* what;
        Lists all, print, dontPrint;
        Lists expectedPrint, expectedDontPrint;
    } cases[] = {
        {"new names", {"G", "Q", "[EN]: max"}, {}, {}, {"G", "Q"}, {"[EN]: max"}},
        {"names keep their list and place", {"G", "Q", "W"}, {"W", "G"}, {"Q"}, {"W", "G"}, {"Q"}},
        {"a renamed group", {"G", "Snow"}, {"G", "Q"}, {}, {"G", "Snow"}, {}},
        {"a renamed group that was not printed", {"G", "Snow"}, {"G"}, {"Q"}, {"G", "Snow"}, {}},
        {"case-sensitive", {"g"}, {"G"}, {}, {"g"}, {}},
        {"an envelope the user printed", {"[EN]: max"}, {"[EN]: max"}, {}, {"[EN]: max"}, {}},
    };
    for (const auto& c : cases) {
        Lists print = c.print, dontPrint = c.dontPrint;
        AOutputStructureAttributes::ReconcileNameLists(c.all, print, dontPrint);
        EXPECT_EQ(print, c.expectedPrint) << c.what;
        EXPECT_EQ(dontPrint, c.expectedDontPrint) << c.what;
    }

    AOutputStructureAttributes s;
    const omLoadManager loads = model({"Dead", "Live"}, {"ULS", "SLS"}, {"Max"});
    s.UpdateActionLists(loads);
    s.UpdateResultLists(loads);
    EXPECT_EQ(s.m_printedActions, (Lists{"Dead", "Live"}));
    EXPECT_EQ(s.m_printedResults, (Lists{"[LC]: ULS", "[LC]: SLS"}));
    EXPECT_EQ(s.m_unprintedResults, (Lists{"[EN]: Max"}));
}

TEST_F(AOutputAttributesTest, TheDescriptionBreaksLinesForTheTextBlock) {
    AOutputStructureAttributes s;
    s.m_strDescription = "Hall\r\nspan 20 m\r\n\r\nsnow\n";
    EXPECT_EQ(s.GetDescription(), "Hall@{N}span 20 m@{N}@{N}snow\n");
}

// The record as another writer makes it: little-endian words and strings with
// a one-byte length.
std::vector<std::uint8_t> record(std::uint32_t version, const std::vector<Lists>& lists, bool withDescription,
                                 std::uint32_t use, const std::string& description) {
    std::vector<std::uint8_t> out;
    auto word = [&out](std::uint32_t w) {
        for (int i = 0; i < 4; ++i)
            out.push_back(static_cast<std::uint8_t>(w >> (8 * i)));
    };
    auto text = [&out](const std::string& s) {
        out.push_back(static_cast<std::uint8_t>(s.size()));
        out.insert(out.end(), s.begin(), s.end());
    };
    word(version);
    for (const Lists& list : lists) {
        word(static_cast<std::uint32_t>(list.size()));
        for (const std::string& s : list)
            text(s);
    }
    if (withDescription) {
        word(use);
        text(description);
    }
    return out;
}

TEST_F(AOutputAttributesTest, TheStructureRecordHasItsBytesInBothVersions) {
    AOutputStructureAttributes s;
    s.m_printedActions = {"Dead", "Live"};
    s.m_unprintedActions = {};
    s.m_printedResults = {"[LC]: ULS"};
    s.m_unprintedResults = {"[EN]: Max"};
    s.m_bUseDescription = true;
    s.m_strDescription = "Hall";
    CArchive out(CArchive::store);
    s.SerializeRecord(out);
    const auto written = out.Detach();
    EXPECT_EQ(written, record(10001, {{"Dead", "Live"}, {}, {"[LC]: ULS"}, {"[EN]: Max"}}, true, 1, "Hall"));

    AOutputStructureAttributes read;
    CArchive in(CArchive::load, written);
    read.SerializeRecord(in);
    EXPECT_EQ(in.BytesLeft(), 0u);
    EXPECT_EQ(read.m_printedActions, s.m_printedActions);
    EXPECT_EQ(read.m_unprintedResults, s.m_unprintedResults);
    EXPECT_TRUE(read.m_bUseDescription);
    EXPECT_EQ(read.m_strDescription, "Hall");

    // The first version ends after the lists and keeps the description.
    AOutputStructureAttributes old;
    old.m_printedActions = {"gone"};
    old.m_strDescription = "kept";
    old.m_bUseDescription = true;
    CArchive first(CArchive::load, record(10000, {{"A"}, {"B"}, {}, {"[LC]: C"}}, false, 0, ""));
    old.SerializeRecord(first);
    EXPECT_EQ(first.BytesLeft(), 0u);
    EXPECT_EQ(old.m_printedActions, (Lists{"A"}));
    EXPECT_EQ(old.m_unprintedActions, (Lists{"B"}));
    EXPECT_EQ(old.m_unprintedResults, (Lists{"[LC]: C"}));
    EXPECT_EQ(old.m_strDescription, "kept");
    EXPECT_TRUE(old.m_bUseDescription);
}

TEST_F(AOutputAttributesTest, AShortOrOverlongRecordIsRefusedAndChangesNothing) {
    auto bytes = record(10001, {{"A"}, {}, {}, {}}, true, 1, "x");
    std::vector<std::vector<std::uint8_t>> bad = {
        std::vector<std::uint8_t>(bytes.begin(), bytes.end() - 3),
        record(10001, {{"A"}}, false, 0, ""),
    };
    // A count far beyond the bytes that follow.
    bad.push_back(bytes);
    bad.back()[4] = 0xFF;
    bad.back()[7] = 0x7F;
    for (const auto& b : bad) {
        AOutputStructureAttributes s;
        s.m_printedActions = {"kept"};
        CArchive in(CArchive::load, b);
        EXPECT_THROW(s.SerializeRecord(in), CArchiveException);
        EXPECT_EQ(s.m_printedActions, (Lists{"kept"}));
    }
}

TEST_F(AOutputAttributesTest, EachStructureKeepsItsOwnListsAndADiscardedCopyChangesNothing) {
    AOutputStructureAttributes a;
    AOutputStructureAttributes b;
    a.UpdateActionLists(model({"A1"}, {}, {}));
    b.UpdateActionLists(model({"B1", "B2"}, {}, {}));
    EXPECT_EQ(a.m_printedActions, (Lists{"A1"}));
    EXPECT_EQ(b.m_printedActions, (Lists{"B1", "B2"}));

    // The sheet edits copies; Cancel drops them.
    {
        AOutputStructureAttributes copy = a;
        copy.m_unprintedActions.push_back(copy.m_printedActions.back());
        copy.m_printedActions.pop_back();
        AOutputAttributes settings = *AOutputAttributes::Instance();
        settings.m_nPicPosition = 1;
    }
    EXPECT_EQ(a.m_printedActions, (Lists{"A1"}));
    EXPECT_EQ(AOutputAttributes::Instance()->m_nPicPosition, 3);
    // OK assigns them back.
    AOutputStructureAttributes copy = a;
    copy.m_printedActions.clear();
    copy.m_unprintedActions = {"A1"};
    a = copy;
    EXPECT_EQ(a.m_unprintedActions, (Lists{"A1"}));
}

} // namespace
