#include "app/design/ASteelDesignSuppDlg.h"

#include "tests/app/design/gui/DesignDialogFixture.h"

#include <cmath>

namespace {

class SteelSupports : public DesignDialogFixture {
protected:
    omElementSupport support(std::vector<double> positions, std::vector<double> k, bool full = false) {
        omElementSupport s;
        s.set(positions, k);
        s.setFullSupport(full);
        return s;
    }
    // Runs the dialog on a description with a script; the dialog's result.
    int run(ASteelDesignSuppDlg& dlg, const std::function<void(ASteelDesignSuppDlg&)>& script) {
        dialogs.Queue([&](CDialog&) { script(dlg); });
        return static_cast<int>(dlg.DoModal());
    }
    static CString position(CWnd& w, int i) { return text(w, IDC_SUPPORT_POSITION + i); }
    static CString k(CWnd& w, int i) { return text(w, IDC_SUPPORT_K + i); }
};

TEST_F(SteelSupports, TheChecksGiveTheMessageOfTheLastFailingTest) {
    const struct {
        std::vector<double> positions, k;
        const char* message;
    } cases[] = {
        {{0.0, 0.5, 0.5, 1.0}, {1, 1, 1}, "Two or more support positions coincide!"},
        {{0.5, 0.0, 1.0}, {1, 1}, "Support positions are not given in ascending order!"},
        {{0.0, 1.2}, {1}, "Each position must lie inside [0,1] interval!"},
        {{0.0, 1.0}, {-0.5}, "Each buckling length coefficient must be non-negative."},
        {{0.0, std::nan(""), 1.0}, {1, 1}, "Each position and coefficient must be a number."},
        {{0.0, 1.0}, {1.0}, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ASteelDesignSuppDlg::CheckSupport(c.positions, c.k), c.message);
}

TEST_F(SteelSupports, RaisingTheCountAddsAnEmptyPositionBeforeTheLastAndAUnitK) {
    ASteelDesignSuppDlg dlg(nullptr, false);
    const omElementSupport s = support({0.0, 1.0}, {0.7});
    dlg.SetSupport(&s);
    run(dlg, [&](ASteelDesignSuppDlg& d) {
        EXPECT_EQ(text(d, IDC_SUPPORT_COUNT), "2");
        EXPECT_TRUE(d.GetDlgItem(IDC_SUPPORT_POSITION + 1)->IsWindowVisible());
        EXPECT_FALSE(d.GetDlgItem(IDC_SUPPORT_POSITION + 2)->IsWindowVisible());
        auto* spin = dynamic_cast<CSpinButtonCtrl*>(d.GetDlgItem(IDC_SUPPORT_SPIN));
        ASSERT_NE(spin, nullptr);
        spin->StepUp();
        EXPECT_EQ(text(d, IDC_SUPPORT_COUNT), "3");
        EXPECT_EQ(position(d, 0), "0");
        EXPECT_EQ(position(d, 1), "");
        EXPECT_EQ(position(d, 2), "1");
        EXPECT_EQ(k(d, 0), "0.7");
        EXPECT_EQ(k(d, 1), "1");
        EXPECT_TRUE(d.GetDlgItem(IDC_SUPPORT_POSITION + 2)->IsWindowVisible());
        // The chart says what is missing.
        EXPECT_TRUE(Has(TextsOf([&](CDC* dc, const CSize& size) { d.DrawChart(dc, size); }),
                        "Each position and coefficient must be a number."));
        typeIn(d, IDC_SUPPORT_POSITION + 1, "0.4");
        snapshot(d, "design-dialog-286-supports.png");
        d.PressButton(IDOK);
    });
    EXPECT_EQ(dlg.GetSupport().getPos(), (std::vector<double>{0.0, 0.4, 1.0}));
    EXPECT_EQ(dlg.GetSupport().getK(), (std::vector<double>{0.7, 1.0}));
}

TEST_F(SteelSupports, TheCountIsReadQuietlyWhileTyped) {
    ASteelDesignSuppDlg dlg(nullptr, false);
    const omElementSupport s = support({0.0, 1.0}, {1.0});
    dlg.SetSupport(&s);
    run(dlg, [&](ASteelDesignSuppDlg& d) {
        typeIn(d, IDC_SUPPORT_COUNT, "1"); // on the way to 10
        EXPECT_TRUE(prompts.MessageBoxes().empty());
        typeIn(d, IDC_SUPPORT_COUNT, "10");
        EXPECT_TRUE(d.GetDlgItem(IDC_SUPPORT_POSITION + 9)->IsWindowVisible());
        EXPECT_TRUE(d.GetDlgItem(IDC_SUPPORT_K + 8)->IsWindowVisible());
        typeIn(d, IDC_SUPPORT_COUNT, "1");
        EXPECT_TRUE(prompts.MessageBoxes().empty());
        d.PressButton(IDOK); // the range prompt comes now
        EXPECT_FALSE(prompts.MessageBoxes().empty());
        d.PressButton(IDCANCEL);
    });
}

TEST_F(SteelSupports, TextsThatAreNoNumbersKeepTheDialogOpen) {
    for (const char* bad : {"abc", "", "0.5x", "nan", "inf"}) {
        ASteelDesignSuppDlg dlg(nullptr, false);
        const omElementSupport s = support({0.0, 1.0}, {1.0});
        dlg.SetSupport(&s);
        prompts.QueueMessageBoxAnswer(IDOK);
        const int result = run(dlg, [&](ASteelDesignSuppDlg& d) {
            d.GetDlgItem(IDC_SUPPORT_K)->SetWindowText(bad);
            d.PressButton(IDOK);
        });
        EXPECT_EQ(result, IDCANCEL) << bad;
        ASSERT_FALSE(prompts.MessageBoxes().empty()) << bad;
        EXPECT_EQ(prompts.MessageBoxes().back().text, "Each position and coefficient must be a number.") << bad;
        EXPECT_EQ(prompts.MessageBoxes().back().caption, "Errors in data ...");
        EXPECT_EQ(dlg.GetSupport().getK(), std::vector<double>{1.0}) << bad;
    }
}

TEST_F(SteelSupports, AnUntouchedThirdStaysAThird) {
    ASteelDesignSuppDlg dlg(nullptr, false);
    const omElementSupport s = support({0.0, 1.0 / 3.0, 1.0}, {1.0, 1.0});
    dlg.SetSupport(&s);
    EXPECT_EQ(run(dlg,
                  [&](ASteelDesignSuppDlg& d) {
                      EXPECT_EQ(position(d, 1), "0.333");
                      typeIn(d, IDC_SUPPORT_K + 1, "0.8");
                      d.PressButton(IDOK);
                  }),
              IDOK);
    EXPECT_EQ(dlg.GetSupport().getPos()[1], 1.0 / 3.0);
    EXPECT_EQ(dlg.GetSupport().getK(), (std::vector<double>{1.0, 0.8}));
}

TEST_F(SteelSupports, TheStrongAxisNeverOffersFullSupportAndTheChoiceDisablesTheRows) {
    ASteelDesignSuppDlg strong(nullptr, true);
    run(strong, [&](ASteelDesignSuppDlg& d) {
        EXPECT_FALSE(enabled(d, IDC_FULLY_SUPPORTED));
        d.PressButton(IDCANCEL);
    });
    ASteelDesignSuppDlg weak(nullptr, false);
    const omElementSupport s = support({0.0, 1.0}, {1.0});
    weak.SetSupport(&s);
    EXPECT_EQ(run(weak,
                  [&](ASteelDesignSuppDlg& d) {
                      EXPECT_TRUE(enabled(d, IDC_FULLY_SUPPORTED));
                      auto* full = dynamic_cast<CButton*>(d.GetDlgItem(IDC_FULLY_SUPPORTED));
                      full->Click();
                      EXPECT_FALSE(enabled(d, IDC_SUPPORT_COUNT));
                      EXPECT_FALSE(enabled(d, IDC_SUPPORT_POSITION));
                      EXPECT_FALSE(enabled(d, IDC_SUPPORT_K));
                      EXPECT_TRUE(Has(TextsOf([&](CDC* dc, const CSize& size) { d.DrawChart(dc, size); }),
                                      "... element is fully supported ..."));
                      d.PressButton(IDOK);
                  }),
              IDOK);
    EXPECT_TRUE(weak.GetSupport().isFullSupport());
}

} // namespace
