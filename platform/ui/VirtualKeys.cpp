#include "platform/ui/VirtualKeys.h"

#include "platform/ui/WinUi.h"

#include <Qt>

#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<UINT, int>, 24> kKeys = {{
    {VK_BACK, Qt::Key_Backspace},    {VK_TAB, Qt::Key_Tab},         {VK_RETURN, Qt::Key_Return},
    {VK_SHIFT, Qt::Key_Shift},       {VK_CONTROL, Qt::Key_Control}, {VK_MENU, Qt::Key_Alt},
    {VK_ESCAPE, Qt::Key_Escape},     {VK_SPACE, Qt::Key_Space},     {VK_PRIOR, Qt::Key_PageUp},
    {VK_NEXT, Qt::Key_PageDown},     {VK_END, Qt::Key_End},         {VK_HOME, Qt::Key_Home},
    {VK_LEFT, Qt::Key_Left},         {VK_UP, Qt::Key_Up},           {VK_RIGHT, Qt::Key_Right},
    {VK_DOWN, Qt::Key_Down},         {VK_INSERT, Qt::Key_Insert},   {VK_DELETE, Qt::Key_Delete},
    {VK_MULTIPLY, Qt::Key_Asterisk}, {VK_ADD, Qt::Key_Plus},        {VK_SUBTRACT, Qt::Key_Minus},
    {VK_DECIMAL, Qt::Key_Period},    {VK_DIVIDE, Qt::Key_Slash},    {0x0D, Qt::Key_Enter},
}};

} // namespace

UINT AfxQtKeyToVirtualKey(int qtKey) {
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return static_cast<UINT>('0' + (qtKey - Qt::Key_0));
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return static_cast<UINT>('A' + (qtKey - Qt::Key_A));
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return VK_F1 + static_cast<UINT>(qtKey - Qt::Key_F1);
    for (const auto& [vk, key] : kKeys)
        if (key == qtKey) return vk;
    return 0;
}

int AfxVirtualKeyToQtKey(UINT virtualKey) {
    if (virtualKey >= '0' && virtualKey <= '9') return Qt::Key_0 + static_cast<int>(virtualKey - '0');
    if (virtualKey >= 'A' && virtualKey <= 'Z') return Qt::Key_A + static_cast<int>(virtualKey - 'A');
    if (virtualKey >= VK_F1 && virtualKey <= VK_F12) return Qt::Key_F1 + static_cast<int>(virtualKey - VK_F1);
    if (virtualKey >= VK_NUMPAD0 && virtualKey <= VK_NUMPAD0 + 9)
        return Qt::Key_0 + static_cast<int>(virtualKey - VK_NUMPAD0);
    for (const auto& [vk, key] : kKeys)
        if (vk == virtualKey) return key;
    return 0;
}
