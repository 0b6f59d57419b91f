#include "app/dialogs/DlgVolumeWeight.h"

#include "app/shell/AOptionsAttributes.h"
#include "app/shell/AUnitKeyAttributes.h"
#include "model/omDesignElement.h"
#include "model/omElementMap.h"
#include "model/omMaterial.h"
#include "model/omMaterialMap.h"
#include "model/omRCDesignBeamData.h"
#include "model/omStrakon.h"
#include "platform/ui/CClientDC.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CResources.h"
#include "resources/ui/StrakonResources.h"

#include <cstdio>
#include <string>

IMPLEMENT_DYNAMIC(DlgVolumeWeight, CDialog)

BEGIN_MESSAGE_MAP(DlgVolumeWeight, CDialog)
ON_BN_CLICKED(IDC_INCLUDE_STIRRUPS, &DlgVolumeWeight::OnIncludeStirrups)
END_MESSAGE_MAP()

namespace {

std::string format3(double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%3.0f", value);
    return buffer;
}

} // namespace

DlgVolumeWeight::DlgVolumeWeight(omStrakon* pModel, CWnd* pParent)
    : CDialog(IDD_VOLUME_WEIGHT, pParent), m_pModel(pModel) {
    if (!CResources::Instance().FindDialog(IDD_VOLUME_WEIGHT)) AddVolumeWeightDialog(CResources::Instance());
}

DlgVolumeWeight::~DlgVolumeWeight() = default;

void DlgVolumeWeight::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_VOLUME_LIST, m_wndList);
    DDX_Check(pDX, IDC_INCLUDE_STIRRUPS, m_bIncludeStirrups);
}

BOOL DlgVolumeWeight::OnInitDialog() {
    CDialog::OnInitDialog();
    omUnitManager::Instance();
    int width = 0;
    {
        CClientDC dc(&m_wndList);
        width = static_cast<int>(dc.GetTextExtent("Volume [cm3]").cx * 1.2);
    }
    const omUnit* massUnit = omUnitManager::Instance()->Unit(AUnitKeyAttributes::Instance()->mass);
    const std::string weightHeading = "Weight [" + (massUnit ? massUnit->GetName() : std::string()) + "]";
    m_wndList.InsertColumn(0, "Material", LVCFMT_RIGHT, width);
    m_wndList.InsertColumn(1, "Volume [cm3]", LVCFMT_RIGHT, width);
    m_wndList.InsertColumn(2, weightHeading.c_str(), LVCFMT_RIGHT, width);
    FillList();
    return TRUE;
}

void DlgVolumeWeight::OnIncludeStirrups() {
    FillList();
}

std::map<unsigned, double> DlgVolumeWeight::MaterialVolumes(omStrakon& model, bool includeStirrups) {
    std::map<unsigned, double> volumes;
    omMaterialMap* materials = model.getMaterialMap();
    omElementMap* elements = model.getElementMap();
    if (!materials || !elements) return volumes;
    auto add = [&](unsigned id, double volume) {
        if (materials->exist(id)) volumes[id] += volume;
    };
    for (const auto& [number, element] : *elements) {
        add(element->getMaterialIndex(), element->volume());
        if (auto* rc = dynamic_cast<const omRCDesignBeamData*>(element->getDesignData())) {
            double bars = rc->getBarVolume();
            if (includeStirrups) bars += rc->getStirrupVolume();
            add(element->getMaterialIndex2(), bars);
        }
    }
    return volumes;
}

void DlgVolumeWeight::FillList() {
    AOptionsAttributes::Instance();
    const omUnitKey massKey = AUnitKeyAttributes::Instance()->mass;
    UpdateData(TRUE);
    m_wndList.DeleteAllItems();
    if (!m_pModel) return;
    omMaterialMap* materials = m_pModel->getMaterialMap();
    for (const auto& [id, volume] : MaterialVolumes(*m_pModel, m_bIncludeStirrups != FALSE)) {
        if (volume == 0.0) continue;
        const omMaterial* material = materials->find(id);
        // t/m3 times cm3 is grams; a thousandth of it is kilograms.
        const double kilograms = material->ro().Get(omUK_t_m3) * volume * 0.001;
        const double weight = omUnitManager::Instance()->Convert(kilograms, omUK_kg, massKey);
        // Each row goes on top: the rows end in descending order of material number.
        m_wndList.InsertItem(0, material->name().c_str());
        m_wndList.SetItemText(0, 1, format3(volume).c_str());
        m_wndList.SetItemText(0, 2, format3(weight).c_str());
    }
}
