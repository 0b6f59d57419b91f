#pragma once
// The number of a numbered model object (material, cross-section, node, design
// element). Numbers that the user sees start at 1; 0 marks an object that has
// not been numbered yet.
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
    // Not virtual: every model class gets its virtual destructor from its other bases.
    ~omId() = default;

private:
    unsigned m_index;
};
