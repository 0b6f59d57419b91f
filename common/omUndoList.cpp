#include "common/omUndoList.h"

#include <utility>

omUndoObject::~omUndoObject() = default;

omUndoItem::omUndoItem(omUndoObject* object, Status status)
    : omUndoItem(object, status, status == modified) {}

omUndoItem::omUndoItem(omUndoObject* object, Status status, bool owned)
    : m_object(object), m_status(status), m_owned(owned && status != created) {}

omUndoItem::omUndoItem(omUndoItem&& other) noexcept
    : m_object(std::exchange(other.m_object, nullptr)), m_status(other.m_status),
      m_owned(std::exchange(other.m_owned, false)) {}

omUndoItem& omUndoItem::operator=(omUndoItem&& other) noexcept {
    if (this != &other) {
        dispose();
        m_object = std::exchange(other.m_object, nullptr);
        m_status = other.m_status;
        m_owned = std::exchange(other.m_owned, false);
    }
    return *this;
}

omUndoItem::~omUndoItem() {
    dispose();
}

void omUndoItem::setOwned(bool owned) {
    m_owned = owned && m_status != created;
}

void omUndoItem::dispose() {
    if (m_owned) delete m_object;
    m_object = nullptr;
    m_owned = false;
}

omUndoList::~omUndoList() = default;

omUndoItem& omUndoList::add(omUndoObject* object, omUndoItem::Status status) {
    return push_front(omUndoItem(object, status));
}

omUndoItem& omUndoList::add(omUndoObject* object, omUndoItem::Status status, bool owned) {
    return push_front(omUndoItem(object, status, owned));
}

omUndoItem& omUndoList::push_front(omUndoItem&& item) {
    m_items.push_front(std::move(item));
    return m_items.front();
}

void omUndoList::clear(unsigned mask) {
    // A status is in the mask when all of its bits are.
    m_items.remove_if([mask](const omUndoItem& item) { return (item.getStatus() & ~mask) == 0; });
}
