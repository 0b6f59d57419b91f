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

    // The sheet's copy (not owned); null forgets it. Forgets the shown load.
    void SetCopy(ANodeLoadGroup* copy);

    omUnitValue m_Fx, m_Fz, m_My;
    omUnitValue m_Ux, m_Uz, m_Fiy;

protected:
    BOOL OnInitDialog() override;
    void ExchangeFields(CDataExchange* pDX) override;
    void ShowSelected() override;
    void HideValues() override;
    void StoreChanged(const std::set<int>& changed) override;
    void ListActiveLoadGroup(unsigned loadGroup) override;
    void AddToCopy(omLoad* load) override;
    void RemoveFromCopy(const omLoad* load) override;
    bool ConfirmDelete() override;
    void OnNewForce();
    void OnNewDisplacement();
    DECLARE_MESSAGE_MAP()

private:
    void ShowValues();
    // The shown load as a force or a displacement; null when it is not one.
    omLoadForce* Force() const;
    omLoadDisplacement* Displacement() const;

    AUnitGroupManager m_units;
    ANodeLoadGroup* m_pCopy = nullptr;
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
