#include "app/design/ADesignView.h"

#include "app/design/ADesignSupportWidthDlg.h"
#include "app/design/SafetyFactorsPages.h"
#include "app/shell/AStrakonDocument.h"
#include "app/views/ADesignElement.h"
#include "app/views/AReportPrinting.h"
#include "app/views/AStrakon.h"
#include "model/omDesignElement.h"
#include "model/omCrossSectionMap.h"
#include "model/omElementMap.h"
#include "model/omMaterialMap.h"
#include "model/omGenericDesignData.h"
#include "model/omLoadCase.h"
#include "model/omLoadManager.h"
#include "platform/core/CArchive.h"
#include "platform/gdi/CDC.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CDialogTemplate.h"
#include "platform/ui/CDocTemplate.h"
#include "platform/ui/CPrintInfo.h"
#include "platform/ui/CWinApp.h"
#include "platform/ui/DlgUi.h"
#include "resources/ui/StrakonDesignIds.h"
#include "resources/ui/StrakonResourceIds.h"

#include <algorithm>
#include <memory>
#include <set>

namespace {

constexpr int kHintAll = 0;
constexpr int kHintLoadCases = 4000;
constexpr int kHintDesignData = 6000;

std::vector<std::uint8_t> recordOf(const omGenericDesignData& data) {
    std::unique_ptr<omGenericDesignData> copy(data.clone());
    CArchive ar(CArchive::store);
    copy->Serialize(ar);
    return ar.Detach();
}

bool sameFactors(const SafetyFactorsEC2& a, const SafetyFactorsEC2& b) {
    return a.m_steelServiceability == b.m_steelServiceability &&
           a.m_steelUltimatePermanent == b.m_steelUltimatePermanent &&
           a.m_steelUltimateAccidental == b.m_steelUltimateAccidental &&
           a.m_steelUltimateSeismic == b.m_steelUltimateSeismic &&
           a.m_concreteServiceability == b.m_concreteServiceability &&
           a.m_concreteUltimatePermanent == b.m_concreteUltimatePermanent &&
           a.m_concreteUltimateAccidental == b.m_concreteUltimateAccidental &&
           a.m_concreteUltimateSeismic == b.m_concreteUltimateSeismic;
}

bool sameFactors(const SafetyFactorsEC3& a, const SafetyFactorsEC3& b) {
    return a.m_gammaM0 == b.m_gammaM0 && a.m_gammaM1 == b.m_gammaM1 && a.m_gammaM2 == b.m_gammaM2 &&
           a.m_psiVec == b.m_psiVec;
}

} // namespace

IMPLEMENT_DYNCREATE(ADesignView, CView)

BEGIN_MESSAGE_MAP(ADesignView, CView)
ON_COMMAND(ID_DESIGN_ALL, &ADesignView::OnDesignAll)
ON_UPDATE_COMMAND_UI(ID_DESIGN_ALL, &ADesignView::OnUpdateResultsValid)
ON_COMMAND(ID_DESIGN_CURRENT, &ADesignView::OnDesignThisElement)
ON_UPDATE_COMMAND_UI(ID_DESIGN_CURRENT, &ADesignView::OnUpdateResultsValid)
ON_COMMAND(ID_SAFETY_FACTORS, &ADesignView::OnSafetyFactors)
ON_UPDATE_COMMAND_UI(ID_SAFETY_FACTORS, &ADesignView::OnUpdateAlways)
ON_COMMAND(ID_SUPPORT_WIDTHS, &ADesignView::OnSupportWidths)
ON_UPDATE_COMMAND_UI(ID_SUPPORT_WIDTHS, &ADesignView::OnUpdateAlways)
ON_COMMAND(ID_SHOW_SLS_RESULTS, &ADesignView::OnShowServiceability)
ON_UPDATE_COMMAND_UI(ID_SHOW_SLS_RESULTS, &ADesignView::OnUpdateShowServiceability)
ON_COMMAND(ID_SHOW_ULS_RESULTS, &ADesignView::OnShowUltimate)
ON_UPDATE_COMMAND_UI(ID_SHOW_ULS_RESULTS, &ADesignView::OnUpdateShowUltimate)
ON_UPDATE_COMMAND_UI(ID_FILE_PRINT, &ADesignView::OnUpdateResultsValid)
ON_UPDATE_COMMAND_UI(ID_FILE_PRINT_PREVIEW, &ADesignView::OnUpdateResultsValid)
ON_BN_CLICKED(IDC_SELECT, &ADesignView::OnSelect)
ON_BN_CLICKED(IDC_CLEAR_ALL, &ADesignView::OnClearAll)
ON_LBN_SELCHANGE(IDC_ULTIMATE_LIST, &ADesignView::OnUltimateListChange)
ON_LBN_SELCHANGE(IDC_SERVICEABILITY_LIST, &ADesignView::OnServiceabilityListChange)
ON_BN_CLICKED(IDC_ULTIMATE_CHECK, &ADesignView::OnUltimateCheck)
ON_BN_CLICKED(IDC_SERVICEABILITY_CHECK, &ADesignView::OnServiceabilityCheck)
ON_MESSAGE(TCM_TABSEL, &ADesignView::OnTabChanged)
END_MESSAGE_MAP()

ADesignView::ADesignView() = default;
ADesignView::~ADesignView() = default;

AStrakonDocument* ADesignView::GetDocument() const {
    return dynamic_cast<AStrakonDocument*>(m_pDocument);
}

ADesignElement* ADesignView::GetDesignElement() const {
    AStrakonDocument* doc = GetDocument();
    omElementMap* members = doc && doc->GetModel() ? doc->GetModel()->getElementMap() : nullptr;
    if (!members || m_nElement == 0) return nullptr;
    return dynamic_cast<ADesignElement*>(const_cast<omDesignElement*>(members->doFind(m_nElement)));
}

omGenericDesignData* ADesignView::GetDesignData() const {
    ADesignElement* element = GetDesignElement();
    return element ? element->getDesignData() : nullptr;
}

int ADesignView::DesignKindOf(const AStrakonDocument* doc, unsigned element) {
    const omStrakon* model = doc ? doc->GetModel() : nullptr;
    const omElementMap* members = model ? model->getElementMap() : nullptr;
    const omDesignElement* member = members && element ? members->doFind(element) : nullptr;
    const omMaterialMap* materials = model ? model->getMaterialMap() : nullptr;
    const omCrossSectionMap* sections = model ? model->getCrossSectionMap() : nullptr;
    if (!member || !materials || !sections) return omGenericDesignData::dtNone;
    return omGenericDesignData::getDesignDataType(materials->doFind(member->getMaterialIndex()),
                                                  sections->doFind(member->getCrossSectionIndex()));
}

int ADesignView::GetDesignKind() const {
    return DesignKindOf(GetDocument(), m_nElement);
}

bool ADesignView::AreResultsValid() const {
    AStrakonDocument* doc = GetDocument();
    return doc && doc->GetModel() && doc->GetModel()->areResultsValid();
}

bool ADesignView::SameDesignData(const omGenericDesignData* a, const omGenericDesignData* b) {
    if (!a || !b) return a == b;
    if (typeid(*a) != typeid(*b)) return false;
    return recordOf(*a) == recordOf(*b);
}

bool ADesignView::SubmitDesignData(const omGenericDesignData& copy) {
    AStrakonDocument* doc = GetDocument();
    if (!doc || !GetDesignElement() || SameDesignData(&copy, GetDesignData())) return false;
    doc->ChangeDesignData(m_nElement, &copy);
    return true;
}

bool ADesignView::CreateMissingDesignData() {
    AStrakonDocument* doc = GetDocument();
    ADesignElement* element = GetDesignElement();
    if (!doc || !element || element->getDesignData()) return false;
    std::unique_ptr<omGenericDesignData> data(
        omGenericDesignData::createDesignDataObject(static_cast<omGenericDesignData::Type>(GetDesignKind())));
    if (!data) return false;
    doc->ChangeDesignData(m_nElement, data.get());
    return true;
}

// --- the lists ---------------------------------------------------------------------------------------

void ADesignView::FillLoadCaseLists() {
    if (!m_ultimateList.GetSafeHwnd() || !m_serviceabilityList.GetSafeHwnd()) return;
    m_ultimateList.ResetContent();
    m_serviceabilityList.ResetContent();
    AStrakonDocument* doc = GetDocument();
    const omLoadManager* loads = doc && doc->GetModel() ? doc->GetModel()->getLoadManager() : nullptr;
    const omGenericDesignData* data = GetDesignData();
    if (loads) {
        for (int i = 1; i <= loads->caseSize(); ++i) {
            const omLoadCase* lc = loads->getCase(i);
            if (!lc || !(lc->isServiceability() || lc->isUltimate())) continue;
            const CString text = lc->getLSAndName();
            const int item = m_ultimateList.AddString(text);
            m_serviceabilityList.AddString(text);
            m_ultimateList.SetItemData(item, static_cast<DWORD_PTR>(i));
            m_serviceabilityList.SetItemData(item, static_cast<DWORD_PTR>(i));
            if (!data) continue;
            if (data->isSerLCActive(i)) m_serviceabilityList.SetSel(item, TRUE);
            if (data->isUltLCActive(i)) m_ultimateList.SetSel(item, TRUE);
        }
    }
    m_ultimateCheck.SetCheck(data && data->isUltDesign() ? BST_CHECKED : BST_UNCHECKED);
    m_serviceabilityCheck.SetCheck(data && data->isSerDesign() ? BST_CHECKED : BST_UNCHECKED);
    EnableDataChildren(data != nullptr);
}

void ADesignView::EnableDataChildren(bool enable) {
    for (CWnd* child : std::initializer_list<CWnd*>{&m_ultimateList, &m_serviceabilityList, &m_select, &m_clear,
                                                     &m_ultimateCheck, &m_serviceabilityCheck})
        if (child->GetSafeHwnd()) child->EnableWindow(enable);
}

void ADesignView::OnSelect() {
    AStrakonDocument* doc = GetDocument();
    const omGenericDesignData* data = GetDesignData();
    const omLoadManager* loads = doc && doc->GetModel() ? doc->GetModel()->getLoadManager() : nullptr;
    if (!data || !loads) return;
    // Only a case of the kind that is not yet chosen makes this a change.
    bool adds = false;
    for (int i = 1; i <= loads->caseSize() && !adds; ++i) {
        const omLoadCase* lc = loads->getCase(i);
        if (!lc || !(m_bUltimate ? lc->isUltimate() : lc->isServiceability())) continue;
        adds = !(m_bUltimate ? data->isUltLCActive(i) : data->isSerLCActive(i));
    }
    if (adds) doc->SelectDesignLoadCases(m_bUltimate, m_nElement, 0, nullptr);
}

void ADesignView::OnClearAll() {
    AStrakonDocument* doc = GetDocument();
    const omGenericDesignData* data = GetDesignData();
    if (!doc || !data) return;
    const std::vector<int>& chosen = m_bUltimate ? data->getUltLC() : data->getSerLC();
    if (!chosen.empty()) doc->SelectDesignLoadCases(m_bUltimate, m_nElement, 1, nullptr);
}

void ADesignView::OnUltimateListChange() {
    if (m_bUltimate) TakeListSelection(true);
}

void ADesignView::OnServiceabilityListChange() {
    if (!m_bUltimate) TakeListSelection(false);
}

void ADesignView::TakeListSelection(bool ultimate) {
    AStrakonDocument* doc = GetDocument();
    const omGenericDesignData* data = GetDesignData();
    if (!doc || !data) return;
    CListBox& list = ultimate ? m_ultimateList : m_serviceabilityList;
    std::vector<int> cases;
    for (int item = 0; item < list.GetCount(); ++item)
        if (list.GetSel(item) > 0) cases.push_back(static_cast<int>(list.GetItemData(item)));
    if (cases.empty()) {
        // Nothing is sent for an empty selection; the list shows again what the design uses.
        FillLoadCaseLists();
        return;
    }
    std::vector<int> chosen = ultimate ? data->getUltLC() : data->getSerLC();
    std::sort(chosen.begin(), chosen.end());
    std::vector<int> listed = cases;
    std::sort(listed.begin(), listed.end());
    if (listed == chosen) return;
    doc->SelectDesignLoadCases(ultimate, m_nElement, 2, &cases);
}

void ADesignView::OnUltimateCheck() {
    ToggleCheck(true);
}

void ADesignView::OnServiceabilityCheck() {
    ToggleCheck(false);
}

void ADesignView::ToggleCheck(bool ultimate) {
    const omGenericDesignData* data = GetDesignData();
    if (!data) return;
    CButton& box = ultimate ? m_ultimateCheck : m_serviceabilityCheck;
    const bool checked = box.GetCheck() == BST_CHECKED;
    std::unique_ptr<omGenericDesignData> copy(data->clone());
    if (ultimate)
        copy->setUltDesign(!checked);
    else
        copy->setSerDesign(!checked);
    if (!SubmitDesignData(*copy)) FillLoadCaseLists();
}

// --- the tab -----------------------------------------------------------------------------------------

LRESULT ADesignView::OnTabChanged(WPARAM wParam, LPARAM) {
    const int index = static_cast<int>(wParam);
    if (m_ultimateList.GetSafeHwnd()) m_ultimateList.ShowWindow(index != 1 ? SW_SHOW : SW_HIDE);
    if (m_serviceabilityList.GetSafeHwnd()) m_serviceabilityList.ShowWindow(index != 0 ? SW_SHOW : SW_HIDE);
    m_bUltimate = index == 0;
    if (m_select.GetSafeHwnd()) m_select.SetWindowText(index == 0 ? "Select [U]" : "Select [S]");
    Invalidate();
    return 0;
}

void ADesignView::OnShowServiceability() {
    if (m_tabs.GetSafeHwnd()) m_tabs.ActivateTab(1);
}

void ADesignView::OnShowUltimate() {
    if (m_tabs.GetSafeHwnd()) m_tabs.ActivateTab(0);
}

void ADesignView::OnUpdateShowServiceability(CCmdUI* pCmdUI) {
    pCmdUI->SetRadio(!m_bUltimate);
}

void ADesignView::OnUpdateShowUltimate(CCmdUI* pCmdUI) {
    pCmdUI->SetRadio(m_bUltimate);
}

// --- design commands ---------------------------------------------------------------------------------

void ADesignView::OnUpdateResultsValid(CCmdUI* pCmdUI) {
    pCmdUI->Enable(AreResultsValid());
}

void ADesignView::OnUpdateAlways(CCmdUI* pCmdUI) {
    pCmdUI->Enable(TRUE);
}

void ADesignView::OnDesignAll() {
    if (AStrakonDocument* doc = GetDocument(); doc && AreResultsValid()) doc->DesignAll();
}

void ADesignView::OnDesignThisElement() {
    AStrakonDocument* doc = GetDocument();
    if (!doc || !AreResultsValid()) return;
    doc->DesignElement(m_nElement);
    // Every view of the member (the summary too) shows the new results.
    doc->UpdateAllViews(nullptr, kHintDesignData + static_cast<LPARAM>(m_nElement), nullptr);
}

void ADesignView::OnSafetyFactors() {
    EditSafetyFactors(GetDocument());
}

bool ADesignView::EditSafetyFactors(AStrakonDocument* pCurrent) {
    ABasePropertySheet sheet("Safety Factors Used in Design ...", nullptr);
    SafetyFactorsEC2Page ec2;
    SafetyFactorsEC3Page ec3;
    SafetyFactorsEC* factors = SafetyFactorsEC::Instance();
    ec2.m_factors = factors->m_EC2;
    ec3.m_factors = factors->m_EC3;
    sheet.AddPage(&ec2);
    sheet.AddPage(&ec3);
    if (sheet.DoModal() != IDOK) return false;
    if (sameFactors(ec2.m_factors, factors->m_EC2) && sameFactors(ec3.m_factors, factors->m_EC3)) return false;
    // Saved at once, and every design shown is computed with the new factors.
    factors->Set(ec2.m_factors, ec3.m_factors);
    CWinApp* app = AfxGetApp();
    std::set<AStrakonDocument*> structures;
    if (pCurrent) structures.insert(pCurrent);
    if (app)
        for (POSITION t = app->GetFirstDocTemplatePosition(); t;)
            if (CDocTemplate* docTemplate = app->GetNextDocTemplate(t))
                for (POSITION d = docTemplate->GetFirstDocPosition(); d;)
                    if (auto* doc = dynamic_cast<AStrakonDocument*>(docTemplate->GetNextDoc(d)))
                        structures.insert(doc);
    for (AStrakonDocument* doc : structures)
        if (doc->GetModel() && doc->GetModel()->areResultsValid()) doc->DesignAll();
    return true;
}

void ADesignView::OnSupportWidths() {
    const omGenericDesignData* data = GetDesignData();
    if (!data) return;
    std::unique_ptr<omGenericDesignData> copy(data->clone());
    ADesignSupportWidthDlg dlg(this);
    const bool on = copy->isSupportWidth();
    dlg.m_nRadio = on ? 1 : 0;
    // The getters give -1 while the widths are switched off; the dialog shows what is stored.
    copy->enableSupportWidth(true);
    dlg.m_left = copy->getLeftSupportWidth();
    dlg.m_right = copy->getRightSupportWidth();
    copy->enableSupportWidth(on);
    if (dlg.DoModal() != IDOK) return;
    copy->enableSupportWidth(dlg.m_nRadio == 1);
    copy->setLeftSupportWidth(dlg.m_left);
    copy->setRightSupportWidth(dlg.m_right);
    SubmitDesignData(*copy);
}

// --- framework ---------------------------------------------------------------------------------------

void ADesignView::OnDraw(CDC*) {}

void ADesignView::UpdateAfterCommand(AStructureDocument*) {}

void ADesignView::OnUpdate(CView*, LPARAM lHint, CObject*) {
    const long long hint = static_cast<long long>(lHint);
    if (hint >= kHintDesignData) {
        // Another member's data changes nothing here.
        if (hint - kHintDesignData != static_cast<long long>(m_nElement)) return;
        FillLoadCaseLists();
        Invalidate();
        return;
    }
    // Every model command clears the results: whatever it announces, the picture is redrawn.
    if (hint == kHintAll || hint == kHintLoadCases) FillLoadCaseLists();
    Invalidate();
}

int ADesignView::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CView::OnCreate(lpCreateStruct) == -1) return -1;
    constexpr DWORD list = WS_CHILD | WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_MULTIPLESEL | LBS_NOTIFY;
    constexpr DWORD button = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
    constexpr DWORD check = WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_CHECKBOX;
    const bool ultimate = m_bUltimate;
    if (!m_ultimateList.CreateEx(0, WC_LISTBOX, "", list | (ultimate ? WS_VISIBLE : 0), 0, 0, 0, 0, this,
                                 IDC_ULTIMATE_LIST) ||
        !m_serviceabilityList.CreateEx(0, WC_LISTBOX, "", list | (ultimate ? 0 : WS_VISIBLE), 0, 0, 0, 0, this,
                                       IDC_SERVICEABILITY_LIST) ||
        !m_select.CreateEx(0, WC_BUTTON, "Select", button, 0, 0, 0, 0, this, IDC_SELECT) ||
        !m_clear.CreateEx(0, WC_BUTTON, "Clear All", button, 0, 0, 0, 0, this, IDC_CLEAR_ALL) ||
        !m_ultimateCheck.CreateEx(0, WC_BUTTON, "Check ultimate limit states.", check, 0, 0, 0, 0, this,
                                  IDC_ULTIMATE_CHECK) ||
        !m_serviceabilityCheck.CreateEx(0, WC_BUTTON, "Check serviceability limit states.", check, 0, 0, 0, 0,
                                        this, IDC_SERVICEABILITY_CHECK))
        return -1;
    if (!m_tabs.Create(this, WS_CHILD | WS_VISIBLE, IDC_DESIGN_TABS)) return -1;
    m_tabs.MoveWindow(0, 0, 300, kTabHeight);
    // The tabs only switch the lists: their own pages are empty.
    m_ultimatePage.CreateEx(0, nullptr, nullptr, WS_CHILD, 0, 0, 0, 0, &m_tabs, 0);
    m_serviceabilityPage.CreateEx(0, nullptr, nullptr, WS_CHILD, 0, 0, 0, 0, &m_tabs, 0);
    m_tabs.AddTab(&m_ultimatePage, "Ultimate");
    m_tabs.AddTab(&m_serviceabilityPage, "Serviceability");
    m_tabs.SetTabIcon(0, IDI_ULTIMATE_TAB, 16, 16);
    m_tabs.SetTabIcon(1, IDI_SERVICEABILITY_TAB, 16, 16);
    m_tabs.ActivateTab(ultimate ? 0 : 1);
    OnTabChanged(ultimate ? 0 : 1, 0);
    EnableDataChildren(false);
    return 0;
}

void ADesignView::OnSize(UINT nType, int cx, int cy) {
    CView::OnSize(nType, cx, cy);
    Layout(cx, cy);
}

void ADesignView::Layout(int cx, int cy) {
    const int W = std::max(cx, 0);
    const int H = std::max(cy, 0);
    m_client = CRect(0, 0, W, H);
    const int left = static_cast<int>(W * kWidthFraction);
    m_description = CRect(0, 0, left, static_cast<int>(H * 0.5));
    m_reinforcement = CRect(left, 0, W, static_cast<int>(H * kHeightFraction));
    m_listPanel = CRect(0, static_cast<int>(H * 0.5), left, H);
    m_chart = CRect(m_reinforcement.left, m_reinforcement.bottom, W, H);
    if (!m_select.GetSafeHwnd()) return;
    // Narrow windows would give negative sizes.
    auto place = [](CWnd& wnd, int x, int y, int w, int h) { wnd.MoveWindow(x, y, std::max(w, 0), std::max(h, 0)); };
    const CRect& p = m_listPanel;
    const CRect& d = m_description;
    place(m_tabs, p.left, p.top, p.right - p.left, kTabHeight);
    place(m_ultimateList, p.left, p.top + kTabHeight, p.right - p.left, p.bottom - 35 - (p.top + kTabHeight));
    place(m_serviceabilityList, p.left, p.top + kTabHeight, p.right - p.left, p.bottom - 35 - (p.top + kTabHeight));
    const int half = p.right / 2;
    int x = p.left + 15;
    place(m_select, x, p.bottom - 30, half - 13 - x, 25);
    x = half + 13;
    place(m_clear, x, p.bottom - 30, p.right - 15 - x, 25);
    x = d.left + 13;
    place(m_ultimateCheck, x, d.bottom - 55, d.right - 3 - x, 20);
    place(m_serviceabilityCheck, x, d.bottom - 30, d.right - 3 - x, 20);
}

// --- printing ----------------------------------------------------------------------------------------

void ADesignView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo) {
    if (pDC->IsPrinting()) {
        pDC->SetMapMode(MM_LOMETRIC);
        pDC->SetBkMode(TRANSPARENT);
        pDC->SetViewportOrg(0, 0);
    }
    CView::OnPrepareDC(pDC, pInfo);
}

BOOL ADesignView::OnPreparePrinting(CPrintInfo* pInfo) {
    if (!AreResultsValid()) return FALSE;
    return reportprinting::Prepare(*this, GetDocument(), pInfo);
}

void ADesignView::OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo) {
    CView::OnBeginPrinting(pDC, pInfo);
}

void ADesignView::OnPrint(CDC* pDC, CPrintInfo* pInfo) {
    reportprinting::PrintPage(GetDocument(), pDC, pInfo);
}

void ADesignView::OnEndPrinting(CDC* pDC, CPrintInfo* pInfo) {
    reportprinting::End(GetDocument());
    CView::OnEndPrinting(pDC, pInfo);
}
