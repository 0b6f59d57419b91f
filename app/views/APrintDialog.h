#pragma once
// The print dialog of the graphic views: the platform's print dialog offering
// the pages from 1 to the report's page count (the view sets the count once
// the report is laid out).
#include "platform/ui/CPrintInfo.h"

class APrintDialog : public CPrintDialog {
public:
    APrintDialog(BOOL printSetupOnly, DWORD flags = PD_NOSELECTION, CWnd* parent = nullptr);
    ~APrintDialog() override;
    // The printer's Properties button is hidden and disabled.
    BOOL OnInitDialog() override;
};
