#include "app/messages/DocumentItemParser.h"
#include "app/messages/LexicalAnalysis.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace tokenkind;

struct Expected {
    int kind;
    std::string text;
};

std::vector<Expected> tokensOf(std::string_view input, int* errors = nullptr) {
    LexicalAnalysis lexer;
    DocumentItemParser::Prepare(lexer);
    TokenContainer tokens;
    const int n = lexer.Tokenize(input.data(), input.size(), tokens);
    if (errors) *errors = n;
    std::vector<Expected> out;
    for (const Token& t : tokens)
        out.push_back({t.kind, t.text});
    return out;
}

TEST(LexicalAnalysisTest, TokensOfInputs) {
    struct Case {
        std::string input;
        std::vector<Expected> tokens;
    } cases[] = {
        {"VERSION = 100", {{kKeyword, "VERSION"}, {kSymbol, "="}, {kInteger, "100"}}},
        {"1e5 -7 +3 2.5 .5 1.", {{kReal, "1e5"}, {kInteger, "-7"}, {kInteger, "+3"}, {kReal, "2.5"}, {kReal, ".5"},
                                 {kReal, "1."}}},
        {"1E-3 2e+4", {{kReal, "1E-3"}, {kReal, "2e+4"}}},
        {"e5 Title_2 _x", {{kIdentifier, "e5"}, {kIdentifier, "Title_2"}, {kIdentifier, "_x"}}},
        {"\"a\"\"b\"\"\"", {{kString, "a\"b\""}}},
        {"\"\"", {{kString, ""}}},
        {"// comment\nEND /* block\n */ END", {{kKeyword, "END"}, {kKeyword, "END"}}},
        {"2:0, 0:5", {{kInteger, "2"}, {kSymbol, ":"}, {kInteger, "0"}, {kSymbol, ","}, {kInteger, "0"},
                      {kSymbol, ":"}, {kInteger, "5"}}},
        {"version", {{kIdentifier, "version"}}},
    };
    for (const Case& c : cases) {
        int errors = -1;
        std::vector<Expected> got = tokensOf(c.input, &errors);
        ASSERT_FALSE(got.empty());
        EXPECT_EQ(got.back().kind, kEndOfInput);
        EXPECT_EQ(got.back().text, "End of file");
        got.pop_back();
        EXPECT_EQ(errors, 0) << c.input;
        ASSERT_EQ(got.size(), c.tokens.size()) << c.input;
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].kind, c.tokens[i].kind) << c.input << " token " << i;
            EXPECT_EQ(got[i].text, c.tokens[i].text) << c.input << " token " << i;
        }
    }
}

// Inputs that must give an error token, never a read outside the input or a throw.
TEST(LexicalAnalysisTest, FaultyInputsGiveErrorTokens) {
    struct Case {
        std::string input;
        std::string errorStart;
    } cases[] = {
        {"1.2.3", "Invalid number ("},
        {"1e2e3", "Invalid number ("},
        {"-", "Invalid number ("},
        {".", "Invalid number ("},
        {"1e", "Invalid number ("},
        {"1e+", "Invalid number ("},
        {"+-1", "Invalid number ("},
        {"12345678901234567890", "Invalid number ("},
        {"2147483648", "Invalid number ("},
        {"1e999", "Invalid number ("},
        {"\"open", "EOF before the ending quote"},
        {"\"open\nline\"", "EOL before the ending quote"},
        {"/", "Unknown character sequence (/)"},
        {"x /", "Unknown character sequence (/)"},
        {"\xc3\xa9t\xc3\xa9", "Unknown character sequence ("},
        {"\x80", "Unknown character sequence ("},
        {"\xff=", "Unknown character sequence ("},
        {"#", "Unknown character sequence (#)"},
    };
    for (const Case& c : cases) {
        int errors = 0;
        const std::vector<Expected> got = tokensOf(c.input, &errors);
        EXPECT_GE(errors, 1) << c.input;
        bool found = false;
        for (const Expected& t : got)
            if (t.kind == kError && t.text.rfind(c.errorStart, 0) == 0) found = true;
        EXPECT_TRUE(found) << c.input;
    }
}

TEST(LexicalAnalysisTest, EdgesOfTheInputAreSafe) {
    // Look-aheads at the last byte, NUL as white space, comments that never end.
    for (std::string input : {std::string("/*"), std::string("/* open"), std::string("*"), std::string("\"\""),
                              std::string("\"a\"\""), std::string("//"), std::string("END*/"),
                              std::string("\0END\0", 5), std::string()}) {
        // A copy of exactly its length, so that a read past the end is caught.
        std::vector<char> bytes(input.begin(), input.end());
        LexicalAnalysis lexer;
        DocumentItemParser::Prepare(lexer);
        TokenContainer tokens;
        lexer.Tokenize(bytes.data(), bytes.size(), tokens);
        ASSERT_GE(tokens.GetSize(), 1u);
        EXPECT_EQ(tokens[tokens.GetSize() - 1].kind, kEndOfInput);
    }
    EXPECT_EQ(tokensOf(std::string("\0END\0", 5)).front().text, "END");
    EXPECT_EQ(tokensOf("\"a\"\"").front().kind, kError);
}

TEST(LexicalAnalysisTest, LongStringStaysWhole) {
    const std::string body(1 << 20, 'x');
    const std::vector<Expected> got = tokensOf("\"" + body + "\"");
    ASSERT_EQ(got.size(), 2u);
    EXPECT_EQ(got[0].kind, kString);
    EXPECT_EQ(got[0].text.size(), body.size());
}

TEST(LexicalAnalysisTest, TokensKnowWhereTheyBegan) {
    LexicalAnalysis lexer;
    DocumentItemParser::Prepare(lexer);
    TokenContainer tokens;
    lexer.Tokenize("END\r\n  \"x\" /* a\nb */ 5", tokens);
    ASSERT_EQ(tokens.GetSize(), 4u);
    EXPECT_EQ(tokens[0].line, 0);
    EXPECT_EQ(tokens[0].column, 0);
    EXPECT_EQ(tokens[1].line, 1);
    EXPECT_EQ(tokens[1].column, 2);
    EXPECT_EQ(tokens[2].line, 2);
    EXPECT_EQ(tokens[2].column, 5);
}

TEST(LexicalAnalysisTest, LineEndsAndWhiteSpaceWhenAsked) {
    LexicalAnalysis lexer;
    lexer.m_bReportLineEnds = true;
    lexer.m_bKeepWhiteSpace = true;
    TokenContainer tokens;
    lexer.Tokenize("a  b\nc", tokens);
    std::vector<int> kinds;
    for (const Token& t : tokens)
        kinds.push_back(t.kind);
    EXPECT_EQ(kinds, (std::vector<int>{kIdentifier, kWhiteSpace, kIdentifier, kEndOfLine, kIdentifier, kEndOfInput}));
}

TEST(LexicalAnalysisTest, NumberListReadsSeparatedNumbers) {
    LexicalAnalysis lexer;
    DocumentItemParser::Prepare(lexer);
    TokenContainer tokens;
    lexer.Tokenize("1, 2.5 ,3 4", tokens);
    auto pos = tokens.begin();
    std::vector<double> values;
    EXPECT_TRUE(tokenreader::ReadNumberList(pos, tokens.end(), values, 0, false));
    EXPECT_EQ(values, (std::vector<double>{1, 2.5, 3}));
    EXPECT_EQ(pos->text, "4");
    pos = tokens.begin();
    EXPECT_FALSE(tokenreader::ReadNumberList(pos, tokens.end(), values, 2, false));
}

} // namespace
