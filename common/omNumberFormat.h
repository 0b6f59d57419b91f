#pragma once
// How numbers are written: a count of significant digits, a style, and two
// switches. The text never depends on the user's locale: the decimal point is
// always '.'.
//
// Styles, for digits d:
//  - smart:      d significant digits, positional unless the decimal exponent
//                is below -4 or at least d, then as scientific
//                (1.3900, 0.00078001, 9.4738e+08 for d = 5);
//  - fixed:      positional with d significant digits, never an exponent; a
//                number with more integer digits than d keeps all of them and
//                has no decimals (1.3900, 0.00078001, 947381322);
//  - scientific: one digit before the point, d - 1 after it, and the exponent
//                with a sign and at least two digits (1.3900e+00).
// Deleting redundant zeros removes trailing zeros behind the decimal point, and
// the point itself when nothing follows it (1.39, 0.00078001, 9.4738e+08).
// Treating small values as zero writes every value whose magnitude is below the
// limit as 0 would be written. Infinite values and NaN are written "inf", "-inf" and "nan".
#include "platform/core/CString.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

class omNumberFormat {
public:
    enum Type : std::int32_t { smart = 0, fixed = 1, scientific = 2 };

    // The size of the binary image that the settings store keeps.
    static constexpr std::size_t imageSize = 24;

    // 5 digits, fixed, zeros kept, small values not filtered, limit 1e-12.
    omNumberFormat() = default;
    omNumberFormat(unsigned digits, Type type, bool deleteZeros, bool smallAsZero = false,
                   double limit = 1e-12)
        : m_digits(digits), m_type(type), m_deleteZeros(deleteZeros), m_smallAsZero(smallAsZero),
          m_limit(limit) {}

    // The text of a number in this format.
    CString CConvert(double value) const;
    // Writes the text of a number in the given style into text (small values are not filtered).
    static void Convert(std::string& text, double value, Type style, unsigned digits, bool deleteZeros);

    unsigned getDigits() const { return m_digits; }
    Type getType() const { return m_type; }
    bool getDeleteZeros() const { return m_deleteZeros; }
    bool getSmallAsZero() const { return m_smallAsZero; }
    double getLimit() const { return m_limit; }
    void setDigits(unsigned digits) { m_digits = digits; }
    void setType(Type type) { m_type = type; }
    void setDeleteZeros(bool on) { m_deleteZeros = on; }
    void setSmallAsZero(bool on) { m_smallAsZero = on; }
    void setLimit(double limit) { m_limit = limit; }

    // The 24-byte image, little-endian: bytes 0-3 unused (zero), 4-7 digits,
    // 8-11 style, 12 delete-zeros flag, 13 small-as-zero flag, 14-15 unused
    // (zero), 16-23 the limit as an IEEE double.
    std::array<std::uint8_t, imageSize> toImage() const;
    // Takes the fields from an image. An image shorter than 24 bytes, or one
    // with digits outside 1 to 17, a style outside 0 to 2 or a limit that is no
    // finite number, is refused: false, and the format stays as it was.
    bool fromImage(const void* image, std::size_t size);

    bool operator==(const omNumberFormat& o) const = default;

private:
    unsigned m_digits = 5;
    Type m_type = fixed;
    bool m_deleteZeros = false;
    bool m_smallAsZero = false;
    double m_limit = 1e-12;
};
