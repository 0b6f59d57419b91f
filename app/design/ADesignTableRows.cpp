#include "app/design/ADesignTableRows.h"

#include "app/dialogs/AEditListCtrl.h"
#include "model/omStringMatrix.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CWnd.h"

#include <algorithm>

namespace designrows {

long long IntegerOf(const std::string& text) {
    long long v = 0;
    return AfxParseLong(text.c_str(), v) ? v : 0;
}

double NumberOf(const std::string& text) {
    double v = 0.0;
    return AfxParseDouble(text.c_str(), v) ? v : 0.0;
}

int Shown(long long value) {
    return static_cast<int>(std::clamp<long long>(value, -1000000, 1000000));
}

bool DeleteSelectedRow(CWnd& dialog, AEditListCtrl& list) {
    list.EndEdit();
    const int item = list.GetNextItem(-1, LVNI_SELECTED);
    if (item < 0) {
        dialog.MessageBox("Please, select a row first!\n(Right-click on the row you want to delete.)",
                          "Delete command failed", MB_OK | MB_ICONSTOP);
        return false;
    }
    list.DeleteItem(item);
    return true;
}

CString RowErrors(const AEditListCtrl& list, const omStringMatrix& table, const char* const labels[], int columns,
                  int xStart) {
    CString errors;
    for (int row = 0; row < table.GetRows(); ++row) {
        for (int column = 0; column < columns; ++column) {
            const std::string message = list.GetColumnCheck(column).Validate(table(row, column));
            if (!message.empty()) errors += labels[column] + message;
        }
        const double xs = NumberOf(table(row, xStart));
        const double xe = NumberOf(table(row, xStart + 1));
        if (!(xs < xe)) errors += CString::Formatted("\n   x start (%4.2lf) must be less than x end (%4.2lf)!", xs, xe);
    }
    return errors;
}

bool IsCellEditEnd(LPARAM lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    return header && header->code == LVN_ENDLABELEDIT;
}

} // namespace designrows
