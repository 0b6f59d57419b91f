#pragma once
// The two pages of the safety-factor sheet: the eight EC2 factors of the
// reinforced-concrete design and the four EC3 factors of the steel design. Each
// page edits its own copy, which the caller fills before the sheet and reads
// back after OK.
#include "app/design/SafetyFactorsEC.h"
#include "framework/ABaseDialog.h"

class SafetyFactorsEC2Page : public ABasePropertyPage {
    DECLARE_DYNCREATE(SafetyFactorsEC2Page)
public:
    enum { IDD = 265 };
    SafetyFactorsEC2Page();
    ~SafetyFactorsEC2Page() override;
    DWORD GetDialogID() override { return IDD; }

    SafetyFactorsEC2 m_factors;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

class SafetyFactorsEC3Page : public ABasePropertyPage {
    DECLARE_DYNCREATE(SafetyFactorsEC3Page)
public:
    enum { IDD = 287 };
    SafetyFactorsEC3Page();
    ~SafetyFactorsEC3Page() override;
    DWORD GetDialogID() override { return IDD; }

    SafetyFactorsEC3 m_factors;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
