#pragma once
// The number of a numbered model object (material, cross-section, node, design
// element). Numbers that the user sees start at 1; 0 marks an object that has
// not been numbered yet.
#include <cstddef>
#include <string>

class omId {
public:
    explicit omId(unsigned index = 0) : m_index(index) {}
    omId(const omId&) = default;
    omId& operator=(const omId&) = default;

    virtual bool operator<(const omId& other) const { return m_index < other.m_index; }
    virtual bool operator==(const omId& other) const { return m_index == other.m_index; }

    unsigned getIndex() const { return m_index; }
    void setIndex(unsigned index) { m_index = index; }

protected:
    // The text of list entries and tables: "7: A" with both flags, "7" or "A"
    // with one, "" with none; cut to at most maxBytes without splitting a UTF-8
    // character.
    std::string idName(const std::string& name, bool withId, bool withName, std::size_t maxBytes) const;

    // Not virtual: every model class gets its virtual destructor from its other bases.
    ~omId() = default;

private:
    unsigned m_index;
};
