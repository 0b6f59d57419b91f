#pragma once
// What the material and the cross-section editor share: a list of "id: name"
// entries of a working copy of an id-keyed map, the name, id and colour of
// the selected entry, the default entry, renaming, recolouring and deleting.
// The two editors add creating and editing through their sheets.
#include "framework/ABaseDialog.h"
#include "platform/ui/CColorWell.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

class AIdNameEditorDlg : public ABaseDialog {
    DECLARE_DYNAMIC(AIdNameEditorDlg)
public:
    // The controls of one editor, by role.
    struct Controls {
        int list, name, id, changeId, color, edit, create, erase, makeDefault, defaultName;
    };
    // The words of one editor: "Material" / "material", "Cross-section" / "cross-section".
    struct Words {
        const char* title;
        const char* lower;
    };

    AIdNameEditorDlg(UINT nIDTemplate, CWnd* pParent, const Controls& controls, const Words& words);
    ~AIdNameEditorDlg() override;

    // The members that use each id (from the document); an id in use is not deleted.
    void SetUsers(std::map<unsigned, std::vector<unsigned>> users) { m_users = std::move(users); }

    BOOL OnInitDialog() override;
    DWORD GetDialogID() override { return m_nIDTemplate; }

    int m_nId = 0;
    std::string m_strName;
    COLORREF m_color = 0;

protected:
    // The map behind the list.
    virtual std::vector<CString> IdNames() const = 0;
    virtual bool Exists(unsigned id) const = 0;
    virtual std::string NameOf(unsigned id) const = 0;
    virtual COLORREF ColorOf(unsigned id) const = 0;
    virtual void Rename(unsigned id, const std::string& name) = 0;
    virtual void Recolor(unsigned id, COLORREF color) = 0;
    virtual unsigned DefaultId() const = 0;
    virtual void MakeDefault(unsigned id) = 0;
    virtual void Erase(unsigned id) = 0;

    void DoDataExchange(CDataExchange* pDX) override;
    // The id of the selected entry, when it is one of the map's.
    std::optional<unsigned> GetSelectedId() const;
    void FillList();
    void FillFields();
    // The user chose another entry.
    void OnListSelChange();
    void OnNameChanged();
    void OnMakeDefault();
    void OnChangeId();
    void OnDelete();
    LRESULT OnColorChanged(WPARAM wParam, LPARAM lParam);

    CListBox m_list;
    CStatic m_default;
    CColorWell m_colorWell;

private:
    Controls m_controls;
    Words m_words;
    std::map<unsigned, std::vector<unsigned>> m_users;
    // Set while the dialog itself changes the list or the fields: their notifications are not the user's.
    bool m_bFilling = false;
};

// "1, 2, 3": at most ten numbers, then ", ...".
CString AListOfIds(const std::vector<unsigned>& ids);
