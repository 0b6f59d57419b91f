#include "app/dialogs/ALoadSheetSupport.h"

#include "app/dialogs/APropertySheetSupport.h"
#include "app/shell/AStorageInterface.h"
#include "common/AStorageBase.h"
#include "framework/ABaseStorageInterface.h"
#include "platform/core/CArchive.h"
#include "platform/ui/CDataExchange.h"

#include <QMenu>
#include <QToolButton>

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

ALoadPage::ALoadPage(UINT nIDTemplate) : APPropertyPage(nIDTemplate) {}
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
