#pragma once
// The output-language table: every fixed text of the printed report, looked up
// by a short key in the section of the chosen output language. The table is
// the record database "Common\DB\OutputStrings.db" of the shared data folder
// (its format is described at the head of that file), read once on first use.
#include "app/shell/ASingleton.h"
#include "common/omAsciiDB.h"

#include <filesystem>
#include <string>
#include <string_view>

// One entry: the lookup key and the report text.
class omOutputLocaleRecord : public omAsciiRecord {
public:
    omOutputLocaleRecord();
    ~omOutputLocaleRecord() override;

    // Writes key, ", ", text (each quoted as the database quotes texts); the
    // caller ends the line.
    bool write(std::ostream& out) const override;
    // 0 at the end of the section, -1 when the key or the text cannot be read,
    // otherwise 1 with the stream at the next line.
    int read(std::istream& in) override;
    unsigned numberOfFields() const override { return 2; }
    // 0 the key; any other index the text.
    std::string field(unsigned index) const override;

    std::string m_key;
    std::string m_text;
};

class omOutputLocaleDB : public omAsciiDB<omOutputLocaleRecord>, public ASingleton<omOutputLocaleDB> {
public:
    // The table of the shared data folder (Instance reads it once; Release
    // deletes it, and a later Instance reads the file again).
    omOutputLocaleDB();
    // The table of another file.
    explicit omOutputLocaleDB(std::filesystem::path path);
    ~omOutputLocaleDB() override;

    // The text of key in the language's section, else in "English", else
    // "Error:" followed by the key.
    std::string Lookup(std::string_view key, std::string_view language);
    // The language sections in the order of the file.
    const std::vector<std::string>& GetLanguages() { return getGroupNames(); }

    static constexpr const char* kRelativePath = "Common\\DB\\OutputStrings.db";
    static constexpr const char* kFallbackLanguage = "English";
};
