#include "common/omErrorContainer.h"

#include "platform/core/Exceptions.h"
#include "platform/core/FileIO.h"

#include <charconv>
#include <ostream>

namespace {

std::mutex g_instanceMutex;
omErrorContainer* g_instance = nullptr;

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.front() == '\r'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

// "\n" in a text of the file stands for a line break, "\\" for a backslash.
std::string unescape(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size() && (s[i + 1] == 'n' || s[i + 1] == '\\')) {
            out += s[i + 1] == 'n' ? '\n' : '\\';
            ++i;
        } else {
            out += s[i];
        }
    }
    return out;
}

} // namespace

std::string omErrorArgumentText(const omErrorArgument& argument) {
    char buffer[64];
    if (const auto* s = std::get_if<std::string>(&argument)) return *s;
    std::to_chars_result r{};
    if (const auto* u = std::get_if<std::uint64_t>(&argument))
        r = std::to_chars(buffer, buffer + sizeof buffer, *u);
    else if (const auto* i = std::get_if<std::int64_t>(&argument))
        r = std::to_chars(buffer, buffer + sizeof buffer, *i);
    else
        r = std::to_chars(buffer, buffer + sizeof buffer, std::get<double>(argument),
                          std::chars_format::general, 6);
    return std::string(buffer, r.ptr);
}

omError::omError(unsigned count, const std::string& firstMessage)
    : std::runtime_error(firstMessage), m_count(count) {}

omError::~omError() = default;

omErrorContainer* omErrorContainer::instance() {
    std::lock_guard lock(g_instanceMutex);
    if (!g_instance) g_instance = new omErrorContainer;
    return g_instance;
}

void omErrorContainer::release() {
    std::lock_guard lock(g_instanceMutex);
    delete g_instance;
    g_instance = nullptr;
}

bool omErrorContainer::setFileName(const std::filesystem::path& path) {
    std::vector<std::uint8_t> bytes;
    try {
        bytes = fileio::readFile(path);
    } catch (const CFileException&) {
        return false;
    }
    {
        std::lock_guard lock(m_mutex);
        m_fileName = path;
    }
    setTexts(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    return true;
}

void omErrorContainer::setTexts(std::string_view fileText) {
    std::map<unsigned, std::string> texts;
    std::size_t bad = 0;
    if (fileText.substr(0, 3) == "\xEF\xBB\xBF") fileText.remove_prefix(3);
    while (!fileText.empty()) {
        const auto end = fileText.find('\n');
        std::string_view line = trim(fileText.substr(0, end));
        fileText.remove_prefix(end == std::string_view::npos ? fileText.size() : end + 1);
        if (line.empty() || line.front() == '#') continue;
        unsigned code = 0;
        const auto r = std::from_chars(line.data(), line.data() + line.size(), code);
        const std::string_view rest = line.substr(static_cast<std::size_t>(r.ptr - line.data()));
        const std::string_view text = trim(rest);
        if (r.ec != std::errc() || rest.empty() || (rest.front() != ' ' && rest.front() != '\t') ||
            text.empty()) {
            ++bad;
            continue;
        }
        texts[code] = unescape(text);
    }
    std::lock_guard lock(m_mutex);
    m_texts = std::move(texts);
    m_badLines = bad;
}

void omErrorContainer::reset() {
    std::lock_guard lock(m_mutex);
    m_errors.clear();
}

void omErrorContainer::add(omErrorEntry entry) {
    std::lock_guard lock(m_mutex);
    m_errors.push_back(std::move(entry));
}

bool omErrorContainer::hasErrors() const {
    std::lock_guard lock(m_mutex);
    return !m_errors.empty();
}

std::size_t omErrorContainer::count() const {
    std::lock_guard lock(m_mutex);
    return m_errors.size();
}

std::vector<omErrorEntry> omErrorContainer::errors() const {
    std::lock_guard lock(m_mutex);
    return m_errors;
}

void omErrorContainer::throwIfError() const {
    std::vector<omErrorEntry> held = errors();
    if (held.empty()) return;
    throw omError(static_cast<unsigned>(held.size()),
                  "Error " + std::to_string(held.front().code) + ": " + message(held.front()));
}

void omErrorContainer::process(std::ostream& out) const {
    for (const omErrorEntry& e : errors()) {
        out << "Error " << e.code;
        const std::string m = message(e);
        if (!m.empty()) out << ": " << m;
        out << '\n';
    }
}

bool omErrorContainer::hasText(unsigned code) const {
    std::lock_guard lock(m_mutex);
    return m_texts.count(code) != 0;
}

std::string omErrorContainer::text(unsigned code) const {
    std::lock_guard lock(m_mutex);
    auto it = m_texts.find(code);
    return it == m_texts.end() ? std::string() : it->second;
}

std::string omErrorContainer::message(const omErrorEntry& entry) const {
    if (hasText(entry.code)) return format(text(entry.code), entry.arguments);
    std::string joined;
    for (const omErrorArgument& a : entry.arguments) {
        if (!joined.empty()) joined += ", ";
        joined += omErrorArgumentText(a);
    }
    return joined;
}

std::string omErrorContainer::format(std::string_view text, const std::vector<omErrorArgument>& arguments) {
    std::string out;
    out.reserve(text.size() + 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size()) {
            const char next = text[i + 1];
            if (next == '%') {
                out += '%';
                ++i;
                continue;
            }
            if (next >= '1' && next <= '9') {
                const std::size_t index = static_cast<std::size_t>(next - '1');
                if (index < arguments.size()) {
                    out += omErrorArgumentText(arguments[index]);
                    ++i;
                    continue;
                }
            }
        }
        out += text[i];
    }
    return out;
}
