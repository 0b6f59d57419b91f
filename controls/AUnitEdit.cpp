#include "controls/AUnitEdit.h"
#include "controls/AUnitRange.h"

#include "common/omNumberFormat.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CDialogTemplate.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CResources.h"
#include "platform/ui/DlgUi.h"
#include "common/omUnitManager.h"

#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QWidget>

#include <charconv>
#include <cmath>
#include <cstring>
#include <string>

namespace {
constexpr UINT kFirstUnitCommand = 201;
constexpr UINT kUnitButtonId = 0xFFFF;
} // namespace

// --- AUnitSelect ------------------------------------------------------------------------------------

AUnitSelect::AUnitSelect() = default;
AUnitSelect::~AUnitSelect() = default;

BOOL AUnitSelect::CreateControl(const omUnitValue& value, const RECT& rect, AUnitEdit* pEdit) {
    m_pEdit = pEdit;
    m_pUnit = value.GetUnit();
    CWnd* parent = pEdit ? pEdit->GetParent() : nullptr;
    if (!parent) return FALSE;
    if (!CreateEx(0, WC_STATIC, m_pUnit ? m_pUnit->GetName().c_str() : "",
                  WS_CHILD | WS_VISIBLE | SS_NOTIFY | SS_CENTERIMAGE | SS_SUNKEN, rect.left, rect.top,
                  rect.right - rect.left, rect.bottom - rect.top, parent, kUnitButtonId))
        return FALSE;
    if (QWidget* widget = GetWidget()) {
        widget->setFont(parent->GetWidget()->font());
        widget->setProperty("strakonHelpId", 0u);
        widget->setCursor(Qt::PointingHandCursor);
    }
    m_pMenu = std::make_unique<CMenu>();
    m_pMenu->CreatePopupMenu();
    AppendMenuItems();
    return TRUE;
}

void AUnitSelect::AppendMenuItems() {
    if (!m_pMenu || !m_pUnit || !m_pUnit->GetGroup()) return;
    std::vector<std::pair<const omUnit*, std::string>> menu;
    m_pUnit->GetGroup()->GetUnitMenu(menu);
    UINT id = kFirstUnitCommand;
    for (const auto& [unit, text] : menu) {
        if (text.empty()) continue;
        m_pMenu->AppendMenu(MF_STRING, id, text.c_str());
        m_units[id] = unit;
        ++id;
    }
}

UINT AUnitSelect::MenuIdOf(const omUnit* unit) const {
    for (const auto& [id, u] : m_units)
        if (u == unit) return id;
    return 0;
}

void AUnitSelect::UpdateControl(const omUnit* unit) {
    m_pUnit = unit;
    SetWindowText(unit ? unit->GetName().c_str() : "");
}

void AUnitSelect::ShowMenu() {
    if (!m_pMenu || m_units.empty() || !GetWidget()) return;
    const QPoint corner = GetWidget()->mapToGlobal(QPoint(0, GetWidget()->height()));
    const HWND self = m_hWnd;
    const UINT id = static_cast<UINT>(
        m_pMenu->TrackPopupMenu(TPM_LEFTALIGN | TPM_RETURNCMD, corner.x(), corner.y(), GetParent()));
    if (!FromHandle(self) || id == 0) return;
    auto it = m_units.find(id);
    if (it != m_units.end() && m_pEdit) m_pEdit->UnitChanged(it->second);
}

bool AUnitSelect::FilterEvent(QObject* watched, QEvent* event) {
    if (watched == GetWidget() && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        ShowMenu();
        return true;
    }
    return CStatic::FilterEvent(watched, event);
}

// --- AUnitEdit --------------------------------------------------------------------------------------

AUnitEdit::AUnitEdit() = default;
AUnitEdit::~AUnitEdit() = default;

void AUnitEdit::OnWidgetAttached() {
    if (auto* line = qobject_cast<QLineEdit*>(GetWidget())) {
        // Typing, deleting and pasting all change the text the user means.
        QObject::connect(line, &QLineEdit::textEdited, line, [line]() {
            if (auto* edit = dynamic_cast<AUnitEdit*>(CWnd::FromWidget(line))) edit->m_bTyped = true;
        });
    }
}

void AUnitEdit::Initialize(omUnitValue& value, unsigned group, AUnitGroupManager* manager, int digits) {
    m_value = value;
    m_nGroup = group;
    m_pManager = manager;
    m_nDigits = digits;
    m_bTyped = false;
    QWidget* widget = GetWidget();
    CWnd* parent = GetParent();
    if (!widget || !parent) return;
    // The button is as wide as a unit name of six characters in the dialog's font.
    const int width = QFontMetrics(parent->GetWidget()->font()).horizontalAdvance("MN/mm2") + 6;
    QRect r = widget->geometry();
    const int buttonWidth = std::min(width, r.width() / 2);
    r.setWidth(r.width() - buttonWidth);
    widget->setGeometry(r);
    const RECT buttonRect{r.right() + 1, r.top(), r.right() + 1 + buttonWidth, r.bottom() + 1};
    m_select.CreateControl(m_value, buttonRect, this);
    if (QWidget* button = m_select.GetWidget()) button->setVisible(!widget->isHidden());
}

void AUnitEdit::SetData(const omUnitValue& value, int digits) {
    if (value.GetKey() == m_value.GetKey()) {
        m_value = value;
    } else {
        const omUnitKey own = m_value.GetKey();
        m_value = value;
        m_value.ConvertTo(own);
    }
    std::string text;
    omNumberFormat::Convert(text, m_value.GetValue(), omNumberFormat::fixed,
                            static_cast<unsigned>(digits == 0 ? m_nDigits : digits), false);
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    AUnitGroupManager::StripZeros(buffer.data());
    SetWindowText(buffer.data());
    m_bTyped = false;
}

bool AUnitEdit::GetData(omUnitValue& value) {
    if (!m_bTyped) {
        value = m_value;
        return true;
    }
    double number = 0;
    if (!AUnitGroupManager::SimpleFloatParse(GetWindowText().c_str(), number)) return false;
    m_value.Set(number, m_value.GetKey());
    value = m_value;
    return true;
}

void AUnitEdit::UnitChanged(const omUnit* unit) {
    if (m_nGroup != 0 && m_pManager)
        m_pManager->UnitChanged(m_nGroup, unit);
    else
        UpdateControl(unit);
}

void AUnitEdit::UpdateControl(const omUnit* unit) {
    if (!unit || unit == m_value.GetUnit() || !IsWindow()) return;
    if (m_bTyped) {
        omUnitValue typed;
        GetData(typed);
    }
    m_value.ConvertTo(unit->GetKey());
    SetData(m_value, 0);
    m_select.UpdateControl(unit);
}

bool AUnitEdit::FilterEvent(QObject* watched, QEvent* event) {
    if (watched == GetWidget()) {
        switch (event->type()) {
        case QEvent::KeyPress: {
            const QString text = static_cast<QKeyEvent*>(event)->text();
            // Letters other than the exponent letters never belong in a number.
            if (text.size() == 1 && text[0].isLetter() && !QString("0123456789.,eEdD").contains(text[0]))
                return true;
            break;
        }
        case QEvent::ShowToParent:
            if (QWidget* button = m_select.GetWidget()) button->show();
            break;
        case QEvent::HideToParent:
            if (QWidget* button = m_select.GetWidget()) button->hide();
            break;
        default:
            break;
        }
    }
    return CEdit::FilterEvent(watched, event);
}

// --- AUnitGroup -------------------------------------------------------------------------------------

AUnitGroup::AUnitGroup(unsigned number) : m_nNumber(number) {}
AUnitGroup::~AUnitGroup() = default;

AUnitEdit* AUnitGroup::AddEditControl(HWND hWnd, omUnitValue& value, AUnitGroupManager* manager, int digits) {
    CWnd* window = CWnd::FromHandle(hWnd);
    auto* host = window ? dynamic_cast<CTemplateWindow*>(window->GetParent()) : nullptr;
    if (!host) return nullptr;
    auto edit = std::make_unique<AUnitEdit>();
    if (!host->SubclassDlgItem(static_cast<UINT>(window->GetDlgCtrlID()), *edit)) return nullptr;
    if (m_edits.empty() || !m_pUnit) {
        m_pUnit = value.GetUnit();
    } else if (m_nNumber != 0 && value.GetUnit() != m_pUnit) {
        value.ConvertTo(m_pUnit->GetKey());
    }
    edit->Initialize(value, m_nNumber, manager, digits);
    AUnitEdit* result = edit.get();
    m_edits[edit->m_hWnd] = std::move(edit);
    return result;
}

void AUnitGroup::UnitChanged(const omUnit* unit) {
    m_pUnit = unit;
    for (auto& entry : m_edits)
        entry.second->UpdateControl(unit);
}

AUnitEdit* AUnitGroup::UnitEdit(HWND hWnd) const {
    auto it = m_edits.find(hWnd);
    return it == m_edits.end() ? nullptr : it->second.get();
}

// --- AUnitGroupManager ------------------------------------------------------------------------------

AUnitGroupManager::AUnitGroupManager() = default;
AUnitGroupManager::~AUnitGroupManager() = default;

HWND AUnitGroupManager::AddEditControl(unsigned group, HWND hWnd, omUnitValue& value, int digits) {
    auto& slot = m_groups[group];
    if (!slot) slot = std::make_unique<AUnitGroup>(group);
    AUnitEdit* edit = slot->AddEditControl(hWnd, value, this, digits);
    if (!edit) return nullptr;
    m_groupOf[edit->m_hWnd] = group;
    return edit->m_hWnd;
}

void AUnitGroupManager::UnitChanged(unsigned group, const omUnit* unit) {
    auto it = m_groups.find(group);
    if (it != m_groups.end()) it->second->UnitChanged(unit);
}

bool AUnitGroupManager::IsControlSubclassed(HWND hWnd) const {
    return m_groupOf.count(hWnd) != 0;
}

AUnitEdit* AUnitGroupManager::UnitEdit(HWND hWnd) const {
    auto it = m_groupOf.find(hWnd);
    if (it == m_groupOf.end()) return nullptr;
    auto group = m_groups.find(it->second);
    return group == m_groups.end() ? nullptr : group->second->UnitEdit(hWnd);
}

bool AUnitGroupManager::SimpleFloatParse(const char* text, double& value) {
    std::string s(text ? text : "");
    const size_t first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return false;
    const size_t last = s.find_last_not_of(" \t");
    s = s.substr(first, last - first + 1);
    // Only digits, one sign in front or behind the exponent letter, the point and an exponent letter.
    for (char& c : s) {
        if (c == 'd' || c == 'D' || c == 'E') c = 'e';
        if (!(std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == 'e' || c == '+' || c == '-'))
            return false;
    }
    const char* begin = s.c_str();
    if (*begin == '+') ++begin;
    double result = 0;
    const auto [end, ec] = std::from_chars(begin, s.c_str() + s.size(), result, std::chars_format::general);
    if (ec != std::errc() || end != s.c_str() + s.size() || !std::isfinite(result)) return false;
    value = result;
    return true;
}

void AUnitGroupManager::StripZeros(char* text) {
    if (!text) return;
    char* point = std::strchr(text, '.');
    if (!point) return;
    char* exponent = point;
    while (*exponent && *exponent != 'e' && *exponent != 'E')
        ++exponent;
    char* end = exponent; // one past the last mantissa digit
    while (end > point + 2 && end[-1] == '0')
        --end;
    if (end != exponent) std::memmove(end, exponent, std::strlen(exponent) + 1);
}

// --- data exchange ----------------------------------------------------------------------------------

bool AUnitValueInRange(const omUnitValue& value, double* low, double* high) {
    const omUnit* unit = value.GetUnit();
    const omUnitGroup* group = unit ? unit->GetGroup() : nullptr;
    const bool length = group && group->Contains(omUK_cm);
    // In base units: cm for lengths, the group's base for the rest.
    const double limitInBase = length ? 1e8 : 1e12;
    const double factor = unit && unit->GetFactor() > 0.0 ? unit->GetFactor() : 1.0;
    // Whole numbers in the prompt: 39370078 in rather than 39370078.7401575.
    const double exact = limitInBase / factor;
    const double limit = exact >= 1.0 ? std::floor(exact) : exact;
    if (low) *low = -limit;
    if (high) *high = limit;
    const double v = value.GetValue();
    return std::isfinite(v) && std::fabs(v) <= limit;
}

std::string AUnitRangePrompt(const omUnitValue& value) {
    double low = 0.0, high = 0.0;
    AUnitValueInRange(value, &low, &high);
    CString prompt;
    AfxFormatString2(prompt, AFX_IDP_PARSE_REAL_RANGE, AfxFormatDouble(low).c_str(), AfxFormatDouble(high).c_str());
    return prompt;
}

// Reading refuses a text that is no number, and a number outside AUnitValueInRange,
// with the exchange's prompts; the edit keeps the focus.
void DDX_UnitEdit(CDataExchange* pDX, int controlId, omUnitValue& value, unsigned group, int digits,
                  AUnitGroupManager* manager, bool showValueUnit) {
    CWnd* control = pDX->PrepareEditCtrl(controlId);
    if (!control || !manager) return;
    HWND hWnd = control->m_hWnd;
    if (pDX->m_bSaveAndValidate) {
        AUnitEdit* edit = manager->UnitEdit(hWnd);
        if (!edit) return;
        omUnitValue read = value;
        if (!edit->GetData(read)) {
            AfxMessageBox(AFX_IDP_PARSE_REAL, MB_ICONEXCLAMATION, AFX_IDP_PARSE_REAL);
            pDX->Fail();
        }
        if (!AUnitValueInRange(read)) {
            AfxMessageBox(AUnitRangePrompt(read).c_str(), MB_ICONEXCLAMATION, AFX_IDP_PARSE_REAL_RANGE);
            pDX->Fail();
        }
        value = read;
        return;
    }
    if (!manager->IsControlSubclassed(hWnd)) {
        hWnd = manager->AddEditControl(group, hWnd, value, digits);
        if (!hWnd) return;
    }
    AUnitEdit* edit = manager->UnitEdit(hWnd);
    if (!edit) return;
    if (showValueUnit) edit->UnitChanged(value.GetUnit());
    edit->SetData(value, digits);
}
