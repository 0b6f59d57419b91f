#pragma once
// The cross-section editor: lists, creates, edits, renames, recolours and
// deletes the sections of a working copy of the model's map, and chooses the
// default one. A section is only taken when the model says it is properly set.
#include "app/dialogs/AIdNameEditorDlg.h"

class ACrossSectionMap;
class omCrossSection;

class ACrossSectionsSheet : public ABasePropertySheet {
    DECLARE_DYNAMIC(ACrossSectionsSheet)
public:
    explicit ACrossSectionsSheet(const char* pszCaption, CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~ACrossSectionsSheet() override;
};

class ACrossSectionDlg : public AIdNameEditorDlg {
    DECLARE_DYNAMIC(ACrossSectionDlg)
public:
    // The map is the working copy (not owned).
    ACrossSectionDlg(CWnd* pParent, ACrossSectionMap* pMap);
    ~ACrossSectionDlg() override;

    omCrossSection* GetSelectedSection() const;

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
    ACrossSectionMap* m_pMap;
};
