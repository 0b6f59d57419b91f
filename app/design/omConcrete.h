#pragma once
// The program's concrete: a material with the characteristic compressive
// strength fck and the mean tensile strength fctm. The model recognises a
// reinforced-concrete member by its first material being of exactly this
// run-time class, which is registered under the name "omConcrete".
#include "model/omMaterial.h"

class omConcrete : public omMaterial {
    DECLARE_STORAGE_INTERFACE()
    DECLARE_DYNCREATE(omConcrete)

public:
    // E and G 0, alfaT 1e-5 1/°C, ro 2400 kg/m3, Poisson 0.2; fck and fctm 0 kN/cm2.
    explicit omConcrete(unsigned id = 0);
    omConcrete(const omConcrete& other);
    omConcrete& operator=(const omConcrete& other);
    ~omConcrete() override;

    void copy(const omConcrete& other);

    void logFileReport() override;
    omConcrete* clone() const override;
    // The modulus reduced by creep: E / (1 + phi).
    omUnitValue E(double phi) const override;
    // Also converts fck and fctm into the stress unit.
    void convert(omUnitKey stressKey, omUnitKey densityKey, omUnitKey expansionKey) override;

    const omUnitValue& fck() const { return m_fck; }
    void setFck(const omUnitValue& fck) { m_fck = fck; }
    const omUnitValue& fct() const { return m_fct; }
    void setFct(const omUnitValue& fct) { m_fct = fct; }

private:
    omUnitValue m_fck{0.0, omUK_kN_cm2};
    omUnitValue m_fct{0.0, omUK_kN_cm2};
};
