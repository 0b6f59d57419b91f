#pragma once
// Run-time classes: a class registers its name, its base and (optionally) a
// factory, so that objects can be created by name, asked whether they are of a
// kind, and tagged in files. The tag of the stored files is ".?AV" + name + "@@";
// it is built from the registered name, never from the compiler's type names.
//
//   class AFoo : public CObject { DECLARE_DYNCREATE(AFoo) ... };
//   IMPLEMENT_DYNCREATE(AFoo, CObject)            // in the .cpp
//   RUNTIME_CLASS(AFoo)->CreateObject();
#include <string>
#include <string_view>
#include <vector>

class CObject;

struct CRuntimeClass {
    const char* m_lpszClassName;
    CObject* (*m_pfnCreateObject)();
    const CRuntimeClass* m_pBaseClass;

    // A new object of this class, or null when the class has no factory.
    CObject* CreateObject() const { return m_pfnCreateObject ? m_pfnCreateObject() : nullptr; }
    bool IsDerivedFrom(const CRuntimeClass* base) const;
    // ".?AV" + class name + "@@".
    std::string TypeTag() const;

    // Registered classes by exact (case-sensitive) name or tag; null when unknown.
    static const CRuntimeClass* FromName(std::string_view name);
    static const CRuntimeClass* FromTypeTag(std::string_view tag);
    // The class name inside a tag, empty when the text is no tag.
    static std::string NameFromTypeTag(std::string_view tag);
    static std::string TypeTagOf(std::string_view className);
    // Every registered class, for diagnostics and tests.
    static std::vector<const CRuntimeClass*> All();
};

// Adds a class to the registry; used by the IMPLEMENT_ macros.
struct CRuntimeClassRegistrar {
    explicit CRuntimeClassRegistrar(const CRuntimeClass* cls);
};

class CObject {
public:
    virtual ~CObject();
    virtual const CRuntimeClass* GetRuntimeClass() const;
    bool IsKindOf(const CRuntimeClass* cls) const;

    static const CRuntimeClass classCObject;
    static const CRuntimeClass* GetThisClass() { return &classCObject; }

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};

#define RUNTIME_CLASS(cls) (&cls::class##cls)

#define DECLARE_DYNAMIC(cls)                                                                                 \
public:                                                                                                      \
    static const CRuntimeClass class##cls;                                                                   \
    static const CRuntimeClass* GetThisClass() { return &class##cls; }                                       \
    const CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(cls)                                                                               \
    DECLARE_DYNAMIC(cls)                                                                                     \
    static CObject* CreateObject();

#define DECLARE_SERIAL(cls) DECLARE_DYNCREATE(cls)

#define STRAKON_IMPLEMENT_RUNTIMECLASS(cls, base, factory)                                                   \
    const CRuntimeClass cls::class##cls = {#cls, factory, RUNTIME_CLASS(base)};                              \
    const CRuntimeClass* cls::GetRuntimeClass() const { return RUNTIME_CLASS(cls); }                         \
    static const CRuntimeClassRegistrar s_registrar_##cls(RUNTIME_CLASS(cls));

#define IMPLEMENT_DYNAMIC(cls, base) STRAKON_IMPLEMENT_RUNTIMECLASS(cls, base, nullptr)

#define IMPLEMENT_DYNCREATE(cls, base)                                                                       \
    CObject* cls::CreateObject() { return new cls; }                                                         \
    STRAKON_IMPLEMENT_RUNTIMECLASS(cls, base, &cls::CreateObject)

#define IMPLEMENT_SERIAL(cls, base, schema) IMPLEMENT_DYNCREATE(cls, base)

// The object as the given class, or null when it is not of that kind.
template <class T>
T* DYNAMIC_DOWNCAST_PTR(CObject* obj) {
    return obj && obj->IsKindOf(T::GetThisClass()) ? static_cast<T*>(obj) : nullptr;
}

// A new object of the class as T, or null when the class has no factory or
// makes no T (the object made is then deleted). The caller owns the result.
template <class T>
T* CreateObjectAs(const CRuntimeClass* cls) {
    CObject* object = cls ? cls->CreateObject() : nullptr;
    T* typed = DYNAMIC_DOWNCAST_PTR<T>(object);
    if (!typed) delete object;
    return typed;
}
