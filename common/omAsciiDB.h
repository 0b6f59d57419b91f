#pragma once
// Text record databases: small tables of records in named groups, kept in
// plain text files under the shared data folder (material grades, the
// standard-section catalogue, the report's output texts).
//
// File syntax
//   - The file is text, UTF-8 (a file that is not valid UTF-8 is read as
//     Windows-1252). Line ends may be LF or CR LF; the last line needs none.
//   - A line whose first non-blank character is '#' is a comment; blank lines
//     are ignored. Both may stand anywhere between records.
//   - "[name]" on a line of its own starts a group; the name is the text
//     between the brackets with surrounding blanks removed. Groups keep the
//     order of the file; a second header with a known name continues that group.
//     Records before the first header form a group with an empty name.
//   - Every other line is one record. Its fields are separated by a comma with
//     optional blanks; a record's reader decides how many fields it reads and
//     skips the rest of the line.
//   - Text fields are written in double quotes: "IPE 100". Inside the quotes
//     \" is a quote, \\ a backslash, \n a line break and \t a tab; any other
//     backslash stands for itself. A text without quotes runs up to the next
//     comma or the line end, blanks around it removed.
//   - Numbers are read and written in the "C" locale ('.' as decimal point).
//
//   # concrete grades
//   [EC2]
//   "C20/25", 2900, 1208, 20, 2.2, 0.2, 2500, 1e-05
//   "C25/30", 3050, 1271, 25, 2.6, 0.2, 2500, 1e-05
//
// A record class derives from omAsciiRecord and reads one record from a stream
// positioned at its line: isEnd first, then omReadString, extws before each
// further field, and nextLine at the end. The database reads the whole file on
// first use and creates each record through createRecord.
#include <cstddef>
#include <filesystem>
#include <istream>
#include <map>
#include <memory>
#include <ostream>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Reads one text field into text after skipping blanks: quoted or bare as
// above. Returns the number of characters read into text, or -1 (and sets the
// stream's fail state) when no text stands there.
int omReadString(std::string& text, std::istream& in);
// Writes a text field in quotes, escaping quotes, backslashes, line breaks and tabs.
std::ostream& omWriteString(const std::string& text, std::ostream& out);
// Skips what separates two fields of a record: blanks and tabs, one comma and
// the blanks after it. When the line ends there (or the input does), no further
// field can follow on the record's line and the stream's fail state is set.
std::istream& extws(std::istream& in);
// Skips the rest of the current line, its line end included.
std::istream& nextLine(std::istream& in);

// Base of a record. It keeps the field-use layout (one character per field,
// '1' for a used field) and the field names.
class omAsciiRecord {
public:
    omAsciiRecord(std::string_view fieldFlags, std::span<const char* const> fieldNames);
    omAsciiRecord(std::string_view fieldFlags, std::vector<std::string> fieldNames);
    omAsciiRecord(const omAsciiRecord&) = default;
    omAsciiRecord& operator=(const omAsciiRecord&) = default;
    virtual ~omAsciiRecord();

    // Writes the record as one line (its reader's input).
    virtual bool write(std::ostream& out) const = 0;
    // Reads one record: 1 read, 0 no record here (isEnd), -1 the line holds no valid record.
    virtual int read(std::istream& in) = 0;
    virtual unsigned numberOfFields() const = 0;
    // The name of a field; empty for an index outside the table.
    virtual std::string fieldName(unsigned index) const;
    // A field as text, as findFirstRecord compares it.
    virtual std::string field(unsigned index) const = 0;

    // True when no record follows: skips blank and comment lines, then answers
    // true at the end of the input or before a group header. The stream stays
    // at the start of the next record otherwise.
    bool isEnd(std::istream& in) const;

    const std::string& fieldFlags() const { return m_fieldFlags; }
    // True when the layout marks the field as used.
    bool isFieldUsed(unsigned index) const;

private:
    std::string m_fieldFlags;
    std::shared_ptr<const std::vector<std::string>> m_fieldNames;
};

// A database of records of one kind. The file is read on first use (any
// query); a missing or unreadable file gives an empty database whose isOpen()
// is false.
class omAsciiDB_Base {
public:
    // strict: a record line that fails to read ends the reading, and the
    // database keeps what it had read before; otherwise such a line is skipped
    // and counted (getBadRecordCount) and reading goes on.
    explicit omAsciiDB_Base(std::filesystem::path path, bool strict = false);
    // A new empty record for the reader to fill; the database owns what it returns.
    virtual omAsciiRecord* createRecord() const = 0;
    virtual ~omAsciiDB_Base();

    omAsciiDB_Base(const omAsciiDB_Base&) = delete;
    omAsciiDB_Base& operator=(const omAsciiDB_Base&) = delete;

    const std::filesystem::path& getPath() const { return m_path; }
    // True when the file was read.
    bool isOpen();
    // Why the file could not be read; empty when it was.
    const std::string& getError();
    // Lines that held no valid record.
    std::size_t getBadRecordCount();
    // Forgets the records and reads the file again on the next query.
    void reload();

    // The group names in file order.
    const std::vector<std::string>& getGroupNames();
    // The records of a group in file order (empty for an unknown group); the
    // group becomes the current one, even when it is unknown.
    const std::vector<omAsciiRecord*>& getRecords(std::string_view group);
    // The first record whose field of that index equals the text: in the
    // current group, or in all groups in file order when none is current
    // (getRecords was never called). Null when there is none.
    omAsciiRecord* findFirstRecord(std::string_view text, unsigned fieldIndex);
    // The name of the current group: the standard that catalogue sections record.
    const std::string& getCurrentGroup() const { return m_current; }

private:
    struct Group {
        std::string name;
        std::vector<omAsciiRecord*> records;
    };
    void ensureLoaded();
    void load();
    void clearRecords();
    Group& groupNamed(const std::string& name);
    const Group* findGroup(std::string_view name) const;

    std::filesystem::path m_path;
    bool m_strict = false;
    bool m_loaded = false;
    bool m_open = false;
    bool m_hasCurrent = false;
    std::string m_error;
    std::string m_current;
    std::size_t m_bad = 0;
    std::vector<std::string> m_groupNames;
    std::vector<Group> m_groups;
    // Where each group stands in m_groups: a damaged file may hold many groups.
    std::map<std::string, std::size_t, std::less<>> m_groupIndex;
    std::vector<std::unique_ptr<omAsciiRecord>> m_records;
};

// The database of records of class R (default-constructible, derived from omAsciiRecord).
template <class R> class omAsciiDB : public omAsciiDB_Base {
public:
    explicit omAsciiDB(std::filesystem::path path, bool strict = false)
        : omAsciiDB_Base(std::move(path), strict) {}

    omAsciiRecord* createRecord() const override { return new R; }

    std::vector<R*> getRecords(std::string_view group) {
        std::vector<R*> out;
        for (omAsciiRecord* r : omAsciiDB_Base::getRecords(group))
            if (R* typed = dynamic_cast<R*>(r)) out.push_back(typed);
        return out;
    }
    R* findFirstRecord(std::string_view text, unsigned fieldIndex) {
        return dynamic_cast<R*>(omAsciiDB_Base::findFirstRecord(text, fieldIndex));
    }
};
