#pragma once
// What the node load sheet and the member load sheet share: the sheet base with
// the working copy's life, the page base with its list of the copy's loads and
// its bookkeeping of the edits the user changed, the "New load" menu button,
// and the byte records that tell whether an owner's loads changed under the
// sheet's working copy.
#include "framework/APPropertyFrame.h"
#include "platform/ui/CDialogControls.h"
#include "platform/ui/CMenu.h"

#include <cstdint>
#include <set>
#include <vector>

class ALoadGroupList;
class AStrakonDocument;
class AStorageBase;
class omLoad;

namespace loadsheet {

// The stored form of a load list (its storage interface's record); empty
// without a list. Two lists with equal records hold equal loads.
std::vector<std::uint8_t> Records(const AStorageBase* group);

} // namespace loadsheet

// A push button that drops down a popup menu; the menu's choices go to the
// button's parent as commands.
class ALoadMenuButton : public CButton {
public:
    ALoadMenuButton();
    ~ALoadMenuButton() override;
    // The popup is not owned; it must outlive the button's window.
    void SetMenu(CMenu* popup);
    // The menu the button drops down; null before SetMenu.
    QMenu* GetDropDownMenu() const;

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) override;
};

// The page base of both load sheets. Value handlers run on the loss of the
// focus and only for a text the user changed; texts the program writes
// (filling the list, the name, the values) run no handler. The page lists the
// loads of the sheet's working copy of the active action and creates, renames,
// edits and deletes them.
class ALoadPage : public APPropertyPage {
public:
    // nNameId: the edit of the shown load's name.
    ALoadPage(UINT nIDTemplate, int nNameId);
    ~ALoadPage() override;

    DWORD GetDialogID() override { return m_nIDTemplate; }
    // Whether the user changed the text of that edit since the program last wrote it.
    bool IsChanged(int nID) const { return m_changed.count(nID) != 0; }

    // The copy's loads of that action, the first of them shown.
    void SetActiveLoadGroup(unsigned loadGroup);
    // Lists the copy's loads again and shows the one at that position (the
    // last one when the list is shorter); -1 shows the first.
    void Refill(int position);
    // Commits the texts the user changed and did not leave yet; false when one
    // was refused (the focus is back on it).
    bool CommitChanges();
    // The list position of the shown load; -1 without one.
    int GetSelectedPosition() const;
    omLoad* GetSelectedLoad() const { return m_pLoad; }

protected:
    // Keeps the program's writes from counting as the user's.
    class Filling {
    public:
        explicit Filling(ALoadPage& page) : m_page(page), m_bWas(page.m_bFilling) { page.m_bFilling = true; }
        ~Filling() { m_page.m_bFilling = m_bWas; }
        Filling(const Filling&) = delete;
        Filling& operator=(const Filling&) = delete;

    private:
        ALoadPage& m_page;
        bool m_bWas;
    };

    // The exchange with the frame pinned: a refused value prompts, and the
    // frame must not hide behind the prompt.
    void DoDataExchange(CDataExchange* pDX) override;
    // Reads the changed texts into the fields: true when all of them were read
    // (or none was changed). A refused text prompts once: as long as it stays
    // as it was refused, a second reading only puts the focus back on it.
    bool ReadChanged();
    // Writes the fields into the controls; nothing the user changed is left.
    void WriteAll();
    // Called by an edit's EN_CHANGE: the user's text, unless the program writes.
    void NoteChange(int nID);
    // The exchange's own work; saving reads only the changed edits.
    virtual void ExchangeFields(CDataExchange* pDX) = 0;
    bool IsFilling() const { return m_bFilling; }
    void ForgetChanges() { m_changed.clear(); }

    // The message handlers both pages map to their own controls.
    void OnSelectLoad();
    void OnNameChange();
    void OnEditChange(UINT nID);
    void OnEditKillFocus(UINT nID);
    void OnDeleteLoad();

    // The sheet's copy as a list and as the views' hint (not owned); null
    // without one. Forgets the shown load.
    void SetList(ALoadGroupList* list, CObject* hint);
    // The sheet's document; null outside a sheet on a document.
    AStrakonDocument* GetDocument() const;
    // The action new loads join, 0 when it is not one of the model's actions.
    unsigned NewLoadGroup() const;
    // Tells the views that the copy changed.
    void SendHint();
    // Commits what is left in the edits, hands the new load to the copy and shows it.
    void AddLoad(omLoad* load);

    // Shows the list's selected load in the controls.
    virtual void ShowSelected() = 0;
    // Shows no load.
    virtual void HideValues() = 0;
    // Writes the fields read from the changed edits (their ids) into the shown load.
    virtual void StoreChanged(const std::set<int>& changed) = 0;
    // The copy's own list operations.
    virtual void ListActiveLoadGroup(unsigned loadGroup) = 0;
    virtual void AddToCopy(omLoad* load) = 0;
    virtual void RemoveFromCopy(const omLoad* load) = 0;
    // Whether the user lets the shown load go; asked after the frame is pinned.
    virtual bool ConfirmDelete() { return true; }

    std::set<int> m_changed;
    CListBox m_list;
    ALoadMenuButton m_new;
    CMenu m_menu;
    // The shown load of the copy; null without one.
    omLoad* m_pLoad = nullptr;

private:
    void FillList();
    void UpdateNew();

    int m_nNameId;
    ALoadGroupList* m_pList = nullptr;
    CObject* m_pHint = nullptr;
    bool m_bFilling = false;
    // The edit whose text was refused last, and that text.
    int m_nRefusedId = 0;
    CString m_strRefused;
};

// The sheet base of both load sheets: a working copy of the loads of one owner
// (a node or a member), which the views draw in place of the owner's own loads
// while the sheet is open; Apply hands the copy to one undoable document edit.
class ALoadSheet : public APPropertySheet {
public:
    ALoadSheet(const char* pszCaption, CWnd* pParentWnd);
    ~ALoadSheet() override;

    void ExchangeData(BOOL bSave) override;
    void BeforeHide() override;

    // After every command of the document: a copy whose owner left the model
    // gives way to the message sheet; one whose owner's loads changed is taken
    // again, showing the same position. The sheet may be gone on return.
    void ModelChanged();

    AStrakonDocument* GetStrakonDocument() const;

protected:
    // Makes a new copy of the owner's loads listing that action; false when the owner or its loads are gone.
    bool TakeCopy(unsigned loadGroup);
    // Lets go of what is still registered with the document, then of the copy;
    // for the destructor of the sheet that owns the copy.
    void ReleaseCopy();

    virtual ALoadPage& LoadPage() = 0;
    // The owner's loads in the document and the owner; null when either is gone.
    virtual const AStorageBase* FindLoads(AStrakonDocument* doc, const void*& owner) const = 0;
    // Gives the page no copy and deletes the copy, then copies those loads
    // (none for null) listing that action and gives the page the new copy;
    // false without a new copy.
    virtual bool ReplaceCopy(const AStorageBase* loads, unsigned loadGroup) = 0;
    // The copy; null without one.
    virtual const AStorageBase* GetCopyLoads() const = 0;
    virtual unsigned GetCopyLoadGroup() const = 0;
    // Registers the copy and the page with the document, or lets go of them.
    virtual void Attach(AStrakonDocument* doc) = 0;
    virtual void Detach(AStrakonDocument* doc) = 0;
    // The document edit of Apply.
    virtual void ApplyCopy(AStrakonDocument* doc) = 0;

private:
    void Register();
    void Unregister();

    // The owner the copy was taken from, and its loads' records then.
    const void* m_pOwner = nullptr;
    std::vector<std::uint8_t> m_base;
    // The document the copy and the page are registered with.
    AStrakonDocument* m_pRegistered = nullptr;
};
