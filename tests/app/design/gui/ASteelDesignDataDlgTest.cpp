#include "app/design/ASteelDesignDataDlg.h"
#include "app/design/ASteelDesignSuppDlg.h"

#include "tests/app/design/gui/DesignDialogFixture.h"

#include <cmath>

namespace {

class SteelDesignData : public DesignDialogFixture {
protected:
    int run(ASteelDesignDataDlg& dlg, const std::function<void(ASteelDesignDataDlg&)>& script) {
        dialogs.Queue([&](CDialog&) { script(dlg); });
        return static_cast<int>(dlg.DoModal());
    }
};

TEST_F(SteelDesignData, TheLoadPositionIsChosenBySignAndSavedAsAUnit) {
    const struct {
        double stored;
        int choice;
        double saved;
    } cases[] = {{-1.0, 0, -1.0}, {-0.5, 0, -1.0}, {0.0, 1, 0.0}, {0.5, 2, 1.0}, {1.0, 2, 1.0}, {std::nan(""), 0, -1.0}};
    for (const auto& c : cases) {
        omSteelDesignData data;
        data.setLoadPos(c.stored);
        ASteelDesignDataDlg dlg;
        dlg.SetData(&data);
        EXPECT_EQ(dlg.m_nLoadPosition, c.choice) << c.stored;
        EXPECT_EQ(run(dlg,
                      [&](ASteelDesignDataDlg& d) {
                          const int radios[] = {IDC_LOAD_NEGATIVE, IDC_LOAD_INDIFFERENT, IDC_LOAD_POSITIVE};
                          EXPECT_TRUE(d.IsDlgButtonChecked(radios[c.choice])) << c.stored;
                          d.PressButton(IDOK);
                      }),
                  IDOK)
            << c.stored;
        EXPECT_EQ(dlg.GetData().getLoadPos(), c.saved) << c.stored;
    }
}

TEST_F(SteelDesignData, TheStiffenerDistanceFollowsItsChoice) {
    omSteelDesignData data;
    data.setShearStiffDistance(omUnitValue(150.0, omUK_cm));
    ASteelDesignDataDlg dlg;
    dlg.SetData(&data);
    EXPECT_EQ(dlg.m_nStiffeners, 1);
    EXPECT_EQ(run(dlg,
                  [&](ASteelDesignDataDlg& d) {
                      EXPECT_TRUE(enabled(d, IDC_STIFFENER_DISTANCE));
                      dynamic_cast<CButton*>(d.GetDlgItem(IDC_NO_STIFFENERS))->Click();
                      EXPECT_FALSE(enabled(d, IDC_STIFFENER_DISTANCE));
                      d.PressButton(IDOK);
                  }),
              IDOK);
    EXPECT_EQ(dlg.GetData().getShearStiffDistance().GetValue(), 0.0);
}

TEST_F(SteelDesignData, InvalidSupportsKeepTheDialogOpenWithTheirDirection) {
    omSteelDesignData data;
    data.getZZSup().set({0.0, 0.5}, {1.0});
    ASteelDesignDataDlg dlg;
    dlg.SetData(&data);
    EXPECT_EQ(run(dlg, [&](ASteelDesignDataDlg& d) { d.PressButton(IDOK); }), IDCANCEL);
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_EQ(prompts.MessageBoxes()[0].text, "\nZ-Z Support: Last support must be 1.0");
    EXPECT_EQ(prompts.MessageBoxes()[0].caption, "Errors in data ...");
    EXPECT_TRUE(prompts.MessageBoxes()[0].type & MB_ICONERROR);
}

TEST_F(SteelDesignData, TheSupportButtonsEditTheirDirectionAndTheChartsFollow) {
    omSteelDesignData data;
    ASteelDesignDataDlg dlg;
    dlg.SetData(&data);
    EXPECT_EQ(run(dlg,
                  [&](ASteelDesignDataDlg& d) {
                      // Strong axis: fully supported is not offered.
                      dialogs.Queue([&](CDialog& supports) {
                          EXPECT_FALSE(enabled(supports, IDC_FULLY_SUPPORTED));
                          dynamic_cast<CSpinButtonCtrl*>(supports.GetDlgItem(IDC_SUPPORT_SPIN))->StepUp();
                          typeIn(supports, IDC_SUPPORT_POSITION + 1, "0.5");
                          supports.PressButton(IDOK);
                      });
                      d.PressButton(IDC_SUPPORT_YY);
                      // Lateral-torsional: fully supported.
                      dialogs.Queue([&](CDialog& supports) {
                          EXPECT_TRUE(enabled(supports, IDC_FULLY_SUPPORTED));
                          dynamic_cast<CButton*>(supports.GetDlgItem(IDC_FULLY_SUPPORTED))->Click();
                          supports.PressButton(IDOK);
                      });
                      d.PressButton(IDC_SUPPORT_LT);
                      // Weak axis: cancelled, nothing changes.
                      dialogs.Queue([&](CDialog& supports) { supports.PressButton(IDCANCEL); });
                      d.PressButton(IDC_SUPPORT_ZZ);
                      const auto yy = TextsOf([&](CDC* dc, const CSize& s) {
                          d.DrawSupportChart(dc, s, ASteelDesignDataDlg::directionYY);
                      });
                      int labels = 0;
                      for (const std::string& t : yy)
                          labels += t == "K = 1.0";
                      EXPECT_EQ(labels, 2);
                      EXPECT_TRUE(Has(TextsOf([&](CDC* dc, const CSize& s) {
                                          d.DrawSupportChart(dc, s, ASteelDesignDataDlg::directionLT);
                                      }),
                                      "... element is fully supported ..."));
                      snapshot(d, "design-dialog-282-steel-data.png");
                      d.PressButton(IDOK);
                  }),
              IDOK);
    EXPECT_EQ(dlg.GetData().getYYSup().getPos(), (std::vector<double>{0.0, 0.5, 1.0}));
    EXPECT_TRUE(dlg.GetData().getLTSup().isFullSupport());
    EXPECT_FALSE(dlg.GetData().getZZSup().isFullSupport());
    EXPECT_EQ(dialogs.Runs(), (std::vector<UINT>{282, 286, 286, 286}));
}

} // namespace
