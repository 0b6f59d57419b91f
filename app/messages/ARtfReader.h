#pragma once
// Reads the text of a rich-text (RTF) file into a text document: paragraphs and
// line breaks, bold, italic, underline, font sizes, "\'hh" characters of the
// file's code page and "\uN" characters. Font, colour, style, picture, object
// and "{\*...}" groups are skipped. Groups nest at most 64 deep (deeper ones are
// skipped); "\bin" data, cut files and any other bytes end without harm.
//
// Also writes plain text as RTF, for the clipboard.
#include <QString>

#include <string_view>

class QTextDocument;

class ARtfReader {
public:
    static constexpr int kMaxDepth = 64;

    // Fills document with the file's text; false when the bytes are no RTF
    // ("{\rtf" missing), in which case the document is left empty.
    static bool Read(std::string_view bytes, QTextDocument& document);
    // The text alone.
    static QString PlainText(std::string_view bytes);
    // Plain text as an RTF file: paragraphs, and every character beyond ASCII as "\uN?".
    static QByteArray FromPlainText(const QString& text);
};
