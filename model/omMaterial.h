#pragma once
// Materials: the elastic constants the finite elements use, with the thermal
// expansion, density, name and display colour. The program derives its own
// material kinds (concrete, reinforcement steel) from omMaterial.
#include "common/AStorageBase.h"
#include "common/omUndoList.h"
#include "common/omUnitValue.h"
#include "model/omId.h"

#include <string>
#include <vector>

class omMaterial : public omId, public omUndoObject, public AStorageBase {
    DECLARE_STORAGE_INTERFACE()
    DECLARE_DYNAMIC(omMaterial)

public:
    // E and G in kN/cm2, alfaT in 1/°C and ro in kg/m3, all 0; Poisson 0.2.
    explicit omMaterial(unsigned id);
    // A G of exactly 0 becomes 0.4 E.
    omMaterial(double E, double G, double alfaT, double ro, double poisson, unsigned id);
    omMaterial(const omMaterial& other);
    omMaterial& operator=(const omMaterial& other);
    ~omMaterial() override;

    void copy(const omMaterial& other);

    virtual void logFileReport();
    // A new copy of the same class; the caller owns it.
    virtual omMaterial* clone() const;
    // The modulus of elasticity. phi is the creep coefficient of the calling
    // element; a linear material ignores it, concrete reduces E by it.
    virtual omUnitValue E(double phi) const;
    virtual bool isLinear() const { return true; }
    // Re-expresses the moduli, the density and the expansion coefficient in the given units.
    virtual void convert(omUnitKey stressKey, omUnitKey densityKey, omUnitKey expansionKey);

    const std::string& name() const { return m_name; }
    void setName(const std::string& name) { m_name = name; }
    void setE(const omUnitValue& E) { m_E = E; }
    const omUnitValue& G() const { return m_G; }
    void setG(const omUnitValue& G) { m_G = G; }
    const omUnitValue& alfaT() const { return m_alfaT; }
    void setAlfaT(const omUnitValue& alfaT) { m_alfaT = alfaT; }
    const omUnitValue& ro() const { return m_ro; }
    void setRo(const omUnitValue& ro) { m_ro = ro; }
    double poisson() const { return m_poisson; }
    void setPoisson(double poisson) { m_poisson = poisson; }
    unsigned color() const { return m_color; }
    void setColor(unsigned color) { m_color = color; }

    // "7: S235" with both flags, "7" or "S235" with one, "" with none; at most 199 characters.
    std::string getIdName(bool withId, bool withName) const;

private:
    omUnitValue m_E{omUK_kN_cm2};
    omUnitValue m_G{omUK_kN_cm2};
    omUnitValue m_alfaT{omUK_per_degC};
    omUnitValue m_ro{omUK_kg_m3};
    std::string m_name;
    unsigned m_color = 0;
    double m_poisson = 0.2;
};

// Structural steel: the material with the yield and tensile strengths of the
// steel design checks, and the table of standard plate thicknesses.
class omSteel : public omMaterial {
    DECLARE_STORAGE_INTERFACE()
    DECLARE_DYNAMIC(omSteel)

public:
    // E 21000, G 8076.9 kN/cm2, alfaT 1.2e-5 1/°C, ro 7850 kg/m3, Poisson 0.3;
    // fy and fu 0 kN/cm2.
    explicit omSteel(unsigned id);
    omSteel(const omUnitValue& fy, unsigned id);
    omSteel(const omSteel& other);
    omSteel& operator=(const omSteel& other);
    ~omSteel() override;

    void copy(const omSteel& other);

    void logFileReport() override;
    omSteel* clone() const override;
    // Also converts fy and fu into the stress unit.
    void convert(omUnitKey stressKey, omUnitKey densityKey, omUnitKey expansionKey) override;

    const omUnitValue& fy() const { return m_fy; }
    void setFy(const omUnitValue& fy) { m_fy = fy; }
    const omUnitValue& fu() const { return m_fu; }
    void setFu(const omUnitValue& fu) { m_fu = fu; }

    // Standard plate thicknesses in mm.
    static constexpr int standardThicknessCount = 46;
    static const double standardThickness[standardThicknessCount];
    // Replaces out by the standard thicknesses in cm, ascending (0.3 to 7.0).
    static void getStandardThickness(std::vector<double>& out);

private:
    omUnitValue m_fy{omUK_kN_cm2};
    omUnitValue m_fu{omUK_kN_cm2};
};
