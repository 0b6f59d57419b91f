#include "app/report/omOutputLocaleDB.h"

#include "app/shell/APath.h"

#include <array>

namespace {
constexpr std::array<const char*, 2> kFieldNames = {"Key", "String"};
} // namespace

omOutputLocaleRecord::omOutputLocaleRecord() : omAsciiRecord("11", kFieldNames) {}

omOutputLocaleRecord::~omOutputLocaleRecord() = default;

bool omOutputLocaleRecord::write(std::ostream& out) const {
    omWriteString(m_key, out);
    out << ", ";
    omWriteString(m_text, out);
    return true;
}

int omOutputLocaleRecord::read(std::istream& in) {
    if (isEnd(in)) return 0;
    std::string key;
    std::string text;
    if (omReadString(key, in) < 0) return -1;
    extws(in);
    if (in.fail() || omReadString(text, in) < 0 || in.fail()) return -1;
    m_key = std::move(key);
    m_text = std::move(text);
    nextLine(in);
    return 1;
}

std::string omOutputLocaleRecord::field(unsigned index) const {
    return index == 0 ? m_key : m_text;
}

omOutputLocaleDB::omOutputLocaleDB()
    : omAsciiDB<omOutputLocaleRecord>(std::string(APath::Instance()->ParentPath(kRelativePath)), false) {}

omOutputLocaleDB::omOutputLocaleDB(std::filesystem::path path)
    : omAsciiDB<omOutputLocaleRecord>(std::move(path), false) {}

omOutputLocaleDB::~omOutputLocaleDB() = default;

std::string omOutputLocaleDB::Lookup(std::string_view key, std::string_view language) {
    getRecords(language);
    if (omOutputLocaleRecord* r = findFirstRecord(key, 0)) return r->m_text;
    getRecords(kFallbackLanguage);
    if (omOutputLocaleRecord* r = findFirstRecord(key, 0)) return r->m_text;
    return "Error:" + std::string(key);
}
