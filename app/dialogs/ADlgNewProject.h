#pragma once
// The New sheet's project page: a project's name and folder, and the kind of
// project to make, of which there is one, "Blank Project". The New command's
// sheet does not show it; it is ready for a sheet that makes projects alone.
#include "framework/ABaseDialog.h"
#include "platform/ui/CImageList.h"
#include "platform/ui/CListCtrl.h"

class ADlgNewProject : public ABasePropertyPage {
    DECLARE_DYNCREATE(ADlgNewProject)
public:
    enum { IDD = 180 };
    static constexpr const char* kBlankProject = "Blank Project";

    ADlgNewProject();
    ~ADlgNewProject() override;

    BOOL OnInitDialog() override;
    void OnBrowse();

    CString m_strName;
    // The current folder until the user chooses another.
    CString m_strLocation;
    // The path of the chosen entry; empty for the blank project.
    CString m_strSelectedPath;
    // The entries' small pictures from bitmap 184.
    CImageList m_images;

    // The entries' texts in list order.
    std::vector<CString> EntryTexts() const;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    DECLARE_MESSAGE_MAP()

private:
    CListCtrl m_list;
    bool m_bInitialized = false;
};
