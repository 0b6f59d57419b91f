// The zoom view hosted in an MDI frame with a status bar and driven with real
// mouse and key events: zoom and its history, picking, the mouse modes, moving
// the selection, tooltips, copying and printing.
#include "app/views/AZoomView.h"

#include "ViewHostFixture.h"

#include "app/views/ACoordinatePane.h"
#include "app/views/AExtents2D.h"
#include "app/views/AZoomViewDocument.h"
#include "controls/AGrid.h"
#include "controls/AMapC2L.h"
#include "controls/AObject.h"
#include "controls/report/APrintManager.h"
#include "controls/report/ATextRect.h"
#include "platform/gdi/CDC.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/CMDIFrameWnd.h"
#include "resources/ui/StrakonDialogs.h"
#include "resources/ui/StrakonResourceIds.h"
#include "tests/support/ArtifactsFolder.h"
#include "tests/support/TempFolder.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QMimeData>
#include <QPixmap>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <QXmlStreamReader>

#include <cmath>
#include <string>
#include <vector>

using namespace viewhost;

namespace {

// A round object at a point; a fixed distance, when given, is what every pick hears.
class Dot : public AObject {
public:
    Dot(double x, double z, double fixedDistance = -1.0) : centre(x, z), fixed(fixedDistance) {}
    int GetObjectType() const override { return 1; }
    omRect GetBoundingRect(bool large) const override {
        const double r = large ? 0.3 : 0.2;
        return omRect(centre.x - r, centre.y - r, centre.x + r, centre.y + r);
    }
    void Draw(AMapC2L&, CDC&, int, const ADrawAttributes&) override {}
    double GetDistance(const omPoint& p) const override {
        if (fixed >= 0.0) return fixed;
        return std::max(0.0, std::hypot(p.x - centre.x, p.y - centre.y) - 0.2);
    }
    void AddDragShapes(ASimpleObjectGroup& group, const AObjectPtrContainer&) override {
        auto* circle = new ASimpleCircle(centre, 0.2);
        group.Add(circle);
        group.Add(circle->GetCentre());
    }
    omPoint GetReferencePoint(AMapC2L&, const omPoint&) override { return centre; }
    CString GetTipText(const omPoint&) const override { return name; }
    UINT GetMenuResourceId() const override { return menu; }

    omPoint centre;
    double fixed;
    CString name = "Dot";
    UINT menu = 0;
};

class ZoomDoc : public CDocument, public AZoomViewDocument {
public:
    ZoomDoc() {
        m_bAutoDelete = FALSE;
        extents.AddPoint(0, 0);
        extents.AddPoint(10, 5);
    }
    AObjectPtrContainer& GetObjectList() override { return objects; }
    AObjectPtrContainer& GetSelection() override { return selection; }
    void DeleteSelection(CView*) override { ++deletes; }
    void ShowSelectionProperties(CView*, bool open) override { properties.push_back(open); }
    bool BeginMove(CView*, ASimpleObjectGroup& group) override {
        for (AObject* o : selection)
            o->AddDragShapes(group, selection);
        return !selection.IsEmpty();
    }
    void MoveSelection(double dx, double dz) override { moves.push_back(omPoint(dx, dz)); }
    omRect GetDrawExtents(int, int, int) override { return omRect(-1, -1, 11, 6); }
    const AExtents2D& GetExtents() const override { return extents; }
    void SetupGrid(AGrid& grid, const AMapC2L& map) override {
        grid.EnableAutoUnits(false, false);
        grid.SetUnits(gridStep, 0.0);
        grid.CalculateUnits(map);
    }
    void InvertResultCaption() override { ++captionSwitches; }
    APrintManager& GetReportComposer() override { return composer; }
    bool PrepareOutput(CDC*) override {
        if (reportLines == 0) return false;
        std::string text;
        for (int i = 1; i <= reportLines; ++i)
            text += "Line " + std::to_string(i) + "@{N}";
        composer.Add(new ATextRect(text));
        return true;
    }

    AObjectPtrContainer objects;
    AObjectPtrContainer selection;
    AExtents2D extents;
    APrintManager composer;
    double gridStep = 1.0;
    int deletes = 0;
    int captionSwitches = 0;
    int reportLines = 0;
    std::vector<bool> properties;
    std::vector<omPoint> moves;
};

// Draws the document's dots as circles, filled when selected.
class DotView : public AZoomView {
    DECLARE_DYNCREATE(DotView)
public:
    bool Draw(CDC* dc, CPoint) const override {
        auto* doc = dynamic_cast<ZoomDoc*>(GetDocument());
        if (!doc) return true;
        const AMapC2L& map = GetC2L();
        for (AObject* o : doc->objects) {
            const CRect r = map.LU(o->GetBoundingRect(false));
            dc->FillSolidRect(&r, o->IsSelected() ? RGB(200, 0, 0) : RGB(0, 0, 200));
        }
        return true;
    }
    CString GetPromptText() override { return prompt; }
    CString GetModeName() override { return tip.empty() ? AZoomView::GetModeName() : tip; }
    CString prompt = "x: 0 z: 0";
    CString tip;
};
IMPLEMENT_DYNCREATE(DotView, AZoomView)

class AZoomViewTest : public ViewHostTest {
protected:
    void SetUp() override {
        ViewHostTest::SetUp();
        previousPane = ACoordinatePane::SetTarget([this](const char* text) {
            paneText = text;
            StatusBar().SetPaneText(1, text);
        });
        child = new CMDIChildWnd;
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(DotView);
        context.m_pCurrentDoc = &doc;
        ASSERT_TRUE(child->Create(nullptr, "Structure", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                                  CRect(0, 0, 640, 420), frame, &context));
        child->InitialUpdateFrame(&doc, TRUE);
        child->MDIMaximize();
        Pump();
        view = dynamic_cast<DotView*>(child->GetActiveView());
        ASSERT_NE(view, nullptr);
        input = view->GetInputWidget();
        // The document tells its views the drawing extents once its structure is read.
        doc.UpdateAllViews(nullptr, 3, nullptr);
        Pump();
    }
    void TearDown() override {
        ACoordinatePane::SetTarget(previousPane);
        ViewHostTest::TearDown();
        for (Dot* d : dots)
            delete d;
    }
    Dot* AddDot(double x, double z, double fixed = -1.0) {
        dots.push_back(new Dot(x, z, fixed));
        doc.objects.AddTail(dots.back());
        return dots.back();
    }
    // The client pixel of a world point.
    QPoint At(double x, double z) {
        const CPoint logical = view->GetC2L().LU(x, z);
        view->ClientToLogical(CPoint(0, 0)); // brings the map's device mapping up to date
        const CPoint device = view->GetC2L().DU(logical);
        return QPoint(device.x, device.y);
    }
    void Click(Qt::MouseButton button, QPoint p) {
        QTest::mousePress(input, button, Qt::NoModifier, p);
        QTest::mouseRelease(input, button, Qt::NoModifier, p);
    }
    void Move(QPoint p) {
        QTest::mouseMove(input, p);
        Pump();
    }
    void Save(const char* name) {
        Pump();
        frame->GetWidget()->grab().save(QString::fromStdString((ArtifactsFolder() / name).string()));
    }

    ZoomDoc doc;
    std::vector<Dot*> dots;
    CMDIChildWnd* child = nullptr;
    DotView* view = nullptr;
    QWidget* input = nullptr;
    CString paneText;
    ACoordinatePane::Target previousPane;
};

TEST(AZoomHistoryListTest, KeepsFiftyEntriesAndForgetsTheNewerOnesOnAnAddAfterAStepBack) {
    AZoomHistoryList history;
    AZoomHistoryData entry;
    EXPECT_FALSE(history.Previous(entry));
    EXPECT_FALSE(history.Next(entry));
    for (int i = 0; i < 51; ++i)
        history.AddWindow(omRect(i, 0, i + 1, 1));
    EXPECT_EQ(history.GetCount(), 50) << "the 51st entry drops the oldest";
    int steps = 0;
    while (history.Previous(entry))
        ++steps;
    EXPECT_EQ(steps, 49);
    EXPECT_EQ(entry.m_window.left, 1.0) << "entry 0 is gone";
    EXPECT_FALSE(history.HasPrevious());
    EXPECT_FALSE(history.Previous(entry)) << "Previous on the first entry does nothing";
    EXPECT_EQ(history.GetCurrent()->m_window.left, 1.0);

    ASSERT_TRUE(history.Next(entry));
    history.AddWindowAndScroll(omRect(100, 0, 101, 1), 7, -8);
    EXPECT_EQ(history.GetCount(), 3) << "the entries after the current one are gone";
    EXPECT_FALSE(history.HasNext());
    EXPECT_FALSE(history.Next(entry)) << "Next on the last entry does nothing";
    EXPECT_EQ(history.GetCurrent()->m_nKind, AZoomHistoryData::kindWindowAndScroll);
    EXPECT_EQ(history.GetCurrent()->m_y, -8);
}

TEST_F(AZoomViewTest, ZoomInOutAndTheHistoryMoveTheWorldWindow) {
    const omRect total = view->GetC2L().GetTotalCU();
    EXPECT_EQ(total, omRect(-1, -1, 11, 6));
    EXPECT_EQ(view->GetC2L().GetWindowCU(), total);
    const int entries = view->GetZoomHistory().GetCount();
    ASSERT_GE(entries, 1);

    view->SendMessage(WM_COMMAND, ID_ZOOM_OUT, 0);
    view->ZoomByFactor(1.0);
    EXPECT_EQ(view->GetZoomHistory().GetCount(), entries) << "at the full extents Zoom Out does nothing";
    EXPECT_EQ(view->GetC2L().GetWindowCU(), total);

    view->SendMessage(WM_COMMAND, ID_ZOOM_IN, 0);
    EXPECT_EQ(view->GetZoomHistory().GetCount(), entries + 1);
    const omRect zoomed = view->GetC2L().GetWindowCU();
    EXPECT_NEAR(zoomed.width(), total.width() / 2, 1e-9);
    EXPECT_NEAR(zoomed.center().x, total.center().x, 1e-9);
    view->ZoomByFactor(1.0);
    EXPECT_EQ(view->GetZoomHistory().GetCount(), entries + 1);

    view->SendMessage(WM_COMMAND, ID_ZOOM_PREVIOUS, 0);
    EXPECT_EQ(view->GetC2L().GetWindowCU(), total);
    view->SendMessage(WM_COMMAND, ID_ZOOM_NEXT, 0);
    EXPECT_EQ(view->GetC2L().GetWindowCU(), zoomed);
    EXPECT_EQ(view->GetZoomHistory().GetCount(), entries + 1) << "steps add nothing";

    view->ZoomWindow(omRect(50, 50, 60, 60), true);
    EXPECT_EQ(view->GetC2L().GetWindowCU(), zoomed) << "a window outside the extents changes nothing";
    EXPECT_EQ(view->GetZoomHistory().GetCount(), entries + 1);
}

TEST_F(AZoomViewTest, HitTestTiesGoToTheFirstObjectAndANearerGridPointGivesNone) {
    struct Case {
        const char* name;
        std::vector<double> distances;
        int expected; // index of the hit, -1 for none
    };
    const Case cases[] = {
        {"exact zero ends the search", {0.5, 0.0, 0.0}, 1},
        {"equal distances: the first", {0.3, 0.3}, 0},
        {"the strictly nearest", {0.3, 0.2, 0.25}, 1},
        {"a grid point nearer than every object", {5.0, 6.0}, -1},
    };
    const CPoint logical = view->GetC2L().LU(2.4, 1.4);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        doc.objects.RemoveAll();
        for (Dot* d : dots)
            delete d;
        dots.clear();
        for (size_t i = 0; i < c.distances.size(); ++i)
            AddDot(static_cast<double>(i), 0.0, c.distances[i]);
        omPoint world;
        AObject* hit = view->HitTest(logical.x, logical.y, world, false);
        if (c.expected < 0) {
            EXPECT_EQ(hit, nullptr);
            EXPECT_NEAR(world.x, 2.0, 1e-9) << "the snapped grid point";
            EXPECT_NEAR(world.y, 1.0, 1e-9);
        } else {
            EXPECT_EQ(hit, dots[static_cast<size_t>(c.expected)]);
            EXPECT_EQ(world.x, dots[static_cast<size_t>(c.expected)]->centre.x) << "the reference point";
        }
    }
}

TEST_F(AZoomViewTest, RightClickInSelectModeEndsInPickModeAndOnAnObjectShowsItsMenu) {
    RegisterStrakonContextMenus();
    AddDot(2, 2)->menu = IDR_NODE_MENU;
    view->SetMouseMode(AZoomView::modeSelect);
    Click(Qt::RightButton, At(5, 2));
    EXPECT_EQ(view->GetMouseMode(), AZoomView::modePick);
    EXPECT_EQ(view->GetDragFlag(), 0);
    EXPECT_EQ(prompts.PopupMenusShown(), 0) << "nothing under the cursor";

    view->SetMouseMode(AZoomView::modeSelect);
    Click(Qt::RightButton, At(2, 2));
    EXPECT_EQ(prompts.PopupMenusShown(), 1);
    EXPECT_EQ(view->GetMouseMode(), AZoomView::modePick);
}

TEST_F(AZoomViewTest, ZoomWindowByClickMoveClickAndEscapeRestoringPickMode) {
    AddDot(2, 2);
    view->SetMouseMode(AZoomView::modePick);
    const int entries = view->GetZoomHistory().GetCount();

    // Escape during the band: back to Pick, nothing zoomed.
    view->SendMessage(WM_COMMAND, ID_ZOOM_WINDOW, 0);
    EXPECT_EQ(view->GetMouseMode(), AZoomView::modeZoom);
    Click(Qt::LeftButton, At(1, 1));
    EXPECT_TRUE(view->IsActionInProgress());
    Move(At(4, 3));
    QTest::keyClick(input, Qt::Key_Escape);
    EXPECT_EQ(view->GetMouseMode(), AZoomView::modePick);
    EXPECT_FALSE(view->IsActionInProgress());
    EXPECT_EQ(view->GetZoomHistory().GetCount(), entries);

    // The band drawn over the picture, then the zoom.
    view->SendMessage(WM_COMMAND, ID_ZOOM_WINDOW, 0);
    Click(Qt::LeftButton, At(1, 1));
    Move(At(3, 2));
    Move(At(5, 4));
    EXPECT_TRUE(view->GetDragRect().IsDrawn());
    Save("ZoomViewBand.png");
    Click(Qt::LeftButton, At(5, 4));
    EXPECT_EQ(view->GetMouseMode(), AZoomView::modePick) << "the saved mode comes back";
    EXPECT_EQ(view->GetZoomHistory().GetCount(), entries + 1);
    const omRect window = view->GetC2L().GetWindowCU();
    EXPECT_NEAR(window.center().x, 3.0, 0.1);
    EXPECT_NEAR(window.center().y, 2.5, 0.1);
    EXPECT_LT(window.width(), 8.0);
}

TEST_F(AZoomViewTest, PickToggleAndWindowSelection) {
    Dot* a = AddDot(2, 2);
    Dot* b = AddDot(4, 2);
    Dot* c = AddDot(8, 4);
    view->SetMouseMode(AZoomView::modePick);
    Click(Qt::LeftButton, At(2, 2));
    EXPECT_TRUE(a->IsSelected());
    EXPECT_EQ(doc.selection.GetCount(), 1);
    Click(Qt::LeftButton, At(4, 2));
    EXPECT_FALSE(a->IsSelected()) << "without Shift a pick starts a new selection";
    EXPECT_TRUE(b->IsSelected());
    QTest::mousePress(input, Qt::LeftButton, Qt::ShiftModifier, At(4, 2));
    QTest::mouseRelease(input, Qt::LeftButton, Qt::ShiftModifier, At(4, 2));
    EXPECT_FALSE(b->IsSelected()) << "a second pick toggles it off";
    EXPECT_TRUE(doc.selection.IsEmpty());

    view->SetMouseMode(AZoomView::modeSelect);
    Click(Qt::LeftButton, At(1, 1));
    Move(At(5, 3));
    Click(Qt::LeftButton, At(5, 3));
    EXPECT_TRUE(a->IsSelected());
    EXPECT_TRUE(b->IsSelected());
    EXPECT_FALSE(c->IsSelected()) << "outside the window";
    EXPECT_EQ(doc.selection.GetCount(), 2);
    EXPECT_FALSE(doc.properties.empty());
}

TEST_F(AZoomViewTest, MoveDrawsOutlinesAndAZeroMoveSubmitsNothing) {
    Dot* a = AddDot(2, 2);
    a->Select(true);
    doc.selection.AddTail(a);

    view->SendMessage(WM_COMMAND, ID_MOVE, 0);
    EXPECT_EQ(view->GetMouseMode(), AZoomView::modeMove);
    Click(Qt::LeftButton, At(2, 2));
    Click(Qt::LeftButton, At(2, 2));
    EXPECT_TRUE(doc.moves.empty()) << "a click without a move is no edit";
    EXPECT_EQ(view->GetMouseMode(), AZoomView::modePick);

    view->SendMessage(WM_COMMAND, ID_MOVE, 0);
    Click(Qt::LeftButton, At(2, 2));
    Move(At(4, 3));
    EXPECT_FALSE(view->GetDragShapes().IsEmpty());
    Save("ZoomViewMove.png");
    Click(Qt::LeftButton, At(4, 3));
    ASSERT_EQ(doc.moves.size(), 1u);
    EXPECT_NEAR(doc.moves[0].x, 2.0, 1e-9) << "grid points to grid points";
    EXPECT_NEAR(doc.moves[0].y, 1.0, 1e-9);
    EXPECT_TRUE(view->GetDragShapes().IsEmpty());
}

TEST_F(AZoomViewTest, TooltipIsCutOnACharacterBoundaryAndThePromptGoesToThePane) {
    const CString eighty(std::string(80, 'a'));
    EXPECT_EQ(AZoomView::CutTipText(eighty), CString(std::string(76, 'a')) + "...");
    EXPECT_EQ(AZoomView::CutTipText(CString(std::string(76, 'a'))), CString(std::string(76, 'a')));
    // A three-byte character on the 76th place stays whole.
    const CString wide = CString(std::string(75, 'b')) + "\xE2\x82\xAC" + "ccc";
    EXPECT_EQ(AZoomView::CutTipText(wide), CString(std::string(75, 'b')) + "\xE2\x82\xAC...");

    ASSERT_NE(view->GetTipTimer(), nullptr);
    EXPECT_EQ(view->GetTipTimer()->interval(), AZoomView::kTipDelayMs);
    view->tip = eighty;
    Move(At(3, 3));
    EXPECT_TRUE(view->GetTipTimer()->isActive()) << "a new position asks for the text after the delay";
    EXPECT_EQ(paneText, "x: 0 z: 0");
    EXPECT_EQ(StatusBar().GetPaneText(1), "x: 0 z: 0");
    ASSERT_TRUE(view->ShowTip());
    EXPECT_EQ(QToolTip::text(), QString(76, 'a') + "...");

    view->SendMessage(WM_EXITMENULOOP, 0, 0);
    EXPECT_EQ(paneText, "");
}

TEST_F(AZoomViewTest, CopyViewPutsSvgAndPngOnTheClipboard) {
    AddDot(2, 2);
    view->SendMessage(WM_COMMAND, ID_COPY_VIEW, 0);
    EXPECT_EQ(doc.captionSwitches, 2) << "switched for the copy and back";
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasFormat("image/svg+xml"));
    ASSERT_TRUE(data->hasFormat("image/png"));
    QXmlStreamReader xml(data->data("image/svg+xml"));
    bool svgRoot = false;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QLatin1String("svg")) svgRoot = true;
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_TRUE(svgRoot);
    QImage png;
    EXPECT_TRUE(png.loadFromData(data->data("image/png"), "PNG"));
    EXPECT_TRUE(prompts.MessageBoxes().empty());
}

TEST_F(AZoomViewTest, PrintingGivesAsManyPagesAsTheLayout) {
    TempFolder dir;
    const std::string pdf = (dir.path() / "report.pdf").string();
    doc.reportLines = 180;
    prompts.QueuePrinterAnswer(CPrinterAnswer{pdf, 0, 0});
    view->SendMessage(WM_COMMAND, ID_FILE_PRINT, 0);
    ASSERT_EQ(prompts.PrintDialogs().size(), 1u);
    const UINT pages = prompts.PrintDialogs()[0].maxPage;
    EXPECT_GE(pages, 2u);
    EXPECT_EQ(prompts.PrintDialogs()[0].minPage, 1u);
    EXPECT_TRUE(prompts.PrintDialogs()[0].noSelection);
    QFile file(QString::fromStdString(pdf));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const int written = static_cast<int>(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
                                         bytes.count("/Type /Page/") + bytes.count("/Type /Page "));
    EXPECT_EQ(written, static_cast<int>(pages));
    EXPECT_EQ(doc.composer.GetPageCount(), 0) << "the composer is cleared after printing";

    doc.reportLines = 0;
    view->SendMessage(WM_COMMAND, ID_FILE_PRINT, 0);
    EXPECT_EQ(prompts.PrintDialogs().size(), 1u) << "nothing to print: no dialog";
}

} // namespace
