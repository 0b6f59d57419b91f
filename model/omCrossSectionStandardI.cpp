#include "model/omCrossSectionStandardI.h"

#include <charconv>
#include <cstring>
#include <locale>
#include <sstream>

IMPLEMENT_DYNAMIC(omCrossSectionStandardI, omCrossSectionIDS)

namespace {

bool isNumberChar(int c) {
    return (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
}

// Reads one number in the "C" format whatever the stream's locale; sets the
// fail state when none stands there.
void readNumber(std::istream& in, double& value) {
    std::string token;
    while (isNumberChar(in.peek()))
        token += static_cast<char>(in.get());
    const char* first = token.data();
    const char* last = first + token.size();
    if (first != last && *first == '+') ++first;
    const auto [end, ec] = std::from_chars(first, last, value);
    if (first == last || ec != std::errc() || end != last) in.setstate(std::ios::failbit);
}

} // namespace

// --- omStandardSectionIRecord ------------------------------------------------

const char* const omStandardSectionIRecord::fieldNames[fieldCount] = {
    "Name", "h", "b", "d", "t", "h-2c", "A", "Iy", "Wy", "Iz", "Wz", "Zy", "It", "Iw"};
const char omStandardSectionIRecord::fieldFlags[] = "11111111111111";

omStandardSectionIRecord::omStandardSectionIRecord() : omAsciiRecord(fieldFlags, fieldNames) {}

omStandardSectionIRecord::omStandardSectionIRecord(const omStandardSectionIRecord& other)
    : omAsciiRecord(other), AStorageBase(other), m_name(other.m_name), m_numbers(other.m_numbers) {}

omStandardSectionIRecord& omStandardSectionIRecord::operator=(const omStandardSectionIRecord& other) {
    copy(other);
    return *this;
}

omStandardSectionIRecord::~omStandardSectionIRecord() = default;

void omStandardSectionIRecord::copy(const omStandardSectionIRecord& other) {
    m_name = other.m_name;
    m_numbers = other.m_numbers;
}

bool omStandardSectionIRecord::write(std::ostream& out) const {
    omWriteString(m_name, out);
    // The stream's format, but never its locale's decimal comma: read() expects the "C" format.
    std::ostringstream number;
    number.imbue(std::locale::classic());
    number.flags(out.flags());
    number.precision(out.precision());
    for (double value : m_numbers) {
        number.str(std::string());
        number << value;
        out << ", " << number.str();
    }
    out << '\n';
    return true;
}

int omStandardSectionIRecord::read(std::istream& in) {
    if (isEnd(in)) return 0;
    std::string name;
    if (omReadString(name, in) < 0) return -1;
    std::array<double, fieldCount - 1> numbers{};
    for (double& value : numbers) {
        extws(in);
        if (in.fail()) return -1;
        readNumber(in, value);
        if (in.fail()) return -1;
    }
    // Only a failed read fails the record: the last line of a file without a
    // final line break ends at the end of the input, which is no error.
    if (in.fail() || in.bad()) return -1;
    m_name = std::move(name);
    m_numbers = numbers;
    nextLine(in);
    return 1;
}

std::string omStandardSectionIRecord::field(unsigned i) const {
    if (i == fName) return m_name;
    if (i >= fieldCount) return std::string();
    char buffer[32];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + 30, m_numbers[i - 1], std::chars_format::general, 6);
    if (ec != std::errc()) return std::string();
    return std::string(buffer, end);
}

// --- omCrossSectionStandardI -------------------------------------------------

omCrossSectionStandardI::omCrossSectionStandardI(unsigned id) : omCrossSection(id), omCrossSectionIDS(id) {
    setRolled(true);
    defaultVariableDescription();
}

omCrossSectionStandardI::omCrossSectionStandardI(const std::string& group,
                                                 const omStandardSectionIRecord& record, unsigned id)
    : omCrossSectionStandardI(id) {
    setStandardSection(group, record);
}

omCrossSectionStandardI::omCrossSectionStandardI(const omCrossSectionStandardI& other)
    : omCrossSection(other), omCrossSectionIDS(other), m_record(other.m_record), m_group(other.m_group) {}

omCrossSectionStandardI& omCrossSectionStandardI::operator=(const omCrossSectionStandardI& other) {
    copy(other);
    return *this;
}

omCrossSectionStandardI::~omCrossSectionStandardI() = default;

void omCrossSectionStandardI::copy(const omCrossSectionStandardI& other) {
    omCrossSectionIDS::copy(other);
    m_record = other.m_record;
    m_group = other.m_group;
}

void omCrossSectionStandardI::setStandardSection(const std::string& group,
                                                 const omStandardSectionIRecord& record) {
    using R = omStandardSectionIRecord;
    m_group = group;
    m_record = record;
    const double h = record.number(R::fh);
    const double d = record.number(R::fd);
    setVariable(1, omUnitValue(h, omUK_mm));
    setVariable(2, omUnitValue(record.number(R::fb), omUK_mm));
    setVariable(3, omUnitValue(record.number(R::ft), omUK_mm));
    setVariable(4, omUnitValue(d, omUK_mm));
    // h-2c leaves c, the distance from a flange's outer face to the end of the
    // root radius; less the flange thickness that is the radius.
    setVariable(5, omUnitValue((h - record.number(R::fh2c) - 2.0 * d) / 2.0, omUK_mm));
}

omCrossSectionStandardI* omCrossSectionStandardI::clone() const {
    return new omCrossSectionStandardI(*this);
}

bool omCrossSectionStandardI::isProperlySet() const {
    if (m_group.empty()) return false;
    return omCrossSection::isProperlySet();
}

void omCrossSectionStandardI::defaultVariableDescription() {
    describe(1, "h", "height", 15.0, 250.0, 0.2);
    describe(2, "b", "breadth", 12.0, 250.0, 0.2);
    // Rolled thicknesses are no plates: they snap to their step, not to the plate list.
    describe(3, "tw", "web thickness", 0.3, 3.5, 0.05);
    setValues(3, std::vector<double>());
    describe(4, "tf", "flange thickness", 0.3, 5.0, 0.05);
    setValues(4, std::vector<double>());
    describe(5, "r", "flange-web radius", 0.3, 2.0, 0.05);
}
