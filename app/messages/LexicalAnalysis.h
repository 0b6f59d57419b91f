#pragma once
// A general tokenizer for keyword text files, and the token readers with which
// a parser walks the tokens. Input is a byte range with its length; bytes are
// classified as unsigned values, and every look-ahead checks the end first, so
// any bytes (downloaded ones included) give tokens, never a read out of range.
// Problems become error tokens, never exceptions.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tokenkind {
constexpr int kEndOfLine = 1;
constexpr int kEndOfInput = 2;
constexpr int kWhiteSpace = 3;
constexpr int kKeyword = 4;
constexpr int kError = 5;
constexpr int kIdentifier = 6;
constexpr int kReal = 7;
constexpr int kInteger = 8;
constexpr int kString = 9;
constexpr int kSymbol = 10;
} // namespace tokenkind

class Token {
public:
    Token() = default;
    Token(std::string text, int kind, int line, int column)
        : text(std::move(text)), kind(kind), line(line), column(column) {}
    virtual ~Token() = default;
    Token(const Token&) = default;
    Token(Token&&) noexcept = default;
    Token& operator=(const Token&) = default;
    Token& operator=(Token&&) noexcept = default;

    std::string text;
    int kind = 0;
    int line = 0;   // 0-based
    int column = 0; // 0-based
};

// The tokens in order. It grows geometrically, so that a long input stays linear.
class TokenContainer {
public:
    using const_iterator = std::vector<Token>::const_iterator;

    TokenContainer() { m_tokens.reserve(100); }
    virtual ~TokenContainer() = default;

    void Add(Token token) { m_tokens.push_back(std::move(token)); }
    void Clear() { m_tokens.clear(); }
    std::size_t GetSize() const { return m_tokens.size(); }
    const Token& operator[](std::size_t i) const { return m_tokens[i]; }
    const_iterator begin() const { return m_tokens.begin(); }
    const_iterator end() const { return m_tokens.end(); }

private:
    std::vector<Token> m_tokens;
};

class LexicalAnalysis {
public:
    // Character classes.
    static constexpr std::uint8_t kClassWhite = 1;
    static constexpr std::uint8_t kClassDigit = 2;
    static constexpr std::uint8_t kClassWord = 8;
    static constexpr std::uint8_t kClassNumber = 16;
    static constexpr std::uint8_t kClassQuote = 32;
    static constexpr std::uint8_t kClassComment = 64;

    LexicalAnalysis();
    virtual ~LexicalAnalysis() = default;

    void AddKeyword(const std::string& word);
    void AddKeywords(const std::vector<std::string>& words);
    void AddSymbol(const std::string& symbol);
    void AddSymbols(const std::vector<std::string>& symbols);

    // Tokenizes the bytes into container (which is emptied first); the number of error tokens.
    int Tokenize(const char* data, std::size_t length, TokenContainer& container);
    int Tokenize(std::string_view text, TokenContainer& container) {
        return Tokenize(text.data(), text.size(), container);
    }
    // The next token of the input set by Tokenize.
    Token GetNextToken();

    bool m_bReportLineEnds = false;
    bool m_bKeepWhiteSpace = false;

private:
    std::uint8_t ClassOf(std::size_t pos) const { return m_classes[static_cast<unsigned char>(m_pData[pos])]; }
    bool At(std::size_t pos, char c) const { return pos < m_nLength && m_pData[pos] == c; }
    bool SkipComment();
    Token ReadNumber();
    bool IsKeyword(std::string_view word) const;
    bool IsSymbol(std::string_view text) const;

    std::vector<std::string> m_keywords;
    std::vector<std::string> m_symbols;
    std::uint8_t m_classes[256] = {};
    const char* m_pData = nullptr;
    std::size_t m_nLength = 0;
    std::size_t m_nPos = 0;
    int m_nLine = 0;
    int m_nColumn = 0;
};

// The token readers. Each takes the current position in a token list and the
// list's end; on success it moves past what it read. With report set, a
// failure is recorded in the error container of common.
namespace tokenreader {
using Iterator = TokenContainer::const_iterator;

bool ExpectKeyword(Iterator& pos, Iterator end, std::string_view word, bool report);
// Symbols are optional: false only at the end.
bool SkipSymbol(Iterator& pos, Iterator end, std::string_view symbol, bool report);
bool ReadString(Iterator& pos, Iterator end, std::string& value, bool report);
bool ReadInteger(Iterator& pos, Iterator end, int& value, bool report);
// Numbers separated by ","; with required not 0, exactly that many.
bool ReadNumberList(Iterator& pos, Iterator end, std::vector<double>& values, int required, bool report);

double AsReal(const Token& token);
int AsInteger(const Token& token);
double AsNumber(const Token& token);
} // namespace tokenreader
