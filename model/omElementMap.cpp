#include "model/omElementMap.h"

#include "model/omElementLoadGroup.h"
#include "model/omGenericDesignData.h"
#include "model/omLinearDesignElement2D.h"
#include "model/omLoad.h"
#include "model/omLogFile.h"
#include "model/omNode.h"

#include <algorithm>

omElementMap::~omElementMap() = default;

bool omElementMap::markUsedDofInNodes() {
    bool ok = true;
    for (auto& [id, element] : table())
        if (!element->markUsedDofInNodes()) ok = false;
    return ok;
}

void omElementMap::stiffnessProfile(int E, int R, std::vector<int>& first,
                                    std::vector<std::vector<int>>& supported) const {
    E = std::max(E, 0);
    R = std::max(R, 0);
    first.resize(static_cast<size_t>(E + R));
    for (int i = 0; i < E + R; ++i)
        first[i] = i;
    supported.assign(static_cast<size_t>(R), {});
    for (const auto& [id, element] : table())
        element->addToProfile(first, E, supported);
    for (std::vector<int>& columns : supported) {
        std::sort(columns.begin(), columns.end());
        columns.erase(std::unique(columns.begin(), columns.end()), columns.end());
    }
}

bool omElementMap::distributeLoad() {
    bool ok = true;
    for (auto& [id, element] : table())
        if (!element->distributeLoad()) ok = false;
    return ok;
}

bool omElementMap::setupGlobalKAndF(const omVector* U, omStiffnessMatrix* K, omVector* S,
                                    unsigned iteration) {
    omLogFile* log = omLogFile::enabledFor(lfElementMatrices);
    if (!log) log = omLogFile::enabledFor(lfElementForces);
    if (log) {
        log->heading("Stiffness matrices of FE elements:");
        *log << "\n";
    }
    bool ok = true;
    for (auto& [id, element] : table())
        if (!element->setupGlobalKAndF(U, K, S, iteration)) ok = false;
    if (log) log->dashLine();
    return ok;
}

double omElementMap::solveInternalEquations(const omVector& dU) {
    omLogFile* log = omLogFile::enabledFor(lfElementMatrices);
    if (log) {
        log->heading("Internal equations of FE elements:");
        *log << "\n";
    }
    double norm = 0.0;
    for (auto& [id, element] : table())
        norm = std::max(norm, element->solveInternalEquations(dU));
    if (log) log->dashLine();
    return norm;
}

void omElementMap::reserveResults(int n, const omLoadManager* manager) {
    for (auto& [id, element] : table())
        element->reserveResults(n, manager);
}

void omElementMap::storeResults(int lc, const omVector& U) {
    for (auto& [id, element] : table())
        element->storeResults(lc, U);
}

void omElementMap::modifyResults(int lc, double factor) {
    for (auto& [id, element] : table())
        element->modifyResults(lc, factor);
}

bool omElementMap::areResultsValid(const omLoadManager* manager) const {
    for (const auto& [id, element] : table())
        if (!element->areResultsValid(manager)) return false;
    return true;
}

void omElementMap::clearResults() {
    for (auto& [id, element] : table())
        element->clearResults();
}

void omElementMap::setCreepFi(double fi) {
    for (auto& [id, element] : table())
        element->setCreepFi(fi);
}

void omElementMap::skewCreepDisplacementsToResults(bool skew, bool creep, unsigned lc) {
    for (auto& [id, element] : table())
        element->skewCreepDisplacementsToResults(skew, creep, lc);
}

void omElementMap::reserveEnvelope(const omLoadManager* manager) {
    for (auto& [id, element] : table())
        element->reserveEnvelope(manager);
}

void omElementMap::calcEnvelope(unsigned k, omLoadManager* manager) {
    for (auto& [id, element] : table())
        element->calcEnvelope(k, manager);
}

double omElementMap::volume() const {
    double sum = 0.0;
    for (const auto& [id, element] : table())
        sum += element->volume();
    return sum;
}

void omElementMap::bindLoadGroups(const omLoadManager* manager) {
    for (auto& [id, element] : table())
        if (omElementLoadGroup* loads = element->getLoad()) loads->bindLoadGroups(manager);
}

void omElementMap::removeLoadGroup(int k, NumberedLoads* loads) {
    for (auto& [id, element] : table())
        if (omElementLoadGroup* list = element->getLoad()) list->removeLoadGroup(k, loads);
}

void omElementMap::insertLoadGroup(int k, NumberedLoads* loads) {
    for (auto& [id, element] : table())
        if (omElementLoadGroup* list = element->getLoad()) list->insertLoadGroup(k);
    if (!loads) return;
    for (auto& [number, load] : *loads) {
        // The pairs hand the loads back: they belong to their members again.
        auto* owned = const_cast<omLoad*>(load);
        omDesignElement* element = find(number);
        if (!element) {
            delete owned;
            continue;
        }
        owned->setLoadGroupIndex(static_cast<unsigned>(k));
        element->addLoad(owned);
    }
}

int omElementMap::getLoads(int group, bool any, bool concentrated, bool temperature, bool linear,
                           NumberedLoads& out) const {
    for (const auto& [id, element] : table())
        if (const omElementLoadGroup* list = element->getLoad())
            list->getLoads(group, any, concentrated, temperature, linear, out);
    return static_cast<int>(out.size());
}

int omElementMap::elementsUsingNode(const omNode* node, std::list<omDesignElement*>& out) {
    if (!node) return 0;
    const unsigned number = node->getIndex();
    int appended = 0;
    for (auto& [id, element] : table()) {
        if (element->getNodeIndex1() != number && element->getNodeIndex2() != number) continue;
        if (std::find(out.begin(), out.end(), element) != out.end()) continue;
        out.push_back(element);
        ++appended;
    }
    return appended;
}

bool omElementMap::isElasticGround() const {
    for (const auto& [id, element] : table()) {
        const auto* member = dynamic_cast<const omLinearDesignElement2D*>(element);
        if (member && member->isElasticGround()) return true;
    }
    return false;
}

unsigned omElementMap::getNumberOfElements(bool linear) const {
    unsigned n = 0;
    for (const auto& [id, element] : table())
        if (element->isLinear() == linear) ++n;
    return n;
}

void omElementMap::modifyDesignDataLC(int lc, omGenericDesignData::LCC change, const omLoadCase* loadCase) {
    for (auto& [id, element] : table())
        if (omGenericDesignData* data = element->getDesignData()) data->modifyLC(lc, change, loadCase, 0);
}

void omElementMap::transferDesignDataLC(omGenericDesignData::LCT kind, DesignDataLC& data) {
    if (kind == omGenericDesignData::LCT(1)) {
        for (auto& [id, element] : table()) {
            omGenericDesignData* design = element->getDesignData();
            if (!design) continue;
            DesignDataLC::value_type entry{element->getIndex(), {}};
            design->transferLC(kind, entry.second);
            data.push_back(std::move(entry));
        }
        return;
    }
    for (auto& entry : data) {
        omDesignElement* element = find(entry.first);
        if (!element) continue;
        if (omGenericDesignData* design = element->getDesignData()) design->transferLC(kind, entry.second);
    }
}

void omElementMap::logFileReport() {
    if (omLogFile* log = omLogFile::enabledFor(lfElements)) {
        log->heading("Elements in the omElementMap object:");
        *log << "\n\nTotal number of design elements: " << size();
        for (auto& [id, element] : table())
            element->logFileReport();
        log->dashLine();
    }
    if (omLogFile* log = omLogFile::enabledFor(lfElementLoads)) {
        log->heading("Load on elements in the omElementMap object:");
        for (auto& [id, element] : table())
            element->logFileLoadReport();
        log->dashLine();
    }
}

void omElementMap::logFileElementForces(unsigned lc) {
    omLogFile* log = omLogFile::enabledFor(lfElementResults);
    if (!log) return;
    log->heading("Element forces and displacements for all elements:");
    *log << "\n";
    if (log->numbersAsText()) {
        // One write for all members: the stream would send each member's
        // text of more than a kilobyte to the file on its own.
        std::string& text = log->textBuffer();
        for (auto& [id, element] : table())
            element->appendElementForces(*log, text, lc);
        log->write(text.data(), static_cast<std::streamsize>(text.size()));
    } else {
        for (auto& [id, element] : table())
            element->logFileElementForces(lc);
    }
    log->dashLine();
}
