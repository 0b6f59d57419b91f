#pragma once
// The New sheet: its one page asks for the structure's name and folder, whether
// it starts a new project or joins the open one, and which wizard makes it: the
// built-in blank wizard or a structure-wizard plug-in of the "Wizards" folder.
#include "controls/AEnhMetaFilePicture.h"
#include "framework/ABaseDialog.h"
#include "platform/ui/CImageList.h"
#include "platform/ui/CListCtrl.h"

#include <QImage>

#include <memory>
#include <vector>

// One entry of the wizard list: its preview (owned, may be null) and its
// plug-in's path (empty for the built-in entry).
struct AStructureWizardItem {
    AStructureWizardItem(HENHMETAFILE preview, CString path);
    ~AStructureWizardItem();
    AStructureWizardItem(const AStructureWizardItem&) = delete;
    AStructureWizardItem& operator=(const AStructureWizardItem&) = delete;

    HENHMETAFILE m_hPreview = nullptr;
    CString m_strPath;
};

class ADlgNewStructure : public ABasePropertyPage {
    DECLARE_DYNCREATE(ADlgNewStructure)
public:
    enum { IDD = 181 };
    static constexpr const char* kBlankWizard = "Blank Strakon Wizard";

    ADlgNewStructure();
    ~ADlgNewStructure() override;

    // TRUE when an entry is selected and neither the name nor the location is empty.
    BOOL CanCreate();

    // Asks one plug-in file for its entry: FALSE when it cannot be loaded, lacks
    // the entry point or refuses. The name is read up to its first zero byte and
    // never past the buffer's 100 bytes. preview receives the preview (owned by
    // the caller), icon the icon picture (null image for none).
    static BOOL ReadPlugin(const CString& path, CString& name, HENHMETAFILE& preview, QImage& icon);

    BOOL OnInitDialog() override;
    void OnDestroy() override;
    void OnSelectionChanged(NMHDR* pNotify, LRESULT* pResult);
    void OnBrowse();

    int m_nProjectChoice = 0; // 0 new project, 1 add to the open project
    CString m_strLocation;
    CString m_strName;
    CString m_strWizardPath;
    // Where the plug-ins are looked for; the program's "Wizards" folder unless set before the page opens.
    CString m_strWizardFolder;

    // The entries' texts in list order.
    std::vector<CString> EntryTexts() const;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    DECLARE_MESSAGE_MAP()

private:
    void FillList();
    void AddEntry(const CString& text, std::unique_ptr<AStructureWizardItem> item);
    void ShowSelection();
    void DeleteItems();

    CListCtrl m_list;
    AEnhMetaFilePicture m_preview;

public:
    // The entries' small pictures: 0 no icon, 1 the blank wizard, then the plug-ins' icons.
    CImageList m_images;

private:
    bool m_bInitialized = false;
    std::vector<AStructureWizardItem*> m_items; // owned; the list's item data
};

class ADlgNew : public ABasePropertySheet {
    DECLARE_DYNAMIC(ADlgNew)
public:
    explicit ADlgNew(const char* caption = "New", CWnd* pParentWnd = nullptr, UINT iSelectPage = 0);
    ~ADlgNew() override;

    ADlgNewStructure m_structurePage;
    int m_nActivePage = 0;

protected:
    LRESULT OnKickIdle(WPARAM wParam, LPARAM lParam);
    void OnUpdateOK(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()
};
