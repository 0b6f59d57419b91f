// The structure document's own commands on a real frame: extents and output
// settings that are kept in the file mark the document changed only when OK
// changed something, the node symbol and number switches, and the design of
// every member.
#include "CommandRecordFixture.h"
#include "OutputSheetSupport.h"

#include "app/dialogs/AContentsSetupSheet.h"
#include "app/views/ADrawAttributes.h"
#include "common/omErrorContainer.h"
#include "model/omDesignElement.h"
#include "model/omElementMap.h"
#include "model/omGenericDesignData.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CPropertySheet.h"
#include "resources/ui/StrakonDialogs.h"

#include <QLineEdit>
#include <QTest>

#include <functional>
#include <sstream>

namespace {

// The command ids of the structure's menus and toolbars.
constexpr UINT ID_STRUCTURE_EXTENT = 32815;
constexpr UINT ID_NODE_LARGER = 32907;
constexpr UINT ID_NODE_SMALLER = 32908;
constexpr UINT ID_SHOW_NODE_INDEX = 32885;
constexpr UINT ID_SHOW_ELEMENT_INDEX = 32886;
constexpr UINT ID_OUTPUT_SETTINGS = 32914;

class CheckRecorder : public CCmdUI {
public:
    void SetCheck(int nCheck = 1) override { check = nCheck; }
    int check = -1;
};

struct Extents {
    double left, right, top, bottom;
};

Extents extentsOf(AStrakonDocument& doc) {
    AExtents2D& e = doc.GetExtents();
    return {e.left.Get(omUK_m), e.right.Get(omUK_m), e.top.Get(omUK_m), e.bottom.Get(omUK_m)};
}

void expectExtents(AStrakonDocument& doc, const Extents& want) {
    const Extents got = extentsOf(doc);
    EXPECT_DOUBLE_EQ(got.left, want.left);
    EXPECT_DOUBLE_EQ(got.right, want.right);
    EXPECT_DOUBLE_EQ(got.top, want.top);
    EXPECT_DOUBLE_EQ(got.bottom, want.bottom);
}

class AStrakonDocumentCommandsTest : public CommandRecordFixture {
protected:
    void SetUp() override {
        CommandRecordFixture::SetUp();
        RegisterStrakonDialogs();
        AOptionsAttributes::Instance()->gridUnitMajor = omUK_m;
        // Round extents around the frame (x 0 to 12 m, z -4 to 0 m), saved.
        ASSERT_TRUE(apply(*doc, {-1, 13, -5, 1}));
        doc->SetModifiedFlag(FALSE);
        clearLogs();
        prompts.Clear();
    }
    static bool apply(AStrakonDocument& d, const Extents& e) {
        return d.ApplyExtents(omUnitValue(e.left, omUK_m), omUnitValue(e.right, omUK_m),
                              omUnitValue(e.top, omUK_m), omUnitValue(e.bottom, omUK_m));
    }
    static void type(CDialog& d, int id, const char* text) {
        auto* line = qobject_cast<QLineEdit*>(d.GetDlgItem(id)->GetWidget());
        ASSERT_NE(line, nullptr);
        line->selectAll();
        line->del();
        QTest::keyClicks(line, QString::fromUtf8(text));
    }
    bool command(UINT id) { return doc->OnCmdMsg(id, CN_COMMAND, nullptr, nullptr) != FALSE; }
    int check(UINT id) {
        CheckRecorder ui;
        ui.m_nID = id;
        doc->OnCmdMsg(id, CN_UPDATE_COMMAND_UI, &ui, nullptr);
        return ui.check;
    }

    CScriptedDialogService dialogs;
};

TEST_F(AStrakonDocumentCommandsTest, EnteredExtentsKeepTheStructureInsideAndMarkTheDocumentOnlyWhenChanged) {
    const std::vector<std::uint8_t> model = record();
    const struct {
        const char* name;
        Extents entered;
        Extents result;
        bool modified;
        const char* caption; // the message shown, if any
    } cases[] = {
        {"the same again", {-1, 13, -5, 1}, {-1, 13, -5, 1}, false, nullptr},
        {"wider", {-2, 14, -6, 2}, {-2, 14, -6, 2}, true, nullptr},
        {"inside the structure", {2, 10, -3, -1}, {0, 12, -4, 0}, true, nullptr},
        {"top below the bottom", {-1, 13, 1, -5}, {-1, 13, -5, 1}, false, "Warning"},
        {"left beyond right", {11, 1, -5, 1}, {0, 12, -5, 1}, true, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        apply(*doc, {-1, 13, -5, 1});
        doc->SetModifiedFlag(FALSE);
        clearLogs();
        prompts.Clear();
        EXPECT_EQ(apply(*doc, c.entered), c.modified);
        expectExtents(*doc, c.result);
        EXPECT_EQ(doc->IsModified() != FALSE, c.modified);
        EXPECT_EQ(view.hints, std::vector<int>{3});
        ASSERT_EQ(prompts.MessageBoxes().size(), c.caption ? 1u : 0u);
        if (c.caption) {
            EXPECT_EQ(prompts.MessageBoxes()[0].caption, c.caption);
        }
    }
    EXPECT_EQ(doc->GetCommandManager().GetCommandCount(), 0) << "extents are no edit of the model";
    EXPECT_EQ(record().size(), model.size());

    // Without nodes nothing widens invalid extents: the error, the old ones kept, no update.
    AStrakonDocument empty;
    apply(empty, {0, 10, -5, 0});
    empty.SetModifiedFlag(FALSE);
    for (const Extents& invalid : {Extents{5, 5, -5, 0}, Extents{0, 10, -2, -2}, Extents{8, 2, -5, 0}}) {
        prompts.Clear();
        EXPECT_FALSE(apply(empty, invalid));
        ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
        EXPECT_EQ(prompts.MessageBoxes()[0].text,
                  "The specified extents are invalid. Previous settings will be kept.");
        EXPECT_EQ(prompts.MessageBoxes()[0].caption, "Error");
        expectExtents(empty, {0, 10, -5, 0});
        EXPECT_FALSE(empty.IsModified());
    }
}

TEST_F(AStrakonDocumentCommandsTest, TheExtentsCommandRunsTheDialogAndCancelOnlyRedraws) {
    const struct {
        const char* name;
        std::function<void(CDialog&)> script;
        Extents result;
        bool modified;
    } cases[] = {
        {"cancelled after typing",
         [](CDialog& d) {
             type(d, 1044, "-7");
             d.PressButton(IDCANCEL);
         },
         {-1, 13, -5, 1},
         false},
        {"OK untouched", [](CDialog& d) { d.PressButton(IDOK); }, {-1, 13, -5, 1}, false},
        {"OK with a wider left",
         [](CDialog& d) {
             type(d, 1044, "-7");
             d.PressButton(IDOK);
         },
         {-7, 13, -5, 1},
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        apply(*doc, {-1, 13, -5, 1});
        doc->SetModifiedFlag(FALSE);
        clearLogs();
        dialogs.Queue(c.script);
        EXPECT_TRUE(command(ID_STRUCTURE_EXTENT));
        expectExtents(*doc, c.result);
        EXPECT_EQ(doc->IsModified() != FALSE, c.modified);
        EXPECT_EQ(view.hints, std::vector<int>{3});
    }
}

TEST_F(AStrakonDocumentCommandsTest, OutputSettingsMarkTheDocumentWhenOkChangedWhatTheFileKeeps) {
    using namespace sheetinput;
    // The tabs: geometry and load 1, description 3, front page 4, head and foot 5.
    const struct {
        const char* name;
        std::function<void(CPropertySheet&)> edit;
        UINT button;
        bool modified;
    } cases[] = {
        {"OK untouched", [](CPropertySheet&) {}, PSBTN_OK, false},
        {"a new title, cancelled", [](CPropertySheet& s) { sheetinput::type(showPage(s, 4), 1044, "Hall"); },
         PSBTN_CANCEL, false},
        {"a new title", [](CPropertySheet& s) { sheetinput::type(showPage(s, 4), 1044, "Hall"); }, PSBTN_OK,
         true},
        {"an action left out of the report",
         [](CPropertySheet& s) {
             CPropertyPage& page = showPage(s, 1);
             selectItems(page, 1574, {"Dead load"});
             click(page, 1570);
         },
         PSBTN_OK, true},
        {"the report's description",
         [](CPropertySheet& s) { sheetinput::type(showPage(s, 3), 1595, "A shed"); }, PSBTN_OK, true},
        {"only the program's head text",
         [](CPropertySheet& s) { sheetinput::type(showPage(s, 5), 1047, "Orvex"); }, PSBTN_OK, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        doc->GetDocAttributes().title = "Frame";
        doc->GetOutputAttributes() = AOutputStructureAttributes();
        doc->SetModifiedFlag(FALSE);
        CString caption;
        dialogs.Queue([&](CPropertySheet& sheet) {
            caption = sheet.GetWindowText();
            auto& contents = dynamic_cast<AContentsSetupSheet&>(sheet);
            EXPECT_EQ(contents.m_pLoadManager, model().getLoadManager());
            c.edit(sheet);
            sheet.PressButton(c.button);
        });
        EXPECT_TRUE(command(ID_OUTPUT_SETTINGS));
        EXPECT_EQ(caption, "Setup Output Content ...");
        EXPECT_EQ(doc->IsModified() != FALSE, c.modified);
        const bool ok = c.button == PSBTN_OK;
        EXPECT_EQ(doc->GetDocAttributes().title,
                  ok && c.modified && std::string(c.name) == "a new title" ? "Hall" : "Frame");
    }
    EXPECT_EQ(doc->GetOutputAttributes().m_strDescription, "");
    // The program's report settings were saved: the next start reads them.
    restart();
    EXPECT_EQ(AOutputAttributes::Instance()->m_strHeadLeft, "Orvex");
}

TEST_F(AStrakonDocumentCommandsTest, NodeSymbolsAndNumbersFollowTheirCommandsInEveryView) {
    ADrawAttributes* attributes = ADrawAttributes::Instance();
    const double size = attributes->m_nodeSize;
    EXPECT_TRUE(command(ID_NODE_SMALLER));
    EXPECT_DOUBLE_EQ(attributes->m_nodeSize, size * 5.0 / 6.0);
    EXPECT_TRUE(command(ID_NODE_LARGER));
    EXPECT_DOUBLE_EQ(attributes->m_nodeSize, size);
    const struct {
        UINT id;
        bool ADrawAttributes::*flag;
    } switches[] = {{ID_SHOW_ELEMENT_INDEX, &ADrawAttributes::m_showElementIndex},
                    {ID_SHOW_NODE_INDEX, &ADrawAttributes::m_showNodeIndex}};
    for (const auto& s : switches) {
        const bool before = attributes->*s.flag;
        EXPECT_EQ(check(s.id), before ? 1 : 0);
        EXPECT_TRUE(command(s.id));
        EXPECT_EQ(attributes->*s.flag, !before);
        EXPECT_EQ(check(s.id), before ? 0 : 1);
    }
    EXPECT_EQ(view.hints, (std::vector<int>{0, 0, 0, 0}));
    EXPECT_FALSE(doc->IsModified()) << "the switches belong to the program, not to the structure";
}

TEST_F(AStrakonDocumentCommandsTest, DesignAllDesignsEveryMemberWithDataAndGivesTheBarBack) {
    // No member holds the far end's rotation: joined rigidly, the frame can be solved.
    for (auto end : {omDesignElement::first, omDesignElement::second})
        model().getElementMap()->find(4)->release(end, Ry, false);
    const bool solved = doc->Solve();
    std::ostringstream why;
    omErrorContainer::instance()->process(why);
    ASSERT_TRUE(solved) << why.str();
    omElementMap* members = model().getElementMap();
    members->find(4)->setDesignData(nullptr);
    // Stale ratios, which every design run replaces.
    for (unsigned number : {1u, 2u, 3u})
        members->find(number)->getDesignData()->setUltFactor(7.0);
    clearLogs();
    prompts.Clear();
    doc->DesignAll();
    EXPECT_EQ(app.m_pActiveProgressBar, nullptr);
    EXPECT_EQ(view.hints, std::vector<int>{0});
    EXPECT_EQ(prompts.Sleeps().size(), members->size()) << "one step per member";
    for (unsigned number : {1u, 2u, 3u}) {
        const omGenericDesignData* data = members->find(number)->getDesignData();
        ASSERT_NE(data, nullptr);
        EXPECT_NE(data->getUltFactor(), 7.0) << "member " << number;
    }
    EXPECT_GT(members->find(2)->getDesignData()->getUltFactor(), 0.0) << "the steel beam is designed";
    EXPECT_EQ(members->find(4)->getDesignData(), nullptr);
    // A member that is not there is no design to run.
    doc->DesignElement(99);
    EXPECT_EQ(app.m_pActiveProgressBar, nullptr);
}

TEST_F(AStrakonDocumentCommandsTest, ADesignRunThatThrowsStillGivesTheBarBack) {
    struct Interrupted {};
    // The pause after the first step fails.
    class FailingPause : public CScriptedPromptService {
    public:
        void Sleep(DWORD) override { throw Interrupted{}; }
    } failing;
    EXPECT_THROW(doc->DesignAll(), Interrupted);
    EXPECT_EQ(app.m_pActiveProgressBar, nullptr);
}

TEST_F(AStrakonDocumentCommandsTest, OptionsTellTheViewsOnlyAfterOk) {
    constexpr UINT ID_OPTIONS = 32920;
    for (const UINT button : {PSBTN_CANCEL, PSBTN_OK}) {
        clearLogs();
        dialogs.Queue([button](CPropertySheet& sheet) { sheet.PressButton(button); });
        EXPECT_TRUE(command(ID_OPTIONS));
        EXPECT_EQ(view.hints, button == PSBTN_OK ? (std::vector<int>{11, 0}) : std::vector<int>{});
    }
    EXPECT_FALSE(doc->IsModified()) << "the options belong to the program";
}

} // namespace
