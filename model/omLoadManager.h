#pragma once
// Owns the load groups, load cases and envelopes of a structure, keeps them
// consistent when any of them is added or removed, and knows the active load
// case. Groups, cases and envelopes are numbered by position, from 1.
#include "common/AStorageBase.h"
#include "model/omEnvelope.h"
#include "model/omLoadCase.h"
#include "model/omLoadGroup.h"

#include <list>
#include <string>
#include <utility>
#include <vector>

class omLoadManager : public AStorageBase {
    DECLARE_STORAGE_INTERFACE()
    // The structure file's serialiser reads and writes the stored fields directly.
    friend class ASILoadManager;

public:
    omLoadManager() = default;
    omLoadManager(const omLoadManager& other);
    omLoadManager& operator=(const omLoadManager& other);
    ~omLoadManager() override;

    // A deep copy of other's groups, cases and envelopes; no case is active afterwards.
    void copy(const omLoadManager& other);

    bool empty() const { return m_groups.empty() && m_cases.empty(); }
    int groupSize() const { return static_cast<int>(m_groups.size()); }
    int caseSize() const { return static_cast<int>(m_cases.size()); }
    int envelopeSize() const { return static_cast<int>(m_envelopes.size()); }

    bool isDirty() const { return m_dirty; }
    void setDirty(bool dirty) { m_dirty = dirty; }
    // A flag kept for the program and copied with the manager; the model does not read it.
    bool secondFlag() const { return m_secondFlag; }
    void setSecondFlag(bool on) { m_secondFlag = on; }

    // Appends a copy: 0; -1 for an empty name, -2 for a name already taken.
    // Every case gets a factor 0.0 for the new group.
    int addGroup(const omLoadGroup& group);
    // Removes group k and its factor from every case.
    void deleteGroup(int k);
    // Group k; null when k is not a group's number.
    const omLoadGroup* getGroup(int k) const;
    omLoadGroup* getGroup(int k);
    // Null or 0 for an empty name or no match.
    const omLoadGroup* getGroup(const std::string& name) const;
    int getGroupIndex(const std::string& name) const;

    // Takes the case over and returns 0; -1 for a null case or an empty name,
    // -2 for a name already taken (the caller keeps the case then). The case's
    // factors are sized to the group count.
    int addCase(omLoadCase* lc, bool updateEnvelopes);
    // Takes case k out of every envelope, deletes it and closes the gap. The
    // active case is cleared when it is deleted and renumbered when an earlier
    // case goes.
    void deleteCase(int k);
    // Case k; null (reported) when k is not a case's number.
    omLoadCase* getCase(int k) const;
    omLoadCase* getLoadCase(const std::string& name) const { return getCase(name).first; }
    int getLoadCaseIndex(const std::string& name) const { return getCase(name).second; }
    // Copies the factors into the named case; true when their count matches the
    // group count; false when no case has the name.
    bool setFactors(const std::string& name, const omVector& factors);

    // Copies the factors of case k into the groups and makes it active; false
    // when k is no case's number or its factor count differs from the group count.
    bool setActiveCase(int k);
    bool setActiveCase(const std::string& name);
    const omLoadCase* getActiveCase() const { return m_activeCase; }
    int getActiveCaseIndex() const { return m_activeIndex; }

    // The first case of that name and its number; (null, 0) for none or an empty name.
    std::pair<omLoadCase*, int> getCase(const std::string& name) const;

    // Each takes the envelope over; the result is the new count.
    int addEnvelope(omEnvelope* envelope);
    // Inserts before envelope k (k = count + 1 appends).
    int insertEnvelope(unsigned k, omEnvelope* envelope);
    void deleteEnvelope(int k);
    // Envelope k; null (reported) when k is not an envelope's number.
    omEnvelope* getEnvelope(unsigned k) const;
    int getEnvelopeIndex(const std::string& name) const;
    void updateEnvelopes(unsigned k, const omLoadCase* lc);

    // Category 8 of the calculation log.
    void logFileReport() const;

private:
    void clearCasesAndEnvelopes();

    // A list, so that the groups stay where they are while others come and go:
    // loads hold pointers to them.
    std::list<omLoadGroup> m_groups;
    std::vector<omLoadCase*> m_cases;
    omLoadCase* m_activeCase = nullptr;
    int m_activeIndex = 0;
    bool m_dirty = true;
    bool m_secondFlag = false;
    std::vector<omEnvelope*> m_envelopes;
};
