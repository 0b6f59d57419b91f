#pragma once
// The road of "Solve" over every load case of a structure, in the structure
// document's order: reset, bind, clear the sway and creep offsets, number and
// allocate, distribute the member loads, reserve the results, set precision and
// iteration limit, then case by case (a sway-imperfection case is not solved:
// its sway offsets become its results) and finally the envelopes. Each step is
// followed by a look at the error container, and the road stops at the first
// error, as the document does. Shared by the model tests and the benchmark.
#include "common/omErrorContainer.h"
#include "common/omUnitValue.h"
#include "model/omLoadCase.h"
#include "model/omLoadManager.h"
#include "model/omLogFile.h"
#include "model/omNodeMap.h"
#include "model/omStrakon.h"

namespace solveroad {

struct Options {
    // Points inside every member at which results are kept (the program's
    // analysis option); the members get internalPoints + 1 divisions.
    int internalPoints = 9;
    unsigned maxIterations = 10;
    double displacementPrecision = 1e-5;
};

// Sway offsets of every node to zero, as before and after a run.
inline void clearSway(omNodeMap& nodes) {
    nodes.setSkew(0.0, 0.0, omUnitValue(0.0, omUK_cm), omUnitValue(0.0, omUK_cm));
}

// True when every load case was processed; false without load cases or when
// an error stopped the road (the container holds it, results computed before
// it stay).
inline bool run(omStrakon& structure, const Options& options = {}) {
    omErrorContainer* errors = omErrorContainer::instance();
    // The log starts afresh when one is being written; which categories are on
    // stays the caller's choice.
    if (omLogFile* log = omLogFile::m_LogFile; log && log->is_open()) log->newFileName(log->fileName());
    errors->reset();
    omLoadManager* manager = structure.getLoadManager();
    omNodeMap* nodes = structure.getNodeMap();
    if (!manager || !nodes || manager->caseSize() == 0) return false;

    auto failed = [&] {
        clearSway(*nodes);
        nodes->clearExternalNodes();
        return false;
    };

    structure.bind();
    if (errors->hasErrors()) return failed();
    clearSway(*nodes);
    nodes->resetCreep();
    structure.allocateStiffnessMatrix();
    if (errors->hasErrors()) return failed();
    structure.setupStiffnessMatrix();
    if (errors->hasErrors()) return failed();
    structure.distributeElementLoad();
    if (errors->hasErrors()) return failed();
    structure.reserveResults(options.internalPoints + 1);
    structure.setDisplacementPrecision(options.displacementPrecision);
    structure.setMaxIterations(options.maxIterations);
    if (errors->hasErrors()) return failed();

    for (int i = 1; i <= manager->caseSize(); ++i) {
        const omLoadCase* lc = manager->getCase(i);
        if (lc->limitState() == omLoadCase::lsSkew) {
            double rx = 0.0, rz = 0.0;
            omUnitValue cx(omUK_cm), cz(omUK_cm);
            lc->getSkew(rx, rz, cx, cz);
            nodes->setSkew(rx, rz, cx, cz);
            structure.skewCreepDisplacementsToResults(true, false, static_cast<unsigned>(i));
        } else {
            structure.solveLoadCase(static_cast<unsigned>(i), 1.0);
        }
        if (errors->hasErrors()) return failed();
    }

    structure.calcEnvelopes(0);
    clearSway(*nodes);
    nodes->clearExternalNodes();
    return !errors->hasErrors();
}

} // namespace solveroad
