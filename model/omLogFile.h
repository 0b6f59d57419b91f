#pragma once
// The calculation log: one plain text file that the model objects report
// themselves into and the solver writes its iterations to. Every writer asks
// isEnabled for its category first and writes nothing when it is off.
#include <fstream>
#include <string>
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

    static omLogFile* m_LogFile;

protected:
    explicit omLogFile(const std::string& name);

private:
    std::vector<bool> m_enabled;
    std::string m_fileName;
};
