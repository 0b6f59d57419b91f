// The grid as a dialog template's custom control.
#include "controls/grid/CGridCtrl.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CDialogTemplate.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CResources.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace {

constexpr UINT IDD_GRIDS = 9700;
constexpr int IDC_PLAIN_GRID = 1001;
constexpr int IDC_MEMBER_GRID = 1002;

CDialogTemplate GridTemplate() {
    CDialogTemplate t;
    t.caption = "Results";
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
    t.cx = 300;
    t.cy = 200;
    t.items = {
        DlgControl("", IDC_PLAIN_GRID, CGridCtrl::kWindowClass, WS_VISIBLE | WS_BORDER, 7, 7, 140, 150),
        DlgControl("", IDC_MEMBER_GRID, CGridCtrl::kWindowClass, WS_VISIBLE | WS_BORDER, 153, 7, 140, 150),
        DlgDefPushButton("OK", IDOK, 243, 180, 50, 14),
    };
    return t;
}

class CResultsDialog : public CDialog {
public:
    CResultsDialog() : CDialog(IDD_GRIDS) {}
    CGridCtrl m_grid{5, 3, 1, 1};

protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, IDC_MEMBER_GRID, m_grid); }
};

} // namespace

TEST(CGridCtrlDialogTest, ATemplatesCustomControlBecomesAGridAndDataExchangeTakesItOver) {
    CScriptedPromptService prompts;
    CResources::Instance().AddDialog(IDD_GRIDS, GridTemplate());
    CResultsDialog dlg;
    ASSERT_TRUE(dlg.Create(IDD_GRIDS));
    auto* plain = dynamic_cast<CGridCtrl*>(dlg.GetDlgItem(IDC_PLAIN_GRID));
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->GetRowCount(), 0);
    EXPECT_EQ(dlg.GetDlgItem(IDC_MEMBER_GRID), &dlg.m_grid);
    EXPECT_EQ(dlg.m_grid.GetDlgCtrlID(), IDC_MEMBER_GRID);
    ASSERT_TRUE(dlg.m_grid.IsWindow());
    dlg.m_grid.SetItemText(1, 1, "in a dialog");
    RECT client;
    dlg.m_grid.GetClientRect(&client);
    EXPECT_GT(client.right, 50);
    CRect cell;
    EXPECT_TRUE(dlg.m_grid.GetCellRect(1, 1, &cell));
    dlg.DestroyWindow();
    QApplication::processEvents();
}
