#pragma once
// "Node Load Properties": the floating sheet of a picked node-load symbol. It
// edits a working copy of the loads of one node, which the views draw in place
// of the node's own loads while the sheet is open; Apply hands the copy to one
// undoable document edit. The page lists the copy's loads of the active action
// and creates, renames, edits and deletes them.
#include "app/dialogs/ALoadSheetSupport.h"
#include "common/omUnitValue.h"
#include "controls/AUnitEdit.h"

#include <cstdint>
#include <vector>

class ANodeLoadGroup;
class AStrakonDocument;
class omLoad;
class omLoadDisplacement;
class omLoadForce;

class ANodeLoadPage : public ALoadPage {
    DECLARE_DYNCREATE(ANodeLoadPage)
public:
    ANodeLoadPage();
    ~ANodeLoadPage() override;

    // The copy's loads of that action, the first of them shown.
    void SetActiveLoadGroup(unsigned loadGroup);
    // The sheet's copy (not owned); null forgets it. Forgets the shown load.
    void SetCopy(ANodeLoadGroup* copy);
    // Lists the copy's loads again and shows the one at that position (the
    // last one when the list is shorter); -1 shows the first.
    void Refill(int position);
    // Commits an edit whose text the user changed and did not leave yet; false
    // when its text was refused (the focus is back on it).
    bool CommitChanges();
    // The list position of the shown load; -1 without one.
    int GetSelectedPosition() const;
    omLoad* GetSelectedLoad() const { return m_pLoad; }

    omUnitValue m_Fx, m_Fz, m_My;
    omUnitValue m_Ux, m_Uz, m_Fiy;

protected:
    BOOL OnInitDialog() override;
    void ExchangeFields(CDataExchange* pDX) override;
    void OnSelectLoad();
    void OnNameChange();
    void OnValueChange(UINT nID);
    void OnValueKillFocus(UINT nID);
    void OnDeleteLoad();
    void OnNewForce();
    void OnNewDisplacement();
    DECLARE_MESSAGE_MAP()

private:
    void FillList();
    void ShowSelected();
    void ShowValues();
    void HideValues();
    void UpdateNew();
    void SendHint();
    void AddLoad(omLoad* load);
    // The action new loads join, 0 when it is not one of the model's actions.
    unsigned NewLoadGroup() const;

    CListBox m_list;
    ALoadMenuButton m_new;
    CMenu m_menu;
    AUnitGroupManager m_units;
    ANodeLoadGroup* m_pCopy = nullptr;
    omLoad* m_pLoad = nullptr;
    omLoadForce* m_pForce = nullptr;
    omLoadDisplacement* m_pDisplacement = nullptr;
};

class ANodeLoadProperty : public APPropertySheet {
    DECLARE_DYNCREATE(ANodeLoadProperty)
public:
    explicit ANodeLoadProperty(CWnd* pParentWnd = nullptr);
    // Lets go of what is still registered with the document, then of the copy.
    ~ANodeLoadProperty() override;

    void ExchangeData(BOOL bSave) override;
    void ReadExternalData() override;
    void BeforeHide() override;

    // After every command of the document: a copy whose node left the model
    // gives way to the message sheet; one whose node's loads changed is taken
    // again, showing the same position. The sheet may be gone on return.
    void ModelChanged();

    ANodeLoadGroup* GetCopy() const { return m_pCopy; }
    unsigned GetNodeNumber() const { return m_nNode; }
    ANodeLoadPage& GetPage() { return m_page; }
    AStrakonDocument* GetStrakonDocument() const;

private:
    // Makes a new copy of the node's loads listing that action; false when the node or its loads are gone.
    bool TakeCopy(unsigned loadGroup);
    void Register();
    void Unregister();

    ANodeLoadPage m_page;
    ANodeLoadGroup* m_pCopy = nullptr;
    unsigned m_nNode = 0;
    // The node object the copy was taken from, and its loads' records then.
    const void* m_pOwner = nullptr;
    std::vector<std::uint8_t> m_base;
    // The document the copy and the page are registered with.
    AStrakonDocument* m_pRegistered = nullptr;
};
