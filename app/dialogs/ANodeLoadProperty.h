#pragma once
// "Node Load Properties": the floating sheet of a picked node-load symbol. It
// edits a working copy of the loads of one node, which the views draw in place
// of the node's own loads while the sheet is open; Apply hands the copy to one
// undoable document edit. The page lists the copy's loads of the active action
// and creates, renames, edits and deletes them.
#include "app/dialogs/ALoadSheetSupport.h"
#include "common/omUnitValue.h"
#include "controls/AUnitEdit.h"

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

class ANodeLoadProperty : public ALoadSheet {
    DECLARE_DYNCREATE(ANodeLoadProperty)
public:
    explicit ANodeLoadProperty(CWnd* pParentWnd = nullptr);
    // Lets go of what is still registered with the document, then of the copy.
    ~ANodeLoadProperty() override;

    void ReadExternalData() override;

    ANodeLoadGroup* GetCopy() const { return m_pCopy; }
    unsigned GetNodeNumber() const { return m_nNode; }
    ANodeLoadPage& GetPage() { return m_page; }

protected:
    ALoadPage& LoadPage() override { return m_page; }
    const AStorageBase* FindLoads(AStrakonDocument* doc, const void*& owner) const override;
    bool ReplaceCopy(const AStorageBase* loads, unsigned loadGroup) override;
    const AStorageBase* GetCopyLoads() const override;
    unsigned GetCopyLoadGroup() const override;
    void Attach(AStrakonDocument* doc) override;
    void Detach(AStrakonDocument* doc) override;
    void ApplyCopy(AStrakonDocument* doc) override;

private:
    ANodeLoadPage m_page;
    ANodeLoadGroup* m_pCopy = nullptr;
    unsigned m_nNode = 0;
};
