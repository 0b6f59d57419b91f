// The geometry view worked as a quick user works it: clicks that follow each
// other within the double-click time, a move that shows where it goes and can
// be cancelled, the mouse wheel, and what the view shows after an edit, its
// undo and redo (the picture, the tooltip of an object that went away).
#include "app/views/AGeometryView.h"

#include "StructureViewFixture.h"

#include "resources/ui/StrakonDialogs.h"
#include "platform/ui/CDialog.h"
#include "resources/ui/StrakonResourceIds.h"

#include <QCoreApplication>
#include <QImage>
#include <QScrollBar>
#include <QAbstractScrollArea>
#include <QTimer>
#include <QToolTip>
#include <QWheelEvent>
#include <QWindow>

namespace {

using namespace strakonmodel;

// Counts the double clicks that reach a widget, so that a test knows it made some.
class DoubleClickCounter : public QObject {
public:
    explicit DoubleClickCounter(QWidget* widget) : m_widget(widget) { widget->installEventFilter(this); }
    ~DoubleClickCounter() override {
        if (m_widget) m_widget->removeEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonDblClick) ++count;
        return false;
    }
    int count = 0;

private:
    QPointer<QWidget> m_widget;
};

class AGeometryViewInputTest : public StructureViewTest<AGeometryView> {
protected:
    void SetUp() override {
        StructureViewTest::SetUp();
        RegisterStrakonDialogs();
        RegisterStrakonContextMenus();
        // A portal frame: columns 1-2 and 4-3, beam 2-3 (metres, z down).
        basics(model());
        model().addNode(0.0, 0.0, "m", 1);
        model().addNode(0.0, -3.0, "m", 2);
        model().addNode(4.0, -3.0, "m", 3);
        model().addNode(4.0, 0.0, "m", 4);
        model().addElement(1, 2, 1, 1, 1);
        model().addElement(2, 3, 1, 1, 2);
        model().addElement(4, 3, 1, 1, 3);
        model().bind();
        FitExtents(2.0);
        ASSERT_NE(OpenView(), nullptr);
        m_clock = QTest::lastMouseTimestamp + 1000;
    }
    void TearDown() override {
        // Later QTest input must not pair with the clicks made here.
        QTest::lastMouseTimestamp = m_clock + 1000;
        StructureViewTest::TearDown();
    }
    std::vector<RecordedEdit> EditsNamed(const char* name) {
        std::vector<RecordedEdit> out;
        for (const RecordedEdit& e : doc->edits)
            if (e.name == name) out.push_back(e);
        return out;
    }
    // A click as the window system delivers it, 'after' milliseconds after the previous
    // one: the application itself decides whether it makes a double click.
    void TimedClick(QPoint p, int after) {
        QWindow* window = input->window()->windowHandle();
        ASSERT_NE(window, nullptr);
        const QPoint global = input->mapToGlobal(p);
        const QPoint local = window->mapFromGlobal(global);
        m_clock += after;
        qt_handleMouseEvent(window, local, global, Qt::NoButton, Qt::NoButton, QEvent::MouseMove, Qt::NoModifier,
                            m_clock);
        qt_handleMouseEvent(window, local, global, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress,
                            Qt::NoModifier, m_clock + 1);
        qt_handleMouseEvent(window, local, global, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease,
                            Qt::NoModifier, m_clock + 2);
        QCoreApplication::processEvents();
    }
    QImage Picture() {
        viewhost::Pump();
        return input->grab().toImage();
    }
    // The tooltip fades out after it was told to go; whether it is gone once the fade ended.
    static bool TipGone() {
        for (int i = 0; i < 100 && QToolTip::isVisible(); ++i)
            QTest::qWait(20);
        return !QToolTip::isVisible();
    }
    void Wheel(int delta, Qt::KeyboardModifiers keys = Qt::NoModifier) {
        const QPoint at = input->rect().center();
        QWheelEvent wheel(QPointF(at), QPointF(input->mapToGlobal(at)), QPoint(), QPoint(0, delta), Qt::NoButton,
                          keys, Qt::NoScrollPhase, false);
        QApplication::sendEvent(input, &wheel);
        viewhost::Pump();
    }

    CScriptedDialogService dialogs;
    int m_clock = 0;
};

TEST_F(AGeometryViewInputTest, ClicksFiftyMillisecondsApartDrawEveryMemberOfAChain) {
    Command(ID_ADD_LINEAR_ELEMENT);
    DoubleClickCounter doubles(input);
    // Each member starts where the last one ended: the second click on that point
    // follows the first within the double-click time.
    const omPoint chain[] = {{-1.0, 1.0}, {-1.0, -1.0}, {-1.0, -4.0}, {5.0, -4.0}, {5.0, 1.0}};
    TimedClick(At(chain[0].x, chain[0].y), 50);
    for (size_t i = 1; i < std::size(chain); ++i) {
        TimedClick(At(chain[i].x, chain[i].y), 50);
        if (i + 1 < std::size(chain)) TimedClick(At(chain[i].x, chain[i].y), 50);
    }
    EXPECT_GE(doubles.count, 3) << "the quick second clicks came as double clicks";
    const auto members = EditsNamed("NewElement");
    ASSERT_EQ(members.size(), std::size(chain) - 1);
    for (size_t i = 0; i < members.size(); ++i) {
        EXPECT_NEAR(members[i].values[0], chain[i].x, 1e-9) << i;
        EXPECT_NEAR(members[i].values[1], chain[i].y, 1e-9) << i;
        EXPECT_NEAR(members[i].values[2], chain[i + 1].x, 1e-9) << i;
        EXPECT_NEAR(members[i].values[3], chain[i + 1].y, 1e-9) << i;
    }
    EXPECT_FALSE(view->IsActionInProgress()) << "no member is left half drawn";
}

TEST_F(AGeometryViewInputTest, AQuickSecondClickInTheOtherInsertModesIsAClickAndInPickModeOpensTheProperties) {
    struct Case {
        UINT command;
        const char* edit;
        int expected;
    };
    const Case cases[] = {
        {ID_TOGGLE_X_SUPPORT, "ToggleNodeSupport", 2},
        {ID_TOGGLE_FI_RELEASE, "ToggleElementRelease", 2},
        {ID_ADD_NODE, "NewNode", 2},
    };
    for (const Case& c : cases) {
        doc->edits.clear();
        Command(c.command);
        const QPoint at = c.command == ID_ADD_NODE ? At(-1.0, 1.0) : c.command == ID_TOGGLE_FI_RELEASE
                                                                        ? At(0.0, -0.5)
                                                                        : At(0.0, 0.0);
        TimedClick(at, 600);
        TimedClick(at, 50);
        EXPECT_EQ(static_cast<int>(EditsNamed(c.edit).size()), c.expected) << c.edit;
    }
    // In pick mode the pair stays a double click: the second click does not pick again, which
    // would take the member out of the selection the first click put it in.
    doc->edits.clear();
    Command(ID_SELECT);
    TimedClick(At(2.0, -3.0), 600);
    TimedClick(At(2.0, -3.0), 50);
    EXPECT_TRUE(MemberOf(2)->IsSelected());
    EXPECT_TRUE(doc->edits.empty()) << "picking edits nothing";
}

TEST_F(AGeometryViewInputTest, APendingMoveShowsItsOutlineFromTheFirstPressAndEscapeCancelsIt) {
    // Node 3 from its context menu.
    prompts.QueuePopupMenuChoice(ID_NODE_MOVE);
    Click(At(4.0, -3.0), Qt::NoModifier, Qt::RightButton);
    ASSERT_EQ(view->GetMouseMode(), AZoomView::modeMove);
    EXPECT_NE(paneText.find("click the point to move from"), CString::npos) << paneText;
    const QImage before = Picture();

    // Press on the node and drag with the button held: the outline follows at once.
    Move(At(4.0, -3.0));
    Press(At(4.0, -3.0));
    EXPECT_FALSE(view->GetDragShapes().IsEmpty()) << "the node and its members' outline";
    QTest::mouseMove(input, At(5.0, -4.0));
    viewhost::Pump();
    const QImage dragged = Picture();
    const QPoint target = At(5.0, -4.0);
    int changed = 0;
    for (int dx = -3; dx <= 3; ++dx)
        for (int dy = -3; dy <= 3; ++dy)
            changed += before.pixel(target.x() + dx, target.y() + dy) != dragged.pixel(target.x() + dx, target.y() + dy);
    EXPECT_GT(changed, 0) << "the outline is drawn at the cursor while the button is held";
    Release(At(5.0, -4.0));
    EXPECT_TRUE(view->IsActionInProgress()) << "the release anchors the move";
    Move(At(5.5, -4.5));
    EXPECT_NE(paneText.find("click where the selection goes"), CString::npos) << paneText;
    EXPECT_FALSE(view->GetDragShapes().IsEmpty());

    // Escape: nothing moves, and the next click only picks.
    QTest::keyClick(input, Qt::Key_Escape);
    viewhost::Pump();
    EXPECT_EQ(view->GetMouseMode(), AZoomView::modePick);
    EXPECT_TRUE(view->GetDragShapes().IsEmpty());
    EXPECT_EQ(Picture(), Picture()) << "settled";
    Click(At(1.0, 1.0));
    EXPECT_TRUE(EditsNamed("MoveSelection").empty());

    // Escape before the first press cancels the move as well.
    prompts.QueuePopupMenuChoice(ID_NODE_MOVE);
    Click(At(4.0, -3.0), Qt::NoModifier, Qt::RightButton);
    ASSERT_EQ(view->GetMouseMode(), AZoomView::modeMove);
    QTest::keyClick(input, Qt::Key_Escape);
    EXPECT_EQ(view->GetMouseMode(), AZoomView::modePick);
    Click(At(1.0, 1.0));
    Click(At(2.0, 1.0));
    EXPECT_TRUE(EditsNamed("MoveSelection").empty());

    // Carried through, the move submits its offset.
    prompts.QueuePopupMenuChoice(ID_NODE_MOVE);
    Click(At(4.0, -3.0), Qt::NoModifier, Qt::RightButton);
    Click(At(4.0, -3.0));
    Move(At(5.0, -4.0));
    Click(At(5.0, -4.0));
    const auto moves = EditsNamed("MoveSelection");
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_NEAR(moves[0].values[0], 1.0, 1e-9);
    EXPECT_NEAR(moves[0].values[1], -1.0, 1e-9);
}

TEST_F(AGeometryViewInputTest, TheWheelScrollsAZoomedViewDownAndUpAndWithShiftAcross) {
    Command(ID_ZOOM_IN);
    Command(ID_ZOOM_IN);
    QAbstractScrollArea* area = view->GetScrollArea();
    ASSERT_NE(area, nullptr);
    QScrollBar* v = area->verticalScrollBar();
    QScrollBar* h = area->horizontalScrollBar();
    ASSERT_GT(v->maximum(), 0) << "zoomed in, the view scrolls";
    ASSERT_GT(h->maximum(), 0);
    v->setValue(v->maximum() / 2);
    h->setValue(h->maximum() / 2);
    const int top = v->value();
    const int left = h->value();

    Wheel(-120); // towards the user: down
    EXPECT_GT(v->value(), top);
    EXPECT_EQ(h->value(), left);
    Wheel(120);
    EXPECT_EQ(v->value(), top);

    Wheel(-120, Qt::ShiftModifier);
    EXPECT_GT(h->value(), left);
    EXPECT_EQ(v->value(), top);
    Wheel(120, Qt::ShiftModifier);
    EXPECT_EQ(h->value(), left);
}

TEST_F(AGeometryViewInputTest, AfterADeleteItsUndoAndRedoThePictureIsTheOneDrawnAnewAndTheTooltipGoes) {
    doc->deletes = true;
    Command(ID_SELECT);
    const QPoint beam = At(2.0, -3.0);
    Move(beam);
    ASSERT_EQ(view->GetObjectUnderCursor(), MemberOf(2));
    ASSERT_TRUE(view->ShowTip());
    // Deleted from its context menu while its tooltip shows.
    prompts.QueuePopupMenuChoice(ID_ELEMENT_DELETE);
    Click(beam, Qt::NoModifier, Qt::RightButton);
    ASSERT_EQ(MemberOf(2), nullptr);
    EXPECT_EQ(view->GetObjectUnderCursor(), nullptr);
    EXPECT_FALSE(view->GetTipTimer()->isActive());
    EXPECT_TRUE(TipGone());

    auto drawnAnew = [&]() {
        view->OnRedraw();
        return Picture();
    };
    auto& commands = doc->GetCommandManager();
    for (int step = 0; step < 2; ++step) {
        commands.Undo();
        QImage kept = Picture();
        EXPECT_EQ(kept, drawnAnew()) << "after Undo " << step;
        ASSERT_NE(MemberOf(2), nullptr);
        Move(At(2.0, -2.9));
        Move(beam);
        ASSERT_NE(view->GetObjectUnderCursor(), nullptr);
        view->ShowTip();
        commands.Redo();
        EXPECT_EQ(view->GetObjectUnderCursor(), nullptr) << "the member went with the Redo";
        EXPECT_TRUE(TipGone());
        kept = Picture();
        EXPECT_EQ(kept, drawnAnew()) << "after Redo " << step;
    }
}

TEST_F(AGeometryViewInputTest, TheMarginBesideTheStructureIsPlainBackground) {
    view->OnZoomOut();
    view->OnZoomOut();
    const QImage picture = Picture();
    view->ClientToLogical(CPoint(0, 0));
    CRect total = view->GetC2L().GetTotalLU();
    const CPoint a = view->GetC2L().DU(CPoint(total.left, total.top));
    const CPoint b = view->GetC2L().DU(CPoint(total.right, total.bottom));
    const QRect drawing = QRect(QPoint(a.x, a.y), QPoint(b.x, b.y)).normalized();
    ASSERT_GT(drawing.left(), 4) << "zoomed out, a margin shows";
    const QRgb grey = qRgb(0xC0, 0xC0, 0xC0);
    int stray = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (!drawing.adjusted(-2, -2, 2, 2).contains(x, y) && (picture.pixel(x, y) | 0xFF000000) != grey) ++stray;
    EXPECT_EQ(stray, 0) << "pixels drawn in the grey margin";
}

} // namespace
