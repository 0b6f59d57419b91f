// The node load sheet in the floating frame over a real structure document:
// opened for a picked node-load symbol, worked on its working copy, applied
// with the frame's button, and kept in step with the commands of the document.
#include "app/dialogs/ANodeLoadProperty.h"

#include "LoadSheetFixture.h"
#include "app/dialogs/AElementLoadProperty.h"
#include "app/dialogs/AMessageProperty.h"
#include "app/views/AComDeleteObjects.h"
#include "app/views/ANodeMap.h"
#include "framework/AHelp.h"
#include "resources/ui/StrakonLoadIds.h"

#include <fstream>
#include <iterator>

namespace {

class ANodeLoadPropertyTest : public LoadSheetFixture {
protected:
    ANodeLoadProperty* open() {
        auto* sheet = dynamic_cast<ANodeLoadProperty*>(select({nodeLoads(2)}));
        if (sheet) page = sheet->GetActivePage();
        return sheet;
    }
    omLoad* modelLoad(int i) { return nodeLoads(2)->getLoads().at(static_cast<size_t>(i)); }
    CPropertyPage* page = nullptr;
};

TEST_F(ANodeLoadPropertyTest, ListsTheActiveActionsLoadsAndShowsTheValuesOfTheirKind) {
    ANodeLoadProperty* sheet = open();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(frame()->GetWindowText(), "Node Load Properties");
    EXPECT_EQ(items(page, IDC_NL_LIST), (std::vector<CString>{"1: F1", "2: D1"}));
    EXPECT_EQ(selection(page, IDC_NL_LIST), 0);
    EXPECT_EQ(text(page, IDC_NL_NAME), "F1");
    EXPECT_EQ(text(page, IDC_NL_TYPE), "FORCE LOAD");
    EXPECT_EQ(text(page, IDC_NL_HEADING), "Force Vector: (World Coor. Sys.)");
    EXPECT_EQ(text(page, IDC_NL_LABEL1), "Fx:");
    EXPECT_EQ(text(page, IDC_NL_LABEL3), "My:");
    EXPECT_EQ(std::stod(text(page, IDC_NL_FZ)), 10.0);
    EXPECT_TRUE(visible(page, IDC_NL_FZ));
    EXPECT_FALSE(visible(page, IDC_NL_UZ));
    EXPECT_EQ(doc->m_pNodeLoadPage, &sheet->GetPage());
    screenshot("node-load-sheet-force.png");

    pick(page, IDC_NL_LIST, 1);
    EXPECT_EQ(text(page, IDC_NL_TYPE), "DISPLACEMENT LOAD");
    EXPECT_EQ(text(page, IDC_NL_HEADING), "Displacement Vector:  (World Coor. Sys.)");
    EXPECT_EQ(text(page, IDC_NL_LABEL1), "Ux:");
    EXPECT_EQ(text(page, IDC_NL_LABEL2), "Uz:");
    EXPECT_EQ(text(page, IDC_NL_LABEL3), "Fiy:");
    EXPECT_TRUE(visible(page, IDC_NL_UZ));
    EXPECT_FALSE(visible(page, IDC_NL_FZ));
    EXPECT_EQ(sheet->GetCopy()->GetShownLoad(), 2u) << "the label draws the shown load";
    EXPECT_EQ(view.hints.back(), 2201);
    EXPECT_EQ(view.objects.back(), sheet->GetCopy());
    screenshot("node-load-sheet-displacement.png");

    doc->SetActiveLoadGroup(2, true);
    EXPECT_EQ(items(page, IDC_NL_LIST), (std::vector<CString>{"1: FQ"}));
    EXPECT_EQ(text(page, IDC_NL_NAME), "FQ");
}

TEST_F(ANodeLoadPropertyTest,
       ARenameShowsInTheListAndTheLabelAtOnceAndInTheModelAtApplyUndoGivesTheRecordsBack) {
    ANodeLoadProperty* sheet = open();
    const std::vector<std::uint8_t> before = records();
    type(page, IDC_NL_NAME, "Wind");
    EXPECT_EQ(items(page, IDC_NL_LIST).front(), "1: Wind");
    EXPECT_EQ(selection(page, IDC_NL_LIST), 0);
    EXPECT_EQ(sheet->GetCopy()->GetLabelText(1), "1/2: Wind");
    ANodeMap* nodes = doc->GetModel()->GetNodeMap();
    EXPECT_EQ(nodes->GetLiveEditedLoadGroup(), sheet->GetCopy()) << "the view draws the copy";
    EXPECT_EQ(modelLoad(0)->getName(), "F1") << "nothing changes before Apply";
    EXPECT_EQ(commands(), 0);

    apply();
    ASSERT_EQ(commands(), 1);
    EXPECT_EQ(doc->GetCommandManager().GetUndoName(), "Node Load Properties");
    EXPECT_EQ(modelLoad(0)->getName(), "Wind");
    apply();
    EXPECT_EQ(commands(), 2) << "every Apply is a command of its own";

    doc->GetCommandManager().Undo();
    doc->GetCommandManager().Undo();
    EXPECT_EQ(records(), before);
    EXPECT_EQ(items(page, IDC_NL_LIST).front(), "1: F1") << "the sheet shows what Undo gave back";
    EXPECT_EQ(sheet->GetCopy()->getLoads().front()->getName(), "F1");
}

TEST_F(ANodeLoadPropertyTest, DeleteAsksAndDeletingTheLastOfThreeSelectsTheFirst) {
    ANodeLoadProperty* sheet = open();
    chooseNew(page, IDC_NL_NEW, 0);
    EXPECT_EQ(items(page, IDC_NL_LIST), (std::vector<CString>{"1: F1", "2: D1", "3: New Force"}));
    EXPECT_EQ(selection(page, IDC_NL_LIST), 2);
    omLoad* added = sheet->GetCopy()->getLoads().back();
    EXPECT_EQ(added->getLoadGroupIndex(), 1u);
    EXPECT_EQ(added->getDofStructureType(), node(2)->getDofStructureType());

    prompts.QueueMessageBoxAnswer(IDNO);
    click(page, IDC_NL_DELETE);
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    const CMessageBoxRequest& question = prompts.MessageBoxes().back();
    EXPECT_EQ(question.text, "Are you sure to delete selected load?");
    EXPECT_EQ(question.caption, "Warning");
    EXPECT_EQ(question.type, UINT(MB_YESNO | MB_ICONSTOP));
    EXPECT_EQ(items(page, IDC_NL_LIST).size(), 3u);

    prompts.QueueMessageBoxAnswer(IDYES);
    click(page, IDC_NL_DELETE);
    EXPECT_EQ(items(page, IDC_NL_LIST), (std::vector<CString>{"1: F1", "2: D1"}));
    EXPECT_EQ(selection(page, IDC_NL_LIST), 0);
    EXPECT_EQ(text(page, IDC_NL_NAME), "F1");
    EXPECT_FALSE(frame()->IsActingAsPinned());

    chooseNew(page, IDC_NL_NEW, 1);
    EXPECT_EQ(items(page, IDC_NL_LIST).back(), "3: New Displacement");
    EXPECT_EQ(text(page, IDC_NL_TYPE), "DISPLACEMENT LOAD");
    apply();
    ASSERT_EQ(nodeLoads(2)->getLoads().size(), 4u);
    EXPECT_EQ(nodeLoads(2)->getLoads().back()->getName(), "New Displacement");
}

TEST_F(ANodeLoadPropertyTest, ARefusedValueStopsApplyAfterOnePromptAndAValueNotLeftIsApplied) {
    open();
    type(page, IDC_NL_FZ, "abc");
    apply();
    EXPECT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_EQ(prompts.MessageBoxes().back().text, "Please enter a number.");
    apply();
    EXPECT_EQ(prompts.MessageBoxes().size(), 1u) << "the refused text was told once";
    EXPECT_EQ(commands(), 0);
    EXPECT_FALSE(frame()->IsActingAsPinned()) << "the pin goes with the refused exchange";

    type(page, IDC_NL_FZ, "12.5");
    apply();
    ASSERT_EQ(commands(), 1);
    EXPECT_DOUBLE_EQ(static_cast<omLoadForce*>(modelLoad(0))->getF(Uz).Get(omUK_kN), 12.5);

    deactivate();
    EXPECT_FALSE(frame()->IsWindowVisible()) << "the frame still hides";
    EXPECT_EQ(doc->m_pNodeLoadPage, nullptr);
    EXPECT_EQ(doc->GetModel()->GetNodeMap()->GetLiveEditedLoadGroup(), nullptr);
}

TEST_F(ANodeLoadPropertyTest, LeavingEditsWithoutTypingKeepsTheValuesBitForBit) {
    static_cast<omLoadForce*>(modelLoad(0))->setF(Ux, omUnitValue(1.0 / 3.0, omUK_kN));
    open();
    for (int id : {IDC_NL_FX, IDC_NL_FZ, IDC_NL_MY})
        leave(page, id);
    apply();
    ASSERT_EQ(commands(), 1);
    EXPECT_EQ(static_cast<omLoadForce*>(modelLoad(0))->getF(Ux).GetValue(), 1.0 / 3.0);
}

TEST_F(ANodeLoadPropertyTest, AnActionWithoutLoadsShowsNoValuesAndRenamesNothingAndNoActionOffersNoNewLoad) {
    model().addLoadGroup("W");
    ANodeLoadProperty* sheet = open();
    doc->SetActiveLoadGroup(3, true);
    EXPECT_TRUE(items(page, IDC_NL_LIST).empty());
    EXPECT_EQ(text(page, IDC_NL_NAME), "");
    EXPECT_FALSE(visible(page, IDC_NL_FX));
    EXPECT_FALSE(visible(page, IDC_NL_HEADING));
    type(page, IDC_NL_NAME, "stray");
    EXPECT_TRUE(enabled(page, IDC_NL_NEW));
    doc->SetActiveLoadGroup(1, true);
    EXPECT_EQ(items(page, IDC_NL_LIST), (std::vector<CString>{"1: F1", "2: D1"}));

    doc->SetActiveLoadGroup(0, true);
    EXPECT_FALSE(enabled(page, IDC_NL_NEW));
    page->SendMessage(WM_COMMAND, ID_NEW_NODE_FORCE, 0);
    EXPECT_EQ(sheet->GetCopy()->getLoads().size(), 3u) << "no load of no action";
}

TEST_F(ANodeLoadPropertyTest, ALoadAddedWhileTheSheetIsOpenSurvivesApply) {
    ANodeLoadProperty* sheet = open();
    type(page, IDC_NL_NAME, "lost");
    omLoadForce extra("Extra", node(2)->getDofStructureType(), 1);
    doc->AddNodeLoad(node(2), extra, 1);
    EXPECT_EQ(items(page, IDC_NL_LIST), (std::vector<CString>{"1: F1", "2: D1", "3: Extra"}));
    EXPECT_EQ(selection(page, IDC_NL_LIST), 0) << "the same position";
    EXPECT_EQ(doc->GetModel()->GetNodeMap()->GetLiveEditedLoadGroup(), sheet->GetCopy());
    apply();
    ASSERT_EQ(nodeLoads(2)->getLoads().size(), 4u);
    EXPECT_EQ(nodeLoads(2)->getLoads().back()->getName(), "Extra");
}

TEST_F(ANodeLoadPropertyTest, DeletingAnActionUnderTheSheetThenApplyingChangesNothingMore) {
    open();
    doc->DeleteLoadGroup(1);
    const std::vector<std::uint8_t> withoutSheet = records();
    EXPECT_EQ(items(page, IDC_NL_LIST), (std::vector<CString>{"1: FQ"}))
        << "Q is the first action now and lists its load";
    apply();
    EXPECT_EQ(records(), withoutSheet);
    ASSERT_EQ(nodeLoads(2)->getLoads().size(), 1u);
    EXPECT_EQ(nodeLoads(2)->getLoads().front()->getLoadGroupIndex(), 1u);
}

TEST_F(ANodeLoadPropertyTest, ADeletedNodeOrAClosedDocumentLeavesTheMessageSheetAndNothingRegistered) {
    open();
    doc->GetCommandManager().AddCommand(new AComDeleteObjects({2}, {1}));
    auto* message = dynamic_cast<AMessageProperty*>(frame()->GetProperySheet());
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->GetMessagePage().m_strMessage, "Nothing is selected!");
    expectLoadSheetReleased(doc->m_pNodeLoadPage, [this] { open(); });
}

TEST_F(ANodeLoadPropertyTest, ASheetDestroyedWithoutHidingLetsGoOfTheDocument) {
    open();
    APPropertyFrame::Release();
    EXPECT_EQ(doc->m_pNodeLoadPage, nullptr);
    EXPECT_EQ(doc->GetModel()->GetNodeMap()->GetLiveEditedLoadGroup(), nullptr);
}

// The Help button of both load sheets opens the page written for their page,
// titled with the page's caption.
TEST_F(ANodeLoadPropertyTest, BothLoadSheetsHaveTheirHelpPages) {
    app.m_pszHelpFilePath = STRAKON_SOURCE_DIR "/resources/data/Help/Strakon.chm";
    ANodeLoadPage nodePage;
    AElementLoadPage elementPage;
    for (ALoadPage* loadPage : {static_cast<ALoadPage*>(&nodePage), static_cast<ALoadPage*>(&elementPage)}) {
        const DWORD id = loadPage->GetDialogID();
        SCOPED_TRACE(id);
        const CDialogTemplate* dialog = CResources::Instance().FindDialog(id);
        ASSERT_NE(dialog, nullptr);
        const CString file = AHelp::Instance()->PageOf(0x20000 + id);
        ASSERT_FALSE(file.empty());
        std::ifstream in(file.c_str());
        const std::string html{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        EXPECT_NE(html.find("<title>" + dialog->caption + "</title>"), std::string::npos) << file;
        EXPECT_EQ(html.find("What the dialog is for."), std::string::npos) << "written out, not a skeleton";
    }
    AHelp::Release();
}

} // namespace
