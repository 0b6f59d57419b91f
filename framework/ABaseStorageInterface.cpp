#include "framework/ABaseStorageInterface.h"

#include "platform/core/CArchive.h"
#include "platform/core/WinTypes.h"

#include <algorithm>

std::list<ABaseStorageInterface*> ABaseStorageInterface::m_list;

ABaseStorageInterface::~ABaseStorageInterface() = default;

ABaseStorageInterface* ABaseStorageInterface::Add(ABaseStorageInterface* si) {
    // Registering one object twice would delete it twice at exit.
    if (si && std::find(m_list.begin(), m_list.end(), si) == m_list.end()) m_list.push_back(si);
    return si;
}

void ABaseStorageInterface::Release() {
    // Taken out first, so that a destructor that looks at the registry finds it empty.
    std::list<ABaseStorageInterface*> registered;
    registered.swap(m_list);
    for (ABaseStorageInterface* si : registered)
        delete si;
}

unsigned ABaseStorageInterface::Version(unsigned version, CArchive& ar) {
    if (ar.IsLoading()) {
        DWORD stored = 0;
        ar >> stored;
        return stored;
    }
    ar << static_cast<DWORD>(version);
    return version;
}
