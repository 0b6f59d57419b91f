// The load input dialogs worked as a user works them: filled from a load,
// typed into, left, confirmed, and read back.
#include "app/dialogs/AConcentratedForceDlg.h"
#include "app/dialogs/ADisplacementDlg.h"
#include "app/dialogs/ALinearLoadDlg.h"
#include "app/dialogs/ATemperatureLoadDlg.h"

#include "SettingsFixture.h"
#include "UnitKeySupport.h"
#include "app/views/ANode2D.h"
#include "common/omUnitManager.h"
#include "model/omDofStructureType.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CPromptService.h"
#include "resources/ui/StrakonLoadIds.h"
#include "resources/ui/StrakonResources.h"
#include "tests/support/ArtifactsFolder.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>

#include <string>

namespace {

const omDofStructureType* frame() {
    return omDofStrakonStructureType::instance();
}

class LoadInputDialogs : public SettingsFixture {
protected:
    void SetUp() override {
        SettingsFixture::SetUp();
        RegisterStrakonResources();
        UseKiloNewtonMetreKeys();
    }
    static QLineEdit* Line(CDialog& d, int id) {
        return qobject_cast<QLineEdit*>(d.GetDlgItem(id)->GetWidget());
    }
    static void Type(CDialog& d, int id, const char* text) {
        QLineEdit* line = Line(d, id);
        ASSERT_NE(line, nullptr);
        line->selectAll();
        line->del();
        QTest::keyClicks(line, QString::fromUtf8(text));
    }
    // The edit loses the focus, as when the user tabs away.
    static void Leave(CDialog& d, int id) {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(d.GetDlgItem(id)->GetWidget(), &out);
    }
    static bool Enabled(CDialog& d, int id) { return d.GetDlgItem(id)->IsWindowEnabled(); }
    static void Snapshot(CDialog& d, const char* name) {
        d.GetWidget()->grab().save(QString::fromStdString((ArtifactsFolder() / name).string()));
    }

    CScriptedPromptService prompts;
    CScriptedDialogService dialogs;
};

TEST_F(LoadInputDialogs, ConcentratedForceOnANodeKeepsItsSystemAndNeedsAComponent) {
    omLoadForce load(frame(), 0);
    load.setScope(omLoad::LocalCS);
    load.setX(0.7);
    AConcentratedForceDlg dlg;
    dlg.SetLoad(load, false, 1.0);
    dialogs.Queue([&](CDialog& d) {
        for (int id : {1330, 1331, 1350, 1351, 1605})
            EXPECT_FALSE(Enabled(d, id)) << id;
        EXPECT_TRUE(Enabled(d, 1044));
        EXPECT_EQ(d.GetDlgItemText(1350), "0");
        d.PressButton(IDOK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    omLoadForce out(frame(), 0);
    out.setScope(omLoad::LocalCS);
    EXPECT_FALSE(dlg.GetLoad(out)) << "all components zero";
    EXPECT_EQ(out.getScope(), omLoad::LocalCS) << "a node load keeps its flag";
    EXPECT_EQ(out.getX(), 0.0);

    dialogs.Queue([&](CDialog& d) {
        Type(d, 1046, "-12.5");
        Type(d, 1045, "P1");
        d.PressButton(IDOK);
    });
    AConcentratedForceDlg typed;
    typed.SetLoad(load, false, 1.0);
    ASSERT_EQ(typed.DoModal(), IDOK);
    EXPECT_TRUE(typed.GetLoad(out));
    EXPECT_DOUBLE_EQ(out.getF(Uz).Get(omUK_kN), -12.5);
    EXPECT_EQ(out.getName(), "P1");
}

TEST_F(LoadInputDialogs, ConcentratedForcePositionFollowsTheAbsoluteLengthAndTheSpin) {
    omLoadForce load(frame(), 0);
    load.setF(Uz, omUnitValue(10.0, omUK_kN));
    load.setX(0.29);
    AConcentratedForceDlg dlg;
    dlg.SetLoad(load, true, 600.0);
    int spinAtStart = -1, spinAfterAbsolute = -1;
    CString relative;
    dialogs.Queue([&](CDialog& d) {
        EXPECT_TRUE(Enabled(d, 1350));
        EXPECT_EQ(d.IsDlgButtonChecked(1330), BST_CHECKED) << "a world-system load";
        spinAtStart = dlg.m_spin.GetPos();
        Snapshot(d, "ConcentratedForceDlg.png");
        Type(d, 1351, "3");
        Leave(d, 1351);
        relative = d.GetDlgItemText(1350);
        spinAfterAbsolute = dlg.m_spin.GetPos();
        static_cast<CButton*>(d.GetDlgItem(1331))->Click();
        dlg.m_spin.StepUp();
        d.PressButton(IDOK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(spinAtStart, 29) << "0.29 is not truncated to 28";
    EXPECT_EQ(relative, "0.5") << "3 m on a 6 m member";
    EXPECT_EQ(spinAfterAbsolute, 50);
    omLoadForce out(frame(), 0);
    EXPECT_TRUE(out.getScope() == omLoad::WorldCS);
    EXPECT_TRUE(dlg.GetLoad(out));
    EXPECT_DOUBLE_EQ(out.getX(), 0.51) << "one step of the spin";
    EXPECT_EQ(out.getScope(), omLoad::LocalCS);
    EXPECT_DOUBLE_EQ(dlg.m_absolute.Get(omUK_m), 3.06);
}

TEST_F(LoadInputDialogs, DisplacementEditsOnlyTheSupportedDirections) {
    ANode2D node(0.0, 0.0, "m", 1);
    node.setSupport(Uz, true);
    omLoadDisplacement load(frame(), 0);
    ADisplacementDlg dlg;
    dlg.SetLoad(load, &node);
    dialogs.Queue([&](CDialog& d) {
        EXPECT_FALSE(Enabled(d, 1431));
        EXPECT_TRUE(Enabled(d, 1432));
        EXPECT_FALSE(Enabled(d, 1433));
        Snapshot(d, "DisplacementDlg.png");
        d.PressButton(IDOK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    omLoadDisplacement out(frame(), 0);
    EXPECT_FALSE(dlg.GetLoad(out));

    ADisplacementDlg typed;
    typed.SetLoad(load, &node);
    dialogs.Queue([&](CDialog& d) {
        Type(d, 1432, "0.02");
        d.PressButton(IDOK);
    });
    ASSERT_EQ(typed.DoModal(), IDOK);
    EXPECT_TRUE(typed.GetLoad(out));
    EXPECT_DOUBLE_EQ(out.getU(Uz).Get(omUK_cm), 2.0);
}

TEST_F(LoadInputDialogs, UniformLinearLoadCopiesTheStartToTheEndWhenTheStartIsLeft) {
    omLoadLinear load(frame(), 0);
    ALinearLoadDlg dlg;
    dlg.SetLoad(load, 600.0);
    CString endFz;
    bool endEnabled = true;
    dialogs.Queue([&](CDialog& d) {
        EXPECT_EQ(d.IsDlgButtonChecked(1601), BST_CHECKED) << "equal ends: uniform";
        endEnabled = Enabled(d, 1348);
        Type(d, 1342, "5");
        Leave(d, 1342);
        endFz = d.GetDlgItemText(1348);
        d.PressButton(IDOK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_FALSE(endEnabled);
    EXPECT_EQ(std::stod(std::string(endFz)), 5.0);
    omLoadLinear out(frame(), 0);
    EXPECT_TRUE(dlg.GetLoad(out));
    EXPECT_DOUBLE_EQ(out.getFe(Uz).Get(omUK_kN_m), 5.0);

    ALinearLoadDlg zero;
    zero.SetLoad(load, 600.0);
    dialogs.Queue([&](CDialog& d) { d.PressButton(IDOK); });
    ASSERT_EQ(zero.DoModal(), IDOK);
    EXPECT_FALSE(zero.GetLoad(out)) << "no intensity at either end";
}

TEST_F(LoadInputDialogs, LinearLoadPartIsClampedToTheMemberAndAMinimumLength) {
    struct Case {
        const char* start;
        const char* end;
        double wantStart, wantEnd;
        int wantEndSpin;
    };
    const Case cases[] = {
        {"0.5", "0.5", 0.5, 0.52, 52},
        {"0.99", "1", 0.98, 1.0, 100},
        {"0", "0.01", 0.0, 0.02, 2},
        {"0.3", "0.32", 0.3, 0.32, 32},
    };
    omLoadLinear load(frame(), 0);
    load.setFs(Uz, omUnitValue(2.0, omUK_kN_m));
    load.setFe(Uz, omUnitValue(4.0, omUK_kN_m));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.start);
        ALinearLoadDlg dlg;
        dlg.SetLoad(load, 600.0);
        int endSpin = -1;
        dialogs.Queue([&](CDialog& d) {
            EXPECT_EQ(d.IsDlgButtonChecked(1602), BST_CHECKED) << "different ends: linear";
            EXPECT_TRUE(Enabled(d, 1348));
            Type(d, 1044, c.start);
            Leave(d, 1044);
            Type(d, 1045, c.end);
            Leave(d, 1045);
            endSpin = dlg.m_endSpin.GetPos();
            d.PressButton(IDOK);
        });
        ASSERT_EQ(dlg.DoModal(), IDOK);
        EXPECT_NEAR(dlg.m_start, c.wantStart, 1e-12);
        EXPECT_NEAR(dlg.m_end, c.wantEnd, 1e-12);
        EXPECT_EQ(endSpin, c.wantEndSpin);
        EXPECT_NEAR(dlg.m_endAbsolute.Get(omUK_m), 6.0 * c.wantEnd, 1e-9);
    }
}

TEST_F(LoadInputDialogs, LinearLoadPictureFollowsBothSystems) {
    omLoadLinear load(frame(), 0);
    load.setScope(omLoad::WorldCS);
    load.setPosition(omLoad::WorldCS);
    ALinearLoadDlg dlg;
    dlg.SetLoad(load, 600.0);
    std::vector<UINT> shown;
    dialogs.Queue([&](CDialog& d) {
        shown.push_back(dlg.ShownPicture());
        auto click = [&](int id) {
            static_cast<CButton*>(d.GetDlgItem(id))->Click();
            shown.push_back(dlg.ShownPicture());
        };
        click(1334); // world direction, local position
        click(1345); // local, local
        Snapshot(d, "LinearLoadDlg.png");
        click(1333); // local, world
        click(1344); // world, world
        d.PressButton(IDOK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(shown, (std::vector<UINT>{222, 223, 225, 226, 222}));
    omLoadLinear out(frame(), 0);
    dlg.GetLoad(out);
    EXPECT_EQ(out.getScope(), omLoad::WorldCS);
    EXPECT_EQ(out.getPosition(), omLoad::WorldCS);
}

TEST_F(LoadInputDialogs, TemperatureNeedsAFaceAndKeepsAnotherUnitConverted) {
    omLoadTemperature load(frame(), 0);
    ATemperatureLoadDlg dlg;
    dlg.SetLoad(load);
    bool picture = false;
    dialogs.Queue([&](CDialog& d) {
        picture = dlg.m_picture.GetEnhMetaFile() != nullptr;
        d.PressButton(IDOK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(picture);
    omLoadTemperature out(frame(), 0);
    EXPECT_FALSE(dlg.GetLoad(out)) << "both faces 0";

    load.setT(1, 1, omUnitValue(20.0, omUK_degC));
    ATemperatureLoadDlg other;
    other.SetLoad(load);
    CString shown;
    dialogs.Queue([&](CDialog& d) {
        Snapshot(d, "TemperatureLoadDlg.png");
        Type(d, 1333, "-10");
        Type(d, 1335, "Sun");
        // The user picks Fahrenheit on the unit button of the positive face: a difference of 20 is one of 36.
        auto* edit = dynamic_cast<AUnitEdit*>(d.GetDlgItem(1334));
        ASSERT_NE(edit, nullptr);
        AUnitSelect& button = edit->GetUnitSelect();
        prompts.QueuePopupMenuChoice(button.MenuIdOf(omUnitManager::Instance()->Unit(omUK_degF)));
        button.ShowMenu();
        shown = d.GetDlgItemText(1334);
        d.PressButton(IDOK);
    });
    ASSERT_EQ(other.DoModal(), IDOK);
    EXPECT_EQ(std::stod(std::string(shown)), 36.0);
    EXPECT_TRUE(other.GetLoad(out));
    EXPECT_EQ(out.getT(1, 1).GetKey(), omUK_degF);
    EXPECT_NEAR(out.getT(1, 1).GetValue(), 36.0, 1e-9);
    EXPECT_NEAR(out.getT(0, 1).Get(omUK_degC), -10.0, 1e-9) << "the typed value is kept through the change";
    EXPECT_EQ(out.getName(), "Sun");
}

} // namespace
