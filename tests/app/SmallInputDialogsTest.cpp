// The four small input dialogs worked as a user works them: preset, typed into,
// confirmed, and read back.
#include "app/dialogs/AElasticGroundDlg.h"
#include "app/dialogs/AElementSplitNumber.h"
#include "app/dialogs/AExtents2DDlg.h"
#include "app/dialogs/ASkewStructureDlg.h"

#include "SettingsFixture.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CPromptService.h"
#include "resources/ui/StrakonDialogs.h"
#include "tests/support/ArtifactsFolder.h"

#include <QLineEdit>
#include <QPixmap>
#include <QTest>

#include <cmath>
#include <functional>
#include <limits>
#include <string>

namespace {

class SmallInputDialogs : public SettingsFixture {
protected:
    void SetUp() override {
        SettingsFixture::SetUp();
        RegisterStrakonDialogs();
        AOptionsAttributes::Instance()->gridUnitMajor = omUK_m;
    }
    static void Type(CDialog& d, int id, const char* text) {
        auto* line = qobject_cast<QLineEdit*>(d.GetDlgItem(id)->GetWidget());
        ASSERT_NE(line, nullptr);
        line->selectAll();
        line->del();
        QTest::keyClicks(line, QString::fromUtf8(text));
    }
    // Presses OK; true when the dialog stayed open (then it is cancelled).
    static bool RefusesOk(CDialog& d) {
        d.PressButton(IDOK);
        const bool open = !d.IsEnded();
        if (open) d.PressButton(IDCANCEL);
        return open;
    }
    static void Snapshot(CDialog& d, const char* name) {
        d.GetWidget()->grab().save(QString::fromStdString((ArtifactsFolder() / name).string()));
    }

    CScriptedPromptService prompts;
    CScriptedDialogService dialogs;
};

TEST_F(SmallInputDialogs, EdgeCasesAreAcceptedOrRefusedAsTheCallerNeedsThem) {
    struct Case {
        const char* name;
        std::function<INT_PTR()> run; // the dialog run with its script; the result of DoModal
        INT_PTR result;
        std::function<void()> check;
    };
    AElasticGroundDlg ground;
    AElementSplitNumber split;
    ASkewStructureDlg skew;
    AExtents2DDlg extents;
    bool refused = false;
    CString shown;

    auto splitCase = [&](const char* typed) {
        return [&, typed] {
            AElementSplitNumber dlg;
            dialogs.Queue([&, typed](CDialog& d) {
                Type(d, 1608, typed);
                refused = RefusesOk(d);
            });
            const INT_PTR r = dlg.DoModal();
            split.m_nNumber = dlg.m_nNumber;
            return r;
        };
    };
    const Case cases[] = {
        {"ground without a preset shows no side and answers none",
         [&] {
             dialogs.Queue([&](CDialog& d) {
                 for (int id = 1001; id <= 1004; ++id)
                     EXPECT_EQ(d.IsDlgButtonChecked(id), BST_UNCHECKED) << id;
                 Snapshot(d, "ElasticGroundDlg.png");
                 d.PressButton(IDOK);
             });
             return ground.DoModal();
         },
         IDOK,
         [&] {
             omUnitValue k;
             int side = 99;
             EXPECT_FALSE(ground.GetGround(k, side)) << "no side chosen: nothing to apply";
             EXPECT_EQ(side, -1);
         }},
        {"split 1 refused", splitCase("1"), IDCANCEL, [&] { EXPECT_TRUE(refused); }},
        {"split 2 accepted", splitCase("2"), IDOK, [&] { EXPECT_EQ(split.m_nNumber, 2u); }},
        {"split 100 accepted", splitCase("100"), IDOK, [&] { EXPECT_EQ(split.m_nNumber, 100u); }},
        {"split 101 refused", splitCase("101"), IDCANCEL, [&] { EXPECT_TRUE(refused); }},
        {"inclination 0 accepted, Z centre shown in the major grid unit",
         [&] {
             skew.m_vertical = 200;
             skew.m_horizontal = 300;
             skew.m_zCenter = omUnitValue(250.0, omUK_cm);
             skew.m_xCenter = omUnitValue(4000.0, omUK_mm);
             dialogs.Queue([&](CDialog& d) {
                 shown = d.GetDlgItemText(1007);
                 Snapshot(d, "SkewStructureDlg.png");
                 Type(d, 1012, "0");
                 d.PressButton(IDOK);
             });
             return skew.DoModal();
         },
         IDOK,
         [&] {
             EXPECT_EQ(shown, "2.5");
             EXPECT_EQ(skew.m_vertical, 0.0);
             EXPECT_EQ(skew.m_horizontal, 300.0);
             EXPECT_EQ(skew.m_zCenter.GetKey(), omUK_m);
             EXPECT_DOUBLE_EQ(skew.m_zCenter.GetValue(), 2.5);
             EXPECT_EQ(skew.m_xCenter.GetKey(), omUK_mm) << "the X centre keeps its unit";
         }},
        {"inclination beyond 5000 refused",
         [&] {
             ASkewStructureDlg dlg;
             dialogs.Queue([&](CDialog& d) {
                 Type(d, 1006, "5001");
                 refused = RefusesOk(d);
             });
             return dlg.DoModal();
         },
         IDCANCEL, [&] { EXPECT_TRUE(refused); }},
        {"left extent shown in the major grid unit",
         [&] {
             extents.m_left = omUnitValue(-150.0, omUK_cm);
             extents.m_right = omUnitValue(12.0, omUK_m);
             extents.m_top = omUnitValue(-1.0, omUK_m);
             extents.m_bottom = omUnitValue(8.0, omUK_m);
             dialogs.Queue([&](CDialog& d) {
                 shown = d.GetDlgItemText(1044);
                 Snapshot(d, "Extents2DDlg.png");
                 Type(d, 1046, "9");
                 d.PressButton(IDOK);
             });
             return extents.DoModal();
         },
         IDOK,
         [&] {
             EXPECT_EQ(shown, "-1.5");
             EXPECT_EQ(extents.m_left.GetKey(), omUK_m);
             EXPECT_DOUBLE_EQ(extents.m_left.GetValue(), -1.5);
             EXPECT_DOUBLE_EQ(extents.m_top.GetValue(), 9.0) << "the dialog does not compare the extents";
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        refused = false;
        EXPECT_EQ(c.run(), c.result);
        c.check();
    }
    EXPECT_TRUE(prompts.MessageBoxes().size() >= 3u) << "each refusal tells the user";
}

TEST_F(SmallInputDialogs, GroundTakesASideAndANonNegativeCoefficientOnly) {
    struct Case {
        const char* typed;
        bool accepted;
    };
    const Case cases[] = {{"0", true}, {"0.025", true}, {"-0.01", false}, {"1e999", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        prompts.Clear();
        AElasticGroundDlg dlg;
        dlg.SetGround(omUnitValue(0.01, omUK_kN_cm3), 2);
        bool open = false;
        dialogs.Queue([&](CDialog& d) {
            EXPECT_EQ(d.IsDlgButtonChecked(1003), BST_CHECKED);
            EXPECT_EQ(d.GetDlgItemText(1000), "0.01");
            static_cast<CButton*>(d.GetDlgItem(1002))->Click();
            Type(d, 1000, c.typed);
            open = RefusesOk(d);
        });
        EXPECT_EQ(dlg.DoModal(), c.accepted ? IDOK : IDCANCEL);
        EXPECT_EQ(open, !c.accepted);
        EXPECT_EQ(prompts.MessageBoxes().size(), c.accepted ? 0u : 1u);
        if (!c.accepted) continue;
        omUnitValue k;
        int side = -1;
        EXPECT_TRUE(dlg.GetGround(k, side));
        EXPECT_EQ(side, 1);
        EXPECT_DOUBLE_EQ(k.GetValue(), std::stod(c.typed));
    }
    AElasticGroundDlg preset;
    preset.SetGround(omUnitValue(std::numeric_limits<double>::quiet_NaN(), omUK_kN_cm3), 1);
    bool open = false;
    dialogs.Queue([&](CDialog& d) { open = RefusesOk(d); });
    preset.DoModal();
    EXPECT_TRUE(open) << "a coefficient that is no number is not taken either";
}

} // namespace
