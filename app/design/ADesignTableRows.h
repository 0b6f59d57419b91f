#pragma once
// The rows of the bar and stirrup tables as their dialogs and charts read them:
// cells are numbers in the table's own locale-free format, rows cover a stretch
// of the member from "x start" to "x end".
#include "platform/core/CString.h"
#include "platform/ui/WinUi.h"

#include <string>

class AEditListCtrl;
class CWnd;
class omStringMatrix;

namespace designrows {

// The numbers of a cell as the chart reads them: quietly, 0 for what is no number.
long long IntegerOf(const std::string& text);
double NumberOf(const std::string& text);
// A count as a label shows it, so that a huge one cannot overflow the format.
int Shown(long long value);

// Deletes the row the user selected, or tells them to select one first.
// True when a row went.
bool DeleteSelectedRow(CWnd& dialog, AEditListCtrl& list);

// The errors of a table's rows: each column's own check (labels[c] names
// column c), then whether the stretch runs forward from column xStart to
// column xStart + 1. Empty when every row is right.
CString RowErrors(const AEditListCtrl& list, const omStringMatrix& table, const char* const labels[], int columns,
                  int xStart);

// True when a notification says a cell edit ended, after which the chart follows.
bool IsCellEditEnd(LPARAM lParam);

} // namespace designrows
