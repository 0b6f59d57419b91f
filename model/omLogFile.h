#pragma once
// The calculation log: one plain text file that the model objects report
// themselves into and the solver writes its iterations to. Every writer asks
// isEnabled for its category first and writes nothing when it is off.
#include <charconv>
#include <fstream>
#include <string>
#include <type_traits>
#include <vector>

enum lfCategory {
    lfCategory0 = 0,
    lfNodes = 1,
    lfNodeDofs = 2,
    lfElements = 3,
    lfCategory4 = 4,
    lfMaterials = 5,
    lfCrossSections = 6,
    lfCrossSectionProperties = 7,
    lfLoads = 8,
    lfNodeLoads = 9,
    lfElementLoads = 10,
    lfElementMatrices = 11,
    lfElementDetails = 12,
    lfCondensation = 13,
    lfElementForces = 14,
    lfIterations = 15,
    lfLoadCase = 16,
    lfForceVectors = 17,
    lfReactions = 18,
    lfDisplacements = 19,
    lfNodeResults = 20,
    lfElementResults = 21,
    lfCategory22 = 22,
    lfCategory23 = 23,
    lfCategory24 = 24,
    lfCategory25 = 25,
    lfCategory26 = 26,
    lfCategory27 = 27,
    lfCategory28 = 28,
};

class omLogFile : public std::ofstream {
public:
    static constexpr int kCategories = 29;

    // The single log; created with this name on the first call (no file is opened).
    static omLogFile* Instance(const std::string& name = "Strakon.log");
    static void Release();
    // The log when it exists and the category is on, else null: what every
    // report asks before it writes.
    static omLogFile* enabledFor(lfCategory c) {
        return m_LogFile && m_LogFile->isEnabled(c) ? m_LogFile : nullptr;
    }

    ~omLogFile() override;

    // Closes the current file and creates (or truncates) the named one.
    void newFileName(const std::string& name);
    const std::string& fileName() const { return m_fileName; }

    void enableAll(bool on);
    void enable(lfCategory c, bool on);
    // A category outside 0..28 is off.
    bool isEnabled(lfCategory c) const;
    bool operator()(lfCategory c) const { return isEnabled(c); }

    omLogFile& header();
    // "\n", 74 dashes, "\n".
    omLogFile& dashLine();
    // "\n", the text, "\n" and as many '*' as the text is long.
    void heading(const std::string& text);

    // Long reports (every member's results after every load case) build their
    // text in one buffer and write it at once. Numbers go in as operator<< on
    // this log would print them; that holds while the log has no pending width,
    // no flags beyond the float field and alignment, and the classic locale:
    // otherwise the writer keeps to the stream.
    bool numbersAsText() const;
    // The log's own buffer for such a report, emptied.
    std::string& textBuffer();
    // Appends v as the log prints it with its current float field and this precision.
    void appendNumber(std::string& text, double v, std::streamsize precision) const;
    template <class Int, std::enable_if_t<std::is_integral_v<Int>, int> = 0>
    static void appendNumber(std::string& text, Int v) {
        char digits[24];
        const auto end = std::to_chars(digits, digits + sizeof digits, v).ptr;
        text.append(digits, end);
    }

    static omLogFile* m_LogFile;

protected:
    explicit omLogFile(const std::string& name);

private:
    std::vector<bool> m_enabled;
    std::string m_fileName;
    std::string m_text;
};
