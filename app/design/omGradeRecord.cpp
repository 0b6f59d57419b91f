#include "app/design/omGradeRecord.h"

#include <locale>
#include <span>
#include <sstream>

namespace {

const char* const kFieldFlags = "1111111";
const char* const kConcreteFields[omGradeRecord::fieldCount] = {"Name", "E",       "G",       "fck",
                                                                "fctm", "Poisson", "Density", "Temp. Exp."};
const char* const kSteelFields[omGradeRecord::fieldCount] = {"Name", "E",       "G",       "fy",
                                                             "fu",   "Poisson", "Density", "Temp. Exp."};

// A number in the "C" format, whatever locale the stream carries.
std::string formatNumber(double value) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out << value;
    return out.str();
}

} // namespace

omGradeRecord::omGradeRecord(const char* const* fieldNames)
    : omAsciiRecord(kFieldFlags, std::span<const char* const>(fieldNames, fieldCount)) {}

omGradeRecord::~omGradeRecord() = default;

bool omGradeRecord::write(std::ostream& out) const {
    omWriteString(m_name, out);
    for (double value : m_numbers)
        out << ", " << formatNumber(value);
    out << '\n';
    return true;
}

int omGradeRecord::read(std::istream& in) {
    if (isEnd(in)) return 0;
    std::string name;
    if (omReadString(name, in) < 0) return -1;
    std::array<double, fieldCount - 1> numbers{};
    const std::locale previous = in.imbue(std::locale::classic());
    for (double& value : numbers) {
        extws(in);
        if (in.fail()) break;
        in >> value;
        if (in.fail()) break;
    }
    in.imbue(previous);
    // Only a failed read fails the record: the last number of a file without a
    // final line break ends at the end of the input, which is no error.
    if (in.fail() || in.bad()) return -1;
    m_name = std::move(name);
    m_numbers = numbers;
    nextLine(in);
    return 1;
}

std::string omGradeRecord::field(unsigned index) const {
    if (index == fName) return m_name;
    if (index >= fieldCount) return std::string();
    // What a 30-character buffer holds.
    return formatNumber(m_numbers[index - 1]).substr(0, 29);
}

double omGradeRecord::number(unsigned index) const {
    return index >= 1 && index < fieldCount ? m_numbers[index - 1] : 0.0;
}

void omGradeRecord::setNumber(unsigned index, double value) {
    if (index >= 1 && index < fieldCount) m_numbers[index - 1] = value;
}

omConcreteRecord::omConcreteRecord() : omGradeRecord(kConcreteFields) {}

omSteelRecord::omSteelRecord() : omGradeRecord(kSteelFields) {}
