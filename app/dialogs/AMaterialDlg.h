#pragma once
// The material editor: lists, creates, edits, renames, recolours and deletes
// the materials of a working copy of the model's material map, and chooses the
// default material. New and edited materials go through the materials sheet,
// one page per material class.
#include "app/dialogs/AIdNameEditorDlg.h"

class AMaterialMap;
class omMaterial;

class AMaterialsSheet : public ABasePropertySheet {
    DECLARE_DYNAMIC(AMaterialsSheet)
public:
    explicit AMaterialsSheet(const char* pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~AMaterialsSheet() override;
};

class AMaterialDlg : public AIdNameEditorDlg {
    DECLARE_DYNAMIC(AMaterialDlg)
public:
    // The map is the working copy (not owned).
    AMaterialDlg(CWnd* pParent, AMaterialMap* pMap);
    ~AMaterialDlg() override;

    omMaterial* GetSelectedMaterial() const;

protected:
    std::vector<CString> IdNames() const override;
    bool Exists(unsigned id) const override;
    std::string NameOf(unsigned id) const override;
    COLORREF ColorOf(unsigned id) const override;
    void Rename(unsigned id, const std::string& name) override;
    void Recolor(unsigned id, COLORREF color) override;
    unsigned DefaultId() const override;
    void MakeDefault(unsigned id) override;
    void Erase(unsigned id) override;

    void OnNew();
    void OnEdit();
    DECLARE_MESSAGE_MAP()

private:
    AMaterialMap* m_pMap;
};
