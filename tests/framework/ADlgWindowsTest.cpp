#include "ShellFixture.h"

#include "framework/ADlgWindows.h"
#include "platform/ui/CDialog.h"

#include <QImage>
#include <QWidget>

namespace {

class ADlgWindowsTest : public ShellFixture {
protected:
    void SetUp() override {
        ShellFixture::SetUp();
        structure = addNew("Frame1", "");
        for (int i = 0; i < 4; ++i) {
            items.push_back(std::make_unique<ShellItem>(structure, "W" + std::to_string(i)));
            windows.push_back(openWindow(structure, items.back().get()));
        }
    }
    static CListBox& list(CDialog& dlg) { return static_cast<ADlgWindows&>(dlg).m_wndList; }
    static std::vector<std::string> entries(CDialog& dlg) {
        std::vector<std::string> texts;
        for (int i = 0; i < list(dlg).GetCount(); ++i) {
            CString text;
            list(dlg).GetText(i, text);
            texts.push_back(text + (list(dlg).GetSel(i) > 0 ? "*" : ""));
        }
        return texts;
    }
    void command(UINT id) { frame->SendMessage(WM_COMMAND, id, 0); }
    static bool buttonEnabled(CDialog& dlg, UINT id) {
        return dlg.GetDlgItem(static_cast<int>(id))->IsWindowEnabled();
    }

    CScriptedDialogService dialogs;
    TestStructure* structure = nullptr;
    std::vector<std::unique_ptr<ShellItem>> items;
    std::vector<ShellChildFrame*> windows;
};

TEST_F(ADlgWindowsTest, TheDialogTilesTheTwoChosenOfFourWindowsAndMinimisesTheOthers) {
    windows[1]->MDIActivate();
    dialogs.Queue([&](CDialog& dlg) {
        EXPECT_EQ(entries(dlg),
                  std::vector<std::string>({"Frame1 - W0", "Frame1 - W1*", "Frame1 - W2", "Frame1 - W3"}));
        dlg.KickIdle();
        EXPECT_TRUE(buttonEnabled(dlg, IDC_WINDOWS_ACTIVATE));
        EXPECT_FALSE(buttonEnabled(dlg, IDC_WINDOWS_TILEHORZ)) << "one window is nothing to tile";
        list(dlg).SetSel(2, TRUE);
        dlg.KickIdle();
        EXPECT_FALSE(buttonEnabled(dlg, IDC_WINDOWS_ACTIVATE));
        EXPECT_TRUE(buttonEnabled(dlg, IDC_WINDOWS_TILEHORZ));
        dlg.PressButton(IDC_WINDOWS_TILEHORZ);
        EXPECT_FALSE(dlg.IsEnded()) << "the dialog stays open";
        const QImage shot = dlg.GetWidget()->grab().toImage();
        shot.save(QString::fromStdString((ArtifactsFolder() / "framework-windows-dialog.png").string()));
        dlg.PressButton(IDCANCEL);
    });
    command(ID_WINDOW_MOREWINDOWS);
    EXPECT_TRUE(windows[0]->IsIconic());
    EXPECT_TRUE(windows[3]->IsIconic());
    EXPECT_FALSE(windows[1]->IsIconic());
    EXPECT_FALSE(windows[2]->IsIconic());
    CRect a, b;
    windows[1]->GetWindowRect(&a);
    windows[2]->GetWindowRect(&b);
    EXPECT_EQ(a.left, b.left) << "tiled one above the other";
    EXPECT_LT(a.top, b.top);
}

TEST_F(ADlgWindowsTest, ClosingListsTheRestAndActivateEndsTheDialog) {
    dialogs.Queue([&](CDialog& dlg) {
        list(dlg).SetSel(3, FALSE);
        list(dlg).SetSel(0, TRUE);
        dlg.PressButton(IDC_WINDOWS_CLOSE);
        EXPECT_EQ(entries(dlg), std::vector<std::string>({"Frame1 - W1*", "Frame1 - W2", "Frame1 - W3"}));
        list(dlg).SetSel(0, FALSE);
        list(dlg).SetSel(1, TRUE);
        dlg.PressButton(IDC_WINDOWS_ACTIVATE);
        EXPECT_TRUE(dlg.IsEnded());
    });
    command(ID_WINDOW_MOREWINDOWS);
    EXPECT_EQ(frame->GetMDIChildren().size(), 3u);
    EXPECT_EQ(frame->MDIGetActive(), windows[2]);
}

TEST_F(ADlgWindowsTest, WindowsOfAHiddenWorkspaceAreNotListed) {
    frame->projectWnd.ActivateWorkspace(1);
    openWindow(structure, items[0].get());
    dialogs.Queue([&](CDialog& dlg) {
        EXPECT_EQ(entries(dlg), std::vector<std::string>({"Frame1 - W0:2*"}));
        dlg.PressButton(IDCANCEL);
    });
    command(ID_WINDOW_MOREWINDOWS);
}

} // namespace
