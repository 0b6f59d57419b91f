// Reports that build their text in one buffer must write byte for byte what
// the stream itself writes: the numbers under every float field and precision
// the writers use, and the whole node and member results of a solved frame.
#include "CapturedLog.h"
#include "SolveRoad.h"
#include "StoreyFrame.h"

#include "model/omLogFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <locale>
#include <sstream>

namespace {

struct NumberCase {
    std::ios_base::fmtflags field;
    std::streamsize precision;
};

const NumberCase kNumberCases[] = {
    {std::ios_base::fmtflags{}, 0}, {std::ios_base::fmtflags{}, 2}, {std::ios_base::fmtflags{}, 5},
    {std::ios_base::fmtflags{}, 6}, {std::ios_base::fmtflags{}, 17}, {std::ios::fixed, 0},
    {std::ios::fixed, 2},           {std::ios::fixed, 5},           {std::ios::fixed, 12},
    {std::ios::scientific, 0},      {std::ios::scientific, 5},      {std::ios::fixed, 40},
};

const double kValues[] = {0.0,
                          -0.0,
                          1.0,
                          -1.5,
                          0.005,
                          0.015,
                          2.5,
                          -3.5,
                          123456.789,
                          -30098095.761913601,
                          1e-7,
                          -4.2e-12,
                          9.999995,
                          0.125,
                          1e21,
                          -1e300,
                          std::numeric_limits<double>::denorm_min(),
                          std::numeric_limits<double>::max(),
                          std::numeric_limits<double>::infinity(),
                          -std::numeric_limits<double>::infinity(),
                          std::numeric_limits<double>::quiet_NaN()};

TEST(LogFileText, NumbersAreAppendedAsTheStreamPrintsThem) {
    CapturedLog captured({});
    omLogFile& log = captured.log();
    for (const NumberCase& c : kNumberCases) {
        log.setf(c.field, std::ios::floatfield);
        ASSERT_TRUE(log.numbersAsText());
        for (double v : kValues) {
            std::ostringstream stream;
            stream.setf(c.field, std::ios::floatfield);
            stream.precision(c.precision);
            stream << v;
            std::string text = "x=";
            log.appendNumber(text, v, c.precision);
            EXPECT_EQ(text, "x=" + stream.str()) << "field " << c.field << ", precision " << c.precision;
        }
    }
    for (long long v : {0LL, 7LL, -12LL, 4294967295LL, std::numeric_limits<long long>::min()}) {
        std::string text;
        omLogFile::appendNumber(text, v);
        EXPECT_EQ(text, std::to_string(v));
    }
}

TEST(LogFileText, FlagsThatChangeTheLookOfNumbersKeepWritersOnTheStream) {
    CapturedLog captured({});
    omLogFile& log = captured.log();
    EXPECT_TRUE(log.numbersAsText());
    log.setf(std::ios::showpos);
    EXPECT_FALSE(log.numbersAsText());
    log.unsetf(std::ios::showpos);
    log.setf(std::ios::hex, std::ios::basefield);
    EXPECT_FALSE(log.numbersAsText());
    log.setf(std::ios::dec, std::ios::basefield);
    log.setf(std::ios::fixed | std::ios::scientific, std::ios::floatfield);
    EXPECT_FALSE(log.numbersAsText()) << "hexadecimal floating point";
    log.setf(std::ios::fixed, std::ios::floatfield);
    log.width(8);
    EXPECT_FALSE(log.numbersAsText()) << "a width waits for the next output";
    log.width(0);
    log.imbue(std::locale(std::locale::classic(), new std::numpunct<char>));
    EXPECT_FALSE(log.numbersAsText()) << "a locale of its own";
}

// The node and member results of a solved frame, once built in the buffer and
// once through the stream (a locale of the log's own, which prints as the
// classic one, keeps the writers on the stream); under the stream's default
// float field and under the fixed one that the model's reports leave behind.
std::string resultLog(storeyframe::Members kind, std::ios_base::fmtflags field, bool throughTheStream) {
    CapturedLog captured({lfNodeResults, lfElementResults});
    captured.log().setf(field, std::ios::floatfield);
    if (throughTheStream) captured.log().imbue(std::locale(std::locale::classic(), new std::numpunct<char>));
    std::unique_ptr<omStrakon> s = storeyframe::build(3, 2, kind);
    EXPECT_TRUE(solveroad::run(*s));
    return captured.text();
}

TEST(LogFileText, NodeAndMemberResultsAreWrittenAsTheStreamWritesThem) {
    struct Case {
        std::ios_base::fmtflags field;
        const char* point;
    };
    for (const Case& c : {Case{std::ios_base::fmtflags{}, "\nx(rel): 0.5, F={ 3: "},
                          Case{std::ios::fixed, "\nx(rel): 0.50, F={ 3: "}})
        for (storeyframe::Members kind : {storeyframe::Members::linear, storeyframe::Members::dravik}) {
            const std::string buffered = resultLog(kind, c.field, false);
            const std::string streamed = resultLog(kind, c.field, true);
            EXPECT_GT(buffered.size(), 10000u);
            EXPECT_NE(buffered.find(c.point), std::string::npos) << buffered.substr(0, 2000);
            EXPECT_NE(buffered.find("displacement: "), std::string::npos);
            EXPECT_EQ(buffered, streamed) << storeyframe::name(kind);
        }
}

} // namespace
