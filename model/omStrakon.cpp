#include "model/omStrakon.h"

#include "common/omErrorContainer.h"
#include "model/elements/omLineFE.h"
#include "model/elements/omQuentraDesignElement.h"
#include "model/omCrossSectionMap.h"
#include "model/omElementMap.h"
#include "model/omLinearDesignElement2D.h"
#include "model/omLoad.h"
#include "model/omLoadGroup.h"
#include "model/omLoadManager.h"
#include "model/omLogFile.h"
#include "model/omMaterialMap.h"
#include "model/omNode2D.h"
#include "model/omNodeMap.h"
#include "model/omStiffnessMatrix.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <new>
#include <vector>

namespace {
void report(unsigned code) {
    omErrorContainer::instance()->report(code);
}

// Numbers an object as the maps do: a given number wins, then its own, then the
// next free one. True when the map took it over.
template <class Map, class T> bool insertNumbered(Map& map, T* object, unsigned id) {
    if (id != 0) object->setIndex(id);
    if (object->getIndex() == 0) object->setIndex(map.empty() ? 1 : map.getUniqueIndex());
    return map.insert(object);
}

// Takes a section or material over under the number id (0 keeps its own);
// one that the map refuses is reported (101) and freed.
template <class Map, class T> bool insertOrRefuse(Map* map, T* object, unsigned id, const char* what) {
    if (!object) return false;
    if (id != 0) object->setIndex(id);
    if (map && map->insert(object)) return true;
    omErrorContainer::instance()->report(101, what, id);
    delete object;
    return false;
}

// The member as made, after reporting when memory ran out.
omDesignElement* madeMember(omDesignElement* member) {
    if (!member) report(100);
    return member;
}
} // namespace

template <class T> T* omStrakon::refuse(T* object) {
    delete object;
    return nullptr;
}

omStrakon::omStrakon() : m_structureType(omDofStrakonStructureType::instance()) {}

omStrakon::~omStrakon() {
    delete m_stiffnessMatrix;
    delete m_materialMap;
    delete m_crossSectionMap;
    delete m_loadManager;
    delete m_elementMap;
    delete m_nodeMap;
}

// --- set-up and binding

void omStrakon::setupObjects() {
    m_nodeMap = createNodeMap();
    m_elementMap = createElementMap();
    m_loadManager = createLoadManager();
    m_crossSectionMap = createCrossSectionMap();
    m_materialMap = createMaterialMap();
    if (!m_nodeMap || !m_elementMap || !m_loadManager || !m_crossSectionMap || !m_materialMap) report(100);
}

omNodeMap* omStrakon::createNodeMap() {
    return new (std::nothrow) omNodeMap();
}

omElementMap* omStrakon::createElementMap() {
    return new (std::nothrow) omElementMap();
}

omLoadManager* omStrakon::createLoadManager() {
    return new (std::nothrow) omLoadManager();
}

omCrossSectionMap* omStrakon::createCrossSectionMap() {
    return new (std::nothrow) omCrossSectionMap();
}

omMaterialMap* omStrakon::createMaterialMap() {
    return new (std::nothrow) omMaterialMap();
}

void omStrakon::bind() {
    if (!m_nodeMap || m_nodeMap->empty()) report(1023);
    if (!m_elementMap || m_elementMap->empty()) report(1024);
    m_hasNonlinear = false;
    if (m_nodeMap) m_nodeMap->clearExternalNodes();
    bindLoadGroups();
    if (!m_elementMap) return;
    for (auto& [id, element] : *m_elementMap) {
        element->bindNodes();
        if (m_materialMap) element->bindMaterial(*m_materialMap);
        if (m_crossSectionMap) element->bindCrossSection(*m_crossSectionMap);
        element->setupFEs();
        if (!element->isLinear()) m_hasNonlinear = true;
    }
}

void omStrakon::bindMaterial() {
    if (!m_elementMap || !m_materialMap) return;
    for (auto& [id, element] : *m_elementMap)
        element->bindMaterial(*m_materialMap);
}

void omStrakon::bindCrossSection() {
    if (!m_elementMap || !m_crossSectionMap) return;
    for (auto& [id, element] : *m_elementMap)
        element->bindCrossSection(*m_crossSectionMap);
}

void omStrakon::bindLoadGroups() {
    if (m_elementMap) m_elementMap->bindLoadGroups(m_loadManager);
    if (m_nodeMap) m_nodeMap->bindLoadGroups(m_loadManager);
}

void omStrakon::allocateStiffnessMatrix() {
    if (!m_nodeMap || !m_elementMap) return;
    m_nodeMap->resetEquationIndexes();
    m_elementMap->markUsedDofInNodes();
    m_nodeMap->setupEquationIndexes();
    m_nodeMap->logFileReport();
    m_elementMap->logFileReport();
    if (m_materialMap) m_materialMap->logFileReport();
    if (m_crossSectionMap) m_crossSectionMap->logFileReport();
    if (m_loadManager) m_loadManager->logFileReport();
    const int E = static_cast<int>(m_nodeMap->getNumberOfEquations());
    const int R = static_cast<int>(m_nodeMap->getNumberOfReactions());
    if (!m_stiffnessMatrix) {
        m_stiffnessMatrix = new (std::nothrow) omStiffnessMatrix();
        if (!m_stiffnessMatrix) {
            report(100);
            return;
        }
    }
    // Only the profile the members couple is stored; the old matrix and its
    // factor go at once.
    try {
        std::vector<int> first;
        std::vector<std::vector<int>> supported;
        m_elementMap->stiffnessProfile(E, R, first, supported);
        m_stiffnessMatrix->allocate(E, R, first, supported);
    } catch (const std::bad_alloc&) {
        m_stiffnessMatrix->allocate(0, 0, {}, {});
        report(100);
    }
}

// --- editing

omNode* omStrakon::createNode(double x, double z, const std::string& unit, unsigned id) {
    return new (std::nothrow) omNode2D(x, z, unit, id);
}

omDesignElement* omStrakon::createLinearElement(omNodeMap& nodes, unsigned node1, unsigned node2,
                                                unsigned crossSection, unsigned material, unsigned id) {
    return new (std::nothrow) omLinearDesignElement2D(nodes, node1, node2, crossSection, material, id);
}

omDesignElement* omStrakon::createQuentraElement(omNodeMap& nodes, unsigned node1, unsigned node2,
                                                 unsigned crossSection, unsigned material, unsigned id) {
    return new (std::nothrow) omQuentraDesignElement(nodes, node1, node2, crossSection, material, id);
}

omNode* omStrakon::addNode(double x, double z, const std::string& unit, unsigned id) {
    omNode* node = createNode(x, z, unit, id);
    if (!node) {
        report(100);
        return nullptr;
    }
    return addNode(node, id);
}

omNode* omStrakon::addNode(omNode* node, unsigned id) {
    if (!node) return nullptr;
    if (!m_nodeMap) return refuse(node);
    if (insertNumbered(*m_nodeMap, node, id)) return node;
    omErrorContainer::instance()->report(101, "Node", id);
    return refuse(node);
}

omDesignElement* omStrakon::addElement(unsigned node1, unsigned node2, unsigned crossSection,
                                       unsigned material, unsigned id) {
    if (!m_nodeMap) return nullptr;
    return addElement(madeMember(createLinearElement(*m_nodeMap, node1, node2, crossSection, material, id)), id);
}

omDesignElement* omStrakon::addQuentraElement(unsigned node1, unsigned node2, unsigned crossSection,
                                              unsigned material, unsigned id) {
    if (!m_nodeMap) return nullptr;
    return addElement(madeMember(createQuentraElement(*m_nodeMap, node1, node2, crossSection, material, id)), id);
}

omDesignElement* omStrakon::addElement(omDesignElement* element, unsigned id) {
    if (!element) return nullptr;
    if (!element->isLinear()) m_hasNonlinear = true;
    if (!m_elementMap) return refuse(element);
    if (insertNumbered(*m_elementMap, element, id)) return element;
    omErrorContainer::instance()->report(101, "Element", id);
    return refuse(element);
}

bool omStrakon::addCrossSection(omCrossSection* cs, unsigned id) {
    return insertOrRefuse(m_crossSectionMap, cs, id, "Cross-section");
}

bool omStrakon::addMaterial(omMaterial* m, unsigned id) {
    return insertOrRefuse(m_materialMap, m, id, "Material");
}

bool omStrakon::addLoadGroup(const std::string& name) {
    if (!m_loadManager) return false;
    const int result = m_loadManager->addGroup(omLoadGroup(name));
    if (result == -1) omErrorContainer::instance()->report(1009);
    if (result == -2) omErrorContainer::instance()->report(1010, name);
    return result == 0;
}

omLoadCase* omStrakon::addLoadCase(const std::string& name, omLoadCase::LimitState state) {
    if (!m_loadManager) return nullptr;
    auto* lc = new (std::nothrow) omLoadCase(name, state, m_structureType);
    if (!lc) {
        report(100);
        return nullptr;
    }
    const int result = m_loadManager->addCase(lc, true);
    if (result == 0) return lc;
    if (result == -1) omErrorContainer::instance()->report(1011);
    if (result == -2) omErrorContainer::instance()->report(1012, name);
    return refuse(lc);
}

omLoadCase* omStrakon::addLoadCase(const std::string& name, omLoadCase::LimitState state,
                                   const omVector& factors) {
    omLoadCase* lc = addLoadCase(name, state);
    // A refused name belongs to another case, whose factors are not ours to change.
    if (lc) setLoadFactor(name, factors);
    return lc;
}

bool omStrakon::setLoadFactor(const std::string& name, const omVector& factors) {
    if (m_loadManager && m_loadManager->setFactors(name, factors)) return true;
    omErrorContainer::instance()->report(1013, name);
    return false;
}

bool omStrakon::addElementLoad(unsigned element, omLoad* load, const std::string& group) {
    if (!load) return false;
    const int index = m_loadManager ? m_loadManager->getGroupIndex(group) : 0;
    if (index == 0) {
        omErrorContainer::instance()->report(1014, group);
        refuse(load);
        return false;
    }
    load->setLoadGroupIndex(static_cast<unsigned>(index));
    omDesignElement* target = m_elementMap ? m_elementMap->find(element) : nullptr;
    if (!target) {
        omErrorContainer::instance()->report(1015, element);
        refuse(load);
        return false;
    }
    target->addLoad(load);
    return true;
}

bool omStrakon::addNodeLoad(unsigned node, omLoad* load, const std::string& group) {
    if (!load) return false;
    const int index = m_loadManager ? m_loadManager->getGroupIndex(group) : 0;
    if (index == 0 || !m_nodeMap) {
        omErrorContainer::instance()->report(1014, group);
        refuse(load);
        return false;
    }
    load->setLoadGroupIndex(static_cast<unsigned>(index));
    const bool known = m_nodeMap->exist(node);
    // The node map reports an unknown node and frees the load itself.
    m_nodeMap->addLoad(node, load);
    return known;
}

bool omStrakon::setSupport(unsigned node, omDofType dof, bool fixed) {
    omNode* target = m_nodeMap ? m_nodeMap->find(node) : nullptr;
    if (!target) {
        omErrorContainer::instance()->report(1016, node);
        return false;
    }
    return target->setSupport(dof, fixed);
}

void omStrakon::removeLoadGroup(int k, NumberedLoads* nodeLoads, NumberedLoads* elementLoads) {
    if (m_elementMap) m_elementMap->removeLoadGroup(k, elementLoads);
    if (m_nodeMap) m_nodeMap->removeLoadGroup(k, nodeLoads);
}

void omStrakon::insertLoadGroup(int k, NumberedLoads* nodeLoads, NumberedLoads* elementLoads) {
    if (m_elementMap) m_elementMap->insertLoadGroup(k, elementLoads);
    if (m_nodeMap) m_nodeMap->insertLoadGroup(k, nodeLoads);
}

int omStrakon::objectsUsingNode(const omNode* node, std::list<omDesignElement*>& out) {
    return m_elementMap ? m_elementMap->elementsUsingNode(node, out) : 0;
}

bool omStrakon::deleteNode(omNode* node) {
    if (!node || !m_nodeMap || m_nodeMap->find(node->getIndex()) != node) return false;
    return m_nodeMap->erase(node->getIndex());
}

bool omStrakon::deleteNodes(std::list<omNode*>& nodes) {
    bool all = true;
    for (omNode* node : nodes)
        if (!deleteNode(node)) all = false;
    return all;
}

bool omStrakon::deleteElement(omDesignElement* element) {
    if (!element || !m_elementMap || m_elementMap->find(element->getIndex()) != element) return false;
    return m_elementMap->erase(element->getIndex());
}

bool omStrakon::deleteElements(std::list<omDesignElement*>& elements) {
    bool all = true;
    for (omDesignElement* element : elements)
        if (!deleteElement(element)) all = false;
    return all;
}

unsigned omStrakon::numOfDof() const {
    return m_nodeMap ? m_nodeMap->getNumberOfEquations() : 0;
}

unsigned omStrakon::numOfElem(bool linear) const {
    return m_elementMap ? m_elementMap->getNumberOfElements(linear) : 0;
}

// --- analysis and results

void omStrakon::distributeElementLoad() {
    if (m_elementMap) m_elementMap->distributeLoad();
}

void omStrakon::reserveResults(int n) {
    if (m_nodeMap) m_nodeMap->reserveResults(m_loadManager);
    if (m_elementMap) m_elementMap->reserveResults(n, m_loadManager);
}

bool omStrakon::areResultsValid() const {
    if (m_nodeMap && !m_nodeMap->areResultsValid(m_loadManager)) return false;
    if (m_elementMap && !m_elementMap->areResultsValid(m_loadManager)) return false;
    return true;
}

void omStrakon::clearResults() {
    if (m_nodeMap) m_nodeMap->clearResults();
    if (m_elementMap) m_elementMap->clearResults();
}

const omVector& omStrakon::getDisplacements() const {
    static const omVector none;
    return m_stiffnessMatrix ? m_stiffnessMatrix->F() : none;
}

const omVector& omStrakon::getReactions() const {
    static const omVector none;
    return m_stiffnessMatrix ? m_stiffnessMatrix->R() : none;
}

void omStrakon::skewCreepDisplacementsToResults(bool skew, bool creep, unsigned lc) {
    if (m_nodeMap) m_nodeMap->skewCreepDisplacementsToResults(skew, creep, lc);
    if (m_elementMap) m_elementMap->skewCreepDisplacementsToResults(skew, creep, lc);
}

void omStrakon::calcEnvelopes(unsigned k) {
    if (!m_loadManager || !m_elementMap || !m_nodeMap) return;
    auto one = [this](unsigned i) {
        const omEnvelope* envelope = m_loadManager->getEnvelope(i);
        if (!envelope) return;
        envelope->resetMaximum();
        m_elementMap->calcEnvelope(i, m_loadManager);
        m_nodeMap->calcEnvelope(i, m_loadManager);
    };
    if (k != 0) {
        one(k);
        return;
    }
    m_elementMap->reserveEnvelope(m_loadManager);
    m_nodeMap->reserveEnvelope(m_loadManager);
    for (int i = 1; i <= m_loadManager->envelopeSize(); ++i)
        one(static_cast<unsigned>(i));
}

// --- solution of a load case

int omStrakon::solveLoadCase(const std::string& name) {
    if (!m_loadManager || !m_loadManager->setActiveCase(name)) {
        // Solving whichever case was active would store its results as if they
        // were the named case's.
        omErrorContainer::instance()->report(1020, name);
        return kCaseNotActive;
    }
    return solveLoadCase(static_cast<unsigned>(m_loadManager->getActiveCaseIndex()), 1.0);
}

int omStrakon::solveLoadCase(unsigned index, double factor) {
    omErrorContainer* errors = omErrorContainer::instance();
    if (!m_loadManager || !m_nodeMap || !m_elementMap) return kCaseNotActive;

    // 1. The case's factors go into the load groups. A case that cannot be made
    // active is not solved: the groups would still hold another case's factors.
    const omLoadCase* lc =
        m_loadManager->setActiveCase(static_cast<int>(index)) ? m_loadManager->getActiveCase() : nullptr;
    if (!lc) {
        const omLoadCase* named =
            static_cast<int>(index) >= 1 && static_cast<int>(index) <= m_loadManager->caseSize()
                ? m_loadManager->getCase(static_cast<int>(index))
                : nullptr;
        errors->report(1020, named ? named->name() : std::to_string(index));
        return kCaseNotActive;
    }
    const std::string name = lc->name();
    const int limitState = static_cast<int>(lc->limitState());

    // 2. - 4.
    if (omLogFile* log = omLogFile::enabledFor(lfLoadCase)) {
        log->heading("Solving load case: " + name);
        *log << "\n";
    }
    if (limitState == omLoadCase::lsCreep) m_nodeMap->resetCreep();
    m_elementMap->setCreepFi(lc->getFiCreep());

    if (!m_stiffnessMatrix) {
        errors->report(1025, name);
        return -2;
    }
    omStiffnessMatrix& K = *m_stiffnessMatrix;
    omVector& F = K.F();
    omVector& R = K.R();

    // 5. - 6.
    F.setAllTo(0.0);
    R.setAllTo(0.0);
    const int E = K.equations();
    const int n = K.size();
    omVector U(n);
    m_nodeMap->setPrescribedDisplacement(U, E);
    omVector S(n);

    // 7. - 9. From rest to the full load at once. A case with non-linear
    // members that fails on the way may still have an equilibrium that the
    // first step overshot: it is solved again in load increments.
    unsigned iterations = 0;
    int result = newtonRaphson(U, S, name, 1, iterations);
    if (result > 0 || result == -3) {
        if (m_hasNonlinear && m_maxIterations >= 2 && (result == -3 || iterations >= 2))
            result = solveInIncrements(index, U, S, name);
        else
            reportFailure(result, name);
    }

    // 10. - 11.
    F.copy(U);
    if (result != 0) return result;

    // 12. Results.
    lc->resetMaximum();
    m_elementMap->storeResults(static_cast<int>(index), U);
    m_nodeMap->storeResults(index, static_cast<unsigned>(E), U, R);
    if (limitState == omLoadCase::lsCreep) m_nodeMap->setCreep(U);
    m_elementMap->setCreepFi(0.0);
    if (factor != 1.0) m_elementMap->modifyResults(static_cast<int>(index), factor);

    // 13. Log.
    if (omLogFile* log = omLogFile::enabledFor(lfDisplacements)) {
        *log << "\nDisplacement vector";
        log->precision(8);
        *log << "\n" << U << "\n";
    }
    if (omLogFile* log = omLogFile::enabledFor(lfReactions)) {
        *log << "\nReaction vector:";
        log->precision(2);
        *log << "\n" << R << "\n";
        log->precision(9);
        *log << "\n" << U << "\n";
    }
    if (omLogFile* log = omLogFile::enabledFor(lfLoadCase)) log->dashLine();
    m_nodeMap->logFileNodeResults(U, R);
    m_elementMap->logFileElementForces(index);
    return 0;
}

int omStrakon::newtonRaphson(omVector& U, omVector& S, const std::string& name, unsigned firstIteration,
                             unsigned& iteration) {
    omErrorContainer* errors = omErrorContainer::instance();
    omStiffnessMatrix& K = *m_stiffnessMatrix;
    omVector& F = K.F();
    omVector& R = K.R();
    const int E = K.equations();
    const int n = K.size();

    int result = -3;
    double d0 = 0.0;
    iteration = 1;
    while (iteration <= m_maxIterations) {
        omLogFile* iterationLog = omLogFile::enabledFor(lfIterations);
        if (!iterationLog) iterationLog = omLogFile::enabledFor(lfForceVectors);
        if (iterationLog)
            *iterationLog << "\n\n*** Iteration: " << iteration << " ***"
                          << "\n\n";
        // With linear members only the tangent does not depend on the
        // displacements: the matrix of a later iteration would equal the first
        // one bit for bit, so its factor is used again and only the residual is
        // formed anew (unless the element matrices are being logged).
        const bool reuseFactor =
            iteration >= 2 && !m_hasNonlinear && K.hasFactor() && !omLogFile::enabledFor(lfElementMatrices);
        if (!reuseFactor) K.setAllTo(0.0);
        S.setAllTo(0.0);
        F.setAllTo(0.0);
        if (!m_elementMap->setupGlobalKAndF(&U, reuseFactor ? nullptr : &K, &S, firstIteration + iteration - 1)) {
            errors->report(1025, name);
            result = -2;
            break;
        }
        m_nodeMap->setupForceVector(K, F);
        if (omLogFile* log = omLogFile::enabledFor(lfForceVectors)) {
            *log << "\n\nForce vector (right hand side):"
                 << "\nS (elements) = " << S << "\nF (nodal) = " << F;
            log->flush();
        }
        F.subtract(S);
        if (omLogFile* log = omLogFile::enabledFor(lfForceVectors)) *log << "\nF-S (unbalanced) = " << F;
        // A non-finite unbalanced force or increment passes comparisons with the
        // precision; it must never count as converged.
        bool finite = true;
        for (int i = 0; i < n && finite; ++i)
            finite = std::isfinite(F[i]);

        const int failed = reuseFactor ? 0 : K.makeTransformation();
        if (failed != 0) {
            if (omLogFile* log = omLogFile::enabledFor(lfIterations))
                *log << "\nStiffness matrix is not positive definite!"
                     << "\nFailure in equation: " << failed;
            result = failed;
            break;
        }
        const double d = K.detLog10();
        if (iteration == 1) d0 = d;
        if (omLogFile* log = omLogFile::enabledFor(lfIterations))
            *log << "\nDeterminant: " << std::pow(10.0, d - d0);
        K.solveDisplacement(F);

        double m = 0.0;
        for (int i = 0; i < E; ++i) {
            if (!std::isfinite(F[i])) finite = false;
            m = std::max(m, std::fabs(F[i]));
        }
        if (omLogFile* log = omLogFile::enabledFor(lfDisplacements)) {
            log->precision(9);
            *log << "\ndU = " << F;
            log->flush();
        }
        for (int i = E; i < n; ++i) {
            R[i - E] = -F[i];
            F[i] = 0.0;
        }
        const double q = m_elementMap->solveInternalEquations(F);
        if (!std::isfinite(q)) finite = false;
        if (m < q) m = q;
        U.add(F);

        // A first increment within the precision but not zero leaves the
        // members' forces at the start state: they are recovered only from an
        // assembly at the converged displacements.
        const bool withinPrecision = finite && m <= m_precision;
        const bool recovered = iteration >= 2 || m == 0.0;
        if (withinPrecision && recovered && (!m_hasNonlinear || iteration >= 2)) {
            result = 0;
            break;
        }
        ++iteration;
    }
    return result;
}

void omStrakon::reportFailure(int result, const std::string& name) const {
    if (result > 0) omErrorContainer::instance()->report(1022, name, result);
    if (result == -3) omErrorContainer::instance()->report(1026, name, m_maxIterations, m_precision);
}

namespace {
// The first load increment, and the smallest, as fractions of the case's load.
// Powers of two keep the load levels exact sums.
constexpr double kFirstIncrement = 0.25;
constexpr double kSmallestIncrement = 1.0 / 1024.0;
// An increment that converges within this many iterations is doubled.
constexpr unsigned kQuickIterations = 4;

// A load level in the log, in its shortest exact form whatever the stream's
// format (the member logs leave it fixed with no decimals).
std::string levelText(double level) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, level).ptr;
    return std::string(text, end);
}

// The unknowns that every finite element carries between iterations.
void captureIterationState(omElementMap& elements, std::vector<std::vector<double>>& state) {
    state.clear();
    for (auto& [id, element] : elements)
        for (const omLineFE* fe : element->getFEs())
            state.push_back(fe->iterationState());
}

void restoreIterationState(omElementMap& elements, const std::vector<std::vector<double>>& state) {
    size_t i = 0;
    for (auto& [id, element] : elements)
        for (omLineFE* fe : element->getFEs())
            if (i < state.size()) fe->setIterationState(state[i++]);
}
} // namespace

int omStrakon::solveInIncrements(unsigned index, omVector& U, omVector& S, const std::string& name) {
    const omLoadCase* lc = m_loadManager->getActiveCase();
    const int E = m_stiffnessMatrix->equations();
    // Every load of the case, prescribed displacements and temperatures
    // included, acts through its group's factor: the level scales them all.
    auto setLevel = [&](double level) {
        for (int k = 1; k <= m_loadManager->groupSize() && k <= lc->size(); ++k)
            m_loadManager->getGroup(k)->setFactor(level * (*lc)(k));
        m_nodeMap->setPrescribedDisplacement(U, E);
    };
    if (omLogFile* log = omLogFile::enabledFor(lfLoadCase))
        *log << "\nThe full load was not reached in one step: solving again from rest in load increments.";

    double reached = 0.0;
    double step = kFirstIncrement;
    omVector reachedU(U.size());
    std::vector<std::vector<double>> reachedState;
    int result = 0;
    while (reached < 1.0) {
        const double level = std::min(1.0, reached + step);
        U.copy(reachedU);
        restoreIterationState(*m_elementMap, reachedState);
        setLevel(level);
        if (omLogFile* log = omLogFile::enabledFor(lfIterations))
            *log << "\n\n*** Load level: " << levelText(level) << " ***";
        // The elements start from rest only in the first iteration from rest.
        unsigned iterations = 0;
        result = newtonRaphson(U, S, name, reached == 0.0 ? 1 : 2, iterations);
        if (result == 0) {
            reached = level;
            reachedU.copy(U);
            captureIterationState(*m_elementMap, reachedState);
            if (iterations <= kQuickIterations) step *= 2.0;
            continue;
        }
        // A member that cannot be assembled fails at every level.
        if (result == -2 || step <= kSmallestIncrement) break;
        step = std::max(step / 2.0, kSmallestIncrement);
    }
    // The groups get the case's own factors back.
    m_loadManager->setActiveCase(static_cast<int>(index));
    if (result == 0) return 0;

    // What is left is the last equilibrium reached.
    U.copy(reachedU);
    restoreIterationState(*m_elementMap, reachedState);
    if (omLogFile* log = omLogFile::enabledFor(lfLoadCase))
        *log << "\nLoad increments stopped at the load level " << levelText(reached) << " of the load case.";
    reportFailure(result, name);
    return result;
}
