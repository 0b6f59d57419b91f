#include "app/dialogs/AOptionsSheet.h"

#include "app/shell/AOptionsAttributes.h"
#include "app/shell/AUnitKeyAttributes.h"
#include "app/views/ADrawAttributes.h"
#include "common/omUnitManager.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CFileDialog.h"

#include <cstdlib>
#include <string>
#include <vector>

IMPLEMENT_DYNAMIC(AOptionsSheet, ABasePropertySheet)

AOptionsSheet::AOptionsSheet(CWnd* pParentWnd, UINT iSelectPage)
    : ABasePropertySheet("Options", pParentWnd, iSelectPage) {}

AOptionsSheet::~AOptionsSheet() = default;

BOOL AOptionsSheet::RunOptions(UINT startPage) {
    AOptionsSheet sheet(nullptr, startPage);
    AOptionsUnitsPage units;
    AOptionsPrecisionPage precision;
    AOptionsGridUnitsPage grid;
    AOptionsPersonalizePage personalize;
    AOptionsSymAttributes symbols;
    AOptionsResultsPage results;
    sheet.AddPage(&units);
    sheet.AddPage(&precision);
    sheet.AddPage(&grid);
    sheet.AddPage(&personalize);
    sheet.AddPage(&symbols);
    sheet.AddPage(&results);
    if (sheet.DoModal() != IDOK) return FALSE;
    units.Apply();
    precision.Apply();
    personalize.Apply();
    grid.Apply();
    symbols.Apply();
    results.Apply();
    AOptionsAttributes::Instance()->Save();
    return TRUE;
}

// --- Units -------------------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(AOptionsUnitsPage, ABasePropertyPage)

BEGIN_MESSAGE_MAP(AOptionsUnitsPage, ABasePropertyPage)
ON_BN_CLICKED(1462, &AOptionsUnitsPage::OnMetricDefault)
ON_BN_CLICKED(1463, &AOptionsUnitsPage::OnImperialDefault)
END_MESSAGE_MAP()

const int AOptionsUnitsPage::kListIds[kQuantities] = {1043, 1054, 1053, 1052, 1051, 1055, 1056, 1046,
                                                      1047, 1048, 1049, 1050, 1044, 1045, 1057};

AOptionsUnitsPage::AOptionsUnitsPage() : ABasePropertyPage(IDD, 0) {}

AOptionsUnitsPage::~AOptionsUnitsPage() = default;

void AOptionsUnitsPage::DoDataExchange(CDataExchange* pDX) {
    ABasePropertyPage::DoDataExchange(pDX);
    for (int i = 0; i < kQuantities; ++i) {
        DDX_Control(pDX, kListIds[i], m_lists[static_cast<size_t>(i)]);
        if (pDX->m_bSaveAndValidate && m_bInitialized) {
            CComboBox& list = m_lists[static_cast<size_t>(i)];
            const int sel = list.GetCurSel();
            if (sel >= 0) list.GetLBText(sel, m_names[static_cast<size_t>(i)]);
        }
    }
}

BOOL AOptionsUnitsPage::OnInitDialog() {
    ABasePropertyPage::OnInitDialog();
    FillLists();
    m_bInitialized = true;
    return TRUE;
}

void AOptionsUnitsPage::FillLists() {
    AUnitKeyAttributes* keys = AUnitKeyAttributes::Instance();
    const omUnitManager* units = omUnitManager::Instance();
    for (int i = 0; i < kQuantities; ++i) {
        CComboBox& list = m_lists[static_cast<size_t>(i)];
        list.ResetContent();
        const omUnit* current = units->Unit(*keys->Field(i));
        std::vector<std::string> names;
        if (const omUnitGroup* group = units->Group(current->GetKey())) group->UnitList(names);
        for (const std::string& name : names)
            list.AddString(name.c_str());
        list.SelectString(-1, current->GetName().c_str());
        list.SetCurSel(list.FindStringExact(-1, current->GetName().c_str()));
        m_names[static_cast<size_t>(i)] = current->GetName();
    }
}

// The defaults take effect at once; a later Cancel keeps them.
void AOptionsUnitsPage::OnMetricDefault() {
    AUnitKeyAttributes::Instance()->SetMetricDefaults();
    FillLists();
}

void AOptionsUnitsPage::OnImperialDefault() {
    AUnitKeyAttributes::Instance()->SetImperialDefaults();
    FillLists();
}

void AOptionsUnitsPage::Apply() {
    if (!m_bInitialized) return;
    AUnitKeyAttributes* keys = AUnitKeyAttributes::Instance();
    const omUnitManager* units = omUnitManager::Instance();
    for (int i = 0; i < kQuantities; ++i)
        *keys->Field(i) = units->Key(m_names[static_cast<size_t>(i)]);
    keys->Save();
}

// --- Precision ---------------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(AOptionsPrecisionPage, ABasePropertyPage)

BEGIN_MESSAGE_MAP(AOptionsPrecisionPage, ABasePropertyPage)
ON_EN_CHANGE(1044, &AOptionsPrecisionPage::OnWorkingChanged)
ON_BN_CLICKED(1456, &AOptionsPrecisionPage::OnWorkingChanged)
ON_BN_CLICKED(1458, &AOptionsPrecisionPage::OnWorkingChanged)
ON_BN_CLICKED(1459, &AOptionsPrecisionPage::OnWorkingChanged)
ON_BN_CLICKED(1451, &AOptionsPrecisionPage::OnWorkingChanged)
ON_EN_CHANGE(1045, &AOptionsPrecisionPage::OnOutputChanged)
ON_BN_CLICKED(1453, &AOptionsPrecisionPage::OnOutputChanged)
ON_BN_CLICKED(1440, &AOptionsPrecisionPage::OnOutputChanged)
ON_BN_CLICKED(1452, &AOptionsPrecisionPage::OnOutputChanged)
ON_BN_CLICKED(1455, &AOptionsPrecisionPage::OnOutputChanged)
END_MESSAGE_MAP()

const double AOptionsPrecisionPage::kSamples[3] = {0.0007800123488, 1.39003421678935, 947381322.3342421};

AOptionsPrecisionPage::AOptionsPrecisionPage() : ABasePropertyPage(IDD, 0) {
    const AOptionsAttributes* options = AOptionsAttributes::Instance();
    const omNumberFormat& out = options->outputFormat;
    const omNumberFormat& work = options->workFormat;
    m_nOutDigits = static_cast<int>(out.getDigits());
    m_nOutStyle = static_cast<int>(out.getType());
    m_bOutDeleteZeros = out.getDeleteZeros() ? 1 : 0;
    m_bFilter = out.getSmallAsZero() ? 1 : 0;
    m_dLimit = out.getLimit();
    m_nWorkDigits = static_cast<int>(work.getDigits());
    m_nWorkStyle = static_cast<int>(work.getType());
    m_bWorkDeleteZeros = work.getDeleteZeros() ? 1 : 0;
}

AOptionsPrecisionPage::~AOptionsPrecisionPage() = default;

void AOptionsPrecisionPage::DoDataExchange(CDataExchange* pDX) {
    ABasePropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, 1450, m_workSpin);
    DDX_Control(pDX, 1454, m_outSpin);
    DDX_Radio(pDX, 1456, m_nWorkStyle);
    DDX_Text(pDX, 1044, m_nWorkDigits);
    DDV_MinMaxInt(pDX, m_nWorkDigits, 3, 8);
    DDX_Check(pDX, 1451, m_bWorkDeleteZeros);
    DDX_Radio(pDX, 1453, m_nOutStyle);
    DDX_Text(pDX, 1045, m_nOutDigits);
    DDV_MinMaxInt(pDX, m_nOutDigits, 3, 10);
    DDX_Check(pDX, 1455, m_bOutDeleteZeros);
    DDX_Check(pDX, 1593, m_bFilter);
    DDX_Text(pDX, 1594, m_dLimit);
    DDV_MinMaxDouble(pDX, m_dLimit, 0.0, 0.01);
    m_bExchanged = true;
}

BOOL AOptionsPrecisionPage::OnInitDialog() {
    m_bRefilling = true; // loading the edits reports changes that are no user's
    ABasePropertyPage::OnInitDialog();
    m_workSpin.SetRange32(3, 8);
    m_outSpin.SetRange32(3, 10);
    // The ranges took the spins' positions, and with them the edits' numbers: show the values again.
    UpdateData(FALSE);
    m_bRefilling = false;
    FillSamples(true);
    FillSamples(false);
    return TRUE;
}

void AOptionsPrecisionPage::FillSamples(bool working) {
    const omNumberFormat format =
        working ? omNumberFormat(static_cast<unsigned>(m_nWorkDigits), omNumberFormat::Type(m_nWorkStyle),
                                 m_bWorkDeleteZeros != 0, false, 1e-12)
                : omNumberFormat(static_cast<unsigned>(m_nOutDigits), omNumberFormat::Type(m_nOutStyle),
                                 m_bOutDeleteZeros != 0, false, 1e-12);
    const int working_ids[3] = {1046, 1047, 1460};
    const int output_ids[3] = {1461, 1050, 1051};
    for (int i = 0; i < 3; ++i)
        SetDlgItemText(working ? working_ids[i] : output_ids[i], format.CConvert(kSamples[i]).c_str());
}

// The group's controls as they stand. While the digits are being typed they may
// be out of range for a moment: the samples then stay, without a message (the
// range message comes when the page is left or OK is pressed).
void AOptionsPrecisionPage::Refill(bool working) {
    if (!m_bExchanged || m_bRefilling) return;
    const int digitsId = working ? 1044 : 1045;
    const int high = working ? 8 : 10;
    const CString text = GetDlgItemText(digitsId);
    char* end = nullptr;
    const long digits = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0' || digits < 3 || digits > high) return;
    const int styleIds[2][3] = {{1456, 1458, 1459}, {1453, 1440, 1452}};
    int style = working ? m_nWorkStyle : m_nOutStyle;
    for (int i = 0; i < 3; ++i)
        if (IsDlgButtonChecked(styleIds[working ? 0 : 1][i])) style = i;
    const int zeroes = IsDlgButtonChecked(working ? 1451 : 1455) ? 1 : 0;
    m_bRefilling = true;
    if (working) {
        m_nWorkDigits = static_cast<int>(digits);
        m_nWorkStyle = style;
        m_bWorkDeleteZeros = zeroes;
    } else {
        m_nOutDigits = static_cast<int>(digits);
        m_nOutStyle = style;
        m_bOutDeleteZeros = zeroes;
    }
    FillSamples(working);
    m_bRefilling = false;
}

void AOptionsPrecisionPage::OnWorkingChanged() {
    Refill(true);
}

void AOptionsPrecisionPage::OnOutputChanged() {
    Refill(false);
}

void AOptionsPrecisionPage::Apply() {
    AOptionsAttributes* options = AOptionsAttributes::Instance();
    options->outputFormat =
        omNumberFormat(static_cast<unsigned>(m_nOutDigits), omNumberFormat::Type(m_nOutStyle),
                       m_bOutDeleteZeros != 0, m_bFilter != 0, m_dLimit);
    options->workFormat =
        omNumberFormat(static_cast<unsigned>(m_nWorkDigits), omNumberFormat::Type(m_nWorkStyle),
                       m_bWorkDeleteZeros != 0, m_bFilter != 0, m_dLimit);
}

// --- Grid & Snap -------------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(AOptionsGridUnitsPage, ABasePropertyPage)

BEGIN_MESSAGE_MAP(AOptionsGridUnitsPage, ABasePropertyPage)
ON_BN_CLICKED(1390, &AOptionsGridUnitsPage::OnUnitType)
ON_BN_CLICKED(1391, &AOptionsGridUnitsPage::OnUnitType)
END_MESSAGE_MAP()

namespace {

struct GridSize {
    const char* text;
    double value;
};

const GridSize kMetricSizes[] = {{"100", 100},  {"50", 50},   {"10", 10},   {"5", 5},
                                 {"4", 4},      {"2", 2},     {"1", 1},     {"1/2", 0.5},
                                 {"1/4", 0.25}, {"1/5", 0.2}, {"1/10", 0.1}};
const GridSize kImperialSizes[] = {{"12", 12},       {"10", 10},       {"6", 6},         {"4", 4},
                                   {"3", 3},         {"2", 2},         {"1", 1},         {"1/2", 1.0 / 2},
                                   {"1/3", 1.0 / 3}, {"1/4", 1.0 / 4}, {"1/6", 1.0 / 6}, {"1/12", 1.0 / 12}};

const GridSize* SizeTable(int unitType, int& count) {
    if (unitType == 1) {
        count = static_cast<int>(std::size(kImperialSizes));
        return kImperialSizes;
    }
    count = static_cast<int>(std::size(kMetricSizes));
    return kMetricSizes;
}

// The last entry of the table whose value equals value exactly; -1 when none does.
int MatchSize(int unitType, double value) {
    int count = 0;
    const GridSize* table = SizeTable(unitType, count);
    int found = -1;
    for (int i = 0; i < count; ++i)
        if (table[i].value == value) found = i;
    return found;
}

} // namespace

AOptionsGridUnitsPage::AOptionsGridUnitsPage() : ABasePropertyPage(IDD, 0) {
    const AOptionsAttributes* options = AOptionsAttributes::Instance();
    m_nUnitType = options->gridUnitType == 1 ? 1 : 0;
    m_colorMajor = options->gridColorMajor;
    m_colorMinor = options->gridColorMinor;
    m_nGridOption = !options->showGridMajor ? 2 : options->showGridMinor ? 1 : 0;
}

AOptionsGridUnitsPage::~AOptionsGridUnitsPage() = default;

int AOptionsGridUnitsPage::SizeCount(int unitType) {
    int count = 0;
    SizeTable(unitType, count);
    return count;
}

const char* AOptionsGridUnitsPage::SizeText(int unitType, int index) {
    int count = 0;
    const GridSize* table = SizeTable(unitType, count);
    return index >= 0 && index < count ? table[index].text : "";
}

double AOptionsGridUnitsPage::SizeValue(int unitType, int index) {
    int count = 0;
    const GridSize* table = SizeTable(unitType, count);
    return index >= 0 && index < count ? table[index].value : 1.0;
}

void AOptionsGridUnitsPage::DoDataExchange(CDataExchange* pDX) {
    ABasePropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, 1043, m_majorUnit);
    DDX_Control(pDX, 1044, m_minorUnit);
    DDX_Control(pDX, 1045, m_majorSize);
    DDX_Control(pDX, 1046, m_minorSize);
    DDX_Radio(pDX, 1390, m_nUnitType);
    DDX_Radio(pDX, 1442, m_nGridOption);
    DDX_ColorWell(pDX, 1447, m_majorColor, m_colorMajor);
    DDX_ColorWell(pDX, 1446, m_minorColor, m_colorMinor);
    if (pDX->m_bSaveAndValidate && m_bInitialized) {
        m_nMajorSize = m_majorSize.GetCurSel();
        m_nMinorSize = m_minorSize.GetCurSel();
        if (m_majorUnit.GetCurSel() >= 0) m_majorUnit.GetLBText(m_majorUnit.GetCurSel(), m_strMajorUnit);
        if (m_minorUnit.GetCurSel() >= 0) m_minorUnit.GetLBText(m_minorUnit.GetCurSel(), m_strMinorUnit);
    }
}

BOOL AOptionsGridUnitsPage::OnInitDialog() {
    ABasePropertyPage::OnInitDialog();
    FillLists(m_nUnitType);
    m_bInitialized = true;
    return TRUE;
}

void AOptionsGridUnitsPage::OnUnitType() {
    m_nUnitType = IsDlgButtonChecked(1391) ? 1 : 0;
    FillLists(m_nUnitType);
}

void AOptionsGridUnitsPage::FillLists(int shownType) {
    const AOptionsAttributes* options = AOptionsAttributes::Instance();
    const bool imperial = shownType == 1;
    const char* const unitNames[2] = {imperial ? "ft" : "m", imperial ? "in" : "cm"};
    for (CComboBox* list : {&m_majorUnit, &m_minorUnit}) {
        list->ResetContent();
        for (const char* name : unitNames)
            list->AddString(name);
    }
    for (CComboBox* list : {&m_majorSize, &m_minorSize}) {
        list->ResetContent();
        for (int i = 0; i < SizeCount(shownType); ++i)
            list->AddString(SizeText(shownType, i));
    }
    int major = -1;
    int minor = -1;
    if (static_cast<int>(options->gridUnitType) == shownType) {
        major = MatchSize(shownType, options->gridSizeMajor);
        minor = MatchSize(shownType, options->gridSizeMinor);
    }
    m_nMajorSize = major >= 0 ? major : 6;
    m_nMinorSize = minor >= 0 ? minor : (imperial ? 4 : 3);
    m_majorSize.SetCurSel(m_nMajorSize);
    m_minorSize.SetCurSel(m_nMinorSize);
    const omUnitManager* units = omUnitManager::Instance();
    const auto select = [](CComboBox& list, const std::string& name, const char* fallback, CString& chosen) {
        int at = list.FindStringExact(-1, name.c_str());
        if (at < 0) at = list.FindStringExact(-1, fallback);
        list.SetCurSel(at);
        list.GetLBText(at, chosen);
    };
    select(m_majorUnit, units->Unit(options->gridUnitMajor)->GetName(), unitNames[0], m_strMajorUnit);
    select(m_minorUnit, units->Unit(options->gridUnitMinor)->GetName(), unitNames[1], m_strMinorUnit);
}

void AOptionsGridUnitsPage::Apply() {
    if (!m_bInitialized) return;
    AOptionsAttributes* options = AOptionsAttributes::Instance();
    const omUnitManager* units = omUnitManager::Instance();
    const omUnitKey major = units->Key(m_strMajorUnit);
    const omUnitKey minor = units->Key(m_strMinorUnit);
    options->gridUnitMajor = major == omUK_NoUnit ? omUK_m : major;
    options->gridUnitMinor = minor == omUK_NoUnit ? omUK_cm : minor;
    options->gridSizeMajor = SizeValue(m_nUnitType, m_nMajorSize);
    options->gridSizeMinor = SizeValue(m_nUnitType, m_nMinorSize);
    options->gridUnitType = static_cast<std::uint32_t>(m_nUnitType);
    options->showGridMajor = m_nGridOption != 2;
    options->showGridMinor = m_nGridOption == 1;
    options->gridColorMajor = m_colorMajor;
    options->gridColorMinor = m_colorMinor;
}

// --- Personalize -------------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(AOptionsPersonalizePage, ABasePropertyPage)

BEGIN_MESSAGE_MAP(AOptionsPersonalizePage, ABasePropertyPage)
ON_BN_CLICKED(1048, &AOptionsPersonalizePage::OnBrowseBigLogo)
ON_BN_CLICKED(1049, &AOptionsPersonalizePage::OnBrowseSmallLogo)
END_MESSAGE_MAP()

const char* const AOptionsPersonalizePage::kLogoFilter =
    "Device Independent Bitmaps (*.BMP)|*.bmp|Windows Metafiles (*.WMF)|*.wmf|Enhanced Metafiles "
    "(*.EMF)|*.EMF||";

AOptionsPersonalizePage::AOptionsPersonalizePage() : ABasePropertyPage(IDD, 0) {
    const AOptionsAttributes* options = AOptionsAttributes::Instance();
    m_strAuthor = options->author;
    m_strCompany = options->company;
    m_strBigLogo = options->bigLogo;
    m_strSmallLogo = options->smallLogo;
}

AOptionsPersonalizePage::~AOptionsPersonalizePage() = default;

void AOptionsPersonalizePage::DoDataExchange(CDataExchange* pDX) {
    ABasePropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, 1044, m_strAuthor);
    DDX_Text(pDX, 1045, m_strCompany);
    DDX_Text(pDX, 1046, m_strBigLogo);
    DDX_Text(pDX, 1047, m_strSmallLogo);
}

void AOptionsPersonalizePage::Browse(CString& logo) {
    CFileDialog dialog(TRUE, nullptr, logo.c_str(), OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, kLogoFilter, this);
    if (dialog.DoModal() != IDOK) return;
    UpdateData(TRUE);
    logo = dialog.GetPathName();
    UpdateData(FALSE);
}

void AOptionsPersonalizePage::OnBrowseBigLogo() {
    Browse(m_strBigLogo);
}

void AOptionsPersonalizePage::OnBrowseSmallLogo() {
    Browse(m_strSmallLogo);
}

void AOptionsPersonalizePage::Apply() {
    AOptionsAttributes* options = AOptionsAttributes::Instance();
    options->author = m_strAuthor;
    options->company = m_strCompany;
    options->smallLogo = m_strSmallLogo;
    options->bigLogo = m_strBigLogo;
}

// --- Symbol Settings ---------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(AOptionsSymAttributes, ABasePropertyPage)

// Selection; node line, label text, label area; linear and non-linear element,
// element label text and area; load line, label area, uniform and temperature area.
const int AOptionsSymAttributes::kColorIds[kColors] = {1476, 1477, 1479, 1478, 1475, 1472,
                                                       1473, 1474, 1468, 1469, 1470, 1471};

namespace {

std::array<COLORREF*, AOptionsSymAttributes::kColors> SymbolColors(ADrawAttributes& a) {
    return {&a.m_selectionColor,     &a.m_nodeLineColor,        &a.m_nodeLabelTextColor,
            &a.m_nodeLabelAreaColor, &a.m_elemLineColor,        &a.m_elemQuentraLineColor,
            &a.m_elemLabelTextColor, &a.m_elemLabelAreaColor,   &a.m_loadLineColor,
            &a.m_loadLabelAreaColor, &a.m_loadUniformAreaColor, &a.m_loadTemperatureAreaColor};
}

} // namespace

AOptionsSymAttributes::AOptionsSymAttributes() : ABasePropertyPage(IDD, 0) {
    ADrawAttributes* attributes = ADrawAttributes::Instance();
    m_strFontName = attributes->m_fontName;
    m_bElementAsRect = attributes->m_showElementAsRect ? 1 : 0;
    const auto colors = SymbolColors(*attributes);
    for (int i = 0; i < kColors; ++i)
        m_colors[static_cast<size_t>(i)] = *colors[static_cast<size_t>(i)];
}

AOptionsSymAttributes::~AOptionsSymAttributes() = default;

void AOptionsSymAttributes::DoDataExchange(CDataExchange* pDX) {
    ABasePropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, 1467, m_fontList);
    if (pDX->m_bSaveAndValidate) {
        if (const int sel = m_fontList.GetCurSel(); sel >= 0) m_fontList.GetLBText(sel, m_strFontName);
    }
    DDX_Check(pDX, 1466, m_bElementAsRect);
    for (int i = 0; i < kColors; ++i)
        DDX_ColorWell(pDX, kColorIds[i], m_wells[static_cast<size_t>(i)], m_colors[static_cast<size_t>(i)]);
}

BOOL AOptionsSymAttributes::OnInitDialog() {
    ABasePropertyPage::OnInitDialog();
    m_fontList.Initialize(AOptionsAttributes::Instance()->characterSet, false, true, false);
    m_fontList.SetFontInUse(m_strFontName);
    return TRUE;
}

void AOptionsSymAttributes::Apply() {
    ADrawAttributes* attributes = ADrawAttributes::Instance();
    attributes->m_fontName = m_strFontName;
    attributes->m_showElementAsRect = m_bElementAsRect != 0;
    const auto colors = SymbolColors(*attributes);
    for (int i = 0; i < kColors; ++i)
        *colors[static_cast<size_t>(i)] = m_colors[static_cast<size_t>(i)];
    attributes->Save();
}

// --- Analysis ----------------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(AOptionsResultsPage, ABasePropertyPage)

AOptionsResultsPage::AOptionsResultsPage() : ABasePropertyPage(IDD, 0) {
    const AOptionsAttributes* options = AOptionsAttributes::Instance();
    m_nMaxIterations = static_cast<int>(options->maxIterations);
    m_dPrecision = options->displacementPrecision;
    m_nPolynomDegree = static_cast<int>(options->polynomDegree);
    m_nInternalPoints = static_cast<int>(options->internalPoints);
    m_nDefaultElement = options->defaultElement == 0 ? 0 : 1;
}

AOptionsResultsPage::~AOptionsResultsPage() = default;

void AOptionsResultsPage::DoDataExchange(CDataExchange* pDX) {
    ABasePropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, 1588, m_iterationSpin);
    DDX_Control(pDX, 1607, m_degreeSpin);
    DDX_Control(pDX, 1494, m_pointsSpin);
    DDX_Text(pDX, 1586, m_nMaxIterations);
    DDV_MinMaxInt(pDX, m_nMaxIterations, 3, 30);
    DDX_Text(pDX, 1589, m_dPrecision);
    DDV_MinMaxDouble(pDX, m_dPrecision, 1e-8, 0.1);
    DDX_Text(pDX, 1606, m_nPolynomDegree);
    DDV_MinMaxInt(pDX, m_nPolynomDegree, 2, 8);
    DDX_Text(pDX, 1044, m_nInternalPoints);
    DDV_MinMaxInt(pDX, m_nInternalPoints, 2, 19);
    DDX_Radio(pDX, 1660, m_nDefaultElement);
}

BOOL AOptionsResultsPage::OnInitDialog() {
    ABasePropertyPage::OnInitDialog();
    // The spins reach a little past or short of what the exchange accepts: their ranges are the template's.
    m_iterationSpin.SetRange32(3, 20);
    m_degreeSpin.SetRange32(2, 8);
    m_pointsSpin.SetRange32(2, 20);
    UpdateData(FALSE);
    return TRUE;
}

void AOptionsResultsPage::Apply() {
    AOptionsAttributes* options = AOptionsAttributes::Instance();
    options->maxIterations = static_cast<std::uint32_t>(m_nMaxIterations);
    options->displacementPrecision = m_dPrecision;
    options->polynomDegree = static_cast<std::uint32_t>(m_nPolynomDegree);
    options->internalPoints = static_cast<std::uint32_t>(m_nInternalPoints);
    options->defaultElement = static_cast<std::uint32_t>(m_nDefaultElement);
}
