#include "app/views/ALoadCombinationsGridCtrl.h"

#include "app/shell/AStrakonDocument.h"

#include <algorithm>
#include <cctype>

namespace {

bool isBlank(const CString& text) {
    return std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isspace(c) != 0; });
}

} // namespace

ALoadCombinationsGridCtrl::~ALoadCombinationsGridCtrl() = default;

void ALoadCombinationsGridCtrl::OnEndEditCell(int nRow, int nCol, CString str) {
    CGridCtrl::OnEndEditCell(nRow, nCol, str);
    if (!m_pDocument) return;
    if (nRow == 0) {
        // An action without a name could not be read back from the file.
        if (nCol >= 3 && !isBlank(str)) m_pDocument->ChangeLoadGroup(nCol - 2, 0, str);
        return;
    }
    if (nCol == 0 && isBlank(str)) return;
    m_pDocument->ChangeLoadCase(nRow, nCol, str);
}

bool ALoadCombinationsGridCtrl::IsEditing() const {
    for (int row = 0; row < GetRowCount(); ++row)
        for (int col = 0; col < GetColumnCount(); ++col)
            if (const CGridCellBase* cell = GetCell(row, col); cell && cell->IsEditing()) return true;
    return false;
}

void ALoadCombinationsGridCtrl::OnFixedColumnClick(CCellID&) {
    ResetSelectedRange();
    SetFocusCell(-1, -1);
    Invalidate();
}
