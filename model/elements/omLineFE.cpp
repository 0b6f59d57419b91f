#include "model/elements/omLineFE.h"

#include "model/omCrossSection.h"
#include "model/omLoad.h"
#include "model/omLoadGroup.h"
#include "model/omMaterial.h"
#include "model/omNode.h"
#include "rezavud/omVector.h"

#include <algorithm>
#include <cmath>

omLineFE::omLineFE() = default;

omLineFE::omLineFE(const omLineFE& other)
    : m_node1(other.m_node1), m_node2(other.m_node2), m_node3(other.m_node3),
      m_crossSection(other.m_crossSection), m_material(other.m_material), m_creepFi(other.m_creepFi) {
    m_loads.reserve(other.m_loads.size());
    for (const omLoad* load : other.m_loads)
        m_loads.push_back(load ? load->clone() : nullptr);
}

omLineFE& omLineFE::operator=(const omLineFE& other) {
    if (this == &other) return *this;
    std::vector<omLoad*> loads;
    loads.reserve(other.m_loads.size());
    for (const omLoad* load : other.m_loads)
        loads.push_back(load ? load->clone() : nullptr);
    for (omLoad* load : m_loads)
        delete load;
    m_loads = std::move(loads);
    m_node1 = other.m_node1;
    m_node2 = other.m_node2;
    m_node3 = other.m_node3;
    m_crossSection = other.m_crossSection;
    m_material = other.m_material;
    m_creepFi = other.m_creepFi;
    return *this;
}

omLineFE::~omLineFE() {
    for (omLoad* load : m_loads)
        delete load;
}

void omLineFE::addLoad(omLoad* load) {
    m_loads.push_back(load);
}

void omLineFE::clearLoad() {
    m_loads.clear();
}

double omLineFE::length() const {
    if (!m_node1 || !m_node2) return 0.0;
    double x1 = 0.0, z1 = 0.0, x2 = 0.0, z2 = 0.0;
    m_node1->getPlanePoint(omNode::coorSkewCreep, x1, z1);
    m_node2->getPlanePoint(omNode::coorSkewCreep, x2, z2);
    const double dx = x1 - x2;
    const double dz = z1 - z2;
    return std::sqrt(dx * dx + dz * dz);
}

double omLineFE::loadFactor(const omLoad* load) {
    const omLoadGroup* group = load ? load->getLoadGroup() : nullptr;
    return group ? group->factor() : 0.0;
}

std::vector<double> omLineFE::stateOf(const omVector& v, size_t extra) {
    std::vector<double> state(static_cast<size_t>(v.size()) + extra, 0.0);
    for (int i = 0; i < v.size(); ++i)
        state[static_cast<size_t>(i)] = v[i];
    return state;
}

bool omLineFE::takeState(const std::vector<double>& state, omVector& v, size_t extra) {
    if (state.size() != static_cast<size_t>(v.size()) + extra) return false;
    for (int i = 0; i < v.size(); ++i)
        v[i] = state[static_cast<size_t>(i)];
    return true;
}

omLineFE::Thermal omLineFE::thermal() const {
    Thermal t;
    if (!m_material || !m_crossSection) return t;
    for (const omLoad* load : m_loads) {
        if (!load || load->getType() != omLoad::Temperature) continue;
        const double f = loadFactor(load);
        if (f == 0.0) continue;
        const auto* temperature = static_cast<const omLoadTemperature*>(load);
        const double tPos = temperature->T(1, 1);
        const double tNeg = temperature->T(2, 1);
        const double alphaT = m_material->alfaT().Get(omUK_per_degC) * f;
        t.eps += 0.5 * (tNeg + tPos) * alphaT;
        // No gradient, no curvature, even for a section without height.
        if (tPos != tNeg) t.kappa += (tPos - tNeg) / m_crossSection->height() * alphaT;
    }
    return t;
}

bool omLineFE::parseLoad(const omLoad* load, double L, double angle, double& a, double& b, omForceVector& F1,
                         omForceVector& F2) const {
    switch (load->getType()) {
    case omLoad::Concentrated: {
        const auto* force = static_cast<const omLoadForce*>(load);
        a = b = L * force->getX();
        F1 = force->getForce(angle);
        break;
    }
    case omLoad::Linear: {
        const auto* linear = static_cast<const omLoadLinear*>(load);
        a = linear->getStart();
        b = linear->getEnd();
        F1 = linear->getForce(angle, a);
        F2 = linear->getForce(angle, b);
        a *= L;
        b *= L;
        break;
    }
    default:
        break;
    }
    return true;
}

void omLineFE::beginResults(const omVector&) {}

void omLineFE::endResults() {}

void omLineFE::resultsAt(double x, const omVector& U, omForceVector& F, omDisplacementVector& D) {
    F = internalForceAt(x, U);
    D = displacementAt(x, U);
}

void omLineFE::addToProfile(std::vector<int>& first, int listedFrom,
                            std::vector<std::vector<int>>& listed) const {
    int equations[6];
    int count = 0;
    int lowest = -1;
    for (const omNode* node : {m_node1, m_node2}) {
        if (!node) continue;
        for (omDofType t : {Ux, Uz, Ry}) {
            const int e = static_cast<int>(node->equation(t)) - 1;
            if (e < 0 || e >= static_cast<int>(first.size())) continue;
            equations[count++] = e;
            if (lowest < 0 || e < lowest) lowest = e;
        }
    }
    for (int k = 0; k < count; ++k) {
        const int row = equations[k];
        first[row] = std::min(first[row], lowest);
        const int r = row - listedFrom;
        if (r < 0 || r >= static_cast<int>(listed.size())) continue;
        for (int m = 0; m < count; ++m)
            if (equations[m] <= row) listed[r].push_back(equations[m]);
    }
}
