#include "platform/ui/CFormView.h"

#include "UiTestSupport.h"

#include "platform/ui/CDataExchange.h"
#include "platform/ui/CDialogControls.h"
#include "platform/ui/CDialogTemplate.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CResources.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace {

constexpr UINT IDD_FORM = 9680;

class AForm : public CFormView {
public:
    AForm() : CFormView(IDD_FORM) {}
    CString m_name = "Frame 1";
    int m_nSpans = 3;
    int m_nKind = 1;
    CEdit m_nameEdit;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, 1000, m_nameEdit);
        DDX_Text(pDX, 1000, m_name);
        DDX_Text(pDX, 1001, m_nSpans);
        DDV_MinMaxInt(pDX, m_nSpans, 1, 20);
        DDX_Radio(pDX, 1002, m_nKind);
    }
};

TEST(CFormView, ShowsAndReadsItsMembersThroughTheTemplatesControls) {
    CDialogTemplate t;
    t.style = WS_CHILD;
    t.cx = 200;
    t.cy = 100;
    t.items = {DlgEditText(1000, 7, 7, 100, 12), DlgEditText(1001, 7, 24, 40, 12),
               DlgRadioButton("Plane frame", 1002, 7, 40, 80, 10, WS_GROUP),
               DlgRadioButton("Truss", 1003, 7, 52, 80, 10)};
    CResources::Instance().AddDialog(IDD_FORM, t);
    CScriptedPromptService prompts;

    auto* frame = new CFrameWnd;
    ASSERT_TRUE(frame->Create(nullptr, "Form"));
    auto* form = new AForm;
    ASSERT_TRUE(
        form->Create(nullptr, "", AFX_WS_DEFAULT_VIEW, RECT{0, 0, 400, 300}, frame, AFX_IDW_PANE_FIRST));
    form->SendMessage(WM_INITIALUPDATE);
    EXPECT_TRUE(form->m_nameEdit.IsWindow());
    EXPECT_EQ(form->GetDlgItem(1000), &form->m_nameEdit);
    EXPECT_EQ(form->m_nameEdit.GetWindowText(), "Frame 1");
    EXPECT_EQ(form->GetDlgItem(1001)->GetWindowText(), "3");
    EXPECT_EQ(static_cast<CButton*>(form->GetDlgItem(1003))->GetCheck(), BST_CHECKED);
    // The controls sit where the view shows its contents.
    EXPECT_EQ(form->m_nameEdit.GetWidget()->parentWidget(), form->GetInputWidget());

    form->m_nameEdit.SetWindowText("Frame 2");
    form->GetDlgItem(1001)->SetWindowText("25");
    EXPECT_FALSE(form->UpdateData(TRUE));
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_EQ(prompts.MessageBoxes()[0].text, "Please enter an integer between 1 and 20.");
    form->GetDlgItem(1001)->SetWindowText("12");
    static_cast<CButton*>(form->GetDlgItem(1002))->Click();
    EXPECT_TRUE(form->UpdateData(TRUE));
    EXPECT_EQ(form->m_name, "Frame 2");
    EXPECT_EQ(form->m_nSpans, 12);
    EXPECT_EQ(form->m_nKind, 0);
    frame->DestroyWindow();
    ProcessEvents();
}

} // namespace
