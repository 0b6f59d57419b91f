#pragma once
// Rolled I sections from the text catalogue "Common/DB/StandardSectionsI.db".
// A catalogue line is an omStandardSectionIRecord; the section takes its five
// dimensions from the record and its area, torsion constant, second moments and
// moduli from the record's tabulated values.
#include "common/AStorageBase.h"
#include "common/omAsciiDB.h"
#include "model/omCrossSectionIDS.h"

#include <array>
#include <string>

// One catalogue line: the profile's name, then 13 numbers. The dimensions h, b,
// d, t and h-2c are in mm; A, Iy, Wy, Iz, Wz, Zy, It and Iw in the section's
// internal units (cm2, cm4, cm3, cm4, cm3, cm3, cm4, cm6).
class omStandardSectionIRecord : public omAsciiRecord, public AStorageBase {
    DECLARE_STORAGE_INTERFACE()

public:
    enum Field {
        fName = 0,
        fh = 1,   // height
        fb = 2,   // breadth
        fd = 3,   // flange thickness
        ft = 4,   // web thickness
        fh2c = 5, // height less twice the distance from the outer face to the end of the root radius
        fA = 6,
        fIy = 7,
        fWy = 8,
        fIz = 9,
        fWz = 10,
        fZy = 11, // plastic modulus about y
        fIt = 12, // torsion constant
        fIw = 13, // warping constant
    };
    static constexpr unsigned fieldCount = 14;
    static const char* const fieldNames[fieldCount];
    static const char fieldFlags[];

    // Empty name, all numbers 0.
    omStandardSectionIRecord();
    omStandardSectionIRecord(const omStandardSectionIRecord& other);
    omStandardSectionIRecord& operator=(const omStandardSectionIRecord& other);
    ~omStandardSectionIRecord() override;

    void copy(const omStandardSectionIRecord& other);

    // The name in quotes, then ", " and each number in the stream's format, then a line end.
    bool write(std::ostream& out) const override;
    // 0 at the end of the data, -1 for a line that holds no valid record (the
    // record keeps its contents), 1 for a record read.
    int read(std::istream& in) override;
    unsigned numberOfFields() const override { return fieldCount; }
    // The name, or a number with six significant digits; "" outside 0..13.
    std::string field(unsigned i) const override;

    const std::string& name() const { return m_name; }
    void setName(const std::string& name) { m_name = name; }
    // The numbers by field (fh .. fIw).
    double number(unsigned field) const { return m_numbers[field - 1]; }
    void setNumber(unsigned field, double value) { m_numbers[field - 1] = value; }

private:
    std::string m_name;
    std::array<double, fieldCount - 1> m_numbers{};
};

class omCrossSectionStandardI : public virtual omCrossSectionIDS {
    DECLARE_STORAGE_INTERFACE()
    DECLARE_DYNAMIC(omCrossSectionStandardI)

public:
    // A rolled I section with no catalogue line yet; isProperlySet() is false until setStandardSection.
    explicit omCrossSectionStandardI(unsigned id);
    omCrossSectionStandardI(const std::string& group, const omStandardSectionIRecord& record, unsigned id);
    omCrossSectionStandardI(const omCrossSectionStandardI& other);
    omCrossSectionStandardI& operator=(const omCrossSectionStandardI& other);
    ~omCrossSectionStandardI() override;

    void copy(const omCrossSectionStandardI& other);

    // Keeps the group and the record and sets the five dimensions from the
    // record (variable 5 is the root radius).
    void setStandardSection(const std::string& group, const omStandardSectionIRecord& record);
    const std::string& getGroup() const { return m_group; }
    // The record's profile name.
    const std::string& getSectionName() const { return m_record.name(); }
    const omStandardSectionIRecord& record() const { return m_record; }
    // For the structure file, which stores the record and the group beside the variables.
    omStandardSectionIRecord& record() { return m_record; }
    void setGroup(const std::string& group) { m_group = group; }

    omCrossSectionStandardI* clone() const override;
    omCrossSectionType type() const override { return csStandardI; }
    bool isProperlySet() const override;
    void defaultVariableDescription() override;
    double getStirrupLength(double, double) const override { return 0.0; }

    double A() const override { return m_record.number(omStandardSectionIRecord::fA); }
    double Ix() const override { return m_record.number(omStandardSectionIRecord::fIt); }

protected:
    double IyInt() const override { return m_record.number(omStandardSectionIRecord::fIy); }
    double IzInt() const override { return m_record.number(omStandardSectionIRecord::fIz); }
    double WyInt() const override { return m_record.number(omStandardSectionIRecord::fWy); }
    double WzInt() const override { return m_record.number(omStandardSectionIRecord::fWz); }
    double ZyInt() const override { return m_record.number(omStandardSectionIRecord::fZy); }

private:
    omStandardSectionIRecord m_record;
    std::string m_group;
};
