#include "app/views/ACoordinatePane.h"

#include <utility>

namespace {
ACoordinatePane::Target& target() {
    static ACoordinatePane::Target t;
    return t;
}
} // namespace

ACoordinatePane::Target ACoordinatePane::SetTarget(Target t) {
    return std::exchange(target(), std::move(t));
}

void ACoordinatePane::SetText(const char* text) {
    if (target()) target()(text ? text : "");
}
