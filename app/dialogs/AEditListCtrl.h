#pragma once
// A report list whose every cell can be edited in place. Each column may carry
// a check (an integer or a real number within a closed interval); typing in a
// checked column keeps to what can still become a number, and Tab, Enter or
// leaving the cell take the text only when it passes. The table goes to and
// from an omStringMatrix.
#include "platform/ui/CDialogControls.h"
#include "platform/ui/CListCtrl.h"

#include <memory>
#include <string>
#include <vector>

class omStringMatrix;
class AEditListCtrl;

constexpr DWORD LVS_EDITLABELS = 0x0200;
constexpr DWORD LVS_OWNERDRAWFIXED = 0x0400;
constexpr UINT LVIF_TEXT = 0x0001;

// The item and text of an end-label-edit notification (LVN_ENDLABELEDIT).
struct LVITEM {
    UINT mask = 0;
    int iItem = 0;
    int iSubItem = 0;
    const char* pszText = nullptr; // null: the edit was cancelled
    int cchTextMax = 0;
};
struct NMLVDISPINFO {
    NMHDR hdr;
    LVITEM item;
};

struct AEditListColumnCheck {
    enum Kind { none = 0, integer = 1, real = 2 };
    int kind = none;
    double lower = 0.0;
    double upper = 0.0;

    // Only a check with lower < upper checks anything.
    bool IsActive() const { return kind != none && lower < upper; }
    // Empty when the text passes; otherwise what is wrong with it. The whole
    // text must be a number (locale-free), within [lower, upper].
    std::string Validate(const std::string& text) const;
    // Whether typing can still turn the text into a number of the column's kind.
    bool MayBecomeNumber(const std::string& text) const;
};

class AEditListCell : public CEdit {
public:
    AEditListCell(AEditListCtrl* list, int item, int column, std::string initialText);
    ~AEditListCell() override;

    int GetItem() const { return m_nItem; }
    int GetColumn() const { return m_nColumn; }
    bool IsCancelled() const { return m_bCancelled; }
    // Sends the end notification once (none after a cancel) and hands the editor to the list to go.
    void Finish();

protected:
    bool FilterEvent(QObject* watched, QEvent* event) override;
    void OnWidgetAttached() override;

private:
    bool OnKey(int key, bool shift, bool ctrl, const std::string& text);
    // The text passes the column's check; a failure beeps.
    bool ValidateCell();
    void WidenToText();

    AEditListCtrl* m_pList;
    int m_nItem;
    int m_nColumn;
    std::string m_strInitial;
    bool m_bCancelled = false;
    bool m_bFinished = false;
};

class AEditListCtrl : public CListCtrl {
    DECLARE_DYNAMIC(AEditListCtrl)
public:
    static constexpr UINT kEditorId = 1001;

    AEditListCtrl();
    ~AEditListCtrl() override;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    // Opens the editor on a cell; null when the cell is outside the table or its column is narrower than 5 pixels.
    AEditListCell* EditCell(int item, int column);
    // The editor open now, or null.
    AEditListCell* GetEditor() const { return m_pEditor.get(); }
    // Ends an open editor with its text.
    void EndEdit();
    // The item under a client point and its column (-1 when none).
    int HitTestCell(const POINT& point, int& column) const;
    int GetColumnCount() const;
    void SetColumnCheck(int column, int kind, double lower, double upper);
    int GetColumnKind(int column) const;
    const AEditListColumnCheck& GetColumnCheck(int column) const;
    void SetStringMatrix(const omStringMatrix& matrix);
    void GetStringMatrix(omStringMatrix& matrix) const;
    // Rows per page of the list.
    int GetCountPerPage() const;

    // The editor is done: it goes once the event that ended it is over.
    void RetireEditor(AEditListCell* editor);

protected:
    void OnWidgetAttached() override;
    bool FilterEvent(QObject* watched, QEvent* event) override;
    void OnEndLabelEdit(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    std::vector<AEditListColumnCheck> m_checks;
    std::unique_ptr<AEditListCell> m_pEditor;
    std::vector<std::unique_ptr<AEditListCell>> m_retired;
};
