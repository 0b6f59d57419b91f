#include "app/views/AEnvelopeView.h"

#include "app/shell/AStrakonDocument.h"
#include "app/views/AStrakon.h"
#include "model/omEnvelope.h"
#include "model/omLoadCase.h"
#include "model/omLoadManager.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CDialogControls.h"
#include "resources/ui/StrakonLoadIds.h"

namespace {

constexpr LPARAM kHintEnvelopeFirst = 5100;
constexpr LPARAM kHintEnvelopeLast = 5999;

// The controls that only an envelope shown makes usable.
constexpr UINT kEnvelopeControls[] = {
    IDC_ENV_DELETE,         IDC_ENV_NAME,     IDC_ENV_MY,        IDC_ENV_FX,     IDC_ENV_FZ,
    IDC_ENV_PRESSURE,       IDC_ENV_FI,       IDC_ENV_UX,        IDC_ENV_UZ,     IDC_ENV_ULTIMATE,
    IDC_ENV_SERVICEABILITY, IDC_ENV_CREEPING, IDC_ENV_AUTOMATIC, IDC_ENV_MANUAL, IDC_ENV_SELECTED,
    IDC_ENV_NOT_SELECTED,   IDC_ENV_REMOVE,   IDC_ENV_ADD_CASES};
// The manual choice of load cases.
constexpr UINT kManualControls[] = {IDC_ENV_ADD_CASES, IDC_ENV_REMOVE, IDC_ENV_SELECTED,
                                    IDC_ENV_NOT_SELECTED};

omLoadManager* managerOf(AStrakonDocument* doc) {
    return doc && doc->GetModel() ? doc->GetModel()->getLoadManager() : nullptr;
}

} // namespace

IMPLEMENT_DYNCREATE(AEnvelopeView, CFormView)

BEGIN_MESSAGE_MAP(AEnvelopeView, CFormView)
ON_LBN_SELCHANGE(IDC_ENV_LIST, &AEnvelopeView::OnEnvelopeSelected)
ON_EN_CHANGE(IDC_ENV_NAME, &AEnvelopeView::OnNameChange)
ON_EN_KILLFOCUS(IDC_ENV_NAME, &AEnvelopeView::OnNameKillFocus)
ON_BN_CLICKED(IDC_ENV_ULTIMATE, &AEnvelopeView::OnFilters)
ON_BN_CLICKED(IDC_ENV_SERVICEABILITY, &AEnvelopeView::OnFilters)
ON_BN_CLICKED(IDC_ENV_CREEPING, &AEnvelopeView::OnFilters)
ON_BN_CLICKED(IDC_ENV_MY, &AEnvelopeView::OnQuantity)
ON_BN_CLICKED(IDC_ENV_FX, &AEnvelopeView::OnQuantity)
ON_BN_CLICKED(IDC_ENV_FZ, &AEnvelopeView::OnQuantity)
ON_BN_CLICKED(IDC_ENV_FI, &AEnvelopeView::OnQuantity)
ON_BN_CLICKED(IDC_ENV_UX, &AEnvelopeView::OnQuantity)
ON_BN_CLICKED(IDC_ENV_UZ, &AEnvelopeView::OnQuantity)
ON_BN_CLICKED(IDC_ENV_PRESSURE, &AEnvelopeView::OnQuantity)
ON_BN_CLICKED(IDC_ENV_AUTOMATIC, &AEnvelopeView::OnSelectionMode)
ON_BN_CLICKED(IDC_ENV_MANUAL, &AEnvelopeView::OnSelectionMode)
ON_BN_CLICKED(IDC_ENV_ADD_CASES, &AEnvelopeView::OnAddCases)
ON_BN_CLICKED(IDC_ENV_REMOVE, &AEnvelopeView::OnRemoveCases)
ON_BN_CLICKED(IDC_ENV_ADD, &AEnvelopeView::OnNewEnvelope)
ON_BN_CLICKED(IDC_ENV_DELETE, &AEnvelopeView::OnDeleteEnvelope)
END_MESSAGE_MAP()

AEnvelopeView::AEnvelopeView() : CFormView(IDD) {}
AEnvelopeView::~AEnvelopeView() = default;

AStrakonDocument* AEnvelopeView::GetDocument() const {
    return dynamic_cast<AStrakonDocument*>(CFormView::GetDocument());
}

void AEnvelopeView::DoDataExchange(CDataExchange* pDX) {
    CFormView::DoDataExchange(pDX);
    DDX_Radio(pDX, IDC_ENV_MY, m_quantity);
    DDX_Check(pDX, IDC_ENV_ULTIMATE, m_ultimate);
    DDX_Check(pDX, IDC_ENV_SERVICEABILITY, m_serviceability);
    DDX_Check(pDX, IDC_ENV_CREEPING, m_creeping);
    DDX_Radio(pDX, IDC_ENV_AUTOMATIC, m_selection);
}

CListBox* AEnvelopeView::List(UINT id) const {
    return dynamic_cast<CListBox*>(GetDlgItem(static_cast<int>(id)));
}

int AEnvelopeView::GetShownEnvelope() const {
    CListBox* list = List(IDC_ENV_LIST);
    return list ? list->GetCurSel() + 1 : 0;
}

CString AEnvelopeView::NameText() const {
    CWnd* edit = GetDlgItem(IDC_ENV_NAME);
    return edit ? edit->GetWindowText() : CString();
}

void AEnvelopeView::SetNameText(const char* text) {
    if (CWnd* edit = GetDlgItem(IDC_ENV_NAME)) edit->SetWindowText(text);
}

omEnvelope* AEnvelopeView::CurrentEnvelope() const {
    omLoadManager* manager = managerOf(GetDocument());
    const int n = GetShownEnvelope();
    if (!manager || n < 1 || n > manager->envelopeSize()) return nullptr;
    return manager->getEnvelope(static_cast<unsigned>(n));
}

void AEnvelopeView::Submit(const omEnvelope& copy) {
    if (AStrakonDocument* doc = GetDocument())
        doc->SetEnvelope(static_cast<unsigned>(GetShownEnvelope()), &copy);
}

// --- filling -----------------------------------------------------------------------------------------

void AEnvelopeView::FillEnvelopeList() {
    CListBox* list = List(IDC_ENV_LIST);
    omLoadManager* manager = managerOf(GetDocument());
    if (!list) return;
    list->ResetContent();
    if (!manager) return;
    for (int k = 1; k <= manager->envelopeSize(); ++k)
        list->AddString(manager->getEnvelope(static_cast<unsigned>(k))->name().c_str());
}

void AEnvelopeView::ShowEnvelope(int n) {
    omLoadManager* manager = managerOf(GetDocument());
    const omEnvelope* envelope = manager && n >= 1 && n <= manager->envelopeSize()
                                     ? manager->getEnvelope(static_cast<unsigned>(n))
                                     : nullptr;
    for (UINT id : kEnvelopeControls)
        if (CWnd* control = GetDlgItem(static_cast<int>(id))) control->EnableWindow(envelope != nullptr);
    CListBox* selected = List(IDC_ENV_SELECTED);
    CListBox* notSelected = List(IDC_ENV_NOT_SELECTED);
    if (!envelope) {
        SetNameText("");
        if (selected) selected->ResetContent();
        if (notSelected) notSelected->ResetContent();
        m_quantity = m_ultimate = m_serviceability = m_creeping = m_selection = -1;
        UpdateData(FALSE);
        return;
    }
    bool serviceability = false, ultimate = false, creep = false;
    envelope->getFilter(serviceability, ultimate, creep);
    m_serviceability = serviceability;
    m_ultimate = ultimate;
    m_creeping = creep;
    m_quantity = static_cast<int>(envelope->getQuantity());
    m_selection = envelope->useAllCases() ? 0 : 1;
    UpdateData(FALSE);
    for (UINT id : kManualControls)
        if (CWnd* control = GetDlgItem(static_cast<int>(id))) control->EnableWindow(m_selection == 1);
    SetNameText(envelope->name().c_str());

    if (selected) selected->ResetContent();
    if (notSelected) notSelected->ResetContent();
    const std::vector<unsigned>& used = envelope->getLoadCases();
    for (int i = 1; i <= manager->caseSize(); ++i) {
        const omLoadCase* lc = manager->getCase(i);
        const bool listed = (lc->isServiceability() && serviceability) || (lc->isUltimate() && ultimate);
        if (!listed) continue;
        const bool in = std::find(used.begin(), used.end(), static_cast<unsigned>(i)) != used.end();
        CListBox* list = in ? selected : notSelected;
        if (!list) continue;
        const int index = list->AddString(lc->name().c_str());
        list->SetItemData(index, static_cast<DWORD_PTR>(i));
    }
}

void AEnvelopeView::SelectEnvelope(int n) {
    omLoadManager* manager = managerOf(GetDocument());
    CListBox* list = List(IDC_ENV_LIST);
    if (!list) return;
    if (!manager || n > manager->envelopeSize() || n < 0) n = 0;
    if (manager && list->GetCount() != manager->envelopeSize()) FillEnvelopeList();
    if (list->GetCurSel() != n - 1) list->SetCurSel(n - 1);
    ShowEnvelope(n);
}

void AEnvelopeView::OnInitialUpdate() {
    CFormView::OnInitialUpdate();
    FillEnvelopeList();
    ShowEnvelope(0);
}

void AEnvelopeView::OnUpdate(CView*, LPARAM lHint, CObject*) {
    if (lHint < kHintEnvelopeFirst || lHint > kHintEnvelopeLast) return;
    SelectEnvelope(static_cast<int>(lHint - kHintEnvelopeFirst));
}

// --- handlers ----------------------------------------------------------------------------------------

void AEnvelopeView::OnEnvelopeSelected() {
    if (m_bRenaming) return;
    ShowEnvelope(GetShownEnvelope());
}

void AEnvelopeView::OnNameChange() {
    CListBox* list = List(IDC_ENV_LIST);
    if (!list || !CurrentEnvelope()) return;
    const int index = list->GetCurSel();
    const CString text = NameText();
    CString shown;
    list->GetText(index, shown);
    if (shown == text) return;
    // The list's own selection changes here are no choice of the user's.
    m_bRenaming = true;
    const DWORD_PTR data = list->GetItemData(index);
    list->DeleteString(static_cast<UINT>(index));
    list->InsertString(index, text.c_str());
    list->SetItemData(index, data);
    list->SetCurSel(index);
    m_bRenaming = false;
}

void AEnvelopeView::OnNameKillFocus() {
    const omEnvelope* envelope = CurrentEnvelope();
    if (!envelope) return;
    const CString text = NameText();
    if (text == envelope->name()) return;
    omEnvelope copy(*envelope);
    copy.setName(text);
    Submit(copy);
}

void AEnvelopeView::OnFilters() {
    const omEnvelope* envelope = CurrentEnvelope();
    omLoadManager* manager = managerOf(GetDocument());
    if (!envelope || !manager) return;
    UpdateData(TRUE);
    omEnvelope copy(*envelope);
    copy.setFilter(m_serviceability == 1, m_ultimate == 1, m_creeping == 1);
    if (copy.useAllCases()) {
        for (int i = 1; i <= manager->caseSize(); ++i)
            copy.update(static_cast<unsigned>(i), manager->getCase(i));
    } else if (CListBox* selected = List(IDC_ENV_SELECTED)) {
        for (int j = 0; j < selected->GetCount(); ++j) {
            const auto k = static_cast<unsigned>(selected->GetItemData(j));
            copy.update(k, manager->getCase(static_cast<int>(k)));
        }
    }
    Submit(copy);
}

void AEnvelopeView::OnQuantity() {
    const omEnvelope* envelope = CurrentEnvelope();
    if (!envelope) return;
    UpdateData(TRUE);
    if (m_quantity < 0) return;
    omEnvelope copy(*envelope);
    copy.setQuantity(static_cast<omEnvelope::Quantity>(m_quantity));
    Submit(copy);
}

void AEnvelopeView::OnSelectionMode() {
    const omEnvelope* envelope = CurrentEnvelope();
    omLoadManager* manager = managerOf(GetDocument());
    if (!envelope || !manager) return;
    UpdateData(TRUE);
    omEnvelope copy(*envelope);
    copy.useAllCases(m_selection == 0);
    if (copy.useAllCases())
        for (int i = 1; i <= manager->caseSize(); ++i)
            copy.update(static_cast<unsigned>(i), manager->getCase(i));
    Submit(copy);
}

void AEnvelopeView::OnAddCases() {
    const omEnvelope* envelope = CurrentEnvelope();
    omLoadManager* manager = managerOf(GetDocument());
    CListBox* notSelected = List(IDC_ENV_NOT_SELECTED);
    if (!envelope || !manager || !notSelected || notSelected->GetSelCount() < 1) return;
    omEnvelope copy(*envelope);
    for (int j = 0; j < notSelected->GetCount(); ++j) {
        if (notSelected->GetSel(j) <= 0) continue;
        const auto k = static_cast<unsigned>(notSelected->GetItemData(j));
        copy.add(k, manager->getCase(static_cast<int>(k)));
    }
    Submit(copy);
}

void AEnvelopeView::OnRemoveCases() {
    const omEnvelope* envelope = CurrentEnvelope();
    CListBox* selected = List(IDC_ENV_SELECTED);
    if (!envelope || !selected || selected->GetSelCount() < 1) return;
    omEnvelope copy(*envelope);
    // The case stays in the structure: the other cases keep their numbers.
    for (int j = 0; j < selected->GetCount(); ++j)
        if (selected->GetSel(j) > 0) copy.exclude(static_cast<unsigned>(selected->GetItemData(j)));
    Submit(copy);
}

void AEnvelopeView::OnNewEnvelope() {
    AStrakonDocument* doc = GetDocument();
    if (!doc) return;
    omEnvelope envelope;
    envelope.setName("Unknown");
    // A new envelope takes its cases automatically: its case list must hold them
    // from the start, or the view and the results would see an envelope of no case
    // until a filter changes.
    if (omLoadManager* manager = managerOf(doc))
        for (int i = 1; i <= manager->caseSize(); ++i)
            envelope.update(static_cast<unsigned>(i), manager->getCase(i));
    doc->SetEnvelope(0, &envelope);
    if (CWnd* name = GetDlgItem(IDC_ENV_NAME)) name->SetFocus();
}

void AEnvelopeView::OnDeleteEnvelope() {
    AStrakonDocument* doc = GetDocument();
    const int n = GetShownEnvelope();
    if (!doc || !CurrentEnvelope()) return;
    doc->SetEnvelope(static_cast<unsigned>(n), nullptr);
}
