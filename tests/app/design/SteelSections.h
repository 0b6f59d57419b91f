#pragma once
// Sections of the shipped I-section catalogue and a fresh steel of a chosen
// yield strength, for the tests of the steel design.
#include "common/omAsciiDB.h"
#include "model/omCrossSectionBox.h"
#include "model/omCrossSectionStandardI.h"
#include "model/omCrossSectionTube.h"
#include "model/omMaterial.h"

#include <filesystem>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>

namespace steeltest {

inline std::filesystem::path catalogue() {
    return std::filesystem::path(STRAKON_SOURCE_DIR) / "resources/data/Common/DB/StandardSectionsI.db";
}

// A section of the catalogue by its name ("IPE 300").
inline std::unique_ptr<omCrossSectionStandardI> catalogueSection(const std::string& name, unsigned id = 1) {
    omAsciiDB<omStandardSectionIRecord> db(catalogue(), true);
    for (const std::string& group : db.getGroupNames())
        for (const omStandardSectionIRecord* r : db.getRecords(group))
            if (r->name() == name) return std::make_unique<omCrossSectionStandardI>(group, *r, id);
    throw std::runtime_error("no catalogue section " + name);
}

// A section with its variables in cm, in the order of the section's variables.
template <class Section> std::unique_ptr<Section> shape(std::initializer_list<double> cm, unsigned id = 1) {
    auto s = std::make_unique<Section>(id);
    unsigned i = 1;
    for (double v : cm)
        s->setVariable(i++, omUnitValue(v, omUK_cm));
    return s;
}
// h, b, tw, tf, flange outstand, weld.
inline std::unique_ptr<omCrossSectionBox> box(double h, double b, double tw, double tf, double of, double w) {
    return shape<omCrossSectionBox>({h, b, tw, tf, of, w});
}
inline std::unique_ptr<omCrossSectionTube> tube(double D, double t) {
    return shape<omCrossSectionTube>({D, t});
}

// A fresh steel (E 21000, G 8076.9 kN/cm2) with the given yield strength.
inline omSteel* steel(double fy, unsigned id = 1) {
    return new omSteel(omUnitValue(fy, omUK_kN_cm2), id);
}

} // namespace steeltest
