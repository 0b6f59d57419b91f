// The editable table worked by keystrokes, in a dialog of its own under the
// offscreen platform, and the self-drawn icon button.
#include "app/dialogs/AEditListCtrl.h"
#include "app/dialogs/CButtonST.h"
#include "model/omStringMatrix.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CDialogTemplate.h"
#include "platform/ui/CResources.h"
#include "tests/app/EditorFixture.h"

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>
#include <QTreeWidget>

namespace {

constexpr UINT IDD_TABLE = 9700;
constexpr int IDC_TABLE = 1100;
constexpr int IDC_ICON_BUTTON = 1101;

void registerTable() {
    CDialogTemplate t;
    t.caption = "Bars";
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    t.cx = 260;
    t.cy = 150;
    t.items = {
        DlgControl("", IDC_TABLE, WC_LISTVIEW, LVS_REPORT | LVS_EDITLABELS | WS_BORDER | WS_TABSTOP, 7, 7, 246, 100),
        DlgPushButton("Bars", IDC_ICON_BUTTON, 7, 115, 60, 24),
        DlgDefPushButton("OK", IDOK, 140, 129, 50, 14),
        DlgPushButton("Cancel", IDCANCEL, 203, 129, 50, 14),
    };
    CResources::Instance().AddDialog(IDD_TABLE, t);
}

class ATableDlg : public CDialog {
public:
    ATableDlg() : CDialog(IDD_TABLE) {}
    AEditListCtrl m_table;
    CButtonST m_button;
    int m_nClicks = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override {
        CDialog::DoDataExchange(pDX);
        DDX_Control(pDX, IDC_TABLE, m_table);
        DDX_Control(pDX, IDC_ICON_BUTTON, m_button);
    }
    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        m_table.InsertColumn(0, "Count", LVCFMT_LEFT, 60);
        m_table.InsertColumn(1, "Diameter", LVCFMT_RIGHT, 80);
        m_table.InsertColumn(2, "Hidden", LVCFMT_LEFT, 3);
        m_table.SetColumnCheck(0, AEditListColumnCheck::integer, 1, 100);
        m_table.SetColumnCheck(1, AEditListColumnCheck::real, 0, 1);
        return TRUE;
    }
    void OnClicked() { ++m_nClicks; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ATableDlg, CDialog)
ON_BN_CLICKED(IDC_ICON_BUTTON, &ATableDlg::OnClicked)
END_MESSAGE_MAP()

class EditList : public EditorFixture {
protected:
    void SetUp() override {
        EditorFixture::SetUp();
        registerTable();
    }
    void run(const std::function<void(ATableDlg&)>& script) {
        ATableDlg dlg;
        dialogs.Queue([&](CDialog&) { script(dlg); });
        dlg.DoModal();
    }
    static void fill(AEditListCtrl& table, int rows) {
        omStringMatrix m;
        m.Resize(rows, 2);
        for (int r = 0; r < rows; ++r) {
            m(r, 0) = std::to_string(r + 1);
            m(r, 1) = "0.5";
        }
        table.SetStringMatrix(m);
    }
    static QLineEdit* editorOf(AEditListCtrl& table) {
        return table.GetEditor() ? qobject_cast<QLineEdit*>(table.GetEditor()->GetWidget()) : nullptr;
    }
    static void settle() { QApplication::processEvents(); }
};

TEST_F(EditList, ColumnChecksReadWholeTextsOnly) {
    const AEditListColumnCheck real{AEditListColumnCheck::real, 0.0, 1.0};
    const AEditListColumnCheck integer{AEditListColumnCheck::integer, 1.0, 100.0};
    const AEditListColumnCheck open{AEditListColumnCheck::real, 2.0, 2.0};
    struct Case {
        const AEditListColumnCheck* check;
        const char* text;
        const char* message;
    };
    for (const Case& c : {Case{&real, "0.5", ""},
                          Case{&real, "1", ""},
                          Case{&real, "abc", "Please enter a number."},
                          Case{&real, "1,5", "Please enter a number."},
                          Case{&real, "nan", "Please enter a number."},
                          Case{&real, "1.5", "Invalid number! The given number 1.50 lies outside [0.00,1.00] interval!"},
                          Case{&integer, "7", ""},
                          Case{&integer, "7.5", "Please enter an integer."},
                          Case{&integer, "0", "Invalid integer! The given integer 0 lies outside [1,100] interval!"},
                          Case{&integer, "99999999999",
                               "Invalid integer! The given integer 2147483647 lies outside [1,100] interval!"},
                          Case{&open, "anything", ""}})
        EXPECT_EQ(c.check->Validate(c.text), c.message) << c.text;
}

TEST_F(EditList, TypingKeepsWhatCanStillBecomeANumber) {
    struct Case {
        const char* keys;
        const char* shown;
        std::size_t beeps;
    };
    for (const Case& c : {Case{".5", ".5", 0}, Case{"-2", "-2", 0}, Case{"1e-3", "1e-3", 0}, Case{"1x", "1", 0},
                          Case{"1e-3e", "1e-3", 1}, Case{"e", "", 1}, Case{"1..", "1.", 1}}) {
        prompts.Clear();
        run([&](ATableDlg& dlg) {
            fill(dlg.m_table, 2);
            ASSERT_NE(dlg.m_table.EditCell(0, 1), nullptr);
            QLineEdit* edit = editorOf(dlg.m_table);
            ASSERT_NE(edit, nullptr);
            edit->clear();
            QTest::keyClicks(edit, c.keys);
            EXPECT_EQ(edit->text().toStdString(), c.shown) << c.keys;
            EXPECT_EQ(prompts.Beeps().size(), c.beeps) << c.keys;
            // Typing alone never changes the cell.
            EXPECT_EQ(dlg.m_table.GetItemText(0, 1), "0.5");
        });
    }
}

TEST_F(EditList, TabCommitsCheckedTextsEscapeRestoresAndMovesStayInsideTheTable) {
    run([&](ATableDlg& dlg) {
        AEditListCtrl& table = dlg.m_table;
        fill(table, 3);
        // A pasted text that is no number is refused at Tab with a beep.
        table.EditCell(0, 1);
        editorOf(table)->setText("abc");
        QTest::keyClick(editorOf(table), Qt::Key_Tab);
        EXPECT_EQ(prompts.Beeps().size(), 1u);
        EXPECT_EQ(table.GetEditor()->GetColumn(), 1);
        editorOf(table)->setText("1.5");
        QTest::keyClick(editorOf(table), Qt::Key_Tab);
        EXPECT_EQ(prompts.Beeps().size(), 2u);
        EXPECT_EQ(table.GetItemText(0, 1), "0.5");
        // A valid text is taken; Tab goes on to the next column (the narrow one is skipped as nothing opens there).
        editorOf(table)->setText("0.25");
        QTest::keyClick(editorOf(table), Qt::Key_Tab);
        settle();
        EXPECT_EQ(table.GetItemText(0, 1), "0.25");
        EXPECT_EQ(table.GetEditor(), nullptr); // column 2 is 3 pixels wide
        // Tab after the last column wraps to the next row.
        table.EditCell(0, 1);
        table.SetColumnCheck(2, AEditListColumnCheck::none, 0, 0);
        // Escape leaves the old text.
        table.EditCell(1, 0);
        editorOf(table)->setText("42");
        QTest::keyClick(editorOf(table), Qt::Key_Escape);
        settle();
        EXPECT_EQ(table.GetItemText(1, 0), "2");
        EXPECT_EQ(table.GetEditor(), nullptr);
        // Shift+Tab from the first cell and Down on the last row open nothing.
        table.EditCell(0, 0);
        QTest::keyClick(editorOf(table), Qt::Key_Backtab, Qt::ShiftModifier);
        settle();
        EXPECT_EQ(table.GetEditor(), nullptr);
        table.EditCell(2, 0);
        QTest::keyClick(editorOf(table), Qt::Key_Down);
        ASSERT_NE(table.GetEditor(), nullptr);
        EXPECT_EQ(table.GetEditor()->GetItem(), 2);
        // Enter commits and goes to the first column of the next row.
        table.EditCell(1, 1);
        editorOf(table)->setText("1");
        QTest::keyClick(editorOf(table), Qt::Key_Return);
        settle();
        EXPECT_EQ(table.GetItemText(1, 1), "1");
        ASSERT_NE(table.GetEditor(), nullptr);
        EXPECT_EQ(table.GetEditor()->GetItem(), 2);
        EXPECT_EQ(table.GetEditor()->GetColumn(), 0);
        // Nothing outside the table.
        EXPECT_EQ(table.EditCell(3, 0), nullptr);
        EXPECT_EQ(table.EditCell(-1, 0), nullptr);
        EXPECT_EQ(table.EditCell(0, 3), nullptr);
        EXPECT_EQ(table.EditCell(0, 2), nullptr);
        table.EndEdit();
        settle();
    });
}

TEST_F(EditList, TabAfterTheLastColumnWrapsToTheNextRow) {
    run([&](ATableDlg& dlg) {
        AEditListCtrl& table = dlg.m_table;
        table.DeleteColumn(2);
        fill(table, 2);
        table.EditCell(0, 1);
        QTest::keyClick(editorOf(table), Qt::Key_Tab);
        settle();
        ASSERT_NE(table.GetEditor(), nullptr);
        EXPECT_EQ(table.GetEditor()->GetItem(), 1);
        EXPECT_EQ(table.GetEditor()->GetColumn(), 0);
        table.EndEdit();
        settle();
    });
}

TEST_F(EditList, TheStringMatrixSurvivesARoundTripAndAnEmptyListSaysSo) {
    run([&](ATableDlg& dlg) {
        snapshot(dlg, "edit-list-empty.png");
        omStringMatrix in;
        in.Resize(3, 3);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                in(r, c) = std::to_string(r * 10 + c);
        dlg.m_table.SetStringMatrix(in);
        omStringMatrix out;
        dlg.m_table.GetStringMatrix(out);
        ASSERT_EQ(out.GetRows(), 3);
        ASSERT_EQ(out.GetCols(), 3);
        for (int r = 0; r < 3; ++r)
            for (int c = 0; c < 3; ++c)
                EXPECT_EQ(out(r, c), in(r, c));
        dlg.m_table.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
        snapshot(dlg, "edit-list-rows.png");
    });
}

TEST_F(EditList, TheIconButtonDrawsItsStatesAndEachPressOfADoubleClickClicks) {
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(QColor(200, 30, 30));
    run([&](ATableDlg& dlg) {
        CButtonST& button = dlg.m_button;
        button.SetIcon(QIcon(QPixmap::fromImage(icon)), QIcon());
        EXPECT_EQ(button.GetIconWidth(), 16);
        QWidget* widget = button.GetWidget();
        auto save = [&](const char* name) {
            widget->grab().toImage().save(QString::fromStdString((ArtifactsFolder() / name).string()));
        };
        save("button-normal.png");
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(widget, &enter);
        EXPECT_TRUE(button.IsMouseOver());
        save("button-hover.png");
        QTest::mousePress(widget, Qt::LeftButton);
        save("button-pressed.png");
        QTest::mouseRelease(widget, Qt::LeftButton);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(widget, &leave);
        EXPECT_FALSE(button.IsMouseOver());
        const int before = dlg.m_nClicks;
        // A widget's double click arrives as press, release, double click, release.
        QTest::mouseClick(widget, Qt::LeftButton);
        QTest::mouseDClick(widget, Qt::LeftButton);
        QTest::mouseRelease(widget, Qt::LeftButton);
        EXPECT_EQ(dlg.m_nClicks - before, 2);
        button.EnableWindow(FALSE);
        save("button-disabled.png");
        button.EnableWindow(TRUE);
        button.SetShowText(FALSE);
        save("button-icon-only.png");
        button.SetShowText(TRUE);
        button.DrawTransparent(TRUE);
        QPalette palette = dlg.GetWidget()->palette();
        palette.setColor(QPalette::Window, QColor(40, 120, 200));
        dlg.GetWidget()->setPalette(palette);
        dlg.GetWidget()->setAutoFillBackground(true);
        QImage whole = dlg.GetWidget()->grab().toImage();
        const QRect at = widget->geometry();
        whole.copy(at.adjusted(-4, -4, 4, 4)).save(QString::fromStdString((ArtifactsFolder() / "button-transparent.png").string()));
        // The parent's colour shows through the transparent button's face.
        const QColor face = whole.pixelColor(at.left() + at.width() - 4, at.top() + at.height() / 2);
        EXPECT_EQ(face, QColor(40, 120, 200));
    });
}

} // namespace
