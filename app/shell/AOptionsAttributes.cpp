#include "app/shell/AOptionsAttributes.h"

#include "app/shell/ARegistry.h"
#include "model/elements/omDravikFE.h"

#include <algorithm>
#include <cmath>

namespace {

const CString kRoot = "Software\\Orvex\\Strakon\\Options";
const CString kPersonalize = kRoot + "\\Personalize";
const CString kWWW = kRoot + "\\WWW Page";
const CString kNumberFormats = kRoot + "\\NF Page";
const CString kGrid = kRoot + "\\Grid/Snap Page";
const CString kAnalysis = kRoot + "\\Analysis Page";

// The degrees the Dravik element has polynomials for.
constexpr std::uint32_t kMinDegree = 2;
constexpr std::uint32_t kMaxDegree = 8;
constexpr std::uint32_t kMinInternalPoints = 2;
constexpr std::uint32_t kMaxInternalPoints = 19;
constexpr std::uint32_t kMinIterations = 3;
constexpr std::uint32_t kMaxIterations = 30;

void readFormat(const ARegistry& reg, const char* name, omNumberFormat& format) {
    std::uint8_t image[omNumberFormat::imageSize];
    if (reg.GetBinary(name, image, sizeof image, ARegistry::BinarySize::exactly) == sizeof image)
        format.fromImage(image, sizeof image);
}

void writeFormat(ARegistry& reg, const char* name, const omNumberFormat& format) {
    const auto image = format.toImage();
    reg.SetBinary(name, image.data(), static_cast<unsigned>(image.size()));
}

// A positive finite number, or the default.
double positive(double value, double defaultValue) {
    return std::isfinite(value) && value > 0.0 ? value : defaultValue;
}

} // namespace

const char* const AOptionsAttributes::kDefaultHomePage = "http://www.orvex.com";

AOptionsAttributes::AOptionsAttributes() {
    SetDefaults();
    Load();
}

AOptionsAttributes::~AOptionsAttributes() {
    Save();
}

void AOptionsAttributes::SetDefaults() {
    author.Empty();
    company.Empty();
    smallLogo.Empty();
    bigLogo.Empty();
    homePage = kDefaultHomePage;
    characterSet = 0;
    workFormat = omNumberFormat(4, omNumberFormat::fixed, true, false, 1e-12);
    outputFormat = omNumberFormat(5, omNumberFormat::fixed, false, false, 1e-12);
    gridUnitMajor = omUK_m;
    gridUnitMinor = omUK_cm;
    gridSizeMajor = 1.0;
    gridSizeMinor = 10.0;
    gridColorMajor = 0;
    gridColorMinor = 0x808080;
    gridUnitType = 0;
    showGridMajor = true;
    showGridMinor = true;
    internalPoints = 9;
    maxIterations = 15;
    displacementPrecision = 0.0001;
    polynomDegree = 4;
    defaultElement = 1;
}

void AOptionsAttributes::Load() {
    ARegistry reg;
    if (reg.OpenOrCreate(kPersonalize)) {
        author = reg.GetString("Author", author);
        company = reg.GetString("Company", company);
        smallLogo = reg.GetString("Small logo", smallLogo);
        bigLogo = reg.GetString("Big logo", bigLogo);
        characterSet = static_cast<std::uint8_t>(reg.GetDword("Character set", characterSet) & 0xFF);
    }
    if (reg.OpenOrCreate(kWWW)) homePage = reg.GetString("Default homepage", homePage);
    if (reg.OpenOrCreate(kNumberFormats)) {
        readFormat(reg, "NF work", workFormat);
        readFormat(reg, "NF output", outputFormat);
    }
    if (reg.OpenOrCreate(kGrid)) {
        gridUnitMajor = reg.GetUnitKey("Unit major", gridUnitMajor);
        gridUnitMinor = reg.GetUnitKey("Unit minor", gridUnitMinor);
        gridSizeMajor = positive(reg.GetDouble("Size major", gridSizeMajor), 1.0);
        gridSizeMinor = positive(reg.GetDouble("Size minor", gridSizeMinor), 10.0);
        gridColorMajor = reg.GetDword("Color major", gridColorMajor);
        gridColorMinor = reg.GetDword("Color minor", gridColorMinor);
        showGridMajor = reg.GetBool("Show major", showGridMajor);
        showGridMinor = reg.GetBool("Show minor", showGridMinor);
        gridUnitType = reg.GetDword("Unit type", gridUnitType);
    }
    if (reg.OpenOrCreate(kAnalysis)) {
        // The Options dialog's ranges: a count beyond them would have Solve
        // work without end (or overflow) for a value no user gave.
        internalPoints = reg.GetDword("# int. points", internalPoints);
        if (internalPoints == 0) internalPoints = 9;
        internalPoints = std::clamp(internalPoints, kMinInternalPoints, kMaxInternalPoints);
        maxIterations = reg.GetDword("# max iter.", maxIterations);
        if (maxIterations == 0) maxIterations = 15;
        maxIterations = std::clamp(maxIterations, kMinIterations, kMaxIterations);
        displacementPrecision = positive(reg.GetDouble("Rel. dis. prec", displacementPrecision), 0.0001);
        polynomDegree = reg.GetDword("Polynom degree", polynomDegree);
        if (polynomDegree < kMinDegree || polynomDegree > kMaxDegree) polynomDegree = 4;
        defaultElement = reg.GetDword("Default element", defaultElement);
    }
    reg.Close();
    omDravikFE::SetPolyDegree(polynomDegree);
}

void AOptionsAttributes::Save() {
    ARegistry reg;
    if (reg.OpenOrCreate(kPersonalize)) {
        reg.SetString("Author", author);
        reg.SetString("Company", company);
        reg.SetString("Small logo", smallLogo);
        reg.SetString("Big logo", bigLogo);
        reg.SetDword("Character set", characterSet);
    }
    if (reg.OpenOrCreate(kWWW)) reg.SetString("Default homepage", homePage);
    if (reg.OpenOrCreate(kNumberFormats)) {
        writeFormat(reg, "NF work", workFormat);
        writeFormat(reg, "NF output", outputFormat);
    }
    if (reg.OpenOrCreate(kGrid)) {
        reg.SetUnitKey("Unit major", gridUnitMajor);
        reg.SetUnitKey("Unit minor", gridUnitMinor);
        reg.SetDouble("Size major", gridSizeMajor);
        reg.SetDouble("Size minor", gridSizeMinor);
        reg.SetDword("Color major", gridColorMajor);
        reg.SetDword("Color minor", gridColorMinor);
        reg.SetBool("Show major", showGridMajor);
        reg.SetBool("Show minor", showGridMinor);
        reg.SetDword("Unit type", gridUnitType);
    }
    if (reg.OpenOrCreate(kAnalysis)) {
        reg.SetDword("# int. points", internalPoints);
        reg.SetDword("# max iter.", maxIterations);
        reg.SetDouble("Rel. dis. prec", displacementPrecision);
        reg.SetDword("Polynom degree", polynomDegree);
        reg.SetDword("Default element", defaultElement);
    }
    reg.Close();
    omDravikFE::SetPolyDegree(polynomDegree);
}
