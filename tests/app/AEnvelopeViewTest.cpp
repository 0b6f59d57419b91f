// The envelope form on a real portal frame with load cases of every limit
// state: adding, naming and deleting envelopes, the filters and the choice of
// load cases, each change one command that Undo takes back, and a picture.
#include "app/views/AEnvelopeView.h"

#include "StructureFileSupport.h"
#include "StructureViewFixture.h"

#include "model/omEnvelope.h"
#include "model/omLoadCase.h"
#include "model/omLoadManager.h"
#include "platform/ui/CDialogControls.h"
#include "resources/ui/StrakonLoadIds.h"
#include "resources/ui/StrakonResources.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>

namespace {

using Names = std::vector<std::string>;

class AEnvelopeViewTest : public StructureViewTest<AEnvelopeView> {
protected:
    void SetUp() override {
        StructureViewTest::SetUp();
        RegisterStrakonResources();
        // Cases 1 ultimate, 2 serviceability, 3 creep, 4 accidental, 5 P&T, 6 seismic;
        // envelope 1 "Ultimate" of the ultimate cases, chosen automatically.
        structurefile::buildPortal(model(), false);
        model().bind();
        for (int k = 1; k <= manager().caseSize(); ++k)
            manager().updateEnvelopes(static_cast<unsigned>(k), manager().getCase(k));
    }
    void Open() {
        ASSERT_NE(OpenView(), nullptr);
        view->OnActivateView(TRUE, view, view);
    }
    omLoadManager& manager() { return *model().getLoadManager(); }
    omEnvelope& envelope(unsigned n) { return *manager().getEnvelope(n); }
    int Commands() { return doc->GetCommandManager().GetCommandCount(); }
    void Undo() { doc->GetCommandManager().Undo(); }
    CWnd* Item(UINT id) { return view->GetDlgItem(static_cast<int>(id)); }
    CListBox& List(UINT id) { return *dynamic_cast<CListBox*>(Item(id)); }
    void Press(UINT id) { static_cast<CButton*>(Item(id))->Click(); }
    bool IsEnabled(UINT id) { return Item(id)->IsWindowEnabled(); }
    Names Texts(UINT id) {
        Names names;
        CListBox& list = List(id);
        for (int i = 0; i < list.GetCount(); ++i) {
            CString text;
            list.GetText(i, text);
            names.push_back(text);
        }
        return names;
    }
    QLineEdit* NameEdit() { return qobject_cast<QLineEdit*>(Item(IDC_ENV_NAME)->GetWidget()); }
    void LeaveName() {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(NameEdit(), &out);
    }
    static constexpr UINT kEditing[] = {IDC_ENV_DELETE,    IDC_ENV_NAME,         IDC_ENV_MY,
                                        IDC_ENV_PRESSURE,  IDC_ENV_ULTIMATE,     IDC_ENV_CREEPING,
                                        IDC_ENV_AUTOMATIC, IDC_ENV_MANUAL,       IDC_ENV_SELECTED,
                                        IDC_ENV_REMOVE,    IDC_ENV_NOT_SELECTED, IDC_ENV_ADD_CASES};
};

TEST_F(AEnvelopeViewTest, WithoutEnvelopesNothingCanBeEdited) {
    manager().deleteEnvelope(1);
    Open();
    EXPECT_EQ(List(IDC_ENV_LIST).GetCount(), 0);
    for (UINT id : kEditing)
        EXPECT_FALSE(IsEnabled(id)) << id;
    EXPECT_TRUE(IsEnabled(IDC_ENV_ADD));
    EXPECT_EQ(List(IDC_ENV_SELECTED).GetCount(), 0);
    EXPECT_EQ(view->m_quantity, -1);
}

TEST_F(AEnvelopeViewTest, AddNewSelectsUnknownAndDeletingTheLastLeavesNoSelection) {
    Open();
    EXPECT_EQ(Texts(IDC_ENV_LIST), Names({"Ultimate"}));
    EXPECT_EQ(view->GetShownEnvelope(), 0) << "none is shown at first";
    Press(IDC_ENV_ADD);
    EXPECT_EQ(manager().envelopeSize(), 2);
    EXPECT_EQ(Texts(IDC_ENV_LIST), Names({"Ultimate", "Unknown"}));
    EXPECT_EQ(view->GetShownEnvelope(), 2);
    EXPECT_EQ(NameEdit()->text(), "Unknown");
    for (UINT id : kEditing)
        EXPECT_TRUE(IsEnabled(id) || id == IDC_ENV_SELECTED || id == IDC_ENV_NOT_SELECTED ||
                    id == IDC_ENV_REMOVE || id == IDC_ENV_ADD_CASES)
            << id;

    Press(IDC_ENV_DELETE);
    Press(IDC_ENV_DELETE);
    EXPECT_EQ(manager().envelopeSize(), 1);
    EXPECT_EQ(List(IDC_ENV_LIST).GetCurSel(), -1);
    for (UINT id : kEditing)
        EXPECT_FALSE(IsEnabled(id)) << id;
    EXPECT_EQ(Commands(), 2) << "Delete with no envelope shown submits nothing";

    view->SelectEnvelope(1);
    Press(IDC_ENV_DELETE);
    EXPECT_EQ(manager().envelopeSize(), 0);
    EXPECT_EQ(List(IDC_ENV_LIST).GetCount(), 0);
    EXPECT_EQ(List(IDC_ENV_LIST).GetCurSel(), -1);
    EXPECT_FALSE(IsEnabled(IDC_ENV_NAME));

    Undo();
    EXPECT_EQ(Texts(IDC_ENV_LIST), Names({"Ultimate"}));
    EXPECT_EQ(view->GetShownEnvelope(), 1);
    EXPECT_EQ(envelope(1).getQuantity(), omEnvelope::qFz);
}

TEST_F(AEnvelopeViewTest, ANewEnvelopeListsItsAutomaticCasesAsSelectedFromTheFirstFill) {
    Open();
    view->SelectEnvelope(1);
    const Names ultimate = Texts(IDC_ENV_SELECTED);
    ASSERT_FALSE(ultimate.empty());
    Press(IDC_ENV_ADD);
    ASSERT_EQ(view->GetShownEnvelope(), 2);
    // The default envelope filters the ultimate cases and takes them all: none waits
    // under "Not selected", and the envelope itself holds them.
    EXPECT_EQ(Texts(IDC_ENV_SELECTED), ultimate);
    EXPECT_TRUE(Texts(IDC_ENV_NOT_SELECTED).empty());
    EXPECT_EQ(envelope(2).getLoadCases(), envelope(1).getLoadCases());
    EXPECT_EQ(Commands(), 1);
}

TEST_F(AEnvelopeViewTest, TypingRenamesTheEntryAndLeavingTheNameRenamesTheEnvelope) {
    Open();
    view->SelectEnvelope(1);
    NameEdit()->selectAll();
    NameEdit()->del();
    QTest::keyClicks(NameEdit(), "Max Fz");
    EXPECT_EQ(Texts(IDC_ENV_LIST), Names({"Max Fz"}));
    EXPECT_EQ(List(IDC_ENV_LIST).GetCurSel(), 0);
    EXPECT_EQ(envelope(1).name(), "Ultimate");
    EXPECT_EQ(Commands(), 0);
    LeaveName();
    EXPECT_EQ(Commands(), 1);
    EXPECT_EQ(envelope(1).name(), "Max Fz");
    LeaveName();
    EXPECT_EQ(Commands(), 1) << "an unchanged name submits nothing";
    Undo();
    EXPECT_EQ(envelope(1).name(), "Ultimate");
    EXPECT_EQ(Texts(IDC_ENV_LIST), Names({"Ultimate"}));
    EXPECT_EQ(NameEdit()->text(), "Ultimate");
}

TEST_F(AEnvelopeViewTest, TheFiltersFillTheListsAndCreepCasesAreNeverListed) {
    Open();
    view->SelectEnvelope(1);
    EXPECT_EQ(view->m_quantity, omEnvelope::qFz);
    EXPECT_EQ(view->m_selection, 0);
    EXPECT_EQ(Texts(IDC_ENV_SELECTED), Names({"Case 1", "Case 4", "Case 5", "Case 6"}));
    EXPECT_TRUE(Texts(IDC_ENV_NOT_SELECTED).empty());
    // Automatic choice: the lists and their buttons are off.
    for (UINT id : {IDC_ENV_SELECTED, IDC_ENV_NOT_SELECTED, IDC_ENV_REMOVE, IDC_ENV_ADD_CASES})
        EXPECT_FALSE(IsEnabled(id)) << id;

    Press(IDC_ENV_SERVICEABILITY);
    Press(IDC_ENV_CREEPING);
    EXPECT_EQ(Commands(), 2);
    bool serviceability = false, ultimate = false, creep = false;
    envelope(1).getFilter(serviceability, ultimate, creep);
    EXPECT_TRUE(serviceability && ultimate && creep);
    EXPECT_EQ(Texts(IDC_ENV_SELECTED), Names({"Case 1", "Case 2", "Case 4", "Case 5", "Case 6"}));
    EXPECT_EQ(envelope(1).getLoadCases().size(), 6u) << "the envelope itself takes the creep case";
    Undo();
    Undo();
    EXPECT_EQ(Texts(IDC_ENV_SELECTED), Names({"Case 1", "Case 4", "Case 5", "Case 6"}));

    Press(IDC_ENV_UX);
    EXPECT_EQ(envelope(1).getQuantity(), omEnvelope::qUx);
    Undo();
    EXPECT_EQ(envelope(1).getQuantity(), omEnvelope::qFz);
    EXPECT_EQ(view->m_quantity, omEnvelope::qFz);
}

TEST_F(AEnvelopeViewTest, ByHandTheArrowsMoveTheSelectedCasesOnly) {
    Open();
    view->SelectEnvelope(1);
    Press(IDC_ENV_MANUAL);
    ASSERT_FALSE(envelope(1).useAllCases());
    for (UINT id : {IDC_ENV_SELECTED, IDC_ENV_NOT_SELECTED, IDC_ENV_REMOVE, IDC_ENV_ADD_CASES})
        EXPECT_TRUE(IsEnabled(id)) << id;
    const int commands = Commands();
    Press(IDC_ENV_REMOVE);
    Press(IDC_ENV_ADD_CASES);
    EXPECT_EQ(Commands(), commands) << "nothing selected, nothing submitted";

    // Case 4 leaves; the cases after it keep their numbers.
    List(IDC_ENV_SELECTED).SetSel(1);
    Press(IDC_ENV_REMOVE);
    EXPECT_EQ(envelope(1).getLoadCases(), std::vector<unsigned>({1, 5, 6}));
    EXPECT_EQ(Texts(IDC_ENV_NOT_SELECTED), Names({"Case 4"}));
    EXPECT_EQ(manager().caseSize(), 6);
    List(IDC_ENV_NOT_SELECTED).SetSel(0);
    Press(IDC_ENV_ADD_CASES);
    EXPECT_EQ(envelope(1).getLoadCases(), std::vector<unsigned>({1, 5, 6, 4}));
    EXPECT_TRUE(Texts(IDC_ENV_NOT_SELECTED).empty());
    Save("EnvelopeView.png");

    Undo();
    Undo();
    Undo();
    EXPECT_TRUE(envelope(1).useAllCases());
    EXPECT_FALSE(IsEnabled(IDC_ENV_SELECTED));
}

} // namespace
