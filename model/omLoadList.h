#pragma once
// What the load lists of nodes and of members do alike: both own their loads in
// the order they were added and tag them with the owner's number.
#include <utility>
#include <vector>

class omLoad;
class omLoadManager;

namespace omLoadList {

using Loads = std::vector<omLoad*>;
using NumberedLoads = std::vector<std::pair<unsigned, const omLoad*>>;

// New copies of every load, in the same order; the caller owns them.
Loads cloneAll(const Loads& loads);
void deleteAll(Loads& loads);
// Deletes the load when the list holds it.
void remove(Loads& loads, const omLoad* load);
// Every load whose group number is k or more moves up by one and loses its bound group.
void insertLoadGroup(Loads& loads, int k);
// Takes the loads of group k out: into removed as (owner, load) when given,
// otherwise deleted; later groups move down by one and lose their bound group.
void removeLoadGroup(Loads& loads, int k, unsigned owner, NumberedLoads* removed);
void bindLoadGroups(Loads& loads, const omLoadManager* manager);
// Category 8: the count and each load's own report.
void logFileReport(const Loads& loads);

} // namespace omLoadList
