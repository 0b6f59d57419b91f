#include "app/messages/ARtfReader.h"

#include "platform/core/CodePage.h"

#include <QTextCursor>
#include <QTextDocument>

#include <array>
#include <cctype>
#include <string>
#include <vector>

namespace {

struct State {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = 24;
    bool skip = false;   // a destination whose text is not shown
    int unicodeSkip = 1; // characters that stand in for each "\uN"
};

// The destinations whose contents are no text of the document.
bool isSkippedDestination(std::string_view word) {
    static constexpr std::array<std::string_view, 20> words = {
        "fonttbl", "colortbl", "stylesheet", "info",   "pict",     "object",    "header",
        "footer",  "headerl",  "headerr",    "footerl", "footerr", "footnote",  "listtable",
        "listoverridetable", "rsidtbl", "generator", "xmlnstbl", "themedata", "datastore"};
    for (std::string_view w : words)
        if (w == word) return true;
    return false;
}

class Reader {
public:
    Reader(std::string_view bytes, QTextDocument& document) : m_in(bytes), m_cursor(&document) {}

    void Run() {
        m_states.push_back(State());
        while (m_pos < m_in.size()) {
            const char c = m_in[m_pos++];
            if (c == '{') {
                Flush();
                ++m_depth;
                if (m_depth > ARtfReader::kMaxDepth) {
                    SkipGroup();
                    continue;
                }
                m_states.push_back(m_states.back());
                m_groupStart = true;
                continue;
            }
            if (c == '}') {
                Flush();
                if (m_depth > 0) {
                    --m_depth;
                    if (m_states.size() > 1) m_states.pop_back();
                }
                m_groupStart = false;
                continue;
            }
            if (c == '\\') {
                ControlSequence();
                m_groupStart = false;
                continue;
            }
            m_groupStart = false;
            if (c == '\r' || c == '\n') continue;
            AddByte(static_cast<unsigned char>(c));
        }
        Flush();
    }

private:
    State& state() { return m_states.back(); }

    // Skips to the end of the group just opened, counting nested braces and escapes.
    void SkipGroup() {
        int level = 1;
        while (m_pos < m_in.size() && level > 0) {
            const char c = m_in[m_pos++];
            if (c == '\\' && m_pos < m_in.size()) ++m_pos;
            else if (c == '{') ++level;
            else if (c == '}') --level;
        }
        --m_depth;
    }

    void ControlSequence() {
        if (m_pos >= m_in.size()) return;
        const char c = m_in[m_pos];
        if (!std::isalpha(static_cast<unsigned char>(c))) {
            ++m_pos;
            switch (c) {
            case '\'': {
                int value = 0;
                int digits = 0;
                while (digits < 2 && m_pos < m_in.size() && std::isxdigit(static_cast<unsigned char>(m_in[m_pos]))) {
                    const char h = m_in[m_pos++];
                    value = value * 16 + (std::isdigit(static_cast<unsigned char>(h)) ? h - '0' : (h | 0x20) - 'a' + 10);
                    ++digits;
                }
                if (m_pendingSkip > 0) {
                    --m_pendingSkip;
                    return;
                }
                if (digits == 2) AddByte(static_cast<unsigned char>(value));
                return;
            }
            case '*':
                // An optional destination that this reader does not know.
                state().skip = true;
                return;
            case '\\':
            case '{':
            case '}': AddByte(static_cast<unsigned char>(c)); return;
            case '~': AddChar(QChar(0x00A0)); return;
            case '-': return;
            case '_': AddChar(QChar(0x2011)); return;
            default: return;
            }
        }
        const std::size_t start = m_pos;
        while (m_pos < m_in.size() && std::isalpha(static_cast<unsigned char>(m_in[m_pos])) && m_pos - start < 32)
            ++m_pos;
        const std::string_view word = m_in.substr(start, m_pos - start);
        bool hasParameter = false;
        bool negative = false;
        long long parameter = 0;
        if (m_pos < m_in.size() && m_in[m_pos] == '-') {
            negative = true;
            ++m_pos;
        }
        int digits = 0;
        while (m_pos < m_in.size() && std::isdigit(static_cast<unsigned char>(m_in[m_pos]))) {
            if (digits < 10) parameter = parameter * 10 + (m_in[m_pos] - '0');
            ++digits;
            ++m_pos;
            hasParameter = true;
        }
        if (negative) parameter = -parameter;
        if (m_pos < m_in.size() && m_in[m_pos] == ' ') ++m_pos;
        Word(word, hasParameter, parameter);
    }

    void Word(std::string_view word, bool hasParameter, long long parameter) {
        if (word == "bin") {
            // Binary data: never text, and never longer than what is left.
            const std::size_t left = m_in.size() - m_pos;
            const std::size_t n = parameter > 0 ? static_cast<std::size_t>(parameter) : 0;
            m_pos += n < left ? n : left;
            return;
        }
        if (isSkippedDestination(word)) {
            state().skip = true;
            return;
        }
        if (word == "ansicpg" && hasParameter) {
            const std::string codePage = "CP" + std::to_string(parameter);
            if (codepage::isSupported(codePage)) m_codePage = codePage;
            return;
        }
        if (word == "u" && hasParameter) {
            long long code = parameter;
            if (code < 0) code += 65536;
            if (code >= 0 && code <= 0xFFFF) AddChar(QChar(static_cast<char16_t>(code)));
            m_pendingSkip = state().unicodeSkip;
            return;
        }
        if (word == "uc" && hasParameter) {
            state().unicodeSkip = parameter >= 0 && parameter < 10 ? static_cast<int>(parameter) : 1;
            return;
        }
        if (word == "par" || word == "sect" || word == "page") return Paragraph();
        if (word == "line") return AddChar(QChar(QChar::LineSeparator));
        if (word == "tab") return AddChar(QChar('\t'));
        if (word == "cell") return AddChar(QChar('\t'));
        if (word == "row") return Paragraph();
        if (word == "emdash") return AddChar(QChar(0x2014));
        if (word == "endash") return AddChar(QChar(0x2013));
        if (word == "bullet") return AddChar(QChar(0x2022));
        if (word == "lquote") return AddChar(QChar(0x2018));
        if (word == "rquote") return AddChar(QChar(0x2019));
        if (word == "ldblquote") return AddChar(QChar(0x201C));
        if (word == "rdblquote") return AddChar(QChar(0x201D));
        const bool on = !hasParameter || parameter != 0;
        if (word == "b") return Format([&] { state().bold = on; });
        if (word == "i") return Format([&] { state().italic = on; });
        if (word == "ul") return Format([&] { state().underline = on; });
        if (word == "ulnone") return Format([&] { state().underline = false; });
        if (word == "fs" && hasParameter && parameter > 0 && parameter < 2000)
            return Format([&] { state().halfPoints = static_cast<int>(parameter); });
        if (word == "plain")
            return Format([&] {
                state().bold = state().italic = state().underline = false;
                state().halfPoints = 24;
            });
    }

    template <class F> void Format(F change) {
        Flush();
        change();
    }

    void AddByte(unsigned char byte) {
        if (state().skip) return;
        if (m_pendingSkip > 0) {
            --m_pendingSkip;
            return;
        }
        m_bytes += static_cast<char>(byte);
    }

    void AddChar(QChar c) {
        if (state().skip) return;
        FlushBytes();
        m_text += c;
    }

    void Paragraph() {
        if (state().skip) return;
        Flush();
        m_cursor.insertBlock();
    }

    // The bytes collected so far, in the file's code page, then the text.
    void Flush() {
        FlushBytes();
        FlushText();
    }

    void FlushBytes() {
        if (m_bytes.empty()) return;
        m_text += QString::fromStdString(codepage::toUtf8(m_bytes, m_codePage));
        m_bytes.clear();
    }

    void FlushText() {
        if (m_text.isEmpty()) return;
        QTextCharFormat format;
        const State& s = m_states.back();
        format.setFontWeight(s.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(s.italic);
        format.setFontUnderline(s.underline);
        format.setFontPointSize(s.halfPoints / 2.0);
        m_cursor.insertText(m_text, format);
        m_text.clear();
    }

    std::string_view m_in;
    std::size_t m_pos = 0;
    int m_depth = 0;
    bool m_groupStart = false;
    int m_pendingSkip = 0;
    std::vector<State> m_states;
    std::string m_codePage = "CP1252";
    std::string m_bytes;
    QString m_text;
    QTextCursor m_cursor;
};

} // namespace

bool ARtfReader::Read(std::string_view bytes, QTextDocument& document) {
    document.clear();
    if (bytes.substr(0, 5) != "{\\rtf") return false;
    Reader reader(bytes, document);
    reader.Run();
    return true;
}

QString ARtfReader::PlainText(std::string_view bytes) {
    QTextDocument document;
    Read(bytes, document);
    return document.toPlainText();
}

QByteArray ARtfReader::FromPlainText(const QString& text) {
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}}\\uc1\\f0\\fs20 ";
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '\n' || u == QChar::ParagraphSeparator) out += "\\par\n";
        else if (u == QChar::LineSeparator) out += "\\line ";
        else if (u == '\\' || u == '{' || u == '}') out += '\\', out += static_cast<char>(u);
        else if (u == '\t') out += "\\tab ";
        else if (u < 0x20) continue;
        else if (u < 0x80) out += static_cast<char>(u);
        else out += "\\u" + QByteArray::number(static_cast<short>(u)) + "?";
    }
    out += "}";
    return out;
}
