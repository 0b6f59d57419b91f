#include "common/omNumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

constexpr unsigned kMaxDigits = 17; // a double holds no more

// to_chars never consults the locale, which keeps '.' as the decimal point.
std::string toChars(double value, std::chars_format format, int precision) {
    char buffer[512];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
    return std::string(buffer, result.ptr);
}

// The decimal exponent of the value once rounded to the given significant digits.
int roundedExponent(double value, int digits) {
    if (value == 0.0) return 0;
    const std::string s = toChars(value, std::chars_format::scientific, digits - 1);
    const auto e = s.find('e');
    return e == std::string::npos ? 0 : std::atoi(s.c_str() + e + 1);
}

void deleteTrailingZeros(std::string& text) {
    const auto e = text.find('e');
    std::string exponent = e == std::string::npos ? std::string() : text.substr(e);
    std::string mantissa = text.substr(0, e);
    if (mantissa.find('.') != std::string::npos) {
        while (!mantissa.empty() && mantissa.back() == '0')
            mantissa.pop_back();
        if (!mantissa.empty() && mantissa.back() == '.') mantissa.pop_back();
    }
    text = mantissa + exponent;
}

} // namespace

void omNumberFormat::Convert(std::string& text, double value, Type style, unsigned digits, bool deleteZeros) {
    if (std::isnan(value)) {
        text = "nan";
        return;
    }
    if (std::isinf(value)) {
        text = value < 0 ? "-inf" : "inf";
        return;
    }
    if (value == 0.0) value = 0.0; // no "-0"
    const int d = static_cast<int>(std::clamp(digits, 1u, kMaxDigits));
    const int x = roundedExponent(value, d);

    const bool scientificForm = style == scientific || (style == smart && (x < -4 || x >= d));
    if (scientificForm)
        text = toChars(value, std::chars_format::scientific, d - 1);
    else
        text = toChars(value, std::chars_format::fixed, std::max(0, d - 1 - x));
    if (deleteZeros) deleteTrailingZeros(text);
}

CString omNumberFormat::CConvert(double value) const {
    if (m_smallAsZero && std::fabs(value) < m_limit) value = 0.0;
    std::string text;
    Convert(text, value, m_type, m_digits, m_deleteZeros);
    return CString(std::move(text));
}

std::array<std::uint8_t, omNumberFormat::imageSize> omNumberFormat::toImage() const {
    std::array<std::uint8_t, imageSize> image{};
    const std::uint32_t digits = m_digits;
    const std::int32_t type = m_type;
    // The image is little-endian, as the machine is (checked where archives are built).
    std::memcpy(&image[4], &digits, 4);
    std::memcpy(&image[8], &type, 4);
    image[12] = m_deleteZeros ? 1 : 0;
    image[13] = m_smallAsZero ? 1 : 0;
    std::memcpy(&image[16], &m_limit, 8);
    return image;
}

bool omNumberFormat::fromImage(const void* image, std::size_t size) {
    if (!image || size < imageSize) return false;
    const auto* bytes = static_cast<const std::uint8_t*>(image);
    std::uint32_t digits;
    std::int32_t type;
    double limit;
    std::memcpy(&digits, bytes + 4, 4);
    std::memcpy(&type, bytes + 8, 4);
    std::memcpy(&limit, bytes + 16, 8);
    if (digits < 1 || digits > kMaxDigits || type < smart || type > scientific || !std::isfinite(limit))
        return false;
    m_digits = digits;
    m_type = static_cast<Type>(type);
    m_deleteZeros = bytes[12] != 0;
    m_smallAsZero = bytes[13] != 0;
    m_limit = limit;
    return true;
}
