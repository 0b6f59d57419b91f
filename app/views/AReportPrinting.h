#pragma once
// Printing the structure document's report from any of its views: the report
// is composed for the default printer before the print dialog, so that the
// dialog can offer its real page range, and each page is then printed from the
// composer.
class AZoomViewDocument;
class CDC;
class CPrintInfo;
class CView;

namespace reportprinting {

// Composes the report and runs the view's print preparation with the page
// count; FALSE when there is no printer, no report or the user cancels.
int Prepare(CView& view, AZoomViewDocument* doc, CPrintInfo* pInfo);
void PrintPage(AZoomViewDocument* doc, CDC* pDC, CPrintInfo* pInfo);
void End(AZoomViewDocument* doc);

} // namespace reportprinting
