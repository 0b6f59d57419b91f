#include "app/dialogs/DlgVolumeWeight.h"

#include "SettingsFixture.h"
#include "model/omCrossSectionRect.h"
#include "model/omMaterial.h"
#include "model/omMaterialMap.h"
#include "model/omRCDesignBeamData.h"
#include "model/omStringMatrix.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CWinApp.h"
#include "tests/model/FrameBuilder.h"
#include "tests/platform/ui/UiTestSupport.h"

#include <QTreeWidget>
#include <QWidget>

#include <functional>

#include <cmath>
#include <string>
#include <vector>

namespace {

using Rows = std::vector<std::vector<std::string>>;

omStringMatrix table(const std::vector<std::vector<std::string>>& rows) {
    omStringMatrix m;
    m.Resize(static_cast<int>(rows.size()), static_cast<int>(rows.front().size()));
    for (int r = 0; r < m.GetRows(); ++r)
        for (int c = 0; c < m.GetCols(); ++c)
            m.At(r, c) = rows[r][c];
    return m;
}

// Three members of 100 cm2 on materials 1 (concrete, 2.5 t/m3), 2 (steel,
// 7.85 t/m3) and 3 (timber, 0.5 t/m3); the concrete member is reinforced with
// material 2 (4 bars of 20 mm, stirrups of 8 mm every 20 cm).
class DlgVolumeWeightTest : public SettingsFixture {
protected:
    void SetUp() override {
        SettingsFixture::SetUp();
        AUnitKeyAttributes::Instance()->mass = omUK_kg;
        build(f);
    }
    static void build(frametest::Frame& f) {
        addMaterial(f, 1, "C25", 2500.0);
        addMaterial(f, 2, "S500", 7850.0);
        addMaterial(f, 3, "Timber", 500.0);
        f.node(1, 0, 0);
        f.node(2, 500, 0);
        f.node(3, 500, 300);
        f.s.addCrossSection(new omCrossSectionRect(10.0, 10.0, omUK_cm, 2), 2);
        f.member(1, 1, 2, 1, 2, 1); // 500 cm
        f.member(2, 2, 3, 1, 2, 2); // 300 cm
        f.member(3, 1, 3, 1, 2, 3);
        omRCDesignBeamData rc;
        rc.getBottomBand().getRow1().setStringMatrix(table({{"4", "20", "0", "1"}}));
        rc.getStirrups().setStringMatrix(table({{"2", "8", "20", "0", "1"}}));
        f.element(1)->setMaterialIndex2(2);
        f.element(1)->setDesignData(&rc);
        f.s.bind();
    }
    static void addMaterial(frametest::Frame& f, unsigned id, const char* name, double kgPerM3) {
        // The frame comes with a material 1 of its own: it becomes the concrete.
        if (omMaterial* existing = f.s.getMaterialMap()->find(id)) {
            existing->setName(name);
            existing->setRo(omUnitValue(kgPerM3, omUK_kg_m3));
            return;
        }
        auto* m = new omMaterial(3000.0, 0.0, 1e-5, kgPerM3, 0.2, id);
        m->setName(name);
        f.material(m, id);
    }
    // The rows of the live dialog, top to bottom, after script has worked it.
    Rows rowsOf(std::function<void(DlgVolumeWeight&)> script = {}, omStrakon* model = nullptr) {
        Rows rows;
        dialogs.Queue([&](CDialog& dlg) {
            auto& d = static_cast<DlgVolumeWeight&>(dlg);
            if (script) script(d);
            for (int r = 0; r < d.m_wndList.GetItemCount(); ++r)
                rows.push_back({d.m_wndList.GetItemText(r, 0), d.m_wndList.GetItemText(r, 1),
                                d.m_wndList.GetItemText(r, 2)});
            dlg.PressButton(IDOK);
        });
        DlgVolumeWeight dlg(model ? model : &f.s);
        EXPECT_EQ(dlg.DoModal(), IDOK);
        return rows;
    }
    double bars() { return static_cast<omRCDesignBeamData*>(f.element(1)->getDesignData())->getBarVolume(); }
    double stirrups() {
        return static_cast<omRCDesignBeamData*>(f.element(1)->getDesignData())->getStirrupVolume();
    }
    static std::string fmt(double v) {
        char b[64];
        std::snprintf(b, sizeof b, "%3.0f", v);
        return b;
    }

    CWinApp app{"Strakon"};
    CScriptedDialogService dialogs;
    frametest::Frame f;
};

TEST_F(DlgVolumeWeightTest, MaterialsInUseAreListedFromTheHighestNumberDownWithTheirWeights) {
    const double v1 = 100.0 * 500.0, v2 = 100.0 * 300.0, v3 = 100.0 * std::hypot(500.0, 300.0);
    ASSERT_GT(bars(), 0.0);
    const Rows rows = rowsOf([](DlgVolumeWeight& d) {
        EXPECT_EQ(d.GetWindowText(), "Volume and weight according to materials");
        EXPECT_FALSE(d.m_bIncludeStirrups);
        d.GetWidget()->grab().save(
            QString::fromStdString((ArtifactsFolder() / "volume-weight-dialog.png").string()));
    });
    // Weight in kg: t/m3 x cm3 / 1000, by hand.
    EXPECT_EQ(rows, (Rows{{"Timber", fmt(v3), fmt(0.5 * v3 * 0.001)},
                          {"S500", fmt(v2 + bars()), fmt(7.85 * (v2 + bars()) * 0.001)},
                          {"C25", fmt(v1), "125"}}));
}

TEST_F(DlgVolumeWeightTest, TheWeightFollowsTheUsersMassUnitAndItsHeading) {
    AUnitKeyAttributes::Instance()->mass = omUK_g;
    Rows headings;
    const Rows rows = rowsOf([&](DlgVolumeWeight& d) {
        auto* tree = qobject_cast<QTreeWidget*>(d.m_wndList.GetWidget());
        ASSERT_NE(tree, nullptr);
        QTreeWidgetItem* head = tree->headerItem();
        headings.push_back({head->text(0).toStdString(), head->text(1).toStdString(), head->text(2).toStdString()});
    });
    EXPECT_EQ(headings, (Rows{{"Material", "Volume [cm3]", "Weight [g]"}}));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[2][2], "125000");
}

TEST_F(DlgVolumeWeightTest, IncludeStirrupsGrowsOnlyTheReinforcementRow) {
    ASSERT_GT(stirrups(), 0.0);
    Rows before, after;
    rowsOf([&](DlgVolumeWeight& d) {
        for (int r = 0; r < 3; ++r) before.push_back({d.m_wndList.GetItemText(r, 1)});
        d.PressButton(IDC_INCLUDE_STIRRUPS);
        EXPECT_TRUE(d.m_bIncludeStirrups);
        for (int r = 0; r < 3; ++r) after.push_back({d.m_wndList.GetItemText(r, 1)});
    });
    const double v2 = 100.0 * 300.0;
    EXPECT_EQ(before[1][0], fmt(v2 + bars()));
    EXPECT_EQ(after[1][0], fmt(v2 + bars() + stirrups()));
    EXPECT_EQ(after[0], before[0]);
    EXPECT_EQ(after[2], before[2]);
}

TEST_F(DlgVolumeWeightTest, VolumesOfMissingMaterialsAndOfReinforcementZeroGetNoRow) {
    struct Case {
        const char* what;
        std::function<void(frametest::Frame&)> change;
        std::vector<std::string> names;
    } cases[] = {
        {"a member names a material the file lacks",
         [](frametest::Frame& f) { f.element(3)->setMaterialIndex(9); }, {"S500", "C25"}},
        {"a concrete member without a reinforcement id",
         [](frametest::Frame& f) { f.element(1)->setMaterialIndex2(0); }, {"Timber", "S500", "C25"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        frametest::Frame frame;
        build(frame);
        c.change(frame);
        std::vector<std::string> names;
        for (const auto& row : rowsOf({}, &frame.s)) names.push_back(row[0]);
        EXPECT_EQ(names, c.names);
        const auto volumes = DlgVolumeWeight::MaterialVolumes(frame.s, true);
        EXPECT_EQ(volumes.count(0), 0u) << "no total slot";
        EXPECT_EQ(volumes.count(9), 0u);
    }
}

TEST_F(DlgVolumeWeightTest, AStructureWithoutMembersShowsNoRows) {
    frametest::Frame empty;
    Rows rows;
    dialogs.Queue([&](CDialog& dlg) {
        EXPECT_EQ(static_cast<DlgVolumeWeight&>(dlg).m_wndList.GetItemCount(), 0);
        dlg.PressButton(IDOK);
    });
    DlgVolumeWeight dlg(&empty.s);
    EXPECT_EQ(dlg.DoModal(), IDOK);
}

} // namespace
