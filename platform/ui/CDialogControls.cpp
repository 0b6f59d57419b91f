#include "platform/ui/CDialogControls.h"

#include "platform/ui/CDialogTemplate.h"
#include "platform/ui/CListCtrl.h"
#include "platform/ui/CResources.h"
#include "platform/ui/ControlPaint.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTextDocument>
#include <QTextOption>
#include <QToolButton>

#include <QVBoxLayout>
#include <map>
#include <string>

#include <charconv>

IMPLEMENT_DYNAMIC(CStatic, CWnd)
IMPLEMENT_DYNAMIC(CButton, CWnd)
IMPLEMENT_DYNAMIC(CEdit, CWnd)
IMPLEMENT_DYNAMIC(CListBox, CWnd)
IMPLEMENT_DYNAMIC(CComboBox, CWnd)
IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)

namespace {

// A check box whose state only the program sets (BS_CHECKBOX, BS_3STATE).
class ManualCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void nextCheckState() override {}
};

QString qs(const char* text) {
    return QString::fromUtf8(text ? text : "");
}

// The widget property that counts the program's own changes of a list in progress.
constexpr const char* kQuietProperty = "strakonQuietSelection";

// Tells the parent of the control what happened, as WM_COMMAND (id, code) with the control's handle.
void notifyParent(HWND hControl, UINT code) {
    CWnd* control = CWnd::FromHandle(hControl);
    if (!control) return;
    CWnd* parent = control->GetParent();
    if (!parent) return;
    parent->SendMessage(WM_COMMAND, MAKEWPARAM(control->GetDlgCtrlID(), static_cast<int>(code)),
                        reinterpret_cast<LPARAM>(hControl));
}

bool startsWithNoCase(const QString& text, const QString& prefix) {
    return text.startsWith(prefix, Qt::CaseInsensitive);
}

// The platform's search: from the item after nStartAfter round to it, case ignored.
template <class Text>
int findItem(int count, int nStartAfter, const QString& wanted, bool exact, Text textOf) {
    if (count <= 0) return LB_ERR;
    const int first = nStartAfter < 0 || nStartAfter >= count ? 0 : nStartAfter + 1;
    for (int n = 0; n < count; ++n) {
        const int i = (first + n) % count;
        const QString text = textOf(i);
        if (exact ? text.compare(wanted, Qt::CaseInsensitive) == 0 : startsWithNoCase(text, wanted)) return i;
    }
    return LB_ERR;
}

const int kItemDataRole = Qt::UserRole + 1;

// A combo box that tells its parent when its list drops down (before it shows,
// so the parent may fill it) and when it closes up, however it is closed.
class CComboWidget : public QComboBox {
public:
    using QComboBox::QComboBox;
    void showPopup() override {
        if (CWnd* wnd = CWnd::FromWidget(this)) {
            const HWND self = wnd->m_hWnd;
            notifyParent(self, CBN_DROPDOWN);
            if (CWnd::FromHandle(self) != wnd) return;
        }
        QWidget* popup = view()->parentWidget();
        if (popup && !m_watching) {
            popup->installEventFilter(this);
            m_watching = true;
        }
        m_dropped = true;
        QComboBox::showPopup();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Hide && m_dropped && watched == view()->parentWidget()) {
            m_dropped = false;
            if (CWnd* wnd = CWnd::FromWidget(this)) notifyParent(wnd->m_hWnd, CBN_CLOSEUP);
        }
        return QComboBox::eventFilter(watched, event);
    }

private:
    bool m_watching = false;
    bool m_dropped = false;
};

} // namespace

// --- CStatic ----------------------------------------------------------------------------------------

CStatic::CStatic() = default;
CStatic::~CStatic() = default;

QWidget* CStatic::CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) {
    auto* label = new QLabel(parentWidget);
    const DWORD type = cs.style & SS_TYPEMASK;
    if (type == SS_ETCHEDHORZ) {
        label->setFrameStyle(QFrame::HLine | QFrame::Sunken);
    } else if (type == SS_BLACKFRAME) {
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
    }
    if (cs.style & SS_SUNKEN) label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    if (cs.style & SS_CENTERIMAGE || (cs.style & SS_TYPEMASK) == SS_CENTER)
        label->setAlignment(Qt::AlignCenter);
    else if ((cs.style & SS_TYPEMASK) == SS_RIGHT)
        label->setAlignment(Qt::AlignRight | Qt::AlignTop);
    else
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT) label->setWordWrap(true);
    return label;
}

CString CStatic::WidgetText(const CString& windowText) const {
    if (m_dwStyle & SS_NOPREFIX) return windowText;
    const DWORD type = m_dwStyle & SS_TYPEMASK;
    if (type == SS_BITMAP || type == SS_ICON || type == SS_ENHMETAFILE) return windowText;
    CString shown;
    shown.reserve(windowText.size());
    for (std::size_t i = 0; i < windowText.size(); ++i) {
        if (windowText[i] != '&') {
            shown += windowText[i];
        } else if (i + 1 < windowText.size() && windowText[i + 1] == '&') {
            shown += '&';
            ++i;
        }
    }
    return shown;
}

bool CStatic::FilterEvent(QObject* watched, QEvent* event) {
    AfxControlColorsOnPaint(this, watched, event, WM_CTLCOLORSTATIC, true);
    return CWnd::FilterEvent(watched, event);
}

void CStatic::SetImage(const QImage& image) {
    auto* label = qobject_cast<QLabel*>(GetWidget());
    if (!label) return;
    if (image.isNull())
        label->setPixmap(QPixmap());
    else
        label->setPixmap(QPixmap::fromImage(image));
}

void CStatic::SetBitmap(UINT nIDResource) {
    SetImage(CResources::Instance().LoadBitmap(nIDResource, QSize()));
}

// --- CButton ----------------------------------------------------------------------------------------

CButton::CButton() = default;
CButton::~CButton() = default;

QWidget* CButton::CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) {
    QAbstractButton* button = nullptr;
    switch (cs.style & BS_TYPEMASK) {
    case BS_GROUPBOX:
        return new QGroupBox(parentWidget);
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_3STATE:
    case BS_AUTO3STATE: {
        const DWORD type = cs.style & BS_TYPEMASK;
        // Only the automatic kinds change their state when clicked; the others
        // report the click and leave the state to their dialog.
        const bool automatic = type == BS_AUTOCHECKBOX || type == BS_AUTO3STATE;
        auto* box = automatic ? new QCheckBox(parentWidget) : new ManualCheckBox(parentWidget);
        box->setTristate(type == BS_3STATE || type == BS_AUTO3STATE);
        button = box;
        break;
    }
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON: {
        auto* radio = new QRadioButton(parentWidget);
        // The dialog groups its radio buttons as the template's groups say.
        radio->setAutoExclusive(false);
        button = radio;
        break;
    }
    default: {
        auto* push = new QPushButton(parentWidget);
        push->setAutoDefault(false);
        push->setDefault((cs.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
        button = push;
        break;
    }
    }
    QObject::connect(button, &QAbstractButton::clicked, button, [button]() {
        if (CWnd* wnd = CWnd::FromWidget(button)) notifyParent(wnd->m_hWnd, BN_CLICKED);
    });
    return button;
}

bool CButton::FilterEvent(QObject* watched, QEvent* event) {
    if ((m_dwStyle & BS_TYPEMASK) == BS_OWNERDRAW) {
        if (AfxOwnerDrawButtonOnPaint(this, watched, event)) return true;
    } else {
        const bool push = qobject_cast<QPushButton*>(GetWidget()) != nullptr;
        AfxControlColorsOnPaint(this, watched, event, push ? WM_CTLCOLORBTN : WM_CTLCOLORSTATIC, !push);
    }
    return CWnd::FilterEvent(watched, event);
}

int CButton::GetCheck() const {
    auto* button = qobject_cast<QAbstractButton*>(GetWidget());
    if (!button || !button->isCheckable()) return BST_UNCHECKED;
    if (auto* box = qobject_cast<QCheckBox*>(button)) {
        switch (box->checkState()) {
        case Qt::Checked:
            return BST_CHECKED;
        case Qt::PartiallyChecked:
            return BST_INDETERMINATE;
        default:
            return BST_UNCHECKED;
        }
    }
    return button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

void CButton::SetCheck(int nCheck) {
    auto* button = qobject_cast<QAbstractButton*>(GetWidget());
    if (!button || !button->isCheckable()) return;
    if (auto* box = qobject_cast<QCheckBox*>(button)) {
        box->setCheckState(nCheck == BST_CHECKED ? Qt::Checked
                           : nCheck == BST_INDETERMINATE
                               ? (box->isTristate() ? Qt::PartiallyChecked : Qt::Checked)
                               : Qt::Unchecked);
        return;
    }
    // A radio button of an exclusive group cannot be unchecked directly.
    const bool exclusive = button->group() && button->group()->exclusive();
    if (exclusive && nCheck == BST_UNCHECKED && button->isChecked()) {
        button->group()->setExclusive(false);
        button->setChecked(false);
        button->group()->setExclusive(true);
    } else {
        button->setChecked(nCheck != BST_UNCHECKED);
    }
}

UINT CButton::GetButtonStyle() const {
    UINT style = m_dwStyle & BS_TYPEMASK;
    // An owner-drawn button stays one (it is a push button underneath).
    if (style == BS_OWNERDRAW) return style;
    if (auto* push = qobject_cast<QPushButton*>(GetWidget()))
        style = (style & ~BS_TYPEMASK) | (push->isDefault() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
    return style;
}

void CButton::SetButtonStyle(UINT nStyle, BOOL) {
    if (auto* push = qobject_cast<QPushButton*>(GetWidget())) {
        push->setDefault((nStyle & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
        m_dwStyle = (m_dwStyle & ~BS_TYPEMASK) | (nStyle & BS_TYPEMASK);
    }
}

void CButton::Click() {
    if (auto* button = qobject_cast<QAbstractButton*>(GetWidget())) button->click();
}

// --- CEdit ------------------------------------------------------------------------------------------

CEdit::CEdit() = default;
CEdit::~CEdit() = default;

QWidget* CEdit::CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) {
    if (cs.style & ES_MULTILINE) {
        auto* edit = new QPlainTextEdit(parentWidget);
        edit->setReadOnly(cs.style & ES_READONLY);
        if (!(cs.style & WS_VSCROLL)) edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        if ((cs.style & 3) != ES_LEFT) {
            QTextOption option = edit->document()->defaultTextOption();
            option.setAlignment((cs.style & 3) == ES_RIGHT ? Qt::AlignRight : Qt::AlignHCenter);
            edit->document()->setDefaultTextOption(option);
        }
        QObject::connect(edit, &QPlainTextEdit::textChanged, edit, [edit]() {
            if (CWnd* wnd = CWnd::FromWidget(edit)) notifyParent(wnd->m_hWnd, EN_CHANGE);
        });
        return edit;
    }
    auto* edit = new QLineEdit(parentWidget);
    edit->setReadOnly(cs.style & ES_READONLY);
    if (cs.style & ES_PASSWORD) edit->setEchoMode(QLineEdit::Password);
    if ((cs.style & 3) == ES_RIGHT) edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    if ((cs.style & 3) == ES_CENTER) edit->setAlignment(Qt::AlignCenter);
    if (!(cs.style & WS_BORDER)) edit->setFrame(false);
    QObject::connect(edit, &QLineEdit::textChanged, edit, [edit]() {
        if (CWnd* wnd = CWnd::FromWidget(edit)) notifyParent(wnd->m_hWnd, EN_CHANGE);
    });
    return edit;
}

bool CEdit::FilterEvent(QObject* watched, QEvent* event) {
    if (watched == GetWidget()) {
        if (event->type() == QEvent::FocusIn) notifyParent(m_hWnd, EN_SETFOCUS);
        if (event->type() == QEvent::FocusOut) notifyParent(m_hWnd, EN_KILLFOCUS);
        AfxControlColorsOnPaint(this, watched, event,
                                m_dwStyle & ES_READONLY ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT, false);
    }
    return CWnd::FilterEvent(watched, event);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL) {
    if (auto* line = qobject_cast<QLineEdit*>(GetWidget())) {
        const int length = static_cast<int>(line->text().size());
        if (nStartChar < 0) {
            line->deselect();
            return;
        }
        const int end = nEndChar < 0 || nEndChar > length ? length : nEndChar;
        const int start = std::min(nStartChar, length);
        line->setSelection(start, end - start);
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(GetWidget())) {
        QTextCursor cursor = text->textCursor();
        const int length = text->document()->characterCount() - 1;
        cursor.setPosition(std::clamp(nStartChar, 0, length));
        cursor.setPosition(nEndChar < 0 ? length : std::clamp(nEndChar, 0, length), QTextCursor::KeepAnchor);
        text->setTextCursor(cursor);
    }
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
    nStartChar = nEndChar = 0;
    if (auto* line = qobject_cast<QLineEdit*>(GetWidget())) {
        if (line->hasSelectedText()) {
            nStartChar = line->selectionStart();
            nEndChar = line->selectionEnd();
        } else {
            nStartChar = nEndChar = line->cursorPosition();
        }
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(GetWidget())) {
        nStartChar = text->textCursor().selectionStart();
        nEndChar = text->textCursor().selectionEnd();
    }
}

void CEdit::ReplaceSel(const char* lpszNewText, BOOL) {
    if (auto* line = qobject_cast<QLineEdit*>(GetWidget()))
        line->insert(qs(lpszNewText));
    else if (auto* text = qobject_cast<QPlainTextEdit*>(GetWidget()))
        text->insertPlainText(qs(lpszNewText));
}

BOOL CEdit::SetReadOnly(BOOL bReadOnly) {
    if (auto* line = qobject_cast<QLineEdit*>(GetWidget())) line->setReadOnly(bReadOnly);
    if (auto* text = qobject_cast<QPlainTextEdit*>(GetWidget())) text->setReadOnly(bReadOnly);
    m_dwStyle = bReadOnly ? (m_dwStyle | ES_READONLY) : (m_dwStyle & ~ES_READONLY);
    return IsWindow();
}

void CEdit::LimitText(int nChars) {
    if (auto* line = qobject_cast<QLineEdit*>(GetWidget())) line->setMaxLength(nChars > 0 ? nChars : 32767);
}

int CEdit::GetLineCount() const {
    if (auto* text = qobject_cast<QPlainTextEdit*>(GetWidget())) return text->document()->blockCount();
    return 1;
}

BOOL CEdit::GetModify() const {
    if (auto* line = qobject_cast<QLineEdit*>(GetWidget())) return line->isModified();
    if (auto* text = qobject_cast<QPlainTextEdit*>(GetWidget())) return text->document()->isModified();
    return FALSE;
}

void CEdit::SetModify(BOOL bModified) {
    if (auto* line = qobject_cast<QLineEdit*>(GetWidget())) line->setModified(bModified);
    if (auto* text = qobject_cast<QPlainTextEdit*>(GetWidget())) text->document()->setModified(bModified);
}

void CEdit::TypeText(const char* text) {
    QWidget* widget = GetWidget();
    if (!widget) return;
    for (QChar c : qs(text)) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

// --- CListBox ---------------------------------------------------------------------------------------

CListBox::CListBox() = default;
CListBox::~CListBox() = default;

QWidget* CListBox::CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) {
    auto* list = new QListWidget(parentWidget);
    if (cs.style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL))
        list->setSelectionMode(cs.style & LBS_MULTIPLESEL ? QAbstractItemView::MultiSelection
                                                          : QAbstractItemView::ExtendedSelection);
    if (cs.style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) {
        list->setUniformItemSizes(!(cs.style & LBS_OWNERDRAWVARIABLE));
        AfxInstallOwnerDrawItems(list, list, ODT_LISTBOX, cs.style & LBS_OWNERDRAWVARIABLE);
    }
    // The selection, not the current row: a click makes the row current before
    // it selects it, and the keys select before they move the current row.
    QObject::connect(list, &QListWidget::itemSelectionChanged, list, [list]() {
        if (list->property(kQuietProperty).toInt() > 0) return;
        if (CWnd* wnd = CWnd::FromWidget(list)) notifyParent(wnd->m_hWnd, LBN_SELCHANGE);
    });
    QObject::connect(list, &QListWidget::itemDoubleClicked, list, [list]() {
        if (CWnd* wnd = CWnd::FromWidget(list)) notifyParent(wnd->m_hWnd, LBN_DBLCLK);
    });
    return list;
}

bool CListBox::FilterEvent(QObject* watched, QEvent* event) {
    AfxControlColorsOnPaint(this, watched, event, WM_CTLCOLORLISTBOX, false);
    return CWnd::FilterEvent(watched, event);
}

namespace {
QListWidget* listOf(const CWnd* wnd) {
    return qobject_cast<QListWidget*>(wnd->GetWidget());
}
} // namespace

// Holds the list's notifications back while the program changes it. The count
// lives on the widget: the program may reach the list through any wrapper of it.
class CListBoxQuiet {
public:
    explicit CListBoxQuiet(const CWnd& box) : m_list(listOf(&box)) { add(1); }
    ~CListBoxQuiet() { add(-1); }
    CListBoxQuiet(const CListBoxQuiet&) = delete;
    CListBoxQuiet& operator=(const CListBoxQuiet&) = delete;

private:
    void add(int step) {
        if (m_list) m_list->setProperty(kQuietProperty, m_list->property(kQuietProperty).toInt() + step);
    }
    QPointer<QListWidget> m_list;
};

int CListBox::AddString(const char* lpszItem) {
    const CListBoxQuiet quiet(*this);
    QListWidget* list = listOf(this);
    if (!list) return LB_ERR;
    int index = list->count();
    if (m_dwStyle & LBS_SORT) {
        const QString text = qs(lpszItem);
        index = 0;
        while (index < list->count() && list->item(index)->text().compare(text, Qt::CaseInsensitive) <= 0)
            ++index;
    }
    list->insertItem(index, qs(lpszItem));
    return index;
}

int CListBox::InsertString(int nIndex, const char* lpszItem) {
    const CListBoxQuiet quiet(*this);
    QListWidget* list = listOf(this);
    if (!list || nIndex > list->count()) return LB_ERR;
    const int index = nIndex < 0 ? list->count() : nIndex;
    list->insertItem(index, qs(lpszItem));
    return index;
}

int CListBox::DeleteString(UINT nIndex) {
    const CListBoxQuiet quiet(*this);
    QListWidget* list = listOf(this);
    if (!list || static_cast<int>(nIndex) >= list->count()) return LB_ERR;
    delete list->takeItem(static_cast<int>(nIndex));
    return list->count();
}

void CListBox::ResetContent() {
    const CListBoxQuiet quiet(*this);
    if (QListWidget* list = listOf(this)) list->clear();
}

int CListBox::GetCount() const {
    QListWidget* list = listOf(this);
    return list ? list->count() : LB_ERR;
}

int CListBox::GetCurSel() const {
    QListWidget* list = listOf(this);
    if (!list) return LB_ERR;
    if (list->selectionMode() == QAbstractItemView::SingleSelection) {
        // The selected row, whether or not the current row has followed it yet.
        const QList<QListWidgetItem*> selected = list->selectedItems();
        return selected.isEmpty() ? LB_ERR : list->row(selected.front());
    }
    const int row = list->currentRow();
    return row >= 0 && list->item(row)->isSelected() ? row : LB_ERR;
}

int CListBox::SetCurSel(int nSelect) {
    const CListBoxQuiet quiet(*this);
    QListWidget* list = listOf(this);
    if (!list) return LB_ERR;
    if (nSelect < 0 || nSelect >= list->count()) {
        list->setCurrentRow(-1);
        list->clearSelection();
        return nSelect == -1 ? 0 : LB_ERR;
    }
    list->setCurrentRow(nSelect);
    return nSelect;
}

int CListBox::GetText(int nIndex, CString& rString) const {
    QListWidget* list = listOf(this);
    if (!list || nIndex < 0 || nIndex >= list->count()) {
        rString.Empty();
        return LB_ERR;
    }
    rString = list->item(nIndex)->text().toStdString();
    return rString.GetLength();
}

int CListBox::GetTextLen(int nIndex) const {
    CString text;
    return GetText(nIndex, text);
}

int CListBox::FindString(int nStartAfter, const char* lpszItem) const {
    QListWidget* list = listOf(this);
    if (!list) return LB_ERR;
    return findItem(list->count(), nStartAfter, qs(lpszItem), false,
                    [list](int i) { return list->item(i)->text(); });
}

int CListBox::FindStringExact(int nIndexStart, const char* lpszFind) const {
    QListWidget* list = listOf(this);
    if (!list) return LB_ERR;
    return findItem(list->count(), nIndexStart, qs(lpszFind), true,
                    [list](int i) { return list->item(i)->text(); });
}

int CListBox::SelectString(int nStartAfter, const char* lpszItem) {
    const int index = FindString(nStartAfter, lpszItem);
    if (index != LB_ERR) SetCurSel(index);
    return index;
}

int CListBox::SetItemData(int nIndex, DWORD_PTR dwItemData) {
    QListWidget* list = listOf(this);
    if (!list || nIndex < 0 || nIndex >= list->count()) return LB_ERR;
    list->item(nIndex)->setData(kItemDataRole, QVariant::fromValue<quintptr>(dwItemData));
    return 0;
}

DWORD_PTR CListBox::GetItemData(int nIndex) const {
    QListWidget* list = listOf(this);
    if (!list || nIndex < 0 || nIndex >= list->count()) return static_cast<DWORD_PTR>(LB_ERR);
    return list->item(nIndex)->data(kItemDataRole).value<quintptr>();
}

int CListBox::GetSel(int nIndex) const {
    QListWidget* list = listOf(this);
    if (!list || nIndex < 0 || nIndex >= list->count()) return LB_ERR;
    return list->item(nIndex)->isSelected() ? 1 : 0;
}

int CListBox::SetSel(int nIndex, BOOL bSelect) {
    const CListBoxQuiet quiet(*this);
    QListWidget* list = listOf(this);
    if (!list) return LB_ERR;
    if (nIndex == -1) {
        for (int i = 0; i < list->count(); ++i)
            list->item(i)->setSelected(bSelect);
        return 0;
    }
    if (nIndex < 0 || nIndex >= list->count()) return LB_ERR;
    list->item(nIndex)->setSelected(bSelect);
    return 0;
}

int CListBox::GetSelCount() const {
    QListWidget* list = listOf(this);
    return list ? static_cast<int>(list->selectedItems().size()) : LB_ERR;
}

// --- CComboBox --------------------------------------------------------------------------------------

namespace {

QComboBox* comboOf(const CWnd* wnd) {
    return qobject_cast<QComboBox*>(wnd->GetWidget());
}

} // namespace

CComboBox::CComboBox() = default;
CComboBox::~CComboBox() = default;

QWidget* CComboBox::CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) {
    auto* combo = new CComboWidget(parentWidget);
    combo->setEditable((cs.style & 3) != CBS_DROPDOWNLIST);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMaxVisibleItems(12);
    if (cs.style & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE))
        AfxInstallOwnerDrawItems(combo, combo->view(), ODT_COMBOBOX, cs.style & CBS_OWNERDRAWVARIABLE);
    QObject::connect(combo, qOverload<int>(&QComboBox::activated), combo, [combo]() {
        if (CWnd* wnd = CWnd::FromWidget(combo)) notifyParent(wnd->m_hWnd, CBN_SELCHANGE);
    });
    return combo;
}

void CComboBox::OnWidgetAttached() {
    QComboBox* combo = comboOf(this);
    if (!combo || !combo->isEditable()) return;
    // The edit part is a window of its own with the platform's id, so that
    // code which looks for it finds it.
    m_edit.DestroyWindow();
    m_edit.CreateEx(0, WC_EDIT, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, this, IDC_COMBO_EDIT);
    if (auto* line = qobject_cast<QLineEdit*>(m_edit.GetWidget())) {
        combo->setLineEdit(line);
        QObject::connect(line, &QLineEdit::textEdited, combo, [combo]() {
            if (CWnd* wnd = CWnd::FromWidget(combo)) notifyParent(wnd->m_hWnd, CBN_EDITCHANGE);
        });
    }
}

bool CComboBox::FilterEvent(QObject* watched, QEvent* event) {
    if ((m_dwStyle & (CBS_OWNERDRAWFIXED | CBS_OWNERDRAWVARIABLE)) &&
        AfxOwnerDrawComboOnPaint(this, watched, event))
        return true;
    AfxControlColorsOnPaint(this, watched, event, WM_CTLCOLORLISTBOX, false);
    return CWnd::FilterEvent(watched, event);
}

int CComboBox::AddString(const char* lpszString) {
    QComboBox* combo = comboOf(this);
    if (!combo) return CB_ERR;
    int index = combo->count();
    if (m_dwStyle & CBS_SORT) {
        const QString text = qs(lpszString);
        index = 0;
        while (index < combo->count() && combo->itemText(index).compare(text, Qt::CaseInsensitive) <= 0)
            ++index;
    }
    const QString keep = combo->isEditable() ? combo->currentText() : QString();
    const int current = combo->currentIndex();
    combo->insertItem(index, qs(lpszString));
    // A new item never becomes the selection by itself.
    if (current < 0) {
        combo->setCurrentIndex(-1);
        if (combo->isEditable()) combo->setEditText(keep);
    }
    return index;
}

int CComboBox::InsertString(int nIndex, const char* lpszString) {
    QComboBox* combo = comboOf(this);
    if (!combo || nIndex > combo->count()) return CB_ERR;
    const int index = nIndex < 0 ? combo->count() : nIndex;
    const int current = combo->currentIndex();
    combo->insertItem(index, qs(lpszString));
    if (current < 0) combo->setCurrentIndex(-1);
    return index;
}

int CComboBox::DeleteString(UINT nIndex) {
    QComboBox* combo = comboOf(this);
    if (!combo || static_cast<int>(nIndex) >= combo->count()) return CB_ERR;
    combo->removeItem(static_cast<int>(nIndex));
    return combo->count();
}

void CComboBox::ResetContent() {
    if (QComboBox* combo = comboOf(this)) combo->clear();
}

int CComboBox::GetCount() const {
    QComboBox* combo = comboOf(this);
    return combo ? combo->count() : CB_ERR;
}

int CComboBox::GetCurSel() const {
    QComboBox* combo = comboOf(this);
    if (!combo) return CB_ERR;
    const int index = combo->currentIndex();
    if (index < 0) return CB_ERR;
    // Typing into the edit part leaves no item selected unless the text is the item's.
    if (combo->isEditable() && combo->currentText() != combo->itemText(index)) return CB_ERR;
    return index;
}

int CComboBox::SetCurSel(int nSelect) {
    QComboBox* combo = comboOf(this);
    if (!combo) return CB_ERR;
    if (nSelect < 0 || nSelect >= combo->count()) {
        combo->setCurrentIndex(-1);
        if (combo->isEditable()) combo->setEditText(QString());
        return CB_ERR;
    }
    combo->setCurrentIndex(nSelect);
    return nSelect;
}

int CComboBox::GetLBText(int nIndex, CString& rString) const {
    QComboBox* combo = comboOf(this);
    if (!combo || nIndex < 0 || nIndex >= combo->count()) {
        rString.Empty();
        return CB_ERR;
    }
    rString = combo->itemText(nIndex).toStdString();
    return rString.GetLength();
}

int CComboBox::GetLBTextLen(int nIndex) const {
    CString text;
    return GetLBText(nIndex, text);
}

int CComboBox::FindString(int nStartAfter, const char* lpszString) const {
    QComboBox* combo = comboOf(this);
    if (!combo) return CB_ERR;
    return findItem(combo->count(), nStartAfter, qs(lpszString), false,
                    [combo](int i) { return combo->itemText(i); });
}

int CComboBox::FindStringExact(int nIndexStart, const char* lpszFind) const {
    QComboBox* combo = comboOf(this);
    if (!combo) return CB_ERR;
    return findItem(combo->count(), nIndexStart, qs(lpszFind), true,
                    [combo](int i) { return combo->itemText(i); });
}

int CComboBox::SelectString(int nStartAfter, const char* lpszString) {
    const int index = FindString(nStartAfter, lpszString);
    if (index != CB_ERR) SetCurSel(index);
    return index;
}

int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData) {
    QComboBox* combo = comboOf(this);
    if (!combo || nIndex < 0 || nIndex >= combo->count()) return CB_ERR;
    combo->setItemData(nIndex, QVariant::fromValue<quintptr>(dwItemData), kItemDataRole);
    return 0;
}

DWORD_PTR CComboBox::GetItemData(int nIndex) const {
    QComboBox* combo = comboOf(this);
    if (!combo || nIndex < 0 || nIndex >= combo->count()) return static_cast<DWORD_PTR>(CB_ERR);
    return combo->itemData(nIndex, kItemDataRole).value<quintptr>();
}

BOOL CComboBox::GetDroppedState() const {
    QComboBox* combo = comboOf(this);
    return combo && combo->view() && combo->view()->isVisible();
}

void CComboBox::ShowDropDown(BOOL bShowIt) {
    if (QComboBox* combo = comboOf(this)) {
        if (bShowIt)
            combo->showPopup();
        else
            combo->hidePopup();
    }
}

// --- CSpinButtonCtrl --------------------------------------------------------------------------------

CSpinButtonCtrl::CSpinButtonCtrl() = default;
CSpinButtonCtrl::~CSpinButtonCtrl() = default;

QWidget* CSpinButtonCtrl::CreateWidget(const CREATESTRUCT&, QWidget* parentWidget) {
    auto* box = new QWidget(parentWidget);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* up = new QToolButton(box);
    up->setArrowType(Qt::UpArrow);
    up->setObjectName("up");
    auto* down = new QToolButton(box);
    down->setArrowType(Qt::DownArrow);
    down->setObjectName("down");
    for (QToolButton* b : {up, down}) {
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
        b->setAutoRepeat(true);
        layout->addWidget(b);
    }
    QObject::connect(up, &QToolButton::clicked, box, [box]() {
        if (auto* spin = dynamic_cast<CSpinButtonCtrl*>(CWnd::FromWidget(box))) spin->StepUp();
    });
    QObject::connect(down, &QToolButton::clicked, box, [box]() {
        if (auto* spin = dynamic_cast<CSpinButtonCtrl*>(CWnd::FromWidget(box))) spin->StepDown();
    });
    return box;
}

void CSpinButtonCtrl::SetRange32(int nLower, int nUpper) {
    m_nLower = nLower;
    m_nUpper = nUpper;
    m_nPos = std::clamp(m_nPos, std::min(nLower, nUpper), std::max(nLower, nUpper));
}

void CSpinButtonCtrl::GetRange32(int& nLower, int& nUpper) const {
    nLower = m_nLower;
    nUpper = m_nUpper;
}

int CSpinButtonCtrl::SetPos(int nPos) {
    const int previous = m_nPos;
    m_nPos = std::clamp(nPos, std::min(m_nLower, m_nUpper), std::max(m_nLower, m_nUpper));
    ShowPosInBuddy();
    return previous;
}

int CSpinButtonCtrl::GetPos() const {
    CWnd* buddy = GetBuddy();
    if (buddy && (m_dwStyle & UDS_SETBUDDYINT)) {
        CString text = buddy->GetWindowText();
        text.erase(std::remove(text.begin(), text.end(), ','), text.end());
        int value = 0;
        const char* first = text.data();
        while (*first == ' ')
            ++first;
        const auto [end, ec] = std::from_chars(first, text.data() + text.size(), value);
        if (ec == std::errc() && end != first)
            return std::clamp(value, std::min(m_nLower, m_nUpper), std::max(m_nLower, m_nUpper));
    }
    return m_nPos;
}

CWnd* CSpinButtonCtrl::SetBuddy(CWnd* pWndBuddy) {
    CWnd* previous = GetBuddy();
    m_hBuddy = pWndBuddy ? pWndBuddy->m_hWnd : nullptr;
    QWidget* widget = GetWidget();
    if (pWndBuddy && widget && (m_dwStyle & (UDS_ALIGNRIGHT | UDS_ALIGNLEFT))) {
        // The arrows take the buddy's end; the buddy gives up that strip.
        QWidget* b = pWndBuddy->GetWidget();
        const int w = std::max(widget->width(), 12);
        QRect r = b->geometry();
        const bool aligned = widget->y() == r.top() &&
                             (widget->x() == r.right() + 1 || widget->geometry().right() + 1 == r.left());
        if (aligned) {
            // Already in place (a control that took over an aligned one).
        } else if (m_dwStyle & UDS_ALIGNRIGHT) {
            r.setWidth(std::max(r.width() - w, 1));
            widget->setGeometry(r.right() + 1, r.top(), w, r.height());
        } else {
            widget->setGeometry(r.left(), r.top(), w, r.height());
            r.setLeft(r.left() + w);
        }
        if (!aligned) b->setGeometry(r);
    }
    ShowPosInBuddy();
    return previous;
}

CWnd* CSpinButtonCtrl::GetBuddy() const {
    return FromHandle(m_hBuddy);
}

void CSpinButtonCtrl::StepUp() {
    Step(+1);
}

void CSpinButtonCtrl::StepDown() {
    Step(-1);
}

void CSpinButtonCtrl::Step(int direction) {
    // Up goes toward the upper end of the range, whichever way the range runs.
    const int step = m_nUpper >= m_nLower ? direction : -direction;
    // The parent hears of the step first and may change or refuse it.
    NMUPDOWN change;
    change.iPos = GetPos();
    change.iDelta = step;
    const HWND self = m_hWnd;
    if (AfxNotifyParent(this, UDN_DELTAPOS, change.hdr) != 0 || !FromHandle(self)) return;
    int pos = change.iPos + change.iDelta;
    const int low = std::min(m_nLower, m_nUpper), high = std::max(m_nLower, m_nUpper);
    if (pos < low || pos > high) {
        if (!(m_dwStyle & UDS_WRAP)) return;
        pos = pos < low ? high : low;
    }
    m_nPos = pos;
    ShowPosInBuddy();
    if (CWnd* parent = GetParent())
        parent->SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, m_nPos), reinterpret_cast<LPARAM>(this));
}

void CSpinButtonCtrl::ShowPosInBuddy() {
    CWnd* buddy = GetBuddy();
    if (!buddy || !(m_dwStyle & UDS_SETBUDDYINT)) return;
    buddy->SetWindowText(std::to_string(m_nPos).c_str());
}

LRESULT AfxNotifyParent(CWnd* pControl, UINT code, NMHDR& header) {
    if (!pControl) return 0;
    CWnd* parent = pControl->GetParent();
    if (!parent) return 0;
    header.hwndFrom = pControl->m_hWnd;
    header.idFrom = static_cast<UINT_PTR>(pControl->GetDlgCtrlID());
    header.code = code;
    return parent->SendMessage(WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

// --- by class ---------------------------------------------------------------------------------------

namespace {

// The factories of registered custom window classes, by class name (case ignored).
std::map<std::string, AFX_CONTROL_FACTORY, NoCaseLess>& ControlFactories() {
    static std::map<std::string, AFX_CONTROL_FACTORY, NoCaseLess> factories;
    return factories;
}

} // namespace

CWnd* AfxNewControlOfClass(const char* windowClass, DWORD) {
    const std::string_view name = windowClass ? windowClass : "";
    if (CompareNoCase(name, WC_BUTTON) == 0) return new CButton;
    if (CompareNoCase(name, WC_EDIT) == 0) return new CEdit;
    if (CompareNoCase(name, WC_STATIC) == 0) return new CStatic;
    if (CompareNoCase(name, WC_LISTBOX) == 0) return new CListBox;
    if (CompareNoCase(name, WC_COMBOBOX) == 0) return new CComboBox;
    if (CompareNoCase(name, UPDOWN_CLASS) == 0) return new CSpinButtonCtrl;
    if (CompareNoCase(name, WC_LISTVIEW) == 0) return new CListCtrl;
    if (CompareNoCase(name, WC_TREEVIEW) == 0) return new CTreeCtrl;
    if (CompareNoCase(name, WC_TABCONTROL) == 0) return new CTabCtrl;
    const auto& factories = ControlFactories();
    if (auto it = factories.find(std::string(name)); it != factories.end()) return it->second();
    return new CWnd;
}

void AfxRegisterControlClass(const char* windowClass, AFX_CONTROL_FACTORY factory) {
    if (windowClass && factory) ControlFactories()[windowClass] = factory;
}
