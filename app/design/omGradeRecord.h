#pragma once
// Lines of the material grade databases "Common/DB/Concrete.db" and
// "Common/DB/Steel.db": a grade's name and seven numbers,
//
//   "C30/37", 3300, 1375, 30, 2.9, 0.2, 2500, 1e-05
//
// E and G in kN/cm2, then two strengths (concrete: fck and fctm in N/mm2;
// steel: fy and fu in kN/cm2), the Poisson ratio, the density in kg/m3 and the
// thermal expansion in 1/K. Numbers are read and written in the "C" locale.
#include "common/omAsciiDB.h"

#include <array>
#include <string>

class omGradeRecord : public omAsciiRecord {
public:
    enum Field : unsigned { fName = 0, fE, fG, fStrength1, fStrength2, fPoisson, fDensity, fTempExp };
    static constexpr unsigned fieldCount = 8;

    omGradeRecord(const omGradeRecord&) = default;
    omGradeRecord& operator=(const omGradeRecord&) = default;
    ~omGradeRecord() override;

    // The name, then ", " and each number.
    bool write(std::ostream& out) const override;
    // 0 at the end of a table, -1 for a line without a name or seven numbers,
    // otherwise 1 with the stream at the next line. A last line without a line
    // break is a whole record.
    int read(std::istream& in) override;
    unsigned numberOfFields() const override { return fieldCount; }
    // The name, or a number as a default-formatted stream writes it.
    std::string field(unsigned index) const override;

    const std::string& name() const { return m_name; }
    void setName(const std::string& name) { m_name = name; }
    // Fields 1 to 7; 0 for any other index.
    double number(unsigned index) const;
    void setNumber(unsigned index, double value);

protected:
    explicit omGradeRecord(const char* const* fieldNames);

private:
    std::string m_name;
    std::array<double, fieldCount - 1> m_numbers{};
};

// A concrete grade: fields "fck" and "fctm" in N/mm2.
class omConcreteRecord : public omGradeRecord {
public:
    enum : unsigned { fFck = fStrength1, fFctm = fStrength2 };
    omConcreteRecord();
};

// A structural steel grade: fields "fy" and "fu" in kN/cm2.
class omSteelRecord : public omGradeRecord {
public:
    enum : unsigned { fFy = fStrength1, fFu = fStrength2 };
    omSteelRecord();
};
