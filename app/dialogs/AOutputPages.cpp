#include "app/dialogs/AOutputPages.h"

#include "app/report/omOutputLocaleDB.h"
#include "app/shell/AOptionsAttributes.h"
#include "app/shell/AUnitKeyAttributes.h"
#include "common/omUnitManager.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CResources.h"
#include "resources/ui/StrakonResources.h"

#include <algorithm>
#include <cstdio>

namespace {

// The pages' templates join the resources with the first page made, so that a
// sheet works without the program's start-up.
void RegisterTemplates() {
    if (!CResources::Instance().FindDialog(AOutputGeneralPP::IDD)) AddOutputDialogs(CResources::Instance());
}

int ToInt(bool value) {
    return value ? 1 : 0;
}

// Selects the entry that equals the value. A value that no entry holds stays
// the list's value: it is added as an entry of its own, so that OK without an
// edit gives it back unchanged.
void SelectOrKeep(CComboBox& list, const CString& value) {
    int index = list.FindStringExact(-1, value.c_str());
    if (index < 0 && !value.empty()) index = list.AddString(value.c_str());
    list.SetCurSel(index);
}

// The selected entry; the value as it was when nothing is selected.
void ReadSelection(const CComboBox& list, CString& value) {
    const int index = list.GetCurSel();
    if (index >= 0) list.GetLBText(index, value);
}

// A face whether installed or not: a stored face stays the page's value.
void ShowFace(CFontCombo& combo, const CString& face) {
    if (face.empty())
        combo.SetCurSel(-1);
    else
        combo.SetFontInUse(face);
}

bool SameNames(std::vector<std::string> a, std::vector<std::string> b) {
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return a == b;
}

// A name list through its list box. Saving keeps the list's own order when the
// box holds the same names, so that visiting the page changes nothing.
void ExchangeNames(CDataExchange* pDX, int id, std::vector<std::string>* names) {
    if (!names) return;
    if (!pDX->m_bSaveAndValidate) {
        DDX_LBStringVector(pDX, id, *names);
        return;
    }
    std::vector<std::string> shown;
    DDX_LBStringVector(pDX, id, shown);
    if (!SameNames(shown, *names)) *names = std::move(shown);
}

} // namespace

void MoveListBoxItems(CListBox& source, CListBox& target, bool all) {
    const int count = source.GetCount();
    if (count <= 0) return;
    if (all) source.SetSel(-1, TRUE);
    std::vector<int> selected;
    for (int i = 0; i < count; ++i)
        if (source.GetSel(i) > 0) selected.push_back(i);
    for (auto it = selected.rbegin(); it != selected.rend(); ++it) {
        CString text;
        source.GetText(*it, text);
        target.AddString(text.c_str());
        source.DeleteString(static_cast<UINT>(*it));
    }
}

// --- General ------------------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(AOutputGeneralPP, ABasePropertyPage)

BEGIN_MESSAGE_MAP(AOutputGeneralPP, ABasePropertyPage)
END_MESSAGE_MAP()

namespace {
const int kFontIds[3] = {1044, 1043, 1045};
const int kSizeIds[3] = {1384, 1385, 1386};
} // namespace

const std::vector<const char*>& AOutputGeneralPP::CaptionSizes() {
    static const std::vector<const char*> sizes = {"10", "11", "12", "13", "14", "15"};
    return sizes;
}

const std::vector<const char*>& AOutputGeneralPP::HeadSizes() {
    static const std::vector<const char*> sizes = {"9", "10", "11", "12", "13"};
    return sizes;
}

const std::vector<const char*>& AOutputGeneralPP::NormalSizes() {
    static const std::vector<const char*> sizes = {"8", "9", "10", "11", "12"};
    return sizes;
}

AOutputGeneralPP::AOutputGeneralPP() : ABasePropertyPage(IDD, 0) {
    RegisterTemplates();
}

AOutputGeneralPP::~AOutputGeneralPP() = default;

void AOutputGeneralPP::SetAttributes(AOutputAttributes& attributes) {
    m_pAttributes = &attributes;
    m_strCaptionFont = attributes.m_strCaptionFont;
    m_strCaptionSize = attributes.m_strCaptionSize;
    m_strHeadFont = attributes.m_strHeadFont;
    m_strHeadSize = attributes.m_strHeadSize;
    m_strNormalFont = attributes.m_strNormalFont;
    m_strNormalSize = attributes.m_strNormalSize;
    m_strTableStyle = attributes.m_strTableStyle;
    m_strLanguage = attributes.m_strLanguage;
    m_nPicPosition = attributes.m_nPicPosition;
    m_bPicBorder = ToInt(attributes.m_bPicBorder);
    m_bPicCenter = ToInt(attributes.m_bPicCenter);
    m_nColorType = attributes.m_nColorType;
    m_bMirrorMargins = ToInt(attributes.m_bMirrorMargins);
    m_bGDIPrintFix = ToInt(attributes.m_bGDIPrintFix);
}

void AOutputGeneralPP::ApplyAttributes() {
    if (!m_pAttributes) return;
    AOutputAttributes& a = *m_pAttributes;
    a.m_strCaptionFont = m_strCaptionFont;
    a.m_strCaptionSize = m_strCaptionSize;
    a.m_strHeadFont = m_strHeadFont;
    a.m_strHeadSize = m_strHeadSize;
    a.m_strNormalFont = m_strNormalFont;
    a.m_strNormalSize = m_strNormalSize;
    a.m_strTableStyle = m_strTableStyle;
    a.m_strLanguage = m_strLanguage;
    a.m_nPicPosition = m_nPicPosition;
    a.m_bPicBorder = m_bPicBorder != 0;
    a.m_bPicCenter = m_bPicCenter != 0;
    a.m_nColorType = m_nColorType;
    a.m_bMirrorMargins = m_bMirrorMargins != 0;
    a.m_bGDIPrintFix = m_bGDIPrintFix != 0;
}

void AOutputGeneralPP::DoDataExchange(CDataExchange* pDX) {
    ABasePropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, kFontIds[0], m_captionFont);
    DDX_Control(pDX, kFontIds[1], m_headFont);
    DDX_Control(pDX, kFontIds[2], m_normalFont);
    for (int i = 0; i < 3; ++i)
        DDX_Control(pDX, kSizeIds[i], m_sizes[static_cast<size_t>(i)]);
    DDX_Control(pDX, 1046, m_tableStyle);
    DDX_Control(pDX, 1592, m_language);
    DDX_Radio(pDX, 1366, m_nPicPosition);
    DDX_Check(pDX, 1387, m_bPicBorder);
    DDX_Check(pDX, 1393, m_bPicCenter);
    DDX_Radio(pDX, 1394, m_nColorType);
    DDX_Check(pDX, 1400, m_bMirrorMargins);
    DDX_Check(pDX, 1464, m_bGDIPrintFix);
    // The lists are filled by the initialisation, after the first exchange.
    if (!m_bFilled) return;
    CFontCombo* fonts[3] = {&m_captionFont, &m_headFont, &m_normalFont};
    CString* faces[3] = {&m_strCaptionFont, &m_strHeadFont, &m_strNormalFont};
    CString* sizes[3] = {&m_strCaptionSize, &m_strHeadSize, &m_strNormalSize};
    if (pDX->m_bSaveAndValidate) {
        for (int i = 0; i < 3; ++i) {
            ReadSelection(*fonts[i], *faces[i]);
            ReadSelection(m_sizes[static_cast<size_t>(i)], *sizes[i]);
        }
        ReadSelection(m_tableStyle, m_strTableStyle);
        ReadSelection(m_language, m_strLanguage);
        return;
    }
    for (int i = 0; i < 3; ++i) {
        ShowFace(*fonts[i], *faces[i]);
        SelectOrKeep(m_sizes[static_cast<size_t>(i)], *sizes[i]);
    }
    SelectOrKeep(m_tableStyle, m_strTableStyle);
    // The exact name first; a name that begins with it only when none is equal.
    int language = m_language.FindStringExact(-1, m_strLanguage.c_str());
    if (language < 0 && !m_strLanguage.empty()) language = m_language.FindString(-1, m_strLanguage.c_str());
    if (language < 0 && !m_strLanguage.empty()) language = m_language.AddString(m_strLanguage.c_str());
    m_language.SetCurSel(language);
}

BOOL AOutputGeneralPP::OnInitDialog() {
    ABasePropertyPage::OnInitDialog();
    const BYTE charSet = AOptionsAttributes::Instance()->characterSet;
    m_captionFont.Initialize(charSet, false, true, false);
    m_headFont.Initialize(charSet, false, true, false);
    m_normalFont.Initialize(charSet, false, true, false);
    const std::vector<const char*>* sizes[3] = {&CaptionSizes(), &HeadSizes(), &NormalSizes()};
    for (size_t i = 0; i < 3; ++i) {
        m_sizes[i].ResetContent();
        for (const char* size : *sizes[i])
            m_sizes[i].AddString(size);
    }
    m_tableStyle.ResetContent();
    for (const char* style : AOutputAttributes::kTableStyles)
        m_tableStyle.AddString(style);
    m_language.ResetContent();
    for (const std::string& name : omOutputLocaleDB::Instance()->GetLanguages())
        m_language.AddString(name.c_str());
    m_bFilled = true;
    UpdateData(FALSE);
    return TRUE;
}

// --- Front Page ---------------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(AOutputFrontPagePP, ABasePropertyPage)

BEGIN_MESSAGE_MAP(AOutputFrontPagePP, ABasePropertyPage)
END_MESSAGE_MAP()

AOutputFrontPagePP::AOutputFrontPagePP() : ABasePropertyPage(IDD, 0) {
    RegisterTemplates();
}

AOutputFrontPagePP::~AOutputFrontPagePP() = default;

void AOutputFrontPagePP::SetAttributes(AOutputAttributes& attributes, ADocAttributes& description) {
    m_pAttributes = &attributes;
    m_pDescription = &description;
    m_bPrintFrontPage = ToInt(attributes.m_bPrintFrontPage);
    m_bPrintTitle = ToInt(attributes.m_bPrintTitle);
    m_bPrintSubtitle = ToInt(attributes.m_bPrintSubtitle);
    m_bPrintText = ToInt(attributes.m_bPrintText);
    m_bPrintKeywords = ToInt(attributes.m_bPrintKeywords);
    m_bPrintLogo = ToInt(attributes.m_bPrintLogo);
    m_bPrintInvestor = ToInt(attributes.m_bPrintInvestor);
    m_bPrintAuthor = ToInt(attributes.m_bPrintAuthor);
    m_bPrintFile = ToInt(attributes.m_bPrintFile);
    m_bPrintProject = ToInt(attributes.m_bPrintProject);
    m_strFrontPageFont = attributes.m_strFrontPageFont;
    m_strTitle = description.title;
    m_strSubtitle = description.subtitle;
    m_strProject = description.project;
    m_strInvestor = description.investor;
    m_strAuthor = description.author;
    m_strFile = description.file;
    m_strKeywords = description.keywords;
    m_strComment = description.comment;
    m_strLogo = AOptionsAttributes::Instance()->bigLogo;
}

void AOutputFrontPagePP::ApplyAttributes() {
    if (m_pAttributes) {
        AOutputAttributes& a = *m_pAttributes;
        a.m_bPrintFrontPage = m_bPrintFrontPage != 0;
        a.m_bPrintTitle = m_bPrintTitle != 0;
        a.m_bPrintSubtitle = m_bPrintSubtitle != 0;
        a.m_bPrintText = m_bPrintText != 0;
        a.m_bPrintKeywords = m_bPrintKeywords != 0;
        a.m_bPrintLogo = m_bPrintLogo != 0;
        a.m_bPrintInvestor = m_bPrintInvestor != 0;
        a.m_bPrintAuthor = m_bPrintAuthor != 0;
        a.m_bPrintFile = m_bPrintFile != 0;
        a.m_bPrintProject = m_bPrintProject != 0;
        a.m_strFrontPageFont = m_strFrontPageFont;
    }
    if (m_pDescription) {
        ADocAttributes& d = *m_pDescription;
        d.title = m_strTitle;
        d.subtitle = m_strSubtitle;
        d.project = m_strProject;
        d.investor = m_strInvestor;
        d.author = m_strAuthor;
        d.keywords = m_strKeywords;
        d.comment = m_strComment;
    }
}

void AOutputFrontPagePP::DoDataExchange(CDataExchange* pDX) {
    ABasePropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, 1407, m_font);
    DDX_Check(pDX, 1383, m_bPrintFrontPage);
    DDX_Check(pDX, 1373, m_bPrintTitle);
    DDX_Check(pDX, 1374, m_bPrintSubtitle);
    DDX_Check(pDX, 1375, m_bPrintText);
    DDX_Check(pDX, 1376, m_bPrintKeywords);
    DDX_Check(pDX, 1377, m_bPrintLogo);
    DDX_Check(pDX, 1378, m_bPrintInvestor);
    DDX_Check(pDX, 1380, m_bPrintAuthor);
    DDX_Check(pDX, 1381, m_bPrintFile);
    DDX_Check(pDX, 1382, m_bPrintProject);
    DDX_Text(pDX, 1044, m_strTitle);
    DDX_Text(pDX, 1048, m_strSubtitle);
    DDX_Text(pDX, 1368, m_strLogo);
    DDX_Text(pDX, 1052, m_strProject);
    DDX_Text(pDX, 1045, m_strInvestor);
    DDX_Text(pDX, 1049, m_strAuthor);
    DDX_Text(pDX, 1051, m_strFile);
    DDX_Text(pDX, 1047, m_strKeywords);
    DDX_Text(pDX, 1365, m_strComment);
    if (!m_bFilled) return;
    if (pDX->m_bSaveAndValidate)
        ReadSelection(m_font, m_strFrontPageFont);
    else
        ShowFace(m_font, m_strFrontPageFont);
}

BOOL AOutputFrontPagePP::OnInitDialog() {
    ABasePropertyPage::OnInitDialog();
    m_font.Initialize(AOptionsAttributes::Instance()->characterSet, false, true, false);
    m_bFilled = true;
    ShowFace(m_font, m_strFrontPageFont);
    return TRUE;
}

// --- Header & Footer ----------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(AOutputHeadFootPP, ABasePropertyPage)

BEGIN_MESSAGE_MAP(AOutputHeadFootPP, ABasePropertyPage)
END_MESSAGE_MAP()

AOutputHeadFootPP::AOutputHeadFootPP() : ABasePropertyPage(IDD, 0) {
    RegisterTemplates();
}

AOutputHeadFootPP::~AOutputHeadFootPP() = default;

void AOutputHeadFootPP::SetAttributes(AOutputAttributes& attributes) {
    m_pAttributes = &attributes;
    m_strHeadLeft = attributes.m_strHeadLeft;
    m_strHeadMiddle = attributes.m_strHeadMiddle;
    m_strHeadRight = attributes.m_strHeadRight;
    m_strFootLeft = attributes.m_strFootLeft;
    m_strFootMiddle = attributes.m_strFootMiddle;
    m_strFootRight = attributes.m_strFootRight;
}

void AOutputHeadFootPP::ApplyAttributes() {
    if (!m_pAttributes) return;
    m_pAttributes->m_strHeadLeft = m_strHeadLeft;
    m_pAttributes->m_strHeadMiddle = m_strHeadMiddle;
    m_pAttributes->m_strHeadRight = m_strHeadRight;
    m_pAttributes->m_strFootLeft = m_strFootLeft;
    m_pAttributes->m_strFootMiddle = m_strFootMiddle;
    m_pAttributes->m_strFootRight = m_strFootRight;
}

void AOutputHeadFootPP::DoDataExchange(CDataExchange* pDX) {
    ABasePropertyPage::DoDataExchange(pDX);
    DDX_Text(pDX, 1047, m_strHeadLeft);
    DDX_Text(pDX, 1048, m_strHeadMiddle);
    DDX_Text(pDX, 1044, m_strHeadRight);
    DDX_Text(pDX, 1053, m_strFootLeft);
    DDX_Text(pDX, 1054, m_strFootMiddle);
    DDX_Text(pDX, 1052, m_strFootRight);
}

// --- Margins ------------------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(AOutputMarginsPP, ABasePropertyPage)

BEGIN_MESSAGE_MAP(AOutputMarginsPP, ABasePropertyPage)
END_MESSAGE_MAP()

const std::array<int, AOutputAttributes::marginCount> AOutputMarginsPP::kEditIds = {
    1398, 1396, 1397, 1399, 1400, 1401, 1404, 1402, 1403, 1405, 1406, 1407};

AOutputMarginsPP::AOutputMarginsPP() : ABasePropertyPage(IDD, 0) {
    RegisterTemplates();
    for (omUnitValue& margin : m_margins)
        margin = omUnitValue(0.0, omUK_cm);
}

AOutputMarginsPP::~AOutputMarginsPP() = default;

void AOutputMarginsPP::SetAttributes(AOutputAttributes& attributes) {
    m_pAttributes = &attributes;
    const omUnitKey unit = AUnitKeyAttributes::Instance()->length;
    using A = AOutputAttributes;
    m_margins[A::topStd] = attributes.GetTopMarginStd(unit);
    m_margins[A::leftStd] = attributes.GetLeftMarginStd(unit);
    m_margins[A::rightStd] = attributes.GetRightMarginStd(unit);
    m_margins[A::bottomStd] = attributes.GetBottomMarginStd(unit);
    m_margins[A::headStd] = attributes.GetHeadMarginStd(unit);
    m_margins[A::footStd] = attributes.GetFootMarginStd(unit);
    m_margins[A::topSec] = attributes.GetTopMarginSec(unit);
    m_margins[A::leftSec] = attributes.GetLeftMarginSec(unit);
    m_margins[A::rightSec] = attributes.GetRightMarginSec(unit);
    m_margins[A::bottomSec] = attributes.GetBottomMarginSec(unit);
    m_margins[A::headSec] = attributes.GetHeadMarginSec(unit);
    m_margins[A::footSec] = attributes.GetFootMarginSec(unit);
    m_shown = m_margins;
}

void AOutputMarginsPP::ApplyAttributes() {
    if (!m_pAttributes) return;
    // A margin as it was shown keeps its stored value, which the conversion to
    // the shown unit and back could change in its last digit.
    for (size_t i = 0; i < m_margins.size(); ++i)
        if (!(m_margins[i].GetKey() == m_shown[i].GetKey() &&
              m_margins[i].GetValue() == m_shown[i].GetValue()))
            m_pAttributes->m_margins[i] = m_margins[i];
}

void AOutputMarginsPP::DoDataExchange(CDataExchange* pDX) {
    ABasePropertyPage::DoDataExchange(pDX);
    const int digits = static_cast<int>(AOptionsAttributes::Instance()->workFormat.getDigits());
    for (size_t i = 0; i < m_margins.size(); ++i) {
        omUnitValue& margin = m_margins[i];
        DDX_UnitEdit(pDX, kEditIds[i], margin, 1, digits, &m_units, i == 0);
        if (!pDX->m_bSaveAndValidate) continue;
        // A margin beyond the range would leave the page no body, or move it off the sheet.
        const double cm = margin.Get(omUK_cm);
        if (cm >= 0.0 && cm <= kMaxMarginCm) continue;
        const omUnitKey shown = margin.GetKey();
        const CString unit = omUnitManager::Instance()->Unit(shown)->GetName();
        char message[160];
        std::snprintf(message, sizeof message, "Please enter a margin between 0 and %s %s.",
                      AfxFormatDouble(omUnitValue(kMaxMarginCm, omUK_cm).Get(shown), 6).c_str(),
                      unit.c_str());
        AfxMessageBox(message, MB_ICONEXCLAMATION);
        pDX->Fail();
    }
}

// --- Description --------------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(AOutputDescriptionPP, ABasePropertyPage)

BEGIN_MESSAGE_MAP(AOutputDescriptionPP, ABasePropertyPage)
END_MESSAGE_MAP()

AOutputDescriptionPP::AOutputDescriptionPP() : ABasePropertyPage(IDD, 0) {
    RegisterTemplates();
}

AOutputDescriptionPP::~AOutputDescriptionPP() = default;

void AOutputDescriptionPP::SetAttributes(AOutputStructureAttributes& attributes) {
    m_pAttributes = &attributes;
    m_bUseDescription = ToInt(attributes.m_bUseDescription);
    m_strDescription = attributes.m_strDescription;
}

void AOutputDescriptionPP::ApplyAttributes() {
    if (!m_pAttributes) return;
    m_pAttributes->m_bUseDescription = m_bUseDescription != 0;
    m_pAttributes->m_strDescription = m_strDescription;
}

void AOutputDescriptionPP::DoDataExchange(CDataExchange* pDX) {
    ABasePropertyPage::DoDataExchange(pDX);
    DDX_Check(pDX, 1596, m_bUseDescription);
    DDX_Text(pDX, 1595, m_strDescription);
}

// --- The pages with name lists ------------------------------------------------------------------------

IMPLEMENT_DYNAMIC(AOutputListPage, ABasePropertyPage)

AOutputListPage::AOutputListPage(UINT nIDTemplate, const std::array<int, 6>& listIds)
    : ABasePropertyPage(nIDTemplate, 0), m_listIds(listIds) {
    RegisterTemplates();
}

AOutputListPage::~AOutputListPage() = default;

BOOL AOutputListPage::OnInitDialog() {
    ReconcileLists();
    return ABasePropertyPage::OnInitDialog();
}

void AOutputListPage::DoDataExchange(CDataExchange* pDX) {
    ABasePropertyPage::DoDataExchange(pDX);
    DDX_Control(pDX, m_listIds[0], m_print);
    DDX_Control(pDX, m_listIds[1], m_dontPrint);
    ExchangeNames(pDX, m_listIds[0], m_pPrint);
    ExchangeNames(pDX, m_listIds[1], m_pDontPrint);
}

BOOL AOutputListPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (lParam != 0 && HIWORD(wParam) == BN_CLICKED) {
        // A switch over the button's place, not a table of member-function
        // pointers: GCC's bounds check computes a wrong index for a call through
        // such a table and the sanitizer build then stops at the first click.
        const int id = LOWORD(wParam);
        const auto button = std::find(m_listIds.begin() + 2, m_listIds.end(), id) - (m_listIds.begin() + 2);
        switch (button) {
        case 0: OnMoveRight(); return TRUE;
        case 1: OnMoveLeft(); return TRUE;
        case 2: OnMoveAllRight(); return TRUE;
        case 3: OnMoveAllLeft(); return TRUE;
        default: break;
        }
    }
    return ABasePropertyPage::OnCommand(wParam, lParam);
}

void AOutputListPage::OnMoveRight() {
    MoveListBoxItems(m_print, m_dontPrint, false);
}

void AOutputListPage::OnMoveLeft() {
    MoveListBoxItems(m_dontPrint, m_print, false);
}

void AOutputListPage::OnMoveAllRight() {
    MoveListBoxItems(m_print, m_dontPrint, true);
}

void AOutputListPage::OnMoveAllLeft() {
    MoveListBoxItems(m_dontPrint, m_print, true);
}

// --- Geometry & Load ----------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(AOutputGeometryLoadPP, AOutputListPage)

AOutputGeometryLoadPP::AOutputGeometryLoadPP() : AOutputListPage(IDD, {1574, 1569, 1570, 1571, 1572, 1573}) {}

AOutputGeometryLoadPP::~AOutputGeometryLoadPP() = default;

void AOutputGeometryLoadPP::SetAttributes(AOutputAttributes& attributes, AOutputStructureAttributes& lists,
                                          const omLoadManager* loads) {
    m_pAttributes = &attributes;
    m_pLists = &lists;
    m_pLoadManager = loads;
    m_pPrint = &lists.m_printedActions;
    m_pDontPrint = &lists.m_unprintedActions;
    m_bGeometryPic = ToInt(attributes.m_bGeometryPic);
    m_nNodeTabType = attributes.m_nNodeTabType;
    m_nElementTabType = attributes.m_nElementTabType;
    m_nCSTabType = attributes.m_nCSTabType;
    m_nMaterialTabType = attributes.m_nMaterialTabType;
    m_bLoadCaseTab = ToInt(attributes.m_bLoadCaseTab);
    m_bActionPic = ToInt(attributes.m_bActionPic);
    m_bActionTab = ToInt(attributes.m_bActionTab);
    m_bActionPicSec = ToInt(attributes.m_bActionPicSec);
}

void AOutputGeometryLoadPP::ApplyAttributes() {
    if (!m_pAttributes) return;
    AOutputAttributes& a = *m_pAttributes;
    a.m_bGeometryPic = m_bGeometryPic != 0;
    a.m_nNodeTabType = m_nNodeTabType;
    a.m_nElementTabType = m_nElementTabType;
    a.m_nCSTabType = m_nCSTabType;
    a.m_nMaterialTabType = m_nMaterialTabType;
    a.m_bLoadCaseTab = m_bLoadCaseTab != 0;
    a.m_bActionPic = m_bActionPic != 0;
    a.m_bActionTab = m_bActionTab != 0;
    a.m_bActionPicSec = m_bActionPicSec != 0;
}

void AOutputGeometryLoadPP::DoDataExchange(CDataExchange* pDX) {
    AOutputListPage::DoDataExchange(pDX);
    DDX_Check(pDX, 1416, m_bGeometryPic);
    DDX_Radio(pDX, 1417, m_nNodeTabType);
    DDX_Radio(pDX, 1369, m_nElementTabType);
    DDX_Radio(pDX, 1372, m_nCSTabType);
    DDX_Radio(pDX, 1375, m_nMaterialTabType);
    DDX_Check(pDX, 1402, m_bLoadCaseTab);
    DDX_Check(pDX, 1419, m_bActionPic);
    DDX_Check(pDX, 1401, m_bActionTab);
    DDX_Check(pDX, 1406, m_bActionPicSec);
}

void AOutputGeometryLoadPP::ReconcileLists() {
    if (m_pLists && m_pLoadManager) m_pLists->UpdateActionLists(*m_pLoadManager);
}

// --- Results ------------------------------------------------------------------------------------------

IMPLEMENT_DYNCREATE(AOutputResultsPP, AOutputListPage)

const int AOutputResultsPP::kResultIds[AOutputAttributes::resultKindCount]
                                      [AOutputAttributes::resultPictureCount] = {
                                          {1390, 1396, 1418, 1412}, {1391, 1400, 1419, 1413},
                                          {1392, 1401, 1420, 1403}, {1393, 1402, 1421, 1404},
                                          {1394, 1406, 1422, 1405}, {1395, 1409, 1423, 1414},
                                          {1415, 1416, 1424, 1417}};

AOutputResultsPP::AOutputResultsPP() : AOutputListPage(IDD, {1408, 1407, 1575, 1397, 1398, 1399}) {
    for (auto& row : m_bResult)
        std::fill(std::begin(row), std::end(row), 1);
    for (int k = 0; k < AOutputAttributes::resultKindCount; ++k)
        m_bResult[k][AOutputAttributes::picSec] = 0;
}

AOutputResultsPP::~AOutputResultsPP() = default;

void AOutputResultsPP::SetAttributes(AOutputAttributes& attributes, AOutputStructureAttributes& lists,
                                     const omLoadManager* loads) {
    m_pAttributes = &attributes;
    m_pLists = &lists;
    m_pLoadManager = loads;
    m_pPrint = &lists.m_printedResults;
    m_pDontPrint = &lists.m_unprintedResults;
    for (int k = 0; k < AOutputAttributes::resultKindCount; ++k)
        for (int p = 0; p < AOutputAttributes::resultPictureCount; ++p)
            m_bResult[k][p] = ToInt(attributes.m_bResult[k][p]);
    m_bDisplTab = ToInt(attributes.m_bDisplTab);
    m_bReactionsTab = ToInt(attributes.m_bReactionsTab);
    m_bIntForcesTab = ToInt(attributes.m_bIntForcesTab);
    m_bEnvelopesTab = ToInt(attributes.m_bEnvelopesTab);
    m_bDesignResults = ToInt(attributes.m_bDesignResults);
}

void AOutputResultsPP::ApplyAttributes() {
    if (!m_pAttributes) return;
    AOutputAttributes& a = *m_pAttributes;
    for (int k = 0; k < AOutputAttributes::resultKindCount; ++k)
        for (int p = 0; p < AOutputAttributes::resultPictureCount; ++p)
            a.m_bResult[k][p] = m_bResult[k][p] != 0;
    a.m_bDisplTab = m_bDisplTab != 0;
    a.m_bReactionsTab = m_bReactionsTab != 0;
    a.m_bIntForcesTab = m_bIntForcesTab != 0;
    a.m_bEnvelopesTab = m_bEnvelopesTab != 0;
    a.m_bDesignResults = m_bDesignResults != 0;
}

void AOutputResultsPP::DoDataExchange(CDataExchange* pDX) {
    AOutputListPage::DoDataExchange(pDX);
    for (int k = 0; k < AOutputAttributes::resultKindCount; ++k)
        for (int p = 0; p < AOutputAttributes::resultPictureCount; ++p)
            DDX_Check(pDX, kResultIds[k][p], m_bResult[k][p]);
    DDX_Check(pDX, 1410, m_bDisplTab);
    DDX_Check(pDX, 1411, m_bReactionsTab);
    DDX_Check(pDX, 1389, m_bIntForcesTab);
    DDX_Check(pDX, 1425, m_bEnvelopesTab);
    DDX_Check(pDX, 1726, m_bDesignResults);
}

void AOutputResultsPP::ReconcileLists() {
    if (m_pLists && m_pLoadManager) m_pLists->UpdateResultLists(*m_pLoadManager);
}
