#include "app/design/ABarDialog.h"

#include "app/design/Plotter.h"
#include "model/omBar.h"
#include "tests/app/design/gui/DesignDialogFixture.h"

#include <QTabBar>

namespace {

omStringMatrix Rows(std::vector<std::vector<std::string>> rows) {
    omStringMatrix m;
    m.Resize(static_cast<int>(rows.size()), 4);
    for (int r = 0; r < static_cast<int>(rows.size()); ++r)
        for (int c = 0; c < 4 && c < static_cast<int>(rows[r].size()); ++c)
            m(r, c) = rows[r][c];
    return m;
}

omBarBand Band(const omStringMatrix& r1, const omStringMatrix& r2, const omStringMatrix& r3, double cover = 3.0) {
    omBarBand band;
    band.setStringMatrix(r1, r2, r3);
    band.setCover(omUnitValue(cover, omUK_cm));
    return band;
}

class Bars : public DesignDialogFixture {
protected:
    int run(ABarDialog& dlg, const std::function<void(ABarDialog&)>& script) {
        dialogs.Queue([&](CDialog&) { script(dlg); });
        return static_cast<int>(dlg.DoModal());
    }
    static void pickTab(ABarDialog& d, int tab) {
        auto* tabs = qobject_cast<QTabBar*>(d.m_tabs.GetWidget());
        ASSERT_NE(tabs, nullptr);
        tabs->setCurrentIndex(tab);
    }
};

TEST_F(Bars, AnEmptyFirstRowOpensWithOneEmptyLine) {
    ABarDialog dlg(true, 3);
    dlg.GetData(Band({}, {}, {}));
    run(dlg, [&](ABarDialog& d) {
        EXPECT_EQ(d.m_list.GetItemCount(), 1);
        EXPECT_EQ(d.m_list.GetItemText(0, 0), "");
        EXPECT_EQ(d.m_tabs.GetItemCount(), 3);
        EXPECT_EQ(d.m_tabs.GetItemText(2), "Row 3");
        d.PressButton(IDCANCEL);
    });
}

TEST_F(Bars, ALineWithEqualEndsIsDrawnAsIncompleteAndRefused) {
    PlotterBarVec plotter;
    ABarDialog::FillPlotter(Rows({{"2", "16", "0.5", "0.5"}, {"3", "12", "0", "1"}}), plotter);
    ASSERT_EQ(plotter.m_bars.size(), 2u);
    EXPECT_EQ(plotter.m_bars[0].label, "Bar is not complete -- 2 Fi 16");
    EXPECT_EQ(plotter.m_bars[0].xs, 0.0);
    EXPECT_EQ(plotter.m_bars[0].xe, 0.5);
    EXPECT_EQ(plotter.m_bars[1].label, "3 Fi 12");

    ABarDialog dlg(true, 3);
    dlg.GetData(Band(Rows({{"2", "16", "0.5", "0.5"}}), {}, {}));
    EXPECT_EQ(run(dlg, [&](ABarDialog& d) { d.PressButton(IDOK); }), IDCANCEL);
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_EQ(prompts.MessageBoxes()[0].text, "Errors in Row 1:\n   x start (0.50) must be less than x end (0.50)!");
    EXPECT_EQ(prompts.MessageBoxes()[0].caption, "Errors in data ...");
}

TEST_F(Bars, ErrorsInLaterRowsGiveOnlyTheirHeadings) {
    ABarDialog dlg(false, 3);
    dlg.GetData(Band(Rows({{"2", "16", "0", "1"}}), Rows({{"0", "16", "0", "1"}}), Rows({{"2", "60", "0", "1"}})));
    EXPECT_EQ(run(dlg, [&](ABarDialog& d) { d.PressButton(IDOK); }), IDCANCEL);
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    const std::string text = prompts.MessageBoxes()[0].text;
    EXPECT_EQ(text.find("Errors in Row 1:"), std::string::npos);
    EXPECT_EQ(text.rfind("\n\nErrors in Row 2:\n   n: ", 0), 0u);
    EXPECT_NE(text.find("\n\nErrors in Row 3\n   fi: "), std::string::npos);
}

TEST_F(Bars, SwitchingTabsKeepsTheEditsOfEachRow) {
    ABarDialog dlg(true, 3);
    dlg.GetData(Band(Rows({{"2", "16", "0", "1"}}), Rows({{"2", "12", "0", "0.5"}}), {}));
    omBarBand out;
    EXPECT_EQ(run(dlg,
                  [&](ABarDialog& d) {
                      // An edit still open when the tab changes belongs to its row.
                      ASSERT_NE(d.m_list.EditCell(0, 1), nullptr);
                      d.m_list.GetEditor()->SetWindowText("20");
                      pickTab(d, 1);
                      EXPECT_EQ(d.GetCurrentTab(), 1);
                      EXPECT_EQ(d.m_list.GetItemText(0, 1), "12");
                      d.m_list.SetItemText(0, 0, "4");
                      pickTab(d, 1); // the same tab: nothing happens
                      EXPECT_EQ(d.m_list.GetItemText(0, 0), "4");
                      pickTab(d, 0);
                      EXPECT_EQ(d.m_list.GetItemText(0, 1), "20");
                      snapshot(d, "design-dialog-262-bars.png");
                      d.PressButton(IDOK);
                  }),
              IDOK);
    EXPECT_EQ(dlg.GetTable(0)(0, 1), "20");
    EXPECT_EQ(dlg.GetTable(1)(0, 0), "4");
    dlg.SetData(out);
    EXPECT_EQ(out.getCover().Get(omUK_cm), 3.0);
}

TEST_F(Bars, ANegativeCoverIsRefused) {
    ABarDialog dlg(true, 3);
    dlg.GetData(Band(Rows({{"2", "16", "0", "1"}}), {}, {}));
    EXPECT_EQ(run(dlg,
                  [&](ABarDialog& d) {
                      typeIn(d, IDC_BAR_COVER, "-1");
                      d.PressButton(IDOK);
                  }),
              IDCANCEL);
    ASSERT_FALSE(prompts.MessageBoxes().empty());
    EXPECT_EQ(prompts.MessageBoxes().back().text, "The concrete cover must be a number of zero or more.");
}

TEST_F(Bars, MoreRowsThanTheBandHoldsAreCut) {
    ABarDialog dlg(true, 7);
    dlg.GetData(Band(Rows({{"2", "16", "0", "1"}}), {}, {}));
    EXPECT_EQ(run(dlg,
                  [&](ABarDialog& d) {
                      EXPECT_EQ(d.m_tabs.GetItemCount(), 3);
                      pickTab(d, 2);
                      d.PressButton(IDOK);
                  }),
              IDOK);
}

} // namespace
