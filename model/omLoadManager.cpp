#include "model/omLoadManager.h"

#include "model/omIndexCheck.h"
#include "model/omLogFile.h"

#include <iterator>
#include <ostream>

omLoadManager::omLoadManager(const omLoadManager& other) : AStorageBase(other) {
    copy(other);
}

omLoadManager& omLoadManager::operator=(const omLoadManager& other) {
    copy(other);
    return *this;
}

omLoadManager::~omLoadManager() {
    clearCasesAndEnvelopes();
}

void omLoadManager::clearCasesAndEnvelopes() {
    for (omLoadCase* lc : m_cases)
        delete lc;
    m_cases.clear();
    for (omEnvelope* e : m_envelopes)
        delete e;
    m_envelopes.clear();
    m_activeCase = nullptr;
    m_activeIndex = 0;
}

void omLoadManager::copy(const omLoadManager& other) {
    if (&other == this) return;
    m_groups = other.m_groups;
    clearCasesAndEnvelopes();
    for (const omLoadCase* lc : other.m_cases)
        addCase(lc->clone(), true);
    for (const omEnvelope* e : other.m_envelopes)
        m_envelopes.push_back(e->clone());
    m_dirty = other.m_dirty;
    m_secondFlag = other.m_secondFlag;
}

int omLoadManager::addGroup(const omLoadGroup& group) {
    if (group.name().empty()) return -1;
    if (getGroupIndex(group.name()) != 0) return -2;
    m_groups.push_back(group);
    for (omLoadCase* lc : m_cases)
        lc->resize(groupSize());
    return 0;
}

void omLoadManager::deleteGroup(int k) {
    if (!omCheckIndex("Load group", k, 1, groupSize())) return;
    m_groups.erase(std::next(m_groups.begin(), k - 1));
    for (omLoadCase* lc : m_cases)
        if (k <= lc->size()) lc->remove(k, k + 1);
}

const omLoadGroup* omLoadManager::getGroup(int k) const {
    if (k < 1 || k > groupSize()) return nullptr;
    return &*std::next(m_groups.begin(), k - 1);
}

omLoadGroup* omLoadManager::getGroup(int k) {
    return const_cast<omLoadGroup*>(static_cast<const omLoadManager*>(this)->getGroup(k));
}

const omLoadGroup* omLoadManager::getGroup(const std::string& name) const {
    return getGroup(getGroupIndex(name));
}

int omLoadManager::getGroupIndex(const std::string& name) const {
    if (name.empty()) return 0;
    int k = 1;
    for (const omLoadGroup& g : m_groups) {
        if (g.name() == name) return k;
        ++k;
    }
    return 0;
}

int omLoadManager::addCase(omLoadCase* lc, bool updateEnvelopes) {
    if (!lc || lc->name().empty()) return -1;
    if (getCase(lc->name()).first) return -2;
    lc->resize(groupSize());
    m_cases.push_back(lc);
    if (updateEnvelopes) this->updateEnvelopes(static_cast<unsigned>(caseSize()), lc);
    return 0;
}

void omLoadManager::deleteCase(int k) {
    if (!omCheckIndex("Load case", k, 1, caseSize())) return;
    updateEnvelopes(static_cast<unsigned>(k), nullptr);
    delete m_cases[k - 1];
    m_cases.erase(m_cases.begin() + (k - 1));
    // The active fields must not keep a deleted case nor a number that has moved.
    if (k == m_activeIndex) {
        m_activeCase = nullptr;
        m_activeIndex = 0;
    } else if (k < m_activeIndex) {
        --m_activeIndex;
    }
}

omLoadCase* omLoadManager::getCase(int k) const {
    if (!omCheckIndex("Load case", k, 1, caseSize())) return nullptr;
    return m_cases[k - 1];
}

std::pair<omLoadCase*, int> omLoadManager::getCase(const std::string& name) const {
    if (name.empty()) return {nullptr, 0};
    for (int k = 1; k <= caseSize(); ++k)
        if (m_cases[k - 1]->name() == name) return {m_cases[k - 1], k};
    return {nullptr, 0};
}

bool omLoadManager::setFactors(const std::string& name, const omVector& factors) {
    omLoadCase* lc = getCase(name).first;
    if (!lc) return false;
    lc->omVector::copy(factors);
    return lc->size() == groupSize();
}

bool omLoadManager::setActiveCase(int k) {
    if (k < 1 || k > caseSize()) return false;
    omLoadCase* lc = m_cases[k - 1];
    if (lc->size() != groupSize()) return false;
    int j = 1;
    for (omLoadGroup& g : m_groups)
        g.setFactor((*lc)(j++));
    m_activeCase = lc;
    m_activeIndex = k;
    return true;
}

bool omLoadManager::setActiveCase(const std::string& name) {
    int k = getCase(name).second;
    return k != 0 && setActiveCase(k);
}

int omLoadManager::addEnvelope(omEnvelope* envelope) {
    if (envelope) m_envelopes.push_back(envelope);
    return envelopeSize();
}

int omLoadManager::insertEnvelope(unsigned k, omEnvelope* envelope) {
    if (!envelope) return envelopeSize();
    // A bad position is reported; the envelope is still kept, at the end.
    if (!omCheckIndex("Envelope", k, 1, envelopeSize() + 1)) k = static_cast<unsigned>(envelopeSize()) + 1;
    m_envelopes.insert(m_envelopes.begin() + (k - 1), envelope);
    return envelopeSize();
}

void omLoadManager::deleteEnvelope(int k) {
    if (!omCheckIndex("Envelope", k, 1, envelopeSize())) return;
    delete m_envelopes[k - 1];
    m_envelopes.erase(m_envelopes.begin() + (k - 1));
}

omEnvelope* omLoadManager::getEnvelope(unsigned k) const {
    if (!omCheckIndex("Envelope", k, 1, envelopeSize())) return nullptr;
    return m_envelopes[k - 1];
}

int omLoadManager::getEnvelopeIndex(const std::string& name) const {
    if (name.empty()) return 0;
    for (int k = 1; k <= envelopeSize(); ++k)
        if (m_envelopes[k - 1]->name() == name) return k;
    return 0;
}

void omLoadManager::updateEnvelopes(unsigned k, const omLoadCase* lc) {
    for (omEnvelope* e : m_envelopes)
        e->update(k, lc);
}

void omLoadManager::logFileReport() const {
    omLogFile* log = omLogFile::enabledFor(lfLoads);
    if (!log) return;
    log->heading("Load groups and load cases in omLoadManager object:");
    *log << "\n\nNumber of load groups: " << groupSize();
    for (const omLoadGroup& g : m_groups)
        *log << "\n" << g.name();
    *log << "\n\nNumber of load cases: " << caseSize();
    log->precision(2);
    for (const omLoadCase* lc : m_cases)
        *log << "\n"
             << lc->name() << ", LimitState: " << (lc->limitState() == omLoadCase::lsUltimate ? 1 : 0)
             << "\n\tLoad factors: " << static_cast<const omVector&>(*lc);
    log->dashLine();
}
