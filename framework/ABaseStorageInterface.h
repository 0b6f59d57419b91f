#pragma once
// Stored classes do not serialise themselves: each has one storage interface
// that reads and writes its objects (see common/AStorageBase.h). This is the
// base of those interfaces. It also keeps every interface made at start-up, so
// that all of them can be deleted at exit, and reads or writes the version word
// that opens every stored record.
#include <list>

class AStorageBase;
class CArchive;

class ABaseStorageInterface {
public:
    ABaseStorageInterface() = default;
    // Registration is always explicit (Add); a copy is not registered.
    ABaseStorageInterface(const ABaseStorageInterface&) {}
    ABaseStorageInterface& operator=(const ABaseStorageInterface&) { return *this; }
    virtual ~ABaseStorageInterface();

    // Stores the object when ar is storing and loads it when ar is loading.
    // Derived interfaces write or read their version word first, then call their
    // base class's interface, then handle their own fields.
    virtual void Serialize(AStorageBase* object, CArchive& ar) = 0;

    // Registers si and returns it, so that making, registering and installing an
    // interface is one expression. Ownership passes to the registry: Release
    // deletes it. A null pointer or one registered already is not added again.
    static ABaseStorageInterface* Add(ABaseStorageInterface* si);
    // Deletes every registered interface in registration order and empties the
    // registry. Called once at exit; the stored classes' pointers are stale then.
    static void Release();

    // Loading: reads the 4-byte version word and returns it; version is ignored.
    // Storing: writes version as one 4-byte word and returns it.
    // No comparison is made: the caller decides what an older version means.
    static unsigned Version(unsigned version, CArchive& ar);

private:
    // In registration order; owns its entries from Add to Release.
    static std::list<ABaseStorageInterface*> m_list;
};
