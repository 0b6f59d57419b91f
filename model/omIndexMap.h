#pragma once
// The owning map from number to object that the material, cross-section, node
// and element maps derive from. Iteration is always in ascending number.
//
// T needs omId as a base, a virtual destructor and clone() const returning a new
// deep copy with the same number.
#include <map>

template <class T>
class omIndexMap {
public:
    using Table = std::map<unsigned, T*>;

    omIndexMap() = default;
    // Two maps must never own the same objects; copying goes through copy().
    omIndexMap(const omIndexMap&) = delete;
    omIndexMap& operator=(const omIndexMap&) = delete;

    virtual ~omIndexMap() { clearAndDelete(); }

    bool exist(unsigned id) const { return m_map.count(id) != 0; }

    T* find(unsigned id) {
        auto it = m_map.find(id);
        return it == m_map.end() ? nullptr : it->second;
    }

    // The number for a new object: one more than the number held by the object
    // under the greatest key; numbers freed below it are not reused.
    unsigned getUniqueIndex() const {
        if (m_map.empty()) return 1;
        return m_map.rbegin()->second->getIndex() + 1;
    }

    // Takes ownership and returns true, or returns false when the number is
    // taken (the caller keeps the object). A null object is refused.
    bool insert(T* object) {
        if (!object) return false;
        return m_map.emplace(object->getIndex(), object).second;
    }

    // Numbers the object with getUniqueIndex() and inserts it.
    bool insertAutoId(T* object) {
        if (!object) return false;
        object->setIndex(getUniqueIndex());
        return insert(object);
    }

    // Removes and deletes the object under id.
    bool erase(unsigned id) {
        auto it = m_map.find(id);
        if (it == m_map.end()) return false;
        T* object = it->second;
        m_map.erase(it);
        delete object;
        return true;
    }

    // Removes the object under id and hands it to the caller, who then owns it.
    T* detach(unsigned id) {
        auto it = m_map.find(id);
        if (it == m_map.end()) return nullptr;
        T* object = it->second;
        m_map.erase(it);
        return object;
    }

    // Makes this map a deep copy of other. The objects this map held are deleted:
    // the map owns them, and leaving them would leak every replaced object.
    void copy(const omIndexMap<T>& other) {
        if (&other == this) return;
        clearAndDelete();
        for (const auto& [key, object] : other.m_map) {
            T* twin = static_cast<T*>(object->clone());
            if (!insert(twin)) delete twin;
        }
    }

    std::size_t size() const { return m_map.size(); }
    bool empty() const { return m_map.empty(); }

    // Ascending walk for callers outside the derived maps.
    typename Table::const_iterator begin() const { return m_map.begin(); }
    typename Table::const_iterator end() const { return m_map.end(); }

protected:
    const T* doFind(unsigned id) const {
        auto it = m_map.find(id);
        return it == m_map.end() ? nullptr : it->second;
    }

    Table& table() { return m_map; }
    const Table& table() const { return m_map; }

    void clearAndDelete() {
        for (auto& [key, object] : m_map) delete object;
        m_map.clear();
    }

private:
    Table m_map;
};
