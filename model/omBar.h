#pragma once
// The reinforcement of a reinforced-concrete beam. An entry is a group of N
// bars of one diameter Fi that runs from XS to XE, both fractions of the member
// length (0 at the start node, 1 at the end node). Longitudinal bars lie in
// rows (omBarVec); up to three rows and a concrete cover form a band
// (omBarBand); stirrups are entries with a spacing (omStirrup, omStirrupVec).
//
// Arithmetic reads diameters, spacings and covers in cm and gives areas in cm2
// and volumes in cm3, whatever units the values are held in. The dialogs
// exchange rows and stirrup lists with these classes as tables of texts whose
// diameters are whole millimetres.
#include "common/omUnitValue.h"

#include <list>
#include <utility>
#include <vector>

class CArchive;
class omStringMatrix;

// Ranges of the member, as fractions of its length, that no entry covers.
using omUncoveredRanges = std::list<std::pair<double, double>>;

class omBar {
public:
    // No bars, diameter 0 cm, over the whole member.
    omBar() = default;
    omBar(const omBar& other) = default;
    omBar& operator=(const omBar& other) = default;
    virtual ~omBar();

    // A new copy of the same class; the caller owns it.
    virtual omBar* clone() const;
    void copy(const omBar& other) { omBar::operator=(other); }

    unsigned getN() const { return m_N; }
    void setN(unsigned n) { m_N = n; }
    const omUnitValue& getFi() const { return m_Fi; }
    void setFi(const omUnitValue& fi) { m_Fi = fi; }
    double getXS() const { return m_XS; }
    void setXS(double xs) { m_XS = xs; }
    double getXE() const { return m_XE; }
    void setXE(double xe) { m_XE = xe; }

    // The area of the bars when XS <= x <= XE, otherwise 0 (cm2).
    omUnitValue A(double x) const;
    // The volume of the bars on a member of that length (cm3).
    omUnitValue V(double length) const;

    void Serialize(CArchive& ar);

private:
    unsigned m_N = 0;
    omUnitValue m_Fi{0.0, omUK_cm};
    double m_XS = 0.0;
    double m_XE = 1.0;
};

// Stirrups: N is the number of legs, E the spacing along the member.
class omStirrup : public omBar {
public:
    omStirrup() = default;
    omStirrup(const omStirrup& other) = default;
    omStirrup& operator=(const omStirrup& other) = default;
    ~omStirrup() override;

    omStirrup* clone() const override;
    void copy(const omStirrup& other) { *this = other; }

    const omUnitValue& getE() const { return m_E; }
    void setE(const omUnitValue& e) { m_E = e; }

    // The steel volume of one stirrup of that length (cm3).
    omUnitValue V(double stirrupLength) const;

    void Serialize(CArchive& ar);

private:
    omUnitValue m_E{0.0, omUK_cm};
};

// One row of bars, in table order.
class omBarVec {
public:
    omBarVec() = default;
    omBarVec(const omBarVec& other) = default;
    omBarVec& operator=(const omBarVec& other) = default;
    ~omBarVec();

    // A new copy; the caller owns it.
    omBarVec* clone() const { return new omBarVec(*this); }
    void copy(const omBarVec& other) { *this = other; }

    int size() const { return static_cast<int>(m_bars.size()); }
    // Both throw std::out_of_range for an index outside the row.
    const omBar& operator[](int i) const { return at(i); }
    omBar& operator[](int i) { return at(i); }
    const omBar& at(int i) const;
    omBar& at(int i);

    // The area of the bars present at x (cm2).
    omUnitValue A(double x) const;
    // Half the largest diameter of the row wherever it lies (cm): the row is as
    // deep as its thickest bar.
    omUnitValue Zt(double x) const;
    // The largest diameter among the bars present at x, in its own unit; 0 mm without bars.
    omUnitValue getMaxFi(double x) const;
    // cm3 on a member of that length.
    omUnitValue V(double length) const;
    // Appends XS and XE of every entry, in entry order.
    void getBarChangePos(std::vector<double>& positions) const;

    // Columns N, Fi [mm], XS, XE.
    void getStringMatrix(omStringMatrix& table) const;
    void setStringMatrix(const omStringMatrix& table);

    void Serialize(CArchive& ar);

private:
    std::vector<omBar> m_bars;
};

// Up to three rows of bars and the concrete cover. Row 1 lies next to the
// concrete surface, row 3 farthest inside.
class omBarBand {
public:
    omBarBand() = default;
    omBarBand(const omBarBand& other) = default;
    omBarBand& operator=(const omBarBand& other) = default;
    ~omBarBand();

    // A new copy; the caller owns it.
    omBarBand* clone() const { return new omBarBand(*this); }
    void copy(const omBarBand& other) { *this = other; }

    const omBarVec& getRow1() const { return m_row1; }
    omBarVec& getRow1() { return m_row1; }
    const omBarVec& getRow2() const { return m_row2; }
    omBarVec& getRow2() { return m_row2; }
    const omBarVec& getRow3() const { return m_row3; }
    omBarVec& getRow3() { return m_row3; }
    void setRow1(const omBarVec& row) { m_row1 = row; }
    void setRow2(const omBarVec& row) { m_row2 = row; }
    void setRow3(const omBarVec& row) { m_row3 = row; }
    const omUnitValue& getCover() const { return m_cover; }
    void setCover(const omUnitValue& cover) { m_cover = cover; }

    // The number of rows that hold entries.
    int getRowCount() const;
    omUnitValue A(double x) const;
    // The depth of the centroid of the bars at x below the surface-side edge of
    // row 1, the cover not included (cm); 0 without bars at x.
    omUnitValue Zt(double x) const;
    omUnitValue getMaxFi(double x) const;
    omUnitValue V(double length) const;
    // Row 1's, row 2's, then row 3's positions appended.
    void getBarChangePos(std::vector<double>& positions) const;
    void getStringMatrix(omStringMatrix& row1, omStringMatrix& row2, omStringMatrix& row3) const;
    void setStringMatrix(const omStringMatrix& row1, const omStringMatrix& row2, const omStringMatrix& row3);

    // True when the entries of the three rows together cover the whole member.
    // A list, when given, receives the uncovered ranges (its content is replaced).
    bool isCompletelyDefined(omUncoveredRanges* uncovered) const;

    void Serialize(CArchive& ar);

private:
    omBarVec m_row1;
    omBarVec m_row2;
    omBarVec m_row3;
    omUnitValue m_cover{0.0, omUK_cm};
};

// The stirrups of a member and the user's statement that it has none.
class omStirrupVec {
public:
    omStirrupVec() = default;
    omStirrupVec(const omStirrupVec& other) = default;
    omStirrupVec& operator=(const omStirrupVec& other) = default;
    ~omStirrupVec();

    // A new copy; the caller owns it.
    omStirrupVec* clone() const { return new omStirrupVec(*this); }
    void copy(const omStirrupVec& other) { *this = other; }

    int size() const { return static_cast<int>(m_stirrups.size()); }
    // Both throw std::out_of_range for an index outside the list.
    const omStirrup& operator[](int i) const { return at(i); }
    omStirrup& operator[](int i) { return at(i); }
    const omStirrup& at(int i) const;
    omStirrup& at(int i);

    bool isNoStirrups() const { return m_noStirrups; }
    void setNoStirrups(bool none) { m_noStirrups = none; }

    // The entry present at x with the most stirrup area per spacing (the first
    // of equals), or null when no entry at x has any. Entries without a usable
    // spacing are passed over.
    const omStirrup* getStirrup(double x) const;
    // The steel volume of all stirrups on a member of that length, each stirrup
    // of the given length (cm3). Entries without a usable spacing add nothing.
    omUnitValue V(double memberLength, double stirrupLength) const;
    // As for a band, over the entries with a usable spacing; the no-stirrups flag takes no part.
    bool isCompletelyDefined(omUncoveredRanges* uncovered) const;

    // Columns N, Fi [mm], E, XS, XE. Setting refuses rows whose spacing is not
    // greater than 0 and leaves the no-stirrups flag as it is.
    void getStringMatrix(omStringMatrix& table) const;
    void setStringMatrix(const omStringMatrix& table);

    void Serialize(CArchive& ar);

private:
    std::vector<omStirrup> m_stirrups;
    bool m_noStirrups = false;
};
