// The grid's text leaving and entering: the clipboard, drag and drop, and
// comma-separated text files.
#include "controls/grid/CGridCtrl.h"

#include "platform/core/CodePage.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FileIO.h"
#include "platform/gdi/CImageDC.h"
#include "platform/ui/AfxRes.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CPromptService.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QBitmap>
#include <QClipboard>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QPixmap>

#include <algorithm>
#include <cctype>

namespace {

CGridCtrl::DragRunner& DragRunnerSlot() {
    static CGridCtrl::DragRunner runner;
    return runner;
}

void ShowMessage(const char* text) {
    CMessageBoxRequest request;
    request.text = text;
    request.type = MB_OK | MB_ICONEXCLAMATION;
    CPromptService::Instance().MessageBox(request);
}

bool NeedsQuotes(const std::string& text, char separator) {
    return text.find_first_of(std::string("\"\r\n") + separator) != std::string::npos ||
           (separator != ',' && text.find(',') != std::string::npos);
}

// A field as the grid writes it: as it stands, or in double quotes (quotes
// inside doubled) when it holds a separator, a quote or a line break.
void AppendField(std::string& out, const std::string& text, char separator) {
    if (!NeedsQuotes(text, separator)) {
        out += text;
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
}

// Lines of fields separated by separator; a field that starts with a double quote
// runs to the matching quote and may hold separators and line breaks. A carriage
// return before a line feed ends the line with it.
std::vector<std::vector<CString>> ParseQuoted(const std::string& text, char separator) {
    std::vector<std::vector<CString>> lines;
    std::vector<CString> fields;
    std::string field;
    size_t i = 0;
    const size_t n = text.size();
    bool lineOpen = false;
    while (i < n) {
        lineOpen = true;
        if (text[i] == '"' && field.empty()) {
            ++i;
            while (i < n) {
                if (text[i] == '"') {
                    if (i + 1 < n && text[i + 1] == '"') {
                        field += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                field += text[i++];
            }
            continue;
        }
        const char c = text[i];
        if (c == separator) {
            fields.emplace_back(std::move(field));
            field.clear();
            ++i;
        } else if (c == '\n' || (c == '\r' && i + 1 < n && text[i + 1] == '\n')) {
            fields.emplace_back(std::move(field));
            field.clear();
            lines.push_back(std::move(fields));
            fields.clear();
            i += c == '\r' ? 2 : 1;
            lineOpen = false;
        } else {
            field += c;
            ++i;
        }
    }
    if (lineOpen) {
        fields.emplace_back(std::move(field));
        lines.push_back(std::move(fields));
    }
    return lines;
}

std::string Trimmed(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b])))
        ++b;
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1])))
        --e;
    return s.substr(b, e - b);
}

} // namespace

BEGIN_MESSAGE_MAP(CGridCtrl, CWnd)
ON_COMMAND(ID_EDIT_CUT, &CGridCtrl::OnEditCut)
ON_COMMAND(ID_EDIT_COPY, &CGridCtrl::OnEditCopy)
ON_COMMAND(ID_EDIT_PASTE, &CGridCtrl::OnEditPaste)
ON_COMMAND(ID_EDIT_SELECT_ALL, &CGridCtrl::OnEditSelectAll)
ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, &CGridCtrl::OnUpdateEditCut)
ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, &CGridCtrl::OnUpdateEditCopy)
ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, &CGridCtrl::OnUpdateEditPaste)
ON_UPDATE_COMMAND_UI(ID_EDIT_SELECT_ALL, &CGridCtrl::OnUpdateEditSelectAll)
END_MESSAGE_MAP()

void CGridCtrl::OnUpdateEditCut(CCmdUI* pCmdUI) {
    pCmdUI->Enable(CanEditCut());
}
void CGridCtrl::OnUpdateEditCopy(CCmdUI* pCmdUI) {
    pCmdUI->Enable(CanEditCopy());
}
void CGridCtrl::OnUpdateEditPaste(CCmdUI* pCmdUI) {
    pCmdUI->Enable(CanEditPaste());
}
void CGridCtrl::OnUpdateEditSelectAll(CCmdUI* pCmdUI) {
    pCmdUI->Enable(CanEditSelectAll());
}

void CGridCtrl::SetDragRunner(DragRunner runner) {
    DragRunnerSlot() = std::move(runner);
}

std::vector<std::vector<CString>> CGridCtrl::SplitPastedText(const std::string& text) {
    // Text of other programs: lines at line feeds, fields at each tab or comma (trimmed when written).
    std::vector<std::vector<CString>> lines;
    size_t start = 0;
    while (start <= text.size()) {
        size_t end = text.find('\n', start);
        const bool last = end == std::string::npos;
        if (last) end = text.size();
        // Text that ends with a line end has no further line: no cell below is cleared.
        if (last && start == text.size() && start > 0) break;
        const std::string line = text.substr(start, end - start);
        std::vector<CString> fields;
        size_t f = 0;
        while (true) {
            const size_t sep = line.find_first_of("\t,", f);
            fields.emplace_back(
                Trimmed(line.substr(f, sep == std::string::npos ? std::string::npos : sep - f)));
            if (sep == std::string::npos) break;
            f = sep + 1;
        }
        lines.push_back(std::move(fields));
        if (last) break;
        start = end + 1;
    }
    return lines;
}

// --- clipboard -------------------------------------------------------------------------------------

QMimeData* CGridCtrl::CopyTextFromGrid() {
    const CCellRange selection = GetSelectedCellRange();
    if (!IsValid(selection)) return nullptr;
    if (m_bVirtualMode) SendCacheHintToParent(selection);
    std::string plain, cells;
    for (int row = selection.GetMinRow(); row <= selection.GetMaxRow(); ++row) {
        if (GetRowHeight(row) <= 0) continue;
        for (int col = selection.GetMinCol(); col <= selection.GetMaxCol(); ++col) {
            if (GetColumnWidth(col) <= 0) continue;
            if (IsCellSelected(row, col)) {
                const CString text = GetItemText(row, col);
                plain += text;
                AppendField(cells, text, '\t');
            }
            if (col != selection.GetMaxCol()) {
                plain += '\t';
                cells += '\t';
            }
        }
        if (row != selection.GetMaxRow()) {
            plain += '\n';
            cells += '\n';
        }
    }
    if (m_bVirtualMode) SendCacheHintToParent(CCellRange(-1, -1, -1, -1));
    auto* data = new QMimeData;
    data->setText(QString::fromStdString(plain));
    data->setData(kCellsMimeType, QByteArray::fromStdString(cells));
    return data;
}

bool CGridCtrl::PasteTextToGrid(CCellID cell, const QMimeData* pDataObject) {
    if (!IsValid(cell) || !IsCellEditable(cell) || !pDataObject) return false;
    std::vector<std::vector<CString>> lines;
    bool own = false;
    if (pDataObject->hasFormat(kCellsMimeType)) {
        lines = ParseQuoted(pDataObject->data(kCellsMimeType).toStdString(), '\t');
        own = true;
    } else if (pDataObject->hasText()) {
        lines = SplitPastedText(pDataObject->text().toStdString());
    } else {
        return false;
    }
    int row = cell.row;
    for (size_t k = 0; k < lines.size(); ++k) {
        if (k > 0) ++row;
        while (row < GetRowCount() && GetRowHeight(row) <= 0)
            ++row;
        if (row >= GetRowCount()) break;
        int col = cell.col;
        for (size_t m = 0; m < lines[k].size(); ++m) {
            if (m > 0) ++col;
            while (col < GetColumnCount() && GetColumnWidth(col) <= 0)
                ++col;
            if (col >= GetColumnCount()) break;
            const CString& field = lines[k][m];
            const CString text = own ? field : CString(Trimmed(field));
            ValidateAndModifyCellContents(row, col, text.c_str());
            m_PastedCells.insert(CCellID(row, col));
            SetItemState(row, col, GetItemState(row, col) & ~GVIS_SELECTED);
        }
    }
    Refresh();
    return true;
}

void CGridCtrl::CutSelectedText() {
    if (!IsEditable()) return;
    ClearCells(GetSelectedCellRange());
}

void CGridCtrl::OnEditCopy() {
    QMimeData* data = CopyTextFromGrid();
    if (!data) return;
    QApplication::clipboard()->setMimeData(data);
}

void CGridCtrl::OnEditCut() {
    if (!IsEditable()) return;
    QMimeData* data = CopyTextFromGrid();
    if (!data) return;
    QApplication::clipboard()->setMimeData(data);
    CutSelectedText();
}

void CGridCtrl::OnEditPaste() {
    if (!IsEditable()) return;
    CCellID cell = GetFocusCell();
    if (!IsValid(cell)) cell = GetTopleftNonFixedCell();
    if (!IsValid(cell)) return;
    if (CGridCellBase* c = GetCell(cell.row, cell.col); c && c->IsEditing()) {
        if (CWnd* editor = c->GetEditWnd()) editor->SendMessage(WM_PASTE);
        return;
    }
    m_PastedCells.clear();
    PasteTextToGrid(cell, QApplication::clipboard()->mimeData());
}

void CGridCtrl::OnEditSelectAll() {
    SendMessageToParent(m_LeftClickDownCell.row, m_LeftClickDownCell.col, static_cast<int>(GVN_SELCHANGING));
    SelectAllCells();
    SendMessageToParent(m_idCurrentCell.row, m_idCurrentCell.col, static_cast<int>(GVN_SELCHANGED));
}

bool CGridCtrl::CanEditCopy() const {
    const CCellRange selection = GetSelectedCellRange();
    return IsValid(selection) && selection.Count() > 0;
}

bool CGridCtrl::CanEditCut() const {
    return IsEditable() && CanEditCopy();
}

bool CGridCtrl::CanEditPaste() const {
    const CCellID cell = GetFocusCell();
    if (!IsValid(cell) || !IsCellEditable(cell)) return false;
    const QMimeData* data = QApplication::clipboard()->mimeData();
    return data && (data->hasText() || data->hasFormat(kCellsMimeType));
}

// --- drag and drop ---------------------------------------------------------------------------------

void CGridCtrl::OnBeginDrag() {
    if (!m_bAllowDragAndDrop) return;
    QMimeData* data = CopyTextFromGrid();
    if (!data) return;
    const CCellRange range = GetSelectedCellRange();
    SendMessageToParent(range.GetMinRow(), range.GetMinCol(), static_cast<int>(GVN_BEGINDRAG));
    // The cells the drag carries, known before a drop onto this grid changes the selection.
    std::vector<CCellID> source;
    for (const auto& entry : m_SelectedCellMap)
        source.push_back(entry.first);
    m_MouseMode = MOUSE_DRAGGING;
    m_bLMouseButtonDown = false;
    m_PastedCells.clear();
    m_bDropOnSelf = false;
    Qt::DropAction result = Qt::IgnoreAction;
    const HWND self = GetSafeHwnd();
    if (DragRunnerSlot()) {
        result = DragRunnerSlot()(data, this);
        delete data;
    } else {
        auto* drag = new QDrag(GetInputWidget());
        drag->setMimeData(data);
        CPoint hotSpot;
        const QPixmap image = CreateDragImage(&hotSpot);
        if (!image.isNull()) {
            drag->setPixmap(image);
            drag->setHotSpot(QPoint(hotSpot.x, hotSpot.y));
        }
        result = drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::MoveAction);
    }
    if (!CWnd::FromHandle(self)) return;
    m_MouseMode = MOUSE_NOTHING;
    if (result == Qt::MoveAction && IsEditable()) {
        for (const CCellID& cell : source) {
            if (m_bDropOnSelf && m_PastedCells.count(cell)) continue;
            if (GetRowHeight(cell.row) > 0 && GetColumnWidth(cell.col) > 0)
                ValidateAndModifyCellContents(cell.row, cell.col, "");
        }
        Refresh();
    }
    m_PastedCells.clear();
}

QPixmap CGridCtrl::CreateDragImage(CPoint* pHotSpot) {
    CRect rect;
    if (!GetSafeHwnd() || !GetCellRect(m_idCurrentCell, &rect)) return QPixmap();
    CGridCellBase* cell = GetCell(m_idCurrentCell.row, m_idCurrentCell.col);
    // Cell rectangles hold their right and bottom edges.
    const int width = rect.Width() + 1, height = rect.Height() + 1;
    if (!cell || width <= 1 || height <= 1) return QPixmap();
    QImage image(width, height, QImage::Format_ARGB32);
    const COLORREF back = m_cellDefault.GetBackClr();
    image.fill(QColor(GetRValue(back), GetGValue(back), GetBValue(back)));
    {
        CImageDC dc(&image);
        cell->Draw(&dc, m_idCurrentCell.row, m_idCurrentCell.col, CRect(0, 0, width - 1, height - 1), false);
    }
    // The default back colour is the mask: it shows through.
    const QImage mask = image.createMaskFromColor(
        QColor(GetRValue(back), GetGValue(back), GetBValue(back)).rgb(), Qt::MaskOutColor);
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setMask(QBitmap::fromImage(mask));
    if (pHotSpot) *pHotSpot = CPoint(width, height);
    return pixmap;
}

namespace {

bool HasGridText(const QMimeData* data) {
    return data && (data->hasText() || data->hasFormat(CGridCtrl::kCellsMimeType));
}

} // namespace

DWORD CGridCtrl::OnDragEnter(const QMimeData* pDataObject, DWORD dwKeyState, CPoint point) {
    if (!HasGridText(pDataObject)) return DROPEFFECT_NONE;
    m_LastDragOverCell = GetCellFromPt(point, false);
    if (!IsValid(m_LastDragOverCell)) return DROPEFFECT_NONE;
    if (!IsCellEditable(m_LastDragOverCell)) return DROPEFFECT_NONE;
    SetItemState(m_LastDragOverCell.row, m_LastDragOverCell.col,
                 GetItemState(m_LastDragOverCell.row, m_LastDragOverCell.col) | GVIS_DROPHILITED);
    RedrawCell(m_LastDragOverCell);
    return (dwKeyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

DWORD CGridCtrl::OnDragOver(const QMimeData* pDataObject, DWORD dwKeyState, CPoint point) {
    if (!HasGridText(pDataObject) || !IsEditable()) return DROPEFFECT_NONE;
    const CCellID cell = GetCellFromPt(point, false);
    if (!IsValid(cell)) {
        OnDragLeave();
        m_LastDragOverCell = CCellID();
        return DROPEFFECT_NONE;
    }
    if (!IsCellEditable(cell)) return DROPEFFECT_NONE;
    if (cell != m_LastDragOverCell) {
        OnDragLeave();
        m_LastDragOverCell = cell;
        SetItemState(cell.row, cell.col, GetItemState(cell.row, cell.col) | GVIS_DROPHILITED);
        RedrawCell(cell);
    }
    return (dwKeyState & MK_CONTROL) ? DROPEFFECT_COPY : DROPEFFECT_MOVE;
}

void CGridCtrl::OnDragLeave() {
    if (IsValid(m_LastDragOverCell)) {
        SetItemState(m_LastDragOverCell.row, m_LastDragOverCell.col,
                     GetItemState(m_LastDragOverCell.row, m_LastDragOverCell.col) & ~GVIS_DROPHILITED);
        RedrawCell(m_LastDragOverCell);
    }
}

bool CGridCtrl::OnDrop(const QMimeData* pDataObject, DWORD, CPoint point) {
    m_MouseMode = MOUSE_NOTHING;
    m_LastDragOverCell = GetCellFromPt(point, false);
    if (!IsValid(m_LastDragOverCell) || !IsCellEditable(m_LastDragOverCell)) return false;
    OnDragLeave();
    // A drag that started here learns which cells the drop wrote, so that a move keeps them.
    m_PastedCells.clear();
    m_bDropOnSelf = true;
    return PasteTextToGrid(m_LastDragOverCell, pDataObject);
}

bool CGridCtrl::FilterDragEvent(QObject* watched, QEvent* event) {
    if (watched != GetInputWidget() || !m_bAllowDragAndDrop || !m_DropTarget.Serves(this)) return false;
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        auto* e = static_cast<QDragMoveEvent*>(event);
        const DWORD keys = (e->modifiers() & Qt::ControlModifier) ? MK_CONTROL : 0;
        const CPoint point(e->position().toPoint().x(), e->position().toPoint().y());
        const DWORD effect = event->type() == QEvent::DragEnter ? OnDragEnter(e->mimeData(), keys, point)
                                                                : OnDragOver(e->mimeData(), keys, point);
        if (effect == DROPEFFECT_NONE) {
            e->ignore();
        } else {
            e->setDropAction(effect == DROPEFFECT_COPY ? Qt::CopyAction : Qt::MoveAction);
            e->accept();
        }
        return true;
    }
    case QEvent::DragLeave:
        OnDragLeave();
        return true;
    case QEvent::Drop: {
        auto* e = static_cast<QDropEvent*>(event);
        const CPoint point(e->position().toPoint().x(), e->position().toPoint().y());
        const bool copy = e->modifiers() & Qt::ControlModifier;
        if (OnDrop(e->mimeData(), copy ? DROPEFFECT_COPY : DROPEFFECT_MOVE, point)) {
            e->setDropAction(copy ? Qt::CopyAction : Qt::MoveAction);
            e->accept();
        } else {
            e->ignore();
        }
        return true;
    }
    default:
        return false;
    }
}

// --- files -----------------------------------------------------------------------------------------

bool CGridCtrl::Save(const char* filename) {
    if (!filename) return false;
    std::string out;
    for (int row = 0; row < GetRowCount(); ++row) {
        for (int col = 0; col < GetColumnCount(); ++col) {
            AppendField(out, GetItemText(row, col), ',');
            out += col == GetColumnCount() - 1 ? "\r\n" : ",";
        }
    }
    try {
        fileio::writeFileAtomically(filename, out);
    } catch (const CFileException& e) {
        ShowMessage(e.m_cause == CFileException::badPath || e.m_cause == CFileException::accessDenied ||
                            e.m_cause == CFileException::fileNotFound
                        ? e.what()
                        : "Unable to save grid list");
        return false;
    } catch (const CException&) {
        ShowMessage("Unable to save grid list");
        return false;
    }
    return true;
}

bool CGridCtrl::Load(const char* filename) {
    if (m_bVirtualMode || !filename) return false;
    std::vector<std::uint8_t> bytes;
    try {
        bytes = fileio::readFile(filename);
    } catch (const CFileException& e) {
        ShowMessage(e.what());
        return false;
    } catch (const CException&) {
        ShowMessage("Unable to load grid data");
        return false;
    }
    std::string text(bytes.begin(), bytes.end());
    if (!codepage::isValidUtf8(text)) text = codepage::toUtf8(text);
    // Parsed whole first: a file that cannot be read leaves the grid as it was.
    const std::vector<std::vector<CString>> lines = ParseQuoted(text, ',');
    const bool redraw = GetRedraw();
    SetRedraw(false);
    DeleteAllItems();
    if (!lines.empty()) {
        for (const CString& heading : lines.front())
            InsertColumn(heading.c_str(), DT_CENTER | DT_VCENTER | DT_SINGLELINE, -1);
        for (size_t k = 1; k < lines.size(); ++k) {
            const auto& fields = lines[k];
            const int row = InsertRow(fields.empty() ? "" : fields.front().c_str(), -1);
            for (size_t m = 1; m < fields.size(); ++m)
                SetItemText(row, static_cast<int>(m), fields[m].c_str());
        }
    }
    AutoSizeColumns(static_cast<UINT>(GetAutoSizeStyle()));
    SetRedraw(redraw, true);
    return true;
}
