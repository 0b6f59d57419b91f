// The output-settings sheet of a real structure document, worked through the
// controls of its seven pages as the user works them: what OK takes over, what
// Cancel leaves, what the store and the structure file keep, the name lists and
// the margins' range.
#include "CommandRecordFixture.h"
#include "OutputSheetSupport.h"

#include "app/dialogs/AContentsSetupSheet.h"
#include "app/dialogs/AOutputPages.h"
#include "app/report/TranslateOutputString.h"
#include "app/report/omOutputLocaleDB.h"
#include "app/shell/AStorageInterface.h"
#include "framework/AHelp.h"
#include "model/omEnvelope.h"
#include "model/omLoadManager.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CDialogTemplate.h"
#include "platform/ui/CPropertySheet.h"
#include "platform/ui/CResources.h"
#include "platform/ui/CWinApp.h"

#include <fstream>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace sheetinput;

constexpr UINT ID_OUTPUT_SETTINGS = 32914;
const char* const kOutputKey = "Software\\Orvex\\Strakon\\Output";
const char* const kSubKeys[] = {"General", "Front Page",    "Header Footer",
                                "Margins", "Geometry-Load", "Results"};

// The pages in their tab order.
enum Tab { tabGeneral, tabGeometryLoad, tabResults, tabDescription, tabFrontPage, tabHeadFoot, tabMargins };

// Every value under the output key: sub-key and name to type and bytes.
using StoreSnapshot = std::map<std::string, std::pair<DWORD, std::vector<BYTE>>>;

// --- the fixture --------------------------------------------------------------------------------------

class OutputPages : public CommandRecordFixture {
protected:
    void SetUp() override {
        CommandRecordFixture::SetUp();
        useLanguages("[English]\n\"C-S\", \"Cross-section\"\n[Deutsch]\n\"C-S\", \"Querschnitt\"\n");
        doc->SetModifiedFlag(FALSE);
    }
    void TearDown() override {
        omOutputLocaleDB::Release();
        CommandRecordFixture::TearDown();
    }
    void useLanguages(const std::string& table) {
        const auto path = tables.path() / ("OutputStrings" + std::to_string(++tableCount) + ".db");
        std::ofstream(path, std::ios::binary) << table;
        omOutputLocaleDB::Replace(new omOutputLocaleDB(path));
    }
    // Runs the output-settings command with the script on the sheet.
    void run(const std::function<void(CPropertySheet&)>& script) {
        dialogs.Queue(script);
        ASSERT_TRUE(doc->OnCmdMsg(ID_OUTPUT_SETTINGS, CN_COMMAND, nullptr, nullptr));
    }
    static StoreSnapshot snapshot() {
        StoreSnapshot values;
        for (const char* sub : kSubKeys) {
            ARegistry reg;
            if (!reg.OpenOrCreate(CString(kOutputKey) + "\\" + sub)) continue;
            CString name;
            DWORD type = 0;
            for (DWORD i = 0; reg.EnumerateValues(i, name, type); ++i) {
                std::vector<BYTE> data;
                reg.QueryValue(name, type, data);
                values[std::string(sub) + "/" + name] = {type, data};
            }
        }
        return values;
    }
    AOutputStructureAttributes& lists() { return doc->GetOutputAttributes(); }

    CScriptedDialogService dialogs;
    TempFolder tables;
    int tableCount = 0;
};

TEST_F(OutputPages, TheSheetShowsSevenTabsInOrderAndOnlyOkLeftOfCancel) {
    std::vector<std::string> tabs;
    CString caption;
    int okRight = 0, cancelLeft = 0, cancelRight = 0, sheetWidth = 0;
    bool apply = true;
    run([&](CPropertySheet& sheet) {
        caption = sheet.GetWindowText();
        auto* tabWidget = sheet.GetWidget()->findChild<QTabWidget*>();
        ASSERT_NE(tabWidget, nullptr);
        for (int i = 0; i < tabWidget->count(); ++i)
            tabs.push_back(tabWidget->tabText(i).toStdString());
        apply = sheet.GetDlgItem(ID_APPLY_NOW) != nullptr;
        CWnd* ok = sheet.GetDlgItem(IDOK);
        CWnd* cancel = sheet.GetDlgItem(IDCANCEL);
        ASSERT_TRUE(ok && cancel);
        okRight = ok->GetWidget()->geometry().right();
        cancelLeft = cancel->GetWidget()->geometry().left();
        cancelRight = cancel->GetWidget()->geometry().right();
        sheetWidth = sheet.GetWidget()->width();
        sheet.PressButton(PSBTN_CANCEL);
    });
    EXPECT_EQ(caption, "Setup Output Content ...");
    EXPECT_EQ(tabs, (std::vector<std::string>{"General", "Geometry && Load", "Results", "Description",
                                              "Front Page", "Header && Footer", "Margins"}));
    EXPECT_FALSE(apply);
    EXPECT_LT(okRight, cancelLeft) << "OK stands left of Cancel";
    EXPECT_GT(cancelRight, sheetWidth - 20) << "at the right end of the row";
}

// Every field of the program's part, set through its control, then OK: the
// settings, the store and the next start of the program hold it.
TEST_F(OutputPages, EveryFieldSetThroughItsControlIsKeptInTheSettingsTheStoreAndARestart) {
    AUnitKeyAttributes::Instance()->length = omUK_mm;
    CString otherFace;
    run([&](CPropertySheet& sheet) {
        CPropertyPage& general = showPage(sheet, tabGeneral);
        // A face of the installed ones other than the stored ones.
        for (const std::string& face : entries(general, 1044))
            if (face != "Arial" && face != "Times New Roman" && !face.empty()) {
                otherFace = face;
                break;
            }
        ASSERT_FALSE(otherFace.empty());
        choose(general, 1044, otherFace);
        choose(general, 1384, "15");
        choose(general, 1043, otherFace);
        choose(general, 1385, "9");
        choose(general, 1045, otherFace);
        choose(general, 1386, "12");
        choose(general, 1046, "Grid 1");
        choose(general, 1592, "Deutsch");
        click(general, 1388);
        click(general, 1387);
        click(general, 1393);
        click(general, 1464);

        CPropertyPage& geometry = showPage(sheet, tabGeometryLoad);
        click(geometry, 1416);
        click(geometry, 1417);
        click(geometry, 1369);
        click(geometry, 1372);
        click(geometry, 1375);
        click(geometry, 1402);
        click(geometry, 1419);
        click(geometry, 1401);

        CPropertyPage& results = showPage(sheet, tabResults);
        for (int k = 0; k < AOutputAttributes::resultKindCount; ++k)
            for (int p = 0; p < AOutputAttributes::picSec; ++p)
                click(results, AOutputResultsPP::kResultIds[k][p]);
        for (int id : {1410, 1411, 1389, 1425, 1726})
            click(results, id);

        CPropertyPage& front = showPage(sheet, tabFrontPage);
        for (int id : {1383, 1373, 1374, 1375, 1376, 1378, 1380, 1381, 1382})
            click(front, id);
        choose(front, 1407, otherFace);

        CPropertyPage& headFoot = showPage(sheet, tabHeadFoot);
        const std::pair<int, const char*> panes[] = {{1047, "HL"}, {1048, "HM"}, {1044, "HR"},
                                                     {1053, "FL"}, {1054, "FM"}, {1052, "FR"}};
        for (const auto& [id, text] : panes)
            typeLines(headFoot, id, {text, "&[PAGE]"});

        CPropertyPage& margins = showPage(sheet, tabMargins);
        const int ids[] = {1398, 1396, 1397, 1399, 1400, 1401};
        for (int i = 0; i < 6; ++i)
            type(margins, ids[i], std::to_string(10 + i));
        sheet.PressButton(PSBTN_OK);
        EXPECT_TRUE(sheet.IsEnded());
    });
    EXPECT_TRUE(prompts.MessageBoxes().empty());
    const auto check = [&](const AOutputAttributes& a) {
        EXPECT_EQ(a.m_strCaptionFont, otherFace);
        EXPECT_EQ(a.m_strCaptionSize, "15");
        EXPECT_EQ(a.m_strHeadFont, otherFace);
        EXPECT_EQ(a.m_strHeadSize, "9");
        EXPECT_EQ(a.m_strNormalFont, otherFace);
        EXPECT_EQ(a.m_strNormalSize, "12");
        EXPECT_EQ(a.m_strTableStyle, "Grid 1");
        EXPECT_EQ(a.m_strLanguage, "Deutsch");
        EXPECT_EQ(a.m_nPicPosition, 2);
        EXPECT_FALSE(a.m_bPicBorder);
        EXPECT_TRUE(a.m_bPicCenter);
        EXPECT_TRUE(a.m_bGDIPrintFix);
        EXPECT_FALSE(a.m_bGeometryPic);
        EXPECT_EQ(a.m_nNodeTabType, 0);
        EXPECT_EQ(a.m_nElementTabType, 0);
        EXPECT_EQ(a.m_nCSTabType, 0);
        EXPECT_EQ(a.m_nMaterialTabType, 0);
        EXPECT_FALSE(a.m_bLoadCaseTab);
        EXPECT_FALSE(a.m_bActionPic);
        EXPECT_FALSE(a.m_bActionTab);
        AOutputAttributes defaults = a;
        defaults.SetDefaults();
        for (int k = 0; k < AOutputAttributes::resultKindCount; ++k)
            for (int p = 0; p < AOutputAttributes::resultPictureCount; ++p)
                EXPECT_EQ(a.m_bResult[k][p], p == AOutputAttributes::picSec ? defaults.m_bResult[k][p]
                                                                            : !defaults.m_bResult[k][p])
                    << k << " " << p;
        EXPECT_FALSE(a.m_bDisplTab);
        EXPECT_FALSE(a.m_bReactionsTab);
        EXPECT_FALSE(a.m_bIntForcesTab);
        EXPECT_FALSE(a.m_bEnvelopesTab);
        EXPECT_FALSE(a.m_bDesignResults);
        EXPECT_FALSE(a.m_bPrintFrontPage == defaults.m_bPrintFrontPage);
        for (bool AOutputAttributes::*s :
             {&AOutputAttributes::m_bPrintTitle, &AOutputAttributes::m_bPrintSubtitle,
              &AOutputAttributes::m_bPrintText, &AOutputAttributes::m_bPrintKeywords,
              &AOutputAttributes::m_bPrintInvestor, &AOutputAttributes::m_bPrintAuthor,
              &AOutputAttributes::m_bPrintFile, &AOutputAttributes::m_bPrintProject})
            EXPECT_NE(a.*s, defaults.*s);
        EXPECT_EQ(a.m_bPrintLogo, defaults.m_bPrintLogo) << "the logo switch is not offered";
        EXPECT_EQ(a.m_strFrontPageFont, otherFace);
        EXPECT_EQ(a.m_strHeadLeft, "HL\r\n&[PAGE]");
        EXPECT_EQ(a.m_strHeadMiddle, "HM\r\n&[PAGE]");
        EXPECT_EQ(a.m_strHeadRight, "HR\r\n&[PAGE]");
        EXPECT_EQ(a.m_strFootLeft, "FL\r\n&[PAGE]");
        EXPECT_EQ(a.m_strFootMiddle, "FM\r\n&[PAGE]");
        EXPECT_EQ(a.m_strFootRight, "FR\r\n&[PAGE]");
        using A = AOutputAttributes;
        const A::Margin order[] = {A::topStd, A::leftStd, A::rightStd, A::bottomStd, A::headStd, A::footStd};
        for (int i = 0; i < 6; ++i)
            EXPECT_NEAR(a.m_margins[order[i]].Get(omUK_mm), 10.0 + i, 1e-9) << i;
        EXPECT_NEAR(a.GetFootMarginSec(omUK_cm).GetValue(), 1.0, 1e-12)
            << "the secondary printer's are not offered";
    };
    {
        SCOPED_TRACE("the settings");
        check(*AOutputAttributes::Instance());
    }
    {
        SCOPED_TRACE("the store");
        ARegistry reg;
        ASSERT_TRUE(reg.OpenOrCreate(CString(kOutputKey) + "\\General"));
        EXPECT_EQ(reg.GetString("Language", ""), "Deutsch");
        EXPECT_EQ(reg.GetString("Caption size", ""), "15");
        ASSERT_TRUE(reg.OpenOrCreate(CString(kOutputKey) + "\\Header Footer"));
        EXPECT_EQ(reg.GetString("Head middle", ""), "HM\r\n&[PAGE]");
        ASSERT_TRUE(reg.OpenOrCreate(CString(kOutputKey) + "\\Geometry-Load"));
        EXPECT_EQ(reg.GetDword("Node tab type", 9), 0u);
        ASSERT_TRUE(reg.OpenOrCreate(CString(kOutputKey) + "\\Margins"));
        EXPECT_NEAR(reg.GetDouble("Top std", 0), 1.0, 1e-12) << "kept in centimetres";
    }
    restart();
    SCOPED_TRACE("after a restart");
    check(*AOutputAttributes::Instance());
}

TEST_F(OutputPages, TheFrontPageTextsChangeTheDescriptionButNeverTheFileOrTheLogo) {
    AOptionsAttributes::Instance()->bigLogo = "/logos/big.bmp";
    doc->SetPathName((logDir.path() / "frame.oxs").c_str(), FALSE);
    doc->SetModifiedFlag(FALSE);
    const std::pair<int, const char*> texts[] = {{1044, "Hall"}, {1048, "Axis B"}, {1052, "Seven"},
                                                 {1045, "City"}, {1049, "Ann"},    {1047, "steel, frame"}};
    CString shownFile, shownLogo;
    bool fileReadOnly = false, logoEnabled = true;
    run([&](CPropertySheet& sheet) {
        CPropertyPage& front = showPage(sheet, tabFrontPage);
        for (const auto& [id, text] : texts)
            type(front, id, text);
        typeLines(front, 1365, {"First line", "second line"});
        shownFile = shownText(front, 1051);
        shownLogo = shownText(front, 1368);
        fileReadOnly = qobject_cast<QLineEdit*>(widgetOf(front, 1051))->isReadOnly();
        logoEnabled = widgetOf(front, 1368)->isEnabled();
        // What the read-only fields show is no edit of them.
        qobject_cast<QLineEdit*>(widgetOf(front, 1051))->setText("changed");
        qobject_cast<QLineEdit*>(widgetOf(front, 1368))->setText("changed");
        sheet.PressButton(PSBTN_OK);
    });
    EXPECT_EQ(shownFile, (logDir.path() / "frame.oxs").string());
    EXPECT_EQ(shownLogo, "/logos/big.bmp");
    EXPECT_TRUE(fileReadOnly);
    EXPECT_FALSE(logoEnabled);
    const ADocAttributes& d = doc->GetDocAttributes();
    EXPECT_EQ(d.title, "Hall");
    EXPECT_EQ(d.subtitle, "Axis B");
    EXPECT_EQ(d.project, "Seven");
    EXPECT_EQ(d.investor, "City");
    EXPECT_EQ(d.author, "Ann");
    EXPECT_EQ(d.keywords, "steel, frame");
    EXPECT_EQ(d.comment, "First line\r\nsecond line");
    EXPECT_EQ(d.file, (logDir.path() / "frame.oxs").string());
    EXPECT_EQ(AOptionsAttributes::Instance()->bigLogo, "/logos/big.bmp");
    EXPECT_TRUE(doc->IsModified());
}

// The lists, the switch and the description go with the structure file.
TEST_F(OutputPages, ListsAndDescriptionAreSavedWithTheStructureAndComeBack) {
    AStorageInterface::InitializeAll();
    run([&](CPropertySheet& sheet) {
        CPropertyPage& geometry = showPage(sheet, tabGeometryLoad);
        selectItems(geometry, 1574, {"Live load"});
        click(geometry, 1570);
        CPropertyPage& results = showPage(sheet, tabResults);
        selectItems(results, 1407, {"[EN]: Ultimate"});
        click(results, 1397);
        selectItems(results, 1408, {"[LC]: SLS"});
        click(results, 1575);
        CPropertyPage& description = showPage(sheet, tabDescription);
        click(description, 1596);
        typeLines(description, 1595, {"A frame of two bays", "on pad footings"});
        sheet.PressButton(PSBTN_OK);
    });
    EXPECT_TRUE(doc->IsModified());
    const auto path = logDir.path() / "lists.oxs";
    ASSERT_TRUE(doc->OnSaveDocument(path.string().c_str()));
    // Closed first: a document keeps its file locked while it is open.
    doc->RemoveView(&view);
    doc = newFrameDocument();
    doc->AddView(&view);
    AStrakonDocument again;
    ASSERT_TRUE(again.OnOpenDocument(path.string().c_str()));
    const AOutputStructureAttributes& read = again.GetOutputAttributes();
    EXPECT_EQ(read.m_printedActions, Names{"Dead load"});
    EXPECT_EQ(read.m_unprintedActions, Names{"Live load"});
    EXPECT_EQ(read.m_printedResults, (Names{"[EN]: Ultimate", "[LC]: ULS"}));
    EXPECT_EQ(read.m_unprintedResults, Names{"[LC]: SLS"});
    EXPECT_TRUE(read.m_bUseDescription);
    EXPECT_EQ(read.m_strDescription, "A frame of two bays\r\non pad footings");
}

// OK after a look at every page changes no stored value and leaves the
// document unmarked, also with values that the pages' lists do not hold.
TEST_F(OutputPages, OkWithoutEditsAfterVisitingEveryPageChangesNothing) {
    const struct {
        const char* name;
        std::function<void()> prepare;
    } cases[] = {
        {"the defaults", [] {}},
        {"a face that is not installed",
         [] {
             write("Software\\Orvex\\Strakon\\Output\\General",
                   [](ARegistry& r) { r.SetString("Caption font", "NoSuchFace"); });
         }},
        {"a size the list lacks",
         [] {
             write("Software\\Orvex\\Strakon\\Output\\General",
                   [](ARegistry& r) { r.SetString("Normal size", "14"); });
         }},
        {"a language the table lacks",
         [this] {
             useLanguages("[English]\n\"C-S\", \"Cross-section\"\n");
             write("Software\\Orvex\\Strakon\\Output\\General",
                   [](ARegistry& r) { r.SetString("Language", "Deutsch"); });
         }},
        {"a load group and an envelope the lists do not name yet",
         [this] {
             model().addLoadGroup("Wind");
             auto* envelope = new omEnvelope();
             envelope->setName("Service");
             model().getLoadManager()->addEnvelope(envelope);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        restart();
        lists() = AOutputStructureAttributes();
        lists().UpdateActionLists(*model().getLoadManager());
        lists().UpdateResultLists(*model().getLoadManager());
        c.prepare();
        AOutputAttributes::Instance()->Save();
        const StoreSnapshot before = snapshot();
        const AOutputAttributes stored = *AOutputAttributes::Instance();
        doc->SetModifiedFlag(FALSE);
        run([&](CPropertySheet& sheet) {
            for (int i = sheet.GetPageCount() - 1; i >= 0; --i)
                showPage(sheet, i);
            sheet.PressButton(PSBTN_OK);
            EXPECT_TRUE(sheet.IsEnded());
        });
        EXPECT_TRUE(prompts.MessageBoxes().empty());
        EXPECT_EQ(snapshot(), before);
        const AOutputAttributes& now = *AOutputAttributes::Instance();
        EXPECT_EQ(now.m_strCaptionFont, stored.m_strCaptionFont);
        EXPECT_EQ(now.m_strNormalSize, stored.m_strNormalSize);
        EXPECT_EQ(now.m_strLanguage, stored.m_strLanguage);
        EXPECT_FALSE(doc->IsModified());
    }
    EXPECT_EQ(lists().m_printedActions, (Names{"Dead load", "Live load", "Wind"}));
    EXPECT_EQ(lists().m_unprintedResults, (Names{"[EN]: Ultimate", "[EN]: Service"}));
}

TEST_F(OutputPages, CancelAfterMovingNamesAndChangingPagesChangesNothing) {
    lists().UpdateActionLists(*model().getLoadManager());
    lists().UpdateResultLists(*model().getLoadManager());
    const AOutputStructureAttributes before = lists();
    const ADocAttributes description = doc->GetDocAttributes();
    AOutputAttributes::Instance()->Save();
    const StoreSnapshot store = snapshot();
    run([&](CPropertySheet& sheet) {
        CPropertyPage& geometry = showPage(sheet, tabGeometryLoad);
        click(geometry, 1572);
        click(geometry, 1417);
        CPropertyPage& results = showPage(sheet, tabResults);
        click(results, 1399);
        click(results, 1390);
        CPropertyPage& front = showPage(sheet, tabFrontPage);
        type(front, 1044, "Other title");
        CPropertyPage& headFoot = showPage(sheet, tabHeadFoot);
        type(headFoot, 1048, "&[TITLE]");
        showPage(sheet, tabDescription);
        sheet.PressButton(PSBTN_CANCEL);
    });
    EXPECT_TRUE(AContentsSetupSheet::SameLists(lists(), before));
    EXPECT_TRUE(AContentsSetupSheet::SameDescription(doc->GetDocAttributes(), description));
    EXPECT_EQ(AOutputAttributes::Instance()->m_nNodeTabType, 1);
    EXPECT_EQ(AOutputAttributes::Instance()->m_strHeadMiddle, "");
    EXPECT_EQ(snapshot(), store);
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(OutputPages, TheListsFollowTheModelAndMoveNamesSorted) {
    lists() = AOutputStructureAttributes();
    model().addLoadGroup("Wind");
    model().addLoadCase("Accident", omLoadCase::lsUltimate);
    auto* envelope = new omEnvelope();
    envelope->setName("Service");
    model().getLoadManager()->addEnvelope(envelope);
    struct Shown {
        Names print, dontPrint;
    };
    std::vector<Shown> actions, results;
    const auto shown = [](CWnd& page, int print, int dont) {
        return Shown{entries(page, print), entries(page, dont)};
    };
    run([&](CPropertySheet& sheet) {
        CPropertyPage& results0 = showPage(sheet, tabResults);
        results.push_back(shown(results0, 1408, 1407));
        // ">>" and "<<" a second time, on an empty list, move nothing.
        click(results0, 1398);
        click(results0, 1398);
        results.push_back(shown(results0, 1408, 1407));
        click(results0, 1399);
        click(results0, 1399);
        results.push_back(shown(results0, 1408, 1407));

        CPropertyPage& geometry = showPage(sheet, tabGeometryLoad);
        actions.push_back(shown(geometry, 1574, 1569));
        // Two load groups one by one, then all at once there and back.
        selectItems(geometry, 1574, {"Wind"});
        click(geometry, 1570);
        selectItems(geometry, 1574, {"Dead load"});
        click(geometry, 1570);
        actions.push_back(shown(geometry, 1574, 1569));
        click(geometry, 1573);
        actions.push_back(shown(geometry, 1574, 1569));
        click(geometry, 1572);
        actions.push_back(shown(geometry, 1574, 1569));
        selectItems(geometry, 1569, {"Wind", "Dead load"});
        click(geometry, 1571);
        actions.push_back(shown(geometry, 1574, 1569));
        sheet.PressButton(PSBTN_OK);
    });
    ASSERT_EQ(results.size(), 3u);
    EXPECT_EQ(results[0].print, (Names{"[LC]: Accident", "[LC]: SLS", "[LC]: ULS"}))
        << "a new load case is printed";
    EXPECT_EQ(results[0].dontPrint, (Names{"[EN]: Service", "[EN]: Ultimate"})) << "a new envelope is not";
    EXPECT_TRUE(results[1].print.empty());
    EXPECT_EQ(results[1].dontPrint,
              (Names{"[EN]: Service", "[EN]: Ultimate", "[LC]: Accident", "[LC]: SLS", "[LC]: ULS"}));
    EXPECT_EQ(results[2].print, results[1].dontPrint);
    EXPECT_TRUE(results[2].dontPrint.empty());
    ASSERT_EQ(actions.size(), 5u);
    EXPECT_EQ(actions[0].print, (Names{"Dead load", "Live load", "Wind"}));
    EXPECT_EQ(actions[1].print, Names{"Live load"});
    EXPECT_EQ(actions[1].dontPrint, (Names{"Dead load", "Wind"})) << "sorted in";
    EXPECT_EQ(actions[2].print, (Names{"Dead load", "Live load", "Wind"}));
    EXPECT_TRUE(actions[2].dontPrint.empty());
    EXPECT_EQ(actions[3].dontPrint, (Names{"Dead load", "Live load", "Wind"}));
    EXPECT_EQ(actions[4].print, (Names{"Dead load", "Wind"}));
    EXPECT_EQ(actions[4].dontPrint, Names{"Live load"});
    EXPECT_EQ(lists().m_printedActions, (Names{"Dead load", "Wind"}));
    EXPECT_EQ(lists().m_unprintedActions, Names{"Live load"});
    EXPECT_TRUE(lists().m_unprintedResults.empty());
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(OutputPages, MarginsShowInTheUsersUnitAndRefuseWhatIsNoMarginOrTooWide) {
    AUnitKeyAttributes::Instance()->length = omUK_mm;
    AOutputAttributes::Instance()->m_margins[AOutputAttributes::topStd] = omUnitValue(2.0, omUK_cm);
    CString shownTop;
    std::vector<std::string> messages;
    std::vector<bool> stayed;
    run([&](CPropertySheet& sheet) {
        CPropertyPage& margins = showPage(sheet, tabMargins);
        shownTop = shownText(margins, 1398);
        for (const char* bad : {"abc", "-1", "110"}) {
            prompts.Clear();
            type(margins, 1396, bad);
            sheet.PressButton(PSBTN_OK);
            stayed.push_back(!sheet.IsEnded());
            messages.push_back(prompts.MessageBoxes().empty() ? "" : prompts.MessageBoxes()[0].text);
        }
        prompts.Clear();
        type(margins, 1396, "100");
        sheet.PressButton(PSBTN_OK);
        EXPECT_TRUE(sheet.IsEnded());
    });
    // 2 cm in millimetres; the unit edits keep one digit behind the point.
    EXPECT_EQ(shownTop, "20.0");
    EXPECT_EQ(stayed, (std::vector<bool>{true, true, true}));
    EXPECT_EQ(messages, (std::vector<std::string>{"Please enter a number.",
                                                  "Please enter a margin between 0 and 100 mm.",
                                                  "Please enter a margin between 0 and 100 mm."}));
    EXPECT_NEAR(AOutputAttributes::Instance()->GetLeftMarginStd(omUK_cm).GetValue(), 10.0, 1e-12);
}

TEST_F(OutputPages, TheLanguagesAreTheTablesSectionsAndTheChosenOnePrints) {
    Names offered;
    run([&](CPropertySheet& sheet) {
        CPropertyPage& general = showPage(sheet, tabGeneral);
        offered = entries(general, 1592);
        EXPECT_EQ(shownText(general, 1592), "English");
        choose(general, 1592, "Deutsch");
        sheet.PressButton(PSBTN_OK);
    });
    EXPECT_EQ(offered, (Names{"English", "Deutsch"}));
    EXPECT_EQ(TranslateOutputString("C-S"), "Querschnitt");
}

// The exact name is chosen before a name that only begins with it.
TEST_F(OutputPages, TheStoredLanguageIsFoundByItsExactNameBeforeAPrefix) {
    const struct {
        const char* table;
        const char* stored;
        const char* shown;
    } cases[] = {
        {"[English (US)]\n[English]\n", "English", "English"},
        {"[English (US)]\n[Deutsch]\n", "English", "English (US)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.shown);
        useLanguages(c.table);
        AOutputAttributes::Instance()->m_strLanguage = c.stored;
        CString shown;
        run([&](CPropertySheet& sheet) {
            shown = shownText(showPage(sheet, tabGeneral), 1592);
            sheet.PressButton(PSBTN_CANCEL);
        });
        EXPECT_EQ(shown, c.shown);
    }
}

// The Help of each page opens the page written for it, titled with its caption.
TEST_F(OutputPages, EveryPageHasItsHelpPage) {
    app.m_pszHelpFilePath = STRAKON_SOURCE_DIR "/resources/data/Help/Strakon.chm";
    AOutputGeneralPP general;
    AOutputFrontPagePP front;
    AOutputHeadFootPP headFoot;
    AOutputMarginsPP margins;
    AOutputDescriptionPP description;
    AOutputGeometryLoadPP geometry;
    AOutputResultsPP results;
    for (ABasePropertyPage* page : std::initializer_list<ABasePropertyPage*>{
             &general, &front, &headFoot, &margins, &description, &geometry, &results}) {
        const DWORD id = page->GetDialogID();
        SCOPED_TRACE(id);
        const CDialogTemplate* dialog = CResources::Instance().FindDialog(id);
        ASSERT_NE(dialog, nullptr);
        const CString file = AHelp::Instance()->PageOf(0x20000 + id);
        ASSERT_FALSE(file.empty());
        std::ifstream in(file.c_str());
        const std::string html{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        std::string title;
        for (char ch : dialog->caption)
            title += ch == '&' ? std::string("&amp;") : std::string(1, ch);
        EXPECT_NE(html.find("<title>" + title + "</title>"), std::string::npos) << file;
        EXPECT_EQ(html.find("What the dialog is for."), std::string::npos) << "written out, not a skeleton";
    }
    AHelp::Release();
}

} // namespace
