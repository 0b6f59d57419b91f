#pragma once
// The seven pages of the output-settings sheet. Each page is bound by
// SetAttributes to the sheet's copies of the settings (never to the program's
// own objects), shows them, and writes them back with ApplyAttributes after
// the sheet was closed with OK. The name lists of the geometry-and-load and
// results pages go into the bound copy at every page change and at OK; the
// copy is dropped when the sheet is cancelled.
#include "app/report/AOutputAttributes.h"
#include "app/views/ADocAttributes.h"
#include "controls/AUnitEdit.h"
#include "controls/CFontCombo.h"
#include "framework/ABaseDialog.h"

#include <array>
#include <string>
#include <vector>

class omLoadManager;

// Moves names from one list box to the other: the selected ones, or with all
// every one. The target sorts them in.
void MoveListBoxItems(CListBox& source, CListBox& target, bool all);

class AOutputGeneralPP : public ABasePropertyPage {
    DECLARE_DYNCREATE(AOutputGeneralPP)
public:
    enum { IDD = 192 };
    // The point sizes that the three size lists offer.
    static const std::vector<const char*>& CaptionSizes();
    static const std::vector<const char*>& HeadSizes();
    static const std::vector<const char*>& NormalSizes();

    AOutputGeneralPP();
    ~AOutputGeneralPP() override;

    void SetAttributes(AOutputAttributes& attributes);
    void ApplyAttributes();
    BOOL OnInitDialog() override;
    DWORD GetDialogID() override { return IDD; }

    CString m_strCaptionFont = "Times New Roman";
    CString m_strCaptionSize;
    CString m_strHeadFont = "Times New Roman";
    CString m_strHeadSize;
    CString m_strNormalFont = "Arial";
    CString m_strNormalSize;
    CString m_strTableStyle = "Rows 1";
    CString m_strLanguage = "English";
    int m_nPicPosition = 3;
    int m_bPicBorder = 1;
    int m_bPicCenter = 0;
    int m_nColorType = 0;
    int m_bMirrorMargins = 0;
    int m_bGDIPrintFix = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    DECLARE_MESSAGE_MAP()

private:
    AOutputAttributes* m_pAttributes = nullptr;
    CFontCombo m_captionFont;
    CFontCombo m_headFont;
    CFontCombo m_normalFont;
    std::array<CComboBox, 3> m_sizes;
    CComboBox m_tableStyle;
    CComboBox m_language;
    bool m_bFilled = false;
};

class AOutputFrontPagePP : public ABasePropertyPage {
    DECLARE_DYNCREATE(AOutputFrontPagePP)
public:
    enum { IDD = 191 };

    AOutputFrontPagePP();
    ~AOutputFrontPagePP() override;

    // The settings' switches and font; the structure's description texts (not owned).
    void SetAttributes(AOutputAttributes& attributes, ADocAttributes& description);
    // The switches, the font and the seven texts that the user edits; never the file or the logo.
    void ApplyAttributes();
    BOOL OnInitDialog() override;
    DWORD GetDialogID() override { return IDD; }

    int m_bPrintFrontPage = 1;
    int m_bPrintTitle = 1;
    int m_bPrintSubtitle = 1;
    int m_bPrintText = 1;
    int m_bPrintKeywords = 1;
    int m_bPrintLogo = 1;
    int m_bPrintInvestor = 1;
    int m_bPrintAuthor = 1;
    int m_bPrintFile = 1;
    int m_bPrintProject = 1;
    CString m_strTitle, m_strSubtitle, m_strLogo, m_strProject, m_strInvestor, m_strAuthor, m_strFile,
        m_strKeywords, m_strComment;
    CString m_strFrontPageFont;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    DECLARE_MESSAGE_MAP()

private:
    AOutputAttributes* m_pAttributes = nullptr;
    ADocAttributes* m_pDescription = nullptr;
    CFontCombo m_font;
    bool m_bFilled = false;
};

class AOutputHeadFootPP : public ABasePropertyPage {
    DECLARE_DYNCREATE(AOutputHeadFootPP)
public:
    enum { IDD = 190 };

    AOutputHeadFootPP();
    ~AOutputHeadFootPP() override;

    void SetAttributes(AOutputAttributes& attributes);
    void ApplyAttributes();
    DWORD GetDialogID() override { return IDD; }

    CString m_strHeadLeft, m_strHeadMiddle, m_strHeadRight;
    CString m_strFootLeft, m_strFootMiddle, m_strFootRight;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    DECLARE_MESSAGE_MAP()

private:
    AOutputAttributes* m_pAttributes = nullptr;
};

class AOutputMarginsPP : public ABasePropertyPage {
    DECLARE_DYNCREATE(AOutputMarginsPP)
public:
    enum { IDD = 195 };
    // The edits in the order of the settings' margins.
    static const std::array<int, AOutputAttributes::marginCount> kEditIds;
    // No margin may be larger: the page's body would not fit on the paper.
    static constexpr double kMaxMarginCm = 10.0;

    AOutputMarginsPP();
    ~AOutputMarginsPP() override;

    // The margins in the user's length unit.
    void SetAttributes(AOutputAttributes& attributes);
    void ApplyAttributes();
    DWORD GetDialogID() override { return IDD; }

    std::array<omUnitValue, AOutputAttributes::marginCount> m_margins;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    DECLARE_MESSAGE_MAP()

private:
    AOutputAttributes* m_pAttributes = nullptr;
    // The margins as SetAttributes gave them to the page.
    std::array<omUnitValue, AOutputAttributes::marginCount> m_shown;
    AUnitGroupManager m_units;
};

class AOutputDescriptionPP : public ABasePropertyPage {
    DECLARE_DYNCREATE(AOutputDescriptionPP)
public:
    enum { IDD = 230 };

    AOutputDescriptionPP();
    ~AOutputDescriptionPP() override;

    void SetAttributes(AOutputStructureAttributes& attributes);
    void ApplyAttributes();
    DWORD GetDialogID() override { return IDD; }

    int m_bUseDescription = 0;
    CString m_strDescription;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    DECLARE_MESSAGE_MAP()

private:
    AOutputStructureAttributes* m_pAttributes = nullptr;
};

// The common part of the two pages with a "print" and a "don't print" list.
class AOutputListPage : public ABasePropertyPage {
    DECLARE_DYNAMIC(AOutputListPage)
public:
    AOutputListPage(UINT nIDTemplate, const std::array<int, 6>& listIds);
    ~AOutputListPage() override;

    // The lists' ids, then the buttons ">", "<", ">>", "<<".
    const std::array<int, 6> m_listIds;

    void OnMoveRight();
    void OnMoveLeft();
    void OnMoveAllRight();
    void OnMoveAllLeft();

protected:
    // Brings the bound lists up to date with the model; then the base fills the list boxes.
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    virtual void ReconcileLists() = 0;
    // The lists that the two list boxes show: print and don't print.
    std::vector<std::string>* m_pPrint = nullptr;
    std::vector<std::string>* m_pDontPrint = nullptr;
    const omLoadManager* m_pLoadManager = nullptr;
    CListBox m_print;
    CListBox m_dontPrint;
};

class AOutputGeometryLoadPP : public AOutputListPage {
    DECLARE_DYNCREATE(AOutputGeometryLoadPP)
public:
    enum { IDD = 193 };

    AOutputGeometryLoadPP();
    ~AOutputGeometryLoadPP() override;

    // The switches of the settings; the action lists of the structure; the model's
    // loads, which may be null (the lists are then shown as they are).
    void SetAttributes(AOutputAttributes& attributes, AOutputStructureAttributes& lists,
                       const omLoadManager* loads);
    void ApplyAttributes();
    DWORD GetDialogID() override { return IDD; }

    int m_bGeometryPic = 1;
    int m_nNodeTabType = 1;
    int m_nElementTabType = 1;
    int m_nCSTabType = 1;
    int m_nMaterialTabType = 1;
    int m_bLoadCaseTab = 1;
    int m_bActionPic = 1;
    int m_bActionTab = 1;
    int m_bActionPicSec = 0;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void ReconcileLists() override;

private:
    AOutputAttributes* m_pAttributes = nullptr;
    AOutputStructureAttributes* m_pLists = nullptr;
};

class AOutputResultsPP : public AOutputListPage {
    DECLARE_DYNCREATE(AOutputResultsPP)
public:
    enum { IDD = 194 };
    // The check boxes of the result pictures by kind and picture, as the settings hold them.
    static const int kResultIds[AOutputAttributes::resultKindCount][AOutputAttributes::resultPictureCount];

    AOutputResultsPP();
    ~AOutputResultsPP() override;

    void SetAttributes(AOutputAttributes& attributes, AOutputStructureAttributes& lists,
                       const omLoadManager* loads);
    void ApplyAttributes();
    DWORD GetDialogID() override { return IDD; }

    int m_bResult[AOutputAttributes::resultKindCount][AOutputAttributes::resultPictureCount] = {};
    int m_bDisplTab = 1;
    int m_bReactionsTab = 1;
    int m_bIntForcesTab = 1;
    int m_bEnvelopesTab = 1;
    int m_bDesignResults = 1;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void ReconcileLists() override;

private:
    AOutputAttributes* m_pAttributes = nullptr;
    AOutputStructureAttributes* m_pLists = nullptr;
};
