#include "common/omNumberFormat.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <locale>

namespace {
struct FormatCase {
    double value;
    omNumberFormat::Type type;
    unsigned digits;
    bool deleteZeros;
    const char* text;
};

using NF = omNumberFormat;

// The samples that the options' precision page shows, and the edges of each style.
const FormatCase kCases[] = {
    {0.0007800123488, NF::smart, 5, false, "0.00078001"},
    {1.39003421678935, NF::smart, 5, false, "1.3900"},
    {947381322.3342421, NF::smart, 5, false, "9.4738e+08"},
    {1.39003421678935, NF::smart, 5, true, "1.39"},
    {0.0001, NF::smart, 3, false, "0.000100"},
    {0.00001, NF::smart, 3, false, "1.00e-05"},
    {12345.0, NF::smart, 5, false, "12345"},
    {123456.0, NF::smart, 5, false, "1.2346e+05"},
    {120000.0, NF::smart, 5, true, "1.2e+05"},

    {0.0007800123488, NF::fixed, 5, false, "0.00078001"},
    {1.39003421678935, NF::fixed, 5, false, "1.3900"},
    {947381322.3342421, NF::fixed, 5, false, "947381322"},
    {1.39003421678935, NF::fixed, 5, true, "1.39"},
    {250.0, NF::fixed, 4, true, "250"},
    {250.0, NF::fixed, 4, false, "250.0"},
    {9.99996, NF::fixed, 5, false, "10.000"},
    {-1.5, NF::fixed, 3, false, "-1.50"},
    {0.0, NF::fixed, 5, false, "0.0000"},
    {0.0, NF::fixed, 5, true, "0"},
    {-0.0, NF::fixed, 5, true, "0"},

    {0.0007800123488, NF::scientific, 5, false, "7.8001e-04"},
    {1.39003421678935, NF::scientific, 5, false, "1.3900e+00"},
    {1.39003421678935, NF::scientific, 5, true, "1.39e+00"},
    {947381322.3342421, NF::scientific, 3, false, "9.47e+08"},
    {1e100, NF::scientific, 2, false, "1.0e+100"},
};
} // namespace

TEST(omNumberFormat, StylesWriteTheExpectedTexts) {
    for (const FormatCase& c : kCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(NF(c.digits, c.type, c.deleteZeros).CConvert(c.value), c.text);
        std::string text = "old";
        NF::Convert(text, c.value, c.type, c.digits, c.deleteZeros);
        EXPECT_EQ(text, c.text);
    }
}

TEST(omNumberFormat, SmallValuesAreWrittenAsZeroOnlyWhenAsked) {
    EXPECT_EQ(NF(5, NF::fixed, true, true, 1e-12).CConvert(3e-13), "0");
    EXPECT_EQ(NF(5, NF::fixed, true, true, 1e-12).CConvert(-3e-13), "0");
    EXPECT_EQ(NF(5, NF::fixed, false, true, 1e-6).CConvert(5e-7), "0.0000");
    EXPECT_EQ(NF(3, NF::smart, true, false, 1e-12).CConvert(3e-13), "3e-13");
    EXPECT_EQ(NF(3, NF::smart, true, true, 1e-12).CConvert(2e-12), "2e-12");
}

TEST(omNumberFormat, NumbersThatAreNoNumbersHaveTexts) {
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(NF().CConvert(inf), "inf");
    EXPECT_EQ(NF().CConvert(-inf), "-inf");
    EXPECT_EQ(NF().CConvert(std::numeric_limits<double>::quiet_NaN()), "nan");
    // Digits out of range are taken at the nearest sensible count.
    EXPECT_EQ(NF(0, NF::fixed, false).CConvert(2.25), "2");
}

TEST(omNumberFormat, TextDoesNotDependOnTheLocale) {
    struct Comma : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
    };
    const std::locale old = std::locale::global(std::locale(std::locale::classic(), new Comma));
    const CString text = NF(5, NF::fixed, false).CConvert(1.25);
    std::locale::global(old);
    EXPECT_EQ(text, "1.2500");
}

TEST(omNumberFormat, ImageHoldsTheFieldsAtTheirOffsets) {
    const NF format(7, NF::scientific, true, true, 1e-9);
    const auto image = format.toImage();
    std::uint32_t digits;
    std::int32_t type;
    double limit;
    std::memcpy(&digits, &image[4], 4);
    std::memcpy(&type, &image[8], 4);
    std::memcpy(&limit, &image[16], 8);
    EXPECT_EQ(digits, 7u);
    EXPECT_EQ(type, 2);
    EXPECT_EQ(image[12], 1);
    EXPECT_EQ(image[13], 1);
    EXPECT_EQ(limit, 1e-9);

    NF read;
    ASSERT_TRUE(read.fromImage(image.data(), image.size()));
    EXPECT_EQ(read, format);
}

TEST(omNumberFormat, MalformedImagesLeaveTheFormatAlone) {
    const NF defaults(4, NF::fixed, true);
    auto good = NF(6, NF::smart, false).toImage();

    NF f = defaults;
    EXPECT_FALSE(f.fromImage(good.data(), 23));
    EXPECT_FALSE(f.fromImage(nullptr, 24));
    auto badStyle = good;
    badStyle[8] = 3;
    EXPECT_FALSE(f.fromImage(badStyle.data(), badStyle.size()));
    auto badDigits = good;
    std::memset(&badDigits[4], 0, 4);
    EXPECT_FALSE(f.fromImage(badDigits.data(), badDigits.size()));
    auto badLimit = good;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    std::memcpy(&badLimit[16], &nan, 8);
    EXPECT_FALSE(f.fromImage(badLimit.data(), badLimit.size()));
    EXPECT_EQ(f, defaults);
}
