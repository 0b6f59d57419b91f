#pragma once
// A number with a unit. The value is held in its own unit; reading it in
// another unit converts (omUnitManager). Comparisons and sums between values of
// one quantity convert the right operand into the left one's unit.
//
// Keys may be given as omUnitKey or as their numbers (Get(35) is Get(omUK_kN_cm2)).
//
// A value without a unit (key omUK_NoUnit) is a plain number. Adding values of
// different quantities gives such a value: a mixed sum, which callers show as
// such rather than in a unit it does not have.
#include "common/omUnitManager.h"

#include <iosfwd>
#include <string>
#include <string_view>

class omNumberFormat;

class omUnitValue {
public:
    // 0 without a unit.
    omUnitValue() = default;
    // 0 in the unit.
    explicit omUnitValue(omUnitKey key) : m_key(key) {}
    explicit omUnitValue(int key) : m_key(omUnitKey(key)) {}
    omUnitValue(double value, omUnitKey key) : m_value(value), m_key(key) {}
    omUnitValue(double value, int key) : m_value(value), m_key(omUnitKey(key)) {}
    // 0 or the value in the named unit, e.g. omUnitValue("kN/cm2"). An unknown
    // name is reported (code 10) and gives a value without a unit.
    explicit omUnitValue(std::string_view unitName);
    omUnitValue(double value, std::string_view unitName);
    omUnitValue(const omUnitValue&) = default;
    omUnitValue& operator=(const omUnitValue&) = default;

    // Sets the unit only; the number stays as it is.
    void Set(omUnitKey key) { m_key = key; }
    void Set(int key) { m_key = omUnitKey(key); }
    // Sets number and unit, without any conversion.
    void Set(double value, omUnitKey key) {
        m_value = value;
        m_key = key;
    }
    void Set(double value, int key) { Set(value, omUnitKey(key)); }
    // A null unit means "no unit".
    void Set(double value, const omUnit* unit);
    // Sets number and unit by the unit's name, as stored files hold it. An empty
    // name means "no unit"; a name that names no unit is reported to the error
    // container (code 10) and the value keeps the number without a unit, so that
    // the caller's check of the container shows the problem.
    void Set(double value, std::string_view unitName);

    // The value converted into the unit. A value without a unit, and a request
    // for "no unit", give the number as held. A unit of another quantity is
    // reported (code 11) and gives the number as held.
    double Get(omUnitKey key) const;
    double Get(int key) const { return Get(omUnitKey(key)); }
    // As Get(key) for a unit given by name; an unknown name is reported (code 10) and gives the number as
    // held.
    double Get(std::string_view unitName) const;

    // Re-expresses the value in the unit in place. Converting a value without a
    // unit only gives it the unit. Units of another quantity are reported (code
    // 11) and leave the value unchanged.
    void ConvertTo(omUnitKey key);
    void ConvertTo(int key) { ConvertTo(omUnitKey(key)); }
    // As ConvertTo(key); an unknown name is reported (code 10) and leaves the value unchanged.
    void ConvertTo(std::string_view unitName);

    // The number as held, in the value's own unit.
    double GetValue() const { return m_value; }
    omUnitKey GetKey() const { return m_key; }
    const omUnit* GetUnit() const;
    // The unit's name; empty without a unit.
    const std::string& GetUnitName() const;
    bool HasUnit() const;
    // The group of the value's quantity; null for a value without a unit.
    const omUnitGroup* UnitGroup() const;

    // The number in the format, a blank and the unit's name ("12.5 kN"); only the
    // number for a value without a unit.
    std::string AsString(const omNumberFormat& format) const;

    // Values of one quantity compare after converting the right operand into the
    // left one's unit. Values of different quantities are never equal; ordered,
    // they compare their numbers as held.
    bool operator==(const omUnitValue& other) const;
    bool operator!=(const omUnitValue& other) const { return !(*this == other); }
    bool operator<(const omUnitValue& other) const;
    bool operator>(const omUnitValue& other) const { return other < *this; }
    bool operator<=(const omUnitValue& other) const { return !(other < *this); }
    bool operator>=(const omUnitValue& other) const { return !(*this < other); }

    // Sums keep the left operand's unit. Values of different quantities (or with
    // one side without a unit) give a mixed sum: the numbers as held are added
    // and the result has no unit.
    omUnitValue& operator+=(const omUnitValue& other);
    omUnitValue& operator-=(const omUnitValue& other);
    omUnitValue operator+(const omUnitValue& other) const {
        omUnitValue r(*this);
        r += other;
        return r;
    }
    omUnitValue operator-(const omUnitValue& other) const {
        omUnitValue r(*this);
        r -= other;
        return r;
    }
    // Scaling keeps the unit.
    omUnitValue& operator*=(double f) {
        m_value *= f;
        return *this;
    }
    omUnitValue& operator/=(double d) {
        m_value /= d;
        return *this;
    }
    omUnitValue operator*(double f) const { return omUnitValue(m_value * f, m_key); }
    omUnitValue operator/(double d) const { return omUnitValue(m_value / d, m_key); }

private:
    double m_value = 0.0;
    omUnitKey m_key = omUK_NoUnit;
};

// Writes the number in the stream's current format, then a blank and the unit's
// name (nothing more for a value without a unit).
std::ostream& operator<<(std::ostream& out, const omUnitValue& value);
