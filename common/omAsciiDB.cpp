#include "common/omAsciiDB.h"

#include "platform/core/CodePage.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FileIO.h"

#include <algorithm>
#include <limits>
#include <locale>
#include <sstream>

namespace {

constexpr auto kEof = std::char_traits<char>::eof();

bool isBlank(int c) {
    return c == ' ' || c == '\t';
}
bool isLineEnd(int c) {
    return c == '\n' || c == '\r';
}

void skipBlanks(std::istream& in) {
    while (isBlank(in.peek()))
        in.get();
}

// Skips blank lines and comment lines; the stream stays at the first character
// of the next line that holds something (or at the end).
void skipEmptyLines(std::istream& in) {
    for (;;) {
        int c = in.peek();
        while (isBlank(c) || isLineEnd(c)) {
            in.get();
            c = in.peek();
        }
        if (c != '#') return;
        nextLine(in);
    }
}

// The file's text as the readers expect it: UTF-8, every line ended by "\n".
std::string prepareText(std::string text) {
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) text.erase(0, 3);
    if (!codepage::isValidUtf8(text)) text = codepage::toUtf8(text, codepage::kDefault);
    std::string out;
    out.reserve(text.size() + 1);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
    // A last record without a line end would otherwise leave the stream at its
    // end after the last field, which a reader takes for a failure.
    if (!out.empty() && out.back() != '\n') out += '\n';
    return out;
}

std::string trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return std::string(s);
}

} // namespace

int omReadString(std::string& text, std::istream& in) {
    skipBlanks(in);
    std::string out;
    int c = in.peek();
    if (c == '"') {
        in.get();
        for (;;) {
            c = in.get();
            if (c == kEof || isLineEnd(c)) {
                in.setstate(std::ios::failbit);
                return -1;
            }
            if (c == '"') break;
            if (c == '\\') {
                const int e = in.peek();
                if (e == '"' || e == '\\') {
                    out += static_cast<char>(in.get());
                    continue;
                }
                if (e == 'n' || e == 't') {
                    in.get();
                    out += e == 'n' ? '\n' : '\t';
                    continue;
                }
            }
            out += static_cast<char>(c);
        }
    } else {
        while (c != kEof && c != ',' && !isLineEnd(c)) {
            out += static_cast<char>(in.get());
            c = in.peek();
        }
        out = trimmed(out);
        if (out.empty()) {
            in.setstate(std::ios::failbit);
            return -1;
        }
    }
    text = std::move(out);
    return static_cast<int>(std::min<std::size_t>(text.size(), std::numeric_limits<int>::max()));
}

std::ostream& omWriteString(const std::string& text, std::ostream& out) {
    std::string escaped;
    escaped.reserve(text.size() + 2);
    escaped += '"';
    for (char c : text) {
        switch (c) {
        case '"':
            escaped += "\\\"";
            break;
        case '\\':
            escaped += "\\\\";
            break;
        case '\n':
            escaped += "\\n";
            break;
        case '\t':
            escaped += "\\t";
            break;
        case '\r':
            break; // a line break is "\n" alone
        default:
            escaped += c;
        }
    }
    escaped += '"';
    return out << escaped;
}

std::istream& extws(std::istream& in) {
    skipBlanks(in);
    if (in.peek() == ',') {
        in.get();
        skipBlanks(in);
    }
    const int c = in.peek();
    if (c == kEof || isLineEnd(c)) in.setstate(std::ios::failbit);
    return in;
}

std::istream& nextLine(std::istream& in) {
    in.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    return in;
}

omAsciiRecord::omAsciiRecord(std::string_view fieldFlags, std::span<const char* const> fieldNames)
    : m_fieldFlags(fieldFlags) {
    std::vector<std::string> names;
    names.reserve(fieldNames.size());
    for (const char* n : fieldNames)
        names.emplace_back(n ? n : "");
    m_fieldNames = std::make_shared<const std::vector<std::string>>(std::move(names));
}

omAsciiRecord::omAsciiRecord(std::string_view fieldFlags, std::vector<std::string> fieldNames)
    : m_fieldFlags(fieldFlags),
      m_fieldNames(std::make_shared<const std::vector<std::string>>(std::move(fieldNames))) {}

omAsciiRecord::~omAsciiRecord() = default;

std::string omAsciiRecord::fieldName(unsigned index) const {
    return index < m_fieldNames->size() ? (*m_fieldNames)[index] : std::string();
}

bool omAsciiRecord::isFieldUsed(unsigned index) const {
    return index < m_fieldFlags.size() && m_fieldFlags[index] == '1';
}

bool omAsciiRecord::isEnd(std::istream& in) const {
    skipEmptyLines(in);
    const int c = in.peek();
    return c == kEof || c == '[';
}

omAsciiDB_Base::omAsciiDB_Base(std::filesystem::path path, bool strict)
    : m_path(std::move(path)), m_strict(strict) {}

omAsciiDB_Base::~omAsciiDB_Base() = default;

bool omAsciiDB_Base::isOpen() {
    ensureLoaded();
    return m_open;
}

const std::string& omAsciiDB_Base::getError() {
    ensureLoaded();
    return m_error;
}

std::size_t omAsciiDB_Base::getBadRecordCount() {
    ensureLoaded();
    return m_bad;
}

void omAsciiDB_Base::reload() {
    clearRecords();
    m_loaded = false;
}

const std::vector<std::string>& omAsciiDB_Base::getGroupNames() {
    ensureLoaded();
    return m_groupNames;
}

const std::vector<omAsciiRecord*>& omAsciiDB_Base::getRecords(std::string_view group) {
    static const std::vector<omAsciiRecord*> none;
    ensureLoaded();
    m_current = std::string(group);
    m_hasCurrent = true;
    const Group* g = findGroup(group);
    return g ? g->records : none;
}

omAsciiRecord* omAsciiDB_Base::findFirstRecord(std::string_view text, unsigned fieldIndex) {
    ensureLoaded();
    auto firstIn = [&](const Group& g) -> omAsciiRecord* {
        for (omAsciiRecord* r : g.records)
            if (r->field(fieldIndex) == text) return r;
        return nullptr;
    };
    if (m_hasCurrent) {
        const Group* g = findGroup(m_current);
        return g ? firstIn(*g) : nullptr;
    }
    for (const Group& g : m_groups)
        if (omAsciiRecord* r = firstIn(g)) return r;
    return nullptr;
}

void omAsciiDB_Base::ensureLoaded() {
    if (!m_loaded) {
        m_loaded = true;
        load();
    }
}

void omAsciiDB_Base::clearRecords() {
    m_groups.clear();
    m_groupIndex.clear();
    m_groupNames.clear();
    m_records.clear();
    m_bad = 0;
    m_open = false;
    m_error.clear();
}

omAsciiDB_Base::Group& omAsciiDB_Base::groupNamed(const std::string& name) {
    auto [it, added] = m_groupIndex.try_emplace(name, m_groups.size());
    if (added) {
        m_groupNames.push_back(name);
        m_groups.push_back(Group{name, {}});
    }
    return m_groups[it->second];
}

const omAsciiDB_Base::Group* omAsciiDB_Base::findGroup(std::string_view name) const {
    auto it = m_groupIndex.find(name);
    return it == m_groupIndex.end() ? nullptr : &m_groups[it->second];
}

void omAsciiDB_Base::load() {
    clearRecords();
    std::vector<std::uint8_t> bytes;
    try {
        bytes = fileio::readFile(m_path);
    } catch (const CException& e) {
        m_error = e.what();
        return;
    }
    m_open = true;
    std::istringstream in(prepareText(std::string(bytes.begin(), bytes.end())));
    in.imbue(std::locale::classic());

    std::string current;
    bool inGroup = false;
    for (;;) {
        skipEmptyLines(in);
        if (in.peek() == kEof) break;
        if (in.peek() == '[') {
            std::string line;
            std::getline(in, line);
            const auto close = line.rfind(']');
            if (close == std::string::npos) {
                ++m_bad;
                if (m_strict) break;
                continue;
            }
            current = trimmed(std::string_view(line).substr(1, close - 1));
            inGroup = true;
            groupNamed(current);
            continue;
        }
        const std::streampos start = in.tellg();
        std::unique_ptr<omAsciiRecord> record(createRecord());
        const int result = record ? record->read(in) : -1;
        if (result == 1) {
            if (!inGroup) {
                groupNamed(current);
                inGroup = true;
            }
            groupNamed(current).records.push_back(record.get());
            m_records.push_back(std::move(record));
            continue;
        }
        in.clear();
        if (result == 0 && (in.peek() == kEof || in.peek() == '['))
            continue; // no record: a header or the end
        in.clear();
        ++m_bad;
        if (m_strict) break;
        in.seekg(start);
        nextLine(in);
    }
}
