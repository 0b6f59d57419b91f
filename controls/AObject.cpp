#include "controls/AObject.h"

#include <algorithm>
#include <functional>

AObject::~AObject() = default;

const CRuntimeClass* AObject::GetPropertySheet() const {
    return nullptr;
}

QCursor AObject::GetCursor() const {
    return QCursor(Qt::CrossCursor);
}

bool AObject::operator==(const AObject& o) const {
    return this == &o;
}

bool AObject::operator<(const AObject& o) const {
    return std::less<const AObject*>()(this, &o);
}

CString AObject::GetTipText(const omPoint&) const {
    return CString();
}

COLORREF AObject::GetTipColor() const {
    return 0;
}

UINT AObject::GetMenuResourceId() const {
    return 0;
}

bool AObjectPtrContainer::Contains(const AObject* object) const {
    return std::find(begin(), end(), object) != end();
}

bool AObjectPtrContainer::Remove(const AObject* object) {
    return remove(const_cast<AObject*>(object)) > 0;
}

bool AObjectPtrContainer::AreTheSameType() const {
    if (empty()) return true;
    const int type = front()->GetObjectType();
    return std::all_of(begin(), end(), [type](const AObject* o) { return o->GetObjectType() == type; });
}
