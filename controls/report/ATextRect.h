#pragma once
// The text block of a report: a string with inline commands that switch font,
// size and attributes and break lines, laid out in lines of a given width,
// drawn line by line and split between pages at line boundaries.
//
// Markup: "@{F:face,size}" and "@{F:face,size,attrs}" (face "D" default, "C"
// current; size in tenths of a point, "D" or "C"); "@{A:attrs}" with the
// letters B, I, U, S (on) and R (all off); "@{N}", "@{N:n}", "@{S}", "@{S:n}"
// end the line, n units further down; "@@" is one "@".
#include "controls/report/ADrawRect.h"
#include "platform/core/CString.h"
#include "platform/core/WinTypes.h"

#include <string>
#include <vector>

class ATextRect : public ADrawRect {
public:
    enum JustifyType { left = 0, right = 1, left2 = 2, center = 3 };

    // The font state of the text: face, size in tenths of a point, attributes.
    struct FontState {
        CString face;
        int size = 0;
        bool italic = false;
        bool underline = false;
        bool strikeOut = false;
        bool bold = false;
        bool operator==(const FontState&) const = default;
    };

    struct Line {
        int start = 0;     // index in the text
        int freeWidth = 0; // width left free at the line's end
        int height = 0;    // the line's largest line space
        int advance = 0;   // from this line's top to the next line's top
        int baseline = 0;  // from the block's top, growing downwards
        FontState font;    // in force at the line's start
    };

    ATextRect() = default;
    explicit ATextRect(const CString& text) : m_text(text) {}
    ATextRect(const ATextRect&) = default;
    ATextRect& operator=(const ATextRect&) = default;
    ~ATextRect() override;

    void Add(const CString& text);
    const CString& GetText() const { return m_text; }
    bool IsEmpty() const { return m_text.empty(); }
    // Empties the text and the lines; clears the lock.
    void Clear();
    void Lock(bool on) { m_locked = on; }
    bool IsLocked() const { return m_locked; }
    void SetDefaultFont(const CString& face, int size);
    const FontState& GetDefaultFont() const { return m_defaultFont; }
    void SetDefaultCharSet(BYTE charSet) { m_charSet = charSet; }
    BYTE GetDefaultCharSet() const { return m_charSet; }
    void SetJustify(JustifyType justify) { m_justify = justify; }
    JustifyType GetJustify() const { return m_justify; }
    void SetAvailableWidth(int width);
    int GetAvailableWidth() const { return m_availableWidth; }
    // The settings of other (default font, width, justification, character
    // set), locked, without its text.
    void PartialCopy(const ATextRect& other);
    // The font state in force where the text starts.
    void SetStartFont(const FontState& font);

    void CalcLineBreaks(CDC* dc);
    // Gives laid-out lines a new width without breaking them again, where that
    // gives the same lines; false when the text must be broken anew.
    bool Rewidth(int width);
    const std::vector<Line>& GetLines() const { return m_lines; }
    bool AreLineBreaksValid() const { return m_lineBreaksValid; }

    CSize GetSize(CDC* dc) override;
    bool Draw(CDC* dc, CPoint p) const override;
    int AllowBreak(int height) override;
    bool BreakAt(int height, ADrawRect*& first, ADrawRect*& rest) override;
    void BeforeLayout(CDC* dc, APrintManager* composer) override;

    // The text with every "@" doubled, so that it prints as it stands.
    static CString Escape(const CString& plain);

private:
    const FontState& initialFont() const { return m_useStartFont ? m_startFont : m_defaultFont; }

    CString m_text;
    bool m_locked = false;
    bool m_lineBreaksValid = false;
    bool m_widthBreaks = false; // a line was closed because a word did not fit
    JustifyType m_justify = left;
    std::vector<Line> m_lines;
    FontState m_defaultFont;
    FontState m_startFont;
    bool m_useStartFont = false;
    int m_availableWidth = 0;
    BYTE m_charSet = 255;
};
