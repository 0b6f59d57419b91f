#pragma once
// The table of the load-combinations window: one row per load case, one column
// per action. Every finished cell edit becomes one undoable command of the
// structure document; the table itself is refilled from the model afterwards.
#include "controls/grid/CGridCtrl.h"

class AStrakonDocument;

class ALoadCombinationsGridCtrl : public CGridCtrl {
public:
    ALoadCombinationsGridCtrl() = default;
    ~ALoadCombinationsGridCtrl() override;

    // Not owned; the document outlives its views.
    void SetDocument(AStrakonDocument* doc) { m_pDocument = doc; }
    AStrakonDocument* GetDocument() const { return m_pDocument; }

    // Stores the text, then submits it: row 0 renames actions, rows from 1 on
    // change the case's name, limit state, creep coefficient or a factor. An
    // empty or blank name submits nothing, and neither does a creep coefficient or
    // factor that is no finite number: the number prompt says so and the cell
    // shows the model's value again.
    void OnEndEditCell(int nRow, int nCol, CString str) override;
    bool ValidateEdit(int nRow, int nCol, const char* str) override;
    // Whether any cell is being edited in place.
    bool IsEditing() const;
    // Drops the selection and selects nothing.
    void OnFixedColumnClick(CCellID& cell) override;

private:
    AStrakonDocument* m_pDocument = nullptr;
};
