#pragma once
// The I page of the cross-section sheet: a doubly symmetric I section by its own
// five dimensions, or a rolled one chosen from the catalogue
// "Common\DB\StandardSectionsI.db"; either may be turned by 90 degrees.
#include "app/dialogs/ACrossSectionPages.h"

class omCrossSectionIDS;
class omCrossSectionStandardI;
class omStandardSectionIRecord;
template <class R> class omAsciiDB;

class ADSICS : public ACrossSectionPage {
    DECLARE_DYNCREATE(ADSICS)
public:
    ADSICS();
    ~ADSICS() override;

    BOOL OnInitDialog() override;
    // Confirming the sheet on this page keeps it open on a dimension that makes no
    // section, or on the catalogue list when no section of it is chosen.
    BOOL OnApply() override;
    // The section as its I base; a catalogue section is told apart by its class.
    void Exchange(omCrossSectionIDS* section, bool save);

    // 0: own dimensions, 1: catalogue.
    int m_nStandard = 0;
    int m_nSwap = 0;
    CString m_strSection;
    CString m_strGroup;
    omUnitValue m_h, m_b, m_t, m_d, m_w;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnStandardSwitch();
    void OnGroupChanged();
    void OnSectionChanged();
    void OnDimensionKillFocus(UINT nID);
    void OnSwapAxes();
    DECLARE_MESSAGE_MAP()

private:
    void ApplyStandardSwitch();
    void ShowOwnDimensions();

    std::unique_ptr<omAsciiDB<omStandardSectionIRecord>> m_pCatalogue;
    std::unique_ptr<omCrossSectionStandardI> m_pStandard;
    CListBox m_sections, m_groups;
    CButton m_standard;
    AEnhMetaFilePicture m_picture;
};
