#pragma once
// The wizard of a new, empty structure: the unit system and the approximate
// size on the first page, the report description texts on the second. Finish
// lets the caller apply both pages to the new document and the options; Cancel
// leaves everything as it was.
#include "common/omUnitValue.h"
#include "controls/AEnhMetaFilePicture.h"
#include "controls/AUnitEdit.h"
#include "framework/AWizard.h"

class AStrakonDocument;

class AWizPageBasicInfo : public AWizardPage {
    DECLARE_DYNCREATE(AWizPageBasicInfo)
public:
    enum { IDD = 208 };
    AWizPageBasicInfo();
    ~AWizPageBasicInfo() override;

    BOOL OnInitDialog() override;
    // Converts the entries to the unit of the chosen system.
    void OnUnitType();
    // Extents and grid of the chosen unit system.
    void ApplyToDocument(AStrakonDocument& document) const;
    // Unit key 4 (ft) for imperial, 2 (m) for metric.
    omUnitKey LengthKey() const;

    int m_nUnitType = 0; // 0 metric, 1 imperial
    omUnitValue m_height;
    omUnitValue m_width;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    DECLARE_MESSAGE_MAP()

private:
    AEnhMetaFilePicture m_picture;
    AUnitGroupManager m_units;
};

class AWizPageStructureInfo : public AWizardPage {
    DECLARE_DYNCREATE(AWizPageStructureInfo)
public:
    enum { IDD = 206 };
    // The author starts as the options' author name.
    AWizPageStructureInfo();
    ~AWizPageStructureInfo() override;

    BOOL OnInitDialog() override;
    // The seven texts become the document's report description.
    void ApplyToDocument(AStrakonDocument& document) const;

    CString m_strAuthor;
    CString m_strComment;
    CString m_strInvestor;
    CString m_strKeywords;
    CString m_strProject;
    CString m_strSubtitle;
    CString m_strTitle;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    AEnhMetaFilePicture m_picture;
};

// Built but never shown: it holds only a picture.
class AWizPageProjectInfo : public AWizardPage {
    DECLARE_DYNCREATE(AWizPageProjectInfo)
public:
    enum { IDD = 207 };
    AWizPageProjectInfo();
    ~AWizPageProjectInfo() override;
    BOOL OnInitDialog() override;

protected:
    void DoDataExchange(CDataExchange* pDX) override;

private:
    AEnhMetaFilePicture m_picture;
};

class AWizardBlankStructure : public AWizard {
    DECLARE_DYNAMIC(AWizardBlankStructure)
public:
    // The location is kept; the wizard shows it nowhere.
    explicit AWizardBlankStructure(const CString& location, CWnd* pParentWnd = nullptr);
    ~AWizardBlankStructure() override;

    BOOL OnWizardFinish() override;
    // After Finish: the basic information, then the structure information.
    void ApplyToDocument(AStrakonDocument& document);

    AWizPageBasicInfo m_basicInfo;
    AWizPageStructureInfo m_structureInfo;
    AWizPageProjectInfo m_projectInfo;
    CString m_strLocation;
};
