#include "app/design/SafetyFactorsEC.h"

#include "app/shell/ARegistry.h"

#include <memory>

namespace {

const char* const kKeyEC2 = "Software\\Orvex\\Strakon\\SafetyFactors\\EC2";
const char* const kKeyEC3 = "Software\\Orvex\\Strakon\\SafetyFactors\\EC3";

void openOrCreate(ARegistry& reg, const char* key) {
    reg.Connect(HKEY_CURRENT_USER);
    if (!reg.Open(key, KEY_ALL_ACCESS)) reg.Create(key);
}

// A stored factor outside what the page lets the user enter (0, a negative
// value, NaN from a damaged store) would reach the design formulas as it
// stands; it reads as the default instead.
double readFactor(const ARegistry& reg, const char* name, double defaultValue, double low, double high) {
    const double value = reg.GetDouble(name, defaultValue);
    return value >= low && value <= high ? value : defaultValue;
}

std::unique_ptr<SafetyFactorsEC>& instanceSlot() {
    static std::unique_ptr<SafetyFactorsEC> instance;
    return instance;
}

} // namespace

// --- SafetyFactorsEC2 ---------------------------------------------------------

SafetyFactorsEC2::~SafetyFactorsEC2() = default;

double SafetyFactorsEC2::GetSteelFactor(omLoadCase::LimitState state) const {
    switch (state) {
    case omLoadCase::lsUltimate:
    case omLoadCase::lsUltimatePT:
        return m_steelUltimatePermanent;
    case omLoadCase::lsServiceability:
        return m_steelServiceability;
    case omLoadCase::lsUltimateAccidental:
        return m_steelUltimateAccidental;
    case omLoadCase::lsUltimateSeismic:
        return m_steelUltimateSeismic;
    default:
        return 1.0;
    }
}

double SafetyFactorsEC2::GetConcreteFactor(omLoadCase::LimitState state) const {
    switch (state) {
    case omLoadCase::lsUltimate:
    case omLoadCase::lsUltimatePT:
        return m_concreteUltimatePermanent;
    case omLoadCase::lsServiceability:
        return m_concreteServiceability;
    case omLoadCase::lsUltimateAccidental:
        return m_concreteUltimateAccidental;
    case omLoadCase::lsUltimateSeismic:
        return m_concreteUltimateSeismic;
    default:
        return 1.0;
    }
}

void SafetyFactorsEC2::Load() {
    ARegistry reg;
    openOrCreate(reg, kKeyEC2);
    auto read = [&](const char* name, double defaultValue) {
        return readFactor(reg, name, defaultValue, minimum, maximum);
    };
    m_concreteServiceability = read("Concrete Serviceability All", 1.0);
    m_steelServiceability = read("Steel Serviceability All", 1.0);
    m_concreteUltimatePermanent = read("Concrete Ultimate Permanent", 1.5);
    m_concreteUltimateAccidental = read("Concrete Ultimate Accidental", 1.2);
    m_concreteUltimateSeismic = read("Concrete Ultimate Seismic", 1.2);
    m_steelUltimatePermanent = read("Steel Ultimate Permanent", 1.15);
    m_steelUltimateAccidental = read("Steel Ultimate Accidental", 1.0);
    m_steelUltimateSeismic = read("Steel Ultimate Seismic", 1.0);
}

void SafetyFactorsEC2::Save() const {
    ARegistry reg;
    openOrCreate(reg, kKeyEC2);
    reg.SetDouble("Concrete Serviceability All", m_concreteServiceability);
    reg.SetDouble("Steel Serviceability All", m_steelServiceability);
    reg.SetDouble("Concrete Ultimate Permanent", m_concreteUltimatePermanent);
    reg.SetDouble("Concrete Ultimate Accidental", m_concreteUltimateAccidental);
    reg.SetDouble("Concrete Ultimate Seismic", m_concreteUltimateSeismic);
    reg.SetDouble("Steel Ultimate Permanent", m_steelUltimatePermanent);
    reg.SetDouble("Steel Ultimate Accidental", m_steelUltimateAccidental);
    reg.SetDouble("Steel Ultimate Seismic", m_steelUltimateSeismic);
}

// --- SafetyFactorsEC3 ---------------------------------------------------------

SafetyFactorsEC3::~SafetyFactorsEC3() = default;

void SafetyFactorsEC3::Load() {
    ARegistry reg;
    openOrCreate(reg, kKeyEC3);
    m_gammaM0 = readFactor(reg, "Gamma 0", 1.1, gammaMinimum, gammaMaximum);
    m_gammaM1 = readFactor(reg, "Gamma 1", 1.1, gammaMinimum, gammaMaximum);
    m_gammaM2 = readFactor(reg, "Gamma 2", 1.1, gammaMinimum, gammaMaximum);
    m_psiVec = readFactor(reg, "Psi Vec", 0.8, psiMinimum, psiMaximum);
}

void SafetyFactorsEC3::Save() const {
    ARegistry reg;
    openOrCreate(reg, kKeyEC3);
    reg.SetDouble("Gamma 0", m_gammaM0);
    reg.SetDouble("Gamma 1", m_gammaM1);
    reg.SetDouble("Gamma 2", m_gammaM2);
    reg.SetDouble("Psi Vec", m_psiVec);
}

// --- SafetyFactorsEC ----------------------------------------------------------

SafetyFactorsEC::~SafetyFactorsEC() = default;

SafetyFactorsEC* SafetyFactorsEC::Instance() {
    std::unique_ptr<SafetyFactorsEC>& slot = instanceSlot();
    if (!slot) {
        slot.reset(new SafetyFactorsEC);
        slot->m_EC2.Load();
        slot->m_EC3.Load();
    }
    return slot.get();
}

void SafetyFactorsEC::Discard() {
    instanceSlot().reset();
}

void SafetyFactorsEC::Set(const SafetyFactorsEC2& ec2, const SafetyFactorsEC3& ec3) {
    m_EC2 = ec2;
    m_EC3 = ec3;
    m_EC2.Save();
    m_EC3.Save();
}

void SafetyFactorsEC::Release() {
    std::unique_ptr<SafetyFactorsEC>& slot = instanceSlot();
    if (!slot) return;
    slot->m_EC2.Save();
    slot->m_EC3.Save();
    slot.reset();
}
