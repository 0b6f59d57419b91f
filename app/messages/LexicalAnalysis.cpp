#include "app/messages/LexicalAnalysis.h"

#include "common/omErrorContainer.h"

#include <charconv>
#include <cmath>
#include <limits>

using namespace tokenkind;

LexicalAnalysis::LexicalAnalysis() {
    for (int c = 0; c <= 32; ++c)
        m_classes[c] |= kClassWhite;
    for (int c = '0'; c <= '9'; ++c)
        m_classes[c] |= kClassDigit | kClassWord | kClassNumber;
    for (int c = 'A'; c <= 'Z'; ++c)
        m_classes[c] |= kClassWord;
    for (int c = 'a'; c <= 'z'; ++c)
        m_classes[c] |= kClassWord;
    m_classes[static_cast<unsigned char>('_')] |= kClassWord;
    for (char c : {'.', 'e', 'E', '-', '+'})
        m_classes[static_cast<unsigned char>(c)] |= kClassNumber;
    m_classes[static_cast<unsigned char>('"')] |= kClassQuote;
    m_classes[static_cast<unsigned char>('/')] |= kClassComment;
    m_classes[static_cast<unsigned char>('*')] |= kClassComment;
}

void LexicalAnalysis::AddKeyword(const std::string& word) {
    if (!IsKeyword(word)) m_keywords.push_back(word);
}

void LexicalAnalysis::AddKeywords(const std::vector<std::string>& words) {
    for (const std::string& w : words)
        AddKeyword(w);
}

void LexicalAnalysis::AddSymbol(const std::string& symbol) {
    if (!symbol.empty() && !IsSymbol(symbol)) m_symbols.push_back(symbol);
}

void LexicalAnalysis::AddSymbols(const std::vector<std::string>& symbols) {
    for (const std::string& s : symbols)
        AddSymbol(s);
}

bool LexicalAnalysis::IsKeyword(std::string_view word) const {
    for (const std::string& k : m_keywords)
        if (k == word) return true;
    return false;
}

bool LexicalAnalysis::IsSymbol(std::string_view text) const {
    for (const std::string& s : m_symbols)
        if (s == text) return true;
    return false;
}

int LexicalAnalysis::Tokenize(const char* data, std::size_t length, TokenContainer& container) {
    container.Clear();
    m_pData = data;
    m_nLength = data ? length : 0;
    m_nPos = 0;
    m_nLine = 0;
    m_nColumn = 0;
    int errors = 0;
    bool lastWhite = false;
    for (;;) {
        Token token = GetNextToken();
        if (token.kind == kEndOfInput) break;
        if (token.kind == kWhiteSpace) {
            const bool keep = m_bKeepWhiteSpace && !lastWhite;
            lastWhite = true;
            if (!keep) continue;
        } else {
            lastWhite = false;
        }
        if (token.kind == kError) ++errors;
        container.Add(std::move(token));
    }
    container.Add(Token("End of file", kEndOfInput, m_nLine, m_nColumn));
    m_pData = nullptr;
    m_nLength = 0;
    return errors;
}

bool LexicalAnalysis::SkipComment() {
    if (!At(m_nPos, '/')) return false;
    if (At(m_nPos + 1, '/')) {
        while (m_nPos < m_nLength && m_pData[m_nPos] != '\n') {
            ++m_nPos;
            ++m_nColumn;
        }
        return true;
    }
    if (At(m_nPos + 1, '*')) {
        m_nPos += 2;
        m_nColumn += 2;
        while (m_nPos < m_nLength) {
            if (m_pData[m_nPos] == '*' && At(m_nPos + 1, '/')) {
                m_nPos += 2;
                m_nColumn += 2;
                return true;
            }
            if (m_pData[m_nPos] == '\n') {
                ++m_nLine;
                m_nColumn = 0;
            } else {
                ++m_nColumn;
            }
            ++m_nPos;
        }
        return true;
    }
    return false;
}

Token LexicalAnalysis::GetNextToken() {
    while (SkipComment()) {
    }
    const int line = m_nLine;
    const int column = m_nColumn;
    if (m_nPos >= m_nLength) return Token("EOS", kEndOfInput, line, column);

    const std::uint8_t cls = ClassOf(m_nPos);
    if (cls & kClassWhite) {
        while (m_nPos < m_nLength && (ClassOf(m_nPos) & kClassWhite)) {
            const char c = m_pData[m_nPos++];
            if (c == '\n') {
                ++m_nLine;
                m_nColumn = 0;
                if (m_bReportLineEnds) return Token("", kEndOfLine, line, column);
            } else if (c != '\r') {
                ++m_nColumn;
            }
        }
        return Token("", kWhiteSpace, line, column);
    }

    if (cls & kClassQuote) {
        ++m_nPos;
        ++m_nColumn;
        std::string text;
        for (;;) {
            if (m_nPos >= m_nLength) return Token("EOF before the ending quote", kError, line, column);
            const char c = m_pData[m_nPos];
            if (c == '\n') return Token("EOL before the ending quote", kError, line, column);
            ++m_nPos;
            ++m_nColumn;
            if (c == '"') {
                if (At(m_nPos, '"')) {
                    text += '"';
                    ++m_nPos;
                    ++m_nColumn;
                    continue;
                }
                return Token(std::move(text), kString, line, column);
            }
            text += c;
        }
    }

    const char first = m_pData[m_nPos];
    if ((cls & kClassNumber) && first != 'e' && first != 'E') return ReadNumber();

    if ((cls & kClassWord) && !(cls & kClassDigit)) {
        const std::size_t start = m_nPos;
        while (m_nPos < m_nLength && (ClassOf(m_nPos) & kClassWord)) {
            ++m_nPos;
            ++m_nColumn;
        }
        std::string word(m_pData + start, m_nPos - start);
        const int kind = IsKeyword(word) ? kKeyword : kIdentifier;
        return Token(std::move(word), kind, line, column);
    }

    const std::size_t start = m_nPos;
    while (m_nPos < m_nLength && !(ClassOf(m_nPos) & kClassWhite)) {
        ++m_nPos;
        ++m_nColumn;
        const std::string_view text(m_pData + start, m_nPos - start);
        if (IsSymbol(text)) return Token(std::string(text), kSymbol, line, column);
    }
    return Token("Unknown character sequence (" + std::string(m_pData + start, m_nPos - start) + ")", kError, line,
                 column);
}

Token LexicalAnalysis::ReadNumber() {
    const int line = m_nLine;
    const int column = m_nColumn;
    const std::size_t start = m_nPos;
    bool digits = false, point = false, exponent = false, exponentDigits = false;
    auto invalid = [&] {
        return Token("Invalid number (" + std::string(m_pData + start, m_nPos - start) + ")", kError, line, column);
    };
    while (m_nPos < m_nLength && (ClassOf(m_nPos) & kClassNumber)) {
        const char c = m_pData[m_nPos];
        const char previous = m_nPos > start ? m_pData[m_nPos - 1] : '\0';
        bool valid = true;
        if (c == '+' || c == '-')
            valid = m_nPos == start || (exponent && (previous == 'e' || previous == 'E'));
        else if (c == '.')
            valid = !point && !exponent;
        else if (c == 'e' || c == 'E')
            valid = digits && !exponent;
        ++m_nPos;
        ++m_nColumn;
        if (!valid) return invalid();
        if (c >= '0' && c <= '9') (exponent ? exponentDigits : digits) = true;
        else if (c == '.') point = true;
        else if (c == 'e' || c == 'E') exponent = true;
    }
    // A sign, a point or an exponent letter without digits is no number.
    if (!digits || (exponent && !exponentDigits)) return invalid();

    std::string_view text(m_pData + start, m_nPos - start);
    std::string_view digitsText = text.front() == '+' ? text.substr(1) : text;
    if (point || exponent) {
        double value = 0;
        const auto [end, ec] = std::from_chars(digitsText.data(), digitsText.data() + digitsText.size(), value);
        if (ec != std::errc() || end != digitsText.data() + digitsText.size() || !std::isfinite(value))
            return invalid();
        return Token(std::string(text), kReal, line, column);
    }
    std::int32_t value = 0;
    const auto [end, ec] = std::from_chars(digitsText.data(), digitsText.data() + digitsText.size(), value);
    if (ec != std::errc() || end != digitsText.data() + digitsText.size()) return invalid();
    return Token(std::string(text), kInteger, line, column);
}

// --- token readers ---------------------------------------------------------------------------------

namespace tokenreader {

namespace {
void reportAt(bool report, unsigned code, const Token& token) {
    if (report) omErrorContainer::instance()->report(code, token.line + 1, token.column + 1);
}
} // namespace

bool ExpectKeyword(Iterator& pos, Iterator end, std::string_view word, bool report) {
    if (pos != end && pos->kind == kKeyword && pos->text == word) {
        ++pos;
        return true;
    }
    if (report && pos != end)
        omErrorContainer::instance()->report(145, std::string(word), pos->line + 1, pos->column + 1);
    return false;
}

bool SkipSymbol(Iterator& pos, Iterator end, std::string_view symbol, bool) {
    if (pos == end) return false;
    if (pos->kind == kSymbol && pos->text == symbol) {
        ++pos;
        return pos != end;
    }
    return true;
}

bool ReadString(Iterator& pos, Iterator end, std::string& value, bool report) {
    if (pos != end && pos->kind == kString) {
        value = pos->text;
        ++pos;
        return true;
    }
    if (pos != end) reportAt(report, 178, *pos);
    return false;
}

bool ReadInteger(Iterator& pos, Iterator end, int& value, bool report) {
    value = 0;
    if (pos != end && pos->kind == kInteger) {
        value = AsInteger(*pos);
        ++pos;
        return true;
    }
    if (pos != end) reportAt(report, 184, *pos);
    return false;
}

bool ReadNumberList(Iterator& pos, Iterator end, std::vector<double>& values, int required, bool report) {
    values.clear();
    const Iterator start = pos;
    auto isNumber = [&](Iterator it) { return it != end && (it->kind == kReal || it->kind == kInteger); };
    auto isComma = [&](Iterator it) { return it != end && it->kind == kSymbol && it->text == ","; };
    bool afterNumber = false;
    for (;;) {
        if (!afterNumber && isNumber(pos)) {
            values.push_back(AsNumber(*pos));
            afterNumber = true;
        } else if (afterNumber && isComma(pos)) {
            afterNumber = false;
        } else {
            break;
        }
        ++pos;
    }
    if (required != 0 && static_cast<int>(values.size()) != required) {
        if (report && start != end)
            omErrorContainer::instance()->report(132, required, static_cast<int>(values.size()), start->line + 1,
                                                 start->column + 1);
        return false;
    }
    return true;
}

double AsReal(const Token& token) {
    std::string_view text = token.text;
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

int AsInteger(const Token& token) {
    std::string_view text = token.text;
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

double AsNumber(const Token& token) {
    return token.kind == kReal ? AsReal(token) : static_cast<double>(AsInteger(token));
}

} // namespace tokenreader
