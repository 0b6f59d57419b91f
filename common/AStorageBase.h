#pragma once
// Base of every stored model class. A stored class does not write itself: the
// program hands each class one storage interface at start-up, which reads and
// writes its objects. The class keeps that interface in a class-wide pointer.
//
//   class omFoo : public AStorageBase {
//       DECLARE_STORAGE_INTERFACE()
//       ...
//   };
//
// gives omFoo::m_pSI (null until set), the static InitializeStorageInterface
// and the virtual GetStorageInterface that returns it.
#include "platform/core/CObject.h"

class ABaseStorageInterface;

class AStorageBase : public CObject {
public:
    AStorageBase() = default;
    AStorageBase(const AStorageBase&) = default;
    AStorageBase& operator=(const AStorageBase&) = default;
    ~AStorageBase() override;

    // The interface that serialises this object's class; null for a class that has none.
    virtual ABaseStorageInterface* GetStorageInterface() const { return nullptr; }
};

#define DECLARE_STORAGE_INTERFACE()                                                                         \
public:                                                                                                      \
    /* Not owned: the storage-interface registry deletes the interfaces at exit. */                          \
    inline static ABaseStorageInterface* m_pSI = nullptr;                                                    \
    static void InitializeStorageInterface(ABaseStorageInterface* si) { m_pSI = si; }                       \
    ABaseStorageInterface* GetStorageInterface() const override { return m_pSI; }
