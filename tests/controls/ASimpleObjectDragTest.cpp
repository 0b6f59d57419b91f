// A drag of outlines over a real view: the outlines are the view's overlay and
// the document's drawing is not done again.
#include "controls/AMapC2L.h"
#include "controls/ASimpleObject.h"
#include "platform/gdi/CDC.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CView.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <QImage>
#include <QMouseEvent>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// A structure-like drawing in world metres (a frame of members), drawn through
// a map in MM_LOMETRIC with y up, and a drag group as its overlay.
class CFrameDrawingView : public CScrollView {
    DECLARE_DYNCREATE(CFrameDrawingView)
public:
    AMapC2L map;
    ASimpleObjectGroup group;
    bool dragging = false;
    int draws = 0;

    void OnInitialUpdate() override { SetScrollSizes(MM_LOMETRIC, CSize(1500, 1500)); }
    void OnPrepareDC(CDC* pDC, CPrintInfo* pInfo = nullptr) override {
        CScrollView::OnPrepareDC(pDC, pInfo);
        map.SetMapModeData(*pDC);
    }
    void OnDraw(CDC* pDC) override {
        ++draws;
        CPen member(PS_SOLID, 5, RGB(0, 0, 160));
        CPen* old = pDC->SelectObject(&member);
        for (int bay = 0; bay <= 4; ++bay) {
            pDC->MoveTo(map.LU(omPoint(bay, 0)));
            pDC->LineTo(map.LU(omPoint(bay, 3)));
        }
        pDC->MoveTo(map.LU(omPoint(0, 3)));
        pDC->LineTo(map.LU(omPoint(4, 3)));
        pDC->SelectObject(old);
    }
    void OnDrawOverlay(CDC* pDC) override {
        if (dragging) group.Show(map, *pDC, true);
    }
    // The outline follows the mouse, as in a move of the zoom views.
    void OnMouseMove(UINT, CPoint point) override {
        if (dragging) group.Drag(map, this, map.DUtoCU(point));
    }
};
IMPLEMENT_DYNCREATE(CFrameDrawingView, CScrollView)

} // namespace

TEST(ASimpleObjectGroup, DragOverAViewRepaintsTheOverlayOnly) {
    auto* frame = OpenViewFrame(RUNTIME_CLASS(CFrameDrawingView), "Drag", CRect(0, 0, 320, 240));
    ASSERT_NE(frame, nullptr);
    auto* view = static_cast<CFrameDrawingView*>(frame->GetActiveView());
    ASSERT_NE(view, nullptr);
    // 125 logical units (12.5 mm) per metre: the frame of 4 m by 3 m fills most of the window.
    view->map.SetTotalCU(omRect(-1, 5, 7, -1));
    view->map.SetMap_wc_wl(omRect(-0.5, 3.5, 4.5, -0.5), CRect(0, 0, 750, -500), AMapC2L::posCenter,
                           AMapC2L::posCenter);
    view->Invalidate();
    ProcessEvents();
    QWidget* client = view->GetInputWidget();
    const QImage before = client->grab().toImage();
    const int drawn = view->draws;

    // The member between (1, 0) and (1, 3) is dragged by its top node.
    auto* line = new ASimpleLine(omPoint(1, 0), omPoint(1, 3));
    view->group.Add(line);
    view->group.Add(line->GetPoint2());
    view->group.SetMovablePoint(omPoint(1, 3));
    view->dragging = true;
    QImage during;
    for (int i = 1; i <= 10; ++i) {
        // A mouse move over the view's window, ten pixels right and five down each time.
        const QPoint at(60 + 10 * i, 40 + 5 * i);
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(client->mapToGlobal(at)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(client, &move);
        during = client->grab().toImage();
        EXPECT_NE(during, before) << "the outline shows at step " << i;
    }
    EXPECT_NE(*line->GetPoint2(), omPoint(1, 3)) << "the mouse dragged the node";
    during.save(QString::fromStdString((ArtifactsFolder() / "drag-outline-over-view.png").string()));

    // Cancelled: the outlines go, the view is as it was.
    view->dragging = false;
    view->group.Clear();
    view->InvalidateOverlay();
    EXPECT_EQ(client->grab().toImage(), before);
    EXPECT_EQ(view->draws, drawn) << "the drag drew the document again";
    frame->DestroyWindow();
    ProcessEvents();
}
