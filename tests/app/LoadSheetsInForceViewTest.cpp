// The load sheets opened from the loads view of a real portal frame: the
// loads' context menus open them, the view draws the sheet's working copy as
// the user edits it, and Apply and Undo reach the view's model.
#include "app/dialogs/AElementLoadProperty.h"
#include "app/dialogs/AMessageProperty.h"
#include "app/dialogs/ANodeLoadProperty.h"
#include "app/views/AForceView.h"

#include "ForceViewFixture.h"
#include "ViewDrawingSupport.h"

#include "app/views/AElementLoadGroup.h"
#include "app/views/AElementMap.h"
#include "app/views/ANodeLoadGroup.h"
#include "app/views/ANodeMap.h"
#include "framework/APPropertyFrame.h"
#include "model/omLoad.h"
#include "platform/ui/CDialog.h"
#include "resources/ui/StrakonLoadIds.h"
#include "resources/ui/StrakonResourceIds.h"
#include "resources/ui/StrakonResources.h"

#include <QApplication>
#include <QLineEdit>

#include <algorithm>
#include <utility>

namespace {

class LoadSheetsInForceViewTest : public ForceViewFixture {
protected:
    void SetUp() override {
        ForceViewFixture::SetUp();
        OpenPortal(2);
    }
    void TearDown() override {
        APPropertyFrame::Release();
        ForceViewFixture::TearDown();
    }
    QPoint AtNode(unsigned node) {
        const omVector v = NodeOf(node)->getVector(omUK_m, omNode::coorPlain);
        return At(v(1), v(2));
    }
    QPoint AtMember(unsigned member, double t) {
        const omPoint p = MemberOf(member)->getLine(omUK_m, omNode::coorPlain).at(t);
        return At(p.x, p.y);
    }
    static APPropertyFrame* propertyFrame() { return APPropertyFrame::Instance(); }
    // The texts the document's loads drawing writes now, as the view draws them.
    std::vector<std::string> drawnTexts() {
        CMetaFileDC rec(&viewdrawing::LometricScreen());
        AMapC2L map = viewdrawing::HundredPerMetre();
        map.SetMapModeData(viewdrawing::LometricScreen());
        doc->DrawLoads(&rec, map, map.GetTotalCU(), 0);
        return viewdrawing::Texts(rec.GetMetaFile());
    }
    static bool holds(const std::vector<std::string>& texts, const std::string& text) {
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }
    static void typeName(CWnd* page, int id, const char* name) {
        auto* line = qobject_cast<QLineEdit*>(page->GetDlgItem(id)->GetWidget());
        line->setText(QString::fromUtf8(name));
        Q_EMIT line->textEdited(line->text());
        QApplication::processEvents();
    }
    static void apply() {
        propertyFrame()->OnApplyButtonClicked();
        QApplication::processEvents();
    }

    CScriptedDialogService dialogs;
};

TEST_F(LoadSheetsInForceViewTest, PropertiesOfANodesLoadsOpenItsSheetAndTheViewDrawsTheRenamedCopy) {
    prompts.QueuePopupMenuChoice(ID_NODE_LOAD_PROPERTIES);
    Click(AtNode(2), Qt::NoModifier, Qt::RightButton);
    auto* sheet = dynamic_cast<ANodeLoadProperty*>(propertyFrame()->GetProperySheet());
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->GetNodeNumber(), 2u);
    CPropertyPage* page = sheet->GetActivePage();
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(holds(drawnTexts(), "1/1: Wind"));

    typeName(page, IDC_NL_NAME, "Gust");
    EXPECT_EQ(model().GetNodeMap()->GetLiveEditedLoadGroup(), sheet->GetCopy());
    const std::vector<std::string> texts = drawnTexts();
    EXPECT_TRUE(holds(texts, "1/1: Gust")) << "the view draws the copy";
    EXPECT_FALSE(holds(texts, "1/1: Wind"));
    Save("LoadsViewRenamedCopy.png");
    EXPECT_EQ(NodeOf(2)->getLoad()->getLoads().front()->getName(), "Wind");

    apply();
    EXPECT_EQ(NodeOf(2)->getLoad()->getLoads().front()->getName(), "Gust");
    doc->GetCommandManager().Undo();
    EXPECT_EQ(NodeOf(2)->getLoad()->getLoads().front()->getName(), "Wind");
    EXPECT_TRUE(holds(drawnTexts(), "1/1: Wind")) << "Undo shows in the view";
    EXPECT_EQ(page->GetDlgItem(IDC_NL_NAME)->GetWindowText(), "Wind");
}

TEST_F(LoadSheetsInForceViewTest, PropertiesOfAMembersLoadsOpenItsSheetAndALoadThatTheViewAddsIsKept) {
    prompts.QueuePopupMenuChoice(ID_ELEMENT_LOAD_PROPERTIES);
    Click(AtMember(2, 0.5), Qt::NoModifier, Qt::RightButton);
    auto* sheet = dynamic_cast<AElementLoadProperty*>(propertyFrame()->GetProperySheet());
    ASSERT_NE(sheet, nullptr);
    EXPECT_EQ(sheet->GetElementNumber(), 2u);
    EXPECT_EQ(model().GetElementMap()->GetLiveCurrentLoadGroup(), sheet->GetCopy());
    EXPECT_TRUE(holds(drawnTexts(), "1/1: Crane"));

    // Placing a load switches the view's mode: the frame then shows what is
    // selected (nothing), and no copy stays drawn.
    propertyFrame()->GetPushPin().SetPinned(true);
    view->SendMessage(WM_COMMAND, ID_ADD_FORCE, 0);
    dialogs.Queue([](CDialog& d) {
        for (auto [id, text] : {std::pair<int, const char*>{IDC_FORCE_FZ, "-3"}, {IDC_FORCE_NAME, "Hoist"}}) {
            auto* line = qobject_cast<QLineEdit*>(d.GetDlgItem(id)->GetWidget());
            line->selectAll();
            line->del();
            line->insert(text);
        }
        d.PressButton(IDOK);
    });
    Click(AtMember(2, 0.25));
    EXPECT_NE(dynamic_cast<AMessageProperty*>(propertyFrame()->GetProperySheet()), nullptr);
    EXPECT_EQ(model().GetElementMap()->GetLiveCurrentLoadGroup(), nullptr);
    EXPECT_EQ(doc->m_pElementLoadPage, nullptr);
    apply();
    ASSERT_EQ(MemberOf(2)->getLoad()->getLoads().size(), 3u);
    EXPECT_EQ(MemberOf(2)->getLoad()->getLoads().back()->getName(), "Hoist");

    // Opened again, the sheet lists the added load and keeps it at Apply.
    prompts.QueuePopupMenuChoice(ID_ELEMENT_LOAD_PROPERTIES);
    Click(AtMember(2, 0.5), Qt::NoModifier, Qt::RightButton);
    auto* again = dynamic_cast<AElementLoadProperty*>(propertyFrame()->GetProperySheet());
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->GetCopy()->GetLoadCount(), 2);
    apply();
    EXPECT_EQ(MemberOf(2)->getLoad()->getLoads().back()->getName(), "Hoist");
}

} // namespace
