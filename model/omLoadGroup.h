#pragma once
// A load group (the program's "action"): a named set of loads that act
// together with one factor. Before a load case is solved its factors are copied
// into the groups, and every load acts with its group's factor.
#include "common/AStorageBase.h"

#include <string>

class omLoadGroup : public AStorageBase {
    DECLARE_STORAGE_INTERFACE()

public:
    omLoadGroup() = default;
    explicit omLoadGroup(const std::string& name) : m_name(name) {}
    omLoadGroup(const omLoadGroup& other) = default;
    omLoadGroup& operator=(const omLoadGroup& other) = default;
    ~omLoadGroup() override;

    // Groups are told apart by identity and ordered by address.
    bool operator==(const omLoadGroup& other) const { return this == &other; }
    bool operator<(const omLoadGroup& other) const;

    const std::string& name() const { return m_name; }
    void setName(const std::string& name) { m_name = name; }
    // The factor of the active load case; 0.0 while the group is inactive.
    double factor() const { return m_active ? m_factor : 0.0; }
    void setFactor(double factor) { m_factor = factor; }
    bool isActive() const { return m_active; }
    void setActive(bool active) { m_active = active; }

private:
    std::string m_name;
    double m_factor = 0.0;
    bool m_active = true;
};
