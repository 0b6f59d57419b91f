// Translated formats are used only when their conversions fit the arguments.
#include "app/report/AOutputFormat.h"

#include <gtest/gtest.h>

#include <clocale>

TEST(SafeFormat, FillsMatchingFormatsAndRefusesTheRest) {
    const std::vector<AFormatArg> args{AFormatArg(2), AFormatArg("satisfied"), AFormatArg(0.8239)};
    struct Case {
        const char* format;
        const char* expected; // null: refused
    };
    const Case cases[] = {
        {"Class %i: %s %.3lf", "Class 2: satisfied 0.824"},
        {"%d|%-10s|%8.2f", "2|satisfied |    0.82"},
        {"%+05d %s %e", "+0002 satisfied 8.239000e-01"},
        {"100%% %i %s %g", "100% 2 satisfied 0.8239"},
        {"%s %s %f", nullptr},    // a text where the integer stands
        {"%i %s", nullptr},       // too few conversions
        {"%i %s %f %f", nullptr}, // too many: would read past the arguments
        {"%i %s %n", nullptr},    // writes through a pointer
        {"%*i %s %f", nullptr},   // width from the arguments
        {"%i %s %.*f", nullptr},  // precision from the arguments
        {"%x %s %f", nullptr},    // other conversions
        {"%i %ls %f", nullptr},   // wide texts
        {"%i %s %Lf", nullptr},   // long double
        {"%i %s %f %", nullptr},  // a lone percent at the end
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.format);
        auto text = SafeFormat(c.format, args);
        if (c.expected) {
            ASSERT_TRUE(text.has_value());
            EXPECT_EQ(*text, c.expected);
        } else {
            EXPECT_FALSE(text.has_value());
        }
    }
}

TEST(SafeFormat, NumbersIgnoreTheUserLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8")) GTEST_SKIP() << "no German locale here (scripts/setup generates de_DE.UTF-8)";
    auto text = SafeFormat("%.2f", {AFormatArg(1.5)});
    std::setlocale(LC_NUMERIC, saved.c_str());
    EXPECT_EQ(text.value_or(""), "1.50");
}

TEST(FormatOutputString, ATranslationThatDoesNotFitGivesWayToEnglishAndThenToTheProgramsOwnText) {
    const std::vector<AFormatArg> args{AFormatArg(2),   AFormatArg("ok"), AFormatArg("buckling"),
                                       AFormatArg(0.5), AFormatArg("<="), AFormatArg("ULS: LC1")};
    const char* english = "Class %i: stability %s (%s): %.3lf %s 1.0 %s";
    // %s where the class number stands: the English text instead.
    EXPECT_EQ(FormatOutputString("EC3:SREP", "Klasse %s: %s (%s) %.3f %s 1.0 %s", english, args),
              "Class 2: stability ok (buckling): 0.500 <= 1.0 ULS: LC1");
    EXPECT_EQ(FormatOutputString("EC3:SREP", "Klasse %i: %s (%s) %.3f %s 1.0 %s", english, args),
              "Klasse 2: ok (buckling) 0.500 <= 1.0 ULS: LC1");
    // Neither fits: the program's own text; an unknown key without any: its error text.
    EXPECT_EQ(FormatOutputString("EC3:SREP", "%n", "Error:EC3:SREP", args),
              "Class 2: stability ok (buckling): 0.500 <= 1.0 ULS: LC1");
    EXPECT_EQ(FormatOutputString("XYZ", "%s", "%s", args), "Error:XYZ");
    // The shipped table's English text fits.
    EXPECT_EQ(FormatOutputString("EC3:SREP", args),
              "Class 2: stability ok (buckling): 0.500 <= 1.0 ULS: LC1");
}
