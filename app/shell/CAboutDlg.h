#pragma once
// The about box: the product line with the program version and the build line
// with the product version of the program's version block.
#include "framework/ABaseDialog.h"

class CAboutDlg : public ABaseDialog {
    DECLARE_DYNAMIC(CAboutDlg)
public:
    enum { IDD = 100 };
    static constexpr int IDC_PRODUCT_LINE = 1731;
    static constexpr int IDC_BUILD_LINE = 1661;
    // The program version the product line shows.
    static constexpr double kProgramVersion = 2.0;

    explicit CAboutDlg(CWnd* pParent = nullptr);
    ~CAboutDlg() override;

    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    CStatic m_productLine;
    CStatic m_buildLine;
};
