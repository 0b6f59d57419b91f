// The load-combinations window on a real portal frame (three actions, six load
// cases of every limit state and a skewness case): the table the model gives,
// its numbers in any locale, the edits and the commands they submit, the skew
// dialog, the buttons' states and the window's own toolbar.
#include "app/views/ALoadCombinationsView.h"
#include "app/views/ALoadCombinationsFrame.h"
#include "app/views/ALoadCombinationsGridCtrl.h"

#include "StructureFileSupport.h"
#include "StructureViewFixture.h"

#include "app/dialogs/ASkewStructureDlg.h"
#include "controls/grid/CGridCellCombo.h"
#include "controls/grid/GridDefs.h"
#include "model/omLoadCase.h"
#include "model/omLoadGroup.h"
#include "model/omLoadManager.h"
#include "platform/ui/CDialog.h"
#include "resources/ui/StrakonLoadIds.h"
#include "resources/ui/StrakonResources.h"

#include <QLineEdit>
#include <QLocale>
#include <QTest>

#include <clocale>

namespace {

class ALoadCombinationsViewTest : public StructureViewTest<ALoadCombinationsView> {
protected:
    void SetUp() override {
        StructureViewTest::SetUp();
        RegisterStrakonResources();
        structurefile::buildPortal(model(), false);
        omLoadCase* sway = model().addLoadCase("Sway", omLoadCase::lsSkew);
        sway->setSkew(200.0, 300.0, omUnitValue(0.0, omUK_m), omUnitValue(4.0, omUK_m));
        model().bind();
        ASSERT_NE(Open(), nullptr);
    }
    ALoadCombinationsView* Open() {
        frame->MoveWindow(0, 0, 900, 500);
        lcFrame = new ALoadCombinationsFrame;
        CCreateContext context;
        context.m_pNewViewClass = RUNTIME_CLASS(ALoadCombinationsView);
        context.m_pCurrentDoc = doc.get();
        if (!lcFrame->Create(nullptr, "Load Combinations", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                             CRect(0, 0, 860, 420), frame, &context))
            return nullptr;
        lcFrame->InitialUpdateFrame(doc.get(), TRUE);
        lcFrame->MDIMaximize();
        viewhost::Pump();
        view = dynamic_cast<ALoadCombinationsView*>(lcFrame->GetActiveView());
        return view;
    }
    ALoadCombinationsGridCtrl& grid() { return *view->GetGrid(); }
    CString Cell(int r, int c) { return grid().GetItemText(r, c); }
    omLoadManager& manager() { return *model().getLoadManager(); }
    int Commands() { return doc->GetCommandManager().GetCommandCount(); }
    void Refill() { doc->UpdateAllViews(nullptr, 4000, nullptr); }

    ALoadCombinationsFrame* lcFrame = nullptr;
    CScriptedDialogService dialogs;
};

TEST_F(ALoadCombinationsViewTest, TheTableShowsTheCasesAndActions) {
    EXPECT_EQ(grid().GetRowCount(), 8);
    EXPECT_EQ(grid().GetColumnCount(), 6);
    EXPECT_EQ(Cell(0, 0), "");
    EXPECT_EQ(Cell(0, 1), "Limite state");
    EXPECT_EQ(Cell(0, 2), "Fi creep/Skew");
    EXPECT_EQ(Cell(0, 3), "Dead load");
    EXPECT_EQ(Cell(0, 5), "Temperature");
    for (int c : {0, 1, 2})
        EXPECT_FALSE(grid().IsCellEditable(0, c)) << c;
    EXPECT_TRUE(grid().IsCellEditable(0, 3));

    EXPECT_EQ(Cell(1, 0), "Case 1");
    EXPECT_EQ(Cell(1, 1), "Ultimate");
    EXPECT_EQ(Cell(1, 3), "1.350");
    EXPECT_EQ(Cell(1, 4), "1.500");
    EXPECT_EQ(Cell(1, 5), "0.600");
    EXPECT_EQ(Cell(1, 2), "") << "no creep coefficient";
    EXPECT_EQ(Cell(3, 1), "Creeping");
    EXPECT_EQ(Cell(3, 2), "2.000");
    EXPECT_EQ(Cell(5, 1), "Ultimate P&T");
    auto* combo = dynamic_cast<CGridCellCombo*>(grid().GetCell(1, 1));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->GetOptions(),
              std::vector<CString>({"Ultimate", "Ultimate P&T", "Ult. Seismic", "Ult. Accidental",
                                    "Serviceability", "Skewness", "Creeping"}));
    EXPECT_EQ(grid().GetCell(3, 0)->GetImage(), 2) << "the picture of the case's limit state";

    // The skewness row: its ratios on grey, nothing to type in.
    EXPECT_EQ(Cell(7, 1), "Skewness");
    EXPECT_EQ(Cell(7, 2), "Z:1/200, X:1/300");
    EXPECT_EQ(grid().GetCell(7, 2)->GetBackClr(), COLORREF(0xC0C0C0));
    for (int c : {2, 3, 4, 5})
        EXPECT_FALSE(grid().IsCellEditable(7, c)) << c;
    EXPECT_TRUE(grid().IsCellEditable(7, 0));
    EXPECT_EQ(manager().getActiveCaseIndex(), 7) << "the last case stays active";
    Save("LoadCombinationsView.png");

    // Zero factors, and any factor of an inactive action, are empty.
    (*manager().getCase(2))(2) = 0.0;
    manager().getGroup(3)->setActive(false);
    Refill();
    EXPECT_EQ(Cell(2, 4), "");
    EXPECT_EQ(Cell(1, 5), "");
    EXPECT_EQ(Cell(1, 3), "1.350");
}

TEST_F(ALoadCombinationsViewTest, NumbersAreWrittenTheSameInAGermanLocale) {
    const std::string numeric = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "no German locale here (scripts/setup generates de_DE.UTF-8)";
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Refill();
    const CString factor = Cell(1, 3), creep = Cell(3, 2);
    std::setlocale(LC_NUMERIC, numeric.c_str());
    QLocale::setDefault(previous);
    EXPECT_EQ(factor, "1.350");
    EXPECT_EQ(creep, "2.000");
    EXPECT_EQ(ALoadCombinationsView::FactorText(-0.25), "-0.250");
    EXPECT_EQ(ALoadCombinationsView::SkewText(0.0, 50.0), "X:1/ 50");
    EXPECT_EQ(ALoadCombinationsView::SkewText(0.0, 0.0), "");
}

TEST_F(ALoadCombinationsViewTest, EachEditIsOneCommandThatUndoGivesBack) {
    struct Edit {
        int row, col;
        const char* text;
        const char* shown;
    };
    const Edit edits[] = {
        {0, 4, "Imposed", "Imposed"},
        {1, 0, "Fundamental", "Fundamental"},
        {1, 1, "Serviceability", "Serviceability"},
        {1, 2, "1.5", "1.500"},
        {1, 3, "2.25", "2.250"},
        {2, 4, "0", ""},
    };
    for (const Edit& e : edits) {
        SCOPED_TRACE(e.text);
        const CString before = Cell(e.row, e.col);
        grid().OnEndEditCell(e.row, e.col, e.text);
        EXPECT_EQ(Commands(), 1) << "one command; the one undone before is dropped";
        EXPECT_EQ(Cell(e.row, e.col), e.shown);
        doc->GetCommandManager().Undo();
        EXPECT_EQ(Cell(e.row, e.col), before) << "the table is refilled";
    }
    EXPECT_EQ(manager().getCase(1)->name(), "Case 1");
    EXPECT_EQ(manager().getGroup(2)->name(), "Live load");
}

TEST_F(ALoadCombinationsViewTest, EmptyNamesSubmitNothing) {
    for (auto [row, col] : {std::pair{1, 0}, std::pair{0, 3}}) {
        for (const char* text : {"", "   "}) {
            grid().OnEndEditCell(row, col, text);
            EXPECT_EQ(Commands(), 0) << row << " " << col << " '" << text << "'";
        }
    }
    Refill();
    EXPECT_EQ(Cell(1, 0), "Case 1");
    EXPECT_EQ(Cell(0, 3), "Dead load");
    EXPECT_EQ(manager().groupSize(), 3);
}

TEST_F(ALoadCombinationsViewTest, ClickingTheSkewCellOpensTheSkewDialog) {
    double vertical = 0.0, horizontal = 0.0;
    dialogs.Queue([&](CDialog& d) {
        auto& skew = dynamic_cast<ASkewStructureDlg&>(d);
        vertical = skew.m_vertical;
        horizontal = skew.m_horizontal;
        auto* line = qobject_cast<QLineEdit*>(d.GetDlgItem(1012)->GetWidget());
        line->setText("150");
        d.PressButton(IDOK);
    });
    // A click in another column or another row opens nothing.
    for (auto [row, col] : {std::pair{7, 3}, std::pair{1, 2}, std::pair{7, 2}}) {
        CRect rect;
        ASSERT_TRUE(grid().GetCellRect(row, col, &rect));
        QTest::mouseClick(grid().GetInputWidget(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(rect.CenterPoint().x, rect.CenterPoint().y));
        viewhost::Pump();
    }
    EXPECT_EQ(dialogs.Runs().size(), 1u);
    EXPECT_EQ(vertical, 200.0);
    EXPECT_EQ(horizontal, 300.0);
    ASSERT_EQ(Commands(), 1);
    EXPECT_EQ(Cell(7, 2), "Z:1/150, X:1/300");
    double rx = 0, rz = 0;
    omUnitValue cx, cz;
    manager().getCase(7)->getSkew(rx, rz, cx, cz);
    EXPECT_DOUBLE_EQ(cz.Get(omUK_m), 4.0) << "the centre is kept";
    doc->GetCommandManager().Undo();
    EXPECT_EQ(Cell(7, 2), "Z:1/200, X:1/300");
}

TEST_F(ALoadCombinationsViewTest, TheButtonsFollowTheFocusCellAndTheCounts) {
    EXPECT_TRUE(Enabled(ID_ADD_LOAD_CASE));
    EXPECT_TRUE(Enabled(ID_ADD_ACTION));
    EXPECT_FALSE(Enabled(ID_REMOVE_LOAD_CASE)) << "no focus cell";
    grid().SetFocusCell(2, 4);
    EXPECT_TRUE(Enabled(ID_REMOVE_LOAD_CASE));
    EXPECT_TRUE(Enabled(ID_REMOVE_ACTION));
    EXPECT_TRUE(Enabled(ID_EDIT_COPY));
    Command(ID_REMOVE_ACTION);
    EXPECT_EQ(manager().groupSize(), 2);
    EXPECT_EQ(grid().GetColumnCount(), 5);
    grid().SetFocusCell(2, 4);
    Command(ID_REMOVE_LOAD_CASE);
    EXPECT_EQ(manager().caseSize(), 6);
    Command(ID_ADD_LOAD_CASE);
    EXPECT_EQ(grid().GetRowCount(), 8);
    EXPECT_EQ(manager().getActiveCaseIndex(), 7);

    // With one case and one action both remove buttons are off.
    while (manager().caseSize() > 1)
        doc->DeleteLoadCase(1);
    while (manager().groupSize() > 1)
        doc->DeleteLoadGroup(1);
    ASSERT_EQ(grid().GetRowCount(), 2);
    ASSERT_EQ(grid().GetColumnCount(), 4);
    grid().SetFocusCell(1, 3);
    EXPECT_FALSE(Enabled(ID_REMOVE_LOAD_CASE));
    EXPECT_FALSE(Enabled(ID_REMOVE_ACTION));
}

TEST_F(ALoadCombinationsViewTest, TheFrameHasItsOwnToolbar) {
    CToolBar& bar = lcFrame->GetToolBar();
    EXPECT_EQ(bar.GetWindowText(), "LCToolBar");
    ASSERT_EQ(bar.GetCount(), 5);
    const UINT ids[] = {ID_ADD_LOAD_CASE, ID_REMOVE_LOAD_CASE, 0, ID_ADD_ACTION, ID_REMOVE_ACTION};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(bar.GetItemID(i), ids[i]) << i;
    EXPECT_TRUE(bar.IsVisible());
}

TEST_F(ALoadCombinationsViewTest, ACellTypedInPlaceIsSubmittedWhenTheEditEnds) {
    grid().SetFocusCell(1, 3);
    grid().OnEditCell(1, 3, CPoint(-1, -1), VK_LBUTTON);
    QLineEdit* editor = nullptr;
    for (QLineEdit* line : grid().GetWidget()->findChildren<QLineEdit*>())
        if (line->isVisible()) editor = line;
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, "2.5");
    QTest::keyClick(editor, Qt::Key_Return);
    viewhost::Pump();
    EXPECT_EQ(Commands(), 1);
    EXPECT_EQ(Cell(1, 3), "2.500");
    EXPECT_DOUBLE_EQ((*manager().getCase(1))(1), 2.5);
    doc->GetCommandManager().Undo();
    viewhost::Pump();
    EXPECT_EQ(Cell(1, 3), "1.350");
}

TEST_F(ALoadCombinationsViewTest, DISABLED_AFactorThatIsNoNumberIsRefusedWithTheNumberPromptAndTheModelsValueComesBack) {
    const double former = (*manager().getCase(1))(1);
    const CString shown = Cell(1, 3);
    const CString creep = Cell(1, 2);
    for (const char* text : {"abc", "xyz", "1.5.2", "1,5", "inf", "nan", "1e400"}) {
        SCOPED_TRACE(text);
        for (int col : {3, 2}) {
            const size_t prompted = prompts.MessageBoxes().size();
            CRect rect;
            ASSERT_TRUE(grid().GetCellRect(1, col, &rect));
            QWidget* surface = grid().GetWidget();
            QTest::mouseClick(surface, Qt::LeftButton, Qt::NoModifier, QPoint(rect.left + 4, rect.top + 4));
            viewhost::Pump();
            // Typing on a selected cell starts its in-place edit with what was typed.
            QTest::keyClicks(surface, text);
            QLineEdit* editor = nullptr;
            for (QLineEdit* line : surface->findChildren<QLineEdit*>())
                if (line->isVisible()) editor = line;
            ASSERT_NE(editor, nullptr);
            EXPECT_EQ(editor->text().toStdString(), text);
            QTest::keyClick(editor, Qt::Key_Return);
            viewhost::Pump();
            ASSERT_EQ(prompts.MessageBoxes().size(), prompted + 1);
            EXPECT_EQ(prompts.MessageBoxes().back().text, "Please enter a number.");
            EXPECT_EQ(Commands(), 0) << "nothing is submitted";
        }
        EXPECT_EQ(Cell(1, 3), shown) << "the model's factor is shown again";
        EXPECT_EQ(Cell(1, 2), creep);
    }
    EXPECT_DOUBLE_EQ((*manager().getCase(1))(1), former);
    // A number with blanks around is still a number.
    grid().OnEndEditCell(1, 3, " 1.75 ");
    EXPECT_EQ(Commands(), 1);
    EXPECT_EQ(Cell(1, 3), "1.750");
}

} // namespace
