#pragma once
// The pages of the cross-section sheet: the general section given by its
// values, and the shapes given by their dimensions, each with a picture and a
// live preview of the section values A, Iy, Wy, Iz, Wz and iy. The I page with
// its catalogue is ADSICS.
#include "app/dialogs/ANameColorPage.h"
#include "common/omUnitValue.h"
#include "controls/AEnhMetaFilePicture.h"
#include "controls/AUnitEdit.h"

#include <memory>
#include <vector>

class omCrossSection;
class omCrossSectionBox;
class omCrossSectionCircle;
class omCrossSectionRect;
class omCrossSectionT;
class omCrossSectionTube;
class omGenericCrossSection;

// A page that shows the section values of a section.
class ACrossSectionPage : public ANameColorPage {
    DECLARE_DYNAMIC(ACrossSectionPage)
public:
    explicit ACrossSectionPage(UINT nIDTemplate);
    ~ACrossSectionPage() override;

    // The values of a section that is properly set; zeros in the user's units for any other.
    void ShowSectionValues(const omCrossSection& section);

    omUnitValue m_A, m_Iy, m_Wy, m_Iz, m_Wz, m_iy;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    // With the dimensions the page holds (variables 1.. in the edits ids, in order)
    // a probe of the section's class is checked; when it is no section the field
    // that makes it fail is named, focused and selected, and FALSE comes back.
    BOOL CheckDimensions(omCrossSection& probe, const std::vector<int>& ids);

    // The section whose values the page previews (owned).
    std::unique_ptr<omCrossSection> m_pPreview;
    AUnitGroupManager m_units;
};

// A shape given by its dimensions: the section's variables 1 to n, one edit each.
class AShapeCS : public ACrossSectionPage {
    DECLARE_DYNAMIC(AShapeCS)
public:
    ~AShapeCS() override;

    BOOL OnInitDialog() override;
    // Confirming the sheet on this page keeps it open on a dimension that makes no section.
    BOOL OnApply() override;
    // Load: dimensions, name and colour from the section, and its values shown.
    // Save: the dimensions, the name ("Unknown" when empty) and the colour into the section.
    void ExchangeShape(omCrossSection* section, bool save);

    std::vector<omUnitValue> m_dimensions;

protected:
    AShapeCS(UINT nIDTemplate, omCrossSection* preview, int pictureId, UINT metafileId,
             std::vector<int> dimensionIds, unsigned dimensionGroup);
    void DoDataExchange(CDataExchange* pDX) override;
    // Any edit of the page lost the focus: a dimension's updates the preview.
    void OnEditKillFocus(UINT nID);
    DECLARE_MESSAGE_MAP()

private:
    AEnhMetaFilePicture m_picture;
    int m_nPictureId;
    UINT m_nMetafileId;
    std::vector<int> m_dimensionIds;
    unsigned m_nDimensionGroup;
};

class ARectangleCS : public AShapeCS {
    DECLARE_DYNCREATE(ARectangleCS)
public:
    ARectangleCS();
    void Exchange(omCrossSectionRect* section, bool save);
};

class ACircleCS : public AShapeCS {
    DECLARE_DYNCREATE(ACircleCS)
public:
    ACircleCS();
    void Exchange(omCrossSectionCircle* section, bool save);
};

class ATubeCS : public AShapeCS {
    DECLARE_DYNCREATE(ATubeCS)
public:
    ATubeCS();
    void Exchange(omCrossSectionTube* section, bool save);
};

class ABoxCS : public AShapeCS {
    DECLARE_DYNCREATE(ABoxCS)
public:
    ABoxCS();
    void Exchange(omCrossSectionBox* section, bool save);
};

class ATCS : public AShapeCS {
    DECLARE_DYNCREATE(ATCS)
public:
    ATCS();
    void Exchange(omCrossSectionT* section, bool save);
};

// A section given by its sixteen values.
class AGeneralCS : public ABasePropertyPage {
    DECLARE_DYNCREATE(AGeneralCS)
public:
    AGeneralCS();
    ~AGeneralCS() override;

    void SetActivePageSlot(CPropertyPage** slot) { m_ppActivePage = slot; }
    BOOL OnSetActive() override;
    DWORD GetDialogID() override { return m_nIDTemplate; }
    // Load: the whole section into the page's. Save: the page's into the section, named "Unknown" when nameless.
    void Exchange(omGenericCrossSection* section, bool save);
    // Confirming the sheet on this page keeps it open on a value that makes no section.
    BOOL OnApply() override;

    std::unique_ptr<omGenericCrossSection> m_pSection;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    CPropertyPage** m_ppActivePage = nullptr;
    AUnitGroupManager m_units;
};
