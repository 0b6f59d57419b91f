#include "app/dialogs/AMaterialValues.h"

#include "app/design/omGradeRecord.h"
#include "app/shell/AUnitKeyAttributes.h"
#include "model/omMaterial.h"

void AToUserStress(omUnitValue& value) {
    value.ConvertTo(AUnitKeyAttributes::Instance()->pressure);
}
void AToUserDensity(omUnitValue& value) {
    value.ConvertTo(AUnitKeyAttributes::Instance()->density);
}
void AToUserExpansion(omUnitValue& value) {
    value.ConvertTo(AUnitKeyAttributes::Instance()->tempExpansion);
}

AMaterialValues::AMaterialValues(double poissonRatio) : poisson(poissonRatio) {
    const AUnitKeyAttributes& u = *AUnitKeyAttributes::Instance();
    E.Set(u.pressure);
    G.Set(u.pressure);
    density.Set(u.density);
    expansion.Set(u.tempExpansion);
}

void AMaterialValues::Exchange(omMaterial& material, bool save, std::string& name, unsigned& color,
                               const std::string& nameToSave) {
    if (save) {
        material.setName(nameToSave);
        material.setColor(color);
        material.setE(E);
        material.setG(G);
        material.setRo(density);
        material.setAlfaT(expansion);
        material.setPoisson(poisson);
        return;
    }
    E = material.E(0.0);
    G = material.G();
    density = material.ro();
    expansion = material.alfaT();
    poisson = material.poisson();
    name = material.name();
    color = material.color();
}

void AMaterialValues::TakeGrade(const omGradeRecord& grade) {
    E.Set(grade.number(omGradeRecord::fE), omUK_kN_cm2);
    G.Set(grade.number(omGradeRecord::fG), omUK_kN_cm2);
    density.Set(grade.number(omGradeRecord::fDensity), omUK_kg_m3);
    expansion.Set(grade.number(omGradeRecord::fTempExp), omUK_per_K);
    poisson = grade.number(omGradeRecord::fPoisson);
    AToUserStress(E);
    AToUserStress(G);
    AToUserDensity(density);
    AToUserExpansion(expansion);
}
