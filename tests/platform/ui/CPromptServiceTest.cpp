#include "platform/ui/CPromptService.h"

#include "UiTestSupport.h"

#include "platform/ui/AfxRes.h"
#include "platform/ui/CFileDialog.h"
#include "platform/ui/CResources.h"
#include "platform/ui/CWinApp.h"

#include <fstream>
#include <stdexcept>

#include <gtest/gtest.h>

namespace {

TEST(CPromptService, MessageBoxesGoToTheInstalledServiceWithTheApplicationsName) {
    CWinApp app("Strakon");
    CScriptedPromptService prompts;
    prompts.QueueMessageBoxAnswer(IDNO);
    EXPECT_EQ(AfxMessageBox("Close it?", MB_YESNO | MB_ICONQUESTION, 61699), IDNO);
    EXPECT_EQ(AfxMessageBox(AFX_IDP_COMMAND_FAILURE), IDOK);
    ASSERT_EQ(prompts.MessageBoxes().size(), 2u);
    const CMessageBoxRequest& first = prompts.MessageBoxes()[0];
    EXPECT_EQ(first.text, "Close it?");
    EXPECT_EQ(first.caption, "Strakon");
    EXPECT_EQ(first.type, MB_YESNO | MB_ICONQUESTION);
    EXPECT_EQ(first.helpId, 61699u);
    EXPECT_EQ(prompts.MessageBoxes()[1].text, "Command failed.");
    EXPECT_EQ(prompts.MessageBoxes()[1].helpId, AFX_IDP_COMMAND_FAILURE) << "the prompt's id is its help id";
}

TEST(CPromptService, UnansweredMessageBoxGivesItsDefaultButton) {
    struct Case {
        UINT type;
        int answer;
    };
    for (const Case& c : {Case{MB_OK, IDOK}, Case{MB_OKCANCEL, IDOK}, Case{MB_YESNO | MB_DEFBUTTON2, IDNO},
                          Case{MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL}, Case{MB_RETRYCANCEL, IDRETRY},
                          Case{MB_YESNO | MB_DEFBUTTON3, IDNO}}) {
        EXPECT_EQ(CScriptedPromptService::DefaultAnswer(c.type), c.answer) << c.type;
    }
    CScriptedPromptService prompts;
    prompts.SetMessageBoxHandler([](const CMessageBoxRequest& r) { return r.text == "a" ? IDYES : IDNO; });
    EXPECT_EQ(AfxMessageBox("a", MB_YESNO), IDYES);
    EXPECT_EQ(AfxMessageBox("b", MB_YESNO), IDNO);
}

TEST(CPromptService, ScriptedServiceStandsInWhileItLives) {
    CScriptedPromptService outer;
    {
        CScriptedPromptService inner;
        MessageBeep(MB_ICONEXCLAMATION);
        Sleep(15);
        EXPECT_EQ(inner.Beeps(), std::vector<UINT>({MB_ICONEXCLAMATION}));
        EXPECT_EQ(inner.Sleeps(), std::vector<DWORD>({15}));
    }
    MessageBeep(MB_OK);
    EXPECT_EQ(outer.Beeps(), std::vector<UINT>({MB_OK}));
}

TEST(CPromptService, WaitCursorShowsOnceForNestedUsersAndGoesAfterAnException) {
    CScriptedPromptService prompts;
    {
        CWaitCursor outer;
        try {
            CWaitCursor inner;
            throw std::runtime_error("failed");
        } catch (const std::runtime_error&) {
        }
        EXPECT_TRUE(prompts.IsWaitCursorShown());
    }
    EXPECT_EQ(prompts.WaitCursorChanges(), std::vector<bool>({true, false}));
    AfxDoWaitCursor(-1);
    EXPECT_EQ(AfxGetWaitCursorCount(), 0) << "an End without a Begin changes nothing";
    EXPECT_EQ(prompts.WaitCursorChanges().size(), 2u);
}

class CFileDialogTest : public ::testing::Test {
protected:
    void SetUp() override { std::ofstream((folder / "exists.oxs").string()) << "x"; }
    TempFolder folder;
    CScriptedPromptService prompts;
};

TEST_F(CFileDialogTest, DefaultExtensionIsAddedToANameWithoutOne) {
    CFileDialog dialog(FALSE, "oxs", nullptr, OFN_HIDEREADONLY,
                       "Structure Files (*.oxs)|*.oxs|All Files (*.*)|*.*||");
    dialog.m_ofn.lpstrTitle = "Save Structure";
    dialog.m_ofn.lpstrInitialDir = folder.path().string();
    prompts.QueueFileAnswer((folder / "bridge").string());
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetPathName(), (folder / "bridge.oxs").string());
    EXPECT_EQ(dialog.GetFileName(), "bridge.oxs");
    EXPECT_EQ(dialog.GetFileTitle(), "bridge");
    EXPECT_EQ(dialog.GetFileExt(), "oxs");
    ASSERT_EQ(prompts.FileDialogs().size(), 1u);
    const CFileDialogRequest& request = prompts.FileDialogs()[0];
    EXPECT_FALSE(request.open);
    EXPECT_EQ(request.title, "Save Structure");
    EXPECT_EQ(request.initialFolder, folder.path().string());
    ASSERT_EQ(request.filters.size(), 2u);
    EXPECT_EQ(request.filters[0].first, "Structure Files (*.oxs)");
    EXPECT_EQ(request.filters[1].second, "*.*");
}

TEST_F(CFileDialogTest, OpenRefusesAMissingFileAndAsksAgain) {
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_FILEMUSTEXIST);
    prompts.QueueFileAnswer((folder / "missing.oxs").string());
    prompts.QueueFileAnswer((folder / "exists.oxs").string());
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.GetPathName(), (folder / "exists.oxs").string());
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_NE(prompts.MessageBoxes()[0].text.find("missing.oxs\nFile not found."), std::string::npos);
    EXPECT_EQ(prompts.FileDialogs().size(), 2u);
    EXPECT_EQ(prompts.FileDialogs()[1].fileName, (folder / "missing.oxs").string())
        << "the refused name is offered again";
}

TEST_F(CFileDialogTest, SaveAsksBeforeReplacingAFile) {
    CFileDialog dialog(FALSE, nullptr, nullptr, OFN_OVERWRITEPROMPT);
    prompts.QueueFileAnswer((folder / "exists.oxs").string());
    prompts.QueueMessageBoxAnswer(IDNO);
    prompts.QueueFileAnswer((folder / "exists.oxs").string());
    prompts.QueueMessageBoxAnswer(IDYES);
    ASSERT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(prompts.FileDialogs().size(), 2u);
    ASSERT_EQ(prompts.MessageBoxes().size(), 2u);
    EXPECT_EQ(prompts.MessageBoxes()[0].text,
              (folder / "exists.oxs").string() + " already exists.\nDo you want to replace it?");
    EXPECT_EQ(prompts.MessageBoxes()[0].type & MB_TYPEMASK, MB_YESNO);

    CFileDialog quiet(FALSE, nullptr, nullptr, 0);
    prompts.QueueFileAnswer((folder / "exists.oxs").string());
    EXPECT_EQ(quiet.DoModal(), IDOK);
    EXPECT_EQ(prompts.MessageBoxes().size(), 2u) << "no question without OFN_OVERWRITEPROMPT";
}

TEST_F(CFileDialogTest, CancelledOrUnansweredDialogGivesCancel) {
    CFileDialog dialog(TRUE);
    prompts.QueueFileCancel();
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(prompts.FileDialogs()[0].title, "Open");
}

} // namespace
