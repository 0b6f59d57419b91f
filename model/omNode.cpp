#include "model/omNode.h"

#include "common/omErrorContainer.h"
#include "model/omEnvelope.h"
#include "model/omIndexCheck.h"
#include "model/omLoad.h"
#include "model/omLoadManager.h"
#include "model/omLogFile.h"
#include "model/omNodeLoadGroup.h"

#include <algorithm>
#include <cfloat>
#include <ostream>

omNode::omNode(const omDofStructureType* type, unsigned id)
    : omId(id), m_type(type), m_supports(static_cast<size_t>(type ? type->dofSize() : 0), false),
      m_used(m_supports.size(), false), m_equations(m_supports.size(), 0) {}

omNode::omNode(const omNode& other) : omId(other), omUndoObject(other), AStorageBase(other), m_type(nullptr) {
    copy(other);
}

omNode::~omNode() = default;

void omNode::copy(const omNode& other) {
    if (&other == this) return;
    setIndex(other.getIndex());
    m_type = other.m_type;
    m_supports = other.m_supports;
    m_used = other.m_used;
    m_equations = other.m_equations;
    m_name = other.m_name;
    m_loads.reset(other.m_loads ? other.m_loads->clone() : nullptr);
    if (m_loads) m_loads->setNode(this);
}

int omNode::slot(omDofType t) const {
    const int i = m_type ? m_type->dofIndex(t) : 0;
    return i > 0 && i <= static_cast<int>(m_supports.size()) ? i - 1 : -1;
}

void omNode::reportMissingDof(omDofType t) const {
    omErrorContainer::instance()->report(1003, omDofStructureType::name(t),
                                         m_type ? m_type->name() : std::string());
}

const omUnitValue* omNode::getCoor(omDofType, CoorType) const {
    return nullptr;
}

int omNode::dof() const {
    return static_cast<int>(m_supports.size());
}

omDofType omNode::dofType(int i) const {
    if (!omCheckIndex("Degree of freedom", i, 1, dof())) return dof() > 0 ? m_type->dofTypeArray()[0] : Ux;
    return m_type->dofTypeArray()[i - 1];
}

int omNode::dofIndex(const omDofType& t) const {
    return m_type ? m_type->dofIndex(t) : 0;
}

bool omNode::setSupport(omDofType t, bool on) {
    const int i = slot(t);
    if (i < 0) {
        reportMissingDof(t);
        return false;
    }
    m_supports[i] = on;
    return true;
}

bool omNode::useDof(omDofType t, bool on) {
    const int i = slot(t);
    if (i < 0) {
        reportMissingDof(t);
        return false;
    }
    m_used[i] = on;
    return true;
}

unsigned omNode::equation(omDofType t) const {
    const int i = slot(t);
    return i < 0 ? 0 : m_equations[i];
}

bool omNode::reaction(omDofType t) const {
    const int i = slot(t);
    if (i < 0) {
        reportMissingDof(t);
        return false;
    }
    return m_supports[i];
}

void omNode::resetEquationIndexes() {
    std::fill(m_equations.begin(), m_equations.end(), 0u);
    std::fill(m_used.begin(), m_used.end(), false);
}

void omNode::numberDof(int i, unsigned& equation, unsigned& reaction) {
    if (m_supports[i])
        m_equations[i] = reaction++;
    else
        m_equations[i] = equation++;
}

bool omNode::setupEquationIndexes(unsigned& equation, unsigned& reaction) {
    for (int i = 0; i < dof(); ++i) {
        if (!m_used[i]) {
            omErrorContainer::instance()->report(1017, omDofStructureType::name(m_type->dofTypeArray()[i]),
                                                 getIndex());
            continue;
        }
        numberDof(i, equation, reaction);
    }
    return true;
}

bool omNode::setupReactionIndexes(unsigned offset) {
    for (int i = 0; i < dof(); ++i)
        if (m_used[i] && m_supports[i] && m_equations[i] != 0) m_equations[i] += offset;
    return true;
}

omNodeLoadGroup* omNode::createLoadGroup(const omLoad*) {
    return new omNodeLoadGroup(this);
}

std::string omNode::getIdName(bool withId, bool withName) const {
    return idName(m_name, withId, withName, 200);
}

std::string omNode::getSupportString() const {
    std::string text;
    for (int i = 0; i < dof(); ++i)
        if (m_supports[i]) text += omDofStructureType::name(m_type->dofTypeArray()[i]);
    return text;
}

bool omNode::isSupported() const {
    return std::find(m_supports.begin(), m_supports.end(), true) != m_supports.end();
}

bool omNode::isFree() const {
    return std::find(m_supports.begin(), m_supports.end(), false) != m_supports.end();
}

// --- loads

void omNode::addLoad(omLoad* load) {
    if (!load) return;
    if (!m_loads) m_loads.reset(createLoadGroup(load));
    m_loads->add(load);
    load->setDofStructureType(m_type);
}

void omNode::resetLoad() {
    m_loads.reset();
}

void omNode::bindLoadGroups(const omLoadManager* manager) {
    if (m_loads) m_loads->bindLoadGroups(manager);
}

void omNode::insertLoadGroup(int k) {
    if (m_loads) m_loads->insertLoadGroup(k);
}

void omNode::removeLoadGroup(int k, NumberedLoads* removed) {
    if (m_loads) m_loads->removeLoadGroup(k, removed);
}

bool omNode::setupForceVector(const omStiffnessMatrix& K, omVector& F) const {
    return m_loads ? m_loads->setupForceVector(K, F) : true;
}

void omNode::setPrescribedDisplacement(omVector& U, int n) const {
    if (m_loads) m_loads->setPrescribedDisplacement(U, n);
}

// --- results

void omNode::reserveResults(const omLoadManager* manager) {
    m_results.clear();
    const int n = manager ? manager->caseSize() : 0;
    m_results.reserve(static_cast<size_t>(n));
    for (int c = 0; c < n; ++c)
        m_results.emplace_back(m_type);
}

void omNode::storeResults(unsigned lc, unsigned nEq, const omVector& U, const omVector& R) {
    if (m_results.empty()) return;
    if (!omCheckIndex("Load case", lc, 1, static_cast<long long>(m_results.size()))) return;
    omDofVector& result = m_results[lc - 1];
    for (int i = std::min(dof(), result.size()); i >= 1; --i) {
        const omDofType t = m_type->dofTypeArray()[i - 1];
        const long long e = equation(t);
        double value = 0.0;
        if (e != 0) {
            if (reaction(t)) {
                if (omCheckIndex("Reaction", e - nEq, 1, R.size())) value = R(static_cast<int>(e - nEq));
            } else if (omCheckIndex("Equation", e, 1, U.size())) {
                value = U(static_cast<int>(e));
            }
        }
        result(i) = value;
    }
}

bool omNode::setResult(unsigned lc, omDofType t, double value) {
    if (!omCheckIndex("Load case", lc, 1, static_cast<long long>(m_results.size()))) return false;
    m_results[lc - 1].getDof(t) = value;
    return true;
}

omUnitValue omNode::getResult(unsigned lc, omDofType t) const {
    const bool supported = reaction(t);
    const bool translation = t >= Ux && t <= Uz;
    const omUnitKey key =
        supported ? (translation ? omUK_kN : omUK_kNcm) : (translation ? omUK_cm : omUK_rad);
    if (!omCheckIndex("Load case", lc, 1, static_cast<long long>(m_results.size())))
        return omUnitValue(0.0, key);
    return omUnitValue(m_results[lc - 1].getDof(t), key);
}

bool omNode::areResultsValid(const omLoadManager* manager) const {
    const int n = manager ? manager->caseSize() : 0;
    return static_cast<int>(m_results.size()) == n;
}

void omNode::clearResults() {
    m_results.clear();
    m_envelopes.clear();
}

void omNode::reserveEnvelope(const omLoadManager* manager) {
    m_envelopes.clear();
    const int n = manager ? manager->envelopeSize() : 0;
    for (int k = 0; k < n; ++k) {
        m_envelopes.emplace_back(m_type);
        m_envelopes.back().first.setAllTo(-DBL_MAX);
        m_envelopes.back().second.setAllTo(DBL_MAX);
    }
}

void omNode::calcEnvelope(unsigned i, const omLoadManager* manager) {
    if (m_results.empty() || !manager) return;
    if (!omCheckIndex("Envelope", i, 1, static_cast<long long>(m_envelopes.size()))) return;
    const omEnvelope* envelope = manager->getEnvelope(i);
    if (!envelope) return;
    omNodeEnvelope& extremes = m_envelopes[i - 1];
    for (unsigned c : envelope->getLoadCases()) {
        if (!omCheckIndex("Load case", c, 1, static_cast<long long>(m_results.size()))) continue;
        const omDofVector& result = m_results[c - 1];
        const int n = std::min({result.size(), extremes.first.size(), extremes.second.size()});
        for (int k = 1; k <= n; ++k) {
            if (result(k) > extremes.first(k)) extremes.first(k) = result(k);
            if (result(k) < extremes.second(k)) extremes.second(k) = result(k);
        }
    }
}

const omNodeEnvelope& omNode::getEnvelope(unsigned i) const {
    if (!omCheckIndex("Envelope", i, 1, static_cast<long long>(m_envelopes.size()))) {
        static const omNodeEnvelope s_none(nullptr);
        return s_none;
    }
    return m_envelopes[i - 1];
}

const omDofVector* omNode::findResult(unsigned lc) const {
    if (lc < 1 || lc > m_results.size()) return nullptr;
    return &m_results[lc - 1];
}

const omNodeEnvelope* omNode::findEnvelope(unsigned i) const {
    if (i < 1 || i > m_envelopes.size()) return nullptr;
    return &m_envelopes[i - 1];
}

// --- log

void omNode::logFileNodeType() const {
    omLogFile& log = *omLogFile::m_LogFile;
    if (space() == 2)
        log << ", Node Type: 2D";
    else if (space() == 3)
        log << ", Node Type: 3D";
    log << ", Structure type: " << (m_type ? m_type->name() : std::string());
}

void omNode::logFileReport() const {
    omLogFile* log = omLogFile::enabledFor(lfNodes);
    if (!log) return;
    log->setf(std::ios::fixed, std::ios::floatfield);
    log->setf(std::ios::right, std::ios::adjustfield);
    log->width(6);
    log->precision(0);
    *log << "\nid=" << getIndex() << ", Coord.: " << getVector(coorSkewCreep);
    logFileNodeType();
    if (!log->isEnabled(lfNodeDofs)) return;
    for (int i = 1; i <= dof(); ++i) {
        const omDofType t = dofType(i);
        *log << "\n\t"
             << "DOF: " << omDofStructureType::name(t) << ", equation: " << equation(t)
             << (reaction(t) ? ", supported" : ", free");
        if (!m_used[i - 1]) *log << ", not used";
    }
}

void omNode::logFileLoadReport() const {
    omLogFile* log = omLogFile::enabledFor(lfNodeLoads);
    if (!log || !m_loads || m_loads->size() == 0) return;
    log->precision(4);
    log->width(8);
    log->setf(std::ios::fixed, std::ios::floatfield);
    *log << "\nNode: " << getIndex() << " has " << m_loads->size() << " load(s):";
    for (const omLoad* load : m_loads->getLoads())
        load->logFileReport();
}

void omNode::logFileNodeResults(const omVector& U, const omVector& R, int nEq) const {
    omLogFile* log = omLogFile::enabledFor(lfNodeResults);
    if (!log) return;
    if (log->numbersAsText()) {
        // The same text as the stream would write, built in one buffer: this
        // runs for every node after every load case.
        std::string& text = log->textBuffer();
        text += "\nNode id: ";
        omLogFile::appendNumber(text, getIndex());
        for (int i = 1; i <= dof(); ++i) {
            const omDofType t = dofType(i);
            text += ", ";
            text += omDofStructureType::name(t);
            text += "-> ";
            const long long e = equation(t);
            if (e <= 0) continue;
            if (reaction(t)) {
                log->precision(0);
                text += "reaction: ";
                if (omCheckIndex("Reaction", e - nEq, 1, R.size()))
                    log->appendNumber(text, R(static_cast<int>(e - nEq)), 0);
            } else {
                log->precision(5);
                text += "displacement: ";
                if (omCheckIndex("Equation", e, 1, U.size())) log->appendNumber(text, U(static_cast<int>(e)), 5);
            }
        }
        log->write(text.data(), static_cast<std::streamsize>(text.size()));
        return;
    }
    *log << "\nNode id: " << getIndex();
    for (int i = 1; i <= dof(); ++i) {
        const omDofType t = dofType(i);
        *log << ", " << omDofStructureType::name(t) << "-> ";
        const long long e = equation(t);
        if (e <= 0) continue;
        if (reaction(t)) {
            log->precision(0);
            *log << "reaction: ";
            if (omCheckIndex("Reaction", e - nEq, 1, R.size())) *log << R(static_cast<int>(e - nEq));
        } else {
            log->precision(5);
            *log << "displacement: ";
            if (omCheckIndex("Equation", e, 1, U.size())) *log << U(static_cast<int>(e));
        }
    }
}

void omNode::getPlanePoint(CoorType c, double& x, double& z) const {
    const omVector v = getVector(c);
    x = v.size() > 0 ? v[0] : 0.0;
    z = v.size() > 1 ? v[1] : 0.0;
}
