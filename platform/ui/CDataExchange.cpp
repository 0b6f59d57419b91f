#include "platform/ui/CDataExchange.h"

#include "platform/ui/CDialog.h"
#include "platform/ui/CDialogControls.h"
#include "platform/ui/CDialogTemplate.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CResources.h"

#include <QLineEdit>
#include <QWidget>

#include <charconv>
#include <cmath>
#include <limits>

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd) {}

CWnd* CDataExchange::PrepareCtrl(int nIDC) {
    m_idLastControl = nIDC;
    m_bEditLastControl = FALSE;
    return m_pDlgWnd ? m_pDlgWnd->GetDlgItem(nIDC) : nullptr;
}

CWnd* CDataExchange::PrepareEditCtrl(int nIDC) {
    CWnd* control = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return control;
}

void CDataExchange::Fail() {
    if (m_pDlgWnd && m_idLastControl) {
        if (CWnd* control = m_pDlgWnd->GetDlgItem(m_idLastControl)) {
            if (QWidget* widget = control->GetWidget()) {
                widget->setFocus(Qt::OtherFocusReason);
                if (auto* edit = qobject_cast<QLineEdit*>(widget); edit && m_bEditLastControl)
                    edit->selectAll();
            }
        }
    }
    throw CUserException();
}

// --- numbers ----------------------------------------------------------------------------------------

namespace {

std::string_view trimmed(const char* text) {
    std::string_view s(text ? text : "");
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}

} // namespace

bool AfxParseDouble(const char* text, double& value) {
    std::string_view s = trimmed(text);
    if (s.empty()) return false;
    // from_chars takes no leading '+'; the platform's reader does.
    if (s.front() == '+') s.remove_prefix(1);
    if (s.empty() ||
        !(std::isdigit(static_cast<unsigned char>(s.front())) || s.front() == '.' || s.front() == '-'))
        return false;
    double result = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), result, std::chars_format::general);
    if (ec != std::errc() || end != s.data() + s.size() || !std::isfinite(result)) return false;
    value = result;
    return true;
}

bool AfxParseLong(const char* text, long long& value) {
    std::string_view s = trimmed(text);
    if (!s.empty() && s.front() == '+') s.remove_prefix(1);
    if (s.empty()) return false;
    long long result = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), result);
    if (ec != std::errc() || end != s.data() + s.size()) return false;
    value = result;
    return true;
}

CString AfxFormatDouble(double value, int digits) {
    // As printf's "%.*g" writes it, in the "C" locale.
    char buffer[64];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
    return ec == std::errc() ? CString(std::string(buffer, end)) : CString();
}

// --- messages ---------------------------------------------------------------------------------------

namespace {

void failWith(CDataExchange* pDX, UINT nIDPrompt) {
    AfxMessageBox(nIDPrompt, MB_ICONEXCLAMATION, nIDPrompt);
    pDX->Fail();
}

void failWithRange(CDataExchange* pDX, UINT nIDPrompt, const std::string& low, const std::string& high) {
    CString prompt;
    AfxFormatString2(prompt, nIDPrompt, low.c_str(), high.c_str());
    AfxMessageBox(prompt.c_str(), MB_ICONEXCLAMATION, nIDPrompt);
    pDX->Fail();
}

CWnd* editControl(CDataExchange* pDX, int nIDC) {
    CWnd* control = pDX->PrepareEditCtrl(nIDC);
    return control;
}

template <class T> void exchangeInteger(CDataExchange* pDX, int nIDC, T& value, UINT nIDPrompt) {
    CWnd* control = editControl(pDX, nIDC);
    if (!control) return;
    if (pDX->m_bSaveAndValidate) {
        long long read = 0;
        const CString text = control->GetWindowText();
        if (!AfxParseLong(text.c_str(), read) ||
            read < static_cast<long long>(std::numeric_limits<T>::min()) ||
            read > static_cast<long long>(std::numeric_limits<T>::max()))
            failWith(pDX, nIDPrompt);
        value = static_cast<T>(read);
    } else {
        control->SetWindowText(std::to_string(value).c_str());
    }
}

template <class T> void exchangeReal(CDataExchange* pDX, int nIDC, T& value, int digits) {
    CWnd* control = editControl(pDX, nIDC);
    if (!control) return;
    if (pDX->m_bSaveAndValidate) {
        double read = 0;
        if (!AfxParseDouble(control->GetWindowText().c_str(), read)) failWith(pDX, AFX_IDP_PARSE_REAL);
        value = static_cast<T>(read);
    } else {
        control->SetWindowText(AfxFormatDouble(static_cast<double>(value), digits).c_str());
    }
}

} // namespace

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    CWnd* control = editControl(pDX, nIDC);
    if (!control) return;
    if (pDX->m_bSaveAndValidate)
        value = control->GetWindowText();
    else
        control->SetWindowText(value.c_str());
}

void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value) {
    CString text = value;
    DDX_Text(pDX, nIDC, text);
    value = text;
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
    exchangeInteger(pDX, nIDC, value, AFX_IDP_PARSE_INT);
}
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) {
    exchangeInteger(pDX, nIDC, value, AFX_IDP_PARSE_UINT);
}
void DDX_Text(CDataExchange* pDX, int nIDC, long& value) {
    exchangeInteger(pDX, nIDC, value, AFX_IDP_PARSE_INT);
}
void DDX_Text(CDataExchange* pDX, int nIDC, short& value) {
    exchangeInteger(pDX, nIDC, value, AFX_IDP_PARSE_INT);
}
void DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value) {
    exchangeInteger(pDX, nIDC, value, AFX_IDP_PARSE_BYTE);
}
void DDX_Text(CDataExchange* pDX, int nIDC, double& value) {
    exchangeReal(pDX, nIDC, value, 15);
}
void DDX_Text(CDataExchange* pDX, int nIDC, float& value) {
    exchangeReal(pDX, nIDC, value, 6);
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    auto* button = dynamic_cast<CButton*>(pDX->PrepareCtrl(nIDC));
    if (!button) return;
    if (pDX->m_bSaveAndValidate)
        value = button->GetCheck();
    else
        button->SetCheck(value < 0 || value > 2 ? 0 : value);
}

namespace {

bool isRadioButton(const CButton* button) {
    const UINT type = button ? button->GetButtonStyle() & BS_TYPEMASK : 0;
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

// The radio buttons of the group that begins with the control nIDC, in the
// template's order (the windows' order when there is no template).
std::vector<CButton*> radioGroup(CWnd* dialog, int nIDC) {
    std::vector<CButton*> group;
    if (auto* host = dynamic_cast<CTemplateWindow*>(dialog); host && host->GetBuiltTemplate()) {
        bool inGroup = false;
        for (const CDlgItemTemplate& item : host->GetBuiltTemplate()->items) {
            if (!inGroup) {
                if (static_cast<int>(item.id) != nIDC) continue;
                inGroup = true;
            } else if (item.style & WS_GROUP) {
                break;
            }
            auto* button = dynamic_cast<CButton*>(dialog->GetDlgItem(static_cast<int>(item.id)));
            if (!isRadioButton(button)) break;
            group.push_back(button);
        }
        return group;
    }
    bool inGroup = false;
    for (CWnd* child : dialog->GetChildWindows()) {
        if (!inGroup) {
            if (child->GetDlgCtrlID() != nIDC) continue;
            inGroup = true;
        } else if (child->GetStyle() & WS_GROUP) {
            break;
        }
        auto* button = dynamic_cast<CButton*>(child);
        const UINT type = button ? button->GetButtonStyle() & BS_TYPEMASK : 0;
        if (!button || (type != BS_RADIOBUTTON && type != BS_AUTORADIOBUTTON)) {
            if (group.empty()) continue;
            break;
        }
        group.push_back(button);
    }
    return group;
}

} // namespace

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
    pDX->PrepareCtrl(nIDC);
    if (!pDX->m_pDlgWnd) return;
    const std::vector<CButton*> group = radioGroup(pDX->m_pDlgWnd, nIDC);
    if (pDX->m_bSaveAndValidate) value = -1;
    for (size_t i = 0; i < group.size(); ++i) {
        if (pDX->m_bSaveAndValidate) {
            if (group[i]->GetCheck() == BST_CHECKED) value = static_cast<int>(i);
        } else {
            group[i]->SetCheck(static_cast<int>(i) == value ? BST_CHECKED : BST_UNCHECKED);
        }
    }
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
    auto* combo = dynamic_cast<CComboBox*>(pDX->PrepareCtrl(nIDC));
    if (!combo) return;
    if (pDX->m_bSaveAndValidate)
        index = combo->GetCurSel();
    else
        combo->SetCurSel(index);
}

namespace {
void exchangeComboString(CDataExchange* pDX, int nIDC, CString& value, bool exact) {
    auto* combo = dynamic_cast<CComboBox*>(pDX->PrepareCtrl(nIDC));
    if (!combo) return;
    if (pDX->m_bSaveAndValidate) {
        // A list without an edit gives its selected item; one with an edit, the edit's text.
        if (combo->GetEdit()) {
            value = combo->GetWindowText();
        } else {
            const int index = combo->GetCurSel();
            if (index == CB_ERR)
                value.Empty();
            else
                combo->GetLBText(index, value);
        }
        return;
    }
    const int index =
        exact ? combo->FindStringExact(-1, value.c_str()) : combo->FindString(-1, value.c_str());
    if (index != CB_ERR) {
        combo->SetCurSel(index);
    } else if (combo->GetEdit()) {
        combo->SetCurSel(-1);
        combo->SetWindowText(value.c_str());
    } else {
        combo->SetCurSel(-1);
    }
}

void exchangeListString(CDataExchange* pDX, int nIDC, CString& value, bool exact) {
    auto* list = dynamic_cast<CListBox*>(pDX->PrepareCtrl(nIDC));
    if (!list) return;
    if (pDX->m_bSaveAndValidate) {
        const int index = list->GetCurSel();
        if (index == LB_ERR)
            value.Empty();
        else
            list->GetText(index, value);
        return;
    }
    const int index = exact ? list->FindStringExact(-1, value.c_str()) : list->FindString(-1, value.c_str());
    list->SetCurSel(index);
}
} // namespace

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value) {
    exchangeComboString(pDX, nIDC, value, false);
}
void DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value) {
    exchangeComboString(pDX, nIDC, value, true);
}

void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index) {
    auto* list = dynamic_cast<CListBox*>(pDX->PrepareCtrl(nIDC));
    if (!list) return;
    if (pDX->m_bSaveAndValidate)
        index = list->GetCurSel();
    else
        list->SetCurSel(index);
}

void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value) {
    exchangeListString(pDX, nIDC, value, false);
}
void DDX_LBStringExact(CDataExchange* pDX, int nIDC, CString& value) {
    exchangeListString(pDX, nIDC, value, true);
}

void DDX_LBStringVector(CDataExchange* pDX, int nIDC, std::vector<CString>& texts) {
    auto* list = dynamic_cast<CListBox*>(pDX->PrepareCtrl(nIDC));
    if (!list) return;
    if (pDX->m_bSaveAndValidate) {
        texts.clear();
        for (int i = 0; i < list->GetCount(); ++i) {
            CString text;
            list->GetText(i, text);
            texts.push_back(text);
        }
    } else {
        list->ResetContent();
        for (const CString& text : texts)
            list->AddString(text.c_str());
    }
}

void DDX_LBStringVector(CDataExchange* pDX, int nIDC, std::vector<std::string>& texts) {
    std::vector<CString> strings(texts.begin(), texts.end());
    DDX_LBStringVector(pDX, nIDC, strings);
    if (pDX->m_bSaveAndValidate) texts.assign(strings.begin(), strings.end());
}

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (rControl.IsWindow()) return;
    pDX->PrepareCtrl(nIDC);
    if (auto* host = dynamic_cast<CTemplateWindow*>(pDX->m_pDlgWnd))
        host->SubclassDlgItem(static_cast<UINT>(nIDC), rControl);
}

// --- checks -----------------------------------------------------------------------------------------

namespace {
template <class T> void checkIntegerRange(CDataExchange* pDX, T value, T minVal, T maxVal) {
    if (!pDX->m_bSaveAndValidate) return;
    if (value < minVal || value > maxVal)
        failWithRange(pDX, AFX_IDP_PARSE_INT_RANGE, std::to_string(minVal), std::to_string(maxVal));
}
template <class T> void checkRealRange(CDataExchange* pDX, T value, T minVal, T maxVal, int digits) {
    if (!pDX->m_bSaveAndValidate) return;
    if (value < minVal || value > maxVal)
        failWithRange(pDX, AFX_IDP_PARSE_REAL_RANGE, AfxFormatDouble(minVal, digits),
                      AfxFormatDouble(maxVal, digits));
}
} // namespace

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal) {
    checkIntegerRange(pDX, value, minVal, maxVal);
}
void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal) {
    checkIntegerRange(pDX, value, minVal, maxVal);
}
void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal) {
    checkIntegerRange(pDX, value, minVal, maxVal);
}
void DDV_MinMaxShort(CDataExchange* pDX, short value, short minVal, short maxVal) {
    checkIntegerRange(pDX, static_cast<int>(value), static_cast<int>(minVal), static_cast<int>(maxVal));
}
void DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal) {
    checkIntegerRange(pDX, static_cast<int>(value), static_cast<int>(minVal), static_cast<int>(maxVal));
}
void DDV_MinMaxDouble(CDataExchange* pDX, double const& value, double minVal, double maxVal) {
    checkRealRange(pDX, value, minVal, maxVal, 15);
}
void DDV_MinMaxFloat(CDataExchange* pDX, float const& value, float minVal, float maxVal) {
    checkRealRange(pDX, static_cast<double>(value), static_cast<double>(minVal), static_cast<double>(maxVal),
                   6);
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars) {
    if (pDX->m_bSaveAndValidate) {
        // Characters, not bytes: the text is UTF-8.
        const int length = static_cast<int>(QString::fromUtf8(value.c_str()).size());
        if (length > nChars) failWithRange(pDX, AFX_IDP_PARSE_STRING_SIZE, std::to_string(nChars), "");
        return;
    }
    if (pDX->m_pDlgWnd && pDX->m_idLastControl)
        if (auto* edit = dynamic_cast<CEdit*>(pDX->m_pDlgWnd->GetDlgItem(pDX->m_idLastControl)))
            edit->LimitText(nChars);
}
