#include "app/shell/AOptionsAttributes.h"

#include "SettingsFixture.h"

#include "model/elements/omDravikFE.h"

#include <cmath>
#include <cstring>

namespace {

const char* const kPersonalize = "Software\\Orvex\\Strakon\\Options\\Personalize";
const char* const kNF = "Software\\Orvex\\Strakon\\Options\\NF Page";
const char* const kGrid = "Software\\Orvex\\Strakon\\Options\\Grid/Snap Page";
const char* const kAnalysis = "Software\\Orvex\\Strakon\\Options\\Analysis Page";

class AOptionsAttributesTest : public SettingsFixture {
protected:
    void SetUp() override {
        SettingsFixture::SetUp();
        omDravikFE::m_N = 3;
    }
};

TEST_F(AOptionsAttributesTest, AnEmptyStoreGivesTheDefaultsAndMakesTheSections) {
    const AOptionsAttributes* o = AOptionsAttributes::Instance();
    EXPECT_EQ(o->author, "");
    EXPECT_EQ(o->company, "");
    EXPECT_EQ(o->smallLogo, "");
    EXPECT_EQ(o->bigLogo, "");
    EXPECT_EQ(o->homePage, AOptionsAttributes::kDefaultHomePage);
    EXPECT_EQ(o->characterSet, 0);
    EXPECT_EQ(o->workFormat, omNumberFormat(4, omNumberFormat::fixed, true, false, 1e-12));
    EXPECT_EQ(o->outputFormat, omNumberFormat(5, omNumberFormat::fixed, false, false, 1e-12));
    EXPECT_EQ(o->gridUnitMajor, omUK_m);
    EXPECT_EQ(o->gridUnitMinor, omUK_cm);
    EXPECT_EQ(o->gridSizeMajor, 1.0);
    EXPECT_EQ(o->gridSizeMinor, 10.0);
    EXPECT_EQ(o->gridColorMajor, 0u);
    EXPECT_EQ(o->gridColorMinor, 0x808080u);
    EXPECT_EQ(o->gridUnitType, 0u);
    EXPECT_TRUE(o->showGridMajor);
    EXPECT_TRUE(o->showGridMinor);
    EXPECT_EQ(o->internalPoints, 9u);
    EXPECT_EQ(o->maxIterations, 15u);
    EXPECT_EQ(o->displacementPrecision, 0.0001);
    EXPECT_EQ(o->polynomDegree, 4u);
    EXPECT_EQ(o->defaultElement, 1u);
    EXPECT_EQ(omDravikFE::m_N, 5u);
    ARegistry reg;
    reg.Connect(HKEY_CURRENT_USER);
    for (const char* key :
         {kPersonalize, kNF, kGrid, kAnalysis, "Software\\Orvex\\Strakon\\Options\\WWW Page"})
        EXPECT_TRUE(reg.Open(key)) << key;
}

TEST_F(AOptionsAttributesTest, StoredValuesOfTheWrongKindOrOutOfRangeTakeTheirDefaults) {
    write(kPersonalize, [](ARegistry& reg) { reg.SetDword("Character set", 0x1A2); });
    write(kGrid, [](ARegistry& reg) {
        reg.SetDword("Size major", 5);     // a DWORD where a double belongs
        reg.SetDouble("Size minor", -2.0); // no grid of negative size
        reg.SetString("Unit major", "kN"); // no length
        reg.SetString("Unit minor", "mm");
    });
    write(kAnalysis, [](ARegistry& reg) {
        reg.SetDword("Polynom degree", 12);
        reg.SetDword("# int. points", 0);
        reg.SetDword("# max iter.", 0);
        reg.SetDouble("Rel. dis. prec", std::nan(""));
    });
    write(kNF, [](ARegistry& reg) {
        const std::uint8_t shortImage[10] = {};
        reg.SetBinary("NF work", shortImage, sizeof shortImage);
    });
    const AOptionsAttributes* o = AOptionsAttributes::Instance();
    EXPECT_EQ(o->characterSet, 0xA2);
    EXPECT_EQ(o->gridSizeMajor, 1.0);
    EXPECT_EQ(o->gridSizeMinor, 10.0);
    EXPECT_EQ(o->gridUnitMajor, omUK_m);
    EXPECT_EQ(o->gridUnitMinor, omUK_mm);
    EXPECT_EQ(o->polynomDegree, 4u);
    EXPECT_EQ(omDravikFE::m_N, 5u);
    EXPECT_EQ(o->internalPoints, 9u);
    EXPECT_EQ(o->maxIterations, 15u);
    EXPECT_EQ(o->displacementPrecision, 0.0001);
    EXPECT_EQ(o->workFormat, omNumberFormat(4, omNumberFormat::fixed, true, false, 1e-12));
}

TEST_F(AOptionsAttributesTest, StoredAnalysisCountsAreHeldToTheOptionsDialogsRanges) {
    // Counts no user can type in the Options dialog: Solve would work without
    // end, overflow, or finish without result points.
    struct Case {
        std::uint32_t points, iterations;
        std::uint32_t expectedPoints, expectedIterations;
    };
    const Case cases[] = {
        {1'000'000, 1'000'000, 19, 30},
        {0x7fffffff, 0x7fffffff, 19, 30},
        {0xffffffff, 0xffffffff, 19, 30},
        {1, 1, 2, 3},
        {2, 3, 2, 3},
        {19, 30, 19, 30},
    };
    for (const Case& c : cases) {
        write(kAnalysis, [&](ARegistry& reg) {
            reg.SetDword("# int. points", c.points);
            reg.SetDword("# max iter.", c.iterations);
        });
        AOptionsAttributes* o = AOptionsAttributes::Instance();
        o->Load();
        EXPECT_EQ(o->internalPoints, c.expectedPoints) << c.points;
        EXPECT_EQ(o->maxIterations, c.expectedIterations) << c.iterations;
    }
}

TEST_F(AOptionsAttributesTest, EveryFieldSurvivesASaveAndTheNextRun) {
    AOptionsAttributes* o = AOptionsAttributes::Instance();
    o->author = "A. Engineer";
    o->company = "Frames & Co";
    o->smallLogo = "/home/u/small.png";
    o->bigLogo = "/home/u/big.png";
    o->homePage = "http://example.org";
    o->characterSet = 238;
    o->workFormat = omNumberFormat(6, omNumberFormat::scientific, false, true, 1e-7);
    o->outputFormat = omNumberFormat(3, omNumberFormat::smart, true, true, 0.5);
    o->gridUnitMajor = omUK_ft;
    o->gridUnitMinor = omUK_in;
    o->gridSizeMajor = 2.5;
    o->gridSizeMinor = 6.0;
    o->gridColorMajor = 0x0000FF;
    o->gridColorMinor = 0x00FF00;
    o->gridUnitType = 1;
    o->showGridMajor = false;
    o->showGridMinor = false;
    o->internalPoints = 19;
    o->maxIterations = 30;
    o->displacementPrecision = 1e-6;
    o->polynomDegree = 6;
    o->defaultElement = 0;
    AOptionsAttributes::Release(); // saves
    restart();
    const AOptionsAttributes* r = AOptionsAttributes::Instance();
    EXPECT_EQ(r->author, CString("A. Engineer"));
    EXPECT_EQ(r->company, CString("Frames & Co"));
    EXPECT_EQ(r->smallLogo, CString("/home/u/small.png"));
    EXPECT_EQ(r->bigLogo, CString("/home/u/big.png"));
    EXPECT_EQ(r->homePage, CString("http://example.org"));
    EXPECT_EQ(r->characterSet, 238u);
    EXPECT_EQ(r->workFormat, (omNumberFormat(6, omNumberFormat::scientific, false, true, 1e-7)));
    EXPECT_EQ(r->outputFormat, (omNumberFormat(3, omNumberFormat::smart, true, true, 0.5)));
    EXPECT_EQ(r->gridUnitMajor, omUK_ft);
    EXPECT_EQ(r->gridUnitMinor, omUK_in);
    EXPECT_EQ(r->gridSizeMajor, 2.5);
    EXPECT_EQ(r->gridSizeMinor, 6.0);
    EXPECT_EQ(r->gridColorMajor, 0x0000FFu);
    EXPECT_EQ(r->gridColorMinor, 0x00FF00u);
    EXPECT_EQ(r->gridUnitType, 1u);
    EXPECT_EQ(r->showGridMajor, false);
    EXPECT_EQ(r->showGridMinor, false);
    EXPECT_EQ(r->internalPoints, 19u);
    EXPECT_EQ(r->maxIterations, 30u);
    EXPECT_EQ(r->displacementPrecision, 1e-6);
    EXPECT_EQ(r->polynomDegree, 6u);
    EXPECT_EQ(r->defaultElement, 0u);
    EXPECT_EQ(omDravikFE::m_N, 7u);
}

TEST_F(AOptionsAttributesTest, TheNumberFormatIsStoredAsItsTwentyFourByteImage) {
    AOptionsAttributes* o = AOptionsAttributes::Instance();
    o->workFormat = omNumberFormat(7, omNumberFormat::scientific, true, true, 2.5e-3);
    o->Save();
    ARegistry reg;
    ASSERT_TRUE(reg.OpenOrCreate(kNF));
    std::uint8_t image[32] = {};
    ASSERT_EQ(reg.GetBinary("NF work", image, sizeof image), 24u);
    std::uint32_t digits = 0;
    std::uint32_t style = 0;
    double limit = 0;
    std::memcpy(&digits, image + 4, 4);
    std::memcpy(&style, image + 8, 4);
    std::memcpy(&limit, image + 16, 8);
    EXPECT_EQ(digits, 7u);
    EXPECT_EQ(style, 2u);
    EXPECT_EQ(image[12], 1);
    EXPECT_EQ(image[13], 1);
    EXPECT_EQ(limit, 2.5e-3);

    // Bytes 0 to 3 mean nothing to the reader.
    image[0] = 0xAB;
    image[3] = 0xCD;
    reg.SetBinary("NF work", image, 24);
    reg.Close();
    restart();
    EXPECT_EQ(AOptionsAttributes::Instance()->workFormat,
              omNumberFormat(7, omNumberFormat::scientific, true, true, 2.5e-3));
}

} // namespace
