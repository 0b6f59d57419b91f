#pragma once
// Formats for report and status texts that come from the output-language
// table, a file the user may edit or download. A format is used only when its
// conversions fit the arguments the program passes, so a wrong or hostile
// text can neither read missing arguments nor write through %n.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One argument of a translated format: an integer (%d, %i), a text (%s) or a
// double (%f, %e, %g and their capitals).
class AFormatArg {
public:
    enum Kind { Integer, Text, Double };

    AFormatArg(int value) : m_kind(Integer), m_integer(value) {}
    AFormatArg(double value) : m_kind(Double), m_double(value) {}
    AFormatArg(std::string value) : m_kind(Text), m_text(std::move(value)) {}
    AFormatArg(const char* value) : m_kind(Text), m_text(value ? value : "") {}

    Kind kind() const { return m_kind; }
    long long integer() const { return m_integer; }
    double number() const { return m_double; }
    const std::string& text() const { return m_text; }

private:
    Kind m_kind;
    long long m_integer = 0;
    double m_double = 0.0;
    std::string m_text;
};

// format filled with args in the "C" locale, or nothing when the format's
// conversions do not match the arguments one by one: their number and kinds,
// each with flags (-+ #0), width and precision as digits, and the length
// letters l and ll for integers and l for doubles. "%%" is a percent sign; a
// "*" width or precision, %n and every other conversion refuse the format.
std::optional<std::string> SafeFormat(std::string_view format, const std::vector<AFormatArg>& args);

// The translated text of key filled with args. A translation that does not fit
// the arguments gives way to the English text, and that one to the program's
// own text of the key; without any, "Error:" and the key.
std::string FormatOutputString(const char* key, const std::vector<AFormatArg>& args);
// The same with the two table texts given: the first of translated, english and
// the program's own text of key that fits args.
std::string FormatOutputString(const char* key, std::string_view translated, std::string_view english,
                               const std::vector<AFormatArg>& args);
