#pragma once
// "Element Load Properties": the floating sheet of a picked member-load symbol.
// It works as the node load sheet does, on a working copy of the loads of one
// member, with three kinds of loads (concentrated force, linear load,
// temperature load) whose controls lie over each other, and application points
// given as a fraction of the member length and as a length, with spin buttons.
#include "app/dialogs/ALoadSheetSupport.h"
#include "common/omUnitValue.h"
#include "controls/AEnhMetaFilePicture.h"
#include "controls/AUnitEdit.h"
#include "model/omLoad.h"

class AElementLoadGroup;
class AStrakonDocument;

class AElementLoadPage : public ALoadPage {
    DECLARE_DYNCREATE(AElementLoadPage)
public:
    AElementLoadPage();
    ~AElementLoadPage() override;

    // The sheet's copy (not owned); null forgets it. Forgets the shown load.
    void SetCopy(AElementLoadGroup* copy);

    int m_nPart = 0;
    CString m_strType;
    int m_nForceWorld = 0;
    int m_nLinearWorld = 0;
    int m_nPositionWorld = 0;
    omLoadForce m_force;
    double m_forceRel = 0.0;
    omUnitValue m_forceAbs;
    omLoadLinear m_linear;
    double m_startRel = 0.0;
    double m_endRel = 1.0;
    omUnitValue m_startAbs;
    omUnitValue m_endAbs;
    omLoadTemperature m_temperature;

    AEnhMetaFilePicture m_picture;
    CSpinButtonCtrl m_startSpin;
    CSpinButtonCtrl m_endSpin;
    CSpinButtonCtrl m_forceSpin;

protected:
    BOOL OnInitDialog() override;
    void ExchangeFields(CDataExchange* pDX) override;
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) override;
    void ShowSelected() override;
    void HideValues() override;
    // Measures the changed positions, keeps them on the member and writes the
    // changed fields and the positions into the shown load.
    void StoreChanged(const std::set<int>& changed) override;
    void ListActiveLoadGroup(unsigned loadGroup) override;
    void AddToCopy(omLoad* load) override;
    void RemoveFromCopy(const omLoad* load) override;
    void OnPartClicked();
    void OnForceWorldClicked();
    void OnLinearWorldClicked();
    void OnPositionWorldClicked();
    void OnNewConcentrated();
    void OnNewLinear();
    void OnNewTemperature();
    DECLARE_MESSAGE_MAP()

private:
    void ShowKind(int kind);
    void EnablePart();
    // The member's length in cm; 0 without a member.
    double Length() const;
    // The lengths and spin positions of the relative positions.
    void UpdatePositions();
    void ClampPositions();
    // Writes the fields the user changed (value ids) and the positions into the shown load.
    void StoreValues(const std::set<int>& changed);
    void StorePositions();

    AUnitGroupManager m_units;
    AElementLoadGroup* m_pCopy = nullptr;
};

class AElementLoadProperty : public ALoadSheet {
    DECLARE_DYNCREATE(AElementLoadProperty)
public:
    explicit AElementLoadProperty(CWnd* pParentWnd = nullptr);
    // Lets go of what is still registered with the document, then of the copy.
    ~AElementLoadProperty() override;

    void ReadExternalData() override;

    AElementLoadGroup* GetCopy() const { return m_pCopy; }
    unsigned GetElementNumber() const { return m_nElement; }
    AElementLoadPage& GetPage() { return m_page; }

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
    AElementLoadPage m_page;
    AElementLoadGroup* m_pCopy = nullptr;
    unsigned m_nElement = 0;
};
