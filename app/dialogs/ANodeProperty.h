#pragma once
// "Node Properties": the floating sheet of the nodes selected in a structure
// view. It edits the name and coordinates of one node, and the supports and the
// natural support symbol of any number of nodes at once, following the element
// sheet: mixed values show as such and are left as each node has them, and
// Apply hands edited copies to one undoable document edit.
#include "common/omUnitValue.h"
#include "controls/AUnitEdit.h"
#include "framework/APPropertyFrame.h"
#include "platform/ui/CDialogControls.h"

#include <vector>

class ANode2D;
class AStrakonDocument;

// Number, name and coordinates of one node.
class ANodePage : public APPropertyPage {
    DECLARE_DYNCREATE(ANodePage)
public:
    ANodePage();
    ~ANodePage() override;

    int m_nId = 0;
    CString m_strName;
    omUnitValue m_x;
    omUnitValue m_z;
    AUnitGroupManager m_units;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
};

// Supports and the natural symbol: 0 no, 1 yes, 2 mixed.
class ANodePageSupp : public APPropertyPage {
    DECLARE_DYNCREATE(ANodePageSupp)
public:
    ANodePageSupp();
    ~ANodePageSupp() override;

    // The rotations the natural symbol of these supports can take, ascending;
    // none when it has no natural symbol.
    static std::vector<int> AllowedRotations(bool x, bool z, bool r);
    // The bitmap of the natural symbol of these supports; 0 for none.
    static UINT SymbolBitmap(bool x, bool z, bool r);

    CStatic m_picture;
    int m_nSupportX = 0;
    int m_nSupportZ = 0;
    int m_nSupportR = 0;
    int m_nNatural = 0;
    CString m_strRotation;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // The boxes toggle only here: a set or mixed box clears, a clear one sets.
    void OnSupportClicked(UINT nID);
    void OnNaturalClicked();
    void OnRotationChange();
    DECLARE_MESSAGE_MAP()

private:
    // The symbol controls are enabled when no support is mixed and one is set.
    void UpdateNaturalSymbolControls();
    // Offers the rotations of the checked supports, keeping the chosen one when it is still offered.
    void FillRotations();
    void ShowSymbol();
    bool IsChecked(UINT nID) const;

    CComboBox m_rotations;
};

class ANodeProperty : public APPropertySheet {
    DECLARE_DYNCREATE(ANodeProperty)
public:
    explicit ANodeProperty(CWnd* pParentWnd = nullptr);
    ~ANodeProperty() override;

    void ExchangeData(BOOL bSave) override;
    // Takes the numbers of the selected nodes and fills both pages' fields.
    void ReadExternalData() override;

    // The nodes the sheet edits as the model holds them now; those that left it are skipped.
    std::vector<ANode2D*> GetNodes() const;
    size_t GetNodeCount() const { return m_numbers.size(); }
    AStrakonDocument* GetStrakonDocument() const;

    ANodePage& GetCoordinatesPage() { return m_coordinates; }
    ANodePageSupp& GetSupportsPage() { return m_supports; }

private:
    void Apply();

    std::vector<unsigned> m_numbers;
    // The coordinates as first shown: an unchanged one keeps the node's own value exactly.
    omUnitValue m_shownX;
    omUnitValue m_shownZ;
    ANodePage m_coordinates;
    ANodePageSupp m_supports;
};
