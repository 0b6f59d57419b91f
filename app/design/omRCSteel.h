#pragma once
// The program's reinforcement steel: a material with the yield strength fyk and
// the ductility class of the bars. Registered under the name "omRCSteel".
#include "model/omMaterial.h"

class omRCSteel : public omMaterial {
    DECLARE_STORAGE_INTERFACE()
    DECLARE_DYNCREATE(omRCSteel)

public:
    // Ductility classes of reinforcing steel.
    enum Class : int { classA = 0, classB = 1, classC = 2 };

    // E 20000, G 8076.9 kN/cm2, alfaT 1.2e-5 1/°C, ro 7850 kg/m3, Poisson 0.3;
    // fyk 0 kN/cm2, class A.
    explicit omRCSteel(unsigned id = 0);
    omRCSteel(const omRCSteel& other);
    omRCSteel& operator=(const omRCSteel& other);
    ~omRCSteel() override;

    void copy(const omRCSteel& other);

    void logFileReport() override;
    omRCSteel* clone() const override;
    // Also converts fyk into the stress unit.
    void convert(omUnitKey stressKey, omUnitKey densityKey, omUnitKey expansionKey) override;

    const omUnitValue& fyk() const { return m_fyk; }
    void setFyk(const omUnitValue& fyk) { m_fyk = fyk; }
    int getClass() const { return m_class; }
    void setClass(int steelClass) { m_class = steelClass; }

private:
    omUnitValue m_fyk{0.0, omUK_kN_cm2};
    int m_class = classA;
};
