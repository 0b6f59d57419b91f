#pragma once
// The members of a structure by number. The map owns its members and fans every
// model-wide operation out to them in ascending number: binding, DOF marking,
// load distribution, assembly, results, envelopes, creep and the log.
#include "common/AStorageBase.h"
#include "model/omDesignElement.h"
#include "model/omGenericDesignData.h"
#include "model/omIndexMap.h"
#include "model/omLoadList.h"

#include <list>
#include <utility>
#include <vector>

class omLoadManager;
class omNode;
class omStiffnessMatrix;

class omElementMap : public omIndexMap<omDesignElement>, public AStorageBase {
    DECLARE_STORAGE_INTERFACE()

public:
    // (member number, load) pairs of the load-group edits.
    using NumberedLoads = omLoadList::NumberedLoads;
    // (member number, (ultimate cases, serviceability cases)) of the design data.
    using DesignDataLC = std::vector<std::pair<unsigned, std::pair<std::vector<int>, std::vector<int>>>>;

    omElementMap() = default;
    // Two maps must never own the same members.
    omElementMap(const omElementMap&) = delete;
    omElementMap& operator=(const omElementMap&) = delete;
    ~omElementMap() override;

    // Categories 3 and 10 of the calculation log.
    virtual void logFileReport();

    // One walk at a time, in ascending number.
    void start_ii() const { m_cursor = table().begin(); }
    bool stop_ii() const { return m_cursor == table().end(); }
    void increment_ii() const { ++m_cursor; }
    // Only while stop_ii() is false.
    omDesignElement* object_ii() { return m_cursor->second; }
    const omDesignElement* object_ii() const { return m_cursor->second; }
    using omIndexMap<omDesignElement>::doFind;

    // The boolean fan-outs visit every member and are false when one failed.
    bool markUsedDofInNodes();
    // The profile of the global stiffness matrix of E free and R supported
    // equations from the connectivity of every member: for each 0-based row
    // the first column it couples to (the row itself when nothing couples to
    // it), and for each supported row the columns it couples to, ascending.
    void stiffnessProfile(int E, int R, std::vector<int>& first,
                          std::vector<std::vector<int>>& supported) const;
    bool distributeLoad();
    bool setupGlobalKAndF(const omVector* U, omStiffnessMatrix* K, omVector* S, unsigned iteration);
    // The largest change of the members' internal unknowns; 0 without members.
    double solveInternalEquations(const omVector& dU);

    void reserveResults(int n, const omLoadManager* manager);
    void storeResults(int lc, const omVector& U);
    void modifyResults(int lc, double factor);
    bool areResultsValid(const omLoadManager* manager) const;
    void clearResults();
    void setCreepFi(double fi);
    void skewCreepDisplacementsToResults(bool skew, bool creep, unsigned lc);
    void reserveEnvelope(const omLoadManager* manager);
    void calcEnvelope(unsigned k, omLoadManager* manager);
    double volume() const;

    // Load groups of the members' loads.
    void bindLoadGroups(const omLoadManager* manager);
    // The loads of group k leave the members (into loads, for an undo).
    void removeLoadGroup(int k, NumberedLoads* loads);
    // Makes room for group k, then gives the listed loads back as loads of group
    // k: the undo of removeLoadGroup.
    void insertLoadGroup(int k, NumberedLoads* loads);
    // Appends the pairs of the asked kinds of group (0: every group); returns
    // the size of out afterwards.
    int getLoads(int group, bool, bool concentrated, bool temperature, bool linear, NumberedLoads& out) const;

    // Appends every member that starts or ends at the node and is not yet in
    // out; returns the number appended.
    int elementsUsingNode(const omNode* node, std::list<omDesignElement*>& out);
    // Some member rests on an elastic ground.
    bool isElasticGround() const;
    // The number of members whose isLinear() equals linear.
    unsigned getNumberOfElements(bool linear) const;

    // Design data per load case.
    void modifyDesignDataLC(int lc, omGenericDesignData::LCC change, const omLoadCase* loadCase);
    // Kind lctOut collects the members' case lists into data; any other kind
    // gives the lists of data back to the members.
    void transferDesignDataLC(omGenericDesignData::LCT kind, DesignDataLC& data);

    // Category 21 of the calculation log: every member's results of case lc.
    void logFileElementForces(unsigned lc);

private:
    mutable Table::const_iterator m_cursor;
};
