#include "model/omLoadList.h"

#include "model/omLoad.h"
#include "model/omLogFile.h"

#include <algorithm>
#include <ostream>

namespace omLoadList {

Loads cloneAll(const Loads& loads) {
    Loads copies;
    copies.reserve(loads.size());
    for (const omLoad* load : loads)
        copies.push_back(load->clone());
    return copies;
}

void deleteAll(Loads& loads) {
    for (omLoad* load : loads)
        delete load;
    loads.clear();
}

void remove(Loads& loads, const omLoad* load) {
    auto it = std::find(loads.begin(), loads.end(), load);
    if (it == loads.end()) return;
    delete *it;
    loads.erase(it);
}

void insertLoadGroup(Loads& loads, int k) {
    if (k < 1) return;
    for (omLoad* load : loads)
        if (load->getLoadGroupIndex() >= static_cast<unsigned>(k))
            load->setLoadGroupIndex(load->getLoadGroupIndex() + 1);
}

void removeLoadGroup(Loads& loads, int k, unsigned owner, NumberedLoads* removed) {
    if (k < 1) return;
    const unsigned group = static_cast<unsigned>(k);
    Loads kept;
    kept.reserve(loads.size());
    for (omLoad* load : loads) {
        const unsigned index = load->getLoadGroupIndex();
        if (index == group) {
            if (removed)
                removed->emplace_back(owner, load);
            else
                delete load;
            continue;
        }
        if (index > group) load->setLoadGroupIndex(index - 1);
        kept.push_back(load);
    }
    loads.swap(kept);
}

void bindLoadGroups(Loads& loads, const omLoadManager* manager) {
    for (omLoad* load : loads)
        load->bindLoadGroup(manager);
}

void logFileReport(const Loads& loads) {
    omLogFile* log = omLogFile::enabledFor(lfLoads);
    if (!log) return;
    *log << "\n\nNumber of node loads: " << loads.size() << "\n";
    for (const omLoad* load : loads)
        load->logFileReport();
}

} // namespace omLoadList
