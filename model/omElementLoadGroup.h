#pragma once
// The loads of one member (design element), of all load groups. The list gives
// the member formulations their loads and the positions at which results must
// be computed, and renumbers its loads when load groups are inserted or deleted.
#include "common/AStorageBase.h"
#include "model/omId.h"
#include "model/omLoadList.h"

#include <vector>

class omDesignElement;
class omLoad;
class omLoadManager;

class omElementLoadGroup : public AStorageBase {
    DECLARE_STORAGE_INTERFACE()

public:
    using NumberedLoads = omLoadList::NumberedLoads;

    // The member is not owned. The list knows it through its number (its omId
    // base), so that the list needs nothing else of the member class.
    explicit omElementLoadGroup(const omId* element);
    // Clones every load; the copy has no member until setElement.
    omElementLoadGroup(const omElementLoadGroup& other);
    // Replaces the loads by clones of other's (the old loads are deleted: the
    // list owns them); the member stays.
    omElementLoadGroup& operator=(const omElementLoadGroup& other);
    void copy(const omElementLoadGroup& other);
    // Deletes every load.
    ~omElementLoadGroup() override;

    virtual omElementLoadGroup* clone() const { return new omElementLoadGroup(*this); }
    // Takes the load over.
    virtual void add(omLoad* load);
    // Deletes the load when the list holds it.
    virtual void remove(const omLoad* load);
    // Category 8 of the calculation log.
    virtual void logFileReport() const;

    // The member, as the class the caller names (a design element by default).
    template <class Element = omDesignElement> const Element* getElement() const {
        return static_cast<const Element*>(m_element);
    }
    void setElement(const omId* element) { m_element = element; }
    const std::vector<omLoad*>& getLoads() const { return m_loads; }
    int size() const { return static_cast<int>(m_loads.size()); }

    void insertLoadGroup(int k);
    // The loads of group k leave: into removed as (member number, load) when
    // given, otherwise deleted; later groups move down by one.
    void removeLoadGroup(int k, NumberedLoads* removed);
    void bindLoadGroups(const omLoadManager* manager);

    // Appends (member number, load) for the loads of the group (0: every group)
    // of the asked kinds; returns the number appended. The first flag is not used.
    int getLoads(int group, bool, bool concentrated, bool temperature, bool linear, NumberedLoads& out) const;
    // Adds the positions the loads need results at (just before and after each
    // concentrated load, the ends of each linear load), then sorts the points
    // and keeps each position once.
    void addResultPoints(std::vector<double>& points) const;

private:
    unsigned elementNumber() const { return m_element ? m_element->getIndex() : 0; }

    std::vector<omLoad*> m_loads;
    const omId* m_element = nullptr;
};
