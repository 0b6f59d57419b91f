// The element result sheet in the floating property frame, with the real grid,
// over a cantilever solved the way the program solves.
#include "app/views/AElementResultSheet.h"

#include "SettingsFixture.h"
#include "app/views/ADesignElement.h"
#include "app/views/ADesignElementDesign.h"
#include "app/views/ADesignElementResults.h"
#include "app/views/ANode2D.h"
#include "app/views/AStrakon.h"
#include "model/omElementMap.h"
#include "model/omGenericCrossSection.h"
#include "model/omLoad.h"
#include "model/omLoadManager.h"
#include "model/omMaterial.h"
#include "model/omNodeMap.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CResources.h"
#include "platform/ui/CWinApp.h"
#include "resources/ui/StrakonResources.h"
#include "tests/model/SolveRoad.h"
#include "tests/support/ArtifactsFolder.h"

#include <QApplication>
#include <QClipboard>
#include <QPixmap>
#include <QRegularExpression>

#include <cmath>
#include <string>

namespace {

constexpr double kL = 300.0;   // cm
constexpr double kP = 10.0;    // kN, downwards (z down)
constexpr double kE = 21000.0; // kN/cm2
constexpr double kI = 8356.0;  // cm4
constexpr int kDigitsEdit = 1045;

// A structure document as far as the sheet sees it.
class ResultDocument : public CDocument, public AElementResultDocument {
public:
    omStrakon* GetResultStructure() override { return &structure; }
    int GetActiveResultCase() const override { return activeCase; }
    void SetElementResultPage(ADesignElementResultPage* p) override { page = p; }

    AStrakon structure;
    int activeCase = 1;
    ADesignElementResultPage* page = nullptr;
};

class AElementResultSheetTest : public SettingsFixture {
protected:
    void SetUp() override {
        SettingsFixture::SetUp();
        RegisterStrakonResources();
        AUnitKeyAttributes* units = AUnitKeyAttributes::Instance();
        units->moment = omUK_kNm;
        units->force = omUK_kN;
        units->length = omUK_mm;
        ADesignElementResultPage::s_nDigits = 5;
        buildCantilever();
    }
    void TearDown() override {
        APPropertyFrame::Release();
        SettingsFixture::TearDown();
    }

    // Fixed at node 1, loaded by P at node 2, one member of two finite elements.
    void buildCantilever() {
        omStrakon& s = doc.structure;
        s.setupObjects();
        s.addMaterial(new omMaterial(kE, 0.0, 1.2e-5, 7850.0, 0.3, 1), 1);
        s.addCrossSection(new omGenericCrossSection(omUnitValue(53.8, omUK_cm2), omUnitValue(kI, omUK_cm4), 1), 1);
        s.addLoadGroup("G");
        s.addNode(new ANode2D(0.0, 0.0, "cm", 1), 1);
        s.addNode(new ANode2D(kL, 0.0, "cm", 2), 2);
        for (omDofType t : {Ux, Uz, Ry})
            s.setSupport(1, t, true);
        auto* member = new ALinearDesignElement2D(*s.getNodeMap(), 1, 2, 1, 1, 1);
        member->setNumberOfFE(2);
        s.addElement(member, 1);
        auto* load = new omLoadForce("P", s.getStructureType(), 0);
        load->setF(Uz, omUnitValue(kP, omUK_kN));
        s.addNodeLoad(2, load, "G");
        omLoadCase* lc = s.addLoadCase("Self and P", omLoadCase::lsUltimate);
        (*lc)(1) = 1.0;
        ASSERT_TRUE(solveroad::run(s));
    }

    ADesignElementResults* mark() {
        AObjectPtrContainer marks;
        EXPECT_EQ(doc.structure.GetElementResults(marks), 1);
        return marks.empty() ? nullptr : dynamic_cast<ADesignElementResults*>(marks.front());
    }

    // Picks the results mark and asks for its properties, as a result view does.
    ADesignElementResultProperty* open() {
        picked.RemoveAll();
        picked.AddTail(mark());
        EXPECT_EQ(picked.front()->GetPropertySheet(), RUNTIME_CLASS(ADesignElementResultProperty));
        APPropertyFrame* frame = APPropertyFrame::Instance();
        EXPECT_TRUE(frame->SetPropertySheet(picked.front()->GetPropertySheet(), &picked, nullptr, &doc, true));
        return dynamic_cast<ADesignElementResultProperty*>(frame->GetProperySheet());
    }

    static double number(CGridCtrl& grid, int row, int col) { return std::stod(grid.GetItemText(row, col)); }
    static void typeDigits(ADesignElementResultPage& page, const char* text) {
        page.GetDlgItem(kDigitsEdit)->SetWindowText(text);
        QApplication::processEvents();
    }

    CWinApp app{"Strakon"};
    CScriptedPromptService prompts;
    ResultDocument doc;
    AObjectPtrContainer picked;
};

} // namespace

TEST_F(AElementResultSheetTest, TheGridShowsTheCantileverForcesAndTipDeflectionInTheChosenUnits) {
    ADesignElementResultProperty* sheet = open();
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(APPropertyFrame::Instance()->GetWindowText(), "Element Properties");
    EXPECT_EQ(sheet->GetTabText(0), "Self and P");
    ADesignElementResultPage& page = sheet->GetResultPage();
    EXPECT_EQ(doc.page, &page);
    CGridCtrl& grid = page.GetGrid();
    ASSERT_EQ(grid.GetRowCount(), 7);
    const int n = grid.GetColumnCount() - 1;
    ASSERT_GE(n, 3);
    EXPECT_EQ(grid.GetFixedColumnCount(), 1);
    EXPECT_EQ(grid.GetFixedRowCount(), 0);
    const char* const labels[] = {"Position", "My [kNm]", "Fx [kN]", "Fz [kN]", "Local Uz [mm]", "Ux [mm]", "Uz [mm]"};
    for (int row = 0; row < 7; ++row)
        EXPECT_EQ(grid.GetItemText(row, 0), labels[row]);
    EXPECT_DOUBLE_EQ(number(grid, 0, 1), 0.0);
    EXPECT_DOUBLE_EQ(number(grid, 0, n), 1.0);

    // The fixed end carries PL and P; the free end deflects PL^3/3EI.
    EXPECT_NEAR(std::fabs(number(grid, 1, 1)), kP * kL / 100.0, 1e-3);
    EXPECT_NEAR(std::fabs(number(grid, 3, 1)), kP, 1e-3);
    EXPECT_NEAR(std::fabs(number(grid, 1, n)), 0.0, 1e-6);
    const double tip = kP * kL * kL * kL / (3 * kE * kI) * 10.0; // mm
    EXPECT_NEAR(number(grid, 6, n), tip, tip * 1e-4);
    EXPECT_NEAR(number(grid, 4, n), 0.0, 1e-9) << "the chord through the ends takes the tip's deflection";
    EXPECT_EQ(page.GetDlgItem(1554)->GetWindowText(), "1: ") << "number and name, the name being empty";

    APPropertyFrame::Instance()->GetWidget()->show();
    QApplication::processEvents();
    APPropertyFrame::Instance()->GetWidget()->grab().save(
        QString::fromStdString((ArtifactsFolder() / "element-result-sheet.png").string()));
}

TEST_F(AElementResultSheetTest, DigitsOutsideThreeToEightAreRefusedAndThreeReformatsEveryValue) {
    ADesignElementResultPage& page = open()->GetResultPage();
    CGridCtrl& grid = page.GetGrid();
    const int n = grid.GetColumnCount() - 1;
    const CString before = grid.GetItemText(6, n);
    for (const char* refused : {"2", "9"}) {
        prompts.Clear();
        typeDigits(page, refused);
        EXPECT_EQ(prompts.MessageBoxes().size(), 1u) << refused;
        EXPECT_EQ(grid.GetItemText(6, n), before) << refused;
        EXPECT_EQ(ADesignElementResultPage::s_nDigits, 5) << "a refused count is not shared";
    }
    typeDigits(page, "3");
    EXPECT_EQ(ADesignElementResultPage::s_nDigits, 3);
    EXPECT_EQ(page.GetNumberFormat().getDigits(), 3u);
    for (int row = 1; row < 7; ++row)
        for (int col = 1; col <= n; ++col) {
            const std::string text = grid.GetItemText(row, col);
            omNumberFormat three = page.GetNumberFormat();
            EXPECT_EQ(text, three.CConvert(std::stod(text))) << row << "," << col;
        }
    EXPECT_NE(grid.GetItemText(6, n), before);
}

TEST_F(AElementResultSheetTest, AllToClipboardPutsTabSeparatedTextOnTheClipboard) {
    ADesignElementResultPage& page = open()->GetResultPage();
    QApplication::clipboard()->clear();
    page.SendMessage(WM_COMMAND, MAKEWPARAM(1438, BN_CLICKED), 0);
    const QString text = QApplication::clipboard()->text();
    const QStringList lines = text.split(QRegularExpression("\r?\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 7);
    CGridCtrl& grid = page.GetGrid();
    EXPECT_EQ(lines[6].split('\t').size(), grid.GetColumnCount() - 1);
    EXPECT_EQ(lines[6].split('\t').last().toStdString(), grid.GetItemText(6, grid.GetColumnCount() - 1));
}

TEST_F(AElementResultSheetTest, ANewActiveCaseRenamesTheTabAndRefillsTheValues) {
    omStrakon& s = doc.structure;
    omLoadCase* doubled = s.addLoadCase("Twice", omLoadCase::lsServiceability);
    (*doubled)(1) = 2.0;
    ASSERT_TRUE(solveroad::run(s));
    ADesignElementResultProperty* sheet = open();
    ADesignElementResultPage& page = sheet->GetResultPage();
    CGridCtrl& grid = page.GetGrid();
    const double once = number(grid, 3, 1);
    page.SetLoadCase(2);
    EXPECT_EQ(sheet->GetTabText(0), "Twice");
    EXPECT_NEAR(number(grid, 3, 1), 2 * once, 1e-6);
    EXPECT_EQ(grid.GetItemText(3, 0), "Fz [kN]");
}

TEST_F(AElementResultSheetTest, EnvelopesDeletedMembersAndClearedResultsShowNoStaleNumbers) {
    ADesignElementResultProperty* sheet = open();
    ADesignElementResultPage& page = sheet->GetResultPage();
    CGridCtrl& grid = page.GetGrid();

    // An envelope is no load case.
    page.SetLoadCase(1001);
    EXPECT_EQ(grid.GetRowCount(), 0);
    EXPECT_EQ(sheet->GetTabText(0), "");
    page.SetLoadCase(1);
    EXPECT_EQ(grid.GetRowCount(), 7);
    EXPECT_EQ(grid.GetItemText(6, 0), "Uz [mm]");
    EXPECT_EQ(sheet->GetTabText(0), "Self and P");

    // An edit clears the results: the positions stay, the values go.
    doc.structure.clearResults();
    page.SetLoadCase(1);
    ASSERT_EQ(grid.GetRowCount(), 7);
    const int n = grid.GetColumnCount() - 1;
    EXPECT_EQ(grid.GetItemText(0, n), "1");
    for (int row = 1; row < 7; ++row)
        EXPECT_EQ(grid.GetItemText(row, n), "") << row;

    // The member leaves the structure while the sheet is shown.
    ADesignElement* member = mark()->GetElement();
    ASSERT_TRUE(doc.structure.deleteElement(member));
    page.SetLoadCase(1);
    EXPECT_EQ(grid.GetRowCount(), 0);
    typeDigits(page, "4");
    EXPECT_EQ(grid.GetRowCount(), 0);

    APPropertyFrame::Instance()->SendMessage(WM_CLOSE);
    EXPECT_EQ(doc.page, nullptr);
}

TEST(ADesignElementMarks, TheMarksStandWhereTheirMemberStandsAndTellWhatTheyAre) {
    CScriptedPromptService prompts;
    AStrakon s;
    s.setupObjects();
    s.addNode(new ANode2D(0.0, 0.0, "m", 1), 1);
    s.addNode(new ANode2D(4.0, 0.0, "m", 2), 2);
    auto* member = new ALinearDesignElement2D(*s.getNodeMap(), 1, 2, 0, 0, 12);
    ASSERT_NE(s.addElement(member, 12), nullptr);
    AObjectPtrContainer results, designs;
    ASSERT_EQ(s.GetElementResults(results), 1);
    ASSERT_EQ(s.GetElementDesigns(designs), 1);
    AObject& result = *results.front();
    AObject& design = *designs.front();
    EXPECT_EQ(result.GetObjectType(), 117);
    EXPECT_EQ(design.GetObjectType(), 123);
    EXPECT_EQ(result.GetTipText(omPoint()), "Results");
    EXPECT_EQ(design.GetTipText(omPoint()), "Design results of element 12");
    EXPECT_EQ(design.GetPropertySheet(), nullptr);
    EXPECT_EQ(design.GetMenuResourceId(), 276u);
    EXPECT_EQ(result.GetMenuResourceId(), 0u);
    for (AObject* mark : {&result, &design}) {
        EXPECT_EQ(mark->GetBoundingRect(true), member->GetBoundingRect(true));
        EXPECT_EQ(mark->GetDistance(omPoint(2.0, 0.5)), member->GetDistance(omPoint(2.0, 0.5)));
    }
}
