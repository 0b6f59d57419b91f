#include "model/omDofStructureType.h"

#include "model/omIndexCheck.h"

namespace {
const std::string s_dofNames[7] = {"Ux", "Uy", "Uz", "Rx", "Ry", "Rz", "Internal"};
const omDofType s_planeLayout[3] = {Ux, Uz, Ry};
} // namespace

omDofStructureType::~omDofStructureType() = default;

omDofType omDofStructureType::operator[](int i) const {
    if (!omCheckIndex("Degree of freedom", i + 1, 1, dofSize())) return dofTypeArray()[0];
    return dofTypeArray()[i];
}

const std::string& omDofStructureType::name(omDofType t) {
    // 6 and every value outside the six translations and rotations name the
    // internal DOFs; 7 to 99 never occur.
    if (t >= Ux && t <= Rz) return s_dofNames[t];
    return s_dofNames[6];
}

omDofStrakonStructureType* omDofStrakonStructureType::s_instance = nullptr;

omDofStrakonStructureType* omDofStrakonStructureType::instance() {
    if (!s_instance) s_instance = new omDofStrakonStructureType;
    return s_instance;
}

void omDofStrakonStructureType::release() {
    delete s_instance;
    s_instance = nullptr;
}

omDofStrakonStructureType::~omDofStrakonStructureType() = default;

const omDofType* omDofStrakonStructureType::dofTypeArray() const {
    return s_planeLayout;
}

int omDofStrakonStructureType::dofIndex(omDofType t) const {
    switch (t) {
    case Ux:
        return 1;
    case Uz:
        return 2;
    case Ry:
        return 3;
    default:
        return 0;
    }
}

const std::string& omDofStrakonStructureType::name() const {
    static const std::string s_name = "Strakon";
    return s_name;
}
