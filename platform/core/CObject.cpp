#include "platform/core/CObject.h"

#include <map>
#include <mutex>

namespace {
struct Registry {
    std::mutex mutex;
    std::map<std::string, const CRuntimeClass*, std::less<>> byName;
};

Registry& registry() {
    static Registry r;
    return r;
}

constexpr std::string_view kTagPrefix = ".?AV";
constexpr std::string_view kTagSuffix = "@@";
} // namespace

const CRuntimeClass CObject::classCObject = {"CObject", nullptr, nullptr};
static const CRuntimeClassRegistrar s_registrar_CObject(&CObject::classCObject);

CObject::~CObject() = default;

const CRuntimeClass* CObject::GetRuntimeClass() const { return &classCObject; }

bool CObject::IsKindOf(const CRuntimeClass* cls) const { return GetRuntimeClass()->IsDerivedFrom(cls); }

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* base) const {
    for (const CRuntimeClass* c = this; c; c = c->m_pBaseClass)
        if (c == base) return true;
    return false;
}

std::string CRuntimeClass::TypeTag() const { return TypeTagOf(m_lpszClassName); }

std::string CRuntimeClass::TypeTagOf(std::string_view className) {
    std::string tag(kTagPrefix);
    tag += className;
    tag += kTagSuffix;
    return tag;
}

std::string CRuntimeClass::NameFromTypeTag(std::string_view tag) {
    if (tag.size() <= kTagPrefix.size() + kTagSuffix.size() || !tag.starts_with(kTagPrefix) ||
        !tag.ends_with(kTagSuffix))
        return {};
    return std::string(tag.substr(kTagPrefix.size(), tag.size() - kTagPrefix.size() - kTagSuffix.size()));
}

const CRuntimeClass* CRuntimeClass::FromName(std::string_view name) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    auto it = r.byName.find(name);
    return it == r.byName.end() ? nullptr : it->second;
}

const CRuntimeClass* CRuntimeClass::FromTypeTag(std::string_view tag) {
    std::string name = NameFromTypeTag(tag);
    return name.empty() ? nullptr : FromName(name);
}

std::vector<const CRuntimeClass*> CRuntimeClass::All() {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    std::vector<const CRuntimeClass*> out;
    for (auto& [name, cls] : r.byName) out.push_back(cls);
    return out;
}

CRuntimeClassRegistrar::CRuntimeClassRegistrar(const CRuntimeClass* cls) {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    r.byName.emplace(cls->m_lpszClassName, cls);
}
