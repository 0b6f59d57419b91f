#pragma once
// The record of a numbered map whose entries are of several classes: count,
// number of the default entry, then per entry, in ascending number, its class
// tag and its record. Reading makes each entry from its tag; an unknown tag, a
// number of 0 or a number taken already means a damaged file.
#include "app/shell/AStorageInterface.h"
#include "platform/core/CArchive.h"

#include <memory>
#include <string>

template <class Map, class T>
void SerializeTaggedMap(Map& map, CArchive& ar, const char* (*tagOf)(const T*), T* (*make)(const std::string&)) {
    if (ar.IsStoring()) {
        ar << static_cast<std::uint32_t>(map.size()) << static_cast<std::uint32_t>(map.getDefaultId());
        for (map.start_ii(); !map.stop_ii(); map.increment_ii()) {
            T* entry = map.object_ii();
            const char* tag = tagOf(entry);
            if (!tag) AStorageInterface::WrongObject(ar);
            ar.WriteRawString(tag);
            entry->GetStorageInterface()->Serialize(entry, ar);
        }
        return;
    }
    // A tag, a version word and a base record at the least.
    std::uint32_t count = AStorageInterface::ReadCount(ar, 9);
    std::uint32_t def = 0;
    ar >> def;
    map.setDefault(def);
    for (std::uint32_t i = 0; i < count; ++i) {
        std::unique_ptr<T> entry(make(ar.ReadRawString()));
        if (!entry) AStorageInterface::Damaged(ar, "unknown class");
        entry->GetStorageInterface()->Serialize(entry.get(), ar);
        if (entry->getIndex() == 0 || !map.insert(entry.get())) AStorageInterface::Damaged(ar, "number taken");
        entry.release();
    }
}
