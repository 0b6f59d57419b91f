#pragma once
// Design data under undoable edits: the store that takes away design data that
// no longer fits its member (after a change of material, section or member),
// and the commands that replace a member's design data or choose the load
// cases of its design. The design commands leave the analysis results alone
// and run the member's design again.
#include "app/views/ACommandManager.h"

#include <utility>
#include <vector>

class omElementMap;
class omGenericDesignData;

class ADesignDataStore {
public:
    ADesignDataStore() = default;
    ~ADesignDataStore();
    ADesignDataStore(const ADesignDataStore&) = delete;
    ADesignDataStore& operator=(const ADesignDataStore&) = delete;

    // Saves and removes every member's design data whose kind no longer fits
    // the member. Runs at every Execute: a Redo after an Undo must take away
    // again what the Undo gave back.
    void Take(omElementMap& elements);
    // Gives the saved data back to their members and empties the store, so
    // that the next Take starts from what the members hold then.
    void Restore(omElementMap& elements);
    bool IsEmpty() const { return m_entries.empty(); }

private:
    void clear();

    std::vector<std::pair<unsigned, omGenericDesignData*>> m_entries;
};

class AComDesignChangeData : public ACommand {
public:
    // Keeps a clone of data.
    AComDesignChangeData(unsigned element, const omGenericDesignData* data);
    ~AComDesignChangeData() override;
    void Execute(AStructureDocument* pDoc) override;
    void Undo(AStructureDocument* pDoc) override;
    CString GetName() override;

private:
    unsigned m_element;
    omGenericDesignData* m_new = nullptr;
    // The member's data before the first Execute (null when it had none).
    omGenericDesignData* m_former = nullptr;
    bool m_formerTaken = false;
};

class AComDesignSelectLC : public ACommand {
public:
    // mode 0 chooses every case of the kind, 1 none, any other the listed
    // cases (copied; null is an empty list).
    AComDesignSelectLC(bool ultimate, unsigned element, int mode, const std::vector<int>* cases);
    void Execute(AStructureDocument* pDoc) override;
    void Undo(AStructureDocument* pDoc) override;
    CString GetName() override;

private:
    unsigned m_element;
    bool m_ultimate;
    int m_mode;
    std::vector<int> m_cases;
    std::pair<std::vector<int>, std::vector<int>> m_saved;
    bool m_savedTaken = false;
};
