#include "app/dialogs/AEditListCtrl.h"

#include "model/omStringMatrix.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CDialogTemplate.h"
#include "platform/ui/CPromptService.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTreeWidget>

#include <cmath>
#include <cstdio>
#include <regex>

// --- column checks ------------------------------------------------------------------------------

std::string AEditListColumnCheck::Validate(const std::string& text) const {
    if (!IsActive()) return {};
    char message[160];
    if (kind == real) {
        double value = 0.0;
        if (!AfxParseDouble(text.c_str(), value)) return "Please enter a number.";
        if (value >= lower && value <= upper) return {};
        std::snprintf(message, sizeof message,
                      "Invalid number! The given number %4.2lf lies outside [%4.2lf,%4.2lf] interval!", value, lower,
                      upper);
        return message;
    }
    long long value = 0;
    if (!AfxParseLong(text.c_str(), value)) return "Please enter an integer.";
    if (static_cast<double>(value) >= lower && static_cast<double>(value) <= upper) return {};
    // A number beyond int is reported as the bound it broke.
    const double shown = std::clamp(static_cast<double>(value), -2147483648.0, 2147483647.0);
    std::snprintf(message, sizeof message,
                  "Invalid integer! The given integer %i lies outside [%1.0lf,%1.0lf] interval!",
                  static_cast<int>(shown), lower, upper);
    return message;
}

bool AEditListColumnCheck::MayBecomeNumber(const std::string& text) const {
    // Every beginning of a number: a sign, digits with one point, then an
    // exponent that may still lack its digits.
    static const std::regex realPrefix(R"(^[+-]?(\d*\.?\d*)?([eE][+-]?\d*)?$)");
    static const std::regex integerPrefix(R"(^\d*$)");
    if (kind == integer) return std::regex_match(text, integerPrefix);
    if (kind != real) return true;
    std::smatch m;
    if (!std::regex_match(text, m, realPrefix)) return false;
    // An exponent needs a digit before it.
    const bool hasExponent = m[2].length() > 0;
    const std::string mantissa = m[1].str();
    return !hasExponent || mantissa.find_first_of("0123456789") != std::string::npos;
}

// --- the cell editor ----------------------------------------------------------------------------

AEditListCell::AEditListCell(AEditListCtrl* list, int item, int column, std::string initialText)
    : m_pList(list), m_nItem(item), m_nColumn(column), m_strInitial(std::move(initialText)) {}

AEditListCell::~AEditListCell() {
    DestroyFromDestructor();
}

void AEditListCell::OnWidgetAttached() {
    auto* edit = qobject_cast<QLineEdit*>(GetWidget());
    if (!edit) return;
    if (QWidget* list = m_pList->GetWidget()) edit->setFont(list->font());
    edit->setText(QString::fromStdString(m_strInitial));
    edit->setFocus(Qt::OtherFocusReason);
    edit->selectAll();
}

bool AEditListCell::ValidateCell() {
    const std::string problem = m_pList->GetColumnCheck(m_nColumn).Validate(GetWindowText());
    if (problem.empty()) return true;
    MessageBeep(MB_OK);
    return false;
}

void AEditListCell::Finish() {
    if (m_bFinished) return;
    m_bFinished = true;
    const std::string text = GetWindowText();
    NMLVDISPINFO info;
    info.item.mask = LVIF_TEXT;
    info.item.iItem = m_nItem;
    info.item.iSubItem = m_nColumn;
    info.item.pszText = m_bCancelled ? nullptr : text.c_str();
    info.item.cchTextMax = m_bCancelled ? 0 : static_cast<int>(text.size());
    AfxNotifyParent(m_pList, LVN_ENDLABELEDIT, info.hdr);
    m_pList->RetireEditor(this);
}

void AEditListCell::WidenToText() {
    auto* edit = qobject_cast<QLineEdit*>(GetWidget());
    QWidget* list = m_pList->GetWidget();
    if (!edit || !list) return;
    const int wanted = QFontMetrics(list->font()).horizontalAdvance(edit->text()) + 5;
    if (wanted <= edit->width()) return;
    const int right = list->width();
    edit->resize(std::max(edit->width(), std::min(wanted, right - edit->x())), edit->height());
}

bool AEditListCell::OnKey(int key, bool shift, bool ctrl, const std::string& text) {
    const int item = m_nItem, column = m_nColumn;
    const int last = m_pList->GetItemCount() - 1;
    const int columns = m_pList->GetColumnCount();
    switch (key) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab: {
        if (!ValidateCell()) return true;
        int nextItem = item, nextColumn = column;
        if (key == Qt::Key_Backtab || shift) {
            if (--nextColumn < 0) {
                nextColumn = columns - 1;
                --nextItem;
            }
        } else if (++nextColumn >= columns) {
            nextColumn = 0;
            ++nextItem;
        }
        Finish();
        m_pList->EditCell(nextItem, nextColumn);
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!ValidateCell()) return true;
        Finish();
        m_pList->EditCell(item + 1, 0);
        return true;
    case Qt::Key_Escape:
        m_bCancelled = true;
        Finish();
        m_pList->SetFocus();
        return true;
    case Qt::Key_Up:
        if (item > 0) {
            Finish();
            m_pList->EditCell(item - 1, column);
        }
        return true;
    case Qt::Key_Down:
        if (item < last) {
            Finish();
            m_pList->EditCell(item + 1, column);
        }
        return true;
    default:
        break;
    }
    if (ctrl) {
        int toItem = item, toColumn = column;
        if (key == Qt::Key_End)
            toItem = last;
        else if (key == Qt::Key_Home)
            toItem = 0;
        else if (key == Qt::Key_Left && column > 0)
            toColumn = column - 1;
        else if (key == Qt::Key_Right && column + 1 < columns)
            toColumn = column + 1;
        else
            return false;
        if (toItem != item || toColumn != column) {
            Finish();
            m_pList->EditCell(toItem, toColumn);
        }
        return true;
    }
    if (text.size() != 1 || static_cast<unsigned char>(text[0]) < 0x20) return false;
    const AEditListColumnCheck& check = m_pList->GetColumnCheck(m_nColumn);
    if (check.kind == AEditListColumnCheck::none) return false;
    const char c = text[0];
    const bool allowed = check.kind == AEditListColumnCheck::integer ? (c >= '0' && c <= '9')
                                                                     : std::string("0123456789-+.eE").find(c) !=
                                                                           std::string::npos;
    auto* edit = qobject_cast<QLineEdit*>(GetWidget());
    if (!allowed || !edit) return true;
    // The text as it would be with the character typed.
    QString after = edit->text();
    const int start = edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
    const int length = edit->hasSelectedText() ? static_cast<int>(edit->selectedText().size()) : 0;
    after.replace(start, length, QString(QChar(c)));
    if (!check.MayBecomeNumber(after.toStdString())) {
        MessageBeep(MB_OK);
        return true;
    }
    edit->insert(QString(QChar(c)));
    WidenToText();
    return true;
}

bool AEditListCell::FilterEvent(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (OnKey(key->key(), key->modifiers() & Qt::ShiftModifier, key->modifiers() & Qt::ControlModifier,
                  key->text().toStdString()))
            return true;
    } else if (event->type() == QEvent::KeyRelease) {
        auto* key = static_cast<QKeyEvent*>(event);
        const int page = std::max(1, m_pList->GetCountPerPage());
        const int last = m_pList->GetItemCount() - 1;
        if (key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown) {
            const int to = key->key() == Qt::Key_PageUp ? std::max(0, m_nItem - page) : std::min(last, m_nItem + page);
            if (to != m_nItem) {
                const int column = m_nColumn;
                Finish();
                m_pList->EditCell(to, column);
            }
            return true;
        }
    } else if (event->type() == QEvent::FocusOut && !m_bFinished) {
        const bool handled = CEdit::FilterEvent(watched, event);
        Finish();
        return handled;
    }
    return CEdit::FilterEvent(watched, event);
}

// --- the list -----------------------------------------------------------------------------------

namespace {

QTreeWidget* treeOf(const CWnd* wnd) {
    return qobject_cast<QTreeWidget*>(wnd->GetWidget());
}

// Rows drawn by the list: the highlight over the whole row, texts inset and aligned as their column.
class AEditListDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const bool highlighted = (option.state & QStyle::State_Selected) != 0;
        const QPalette& palette = option.palette;
        painter->fillRect(option.rect, highlighted ? palette.highlight() : palette.base());
        painter->setPen(highlighted ? palette.color(QPalette::HighlightedText) : palette.color(QPalette::Text));
        const int inset = index.column() == 0 ? 2 : 6;
        const QRect textRect = option.rect.adjusted(inset, 0, -inset, 0);
        const int align = index.data(Qt::TextAlignmentRole).isValid() ? index.data(Qt::TextAlignmentRole).toInt()
                                                                       : int(Qt::AlignLeft);
        painter->drawText(textRect, (align & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString());
    }
};

} // namespace

IMPLEMENT_DYNAMIC(AEditListCtrl, CListCtrl)

BEGIN_MESSAGE_MAP(AEditListCtrl, CListCtrl)
ON_NOTIFY_REFLECT(LVN_ENDLABELEDIT, &AEditListCtrl::OnEndLabelEdit)
END_MESSAGE_MAP()

AEditListCtrl::AEditListCtrl() = default;

AEditListCtrl::~AEditListCtrl() {
    m_pEditor.reset();
    m_retired.clear();
    DestroyFromDestructor();
}

BOOL AEditListCtrl::PreCreateWindow(CREATESTRUCT& cs) {
    cs.style |= LVS_REPORT | LVS_OWNERDRAWFIXED;
    return CListCtrl::PreCreateWindow(cs);
}

void AEditListCtrl::OnWidgetAttached() {
    CListCtrl::OnWidgetAttached();
    QTreeWidget* tree = treeOf(this);
    if (!tree) return;
    tree->setItemDelegate(new AEditListDelegate(tree));
    tree->setAllColumnsShowFocus(true);
    // Columns keep the widths they are given, however narrow.
    tree->header()->setMinimumSectionSize(0);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    WatchWidget(tree->viewport());
}

bool AEditListCtrl::FilterEvent(QObject* watched, QEvent* event) {
    QTreeWidget* tree = treeOf(this);
    if (tree && watched == tree->viewport()) {
        if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
            (GetStyle() & LVS_EDITLABELS)) {
            const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
            int column = -1;
            const POINT point{at.x(), at.y()};
            const int item = HitTestCell(point, column);
            if (item >= 0 && column >= 0) {
                // The list takes the click (and the focus) first; the editor opens after it.
                QPointer<QTreeWidget> guard(tree);
                QMetaObject::invokeMethod(
                    tree,
                    [this, guard, item, column]() {
                        if (guard) EditCell(item, column);
                    },
                    Qt::QueuedConnection);
            }
        } else if (event->type() == QEvent::Paint && GetItemCount() == 0) {
            // An empty list shows a note below the header instead of nothing.
            QPainter painter(tree->viewport());
            const QRect area = tree->viewport()->rect();
            painter.fillRect(area, tree->palette().base());
            painter.setPen(tree->palette().color(QPalette::WindowText));
            painter.drawText(area.adjusted(0, 20, 0, 0), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
                             "There are no items to show in this view!");
            return true;
        } else if (event->type() == QEvent::Wheel && !tree->hasFocus()) {
            // Scrolling ends an open editor first.
            tree->setFocus();
        }
    }
    return CListCtrl::FilterEvent(watched, event);
}

int AEditListCtrl::GetColumnCount() const {
    const QTreeWidget* tree = treeOf(this);
    return tree ? tree->columnCount() : 0;
}

int AEditListCtrl::GetCountPerPage() const {
    const QTreeWidget* tree = treeOf(this);
    if (!tree || tree->topLevelItemCount() == 0) return 0;
    const int row = std::max(1, tree->visualItemRect(tree->topLevelItem(0)).height());
    return std::max(1, tree->viewport()->height() / row);
}

int AEditListCtrl::HitTestCell(const POINT& point, int& column) const {
    column = -1;
    const QTreeWidget* tree = treeOf(this);
    if (!tree) return -1;
    QTreeWidgetItem* item = tree->itemAt(QPoint(point.x, point.y));
    if (!item) return -1;
    column = tree->header()->logicalIndexAt(point.x);
    return tree->indexOfTopLevelItem(item);
}

AEditListCell* AEditListCtrl::EditCell(int item, int column) {
    QTreeWidget* tree = treeOf(this);
    if (!tree) return nullptr;
    if (item < 0 || item >= GetItemCount() || column < 0 || column >= GetColumnCount()) return nullptr;
    if (tree->header()->sectionSize(column) < 5) return nullptr;
    if (m_pEditor) m_pEditor->Finish();
    QTreeWidgetItem* row = tree->topLevelItem(item);
    tree->scrollToItem(row);
    tree->scrollTo(tree->model()->index(item, column));
    const QRect cell = tree->visualRect(tree->model()->index(item, column));
    const QPoint topLeft = tree->viewport()->mapTo(tree, cell.topLeft());
    const int right = std::min(topLeft.x() + cell.width() - 3, tree->viewport()->mapTo(tree, QPoint(tree->viewport()->width(), 0)).x());
    const RECT rect{topLeft.x() + 4, topLeft.y(), std::max(topLeft.x() + 5, right), topLeft.y() + cell.height()};
    DWORD style = WS_BORDER | WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL;
    const int align = row->textAlignment(column) & Qt::AlignHorizontal_Mask;
    if (align == Qt::AlignRight)
        style |= ES_RIGHT;
    else if (align == Qt::AlignHCenter)
        style |= ES_CENTER;
    auto editor = std::make_unique<AEditListCell>(this, item, column, GetItemText(item, column));
    if (!editor->Create(WC_EDIT, "", style, rect, this, kEditorId)) return nullptr;
    if (auto* edit = qobject_cast<QLineEdit*>(editor->GetWidget())) {
        edit->setAlignment(Qt::Alignment(align ? align : Qt::AlignLeft) | Qt::AlignVCenter);
        edit->setFocus(Qt::OtherFocusReason);
        edit->selectAll();
    }
    m_pEditor = std::move(editor);
    return m_pEditor.get();
}

void AEditListCtrl::EndEdit() {
    if (m_pEditor) m_pEditor->Finish();
}

void AEditListCtrl::RetireEditor(AEditListCell* editor) {
    if (m_pEditor.get() != editor) return;
    m_pEditor->ShowWindow(SW_HIDE);
    m_retired.push_back(std::move(m_pEditor));
    // Never deleted inside its own handler: the editor goes once the event is over.
    if (QWidget* widget = GetWidget()) {
        QPointer<QWidget> guard(widget);
        QMetaObject::invokeMethod(
            widget,
            [this, guard]() {
                if (guard) m_retired.clear();
            },
            Qt::QueuedConnection);
    }
}

void AEditListCtrl::OnEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult) {
    const auto* info = reinterpret_cast<NMLVDISPINFO*>(pNMHDR);
    if (info->item.pszText) SetItemText(info->item.iItem, info->item.iSubItem, info->item.pszText);
    *pResult = 0;
}

void AEditListCtrl::SetColumnCheck(int column, int kind, double lower, double upper) {
    if (column < 0) return;
    if (static_cast<int>(m_checks.size()) <= column) m_checks.resize(static_cast<std::size_t>(column) + 1);
    m_checks[static_cast<std::size_t>(column)] = AEditListColumnCheck{kind, lower, upper};
}

int AEditListCtrl::GetColumnKind(int column) const {
    return GetColumnCheck(column).kind;
}

const AEditListColumnCheck& AEditListCtrl::GetColumnCheck(int column) const {
    static const AEditListColumnCheck empty;
    if (column < 0 || column >= static_cast<int>(m_checks.size())) return empty;
    return m_checks[static_cast<std::size_t>(column)];
}

void AEditListCtrl::SetStringMatrix(const omStringMatrix& matrix) {
    DeleteAllItems();
    if (matrix.IsEmpty()) return;
    const int columns = std::min(GetColumnCount(), matrix.GetCols());
    for (int row = 0; row < matrix.GetRows(); ++row) {
        InsertItem(row, "");
        for (int column = 0; column < columns; ++column)
            SetItemText(row, column, matrix(row, column).c_str());
    }
}

void AEditListCtrl::GetStringMatrix(omStringMatrix& matrix) const {
    const int rows = GetItemCount(), columns = GetColumnCount();
    matrix.Resize(rows, columns);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column)
            matrix(row, column) = GetItemText(row, column);
}
