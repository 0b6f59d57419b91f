#include "app/design/AStirrupDialog.h"

#include "app/design/Plotter.h"
#include "model/omBar.h"
#include "tests/app/design/gui/DesignDialogFixture.h"

#include <QTreeWidget>

namespace {

omStringMatrix Rows(std::vector<std::vector<std::string>> rows) {
    omStringMatrix m;
    m.Resize(static_cast<int>(rows.size()), 5);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < 5 && c < static_cast<int>(rows[r].size()); ++c)
            m(r, c) = rows[r][c];
    return m;
}

class Stirrups : public DesignDialogFixture {
protected:
    int run(AStirrupDialog& dlg, const std::function<void(AStirrupDialog&)>& script) {
        dialogs.Queue([&](CDialog&) { script(dlg); });
        return static_cast<int>(dlg.DoModal());
    }
    static omStirrupVec Vec(const omStringMatrix& table) {
        omStirrupVec v;
        v.setStringMatrix(table);
        return v;
    }
};

TEST_F(Stirrups, EachRowGivesItsAreaPerMetreOrAnIncompleteMarker) {
    PlotterBarArea plotter;
    AStirrupDialog::FillPlotter(Rows({{"2", "8", "15", "0", "1"},
                                      {"2", "8", "15", "0.5", "0.5"},
                                      {"2", "8", "0", "0", "1"},
                                      {"2", "8", "", "0", "1"},
                                      {"abc", "8", "15", "0", "1"}}),
                                plotter);
    ASSERT_EQ(plotter.m_bars.size(), 5u);
    EXPECT_EQ(plotter.m_bars[0].label, "2 Fi 8/15.0");
    EXPECT_NEAR(plotter.m_bars[0].value, 6.70, 0.005);
    EXPECT_EQ(plotter.m_bars[0].xs, 0.0);
    EXPECT_EQ(plotter.m_bars[0].xe, 1.0);
    for (std::size_t i = 1; i < 5; ++i) {
        EXPECT_EQ(plotter.m_bars[i].label.rfind("Stirrup is not complete -- ", 0), 0u) << i;
        EXPECT_EQ(plotter.m_bars[i].xs, 0.5) << i;
        EXPECT_EQ(plotter.m_bars[i].xe, 0.5) << i;
        EXPECT_EQ(plotter.m_bars[i].value, 1.0) << i;
    }
    EXPECT_EQ(plotter.m_bars[2].label, "Stirrup is not complete -- 2 Fi 8/0.0");
}

TEST_F(Stirrups, ASpacingOfZeroFromAFileDrawsAsIncomplete) {
    AStirrupDialog dlg;
    // What a file may hold but the table would refuse: a spacing of 0.
    dlg.SetStirrups(Vec(Rows({{"2", "8", "15", "0", "1"}})));
    run(dlg, [&](AStirrupDialog& d) {
        d.m_list.SetItemText(0, 2, "0");
        const auto texts = TextsOf([&](CDC* dc, const CSize& s) { d.DrawChart(dc, s); });
        EXPECT_TRUE(Has(texts, "Stirrup is not complete -- 2 Fi 8/0.0"));
        EXPECT_TRUE(Has(texts, "[cm2/m']"));
        d.PressButton(IDCANCEL);
    });
}

TEST_F(Stirrups, ANewRowReportsItsMissingCellsAtOk) {
    AStirrupDialog dlg;
    EXPECT_EQ(run(dlg,
                  [&](AStirrupDialog& d) {
                      d.PressButton(IDC_RC_NEW_BAR);
                      ASSERT_EQ(d.m_list.GetItemCount(), 1);
                      EXPECT_EQ(d.m_list.GetItemText(0, 0), "0");
                      EXPECT_NE(d.m_list.GetEditor(), nullptr);
                      d.PressButton(IDOK);
                  }),
              IDCANCEL);
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    const std::string text = prompts.MessageBoxes()[0].text;
    EXPECT_EQ(text.rfind("Errors:", 0), 0u);
    EXPECT_NE(text.find("\n   n: Invalid integer! The given integer 0 lies outside [1,8] interval!"), std::string::npos);
    EXPECT_NE(text.find("\n   fi: "), std::string::npos);
    EXPECT_NE(text.find("\n   e: "), std::string::npos);
    EXPECT_NE(text.find("x start (0.00) must be less than x end (0.00)"), std::string::npos);
    EXPECT_EQ(prompts.MessageBoxes()[0].caption, "Errors in data ...");
}

TEST_F(Stirrups, EqualEndsAreRefusedAndDrawnInTheMiddle) {
    AStirrupDialog dlg;
    dlg.SetStirrups(Vec(Rows({{"2", "8", "15", "0.5", "0.5"}})));
    EXPECT_EQ(run(dlg,
                  [&](AStirrupDialog& d) {
                      const auto texts = TextsOf([&](CDC* dc, const CSize& s) { d.DrawChart(dc, s); });
                      EXPECT_TRUE(Has(texts, "Stirrup is not complete -- 2 Fi 8/15.0"));
                      d.PressButton(IDOK);
                  }),
              IDCANCEL);
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_EQ(prompts.MessageBoxes()[0].text, "Errors:\n   x start (0.50) must be less than x end (0.50)!");
}

TEST_F(Stirrups, TheSwitchDisablesTheTableAndKeepsItsRows) {
    AStirrupDialog dlg;
    dlg.SetStirrups(Vec(Rows({{"2", "8", "15", "0", "1"}})));
    EXPECT_EQ(run(dlg,
                  [&](AStirrupDialog& d) {
                      EXPECT_TRUE(enabled(d, IDC_RC_TABLE));
                      dynamic_cast<CButton*>(d.GetDlgItem(IDC_NO_STIRRUPS))->Click();
                      EXPECT_FALSE(enabled(d, IDC_RC_TABLE));
                      EXPECT_FALSE(enabled(d, IDC_RC_NEW_BAR));
                      EXPECT_FALSE(enabled(d, IDC_RC_DELETE));
                      EXPECT_EQ(d.m_list.GetItemCount(), 1);
                      d.PressButton(IDOK);
                  }),
              IDOK);
    EXPECT_TRUE(dlg.m_bNoStirrups);
    omStirrupVec out;
    dlg.GetStirrups(out);
    EXPECT_EQ(out.size(), 1);
}

TEST_F(Stirrups, AnEditStillOpenAtOkIsKept) {
    AStirrupDialog dlg;
    dlg.SetStirrups(Vec(Rows({{"2", "8", "15", "0", "1"}})));
    EXPECT_EQ(run(dlg,
                  [&](AStirrupDialog& d) {
                      ASSERT_NE(d.m_list.EditCell(0, 2), nullptr);
                      auto* editor = d.m_list.GetEditor();
                      editor->SetWindowText("10");
                      snapshot(d, "design-dialog-263-stirrups.png");
                      d.PressButton(IDOK);
                  }),
              IDOK);
    EXPECT_EQ(dlg.GetTable()(0, 2), "10");
}

TEST_F(Stirrups, DeleteWithoutASelectedRowSaysSo) {
    AStirrupDialog dlg;
    dlg.SetStirrups(Vec(Rows({{"2", "8", "15", "0", "1"}})));
    run(dlg, [&](AStirrupDialog& d) {
        d.PressButton(IDC_RC_DELETE);
        ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
        EXPECT_EQ(prompts.MessageBoxes()[0].caption, "Delete command failed");
        d.m_list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
        d.PressButton(IDC_RC_DELETE);
        EXPECT_EQ(d.m_list.GetItemCount(), 0);
        d.PressButton(IDCANCEL);
    });
}

} // namespace
