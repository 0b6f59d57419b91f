#include "model/omDesignElement.h"

#include "common/omErrorContainer.h"
#include "model/elements/omLineFE.h"
#include "model/omCrossSection.h"
#include "model/omCrossSectionMap.h"
#include "model/omElementLoadGroup.h"
#include "model/omEnvelope.h"
#include "model/omGenericDesignData.h"
#include "model/omLinearDesignElement2D.h"
#include "model/omLinkedNode.h"
#include "model/omLoad.h"
#include "model/omLoadCase.h"
#include "model/omLoadManager.h"
#include "model/omLogFile.h"
#include "model/omMaterial.h"
#include "model/omMaterialMap.h"
#include "model/omNodeMap.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <ios>

namespace {
double distance(const omVector& a, const omVector& b) {
    return std::hypot(a(1) - b(1), a(2) - b(2));
}

// A relative position rescaled onto one of the two parts of a split member
// stays on that part.
double clampToMember(double x) {
    if (x < 0.0) return 0.0;
    if (x >= 1.0) return 1.0;
    return x;
}

// New end intensities (in the analysis units) for a linear load that keeps
// showing them in the units it had.
void setIntensities(omLoadLinear& load, const omForceVector& start, const omForceVector& end) {
    const omUnitKey forceKey = load.getFs(Ux).GetKey();
    const omUnitKey momentKey = load.getFs(Ry).GetKey();
    load.setForce(start, end);
    load.convert(forceKey, momentKey);
}

// The value an envelope of quantity q compares.
double envelopeValue(const omPointResult& r, omEnvelope::Quantity q) {
    switch (q) {
    case omEnvelope::qMy:
        return r.F.getDof(Ry);
    case omEnvelope::qFx:
        return r.F.getDof(Ux);
    case omEnvelope::qFz:
        return r.F.getDof(Uz);
    case omEnvelope::qFi:
        return r.U.getDof(Ry);
    case omEnvelope::qUx:
        return r.U.getDof(Ux);
    case omEnvelope::qUz:
        return r.U.getDof(Uz);
    case omEnvelope::qCP:
        return r.pressure;
    }
    return 0.0;
}

// A point result of the layout whose every value is v.
omPointResult filledPoint(const omDofStructureType* type, double v) {
    omPointResult p(type);
    p.F.setAllTo(v);
    p.U.setAllTo(v);
    p.pressure = v;
    return p;
}
} // namespace

// --- construction

omDesignElement::omDesignElement(omNodeMap& nodeMap, unsigned node1, unsigned node2, unsigned crossSection,
                                 unsigned material, unsigned number)
    : omId(number), m_nodeMap(&nodeMap), m_node1Index(node1), m_node2Index(node2),
      m_crossSectionIndex(crossSection), m_materialIndex(material), m_result(this) {}

omDesignElement::omDesignElement(omNodeMap& nodeMap, const omNode* node1, const omNode* node2,
                                 unsigned crossSection, unsigned material, unsigned number)
    : omId(number), m_nodeMap(&nodeMap), m_node1Index(node1 ? node1->getIndex() : 0),
      m_node2Index(node2 ? node2->getIndex() : 0), m_node1(node1), m_node2(node2),
      m_crossSectionIndex(crossSection), m_materialIndex(material), m_result(this) {}

omDesignElement::omDesignElement(const omDesignElement& other)
    : omId(0), omUndoObject(other), AStorageBase(other), m_nodeMap(other.m_nodeMap), m_result(this) {
    // The base's own copy, never an override: a derived part is not built yet.
    omDesignElement::copy(other);
}

omDesignElement::~omDesignElement() {
    deleteInternalNodes();
    clearFE();
    delete m_designData;
    delete m_linked1;
    delete m_linked2;
    delete m_load;
}

void omDesignElement::copy(const omDesignElement& other) {
    if (&other == this) return;
    setIndex(other.getIndex());
    m_name = other.m_name;
    m_node1Index = other.m_node1Index;
    m_node2Index = other.m_node2Index;
    m_node1 = m_node2 = nullptr;
    omLinkedNode** mine[2] = {&m_linked1, &m_linked2};
    const omLinkedNode* theirs[2] = {other.m_linked1, other.m_linked2};
    for (int end = 0; end < 2; ++end) {
        if (!theirs[end]) continue;
        if (*mine[end]) {
            (*mine[end])->copyLinks(*theirs[end]);
        } else {
            omNode* twin = theirs[end]->clone();
            *mine[end] = dynamic_cast<omLinkedNode*>(twin);
            if (!*mine[end]) delete twin;
        }
    }
    m_crossSectionIndex = other.m_crossSectionIndex;
    m_crossSection = other.m_crossSection;
    m_materialIndex = other.m_materialIndex;
    m_material = other.m_material;
    m_material2Index = other.m_material2Index;
    m_material2 = other.m_material2;
    replaceLoad(other.m_load ? other.m_load->clone() : nullptr);
    m_numberOfFE = other.m_numberOfFE;
    m_dofType = other.m_dofType;
    bindNodes();
    setDesignData(other.m_designData);
}

void omDesignElement::replaceLoad(omElementLoadGroup* load) {
    if (load == m_load) return;
    delete m_load;
    m_load = load;
    if (m_load) m_load->setElement(this);
}

void omDesignElement::setLinkedNodes(omLinkedNode* first, omLinkedNode* second) {
    delete m_linked1;
    delete m_linked2;
    m_linked1 = first;
    m_linked2 = second;
    if (m_linked1) m_linked1->setMaster(m_node1);
    if (m_linked2) m_linked2->setMaster(m_node2);
}

std::string omDesignElement::getIdName(bool withNumber, bool withName) const {
    return idName(m_name, withNumber, withName, 200);
}

// --- nodes, cross-section, materials

void omDesignElement::setNode1(const omNode* node) {
    m_node1 = node;
    m_node1Index = node ? node->getIndex() : 0;
    if (m_linked1) m_linked1->setMaster(node);
}

void omDesignElement::setNode2(const omNode* node) {
    m_node2 = node;
    m_node2Index = node ? node->getIndex() : 0;
    if (m_linked2) m_linked2->setMaster(node);
}

void omDesignElement::setNodeIndex1(unsigned id) {
    m_node1Index = id;
    m_node1 = nullptr;
    if (m_linked1) m_linked1->setMaster(nullptr);
}

void omDesignElement::setNodeIndex2(unsigned id) {
    m_node2Index = id;
    m_node2 = nullptr;
    if (m_linked2) m_linked2->setMaster(nullptr);
}

bool omDesignElement::bindNodes() {
    m_node1 = m_nodeMap->find(m_node1Index);
    m_node2 = m_nodeMap->find(m_node2Index);
    if (m_linked1) m_linked1->setMaster(m_node1);
    if (m_linked2) m_linked2->setMaster(m_node2);
    return checkNodes();
}

bool omDesignElement::checkNodes() const {
    if (!m_node1) omErrorContainer::instance()->report(1001, getIndex(), m_node1Index);
    if (!m_node2) omErrorContainer::instance()->report(1001, getIndex(), m_node2Index);
    return m_node1 && m_node2;
}

void omDesignElement::setCrossSection(const omCrossSection* cs) {
    m_crossSection = cs;
    m_crossSectionIndex = cs ? cs->getIndex() : 0;
}

void omDesignElement::setCrossSectionIndex(unsigned id) {
    m_crossSectionIndex = id;
    m_crossSection = nullptr;
}

bool omDesignElement::bindCrossSection(const omCrossSectionMap& map) {
    m_crossSection = map.doFind(m_crossSectionIndex);
    if (!m_crossSection) omErrorContainer::instance()->report(1007, getIndex(), m_crossSectionIndex);
    return m_crossSection != nullptr;
}

void omDesignElement::setMaterial(const omMaterial* m) {
    m_material = m;
    m_materialIndex = m ? m->getIndex() : 0;
}

void omDesignElement::setMaterialIndex(unsigned id) {
    m_materialIndex = id;
    m_material = nullptr;
}

void omDesignElement::setMaterial2(const omMaterial* m) {
    m_material2 = m;
    m_material2Index = m ? m->getIndex() : 0;
}

void omDesignElement::setMaterialIndex2(unsigned id) {
    m_material2Index = id;
    m_material2 = nullptr;
}

bool omDesignElement::bindMaterial(const omMaterialMap& map) {
    m_material = map.doFind(m_materialIndex);
    if (!m_material) omErrorContainer::instance()->report(1008, getIndex(), m_materialIndex);
    m_material2 = map.doFind(m_material2Index);
    return m_material != nullptr;
}

// --- releases

bool omDesignElement::release(position end, omDofType dof, bool released) {
    omLinkedNode* linked = linkedNode(end);
    return linked ? linked->releaseLink(dof, released) : false;
}

bool omDesignElement::isReleased(position end, omDofType dof) const {
    const omLinkedNode* linked = linkedNode(end);
    return linked ? linked->isReleased(dof) : false;
}

std::string omDesignElement::getReleaseString(position end) const {
    std::string text;
    if (!m_dofType) return text;
    for (int i = 1; i <= m_dofType->dofSize(); ++i) {
        const omDofType t = (*m_dofType)(i);
        if (isReleased(end, t)) text += omDofStructureType::name(t);
    }
    return text;
}

// --- geometry

double omDesignElement::length() const {
    // Unbound members still know their node numbers.
    const omNode* n1 = m_node1 ? m_node1 : m_nodeMap->find(m_node1Index);
    const omNode* n2 = m_node2 ? m_node2 : m_nodeMap->find(m_node2Index);
    if (!n1) omErrorContainer::instance()->report(1001, getIndex(), m_node1Index);
    if (!n2) omErrorContainer::instance()->report(1001, getIndex(), m_node2Index);
    if (!n1 || !n2) return 0.0;
    return distance(n1->getVector(omUK_cm, omNode::coorSkewCreep),
                    n2->getVector(omUK_cm, omNode::coorSkewCreep));
}

double omDesignElement::volume() const {
    return m_crossSection ? m_crossSection->A() * length() : 0.0;
}

// --- loads

omElementLoadGroup* omDesignElement::createLoadGroup(omLoad*) {
    return new omElementLoadGroup(this);
}

void omDesignElement::addLoad(omLoad* load) {
    if (!load) return;
    if (!m_load) replaceLoad(createLoadGroup(load));
    if (!m_load) {
        // Nothing can hold the load; it was handed over, so it goes.
        omErrorContainer::instance()->report(100);
        delete load;
        return;
    }
    m_load->add(load);
    load->setDofStructureType(m_dofType);
}

void omDesignElement::resetLoad() {
    replaceLoad(nullptr);
}

bool omDesignElement::distributeLoad() {
    if (m_fe.empty()) return true;
    for (omLineFE* fe : m_fe) {
        // The pieces handed out last time were made here; clearLoad only forgets them.
        for (omLoad* piece : fe->getLoads())
            delete piece;
        fe->clearLoad();
    }
    if (!m_load || m_load->size() == 0) return true;
    const unsigned m = static_cast<unsigned>(m_fe.size());
    for (const omLoad* load : m_load->getLoads()) {
        if (load->isPointLoad()) {
            const auto* force = dynamic_cast<const omLoadForce*>(load);
            if (!force) continue;
            const auto [i, t] = locate(force->getX());
            auto* piece = new omLoadForce(*force);
            piece->setX(t);
            m_fe[i]->addLoad(piece);
        } else if (load->getType() == omLoad::Linear) {
            const auto* linear = dynamic_cast<const omLoadLinear*>(load);
            if (!linear) continue;
            const auto [i1, x1] = locate(linear->getStart());
            const auto [i2, x2] = locate(linear->getEnd());
            for (unsigned i = i1; i <= i2 && i < m; ++i) {
                const double start = i == i1 ? x1 : 0.0;
                const double end = i == i2 ? x2 : 1.0;
                if (start == end) continue;
                auto* piece = new omLoadLinear(*linear);
                piece->setStart(start);
                piece->setEnd(end);
                if (i1 != i2) {
                    // Each piece carries the intensities the load has at the
                    // piece's own ends, not those of the whole load's ends.
                    const double p0 = m_fePositions[i], p1 = m_fePositions[i + 1];
                    setIntensities(*piece, linear->getForce(0.0, p0 + start * (p1 - p0)),
                                   linear->getForce(0.0, p0 + end * (p1 - p0)));
                }
                m_fe[i]->addLoad(piece);
            }
        } else if (load->getType() == omLoad::Temperature) {
            for (omLineFE* fe : m_fe)
                fe->addLoad(load->clone());
        }
    }
    return true;
}

// --- finite elements

void omDesignElement::clearFE() {
    for (omLineFE* fe : m_fe)
        delete fe;
    m_fe.clear();
}

void omDesignElement::deleteInternalNodes() {
    for (omNode* node : m_internalNodes)
        delete node;
    m_internalNodes.clear();
}

void omDesignElement::setupFEPositions() {
    const unsigned m = static_cast<unsigned>(m_fe.size());
    m_fePositions.resize(static_cast<int>(m) + 1);
    m_fePositions.setAllTo(0.0);
    if (m == 0) return;
    // From the entered geometry: offsets left on the nodes by an earlier solution
    // must not shift the finite elements' share of the member for good.
    double total = 0.0;
    std::vector<double> lengths(m, 0.0);
    for (unsigned i = 0; i < m; ++i) {
        const omNode* a = m_fe[i]->getNode1();
        const omNode* b = m_fe[i]->getNode2();
        if (a && b)
            lengths[i] =
                distance(a->getVector(omUK_cm, omNode::coorPlain), b->getVector(omUK_cm, omNode::coorPlain));
        total += lengths[i];
    }
    for (unsigned i = 0; i < m; ++i)
        m_fePositions[i + 1] = total > 0.0 ? m_fePositions[i] + lengths[i] / total : double(i + 1) / m;
    m_fePositions[m] = 1.0;
}

std::pair<unsigned, double> omDesignElement::locate(double x) const {
    const unsigned m = static_cast<unsigned>(m_fe.size());
    if (m <= 1) return {0, x};
    if (x >= 1.0) return {m - 1, 1.0};
    const double* p = m_fePositions;
    // The first i whose end p[i + 1] is at or beyond x.
    const double* it = std::lower_bound(p + 1, p + m + 1, x);
    unsigned i = static_cast<unsigned>(it - (p + 1));
    if (i >= m) i = m - 1;
    const double span = p[i + 1] - p[i];
    return {i, span != 0.0 ? (x - p[i]) / span : 0.0};
}

bool omDesignElement::markUsedDofInNodes() {
    bool ok = true;
    for (omLineFE* fe : m_fe)
        if (!fe->markUsedDofInNodes()) ok = false;
    return ok;
}

void omDesignElement::addToProfile(std::vector<int>& first, int listedFrom,
                                   std::vector<std::vector<int>>& listed) const {
    for (const omLineFE* fe : m_fe)
        if (fe) fe->addToProfile(first, listedFrom, listed);
}

bool omDesignElement::setupGlobalKAndF(const omVector* U, omStiffnessMatrix* K, omVector* S,
                                       unsigned iteration) {
    omLogFile* log = omLogFile::enabledFor(lfElementMatrices);
    if (!log) log = omLogFile::enabledFor(lfElementForces);
    if (log) *log << "\n\nElement " << getIndex() << " has " << m_fe.size() << " finite element(s).";
    bool ok = true;
    unsigned ordinal = 0;
    for (omLineFE* fe : m_fe) {
        ++ordinal;
        if (log) *log << "\n\nFE subelement: " << ordinal;
        if (!fe->setupGlobalKAndF(U, K, S, iteration)) {
            if (log) *log << "*** FAILED ***";
            ok = false;
        }
    }
    return ok;
}

double omDesignElement::solveInternalEquations(const omVector& dU) {
    if (omLogFile* log = omLogFile::enabledFor(lfElementMatrices))
        *log << "\nElement " << getIndex() << " has " << m_fe.size() << " finite element(s).";
    double norm = 0.0;
    for (omLineFE* fe : m_fe)
        norm = std::max(norm, fe->solveInternalEquations(dU));
    return norm;
}

omForceVector omDesignElement::internalForceAt(double x, const omVector& U) const {
    if (m_fe.empty()) return omForceVector(m_dofType);
    const auto [i, t] = locate(x);
    return m_fe[i]->internalForceAt(t, U);
}

omDisplacementVector omDesignElement::displacementAt(double x, const omVector& U) const {
    if (m_fe.empty()) return omDisplacementVector(m_dofType);
    const auto [i, t] = locate(x);
    return m_fe[i]->displacementAt(t, U);
}

// --- results and envelopes

void omDesignElement::reserveResults(int n, const omLoadManager* manager) {
    m_result.clear();
    // At least one division: the two ends.
    if (n < 1) n = 1;
    std::vector<double>& points = m_result.getPoints();
    points.clear();
    points.reserve(static_cast<size_t>(n) + 1);
    for (int i = 0; i <= n; ++i)
        points.push_back(i == n ? 1.0 : double(i) / n);
    if (m_load) m_load->addResultPoints(points);
    if (!manager) return;
    const omPointResult zero(m_dofType);
    for (int c = 1; c <= manager->caseSize(); ++c) {
        auto* r = new omLoadCaseResult(manager->getCase(c), nullptr);
        r->assign(points.size(), zero);
        m_result.addLCResult(r);
    }
}

void omDesignElement::storeResults(int lc, const omVector& U) {
    if (lc < 1 || lc > m_result.caseSize()) return;
    omLoadCaseResult& r = m_result.getLCResult(static_cast<unsigned>(lc));
    const std::vector<double>& points = m_result.getPoints();
    const auto* member = dynamic_cast<const omLinearDesignElement2D*>(this);
    const size_t n = std::min(points.size(), r.size());
    for (omLineFE* fe : m_fe)
        fe->beginResults(U);
    for (size_t j = 0; j < n; ++j) {
        omPointResult& p = r[j];
        if (m_fe.empty()) {
            p.F = omForceVector(m_dofType);
            p.U = omDisplacementVector(m_dofType);
        } else {
            const auto [i, t] = locate(points[j]);
            m_fe[i]->resultsAt(t, U, p.F, p.U);
        }
        p.pressure = member ? member->contactPressure(p.U.getDof(Uz)) : 0.0;
        r.checkMaximum(p.F, p.U, p.pressure);
    }
    for (omLineFE* fe : m_fe)
        fe->endResults();
}

void omDesignElement::modifyResults(int lc, double factor) {
    if (lc < 1 || lc > m_result.caseSize()) return;
    omLoadCaseResult& r = m_result.getLCResult(static_cast<unsigned>(lc));
    for (omPointResult& p : r) {
        p.pressure *= factor;
        p.F.multiplyBy(factor);
        p.U.multiplyBy(factor);
        r.checkMaximum(p.F, p.U, p.pressure);
    }
}

bool omDesignElement::areResultsValid(const omLoadManager* manager) const {
    return m_result.areResultsValid(manager);
}

void omDesignElement::clearResults() {
    m_result.clear();
    m_envelope.clear();
    if (m_designData) m_designData->resetResults();
}

void omDesignElement::setCreepFi(double fi) {
    for (omLineFE* fe : m_fe)
        fe->setCreepFi(fi);
}

void omDesignElement::skewCreepDisplacementsToResults(bool skew, bool creep, unsigned lc) {
    if (lc < 1 || static_cast<int>(lc) > m_result.caseSize() || m_fe.empty()) return;
    omLoadCaseResult& r = m_result.getLCResult(lc);
    const std::vector<double>& points = m_result.getPoints();
    const double alpha = getLine(omUK_cm, omNode::coorPlain).angle();
    const double c = std::cos(alpha), s = std::sin(alpha);
    auto offset = [&](const omNode* node, omDofType t) {
        double d = 0.0;
        if (!node) return d;
        if (skew)
            if (const omUnitValue* v = node->getCoor(t, omNode::coorSkew)) d += v->Get(omUK_cm);
        if (creep)
            if (const omUnitValue* v = node->getCoor(t, omNode::coorCreep)) d += v->Get(omUK_cm);
        return d;
    };
    const size_t n = std::min(points.size(), r.size());
    for (size_t j = 0; j < n; ++j) {
        const auto [i, t] = locate(points[j]);
        const omLineFE* fe = m_fe[i];
        const double dx1 = offset(fe->getNode1(), Ux), dz1 = offset(fe->getNode1(), Uz);
        const double dx2 = offset(fe->getNode2(), Ux), dz2 = offset(fe->getNode2(), Uz);
        const double ux = dx1 + t * (dx2 - dx1);
        const double uz = dz1 + t * (dz2 - dz1);
        omPointResult& p = r[j];
        p.U.getDof(Ux) = c * ux + s * uz;
        p.U.getDof(Uz) = c * uz - s * ux;
        r.checkMaximum(p.F, p.U, p.pressure);
    }
}

void omDesignElement::reserveEnvelope(const omLoadManager* manager) {
    m_envelope.clear();
    if (!manager) return;
    const size_t n = m_result.getPoints().size();
    const omPointResult lowest = filledPoint(m_dofType, -DBL_MAX);
    const omPointResult highest = filledPoint(m_dofType, DBL_MAX);
    for (int k = 1; k <= manager->envelopeSize(); ++k) {
        const omEnvelope* envelope = manager->getEnvelope(static_cast<unsigned>(k));
        auto* maximum = new omLoadCaseResult(nullptr, envelope);
        auto* minimum = new omLoadCaseResult(nullptr, envelope);
        maximum->assign(n, lowest);
        minimum->assign(n, highest);
        m_envelope.addResults(maximum, minimum);
    }
}

void omDesignElement::calcEnvelope(unsigned k, omLoadManager* manager) {
    if (!manager || k < 1 || static_cast<int>(k) > m_envelope.envelopeSize()) return;
    const omEnvelope* envelope = manager->getEnvelope(k);
    if (!envelope) return;
    const omEnvelope::Quantity q = envelope->getQuantity();
    omLoadCaseResult& maximum = m_envelope.getMaxResult(k);
    omLoadCaseResult& minimum = m_envelope.getMinResult(k);
    for (unsigned c : envelope->getLoadCases()) {
        if (c < 1 || static_cast<int>(c) > m_result.caseSize()) continue;
        const omLoadCaseResult& r = m_result.getLCResult(c);
        const size_t n = std::min({r.size(), maximum.size(), minimum.size()});
        for (size_t j = 0; j < n; ++j) {
            const double v = envelopeValue(r[j], q);
            // Strict comparisons: of equal values the earlier case keeps the record.
            if (v < envelopeValue(minimum[j], q)) minimum[j] = r[j];
            if (v > envelopeValue(maximum[j], q)) maximum[j] = r[j];
            envelope->checkMaximum(maximum[j].F, maximum[j].U, maximum[j].pressure);
            envelope->checkMaximum(minimum[j].F, minimum[j].U, minimum[j].pressure);
        }
    }
}

// --- design data

void omDesignElement::setDesignData(omGenericDesignData* data) {
    // The caller may hand over the object this member already holds.
    omGenericDesignData* copy = data ? data->clone() : nullptr;
    delete m_designData;
    m_designData = copy;
    if (m_designData) m_designData->setElement(this);
}

// --- splitting

omDesignElement* omDesignElement::split(omUndoList& undo, const omNode* node) {
    undo.add(clone(), omUndoItem::modified);
    const omNode* n1 = m_node1 ? m_node1 : m_nodeMap->find(m_node1Index);
    const omNode* n2 = m_node2 ? m_node2 : m_nodeMap->find(m_node2Index);
    if (!node || !n1 || !n2) return nullptr;
    const omVector at = node->getVector(omUK_cm, omNode::coorSkewCreep);
    if (at == n1->getVector(omUK_cm, omNode::coorSkewCreep) ||
        at == n2->getVector(omUK_cm, omNode::coorSkewCreep))
        return nullptr;

    deleteInternalNodes();
    clearFE();
    omDesignElement* other = create();
    if (!other) {
        omErrorContainer::instance()->report(100);
        return nullptr;
    }
    undo.add(other, omUndoItem::created);
    other->setNumberOfFE(m_numberOfFE);
    if (m_material)
        other->setMaterial(m_material);
    else
        other->setMaterialIndex(m_materialIndex);
    if (m_material2)
        other->setMaterial2(m_material2);
    else
        other->setMaterialIndex2(m_material2Index);
    if (m_crossSection)
        other->setCrossSection(m_crossSection);
    else
        other->setCrossSectionIndex(m_crossSectionIndex);
    other->setNode1(node);
    if (m_node2)
        other->setNode2(m_node2);
    else
        other->setNodeIndex2(m_node2Index);
    setNode2(node);
    if (m_linked2) {
        if (omLinkedNode* theirs = other->linkedNode(second)) theirs->copyLinks(*m_linked2);
        m_linked2->releaseAllLinks(false);
    }

    if (!m_load || m_load->size() == 0) return other;
    const double L1 = length(), L2 = other->length(), Lt = L1 + L2;
    if (!(L1 > 0.0) || !(L2 > 0.0)) return other;
    const double r = L1 / Lt;
    const std::vector<omLoad*> loads = m_load->getLoads();
    for (omLoad* load : loads) {
        if (auto* force = dynamic_cast<omLoadForce*>(load)) {
            const double a = force->getX();
            if (a <= r) {
                force->setX(a / r);
            } else {
                auto* moved = static_cast<omLoadForce*>(force->clone());
                moved->setX((a - r) / (1.0 - r));
                other->addLoad(moved);
                m_load->remove(load);
            }
        } else if (auto* linear = dynamic_cast<omLoadLinear*>(load)) {
            const double a = linear->getStart(), b = linear->getEnd();
            const bool whole = a == 0.0 && b == 1.0;
            if (!whole && b <= r) {
                linear->setStart(clampToMember(a * Lt / L1));
                linear->setEnd(clampToMember(b * Lt / L1));
            } else if (!whole && a >= r && b > r) {
                auto* moved = static_cast<omLoadLinear*>(linear->clone());
                moved->setStart(clampToMember((a * Lt - L1) / L2));
                moved->setEnd(clampToMember((b * Lt - L1) / L2));
                other->addLoad(moved);
                m_load->remove(load);
            } else {
                const omForceVector Fa = linear->getForce(0.0, a);
                const omForceVector Fb = linear->getForce(0.0, b);
                const omForceVector Fr = linear->getForce(0.0, r);
                auto* cut = new omLoadLinear(*linear);
                linear->setStart(whole ? 0.0 : clampToMember(a * Lt / L1));
                linear->setEnd(1.0);
                setIntensities(*linear, Fa, Fr);
                cut->setStart(0.0);
                cut->setEnd(whole ? 1.0 : clampToMember((b * Lt - L1) / L2));
                setIntensities(*cut, Fr, Fb);
                other->addLoad(cut);
            }
        } else if (load->getType() == omLoad::Temperature) {
            other->addLoad(load->clone());
        }
    }
    return other;
}

// --- log

void omDesignElement::logFileReport() {
    omLogFile* log = omLogFile::enabledFor(lfElements);
    if (!log) return;
    log->setf(std::ios::fixed, std::ios::floatfield);
    log->setf(std::ios::right, std::ios::adjustfield);
    log->width(6);
    log->precision(0);
    *log << "\nid=" << getIndex() << ", Node1: " << m_node1Index << ", Node2: " << m_node2Index
         << ", Length: " << length();
    if (m_linked1) *log << ", Linked Node1: " << m_linked1->getIndex();
    if (m_linked2) *log << ", Linked Node2: " << m_linked2->getIndex();
    *log << ", NumFE: " << m_numberOfFE << ", Section: " << m_crossSectionIndex
         << ", Material: " << m_materialIndex;
}

void omDesignElement::logFileLoadReport() {
    omLogFile* log = omLogFile::enabledFor(lfElementLoads);
    if (!log || !m_load || m_load->size() == 0) return;
    *log << "\nElement: " << getIndex() << " has " << m_load->size() << " load(s):";
    for (const omLoad* load : m_load->getLoads())
        load->logFileReport();
}

void omDesignElement::logFileElementForces(unsigned lc) {
    omLogFile* log = omLogFile::enabledFor(lfElementResults);
    if (!log) return;
    const bool hasCase = lc >= 1 && static_cast<int>(lc) <= m_result.caseSize();
    if (!log->numbersAsText()) {
        *log << "\nElement: " << getIndex();
        if (hasCase) {
            const omLoadCaseResult& r = m_result.getLCResult(lc);
            const std::vector<double>& points = m_result.getPoints();
            const size_t n = std::min(points.size(), r.size());
            for (size_t j = 0; j < n; ++j) {
                log->precision(2);
                *log << "\nx(rel): " << points[j];
                log->precision(0);
                *log << ", F=" << r[j].F;
                log->precision(5);
                *log << ", U=" << r[j].U;
            }
        }
        *log << "\n";
        return;
    }
    std::string& text = log->textBuffer();
    appendElementForces(*log, text, lc);
    log->write(text.data(), static_cast<std::streamsize>(text.size()));
}

void omDesignElement::appendElementForces(omLogFile& log, std::string& text, unsigned lc) const {
    const bool hasCase = lc >= 1 && static_cast<int>(lc) <= m_result.caseSize();
    text += "\nElement: ";
    omLogFile::appendNumber(text, getIndex());
    if (hasCase) {
        const omLoadCaseResult& r = m_result.getLCResult(lc);
        const std::vector<double>& points = m_result.getPoints();
        const size_t n = std::min(points.size(), r.size());
        auto appendVector = [&](const omDofVector& v, std::streamsize precision) {
            text += "{ ";
            omLogFile::appendNumber(text, v.size());
            text += ": ";
            const omDofStructureType* type = v.type();
            for (int k = 1; k <= v.size(); ++k) {
                const omDofType t = type && k <= type->dofSize() ? type->dofTypeArray()[k - 1] : InternalDof;
                text += omDofStructureType::name(t);
                text += '=';
                log.appendNumber(text, v(k), precision);
                text += ' ';
            }
            text += '}';
        };
        for (size_t j = 0; j < n; ++j) {
            text += "\nx(rel): ";
            log.appendNumber(text, points[j], 2);
            text += ", F=";
            appendVector(r[j].F, 0);
            text += ", U=";
            appendVector(r[j].U, 5);
        }
        // The stream is left as the writer above leaves it.
        if (n > 0) log.precision(5);
    }
    text += "\n";
}
