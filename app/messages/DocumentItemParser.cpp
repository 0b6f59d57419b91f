#include "app/messages/DocumentItemParser.h"

#include <cmath>
#include <limits>

using namespace tokenkind;
using namespace tokenreader;

namespace {

constexpr int kHighestVersion = 100;

bool isKind(Iterator pos, Iterator end, int kind) {
    return pos != end && pos->kind == kind;
}

bool isKeyword(Iterator pos, Iterator end, std::string_view word) {
    return isKind(pos, end, kKeyword) && pos->text == word;
}

} // namespace

void DocumentItemParser::Prepare(LexicalAnalysis& lexer) {
    lexer.AddKeywords({"VERSION", "OBSOLETE", "DOCUMENT", "TITLE", "END", "LANGUAGE", "LINKS", "REVISION", "URL",
                       "FORMAT", "DATE", "PROGRAM", "TXT", "RTF", "HTML", "EXPIRATION", "NEVER"});
    lexer.AddSymbols({"=", ":", ","});
}

std::unique_ptr<DocumentItem> DocumentItemParser::Parse(Iterator& pos, Iterator end) {
    constexpr bool report = false;
    auto item = std::make_unique<DocumentItem>();
    auto idEntry = [&] {
        return ExpectKeyword(pos, end, "DOCUMENT", report) && SkipSymbol(pos, end, "=", report) &&
               ReadInteger(pos, end, item->m_nId, report);
    };
    if (!idEntry()) return nullptr;
    for (;;) {
        if (!isKind(pos, end, kKeyword)) return nullptr;
        const std::string keyword = pos->text;
        if (keyword == "DOCUMENT") {
            if (!idEntry()) return nullptr;
            continue;
        }
        ++pos;
        if (keyword == "END") return item;
        if (!SkipSymbol(pos, end, "=", report)) return nullptr;
        bool ok = true;
        if (keyword == "TITLE") {
            ok = ReadString(pos, end, item->m_title, report);
        } else if (keyword == "URL") {
            ok = ReadString(pos, end, item->m_address, report);
        } else if (keyword == "LANGUAGE") {
            ok = ReadString(pos, end, item->m_language, report);
        } else if (keyword == "REVISION") {
            ok = ReadInteger(pos, end, item->m_nRevision, report);
        } else if (keyword == "FORMAT") {
            if (isKeyword(pos, end, "TXT")) item->m_nFormat = documentformat::kText;
            else if (isKeyword(pos, end, "RTF")) item->m_nFormat = documentformat::kRtf;
            else if (isKeyword(pos, end, "HTML")) item->m_nFormat = documentformat::kHtml;
            else return nullptr;
            ++pos;
        } else if (keyword == "LINKS") {
            while (ok && isKind(pos, end, kString)) {
                std::string title, address;
                ok = ReadString(pos, end, title, report) && SkipSymbol(pos, end, ",", report) &&
                     ReadString(pos, end, address, report) && SkipSymbol(pos, end, ",", report);
                if (ok) item->m_links.emplace_back(std::move(title), std::move(address));
            }
        } else if (keyword == "PROGRAM") {
            while (ok && isKind(pos, end, kInteger)) {
                int program = 0, condition = 0;
                ok = ReadInteger(pos, end, program, report) && SkipSymbol(pos, end, ":", report) &&
                     ReadInteger(pos, end, condition, report) && SkipSymbol(pos, end, ",", report);
                if (ok) item->m_programs.emplace_back(program, condition);
            }
        } else if (keyword == "EXPIRATION") {
            std::string date;
            if (isKeyword(pos, end, "NEVER")) {
                ++pos;
                item->m_expiration = JulianDate();
            } else if (ReadString(pos, end, date, report)) {
                item->m_expiration = JulianDate(std::string_view(date));
            } else {
                ok = false;
            }
        } else {
            return nullptr;
        }
        if (!ok) return nullptr;
    }
}

bool DocumentItemParser::ParseList(const char* data, std::size_t length, List& list) {
    constexpr bool report = false;
    list = List();
    LexicalAnalysis lexer;
    Prepare(lexer);
    TokenContainer tokens;
    if (lexer.Tokenize(data, length, tokens) != 0) return false;

    List result;
    Iterator pos = tokens.begin();
    const Iterator end = tokens.end();
    if (!ExpectKeyword(pos, end, "VERSION", report) || !SkipSymbol(pos, end, "=", report) ||
        !ReadInteger(pos, end, result.version, report) || result.version > kHighestVersion)
        return false;
    std::vector<double> obsolete;
    if (!ExpectKeyword(pos, end, "OBSOLETE", report) || !SkipSymbol(pos, end, "=", report) ||
        !ReadNumberList(pos, end, obsolete, 0, report))
        return false;
    for (double id : obsolete) {
        const double whole = std::trunc(id);
        if (!(whole >= std::numeric_limits<int>::min() && whole <= std::numeric_limits<int>::max())) return false;
        result.obsolete.insert(static_cast<int>(whole));
    }
    DocumentItemParser parser;
    for (;;) {
        while (pos != end && !isKeyword(pos, end, "DOCUMENT"))
            ++pos;
        if (pos == end) break;
        std::unique_ptr<DocumentItem> item = parser.Parse(pos, end);
        if (!item) return false;
        result.items.push_back(std::move(item));
    }
    list = std::move(result);
    return true;
}
