#pragma once
// The Options sheet and its six pages. Each page keeps its values in members
// (the Units page reads the unit keys when its window is made); after OK the
// options command lets every page apply its values, in a fixed order, and then
// saves the options. The Units and Grid pages apply only when the user opened
// them; the other four always do.
#include "common/omNumberFormat.h"
#include "controls/CFontCombo.h"
#include "framework/ABaseDialog.h"
#include "platform/ui/CColorWell.h"

#include <array>

class AOptionsSheet : public ABasePropertySheet {
    DECLARE_DYNAMIC(AOptionsSheet)
public:
    explicit AOptionsSheet(CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~AOptionsSheet() override;

    // The options command's use of the sheet: the six pages, shown modally; on OK
    // every page applies and the options are saved. TRUE after OK. The caller
    // updates its views. The sheet opens on startPage.
    static BOOL RunOptions(UINT startPage = 0);
};

class AOptionsUnitsPage : public ABasePropertyPage {
    DECLARE_DYNCREATE(AOptionsUnitsPage)
public:
    enum { IDD = 200 };
    static constexpr int kQuantities = 15;
    // The list of each quantity, in the order of the unit-key fields.
    static const int kListIds[kQuantities];

    AOptionsUnitsPage();
    ~AOptionsUnitsPage() override;

    BOOL OnInitDialog() override;
    void OnMetricDefault();
    void OnImperialDefault();
    // When the page was opened: each list's unit becomes its quantity's unit; then the unit keys are saved.
    void Apply();
    bool IsInitialized() const { return m_bInitialized; }

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    DECLARE_MESSAGE_MAP()

private:
    void FillLists();
    std::array<CComboBox, kQuantities> m_lists;
    std::array<CString, kQuantities> m_names;
    bool m_bInitialized = false;
};

class AOptionsPrecisionPage : public ABasePropertyPage {
    DECLARE_DYNCREATE(AOptionsPrecisionPage)
public:
    enum { IDD = 202 };
    // The values the sample fields show, in their order.
    static const double kSamples[3];

    AOptionsPrecisionPage();
    ~AOptionsPrecisionPage() override;

    BOOL OnInitDialog() override;
    void OnWorkingChanged();
    void OnOutputChanged();
    // Always: both formats, with the one filter switch and limit.
    void Apply();

    int m_nWorkDigits = 4;
    int m_nWorkStyle = 0;
    int m_bWorkDeleteZeros = 0;
    int m_nOutDigits = 4;
    int m_nOutStyle = 0;
    int m_bOutDeleteZeros = 0;
    int m_bFilter = 0;
    double m_dLimit = 0.0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    DECLARE_MESSAGE_MAP()

private:
    void FillSamples(bool working);
    void Refill(bool working);
    CSpinButtonCtrl m_workSpin;
    CSpinButtonCtrl m_outSpin;
    bool m_bExchanged = false;
    bool m_bRefilling = false;
};

class AOptionsGridUnitsPage : public ABasePropertyPage {
    DECLARE_DYNCREATE(AOptionsGridUnitsPage)
public:
    enum { IDD = 201 };

    AOptionsGridUnitsPage();
    ~AOptionsGridUnitsPage() override;

    // The size table of a unit type: the texts and the values.
    static int SizeCount(int unitType);
    static const char* SizeText(int unitType, int index);
    static double SizeValue(int unitType, int index);

    BOOL OnInitDialog() override;
    void OnUnitType();
    // When the page was opened: units, sizes, unit type, the shown grids and the colours.
    void Apply();
    bool IsInitialized() const { return m_bInitialized; }

    int m_nUnitType = 0;
    int m_nGridOption = 1;
    COLORREF m_colorMajor = 0;
    COLORREF m_colorMinor = 0;
    int m_nMajorSize = 6;
    int m_nMinorSize = 3;
    CString m_strMajorUnit;
    CString m_strMinorUnit;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    DECLARE_MESSAGE_MAP()

private:
    void FillLists(int shownType);
    CComboBox m_majorUnit;
    CComboBox m_minorUnit;
    CComboBox m_majorSize;
    CComboBox m_minorSize;
    CColorWell m_majorColor;
    CColorWell m_minorColor;
    bool m_bInitialized = false;
};

class AOptionsPersonalizePage : public ABasePropertyPage {
    DECLARE_DYNCREATE(AOptionsPersonalizePage)
public:
    enum { IDD = 203 };
    static const char* const kLogoFilter;

    AOptionsPersonalizePage();
    ~AOptionsPersonalizePage() override;

    void OnBrowseBigLogo();
    void OnBrowseSmallLogo();
    void Apply();

    CString m_strAuthor;
    CString m_strCompany;
    CString m_strBigLogo;
    CString m_strSmallLogo;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    DECLARE_MESSAGE_MAP()

private:
    void Browse(CString& logo);
};

class AOptionsSymAttributes : public ABasePropertyPage {
    DECLARE_DYNCREATE(AOptionsSymAttributes)
public:
    enum { IDD = 209 };
    static constexpr int kColors = 12;
    static const int kColorIds[kColors];

    AOptionsSymAttributes();
    ~AOptionsSymAttributes() override;

    BOOL OnInitDialog() override;
    // Copies the font, the switch and the colours back and saves the display attributes.
    void Apply();

    CString m_strFontName;
    int m_bElementAsRect = 0;
    std::array<COLORREF, kColors> m_colors{};

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CFontCombo m_fontList;
    std::array<CColorWell, kColors> m_wells;
};

class AOptionsResultsPage : public ABasePropertyPage {
    DECLARE_DYNCREATE(AOptionsResultsPage)
public:
    enum { IDD = 130 };

    AOptionsResultsPage();
    ~AOptionsResultsPage() override;

    BOOL OnInitDialog() override;
    void Apply();

    int m_nMaxIterations = 15;
    double m_dPrecision = 0.0001;
    int m_nPolynomDegree = 4;
    int m_nInternalPoints = 9;
    int m_nDefaultElement = 1;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CSpinButtonCtrl m_iterationSpin;
    CSpinButtonCtrl m_degreeSpin;
    CSpinButtonCtrl m_pointsSpin;
};
