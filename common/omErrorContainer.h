#pragma once
// The collector of numbered errors. The analysis and the readers report what
// is wrong with their input and carry on; the program checks the container
// after each step (throwIfError) and shows the collected messages (process).
//
//   omErrorContainer::instance()->report(1026, caseName, maxIterations, precision);
//
// Arguments are texts, unsigned or signed integers and floating-point numbers.
// The message texts come from the program's error text file (see
// setFileName and the format described in that file, "Misc/Strakon.err"); a
// code the file lacks is still shown, with its arguments.
#include <concepts>
#include <cstdint>
#include <filesystem>
#include <iosfwd>
#include <map>
#include <mutex>
#include <stdexcept>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

// One argument of an error: a text, an unsigned or signed integer, or a double.
using omErrorArgument = std::variant<std::string, std::uint64_t, std::int64_t, double>;

// The text of an argument: integers in decimal, doubles with up to six
// significant digits ("%g" in the "C" locale), texts as they are.
std::string omErrorArgumentText(const omErrorArgument& argument);

struct omErrorEntry {
    unsigned code = 0;
    std::vector<omErrorArgument> arguments;
};

// Thrown by throwIfError. m_count, the object's first word, is the number of
// errors held at the throw; callers act only when it is not zero.
class omError : public std::runtime_error {
public:
    omError(unsigned count, const std::string& firstMessage);
    ~omError() override;

    unsigned m_count = 0;
    bool isEmpty() const { return m_count == 0; }
};

class omErrorContainer {
public:
    // The single container, created on first use; release() deletes it at exit.
    static omErrorContainer* instance();
    static void release();

    // Reads the message texts from the error text file. False when the file
    // cannot be read; the texts read before stay then. Lines that follow no
    // rule of the format are skipped and counted (badLineCount).
    bool setFileName(const std::filesystem::path& path);
    const std::filesystem::path& getFileName() const { return m_fileName; }
    // Replaces the message texts by those of text in the error file's format (used by setFileName).
    void setTexts(std::string_view fileText);
    std::size_t badLineCount() const { return m_badLines; }

    // Forgets the held errors (the texts stay).
    void reset();

    // Records an error with its arguments and returns.
    template <class... Args> void report(unsigned code, const Args&... args) {
        std::vector<omErrorArgument> list;
        list.reserve(sizeof...(Args));
        (list.push_back(toArgument(args)), ...);
        add(omErrorEntry{code, std::move(list)});
    }

    bool hasErrors() const;
    std::size_t count() const;
    std::vector<omErrorEntry> errors() const;

    // Raises omError when errors are held; the errors stay held.
    void throwIfError() const;

    // Writes every held error as one line: "Error <code>: <message>".
    void process(std::ostream& out) const;

    // The message of an error: the code's text with its placeholders filled.
    // Without a text for the code: the arguments separated by ", " (empty
    // without arguments).
    std::string message(const omErrorEntry& entry) const;
    // True when the texts hold a text for the code.
    bool hasText(unsigned code) const;
    // The raw text of a code; empty when there is none.
    std::string text(unsigned code) const;

    // Fills the placeholders %1 to %9 of a text with the arguments; "%%" is a
    // percent sign. A placeholder without an argument stays as it is.
    static std::string format(std::string_view text, const std::vector<omErrorArgument>& arguments);

    omErrorContainer(const omErrorContainer&) = delete;
    omErrorContainer& operator=(const omErrorContainer&) = delete;

private:
    omErrorContainer() = default;
    ~omErrorContainer() = default;

    template <class T> static omErrorArgument toArgument(const T& v) {
        using D = std::decay_t<T>;
        if constexpr (std::is_same_v<D, bool>) {
            return std::uint64_t(v ? 1 : 0);
        } else if constexpr (std::is_enum_v<D>) {
            return std::int64_t(v);
        } else if constexpr (std::is_integral_v<D> && std::is_unsigned_v<D>) {
            return std::uint64_t(v);
        } else if constexpr (std::is_integral_v<D>) {
            return std::int64_t(v);
        } else if constexpr (std::is_floating_point_v<D>) {
            return double(v);
        } else {
            static_assert(std::is_convertible_v<const T&, std::string_view>,
                          "error arguments are texts, integers or floating-point numbers");
            return std::string(std::string_view(v));
        }
    }
    void add(omErrorEntry entry);

    mutable std::mutex m_mutex;
    std::vector<omErrorEntry> m_errors;
    std::map<unsigned, std::string> m_texts;
    std::filesystem::path m_fileName;
    std::size_t m_badLines = 0;
};
