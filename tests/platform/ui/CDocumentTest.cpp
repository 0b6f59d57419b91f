#include "platform/ui/CDocument.h"

#include "SketchAppTest.h"

#include "platform/ui/CPromptService.h"
#include "platform/ui/CRecentFileList.h"

#include <fstream>

#include <gtest/gtest.h>

using namespace sketch;

namespace {

class CDocumentTest : public SketchAppTest {
protected:
    void SetUp() override {
        SketchAppTest::SetUp();
        docTemplate = app->m_pSketchTemplate;
    }
    void TearDown() override {
        SketchAppTest::TearDown();
        CSketchDoc::s_failNew = false;
    }
    CSketchDoc* Open(const char* path) {
        return static_cast<CSketchDoc*>(docTemplate->OpenDocumentFile(path));
    }

    TempFolder folder;
    CMultiDocTemplate* docTemplate = nullptr;
};

TEST_F(CDocumentTest, TemplateStringsAreTheResourceStringsParts) {
    CString part;
    EXPECT_TRUE(docTemplate->GetDocString(part, CDocTemplate::docName));
    EXPECT_EQ(part, "Sketch");
    EXPECT_TRUE(docTemplate->GetDocString(part, CDocTemplate::filterExt));
    EXPECT_EQ(part, ".skt");
    EXPECT_TRUE(docTemplate->GetDocString(part, CDocTemplate::windowTitle));
    EXPECT_EQ(part, "");
}

TEST_F(CDocumentTest, TemplateKnowsItsFilesByTheExtensionOfTheFileNameOnly) {
    const struct {
        const char* path;
        CDocTemplate::Confidence expected;
    } cases[] = {
        {"/home/u/house.skt", CDocTemplate::yesAttemptNative},
        {"/home/u/HOUSE.SKT", CDocTemplate::yesAttemptNative},
        {"C:\\plans\\house.skt", CDocTemplate::yesAttemptNative},
        {"/home/u/plans.skt/house", CDocTemplate::yesAttemptForeign},
        {"/home/u/house.oxs", CDocTemplate::yesAttemptForeign},
    };
    for (const auto& c : cases) {
        CDocument* match = nullptr;
        EXPECT_EQ(docTemplate->MatchDocType(c.path, match), c.expected) << c.path;
        EXPECT_EQ(match, nullptr);
    }
}

TEST_F(CDocumentTest, NewDocumentsAreNumberedOnlyWhenTheyAreMade) {
    CSketchDoc* first = Open(nullptr);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->GetTitle(), "Sketch1");
    EXPECT_FALSE(first->IsModified());
    CSketchDoc::s_failNew = true;
    EXPECT_EQ(Open(nullptr), nullptr);
    EXPECT_EQ(docTemplate->GetDocuments().size(), 1u) << "the refused document is gone";
    EXPECT_EQ(app->MainFrame()->GetMDIChildren().size(), 1u) << "and so is its frame";
    CSketchDoc::s_failNew = false;
    CSketchDoc* second = Open(nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->GetTitle(), "Sketch2");
    EXPECT_EQ(docTemplate->m_nUntitledCount, 2u);
    EXPECT_EQ(static_cast<CSketchView*>(second->GetViews().front())->m_initialUpdates, 1);
}

TEST_F(CDocumentTest, PositionsWalkTheTemplatesDocumentsAndViewsInOrder) {
    CSketchDoc* first = Open(nullptr);
    CSketchDoc* second = Open(nullptr);
    ASSERT_NE(second, nullptr);

    POSITION pos = app->GetFirstDocTemplatePosition();
    EXPECT_EQ(app->GetNextDocTemplate(pos), docTemplate);
    EXPECT_EQ(pos, nullptr) << "the only template";

    pos = docTemplate->GetFirstDocPosition();
    EXPECT_EQ(docTemplate->GetNextDoc(pos), first);
    ASSERT_NE(pos, nullptr);
    EXPECT_EQ(docTemplate->GetNextDoc(pos), second);
    EXPECT_EQ(pos, nullptr);
    EXPECT_EQ(docTemplate->GetNextDoc(pos), nullptr) << "past the end";

    pos = first->GetFirstViewPosition();
    EXPECT_EQ(first->GetNextView(pos), first->GetViews().front());
    EXPECT_EQ(pos, nullptr);
    first->OnCloseDocument();
    pos = docTemplate->GetFirstDocPosition();
    EXPECT_EQ(docTemplate->GetNextDoc(pos), second) << "a closed document leaves the walk";
}

TEST_F(CDocumentTest, SavedDocumentOpensAgainWithItsContentsPathAndTitle) {
    CSketchDoc* doc = Open(nullptr);
    doc->m_circles = 3;
    doc->m_squares = 4;
    doc->SetModifiedFlag();
    const std::string path = (folder / "house.skt").string();
    ASSERT_TRUE(doc->DoSave(path.c_str()));
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->GetPathName(), path);
    EXPECT_EQ(doc->GetTitle(), "house.skt");
    ASSERT_NE(app->m_pRecentFileList, nullptr);
    EXPECT_EQ((*app->m_pRecentFileList)[0], path);
    doc->OnCloseDocument();

    CSketchDoc* again = Open(path.c_str());
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->m_circles, 3);
    EXPECT_EQ(again->m_squares, 4);
    EXPECT_FALSE(again->IsModified());
    EXPECT_EQ(app->OpenDocumentFile(path.c_str()), again) << "an open file is not opened twice";
}

TEST_F(CDocumentTest, AFileThatCannotBeReadIsReportedAndLeavesNoDocumentOrFrame) {
    const std::string broken = (folder / "broken.skt").string();
    std::ofstream(broken) << "12";
    EXPECT_EQ(Open(broken.c_str()), nullptr);
    EXPECT_EQ(Open((folder / "missing.skt").string().c_str()), nullptr);
    EXPECT_TRUE(docTemplate->GetDocuments().empty());
    EXPECT_TRUE(app->MainFrame()->GetMDIChildren().empty());
    EXPECT_EQ(CSketchDoc::s_alive, 0);
    ASSERT_EQ(prompts.MessageBoxes().size(), 2u);
    EXPECT_EQ(prompts.MessageBoxes()[0].text.find("Failed to open document.\n" + broken), 0u);
    EXPECT_EQ(prompts.WaitCursorChanges(), std::vector<bool>({true, false, true, false}));
}

TEST_F(CDocumentTest, SaveModifiedAnswersFollowTheQuestion) {
    CSketchDoc* doc = Open(nullptr);
    EXPECT_TRUE(doc->SaveModified()) << "nothing to ask";
    EXPECT_TRUE(prompts.MessageBoxes().empty());

    doc->SetModifiedFlag();
    prompts.QueueMessageBoxAnswer(IDCANCEL);
    EXPECT_FALSE(doc->SaveModified());
    prompts.QueueMessageBoxAnswer(IDNO);
    EXPECT_TRUE(doc->SaveModified());
    EXPECT_TRUE(doc->IsModified()) << "No keeps the changes in memory, unsaved";

    // Yes on a document without a file asks for one; cancelling that keeps it open.
    prompts.QueueMessageBoxAnswer(IDYES);
    prompts.QueueFileCancel();
    EXPECT_FALSE(doc->SaveModified());
    prompts.QueueMessageBoxAnswer(IDYES);
    prompts.QueueFileAnswer((folder / "drawing").string());
    EXPECT_TRUE(doc->SaveModified());
    EXPECT_FALSE(doc->IsModified());
    EXPECT_TRUE(std::filesystem::exists(folder / "drawing.skt"));
    const CFileDialogRequest& asked = prompts.FileDialogs().back();
    EXPECT_EQ(asked.fileName, "Sketch1.skt");
    EXPECT_EQ(asked.title, "Save As");
    EXPECT_EQ(asked.defaultExtension, "skt");
    EXPECT_EQ(asked.filters.front().first, "Sketch Files (*.skt)");
}

TEST_F(CDocumentTest, ClosingTheMainWindowAsksAboutEveryModifiedDocumentFirst) {
    CSketchDoc* first = Open(nullptr);
    CSketchDoc* second = Open(nullptr);
    first->SetModifiedFlag();
    second->SetModifiedFlag();
    prompts.QueueMessageBoxAnswer(IDNO);
    prompts.QueueMessageBoxAnswer(IDCANCEL);
    app->m_pMainWnd->SendMessage(WM_CLOSE);
    EXPECT_EQ(prompts.MessageBoxes().size(), 2u);
    EXPECT_NE(app->m_pMainWnd, nullptr) << "a cancelled question keeps the program open";
    EXPECT_EQ(CSketchDoc::s_alive, 2) << "nothing was closed before every answer was in";

    prompts.QueueMessageBoxAnswer(IDNO);
    prompts.QueueMessageBoxAnswer(IDNO);
    app->m_pMainWnd->SendMessage(WM_CLOSE);
    ProcessEvents();
    EXPECT_EQ(app->m_pMainWnd, nullptr);
    EXPECT_EQ(CSketchDoc::s_alive, 0);
}

TEST_F(CDocumentTest, RecentFileThatIsGoneLeavesTheList) {
    CSketchDoc* doc = Open(nullptr);
    const std::string path = (folder / "gone.skt").string();
    ASSERT_TRUE(doc->DoSave(path.c_str()));
    doc->OnCloseDocument();
    std::filesystem::remove(path);
    ASSERT_EQ((*app->m_pRecentFileList)[0], path);
    app->m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_MRU_FILE1, 0);
    EXPECT_TRUE((*app->m_pRecentFileList)[0].empty());
    EXPECT_EQ(prompts.MessageBoxes().size(), 1u);
}

} // namespace
