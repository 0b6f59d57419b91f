#include "app/dialogs/ALoadSheetSupport.h"

#include "app/dialogs/APropertySheetSupport.h"
#include "app/shell/AStorageInterface.h"
#include "app/shell/AStrakonDocument.h"
#include "app/views/AElementLoadGroup.h"
#include "app/views/AStrakon.h"
#include "common/AStorageBase.h"
#include "framework/ABaseStorageInterface.h"
#include "model/omLoad.h"
#include "model/omLoadManager.h"
#include "platform/core/CArchive.h"
#include "platform/ui/CDataExchange.h"

#include <QMenu>
#include <QToolButton>

#include <algorithm>
#include <cstdio>

namespace {

CString ItemText(int position, const omLoad& load) {
    char number[16];
    std::snprintf(number, sizeof number, "%i: ", position + 1);
    return CString(number) + load.getName();
}

} // namespace

namespace loadsheet {

std::vector<std::uint8_t> Records(const AStorageBase* group) {
    if (!group) return {};
    // The program installs the interfaces at start-up; the document's own
    // records install them on first use, and so do these.
    if (!AStorageInterface::IsInitialized()) AStorageInterface::InitializeAll();
    ABaseStorageInterface* si = group->GetStorageInterface();
    if (!si) return {};
    CArchive ar(CArchive::store);
    si->Serialize(const_cast<AStorageBase*>(group), ar);
    return ar.Detach();
}

} // namespace loadsheet

// --- ALoadMenuButton --------------------------------------------------------------------------------

ALoadMenuButton::ALoadMenuButton() = default;
ALoadMenuButton::~ALoadMenuButton() = default;

QWidget* ALoadMenuButton::CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) {
    auto* button = new QToolButton(parentWidget);
    button->setText(QString::fromStdString(cs.lpszName ? cs.lpszName : ""));
    button->setPopupMode(QToolButton::InstantPopup);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

void ALoadMenuButton::SetMenu(CMenu* popup) {
    auto* button = qobject_cast<QToolButton*>(GetWidget());
    QMenu* menu = popup ? popup->GetQMenu() : nullptr;
    if (!button) return;
    if (menu) CMenu::SetMenuOwner(menu, GetParent());
    button->setMenu(menu);
}

QMenu* ALoadMenuButton::GetDropDownMenu() const {
    auto* button = qobject_cast<QToolButton*>(GetWidget());
    return button ? button->menu() : nullptr;
}

// --- ALoadPage --------------------------------------------------------------------------------------

ALoadPage::ALoadPage(UINT nIDTemplate, int nNameId) : APPropertyPage(nIDTemplate), m_nNameId(nNameId) {}
ALoadPage::~ALoadPage() = default;

void ALoadPage::DoDataExchange(CDataExchange* pDX) {
    // Restores the earlier state also when a refused value ends the exchange.
    propertysheet::FramePin pin;
    // The focus that a refused value moves runs no handler meanwhile.
    Filling filling(*this);
    APPropertyPage::DoDataExchange(pDX);
    try {
        ExchangeFields(pDX);
    } catch (...) {
        if (pDX->m_bSaveAndValidate && pDX->m_idLastControl) {
            m_nRefusedId = pDX->m_idLastControl;
            if (CWnd* edit = GetDlgItem(m_nRefusedId)) m_strRefused = edit->GetWindowText();
        }
        throw;
    }
}

bool ALoadPage::ReadChanged() {
    if (m_changed.empty() || !IsWindow()) return true;
    if (m_nRefusedId && m_changed.count(m_nRefusedId)) {
        CWnd* edit = GetDlgItem(m_nRefusedId);
        if (edit && edit->GetWindowText() == m_strRefused) {
            // The user was told already; the edit keeps the focus.
            if (QWidget* widget = edit->GetWidget()) widget->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    m_nRefusedId = 0;
    return UpdateData(TRUE) != FALSE;
}

void ALoadPage::WriteAll() {
    if (!IsWindow()) return;
    Filling filling(*this);
    UpdateData(FALSE);
    m_changed.clear();
    m_nRefusedId = 0;
}

void ALoadPage::NoteChange(int nID) {
    if (!m_bFilling) m_changed.insert(nID);
}

void ALoadPage::SetList(ALoadGroupList* list, CObject* hint) {
    m_pList = list;
    m_pHint = hint;
    m_pLoad = nullptr;
}

AStrakonDocument* ALoadPage::GetDocument() const {
    const auto* sheet = dynamic_cast<const APPropertySheet*>(GetSheet());
    return sheet ? propertysheet::Document(*sheet) : nullptr;
}

void ALoadPage::FillList() {
    Filling filling(*this);
    m_list.ResetContent();
    if (!m_pList) return;
    int position = 0;
    for (omLoad* load : m_pList->GetLoads())
        m_list.AddString(ItemText(position++, *load).c_str());
}

void ALoadPage::Refill(int position) {
    // The list's loads may be gone: nothing of the former list is kept.
    m_pLoad = nullptr;
    if (!IsWindow()) return;
    FillList();
    UpdateNew();
    const int count = m_list.GetCount();
    if (count <= 0) {
        HideValues();
        SendHint();
        return;
    }
    {
        Filling filling(*this);
        m_list.SetCurSel(position < 0 ? 0 : std::min(position, count - 1));
    }
    ShowSelected();
}

void ALoadPage::SetActiveLoadGroup(unsigned loadGroup) {
    if (!m_pList) return;
    ListActiveLoadGroup(loadGroup);
    Refill(-1);
}

int ALoadPage::GetSelectedPosition() const {
    if (!m_list.IsWindow()) return -1;
    const int index = m_list.GetCurSel();
    return index >= 0 ? index : -1;
}

unsigned ALoadPage::NewLoadGroup() const {
    AStrakonDocument* doc = GetDocument();
    const omLoadManager* manager = doc && doc->GetModel() ? doc->GetModel()->getLoadManager() : nullptr;
    if (!m_pList || !manager) return 0;
    const unsigned group = m_pList->GetActiveLoadGroup();
    // A load of no action is never solved, yet it would be saved.
    return group >= 1 && static_cast<int>(group) <= manager->groupSize() ? group : 0;
}

void ALoadPage::UpdateNew() {
    if (m_new.IsWindow()) m_new.EnableWindow(NewLoadGroup() != 0);
}

void ALoadPage::SendHint() {
    AStrakonDocument* doc = GetDocument();
    if (doc && m_pList) doc->UpdateAllViews(nullptr, 2201, m_pHint);
}

void ALoadPage::OnSelectLoad() {
    if (IsFilling()) return;
    // A value left behind in an edit still counts for the load it was typed for.
    CommitChanges();
    ShowSelected();
}

void ALoadPage::OnNameChange() {
    if (IsFilling() || !m_pLoad) return;
    const int index = m_list.GetCurSel();
    m_pLoad->setName(GetDlgItem(m_nNameId)->GetWindowText());
    if (index >= 0) {
        Filling filling(*this);
        m_list.DeleteString(static_cast<UINT>(index));
        m_list.InsertString(index, ItemText(index, *m_pLoad).c_str());
        m_list.SetCurSel(index);
    }
    SendHint();
}

void ALoadPage::OnEditChange(UINT nID) {
    NoteChange(static_cast<int>(nID));
}

void ALoadPage::OnEditKillFocus(UINT nID) {
    if (IsFilling() || !IsChanged(static_cast<int>(nID))) return;
    CommitChanges();
}

bool ALoadPage::CommitChanges() {
    if (m_changed.empty()) return true;
    if (!m_pLoad) {
        ForgetChanges();
        return true;
    }
    const std::set<int> changed = m_changed;
    if (!ReadChanged()) return false;
    StoreChanged(changed);
    WriteAll();
    SendHint();
    return true;
}

void ALoadPage::OnDeleteLoad() {
    if (!m_pList || !m_pLoad) return;
    propertysheet::FramePin pin;
    if (!ConfirmDelete()) return;
    const int position = m_list.GetCurSel();
    omLoad* load = m_pLoad;
    m_pLoad = nullptr;
    ForgetChanges();
    RemoveFromCopy(load);
    const int count = m_pList->GetLoadCount();
    Refill(count > 0 ? (position < 0 ? 0 : position % count) : 0);
}

void ALoadPage::AddLoad(omLoad* load) {
    if (!m_pList) {
        delete load;
        return;
    }
    CommitChanges();
    AddToCopy(load);
    Refill(m_pList->GetLoadCount() - 1);
}

// --- ALoadSheet -------------------------------------------------------------------------------------

ALoadSheet::ALoadSheet(const char* pszCaption, CWnd* pParentWnd) : APPropertySheet(pszCaption, pParentWnd) {}
ALoadSheet::~ALoadSheet() = default;

AStrakonDocument* ALoadSheet::GetStrakonDocument() const {
    return propertysheet::Document(*this);
}

void ALoadSheet::Register() {
    AStrakonDocument* doc = GetStrakonDocument();
    if (!doc || !GetCopyLoads()) return;
    Attach(doc);
    m_pRegistered = doc;
}

void ALoadSheet::Unregister() {
    AStrakonDocument* doc = m_pRegistered;
    m_pRegistered = nullptr;
    if (doc) Detach(doc);
}

void ALoadSheet::ReleaseCopy() {
    Unregister();
    ReplaceCopy(nullptr, 0);
}

bool ALoadSheet::TakeCopy(unsigned loadGroup) {
    const void* owner = nullptr;
    const AStorageBase* loads = FindLoads(GetStrakonDocument(), owner);
    if (!loads) return false;
    Unregister();
    if (!ReplaceCopy(loads, loadGroup)) return false;
    m_pOwner = owner;
    m_base = loadsheet::Records(loads);
    Register();
    return true;
}

void ALoadSheet::ExchangeData(BOOL bSave) {
    if (!bSave) {
        ReadExternalData();
        if (LoadPage().IsWindow()) LoadPage().Refill(-1);
        return;
    }
    AStrakonDocument* doc = GetStrakonDocument();
    if (!doc || !GetCopyLoads()) return;
    // The texts still in their edits count; a refused one stops the Apply.
    if (!LoadPage().CommitChanges()) return;
    ApplyCopy(doc);
}

void ALoadSheet::BeforeHide() {
    Unregister();
}

void ALoadSheet::ModelChanged() {
    AStrakonDocument* doc = GetStrakonDocument();
    if (!doc || !GetCopyLoads()) return;
    const void* owner = nullptr;
    const AStorageBase* loads = FindLoads(doc, owner);
    if (!loads) {
        // The owner or its loads left the model: nothing is left to edit.
        doc->ReleaseSelectionProperties();
        return;
    }
    std::vector<std::uint8_t> now = loadsheet::Records(loads);
    if (owner == m_pOwner && now == m_base) return;
    if (owner == m_pOwner && now == loadsheet::Records(GetCopyLoads())) {
        // The model took the copy (Apply): the copy goes on from there.
        m_base = std::move(now);
        return;
    }
    const int position = LoadPage().GetSelectedPosition();
    if (!TakeCopy(GetCopyLoadGroup())) return;
    LoadPage().Refill(position);
}
