#include "model/omId.h"

#include "platform/core/CodePage.h"

std::string omId::idName(const std::string& name, bool withId, bool withName, std::size_t maxBytes) const {
    std::string text;
    if (withId) text = std::to_string(m_index);
    if (withId && withName) text += ": ";
    if (withName) text += name;
    text.resize(codepage::utf8Prefix(text, maxBytes));
    return text;
}
