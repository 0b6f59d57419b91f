// The concrete design view on the RC beam of the design fixtures, in a real
// document hosted in an MDI frame: the layout, the load-case lists and check
// switches, the edits with their undo, the safety factors, printing, the faults
// the view guards against, and pictures of it.
#include "app/design/ADesignConcreteView.h"

#include "app/design/ADesignSupportWidthDlg.h"
#include "app/design/AStirrupDialog.h"
#include "app/design/Plotter.h"
#include "app/design/SafetyFactorsPages.h"
#include "model/omLoadCase.h"
#include "model/omLoadManager.h"
#include "model/omMaterial.h"
#include "model/omMaterialMap.h"
#include "model/omRCDesignBeamData.h"
#include "model/omSteelDesignData.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CPropertySheet.h"
#include "resources/ui/StrakonDesignIds.h"
#include "resources/ui/StrakonResourceIds.h"
#include "tests/app/StructureViewFixture.h"
#include "tests/app/design/DesignFixtures.h"
#include "tests/support/PdfText.h"

#include <QImage>
#include <QListWidget>
#include <QTabBar>
#include <QTest>

#include <filesystem>

namespace {

using namespace designtest;

class ADesignConcreteViewTest : public StructureViewTest<ADesignConcreteView> {
protected:
    void SetUp() override {
        StructureViewTest::SetUp();
        RegisterStrakonDesignResources();
        useDefaultFactors();
        ASSERT_NE(addRCBeam(model()), nullptr);
        FitExtents(1.0);
    }
    // The view on the beam, its missing data made as the window's opener does.
    void Open(bool withData = true) {
        ASSERT_NE(OpenView(1000, 760), nullptr);
        view->SetElementNumber(RCBeam::member);
        if (withData) {
            omRCDesignBeamData data = rcBeamData();
            doc->ChangeDesignData(RCBeam::member, &data);
        }
        view->FillLoadCaseLists();
        viewhost::Pump();
    }
    void Solve() { ASSERT_TRUE(doc->Solve()); }
    omRCDesignBeamData* Data() { return view->GetConcreteData(); }
    ACommandManager& Commands() { return doc->GetCommandManager(); }
    // Clicks a list row as the user does.
    static void ClickRow(CListBox& list, int row) {
        auto* widget = qobject_cast<QListWidget*>(list.GetWidget());
        ASSERT_NE(widget, nullptr);
        const QRect r = widget->visualItemRect(widget->item(row));
        QTest::mouseClick(widget->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    }
    static std::vector<int> Selected(CListBox& list) {
        std::vector<int> rows;
        for (int i = 0; i < list.GetCount(); ++i)
            if (list.GetSel(i) > 0) rows.push_back(i);
        return rows;
    }
    QImage Picture() {
        viewhost::Pump();
        return view->GetInputWidget()->grab().toImage();
    }
    static void snapshot(CWnd& window, const char* name) {
        window.GetWidget()->grab().save(QString::fromStdString((ArtifactsFolder() / name).string()));
    }
    // The rectangle of a child in the view's client coordinates.
    static QRect Geometry(CWnd& child) { return child.GetWidget()->geometry(); }

    CScriptedDialogService dialogs;
};

TEST_F(ADesignConcreteViewTest, PanelsAndChildrenAt1000By700) {
    Open();
    view->OnSize(0, 1000, 700);
    EXPECT_EQ(view->GetDescriptionRect(), CRect(0, 0, 250, 350));
    EXPECT_EQ(view->GetReinforcementRect(), CRect(250, 0, 1000, 280));
    EXPECT_EQ(view->GetListRect(), CRect(0, 350, 250, 700));
    EXPECT_EQ(view->GetChartRect(), CRect(250, 280, 1000, 700));
    EXPECT_EQ(Geometry(view->GetTabWnd()), QRect(0, 350, 250, 29));
    EXPECT_EQ(Geometry(view->GetUltimateList()), QRect(QPoint(0, 379), QPoint(249, 664)));
    EXPECT_EQ(Geometry(view->GetServiceabilityList()), QRect(QPoint(0, 379), QPoint(249, 664)));
    EXPECT_EQ(Geometry(view->GetSelectButton()), QRect(15, 670, 97, 25));
    EXPECT_EQ(Geometry(view->GetClearButton()), QRect(138, 670, 97, 25));
    EXPECT_EQ(Geometry(view->GetUltimateCheck()), QRect(13, 295, 234, 20));
    EXPECT_EQ(Geometry(view->GetServiceabilityCheck()), QRect(13, 320, 234, 20));
    // A narrow window gives no negative sizes.
    view->OnSize(0, 40, 30);
    EXPECT_GE(Geometry(view->GetClearButton()).width(), 0);
    EXPECT_GE(Geometry(view->GetUltimateList()).height(), 0);
}

TEST_F(ADesignConcreteViewTest, ListsHoldOnlyUltimateAndServiceabilityCasesSelectedAsTheDataSays) {
    model().addLoadCase("creep", omLoadCase::lsCreep);
    model().addLoadCase("sway", omLoadCase::lsSkew);
    Open();
    omRCDesignBeamData both = rcBeamData();
    std::pair<std::vector<int>, std::vector<int>> lists{{1, 2}, {2}};
    both.transferLC(omGenericDesignData::lctIn, lists);
    doc->ChangeDesignData(RCBeam::member, &both);
    ASSERT_EQ(view->GetUltimateList().GetCount(), 2);
    ASSERT_EQ(view->GetServiceabilityList().GetCount(), 2);
    EXPECT_EQ(view->GetUltimateList().GetItemData(1), 2u);
    EXPECT_EQ(Selected(view->GetUltimateList()), (std::vector<int>{0, 1}));
    EXPECT_EQ(Selected(view->GetServiceabilityList()), (std::vector<int>{1})) << "case 2 is in both lists";
    EXPECT_EQ(view->GetUltimateCheck().GetCheck(), BST_CHECKED);
}

TEST_F(ADesignConcreteViewTest, AnotherMembersHintChangesNothingAndARefillSendsNothing) {
    Open();
    const int commands = Commands().GetCommandCount();
    Data()->clearLCActive(true, true);
    doc->UpdateAllViews(nullptr, 6000 + 2, nullptr);
    EXPECT_EQ(Selected(view->GetUltimateList()), (std::vector<int>{0})) << "hint of member 2";
    doc->UpdateAllViews(nullptr, 6000 + RCBeam::member, nullptr);
    EXPECT_TRUE(Selected(view->GetUltimateList()).empty());
    view->FillLoadCaseLists();
    doc->UpdateAllViews(nullptr, 4000, nullptr);
    EXPECT_EQ(Commands().GetCommandCount(), commands) << "refills never submit";
}

TEST_F(ADesignConcreteViewTest, AUsersDeselectReachesTheDesignAndSelectOnServiceabilityTakesItsCasesOnly) {
    Open();
    ClickRow(view->GetUltimateList(), 1);
    EXPECT_EQ(Data()->getUltLC(), (std::vector<int>{1, 2}));
    ClickRow(view->GetUltimateList(), 1);
    EXPECT_EQ(Data()->getUltLC(), (std::vector<int>{1})) << "a deselecting click";
    view->OnShowServiceability();
    EXPECT_FALSE(view->IsUltimateShown());
    EXPECT_EQ(view->GetSelectButton().GetWindowText(), "Select [S]");
    Data()->clearLCActive(false, true);
    view->GetSelectButton().Click();
    EXPECT_EQ(Data()->getSerLC(), (std::vector<int>{RCBeam::serviceability}));
    EXPECT_EQ(Data()->getUltLC(), (std::vector<int>{1}));
    const int commands = Commands().GetCommandCount();
    view->GetSelectButton().Click();
    EXPECT_EQ(Commands().GetCommandCount(), commands) << "all chosen already";
    view->GetClearButton().Click();
    EXPECT_TRUE(Data()->getSerLC().empty());
    view->GetClearButton().Click();
    EXPECT_EQ(Commands().GetCommandCount(), commands + 1) << "nothing left to clear";
}

TEST_F(ADesignConcreteViewTest, CheckBoxesToggleTheSwitchesThroughUndoableCommands) {
    Open();
    view->GetServiceabilityCheck().Click();
    EXPECT_FALSE(Data()->isSerDesign());
    EXPECT_EQ(view->GetServiceabilityCheck().GetCheck(), BST_UNCHECKED);
    Commands().Undo();
    EXPECT_TRUE(Data()->isSerDesign());
    EXPECT_EQ(view->GetServiceabilityCheck().GetCheck(), BST_CHECKED);
}

TEST_F(ADesignConcreteViewTest, CommandStatesBeforeAndAfterTheAnalysis) {
    Open();
    for (UINT id : {ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_DESIGN_ALL, ID_DESIGN_CURRENT})
        EXPECT_FALSE(Enabled(id)) << id;
    for (UINT id : {ID_SAFETY_FACTORS, ID_SUPPORT_WIDTHS, ID_EDIT_STIRRUPS, ID_EDIT_POSITIVE_BARS,
                    ID_EDIT_NEGATIVE_BARS, ID_SELECT_RC_MATERIALS, ID_EDIT_MATERIALS, ID_EDIT_CROSS_SECTIONS})
        EXPECT_TRUE(Enabled(id)) << id;
    Solve();
    for (UINT id : {ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_DESIGN_ALL, ID_DESIGN_CURRENT})
        EXPECT_TRUE(Enabled(id)) << id;
    EXPECT_EQ(Checked(ID_SHOW_ULS_RESULTS), 1);
    EXPECT_EQ(Checked(ID_SHOW_SLS_RESULTS), 0);
}

TEST_F(ADesignConcreteViewTest, TheBeamDesignedThroughTheView) {
    Open();
    Solve();
    Command(ID_DESIGN_CURRENT);
    ASSERT_NE(Data(), nullptr);
    const std::vector<double> positions = view->GetPositions();
    ASSERT_EQ(positions.size(), RCBeam::points);
    PlotterLineLimit shear;
    ADesignConcreteView::FillShear(positions, *Data(), shear);
    ASSERT_EQ(shear.m_points.size(), RCBeam::points);
    EXPECT_EQ(shear.m_points.front().x, 0.0);
    EXPECT_NEAR(shear.m_points.front().y, 0.750, 0.001);
    EXPECT_EQ(shear.m_points.back().x, 1.0);
    EXPECT_NEAR(shear.m_points.back().y, 0.750, 0.001);
    PlotterLineLimit2 nm;
    ADesignConcreteView::FillNM(positions, *Data(), nm);
    EXPECT_NEAR(nm.m_points2[RCBeam::mid].y2, -0.574, 0.001);
    PlotterCracks cracks;
    ADesignConcreteView::FillCracks(positions, *Data(), cracks);
    EXPECT_NEAR(cracks.m_points2[RCBeam::mid].y2, -0.212, 0.001);
    PlotterBarArea stirrups, bottom, top;
    ADesignConcreteView::FillStirrupBars(Data()->getStirrups(), stirrups);
    ASSERT_EQ(stirrups.m_bars.size(), 1u);
    EXPECT_NEAR(stirrups.m_bars[0].value, 5.03, 0.005);
    EXPECT_EQ(stirrups.m_bars[0].label, "2 Fi 8/20.0");
    ADesignConcreteView::FillBandBars(Data()->getBottomBand(), bottom);
    ADesignConcreteView::FillBandBars(Data()->getTopBand(), top);
    ASSERT_EQ(bottom.m_bars.size(), 1u);
    ASSERT_EQ(top.m_bars.size(), 1u);
    EXPECT_EQ(bottom.m_bars[0].label, "9.4 cm2");
    EXPECT_EQ(top.m_bars[0].label, "1.6 cm2");
    const CString description = view->GetDescriptionText();
    EXPECT_NE(description.find("Concrete: C30/37"), CString::npos) << description;
    EXPECT_NE(description.find("Reinforcement: B500"), CString::npos) << description;
    EXPECT_TRUE(view->GetReasonText().empty()) << view->GetReasonText();
    Save("design-concrete-ultimate.png");
    view->OnShowServiceability();
    Save("design-concrete-serviceability.png");
}

TEST_F(ADesignConcreteViewTest, EditingTheStirrupsIsOneUndoableStepAndOkWithoutAChangeAddsNone) {
    Open();
    Solve();
    Command(ID_DESIGN_CURRENT);
    ASSERT_NEAR(Data()->getUltFactor(), 0.750, 0.001);
    const int commands = Commands().GetCommandCount();
    dialogs.Queue([](CDialog& d) {
        auto& dlg = dynamic_cast<AStirrupDialog&>(d);
        dlg.m_list.SetItemText(0, 2, "10");
        dlg.PressButton(IDOK);
    });
    Command(ID_EDIT_STIRRUPS);
    EXPECT_EQ(Commands().GetCommandCount(), commands + 1);
    EXPECT_NEAR(Data()->getUltFactor(), 0.574, 0.001) << "bending governs";
    EXPECT_NEAR(Data()->getShearResults().front(), 0.375, 0.001);
    Commands().Undo();
    EXPECT_NEAR(Data()->getUltFactor(), 0.750, 0.001);
    Commands().Redo();
    EXPECT_NEAR(Data()->getUltFactor(), 0.574, 0.001);
    dialogs.Queue([](CDialog& d) { d.PressButton(IDOK); });
    Command(ID_EDIT_STIRRUPS);
    EXPECT_EQ(Commands().GetCommandCount(), commands + 1) << "OK without a change";
    EXPECT_EQ(Commands().GetDoneCount(), commands + 1);
}

TEST_F(ADesignConcreteViewTest, SupportWidthsSwitchedOffShowTheStoredWidths) {
    Open();
    omRCDesignBeamData data = *Data();
    data.enableSupportWidth(false);
    data.setLeftSupportWidth(omUnitValue(12.0, omUK_cm));
    data.setRightSupportWidth(omUnitValue(7.0, omUK_cm));
    doc->ChangeDesignData(RCBeam::member, &data);
    const int commands = Commands().GetCommandCount();
    dialogs.Queue([&](CDialog& d) {
        EXPECT_EQ(d.IsDlgButtonChecked(IDC_SUPPORT_WIDTH_OFF), static_cast<UINT>(BST_CHECKED));
        EXPECT_NE(d.GetDlgItem(IDC_SUPPORT_WIDTH_LEFT)->GetWindowText().find("12"), CString::npos);
        EXPECT_FALSE(d.GetDlgItem(IDC_SUPPORT_WIDTH_LEFT)->IsWindowEnabled());
        snapshot(d, "design-concrete-support-widths.png");
        d.PressButton(IDOK);
    });
    Command(ID_SUPPORT_WIDTHS);
    EXPECT_EQ(Commands().GetCommandCount(), commands) << "OK without a change";
    dialogs.Queue([&](CDialog& d) {
        d.CheckRadioButton(IDC_SUPPORT_WIDTH_OFF, IDC_SUPPORT_WIDTH_ON, IDC_SUPPORT_WIDTH_ON);
        d.PressButton(IDOK);
    });
    Command(ID_SUPPORT_WIDTHS);
    EXPECT_EQ(Commands().GetCommandCount(), commands + 1);
    EXPECT_TRUE(Data()->isSupportWidth());
    EXPECT_DOUBLE_EQ(Data()->getLeftSupportWidth().Get(omUK_cm), 12.0);
}

TEST_F(ADesignConcreteViewTest, SafetyFactorsCancelKeepsRangeRefusesAndAChangeRedesignsAndIsSavedAtOnce) {
    Open();
    Solve();
    Command(ID_DESIGN_CURRENT);
    const SafetyFactorsEC3 ec3 = SafetyFactorsEC::Instance()->m_EC3;
    dialogs.Queue([](CPropertySheet& sheet) {
        sheet.GetActivePage()->SetDlgItemText(IDC_EC2_STEEL_PERMANENT, "1.0");
        snapshot(sheet, "design-concrete-safety-ec2.png");
    });
    Command(ID_SAFETY_FACTORS);
    EXPECT_EQ(SafetyFactorsEC::Instance()->m_EC2.m_steelUltimatePermanent, 1.15) << "cancelled";
    dialogs.Queue([&](CPropertySheet& sheet) {
        sheet.SetActivePage(1);
        sheet.GetActivePage()->SetDlgItemText(IDC_EC3_GAMMA_M0, "1.6");
        snapshot(sheet, "design-concrete-safety-ec3.png");
        sheet.PressButton(PSBTN_OK);
        EXPECT_FALSE(prompts.MessageBoxes().empty()) << "1.6 is refused";
    });
    Command(ID_SAFETY_FACTORS);
    EXPECT_EQ(SafetyFactorsEC::Instance()->m_EC3.m_gammaM0, ec3.m_gammaM0);
    dialogs.Queue([](CPropertySheet& sheet) {
        sheet.GetActivePage()->SetDlgItemText(IDC_EC2_STEEL_PERMANENT, "1.0");
        sheet.PressButton(PSBTN_OK);
    });
    Command(ID_SAFETY_FACTORS);
    EXPECT_EQ(SafetyFactorsEC::Instance()->m_EC2.m_steelUltimatePermanent, 1.0);
    EXPECT_NEAR(Data()->getUltFactor(), 0.652, 0.001);
    SafetyFactorsEC::Discard();
    EXPECT_EQ(SafetyFactorsEC::Instance()->m_EC2.m_steelUltimatePermanent, 1.0) << "written at once";
    useDefaultFactors();
}

TEST_F(ADesignConcreteViewTest, OpeningUndoAndRedoOnAMemberWithoutDataKeepTheRedoList) {
    Open(false);
    EXPECT_EQ(Commands().GetCommandCount(), 0) << "filling never submits";
    EXPECT_FALSE(view->GetUltimateList().IsWindowEnabled());
    EXPECT_FALSE(Enabled(ID_SUPPORT_WIDTHS) && view->GetDesignData());
    ASSERT_TRUE(view->CreateMissingDesignData());
    EXPECT_FALSE(view->CreateMissingDesignData()) << "only once";
    EXPECT_EQ(Commands().GetCommandCount(), 1);
    EXPECT_TRUE(view->GetUltimateList().IsWindowEnabled());
    Commands().Undo();
    EXPECT_EQ(view->GetDesignData(), nullptr);
    EXPECT_EQ(Commands().GetCommandCount(), 1) << "nothing added during the undo";
    EXPECT_EQ(Commands().GetDoneCount(), 0);
    EXPECT_NE(view->GetReasonText().find("no design data"), CString::npos);
    Commands().Redo();
    EXPECT_NE(view->GetDesignData(), nullptr);
    EXPECT_EQ(Commands().GetCommandCount(), 1);
}

TEST_F(ADesignConcreteViewTest, ADeletedMemberAndDataOfTheOtherKindDisableTheEditsAndSayWhy) {
    Open();
    omSteelDesignData steel;
    Data()->getStirrups(); // the member holds concrete data before
    MemberOf(RCBeam::member)->setDesignData(&steel);
    doc->UpdateAllViews(nullptr, 6000 + RCBeam::member, nullptr);
    EXPECT_EQ(view->GetConcreteData(), nullptr);
    EXPECT_NE(view->GetReasonText().find("not reinforced-concrete design data"), CString::npos);
    Picture();
    // The concrete edits replace data of the other kind on a concrete member.
    EXPECT_TRUE(Enabled(ID_EDIT_STIRRUPS));
    // Without the member every path is guarded.
    view->SetElementNumber(99);
    view->FillLoadCaseLists();
    view->Invalidate();
    Picture();
    for (UINT id : {ID_EDIT_STIRRUPS, ID_EDIT_POSITIVE_BARS, ID_EDIT_NEGATIVE_BARS, ID_SELECT_RC_MATERIALS})
        EXPECT_FALSE(Enabled(id)) << id;
    view->OnSupportWidths();
    view->OnUltimateCheck();
    EXPECT_NE(view->GetDescriptionText().find("does not exist"), CString::npos);
    EXPECT_NE(view->GetReasonText().find("does not exist"), CString::npos);
    EXPECT_FALSE(view->GetUltimateList().IsWindowEnabled());
    view->SetElementNumber(RCBeam::member);
    MemberOf(RCBeam::member)->setDesignData(nullptr);
}

TEST_F(ADesignConcreteViewTest, AMaterialThatIsNoConcreteDisablesTheEditsWithoutRecursion) {
    Open();
    // The member's concrete becomes a plain material: no design kind fits.
    auto* plain = new omMaterial(3000.0, 0.0, 1e-5, 0.0, 0.2, 20);
    model().addMaterial(plain, 20);
    doc->SetElementMaterials(RCBeam::member, 20, RCBeam::steel);
    const int commands = Commands().GetCommandCount();
    doc->UpdateAllViews(nullptr, 6000 + RCBeam::member, nullptr);
    doc->UpdateAllViews(nullptr, 0, nullptr);
    EXPECT_EQ(Commands().GetCommandCount(), commands);
    EXPECT_FALSE(view->IsConcreteMember());
    EXPECT_FALSE(Enabled(ID_EDIT_STIRRUPS));
    EXPECT_FALSE(view->CreateMissingDesignData());
    EXPECT_NE(view->GetReasonText().find("do not make a reinforced-concrete element"), CString::npos);
}

TEST_F(ADesignConcreteViewTest, AModelCommandAnnouncedByHintOneOrTwoRedrawsTheView) {
    Open();
    Solve();
    Command(ID_DESIGN_CURRENT);
    for (int hint : {1, 2}) {
        const QImage designed = Picture();
        // What a model command does to the design results, without the view's own hints.
        omRCDesignBeamData kept = *Data();
        Data()->getShearResults().clear();
        Data()->getNMResults().clear();
        EXPECT_EQ(Picture(), designed) << "the cached picture stays until a hint";
        doc->UpdateAllViews(nullptr, hint, nullptr);
        EXPECT_NE(Picture(), designed) << "hint " << hint;
        *Data() = kept;
        doc->UpdateAllViews(nullptr, 0, nullptr);
    }
}

TEST_F(ADesignConcreteViewTest, ResultListsOfUnequalLengthDrawTheCommonLength) {
    omRCDesignBeamData data = rcBeamData();
    data.getShearResults() = {0.1, 0.2, 0.3};
    data.getNMResults() = {{0.1, 0.0}, {0.2, 0.0}};
    const std::vector<double> positions{0.0, 0.25, 0.5, 0.75, 1.0};
    PlotterLineLimit shear;
    ADesignConcreteView::FillShear(positions, data, shear);
    EXPECT_EQ(shear.m_points.size(), 3u);
    PlotterLineLimit2 nm;
    ADesignConcreteView::FillNM(positions, data, nm);
    EXPECT_EQ(nm.m_points2.size(), 2u);
    PlotterLineLimit2 fewPositions;
    ADesignConcreteView::FillNM({0.0}, data, fewPositions);
    EXPECT_EQ(fewPositions.m_points2.size(), 1u);
}

TEST_F(ADesignConcreteViewTest, AMemberWithoutStirrupsShowsTheReason) {
    Open();
    omRCDesignBeamData data = *Data();
    data.getStirrups() = omStirrupVec();
    doc->ChangeDesignData(RCBeam::member, &data);
    Solve();
    const CString reason = view->GetReasonText();
    EXPECT_NE(reason.find("not possible"), CString::npos) << reason;
    view->Invalidate();
    Save("design-concrete-no-stirrups.png");
}

TEST_F(ADesignConcreteViewTest, ADoubleClickInTheReinforcementPanelFollowsTheCommandStates) {
    Open();
    view->OnSize(0, 1000, 750);
    const CRect r = view->GetReinforcementRect(); // 300 high: thirds at 100 and 200
    dialogs.Queue([](CDialog& d) { d.PressButton(IDCANCEL); });
    view->OnLButtonDblClk(0, CPoint(500, r.top + 10));
    dialogs.Queue([](CDialog& d) { d.PressButton(IDCANCEL); });
    view->OnLButtonDblClk(0, CPoint(500, r.top + 100)); // on the boundary: the lower diagram
    dialogs.Queue([](CDialog& d) { d.PressButton(IDCANCEL); });
    view->OnLButtonDblClk(0, CPoint(500, r.top + 200));
    EXPECT_EQ(dialogs.Runs(), (std::vector<UINT>{AStirrupDialog::IDD, 262, 262}));
    // A member the edits do not apply to opens nothing.
    auto* plain = new omMaterial(3000.0, 0.0, 1e-5, 0.0, 0.2, 20);
    model().addMaterial(plain, 20);
    doc->SetElementMaterials(RCBeam::member, 20, RCBeam::steel);
    view->OnLButtonDblClk(0, CPoint(500, r.top + 10));
    view->OnLButtonDblClk(0, CPoint(500, r.top + 200));
    EXPECT_EQ(dialogs.Runs().size(), 3u);
}

TEST_F(ADesignConcreteViewTest, PrintingGivesTheDocumentsReport) {
    Open();
    Solve();
    const std::filesystem::path pdf = settings.path() / "design.pdf";
    prompts.QueuePrinterAnswer(CPrinterAnswer{pdf.string(), 0, 0});
    Command(ID_FILE_PRINT);
    viewhost::Pump();
    ASSERT_TRUE(std::filesystem::exists(pdf));
    const std::string text = testsupport::PdfText(pdf);
    // The structure's report, not a picture of the view.
    for (const char* expected : {"Geometry", "Materials", "10: C30/37", "Serviceability"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected << "\n" << text.substr(0, 3000);
}

} // namespace
