#include "app/design/ADesignEC3.h"
#include "app/design/SafetyFactorsEC.h"

ASteelSafetyFactors ASteelSafetyFactors::FromSettings() {
    const SafetyFactorsEC3& ec3 = SafetyFactorsEC::Instance()->m_EC3;
    return {ec3.m_gammaM0, ec3.m_gammaM1, ec3.m_psiVec};
}
