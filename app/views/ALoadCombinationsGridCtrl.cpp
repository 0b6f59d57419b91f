#include "app/views/ALoadCombinationsGridCtrl.h"

#include "app/shell/AStrakonDocument.h"
#include "app/views/ACommandSteps.h"
#include "platform/ui/AfxRes.h"
#include "platform/ui/CPromptService.h"

#include <algorithm>
#include <cctype>

namespace {

bool isBlank(const CString& text) {
    return std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isspace(c) != 0; });
}

std::string trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The creep coefficient and the factors; the names and limit states are text.
bool isNumberCell(int row, int col) {
    return row >= 1 && col >= 2;
}

// Empty means zero; anything else must be a finite number.
bool readsAsNumber(const std::string& text) {
    double value = 0.0;
    return ACommandSteps::ReadNumber(trimmed(text), value);
}

} // namespace

ALoadCombinationsGridCtrl::~ALoadCombinationsGridCtrl() = default;

bool ALoadCombinationsGridCtrl::ValidateEdit(int nRow, int nCol, const char* str) {
    if (isNumberCell(nRow, nCol) && !readsAsNumber(str ? str : "")) {
        AfxMessageBox(AFX_IDP_PARSE_REAL, MB_ICONEXCLAMATION, AFX_IDP_PARSE_REAL);
        return false;
    }
    return CGridCtrl::ValidateEdit(nRow, nCol, str);
}

void ALoadCombinationsGridCtrl::OnEndEditCell(int nRow, int nCol, CString str) {
    if (isNumberCell(nRow, nCol)) {
        const bool number = readsAsNumber(str);
        // A refused text is put back to the model's value by the grid.
        CGridCtrl::OnEndEditCell(nRow, nCol, str);
        if (!number || !m_pDocument) return;
        m_pDocument->ChangeLoadCase(nRow, nCol, trimmed(str));
        return;
    }
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
