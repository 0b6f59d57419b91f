#include "common/omUnitManager.h"

#include "common/omErrorContainer.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <map>
#include <mutex>
#include <numbers>

namespace {

using System = omUnit::System;

enum Quantity {
    qLength,
    qArea,
    qVolume,
    qSecondMoment,
    qForce,
    qMoment,
    qStress,
    qTemperature,
    qExpansion,
    qMass,
    qDensity,
    qAngle,
    qForcePerLength,
    qMomentPerLength,
    qForcePerVolume,
    qCount
};

struct QuantityRow {
    const char* name;
    omUnitKey base;
};

// The quantities and the unit each one is computed in.
constexpr std::array<QuantityRow, qCount> kQuantities = {{
    {"Length", omUK_cm},
    {"Area", omUK_cm2},
    {"Volume", omUK_cm3},
    {"Second moment of area", omUK_cm4},
    {"Force", omUK_kN},
    {"Moment", omUK_kNcm},
    {"Stress", omUK_kN_cm2},
    {"Temperature difference", omUK_degC},
    {"Thermal expansion", omUK_per_degC},
    {"Mass", omUK_kg},
    {"Density", omUK_kg_m3},
    {"Angle", omUK_rad},
    {"Force per length", omUK_kN_cm},
    {"Moment per length", omUK_kNcm_cm},
    {"Force per volume", omUK_kN_cm3},
}};

constexpr double kIn = 2.54;                // cm
constexpr double kFt = 30.48;               // cm
constexpr double kLbf = 0.0044482216152605; // kN
constexpr double kKip = 4.4482216152605;    // kN
constexpr double kLb = 0.45359237;          // kg
constexpr double kFt3m = 0.028316846592;    // m3
constexpr double kIn3m = 1.6387064e-5;      // m3

struct UnitRow {
    omUnitKey key;
    const char* name;
    Quantity quantity;
    double factor; // base units per unit
    System system;
};

// The unit catalogue: one row per key, in key order. The header carries the
// same table for readers of the interface.
constexpr UnitRow kUnits[] = {
    {omUK_mm, "mm", qLength, 0.1, System::metric},
    {omUK_cm, "cm", qLength, 1.0, System::metric},
    {omUK_m, "m", qLength, 100.0, System::metric},
    {omUK_in, "in", qLength, kIn, System::imperial},
    {omUK_ft, "ft", qLength, kFt, System::imperial},
    {omUK_dm, "dm", qLength, 10.0, System::metric},
    {omUK_cm2, "cm2", qArea, 1.0, System::metric},
    {omUK_m2, "m2", qArea, 1e4, System::metric},
    {omUK_in2, "in2", qArea, kIn* kIn, System::imperial},
    {omUK_ft2, "ft2", qArea, kFt* kFt, System::imperial},
    {omUK_mm2, "mm2", qArea, 0.01, System::metric},
    {omUK_cm3, "cm3", qVolume, 1.0, System::metric},
    {omUK_m3, "m3", qVolume, 1e6, System::metric},
    {omUK_in3, "in3", qVolume, kIn* kIn* kIn, System::imperial},
    {omUK_ft3, "ft3", qVolume, kFt* kFt* kFt, System::imperial},
    {omUK_mm3, "mm3", qVolume, 0.001, System::metric},
    {omUK_cm4, "cm4", qSecondMoment, 1.0, System::metric},
    {omUK_m4, "m4", qSecondMoment, 1e8, System::metric},
    {omUK_in4, "in4", qSecondMoment, kIn* kIn* kIn* kIn, System::imperial},
    {omUK_ft4, "ft4", qSecondMoment, kFt* kFt* kFt* kFt, System::imperial},
    {omUK_mm4, "mm4", qSecondMoment, 1e-4, System::metric},
    {omUK_kN, "kN", qForce, 1.0, System::metric},
    {omUK_N, "N", qForce, 0.001, System::metric},
    {omUK_lbf, "lbf", qForce, kLbf, System::imperial},
    {omUK_kip, "kip", qForce, kKip, System::imperial},
    {omUK_kNcm, "kNcm", qMoment, 1.0, System::metric},
    {omUK_kNm, "kNm", qMoment, 100.0, System::metric},
    {omUK_Nm, "Nm", qMoment, 0.1, System::metric},
    {omUK_kipft, "kipft", qMoment, kKip* kFt, System::imperial},
    {omUK_kipin, "kipin", qMoment, kKip* kIn, System::imperial},
    {omUK_Nmm, "Nmm", qMoment, 1e-4, System::metric},
    {omUK_lbfft, "lbfft", qMoment, kLbf* kFt, System::imperial},
    {omUK_lbfin, "lbfin", qMoment, kLbf* kIn, System::imperial},
    {omUK_N_mm2, "N/mm2", qStress, 0.1, System::metric},
    {omUK_kN_m2, "kN/m2", qStress, 1e-4, System::metric},
    {omUK_kN_cm2, "kN/cm2", qStress, 1.0, System::metric},
    {omUK_ksi, "ksi", qStress, kKip / (kIn * kIn), System::imperial},
    {omUK_psi, "psi", qStress, kLbf / (kIn * kIn), System::imperial},
    {omUK_MPa, "MPa", qStress, 0.1, System::metric},
    {omUK_GPa, "GPa", qStress, 100.0, System::metric},
    {omUK_ksf, "ksf", qStress, kKip / (kFt * kFt), System::imperial},
    {omUK_psf, "psf", qStress, kLbf / (kFt * kFt), System::imperial},
    {omUK_Pa, "Pa", qStress, 1e-7, System::metric},
    {omUK_degC, "\u00b0C", qTemperature, 1.0, System::metric},
    {omUK_degF, "\u00b0F", qTemperature, 5.0 / 9.0, System::imperial},
    {omUK_K, "K", qTemperature, 1.0, System::metric},
    {omUK_degR, "\u00b0R", qTemperature, 5.0 / 9.0, System::imperial},
    {omUK_per_degC, "1/\u00b0C", qExpansion, 1.0, System::metric},
    {omUK_per_degF, "1/\u00b0F", qExpansion, 9.0 / 5.0, System::imperial},
    {omUK_per_K, "1/K", qExpansion, 1.0, System::metric},
    {omUK_g, "g", qMass, 0.001, System::metric},
    {omUK_kg, "kg", qMass, 1.0, System::metric},
    {omUK_t, "t", qMass, 1000.0, System::metric},
    {omUK_lb, "lb", qMass, kLb, System::imperial},
    {omUK_ton, "ton", qMass, 2000.0 * kLb, System::imperial},
    {omUK_kg_m3, "kg/m3", qDensity, 1.0, System::metric},
    {omUK_t_m3, "t/m3", qDensity, 1000.0, System::metric},
    {omUK_lb_ft3, "lb/ft3", qDensity, kLb / kFt3m, System::imperial},
    {omUK_lb_in3, "lb/in3", qDensity, kLb / kIn3m, System::imperial},
    {omUK_rad, "rad", qAngle, 1.0, System::both},
    {omUK_deg, "deg", qAngle, std::numbers::pi / 180.0, System::both},
    {omUK_mrad, "mrad", qAngle, 0.001, System::both},
    {omUK_kN_cm, "kN/cm", qForcePerLength, 1.0, System::metric},
    {omUK_kN_m, "kN/m", qForcePerLength, 0.01, System::metric},
    {omUK_kip_ft, "kip/ft", qForcePerLength, kKip / kFt, System::imperial},
    {omUK_kip_in, "kip/in", qForcePerLength, kKip / kIn, System::imperial},
    {omUK_kNcm_cm, "kNcm/cm", qMomentPerLength, 1.0, System::metric},
    {omUK_kNm_m, "kNm/m", qMomentPerLength, 1.0, System::metric},
    {omUK_kipft_ft, "kipft/ft", qMomentPerLength, kKip, System::imperial},
    {omUK_kipin_in, "kipin/in", qMomentPerLength, kKip, System::imperial},
    {omUK_kN_cm3, "kN/cm3", qForcePerVolume, 1.0, System::metric},
    {omUK_kN_m3, "kN/m3", qForcePerVolume, 1e-6, System::metric},
    {omUK_kip_ft3, "kip/ft3", qForcePerVolume, kKip / (kFt * kFt * kFt), System::imperial},
    {omUK_MN_m3, "MN/m3", qForcePerVolume, 0.001, System::metric},
};
static_assert(std::size(kUnits) == omUK_NoUnit, "one catalogue row per key before omUK_NoUnit");

// Further spellings of unit names found in stored files and settings, beyond
// those that normalisation (below) already equates.
struct Alias {
    const char* name;
    omUnitKey key;
};
constexpr Alias kAliases[] = {
    {"inch", omUK_in},      {"feet", omUK_ft},         {"kips", omUK_kip},     {"kPa", omUK_kN_m2},
    {"N/m2", omUK_Pa},      {"MN/m2", omUK_MPa},       {"C", omUK_degC},       {"degC", omUK_degC},
    {"\u00baC", omUK_degC}, {"F", omUK_degF},          {"degF", omUK_degF},    {"\u00baF", omUK_degF},
    {"R", omUK_degR},       {"degR", omUK_degR},       {"1/C", omUK_per_degC}, {"1/degC", omUK_per_degC},
    {"1/F", omUK_per_degF}, {"1/degF", omUK_per_degF}, {"tonne", omUK_t},      {"lbm", omUK_lb},
    {"kg/dm3", omUK_t_m3},  {"g/cm3", omUK_t_m3},      {"pcf", omUK_lb_ft3},   {"\u00b0", omUK_deg},
    {"degree", omUK_deg},   {"N/mm", omUK_kN_m},       {"klf", omUK_kip_ft},   {"kcf", omUK_kip_ft3},
};

// One spelling per unit: blanks, multiplication signs ("*", ".", middle dot), "^"
// and "-" are dropped, and superscript digits become digits, so that "kN·m",
// "kN m", "kN-m", "m²" and "m^2" all read as "kNm" and "m2".
std::string normalise(std::string_view name) {
    std::string out;
    out.reserve(name.size());
    for (std::size_t i = 0; i < name.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(name[i]);
        if (c == ' ' || c == '\t' || c == '*' || c == '.' || c == '^' || c == '-') continue;
        if (c == 0xC2 && i + 1 < name.size()) {
            const unsigned char d = static_cast<unsigned char>(name[i + 1]);
            if (d == 0xB7) { // middle dot
                ++i;
                continue;
            }
            if (d == 0xB2 || d == 0xB3) { // superscript two and three
                out += d == 0xB2 ? '2' : '3';
                ++i;
                continue;
            }
        }
        if (c == 0xE2 && i + 2 < name.size() && static_cast<unsigned char>(name[i + 1]) == 0x81 &&
            static_cast<unsigned char>(name[i + 2]) == 0xB4) { // superscript four
            out += '4';
            i += 2;
            continue;
        }
        out += static_cast<char>(c);
    }
    return out;
}

} // namespace

// Builds the units and groups from the table once; they live to the end of the program.
class omUnitCatalogue {
public:
    omUnitCatalogue() {
        for (int q = 0; q < qCount; ++q) {
            m_groups[q].m_name = kQuantities[q].name;
            m_groups[q].m_base = kQuantities[q].base;
        }
        for (const UnitRow& row : kUnits) {
            omUnit& u = m_units[row.key];
            u.m_key = row.key;
            u.m_name = row.name;
            u.m_group = &m_groups[row.quantity];
            u.m_factor = row.factor;
            u.m_system = row.system;
            m_groups[row.quantity].m_units.push_back(&u);
            m_byName.emplace(normalise(row.name), row.key);
        }
        m_units[omUK_NoUnit].m_key = omUK_NoUnit;
        for (const Alias& a : kAliases)
            m_byName.emplace(normalise(a.name), a.key);

        // Menu order: metric units from small to large, then imperial ones.
        for (omUnitGroup& g : m_groups) {
            std::stable_sort(g.m_units.begin(), g.m_units.end(), [](const omUnit* a, const omUnit* b) {
                const bool ia = a->GetSystem() == System::imperial, ib = b->GetSystem() == System::imperial;
                if (ia != ib) return ib;
                return a->GetFactor() < b->GetFactor();
            });
            m_groupList.push_back(&g);
        }
    }

    const omUnit& unit(omUnitKey key) const {
        return key >= 0 && key < omUnitKeyCount ? m_units[key] : m_units[omUK_NoUnit];
    }
    bool find(std::string_view name, omUnitKey& key) const {
        auto it = m_byName.find(normalise(name));
        if (it == m_byName.end()) return false;
        key = it->second;
        return true;
    }
    const std::vector<const omUnitGroup*>& groups() const { return m_groupList; }

private:
    std::array<omUnitGroup, qCount> m_groups;
    std::array<omUnit, omUnitKeyCount> m_units;
    std::map<std::string, omUnitKey, std::less<>> m_byName;
    std::vector<const omUnitGroup*> m_groupList;
};

namespace {
const omUnitCatalogue& catalogue() {
    static const omUnitCatalogue c;
    return c;
}

std::mutex g_instanceMutex;
// Conversions ask for the instance often; reading it needs no lock.
std::atomic<omUnitManager*> g_instance{nullptr};
} // namespace

bool omUnitGroup::Contains(omUnitKey key) const {
    return std::any_of(m_units.begin(), m_units.end(), [key](const omUnit* u) { return u->GetKey() == key; });
}

void omUnitGroup::UnitList(std::vector<std::string>& names) const {
    names.clear();
    for (const omUnit* u : m_units)
        names.push_back(u->GetName());
}

void omUnitGroup::GetUnitMenu(std::vector<std::pair<const omUnit*, std::string>>& menu) const {
    menu.clear();
    for (const omUnit* u : m_units)
        menu.emplace_back(u, u->GetName());
}

omUnitManager* omUnitManager::Instance() {
    if (omUnitManager* m = g_instance.load(std::memory_order_acquire)) return m;
    std::lock_guard lock(g_instanceMutex);
    if (!g_instance.load(std::memory_order_relaxed)) {
        (void)catalogue();
        g_instance.store(new omUnitManager, std::memory_order_release);
    }
    return g_instance.load(std::memory_order_relaxed);
}

void omUnitManager::Release() {
    std::lock_guard lock(g_instanceMutex);
    delete g_instance.exchange(nullptr);
}

const omUnit* omUnitManager::Unit(omUnitKey key) const {
    return &catalogue().unit(key);
}

omUnitKey omUnitManager::Key(std::string_view name) const {
    omUnitKey key = omUK_NoUnit;
    return catalogue().find(name, key) ? key : omUK_NoUnit;
}

bool omUnitManager::IsUnitName(std::string_view name) const {
    omUnitKey key;
    return catalogue().find(name, key);
}

const omUnitGroup* omUnitManager::Group(omUnitKey key) const {
    return catalogue().unit(key).GetGroup();
}

const std::vector<const omUnitGroup*>& omUnitManager::Groups() const {
    return catalogue().groups();
}

bool omUnitManager::Compatible(omUnitKey a, omUnitKey b) const {
    const omUnitGroup* ga = Group(a);
    const omUnitGroup* gb = Group(b);
    return !ga || !gb || ga == gb;
}

double omUnitManager::Convert(double value, omUnitKey from, omUnitKey to) const {
    if (from == to) return value;
    const omUnit& f = catalogue().unit(from);
    const omUnit& t = catalogue().unit(to);
    if (f.IsNoUnit() || t.IsNoUnit()) return value;
    if (f.GetGroup() != t.GetGroup()) {
        omErrorContainer::instance()->report(11, f.GetName(), t.GetName());
        return value;
    }
    // Multiplying first keeps conversions such as 10 cm -> 0.1 m exact.
    return value * f.GetFactor() / t.GetFactor();
}
