#pragma once
// The main frame's pane of cursor coordinates, as the graphic views reach it:
// the frame installs where the text goes; without a frame the text goes nowhere.
#include <functional>

class ACoordinatePane {
public:
    using Target = std::function<void(const char* text)>;
    // Installs the pane's setter (empty to remove it); returns the previous one.
    static Target SetTarget(Target target);
    static void SetText(const char* text);
};
