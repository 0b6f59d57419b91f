#include "platform/ui/CToolTipCtrl.h"

#include "UiTestSupport.h"

#include "platform/gdi/CDC.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CView.h"

#include <QApplication>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <string>

#include <gtest/gtest.h>

namespace {

// A view with a line along y = 50 whose tip tells where on the line the
// cursor is, and nothing away from it.
class CLineView : public CView {
    DECLARE_DYNCREATE(CLineView)
    DECLARE_MESSAGE_MAP()
public:
    CToolTipCtrl tip;
    CPoint mouse;
    int asked = 0;
    void OnInitialUpdate() override {
        CView::OnInitialUpdate();
        tip.Create(this, TTS_ALWAYSTIP);
        tip.AddTool(this, LPSTR_TEXTCALLBACK);
    }
    void OnDraw(CDC* pDC) override {
        pDC->MoveTo(20, 50);
        pDC->LineTo(280, 50);
    }
    void OnMouseMove(UINT, CPoint point) override { mouse = point; }
    BOOL OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult) {
        ++asked;
        auto* text = reinterpret_cast<TOOLTIPTEXT*>(pNMHDR);
        if (std::abs(mouse.y - 50) <= 3 && mouse.x >= 20 && mouse.x <= 280) {
            std::snprintf(text->szText, sizeof text->szText, "Line at x = %d", mouse.x);
            tip.SetTipTextColor(RGB(200, 0, 0));
        }
        *pResult = 1;
        return TRUE;
    }
};
IMPLEMENT_DYNCREATE(CLineView, CView)

BEGIN_MESSAGE_MAP(CLineView, CView)
ON_NOTIFY_EX(TTN_NEEDTEXT, 0, &CLineView::OnToolTipText)
END_MESSAGE_MAP()

class CToolTipCtrlTest : public ::testing::Test {
protected:
    void SetUp() override {
        frame = OpenViewFrame(RUNTIME_CLASS(CLineView), "Tips", CRect(0, 0, 320, 200));
        ASSERT_NE(frame, nullptr);
        view = static_cast<CLineView*>(frame->GetActiveView());
        ASSERT_NE(view, nullptr);
        ProcessEvents();
    }
    void TearDown() override {
        QToolTip::hideText();
        frame->DestroyWindow();
        ProcessEvents();
    }
    // The mouse comes to rest at a client point of the view: a move, then Qt's help event.
    std::string hover(QPoint at) {
        QWidget* client = view->GetInputWidget();
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(client->mapToGlobal(at)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(client, &move);
        QHelpEvent help(QEvent::ToolTip, at, client->mapToGlobal(at));
        QCoreApplication::sendEvent(client, &help);
        const std::string shown = view->tip.GetShownText();
        if (!shown.empty()) {
            // On Qt's own tool tip.
            EXPECT_TRUE(QToolTip::isVisible());
            EXPECT_EQ(QToolTip::text().toStdString(), shown);
        }
        return shown;
    }

    CFrameWnd* frame = nullptr;
    CLineView* view = nullptr;
};

} // namespace

TEST_F(CToolTipCtrlTest, AViewsTipIsTheTextItComputesForThePointUnderTheCursor) {
    struct Case {
        QPoint at;
        std::string tip;
    };
    const Case cases[] = {
        {{100, 51}, "Line at x = 100"},
        {{200, 48}, "Line at x = 200"},
        {{100, 120}, ""}, // nothing under the cursor: no tip
        {{300, 50}, ""},  // beyond the line's end
        {{21, 50}, "Line at x = 21"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(hover(c.at), c.tip) << c.at.x() << ", " << c.at.y();
        EXPECT_EQ(view->tip.GetShownText(), c.tip);
    }
    EXPECT_EQ(view->asked, 5);
    // The last tip as Qt shows it.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->inherits("QTipLabel") && w->isVisible())
            w->grab().save(QString::fromStdString((ArtifactsFolder() / "view-tool-tip.png").string()));
    EXPECT_EQ(QToolTip::palette().color(QPalette::ToolTipText), QColor(200, 0, 0));
}

TEST_F(CToolTipCtrlTest, AnInactiveControlShowsNoTipUntilActivatedAgain) {
    ASSERT_EQ(hover(QPoint(100, 50)), "Line at x = 100");
    view->tip.Activate(FALSE);
    EXPECT_EQ(view->tip.GetShownText(), "") << "deactivating takes the tip away";
    EXPECT_EQ(hover(QPoint(120, 50)), "");
    view->tip.Activate(TRUE);
    EXPECT_EQ(hover(QPoint(140, 50)), "Line at x = 140") << "asked anew";
}

TEST_F(CToolTipCtrlTest, RelayedMovesAskAgainAndButtonsTakeTheTipAway) {
    ASSERT_EQ(hover(QPoint(100, 50)), "Line at x = 100");
    view->mouse = CPoint(150, 50);
    MSG move{view->GetSafeHwnd(), WM_MOUSEMOVE, 0, MAKELPARAM(150, 50)};
    view->tip.RelayEvent(&move);
    EXPECT_EQ(view->tip.GetShownText(), "Line at x = 150");
    MSG press{view->GetSafeHwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(150, 50)};
    view->tip.RelayEvent(&press);
    EXPECT_EQ(view->tip.GetShownText(), "");
}

TEST_F(CToolTipCtrlTest, AFixedTextToolOfARectangleShowsItsTextThere) {
    const CRect corner(0, 0, 15, 15);
    ASSERT_TRUE(view->tip.AddTool(view, "Corner", &corner, 7));
    EXPECT_EQ(view->tip.GetToolCount(), 2);
    EXPECT_EQ(hover(QPoint(5, 5)), "Corner");
    view->tip.UpdateTipText("Top left corner", view, 7);
    EXPECT_EQ(hover(QPoint(6, 6)), "Top left corner");
    view->tip.DelTool(view, 7);
    EXPECT_EQ(view->tip.GetToolCount(), 1);
    EXPECT_EQ(hover(QPoint(6, 6)), "") << "the view's own tool: nothing under the cursor";
}
