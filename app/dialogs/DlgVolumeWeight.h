#pragma once
// Per material of a structure: the volume of the members made of it and their
// weight, optionally with the stirrups of designed reinforced-concrete members.
#include "platform/ui/CDialog.h"
#include "platform/ui/CListCtrl.h"

#include <map>

class omStrakon;

constexpr UINT IDD_VOLUME_WEIGHT = 290;
constexpr UINT IDC_VOLUME_LIST = 1734;
constexpr UINT IDC_INCLUDE_STIRRUPS = 1735;

class DlgVolumeWeight : public CDialog {
    DECLARE_DYNAMIC(DlgVolumeWeight)
public:
    // The model is not owned; it must outlive the dialog.
    DlgVolumeWeight(omStrakon* pModel, CWnd* pParent = nullptr);
    ~DlgVolumeWeight() override;

    BOOL OnInitDialog() override;
    // Refills the rows: one per material in use, the highest material number on top.
    void FillList();

    // Volume (cm3) per existing material number: member volumes by material, and
    // bar volumes (plus stirrups when asked) by reinforcement material. A number that
    // names no material collects nothing.
    static std::map<unsigned, double> MaterialVolumes(omStrakon& model, bool includeStirrups);

    CListCtrl m_wndList;
    int m_bIncludeStirrups = FALSE;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnIncludeStirrups();

    omStrakon* m_pModel;

    DECLARE_MESSAGE_MAP()
};
