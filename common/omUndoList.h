#pragma once
// A record of the model objects that one edit created, removed or modified, so
// that the edit can be undone. The newest item stands first.
//
// Ownership follows where the object is. An object the model holds belongs to
// the model; an object outside the model belongs to the item that records it:
//  - created (1):  the object is in the model; the item never owns it.
//  - modified (4): the item holds a copy of the former state, made by the
//                  recorder and handed over; the item always owns it.
//  - removed (2) and deleted (8): the object was taken out of the model. The
//                  recorder hands it over with owned = true; whoever puts it
//                  back into the model takes it over again (setOwned(false)).
// Dropping an item (clear, or the list's end) deletes the object only when the
// item owns it. Statuses other than 1, 2, 4 and 8 are kept as given and never own.
#include <cstddef>
#include <list>

// Second base of every model object that an edit can record. Deleting through
// it deletes the whole object.
class omUndoObject {
public:
    omUndoObject() = default;
    omUndoObject(const omUndoObject&) = default;
    omUndoObject& operator=(const omUndoObject&) = default;
    virtual ~omUndoObject();
};

class omUndoItem {
public:
    enum Status : unsigned { created = 1, removed = 2, modified = 4, deleted = 8 };

    // Records a change of an object (which may be null). A modified item owns
    // its copy; every other item starts without ownership.
    omUndoItem(omUndoObject* object, Status status);
    // Records a change and says whether the item takes the object over. Owned
    // objects are deleted with the item; a created item never owns its object.
    omUndoItem(omUndoObject* object, Status status, bool owned);
    omUndoItem(omUndoItem&& other) noexcept;
    omUndoItem& operator=(omUndoItem&& other) noexcept;
    omUndoItem(const omUndoItem&) = delete;
    omUndoItem& operator=(const omUndoItem&) = delete;
    ~omUndoItem();

    omUndoObject* getObject() const { return m_object; }
    Status getStatus() const { return m_status; }
    bool isOwned() const { return m_owned; }
    // Gives the object to the item (true) or takes it back (false). An item of
    // a created object never owns it.
    void setOwned(bool owned);

private:
    void dispose();

    omUndoObject* m_object = nullptr;
    Status m_status = created;
    bool m_owned = false;
};

class omUndoList {
public:
    using iterator = std::list<omUndoItem>::iterator;
    using const_iterator = std::list<omUndoItem>::const_iterator;

    omUndoList() = default;
    omUndoList(omUndoList&&) noexcept = default;
    omUndoList& operator=(omUndoList&&) noexcept = default;
    omUndoList(const omUndoList&) = delete;
    omUndoList& operator=(const omUndoList&) = delete;
    virtual ~omUndoList();

    // Puts a new item at the front; returns it.
    omUndoItem& add(omUndoObject* object, omUndoItem::Status status);
    omUndoItem& add(omUndoObject* object, omUndoItem::Status status, bool owned);
    omUndoItem& push_front(omUndoItem&& item);

    // Drops the items whose status has a bit in the mask (15 drops the four
    // recorded statuses), deleting the objects they own; the others keep their order.
    void clear(unsigned mask = 15);
    // Drops one item, deleting its object when the item owns it; the next item.
    iterator erase(iterator item) { return m_items.erase(item); }

    std::size_t size() const { return m_items.size(); }
    bool empty() const { return m_items.empty(); }
    iterator begin() { return m_items.begin(); }
    iterator end() { return m_items.end(); }
    const_iterator begin() const { return m_items.begin(); }
    const_iterator end() const { return m_items.end(); }
    omUndoItem& front() { return m_items.front(); }
    const omUndoItem& front() const { return m_items.front(); }

private:
    std::list<omUndoItem> m_items;
};
