#include "app/dialogs/AIdNameEditorDlg.h"

#include "platform/ui/CDataExchange.h"
#include "platform/ui/CPromptService.h"

#include <QListWidget>

#include <cstdlib>

IMPLEMENT_DYNAMIC(AIdNameEditorDlg, ABaseDialog)

namespace {

class CFillGuard {
public:
    explicit CFillGuard(bool& flag) : m_flag(flag), m_previous(flag) { m_flag = true; }
    ~CFillGuard() { m_flag = m_previous; }
    CFillGuard(const CFillGuard&) = delete;
    CFillGuard& operator=(const CFillGuard&) = delete;

private:
    bool& m_flag;
    bool m_previous;
};

} // namespace

CString AListOfIds(const std::vector<unsigned>& ids) {
    CString text;
    const std::size_t shown = std::min<std::size_t>(ids.size(), 10);
    for (std::size_t i = 0; i < shown; ++i) {
        if (i) text += ", ";
        text += std::to_string(ids[i]);
    }
    if (ids.size() > shown) text += ", ...";
    return text;
}

AIdNameEditorDlg::AIdNameEditorDlg(UINT nIDTemplate, CWnd* pParent, const Controls& controls, const Words& words)
    : ABaseDialog(nIDTemplate, pParent), m_controls(controls), m_words(words) {}

AIdNameEditorDlg::~AIdNameEditorDlg() = default;

void AIdNameEditorDlg::DoDataExchange(CDataExchange* pDX) {
    ABaseDialog::DoDataExchange(pDX);
    DDX_Control(pDX, m_controls.defaultName, m_default);
    DDX_Control(pDX, m_controls.list, m_list);
    DDX_Text(pDX, m_controls.id, m_nId);
    DDX_Text(pDX, m_controls.name, m_strName);
    DDX_ColorWell(pDX, m_controls.color, m_colorWell, m_color);
}

BOOL AIdNameEditorDlg::OnInitDialog() {
    {
        const CFillGuard guard(m_bFilling);
        ABaseDialog::OnInitDialog();
    }
    FillList();
    FillFields();
    return TRUE;
}

std::optional<unsigned> AIdNameEditorDlg::GetSelectedId() const {
    if (!m_list.IsWindow()) return std::nullopt;
    const int index = m_list.GetCurSel();
    if (index < 0) return std::nullopt;
    CString text;
    m_list.GetText(index, text);
    const unsigned id = static_cast<unsigned>(std::strtoul(text.c_str(), nullptr, 10));
    if (!Exists(id)) return std::nullopt;
    return id;
}

void AIdNameEditorDlg::FillList() {
    const CFillGuard guard(m_bFilling);
    const std::vector<CString> names = IdNames();
    m_list.ResetContent();
    for (const CString& name : names)
        m_list.AddString(name.c_str());
    m_list.EnableWindow(!names.empty());
    m_list.SetCurSel(names.empty() ? -1 : 0);
    const BOOL selected = m_list.GetCurSel() >= 0;
    for (int id : {m_controls.edit, m_controls.erase, m_controls.color, m_controls.name, m_controls.changeId,
                   m_controls.makeDefault, m_controls.defaultName})
        if (CWnd* control = GetDlgItem(id)) control->EnableWindow(selected);
    const unsigned defaultId = DefaultId();
    m_default.SetWindowText(Exists(defaultId) ? NameOf(defaultId).c_str() : "");
}

void AIdNameEditorDlg::FillFields() {
    const std::optional<unsigned> id = GetSelectedId();
    if (!id) return;
    const CFillGuard guard(m_bFilling);
    m_nId = static_cast<int>(*id);
    m_color = ColorOf(*id);
    m_strName = NameOf(*id);
    UpdateData(FALSE);
}

void AIdNameEditorDlg::OnListSelChange() {
    if (!m_bFilling) FillFields();
}

void AIdNameEditorDlg::OnNameChanged() {
    if (m_bFilling) return;
    const std::optional<unsigned> id = GetSelectedId();
    if (!id) return;
    const CFillGuard guard(m_bFilling);
    CWnd* edit = GetDlgItem(m_controls.name);
    if (!edit) return;
    m_strName = edit->GetWindowText();
    Rename(*id, m_strName);
    // The entry's text changes where it stands: the selection and the edit's caret stay.
    const int index = m_list.GetCurSel();
    const std::vector<CString> names = IdNames();
    for (const CString& entry : names)
        if (static_cast<unsigned>(std::strtoul(entry.c_str(), nullptr, 10)) == *id)
            if (auto* list = qobject_cast<QListWidget*>(m_list.GetWidget()); list && list->item(index))
                list->item(index)->setText(QString::fromStdString(entry));
    if (DefaultId() == *id) m_default.SetWindowText(NameOf(*id).c_str());
}

void AIdNameEditorDlg::OnMakeDefault() {
    const std::optional<unsigned> id = GetSelectedId();
    if (!id) return;
    MakeDefault(*id);
    m_default.SetWindowText(NameOf(*id).c_str());
}

void AIdNameEditorDlg::OnChangeId() {
    MessageBox("This option is not implemented, yet.", "Please, excuse us!", MB_OK);
}

void AIdNameEditorDlg::OnDelete() {
    const std::optional<unsigned> id = GetSelectedId();
    if (!id) return;
    // Members keep the number of what they use; deleting it would bind them to
    // whatever takes the number next. So what is used stays.
    if (const auto users = m_users.find(*id); users != m_users.end() && !users->second.empty()) {
        const CString text = CString(m_words.title) + " " + std::to_string(*id) + " is used by members " +
                             AListOfIds(users->second) + ".";
        MessageBox(text.c_str(), "Warning", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const std::string lower = m_words.lower;
    const CString question = "Deleting selected " + lower + " might be dangerous!\nYou will have to manualy modify all "
                             "elements which\npoint to this " + lower + " id!\n\nDo you want to delete this " +
                             lower + "?";
    if (MessageBox(question.c_str(), "Warning", MB_YESNO | MB_ICONEXCLAMATION) != IDYES) return;
    Erase(*id);
    FillList();
    FillFields();
}

LRESULT AIdNameEditorDlg::OnColorChanged(WPARAM, LPARAM lParam) {
    if (const std::optional<unsigned> id = GetSelectedId()) {
        m_color = static_cast<COLORREF>(lParam);
        Recolor(*id, m_color);
    }
    return 0;
}
