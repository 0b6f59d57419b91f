#include "controls/report/ATextRect.h"

#include "controls/report/APaper.h"
#include "controls/report/APrintManager.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CGdiObject.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <string_view>
#include <tuple>

namespace {

// One piece of the text: a word (up to and including the blanks after it), a
// command, or the end of the text.
struct Token {
    enum Kind { Word, Command, End };
    Kind kind = End;
    std::size_t begin = 0;
    std::size_t end = 0;
    char letter = 0;       // the command's letter; 0 for a command that does nothing
    std::string_view args; // the command's arguments after "letter:"
};

// The token at pos. Line breaking and drawing both read the text through this,
// so that they always agree on where words and commands are.
Token scan(std::string_view t, std::size_t pos) {
    Token k;
    k.begin = pos;
    if (pos >= t.size()) {
        k.end = t.size();
        return k;
    }
    if (t[pos] == '@' && !(pos + 1 < t.size() && t[pos + 1] == '@')) {
        k.kind = Token::Command;
        if (pos + 1 < t.size() && t[pos + 1] == '{') {
            const std::size_t close = t.find('}', pos + 2);
            if (close == std::string_view::npos) {
                // An unclosed command ends the text.
                k.kind = Token::End;
                k.end = t.size();
                return k;
            }
            const std::string_view content = t.substr(pos + 2, close - pos - 2);
            if (!content.empty()) k.letter = content[0];
            // The character after the letter (written ":") is skipped unchecked.
            if (content.size() > 2) k.args = content.substr(2);
            k.end = close + 1;
        } else {
            // "@" and the next two characters are skipped, never past the end.
            k.end = std::min(pos + 3, t.size());
        }
        return k;
    }
    k.kind = Token::Word;
    std::size_t i = pos;
    while (i < t.size() && t[i] != ' ') {
        if (t[i] == '@') {
            if (i + 1 < t.size() && t[i + 1] == '@') {
                i += 2;
                continue;
            }
            break; // a command follows
        }
        ++i;
    }
    if (i < t.size() && t[i] == ' ')
        while (i < t.size() && t[i] == ' ')
            ++i;
    k.end = i;
    return k;
}

// The word as printed ("@@" is one "@"), and its length without the trailing blanks.
std::string wordText(std::string_view word, std::size_t* withoutBlanks) {
    std::string out;
    out.reserve(word.size());
    for (std::size_t i = 0; i < word.size(); ++i) {
        out += word[i];
        if (word[i] == '@' && i + 1 < word.size() && word[i + 1] == '@') ++i;
    }
    std::size_t n = out.size();
    while (n > 0 && out[n - 1] == ' ')
        --n;
    *withoutBlanks = n;
    return out;
}

void applyAttributes(ATextRect::FontState& f, std::string_view attrs) {
    for (char c : attrs) {
        switch (c) {
        case 'B':
            f.bold = true;
            break;
        case 'I':
            f.italic = true;
            break;
        case 'U':
            f.underline = true;
            break;
        case 'S':
            f.strikeOut = true;
            break;
        case 'R':
            f.bold = f.italic = f.underline = f.strikeOut = false;
            break;
        default:
            return;
        }
    }
}

// Applies a font or attribute command; true for a line command, with its extra distance.
bool applyCommand(const Token& k, ATextRect::FontState& f, const ATextRect::FontState& def, int* extra) {
    switch (k.letter) {
    case 'F': {
        const std::size_t comma = k.args.find(',');
        if (comma == std::string_view::npos) return false;
        const std::string_view face = k.args.substr(0, comma);
        std::string_view rest = k.args.substr(comma + 1);
        const std::size_t comma2 = rest.find(',');
        const std::string_view size = rest.substr(0, comma2);
        if (face == "D")
            f.face = def.face;
        else if (face != "C")
            f.face = CString(std::string(face));
        if (size == "D")
            f.size = def.size;
        else if (size != "C")
            f.size = std::atoi(std::string(size).c_str());
        if (comma2 != std::string_view::npos) applyAttributes(f, rest.substr(comma2 + 1));
        return false;
    }
    case 'A':
        applyAttributes(f, k.args);
        return false;
    case 'N':
    case 'S':
        *extra = std::atoi(std::string(k.args).c_str());
        return true;
    default:
        return false;
    }
}

// The fonts of the reports: one font object per font state and device scale,
// kept for the whole run, so that neither a word nor a cell makes its own.
class FontSet {
public:
    struct Metrics {
        int ascent = 0; // ascent + external leading
        int space = 0;  // height + external leading
        int blank = 0;  // width of one blank
    };

    FontSet(CDC* dc, BYTE charSet) : m_dc(dc), m_charSet(charSet) {
        // Point fonts depend on the device's resolution and the mapping's vertical scale.
        const CSize we = dc->GetWindowExt(), ve = dc->GetViewportExt();
        m_scale =
            dc->GetDeviceCaps(LOGPIXELSY) * (ve.cy != 0 ? std::abs(static_cast<double>(we.cy) / ve.cy) : 1.0);
    }
    ~FontSet() {
        if (m_original) m_dc->SelectObject(m_original);
    }

    const Metrics& select(const ATextRect::FontState& state) {
        if (m_current && m_current->state == state) return m_current->metrics;
        Key key{state, m_charSet, m_scale};
        auto it = cache().find(key);
        if (it == cache().end()) {
            auto entry = std::make_unique<Entry>();
            entry->state = state;
            LOGFONT lf;
            lf.lfHeight = state.size > 0 ? state.size : 100;
            lf.lfWeight = state.bold ? 700 : 400;
            lf.lfItalic = state.italic;
            lf.lfUnderline = state.underline;
            lf.lfStrikeOut = state.strikeOut;
            lf.lfCharSet = m_charSet;
            lf.SetFaceName(state.face);
            entry->font.CreatePointFontIndirect(&lf, m_dc);
            it = cache().emplace(key, std::move(entry)).first;
            use(*it->second);
            TEXTMETRIC tm;
            m_dc->GetTextMetrics(&tm);
            it->second->metrics = {static_cast<int>(tm.tmAscent + tm.tmExternalLeading),
                                   static_cast<int>(tm.tmHeight + tm.tmExternalLeading),
                                   static_cast<int>(m_dc->GetTextExtent(" ").cx)};
        } else {
            use(*it->second);
        }
        return m_current->metrics;
    }

private:
    struct Entry {
        ATextRect::FontState state;
        CFont font;
        Metrics metrics;
    };
    struct Key {
        ATextRect::FontState state;
        BYTE charSet;
        double scale;
        bool operator<(const Key& o) const {
            return std::tie(state.face, state.size, state.italic, state.underline, state.strikeOut,
                            state.bold, charSet, scale) < std::tie(o.state.face, o.state.size, o.state.italic,
                                                                   o.state.underline, o.state.strikeOut,
                                                                   o.state.bold, o.charSet, o.scale);
        }
    };
    static std::map<Key, std::unique_ptr<Entry>>& cache() {
        static std::map<Key, std::unique_ptr<Entry>> fonts;
        return fonts;
    }
    void use(Entry& e) {
        CFont* previous = m_dc->SelectObject(&e.font);
        if (!m_original) m_original = previous;
        m_current = &e;
    }

    CDC* m_dc;
    BYTE m_charSet;
    double m_scale = 1.0;
    Entry* m_current = nullptr;
    CFont* m_original = nullptr;
};

} // namespace

ATextRect::~ATextRect() = default;

void ATextRect::Add(const CString& text) {
    m_text += text;
    m_lineBreaksValid = false;
}

void ATextRect::Clear() {
    m_text.clear();
    m_lines.clear();
    m_locked = false;
    m_lineBreaksValid = false;
}

void ATextRect::SetDefaultFont(const CString& face, int size) {
    if (m_defaultFont.face == face && m_defaultFont.size == size) return;
    m_defaultFont.face = face;
    m_defaultFont.size = size;
    m_lineBreaksValid = false;
}

void ATextRect::SetAvailableWidth(int width) {
    if (m_availableWidth == width) return;
    m_availableWidth = width;
    m_lineBreaksValid = false;
}

void ATextRect::PartialCopy(const ATextRect& other) {
    m_defaultFont = other.m_defaultFont;
    m_availableWidth = other.m_availableWidth;
    m_justify = other.m_justify;
    m_charSet = other.m_charSet;
    m_useStartFont = false;
    m_locked = true;
    m_lineBreaksValid = false;
}

bool ATextRect::Rewidth(int width) {
    if (!m_lineBreaksValid || m_widthBreaks) return false;
    for (const Line& l : m_lines)
        if (m_availableWidth - l.freeWidth > width) return false;
    // Nothing broke for want of width, and every line fits: the same lines, more room at their ends.
    for (Line& l : m_lines)
        l.freeWidth += width - m_availableWidth;
    m_availableWidth = width;
    return true;
}

void ATextRect::SetStartFont(const FontState& font) {
    m_startFont = font;
    m_useStartFont = true;
    m_lineBreaksValid = false;
}

CString ATextRect::Escape(const CString& plain) {
    CString out;
    out.reserve(plain.size());
    for (char c : plain) {
        out += c;
        if (c == '@') out += '@';
    }
    return out;
}

void ATextRect::CalcLineBreaks(CDC* dc) {
    FontState current = initialFont();
    FontSet fonts(dc, m_charSet);
    m_lines.clear();
    m_widthBreaks = false;
    const int width = m_availableWidth;
    int free = width;
    int y = 0;
    int ascent = 0, space = 0;
    int trailing = 0; // blanks after the line's last word
    bool lineHasWords = false;
    Line line;
    line.start = 0;
    line.baseline = 0;
    line.font = current;

    auto closeLine = [&](std::size_t nextStart, int extra) {
        line.freeWidth = free + trailing;
        line.baseline = y + ascent;
        line.height = space;
        line.advance = space + extra;
        m_lines.push_back(line);
        y += space + extra;
        line = Line();
        line.start = static_cast<int>(nextStart);
        line.baseline = y;
        line.font = current;
        free = width;
        const FontSet::Metrics& m = fonts.select(current);
        ascent = m.ascent;
        space = m.space;
        trailing = 0;
        lineHasWords = false;
    };

    const std::string_view text = m_text;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const Token k = scan(text, pos);
        if (k.kind == Token::End) break;
        if (k.kind == Token::Command) {
            int extra = 0;
            if (applyCommand(k, current, m_defaultFont, &extra)) closeLine(k.end, extra);
            pos = k.end;
            continue;
        }
        std::size_t visible;
        const std::string word = wordText(text.substr(k.begin, k.end - k.begin), &visible);
        const FontSet::Metrics& m = fonts.select(current);
        const int w = dc->GetTextExtent(word).cx;
        const int wVisible =
            visible == word.size() ? w : dc->GetTextExtent(std::string_view(word).substr(0, visible)).cx;
        // A word that does not fit the free width starts a new line; one wider
        // than the whole width still gets a line of its own, so that the
        // breaking always advances. Blanks at a line's end take no room.
        if (lineHasWords && wVisible > free) {
            closeLine(k.begin, 0);
            m_widthBreaks = true;
        }
        ascent = std::max(ascent, m.ascent);
        space = std::max(space, m.space);
        free -= w;
        trailing = w - wVisible;
        lineHasWords = true;
        pos = k.end;
    }
    // The last line.
    line.freeWidth = free + trailing;
    line.baseline = y + ascent;
    line.height = space;
    line.advance = space;
    m_lines.push_back(line);
    m_lineBreaksValid = true;
}

CSize ATextRect::GetSize(CDC* dc) {
    if (!m_lineBreaksValid) {
        if (m_availableWidth == 0) m_availableWidth = 1500;
        CalcLineBreaks(dc);
    }
    int width = 0;
    for (const Line& l : m_lines)
        width = std::max(width, m_availableWidth - l.freeWidth);
    const int height = m_lines.empty() ? 0 : m_lines.back().baseline;
    return CSize(width, -height);
}

bool ATextRect::Draw(CDC* dc, CPoint p) const {
    if (!m_lineBreaksValid) return false;
    FontState current = initialFont();
    const int oldMode = dc->SetBkMode(TRANSPARENT);
    const UINT oldAlign = dc->SetTextAlign(TA_BASELINE | TA_UPDATECP);
    {
        FontSet fonts(dc, m_charSet);
        const std::string_view text = m_text;
        for (std::size_t i = 0; i < m_lines.size(); ++i) {
            const Line& l = m_lines[i];
            const std::size_t end =
                i + 1 < m_lines.size() ? static_cast<std::size_t>(m_lines[i + 1].start) : text.size();
            int offset = 0;
            if (m_justify == right)
                offset = l.freeWidth;
            else if (m_justify == center)
                offset = l.freeWidth / 2;
            dc->MoveTo(p.x + offset, p.y - l.baseline);
            std::size_t pos = static_cast<std::size_t>(l.start);
            while (pos < end) {
                const Token k = scan(text, pos);
                if (k.kind == Token::End) break;
                if (k.kind == Token::Command) {
                    int extra;
                    applyCommand(k, current, m_defaultFont, &extra);
                } else {
                    std::size_t visible;
                    const std::string word = wordText(text.substr(k.begin, k.end - k.begin), &visible);
                    fonts.select(current);
                    dc->TextOut(0, 0, word);
                }
                pos = k.end;
            }
        }
    }
    dc->SetTextAlign(oldAlign);
    dc->SetBkMode(oldMode);
    return true;
}

int ATextRect::AllowBreak(int height) {
    if (m_lines.size() < 2) return 0;
    const int room = std::abs(height);
    int sum = 0;
    for (const Line& l : m_lines) {
        if (sum + l.advance > room) break;
        sum += l.advance;
    }
    return sum;
}

bool ATextRect::BreakAt(int height, ADrawRect*& first, ADrawRect*& rest) {
    first = nullptr;
    rest = nullptr;
    if (height <= 0) return false;
    int sum = 0;
    for (std::size_t n = 0; n + 1 < m_lines.size(); ++n) {
        sum += m_lines[n].advance;
        if (sum > height) return false;
        if (sum < height) continue;
        const Line& next = m_lines[n + 1];
        auto* a = new ATextRect;
        a->PartialCopy(*this);
        a->m_text = m_text.substr(0, static_cast<std::size_t>(next.start));
        // The first piece starts where this block starts, in its start font.
        a->m_startFont = m_startFont;
        a->m_useStartFont = m_useStartFont;
        auto* b = new ATextRect;
        b->PartialCopy(*this);
        b->m_text = m_text.substr(static_cast<std::size_t>(next.start));
        b->SetStartFont(next.font);
        first = a;
        rest = b;
        return true;
    }
    return false;
}

void ATextRect::BeforeLayout(CDC* dc, APrintManager* composer) {
    if (composer) {
        if (m_charSet == 255) m_charSet = composer->GetDefaultCharSet();
        if (m_availableWidth == 0 && composer->GetPaper())
            m_availableWidth = composer->GetPaper()->Body(false).Width();
        if (m_defaultFont.face.empty()) m_defaultFont.face = composer->GetDefaultFontName();
        if (m_defaultFont.size == 0) m_defaultFont.size = composer->GetDefaultFontSize();
    }
    CalcLineBreaks(dc);
}
