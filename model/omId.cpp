#include "model/omId.h"

std::string omId::idName(const std::string& name, bool withId, bool withName, std::size_t maxBytes) const {
    std::string text;
    if (withId) text = std::to_string(m_index);
    if (withId && withName) text += ": ";
    if (withName) text += name;
    if (text.size() > maxBytes) {
        std::size_t n = maxBytes;
        while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80)
            --n;
        text.resize(n);
    }
    return text;
}
