#pragma once
// The lateral supports along a member: support positions (fractions of the
// member length, ascending from 0 to 1) divide it into fields, and each field
// has a buckling-length factor K. A fully supported member is held along its
// whole length and buckles nowhere.
#include <utility>
#include <vector>

class CArchive;

class omElementSupport {
public:
    // One field over the whole member with K = 1; not fully supported.
    omElementSupport();
    omElementSupport(const omElementSupport& other) = default;
    omElementSupport& operator=(const omElementSupport& other) = default;
    ~omElementSupport();

    void copy(const omElementSupport& other) { *this = other; }

    // Replaces both lists as given; positions ascending from 0 to 1, one K per field.
    void set(const std::vector<double>& positions, const std::vector<double>& K);
    // One field with K = 1 again; the fully-supported flag stays.
    void clear();

    const std::vector<double>& getPos() const { return m_positions; }
    const std::vector<double>& getK() const { return m_K; }
    bool isFullSupport() const { return m_fullSupport; }
    void setFullSupport(bool on) { m_fullSupport = on; }

    // Number of fields; -1 without positions.
    int fieldSize() const { return static_cast<int>(m_positions.size()) - 1; }
    // Fractions of the member length. An index outside the lists throws
    // std::out_of_range.
    double support(int i) const { return m_positions.at(static_cast<std::size_t>(i)); }
    double fieldStart(int i) const { return support(i); }
    double fieldEnd(int i) const { return support(i + 1); }
    double fieldLength(int i) const { return fieldEnd(i) - fieldStart(i); }
    double fieldK(int i) const { return m_K.at(static_cast<std::size_t>(i)); }

    // The largest K times field length over the fields first to last (-1 for
    // the first, or the last, field), times length; 0 for a fully supported
    // member or an empty range. Fields without a K take no part.
    double maxBuckLength(double length, int first, int last) const;
    // The first field that contains x1 and the field that ends at or after x2;
    // -1 for what is not found, (-1, -1) for a fully supported member.
    std::pair<int, int> getFieldsInRange(double x1, double x2) const;

    void Serialize(CArchive& ar);

private:
    std::vector<double> m_positions;
    std::vector<double> m_K;
    bool m_fullSupport = false;
};
