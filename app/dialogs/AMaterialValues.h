#pragma once
// The values that the generic, steel and concrete pages share: the elastic
// constants, the density, the thermal expansion and Poisson's ratio. A page
// exchanges them with a material together with its name and colour, and a
// grade of a material database brings all of them at once.
#include "common/omUnitValue.h"

#include <string>

class omGradeRecord;
class omMaterial;

struct AMaterialValues {
    // Zero values in the user's stress, density and expansion units.
    explicit AMaterialValues(double poissonRatio);

    // Into the material (save) or out of it, with the page's name and colour;
    // saving uses nameToSave.
    void Exchange(omMaterial& material, bool save, std::string& name, unsigned& color,
                  const std::string& nameToSave);
    // The grade's values (stored in kN/cm², kg/m³ and 1/K) in the user's units.
    void TakeGrade(const omGradeRecord& grade);

    omUnitValue E, G, density, expansion;
    double poisson;
};

// The user's units for the values of a material page.
void AToUserStress(omUnitValue& value);
void AToUserDensity(omUnitValue& value);
void AToUserExpansion(omUnitValue& value);
