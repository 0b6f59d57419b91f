// Dialog 199: the page of the element result sheet. The grid is a custom control of the grid's window class.
#include "resources/ui/StrakonResources.h"

#include "platform/ui/CResources.h"
#include "platform/ui/DlgUi.h"
#include "resources/ui/StrakonResourceIds.h"

void AddElementResultsDialog(CResources& r) {
    CDialogTemplate t;
    t.caption = "Element Results";
    t.style = WS_CHILD | WS_CAPTION | DS_SETFONT;
    t.cx = 300;
    t.cy = 200;
    t.items = {
        DlgLText("Element:", IDC_STATIC, 7, 8, 40, 8),
        DlgEditText(IDC_ELEMENT_RESULTS_ELEMENT, 50, 6, 243, 12, ES_AUTOHSCROLL | ES_READONLY),
        DlgLText("Number of significant digits:", IDC_STATIC, 7, 26, 100, 8),
        DlgEditText(IDC_ELEMENT_RESULTS_DIGITS, 110, 24, 30, 12, ES_AUTOHSCROLL | ES_NUMBER | WS_TABSTOP),
        DlgControl("", IDC_ELEMENT_RESULTS_DIGITS_SPIN, UPDOWN_CLASS,
                   UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_AUTOBUDDY | UDS_ARROWKEYS, 140, 24, 10, 12),
        DlgPushButton("All to clipboard", IDC_ELEMENT_RESULTS_COPY, 213, 23, 80, 14),
        DlgControl("", IDC_ELEMENT_RESULTS_GRID, "MFCGridCtrl", WS_TABSTOP | WS_BORDER, 7, 42, 286, 136),
        DlgLText("All displacements are in element local coordinate system.", IDC_STATIC, 7, 184, 286, 8),
    };
    r.AddDialog(IDD_ELEMENT_RESULTS, t);
}
