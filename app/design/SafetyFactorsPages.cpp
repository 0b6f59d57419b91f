#include "app/design/SafetyFactorsPages.h"

#include "platform/ui/CDataExchange.h"
#include "resources/ui/StrakonDesignIds.h"

namespace {

void exchange(CDataExchange* pDX, int id, double& value, double minimum, double maximum) {
    DDX_Text(pDX, id, value);
    DDV_MinMaxDouble(pDX, value, minimum, maximum);
}

} // namespace

IMPLEMENT_DYNCREATE(SafetyFactorsEC2Page, ABasePropertyPage)

SafetyFactorsEC2Page::SafetyFactorsEC2Page() : ABasePropertyPage(IDD, 0) {}
SafetyFactorsEC2Page::~SafetyFactorsEC2Page() = default;

void SafetyFactorsEC2Page::DoDataExchange(CDataExchange* pDX) {
    ABasePropertyPage::DoDataExchange(pDX);
    constexpr double lo = SafetyFactorsEC2::minimum;
    constexpr double hi = SafetyFactorsEC2::maximum;
    SafetyFactorsEC2& f = m_factors;
    exchange(pDX, IDC_EC2_CONCRETE_SERVICEABILITY, f.m_concreteServiceability, lo, hi);
    exchange(pDX, IDC_EC2_CONCRETE_ACCIDENTAL, f.m_concreteUltimateAccidental, lo, hi);
    exchange(pDX, IDC_EC2_CONCRETE_PERMANENT, f.m_concreteUltimatePermanent, lo, hi);
    exchange(pDX, IDC_EC2_CONCRETE_SEISMIC, f.m_concreteUltimateSeismic, lo, hi);
    exchange(pDX, IDC_EC2_STEEL_SERVICEABILITY, f.m_steelServiceability, lo, hi);
    exchange(pDX, IDC_EC2_STEEL_ACCIDENTAL, f.m_steelUltimateAccidental, lo, hi);
    exchange(pDX, IDC_EC2_STEEL_PERMANENT, f.m_steelUltimatePermanent, lo, hi);
    exchange(pDX, IDC_EC2_STEEL_SEISMIC, f.m_steelUltimateSeismic, lo, hi);
}

IMPLEMENT_DYNCREATE(SafetyFactorsEC3Page, ABasePropertyPage)

SafetyFactorsEC3Page::SafetyFactorsEC3Page() : ABasePropertyPage(IDD, 0) {}
SafetyFactorsEC3Page::~SafetyFactorsEC3Page() = default;

void SafetyFactorsEC3Page::DoDataExchange(CDataExchange* pDX) {
    ABasePropertyPage::DoDataExchange(pDX);
    SafetyFactorsEC3& f = m_factors;
    exchange(pDX, IDC_EC3_GAMMA_M0, f.m_gammaM0, SafetyFactorsEC3::gammaMinimum, SafetyFactorsEC3::gammaMaximum);
    exchange(pDX, IDC_EC3_GAMMA_M1, f.m_gammaM1, SafetyFactorsEC3::gammaMinimum, SafetyFactorsEC3::gammaMaximum);
    exchange(pDX, IDC_EC3_GAMMA_M2, f.m_gammaM2, SafetyFactorsEC3::gammaMinimum, SafetyFactorsEC3::gammaMaximum);
    exchange(pDX, IDC_EC3_PSI_VEC, f.m_psiVec, SafetyFactorsEC3::psiMinimum, SafetyFactorsEC3::psiMaximum);
}
