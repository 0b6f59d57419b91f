#pragma once
// Physical units. Every quantity the program stores is an omUnitValue: a number
// together with the key of its unit. Keys are fixed numbers: they are written
// into settings, passed around by the model and named by number throughout the
// program, so a key never changes its meaning.
//
// Units of one quantity form a group (omUnitGroup) and convert into each other
// by a factor to the group's base unit. The bases are the units the analysis
// computes in: kN, cm and rad, so that products such as E*I/L^3 or k*b*w need no
// factors. Mass and density are based on kg, temperatures on degrees Celsius
// (temperatures are differences here, so no offsets are involved).
//
// The catalogue (defined in omUnitManager.cpp, one row per key):
//
//  key  name       group                 factor to the base     system
//  ---  ---------  --------------------  ---------------------  --------
//    0  mm         length                0.1 cm                 metric
//    1  cm         length (base)         1                      metric
//    2  m          length                100                    metric
//    3  in         length                2.54                   imperial
//    4  ft         length                30.48                  imperial
//    5  dm         length                10                     metric
//    6  cm2        area (base)           1                      metric
//    7  m2         area                  1e4                    metric
//    8  in2        area                  2.54^2                 imperial
//    9  ft2        area                  30.48^2                imperial
//   10  mm2        area                  0.01                   metric
//   11  cm3        volume (base)         1                      metric
//   12  m3         volume                1e6                    metric
//   13  in3        volume                2.54^3                 imperial
//   14  ft3        volume                30.48^3                imperial
//   15  mm3        volume                0.001                  metric
//   16  cm4        second moment (base)  1                      metric
//   17  m4         second moment         1e8                    metric
//   18  in4        second moment         2.54^4                 imperial
//   19  ft4        second moment         30.48^4                imperial
//   20  mm4        second moment         1e-4                   metric
//   21  kN         force (base)          1                      metric
//   22  N          force                 0.001                  metric
//   23  lbf        force                 0.0044482216152605     imperial
//   24  kip        force                 4.4482216152605        imperial
//   25  kNcm       moment (base)         1                      metric
//   26  kNm        moment                100                    metric
//   27  Nm         moment                0.1                    metric
//   28  kipft      moment                kip*ft                 imperial
//   29  kipin      moment                kip*in                 imperial
//   30  Nmm        moment                1e-4                   metric
//   31  lbfft      moment                lbf*ft                 imperial
//   32  lbfin      moment                lbf*in                 imperial
//   33  N/mm2      stress                0.1                    metric
//   34  kN/m2      stress                1e-4                   metric
//   35  kN/cm2     stress (base)         1                      metric
//   36  ksi        stress                kip/in2                imperial
//   37  psi        stress                lbf/in2                imperial
//   38  MPa        stress                0.1                    metric
//   39  GPa        stress                100                    metric
//   40  ksf        stress                kip/ft2                imperial
//   41  psf        stress                lbf/ft2                imperial
//   42  Pa         stress                1e-7                   metric
//   43  °C         temperature (base)    1                      metric
//   44  °F         temperature           5/9                    imperial
//   45  K          temperature           1                      metric
//   46  °R         temperature           5/9                    imperial
//   47  1/°C       thermal exp. (base)   1                      metric
//   48  1/°F       thermal expansion     9/5                    imperial
//   49  1/K        thermal expansion     1                      metric
//   50  g          mass                  0.001 kg               metric
//   51  kg         mass (base)           1                      metric
//   52  t          mass                  1000                   metric
//   53  lb         mass                  0.45359237             imperial
//   54  ton        mass                  2000 lb                imperial
//   55  kg/m3      density (base)        1                      metric
//   56  t/m3       density               1000                   metric
//   57  lb/ft3     density               lb/ft3                 imperial
//   58  lb/in3     density               lb/in3                 imperial
//   59  rad        angle (base)          1                      both
//   60  deg        angle                 pi/180                 both
//   61  mrad       angle                 0.001                  both
//   62  kN/cm      force/length (base)   1                      metric
//   63  kN/m       force/length          0.01                   metric
//   64  kip/ft     force/length          kip/ft                 imperial
//   65  kip/in     force/length          kip/in                 imperial
//   66  kNcm/cm    moment/length (base)  1                      metric
//   67  kNm/m      moment/length         1                      metric
//   68  kipft/ft   moment/length         kip                    imperial
//   69  kipin/in   moment/length         kip                    imperial
//   70  kN/cm3     force/volume (base)   1                      metric
//   71  kN/m3      force/volume          1e-6                   metric
//   72  kip/ft3    force/volume          kip/ft3                imperial
//   73  MN/m3      force/volume          0.001                  metric
//   74  (none)     no unit               -                      -
//
// Key 74 is "no unit": a plain number, or a sum of values of different
// quantities. Its name is empty. It is also what Key() answers for a name that
// names no unit.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The key of a unit. The numbers are fixed (see the table above); operations
// that take a key also take its number.
enum omUnitKey : int {
    omUK_mm = 0,
    omUK_cm = 1,
    omUK_m = 2,
    omUK_in = 3,
    omUK_ft = 4,
    omUK_dm = 5,
    omUK_cm2 = 6,
    omUK_m2 = 7,
    omUK_in2 = 8,
    omUK_ft2 = 9,
    omUK_mm2 = 10,
    omUK_cm3 = 11,
    omUK_m3 = 12,
    omUK_in3 = 13,
    omUK_ft3 = 14,
    omUK_mm3 = 15,
    omUK_cm4 = 16,
    omUK_m4 = 17,
    omUK_in4 = 18,
    omUK_ft4 = 19,
    omUK_mm4 = 20,
    omUK_kN = 21,
    omUK_N = 22,
    omUK_lbf = 23,
    omUK_kip = 24,
    omUK_kNcm = 25,
    omUK_kNm = 26,
    omUK_Nm = 27,
    omUK_kipft = 28,
    omUK_kipin = 29,
    omUK_Nmm = 30,
    omUK_lbfft = 31,
    omUK_lbfin = 32,
    omUK_N_mm2 = 33,
    omUK_kN_m2 = 34,
    omUK_kN_cm2 = 35,
    omUK_ksi = 36,
    omUK_psi = 37,
    omUK_MPa = 38,
    omUK_GPa = 39,
    omUK_ksf = 40,
    omUK_psf = 41,
    omUK_Pa = 42,
    omUK_degC = 43,
    omUK_degF = 44,
    omUK_K = 45,
    omUK_degR = 46,
    omUK_per_degC = 47,
    omUK_per_degF = 48,
    omUK_per_K = 49,
    omUK_g = 50,
    omUK_kg = 51,
    omUK_t = 52,
    omUK_lb = 53,
    omUK_ton = 54,
    omUK_kg_m3 = 55,
    omUK_t_m3 = 56,
    omUK_lb_ft3 = 57,
    omUK_lb_in3 = 58,
    omUK_rad = 59,
    omUK_deg = 60,
    omUK_mrad = 61,
    omUK_kN_cm = 62,
    omUK_kN_m = 63,
    omUK_kip_ft = 64,
    omUK_kip_in = 65,
    omUK_kNcm_cm = 66,
    omUK_kNm_m = 67,
    omUK_kipft_ft = 68,
    omUK_kipin_in = 69,
    omUK_kN_cm3 = 70,
    omUK_kN_m3 = 71,
    omUK_kip_ft3 = 72,
    omUK_MN_m3 = 73,
    omUK_NoUnit = 74,
};

// Number of keys, "no unit" included.
inline constexpr int omUnitKeyCount = 75;

class omUnitGroup;
class omUnitCatalogue;

// One unit of the catalogue. Units live as long as the program; pointers to
// them may be kept.
class omUnit {
public:
    enum class System { none, metric, imperial, both };

    omUnitKey GetKey() const { return m_key; }
    // The name that is shown and stored; empty for "no unit".
    const std::string& GetName() const { return m_name; }
    // The group of the unit's quantity; null for "no unit".
    const omUnitGroup* GetGroup() const { return m_group; }
    // How many base units of the group one of this unit is.
    double GetFactor() const { return m_factor; }
    System GetSystem() const { return m_system; }
    bool IsNoUnit() const { return m_group == nullptr; }

private:
    friend class omUnitCatalogue;
    omUnitKey m_key = omUK_NoUnit;
    std::string m_name;
    const omUnitGroup* m_group = nullptr;
    double m_factor = 1.0;
    System m_system = System::none;
};

// The units of one quantity, in menu order: metric units from small to large,
// then imperial ones from small to large.
class omUnitGroup {
public:
    // The quantity, e.g. "Length".
    const std::string& GetName() const { return m_name; }
    // The unit in which the analysis computes this quantity.
    omUnitKey GetBaseKey() const { return m_base; }
    const std::vector<const omUnit*>& GetUnits() const { return m_units; }
    bool Contains(omUnitKey key) const;

    // Replaces the list by the names of the group's units, in menu order.
    void UnitList(std::vector<std::string>& names) const;
    // Replaces the list by (unit, menu text) pairs in menu order; the menu text is the unit's name.
    void GetUnitMenu(std::vector<std::pair<const omUnit*, std::string>>& menu) const;

private:
    friend class omUnitCatalogue;
    std::string m_name;
    omUnitKey m_base = omUK_NoUnit;
    std::vector<const omUnit*> m_units;
};

// The single unit manager. The catalogue is constant; Instance() creates the
// manager on first use and Release() deletes it at exit (a later Instance()
// creates it again). Conversions are safe from any thread.
class omUnitManager {
public:
    static omUnitManager* Instance();
    static void Release();

    // The unit of a key; keys outside the catalogue give the "no unit" unit. Never null.
    const omUnit* Unit(omUnitKey key) const;
    const omUnit* Unit(int key) const { return Unit(omUnitKey(key)); }
    // The key of a unit name. Stored files may spell names differently ("kN/cm²",
    // "kN/cm^2", "kN cm", "°C" or "C"); all spellings of a unit give its key. The
    // empty name and any name that names no unit give omUK_NoUnit.
    omUnitKey Key(std::string_view name) const;
    // True when the name (in any accepted spelling) names a unit of the catalogue.
    bool IsUnitName(std::string_view name) const;
    // The group of a key's quantity; null for "no unit".
    const omUnitGroup* Group(omUnitKey key) const;
    const omUnitGroup* Group(int key) const { return Group(omUnitKey(key)); }
    // All groups, in key order of their first unit.
    const std::vector<const omUnitGroup*>& Groups() const;

    // The value re-expressed from one unit in another. Converting from or to
    // "no unit" leaves the number as it is. Units of different quantities cannot
    // be converted: that is reported to the error container (code 11) and the
    // number is returned unchanged.
    double Convert(double value, omUnitKey from, omUnitKey to) const;
    double Convert(double value, int from, int to) const {
        return Convert(value, omUnitKey(from), omUnitKey(to));
    }
    // True when a value can be re-expressed between the two units (same quantity, or either is "no unit").
    bool Compatible(omUnitKey a, omUnitKey b) const;

    omUnitManager(const omUnitManager&) = delete;
    omUnitManager& operator=(const omUnitManager&) = delete;

private:
    omUnitManager() = default;
    ~omUnitManager() = default;
};
