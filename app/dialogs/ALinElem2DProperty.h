#pragma once
// "Element Properties": the floating sheet of the members selected in a
// structure view. It edits the end nodes and name of one member, and the end
// releases, cross-section, materials and elastic ground of any number of
// members at once. Where the members differ a page shows the value as mixed
// (an empty list, a partly checked box, no side chosen, an empty coefficient),
// and Apply leaves a mixed value as each member has it. Apply edits copies and
// hands them to one undoable document edit; the sheet changes no member itself.
#include "common/omUnitValue.h"
#include "controls/AUnitEdit.h"
#include "framework/APPropertyFrame.h"
#include "platform/ui/CDialogControls.h"

#include <array>
#include <vector>

class ALinElem2DProperty;
class ALinearDesignElement2D;
class AStrakonDocument;

// Number, name and end nodes of one member.
class ALinElem2DGeneralPage : public APPropertyPage {
    DECLARE_DYNCREATE(ALinElem2DGeneralPage)
public:
    ALinElem2DGeneralPage();
    ~ALinElem2DGeneralPage() override;

    int m_nId = 0;
    CString m_strStartNode;
    CString m_strEndNode;
    CString m_strName;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    CComboBox m_startList;
    CComboBox m_endList;
};

// The six end releases: 0 fixed, 1 released, 2 mixed.
class ALinElem2DReleasePage : public APPropertyPage {
    DECLARE_DYNCREATE(ALinElem2DReleasePage)
public:
    // The states in the order of m_nState, with their boxes.
    enum Release { startRotation, endRotation, startX, endX, startZ, endZ, count };
    static constexpr std::array<UINT, count> kBoxes = {1071, 1074, 1072, 1075, 1073, 1076};

    ALinElem2DReleasePage();
    ~ALinElem2DReleasePage() override;

    std::array<int, count> m_nState{};

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // The boxes toggle only here: a click clears a set or mixed box, or sets a
    // clear one and then clears the other end's box that would make the member unstable.
    void OnReleaseClicked(UINT nID);
    DECLARE_MESSAGE_MAP()
};

// The cross-section with its values.
class ALinElem2DCSPage : public APPropertyPage {
    DECLARE_DYNCREATE(ALinElem2DCSPage)
public:
    ALinElem2DCSPage();
    ~ALinElem2DCSPage() override;

    CComboBox m_list;
    CString m_strCrossSection;
    CString m_strReinforcement;
    omUnitValue m_A{6};
    omUnitValue m_Iy{16};
    omUnitValue m_Wy{11};
    omUnitValue m_iy{1};
    AUnitGroupManager m_units;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Shows the values of the chosen section; a section no longer in the model shows nothing.
    void OnSelectionChange();
    DECLARE_MESSAGE_MAP()
};

// The leading material and the reinforcement material with their moduli.
class ALinElem2DMaterialPage : public APPropertyPage {
    DECLARE_DYNCREATE(ALinElem2DMaterialPage)
public:
    ALinElem2DMaterialPage();
    ~ALinElem2DMaterialPage() override;

    CComboBox m_list2;
    CComboBox m_list1;
    CString m_strMaterial1;
    CString m_strMaterial2;
    omUnitValue m_E1{35};
    omUnitValue m_E2{35};
    AUnitGroupManager m_units;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnMaterial1Change();
    void OnMaterial2Change();
    DECLARE_MESSAGE_MAP()

private:
    // E of the chosen material into value; a material no longer in the model shows nothing.
    void ShowE(CComboBox& list, omUnitValue& value);
};

// Side and coefficient of the elastic ground of linear members.
class ALinElem2DElasticGround : public APPropertyPage {
    DECLARE_DYNCREATE(ALinElem2DElasticGround)
public:
    // The coefficient of members that differ, shown as an empty edit.
    static constexpr double kMixed = -1.0;

    ALinElem2DElasticGround();
    ~ALinElem2DElasticGround() override;

    // -1 mixed, 0 none, 1 both sides, 2 positive side, 3 negative side.
    int m_nType = -1;
    omUnitValue m_coefficient{70};
    AUnitGroupManager m_units;

    // Whether Apply is to write the coefficient: it is not mixed and differs
    // from the one shown at first, so an untouched value keeps every member's own.
    bool IsCoefficientChanged() const;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

private:
    omUnitValue m_shown{70};
};

class ALinElem2DProperty : public APPropertySheet {
    DECLARE_DYNCREATE(ALinElem2DProperty)
public:
    explicit ALinElem2DProperty(CWnd* pParentWnd = nullptr);
    ~ALinElem2DProperty() override;

    // TRUE: Apply. FALSE: the fields from the selection, then the active page's controls.
    void ExchangeData(BOOL bSave) override;
    // Takes the numbers of the selected members and fills the fields that no
    // page reads itself: id, end nodes, name and releases.
    void ReadExternalData() override;

    // The members the sheet edits as the model holds them now; those that left it are skipped.
    std::vector<ALinearDesignElement2D*> GetMembers() const;
    // How many members the sheet was opened for.
    size_t GetMemberCount() const { return m_numbers.size(); }
    AStrakonDocument* GetStrakonDocument() const;

    ALinElem2DGeneralPage& GetGeneralPage() { return m_general; }
    ALinElem2DReleasePage& GetReleasePage() { return m_release; }
    ALinElem2DCSPage& GetCrossSectionPage() { return m_crossSection; }
    ALinElem2DMaterialPage& GetMaterialPage() { return m_material; }
    ALinElem2DElasticGround& GetGroundPage() { return m_ground; }

private:
    // Copies the members, writes every value that is not mixed into the copies
    // and submits them; nothing when the page refuses its values or no member is left.
    void Apply();

    std::vector<unsigned> m_numbers;
    ALinElem2DGeneralPage m_general;
    ALinElem2DReleasePage m_release;
    ALinElem2DCSPage m_crossSection;
    ALinElem2DMaterialPage m_material;
    ALinElem2DElasticGround m_ground;
};
