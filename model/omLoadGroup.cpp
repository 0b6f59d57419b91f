#include "model/omLoadGroup.h"

#include <functional>

omLoadGroup::~omLoadGroup() = default;

bool omLoadGroup::operator<(const omLoadGroup& other) const {
    return std::less<const omLoadGroup*>()(this, &other);
}
