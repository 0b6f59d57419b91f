// The report's text block: its markup, line breaking, justification and splitting,
// checked on the calls it records into a display list.
#include "controls/report/ATextRect.h"

#include "platform/gdi/CMetaFile.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// A recording context in the report's mapping (0.1 mm, y up) at 600 dpi.
std::unique_ptr<CMetaFileDC> reportDC() {
    auto dc = std::make_unique<CMetaFileDC>(nullptr);
    dc->SetMapMode(MM_LOMETRIC);
    return dc;
}

struct Output {
    std::string text;
    int y;        // baseline of the line it is on
    LOGFONT font; // the font selected when it was written
};

// The words a drawing wrote, each with the baseline of its line and its font.
std::vector<Output> drawn(const ATextRect& t, CPoint at = CPoint(0, 0)) {
    auto dc = reportDC();
    t.Draw(dc.get(), at);
    std::vector<Output> out;
    int y = 0;
    LOGFONT font;
    const CMetaFile file = dc->Close();
    for (const CMetaRecord& r : file.Records()) {
        if (r.type == CMetaRecord::Type::moveTo) y = r.points.at(0).y;
        if (r.type == CMetaRecord::Type::selectFont) font = r.font;
        if (r.type == CMetaRecord::Type::textOut) out.push_back({r.text, y, font});
    }
    return out;
}

std::string joined(const std::vector<Output>& words) {
    std::string s;
    for (const Output& w : words)
        s += w.text;
    return s;
}

ATextRect laidOut(const std::string& markup, int width = 1500) {
    ATextRect t(markup);
    t.SetDefaultFont("DejaVu Sans", 100);
    t.SetAvailableWidth(width);
    auto dc = reportDC();
    t.CalcLineBreaks(dc.get());
    return t;
}

} // namespace

TEST(ATextRect, MarkupCommandsAndTheirEdges) {
    struct Case {
        const char* markup;
        const char* printed;
        std::size_t lines;
    };
    const Case cases[] = {
        {"a@@b c", "a@b c", 1},
        {"@{F:D,C,B}bold", "bold", 1},
        {"@{A:BX I}x", "x", 1},
        {"one@{N}two", "onetwo", 2},
        {"one@{S}two", "onetwo", 2},
        {"one@{N:40}two", "onetwo", 2},
        {"ab@", "ab", 1},                // a lone "@" at the end reads nothing beyond the text
        {"ab@x", "ab", 1},               // "@x" skips itself and what follows, up to the end
        {"ab@xyzcd", "abzcd", 1},        // ... the two characters after the "@"
        {"ab@{F:x", "ab", 1},            // an unclosed command ends the text
        {"@{Q:ignored}q", "q", 1},       // an unknown command does nothing
        {"@{F:Serif}plain", "plain", 1}, // a font command without a size does nothing
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.markup);
        ATextRect t = laidOut(c.markup);
        EXPECT_EQ(t.GetLines().size(), c.lines);
        EXPECT_EQ(joined(drawn(t)), c.printed);
    }
}

TEST(ATextRect, FontCommandsCarryOverAndAttributeRunsStopAtAnUnknownLetter) {
    ATextRect t = laidOut("@{F:Serif,120,I}a @{F:D,C,B}b @{A:R}c @{A:BX I}d @{F:C,D}e");
    const auto words = drawn(t);
    ASSERT_EQ(words.size(), 5u);
    EXPECT_STREQ(words[0].font.lfFaceName, "Serif");
    EXPECT_TRUE(words[0].font.lfItalic);
    EXPECT_STREQ(words[1].font.lfFaceName, "DejaVu Sans");     // default face
    EXPECT_EQ(words[1].font.lfHeight, words[0].font.lfHeight); // size kept
    EXPECT_EQ(words[1].font.lfWeight, 700);
    EXPECT_TRUE(words[1].font.lfItalic);
    EXPECT_EQ(words[2].font.lfWeight, 400);
    EXPECT_FALSE(words[2].font.lfItalic);
    EXPECT_EQ(words[3].font.lfWeight, 700);
    EXPECT_FALSE(words[3].font.lfItalic);                                          // the run ended at "X"
    EXPECT_LT(std::abs(words[4].font.lfHeight), std::abs(words[3].font.lfHeight)); // back to 10 pt
}

TEST(ATextRect, LineCommandsAddTheirExtraDistance) {
    ATextRect plain = laidOut("one@{N}two");
    ATextRect spaced = laidOut("one@{N:40}two");
    const int step = plain.GetLines()[1].baseline - plain.GetLines()[0].baseline;
    EXPECT_GT(step, 0);
    EXPECT_EQ(spaced.GetLines()[1].baseline - spaced.GetLines()[0].baseline, step + 40);
    const auto words = drawn(spaced, CPoint(100, -200));
    ASSERT_EQ(words.size(), 2u);
    EXPECT_EQ(words[0].y, -200 - spaced.GetLines()[0].baseline);
    EXPECT_EQ(words[1].y - words[0].y, -(step + 40)); // y grows upwards
}

TEST(ATextRect, WordsWrapAndAnOverlongWordGetsALineOfItsOwn) {
    auto dc = reportDC();
    ATextRect t("short averyveryveryverylongwordthatcannotfit tail");
    t.SetDefaultFont("DejaVu Sans", 100);
    t.SetAvailableWidth(200);
    t.CalcLineBreaks(dc.get());
    const auto words = drawn(t);
    ASSERT_EQ(t.GetLines().size(), 3u);
    EXPECT_EQ(words[0].text, "short ");
    EXPECT_EQ(words[1].text, "averyveryveryverylongwordthatcannotfit ");
    EXPECT_EQ(words[2].text, "tail");
    EXPECT_LT(t.GetLines()[1].freeWidth, 0); // it overflows, and the text goes on
}

TEST(ATextRect, ARightJustifiedLineEndsFlushWithTheWidth) {
    auto dc = reportDC();
    ATextRect t("flush right ");
    t.SetDefaultFont("DejaVu Sans", 100);
    t.SetAvailableWidth(1000);
    t.SetJustify(ATextRect::right);
    t.CalcLineBreaks(dc.get());
    CFont font;
    LOGFONT lf;
    lf.lfHeight = 100;
    lf.lfWeight = 400;
    lf.SetFaceName("DejaVu Sans");
    font.CreatePointFontIndirect(&lf, dc.get());
    dc->SelectObject(&font);
    const int visible = dc->GetTextExtent("flush right").cx;
    EXPECT_EQ(t.GetLines()[0].freeWidth + visible, 1000);
}

TEST(ATextRect, ASingleLineCannotBeSplitAndLinesSplitAtTheirBoundaries) {
    ATextRect one = laidOut("all on one line");
    EXPECT_EQ(one.AllowBreak(-10000), 0);

    ATextRect t = laidOut("first@{N:30}second@{N}third@{N}fourth");
    ASSERT_EQ(t.GetLines().size(), 4u);
    const auto& lines = t.GetLines();
    // Each line counts down to the next line's top, its extra distance included.
    const int two = lines[0].advance + lines[1].advance;
    EXPECT_EQ(lines[0].advance, lines[0].height + 30);
    EXPECT_EQ(t.AllowBreak(-(two + 5)), two);
    EXPECT_EQ(t.AllowBreak(-(two - 1)), lines[0].advance);

    ADrawRect *first = nullptr, *rest = nullptr;
    EXPECT_FALSE(t.BreakAt(two - 1, first, rest)); // not at a line boundary
    EXPECT_EQ(first, nullptr);
    ASSERT_TRUE(t.BreakAt(two, first, rest));
    std::unique_ptr<ADrawRect> a(first), b(rest);
    auto* ta = static_cast<ATextRect*>(first);
    auto* tb = static_cast<ATextRect*>(rest);
    EXPECT_TRUE(ta->IsLocked());
    EXPECT_TRUE(tb->IsLocked());
    auto dc = reportDC();
    ta->CalcLineBreaks(dc.get());
    tb->CalcLineBreaks(dc.get());
    EXPECT_EQ(joined(drawn(*ta)), "firstsecond");
    EXPECT_EQ(joined(drawn(*tb)), "thirdfourth");
}

TEST(ATextRect, EveryPieceOfASplitTextKeepsTheFontInForceWhereItStarts) {
    // Bold from the start; the text is split twice, as over three pages.
    ATextRect t = laidOut("@{A:B}one@{N}two@{N}three@{N}four@{N}five@{N}six");
    const int advance = t.GetLines()[0].advance;
    ADrawRect *first, *rest;
    ASSERT_TRUE(t.BreakAt(2 * advance, first, rest));
    std::unique_ptr<ADrawRect> p1(first), rest1(rest);
    auto dc = reportDC();
    auto* middleAndLast = static_cast<ATextRect*>(rest);
    middleAndLast->CalcLineBreaks(dc.get());
    ADrawRect *second, *third;
    ASSERT_TRUE(middleAndLast->BreakAt(2 * advance, second, third));
    std::unique_ptr<ADrawRect> p2(second), p3(third);
    for (ADrawRect* piece : {first, second, third}) {
        auto* text = static_cast<ATextRect*>(piece);
        text->CalcLineBreaks(dc.get());
        for (const Output& w : drawn(*text))
            EXPECT_EQ(w.font.lfWeight, 700) << w.text;
    }
    EXPECT_EQ(joined(drawn(*static_cast<ATextRect*>(second))), "threefour");
}

TEST(ATextRect, EscapedTextPrintsAsItStands) {
    EXPECT_EQ(ATextRect::Escape("j.doe@orvex.com"), "j.doe@@orvex.com");
    ATextRect t = laidOut(ATextRect::Escape("j.doe@orvex.com @{N}"));
    EXPECT_EQ(joined(drawn(t)), "j.doe@orvex.com @{N}");
}
