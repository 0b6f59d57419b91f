#pragma once
// The user's options for the whole program: personal data for the report
// heads, the home page, the character set of text output, the two number
// formats, the drawing grid and the analysis settings. Kept under
// "Software\Orvex\Strakon\Options" in five sections; read when the object is
// made, written by the Options command and when the object goes at exit.
#include "app/shell/ASingleton.h"
#include "common/AStorageBase.h"
#include "common/omNumberFormat.h"
#include "common/omUnitManager.h"
#include "platform/core/COLORREF.h"
#include "platform/core/CString.h"

#include <cstdint>

class AOptionsAttributes : public AStorageBase, public ASingleton<AOptionsAttributes> {
    DECLARE_STORAGE_INTERFACE()
public:
    // Made by Instance, read from the store; Release deletes it, which saves it.
    AOptionsAttributes();
    // One object saves itself when it goes: copies would write the store as well.
    AOptionsAttributes(const AOptionsAttributes&) = delete;
    AOptionsAttributes& operator=(const AOptionsAttributes&) = delete;
    // Saves every field.
    ~AOptionsAttributes() override;

    // Reads every field; a missing value, or one out of its range, takes the
    // default. Then hands the polynomial degree to the Dravik element.
    void Load();
    void Save();
    // Every field at its default (what an empty store gives).
    void SetDefaults();

    CString author;
    CString company;
    CString smallLogo;
    CString bigLogo;
    CString homePage;
    std::uint8_t characterSet = 0;
    // The number format of coordinates, loads and results on screen; its
    // small-value switch and limit are the minimum-diagram switch and threshold.
    omNumberFormat workFormat;
    omNumberFormat outputFormat;
    omUnitKey gridUnitMajor = omUK_m;
    omUnitKey gridUnitMinor = omUK_cm;
    double gridSizeMajor = 1.0;
    double gridSizeMinor = 10.0;
    COLORREF gridColorMajor = 0;
    COLORREF gridColorMinor = 0x808080;
    std::uint32_t gridUnitType = 0; // 0 metric, 1 imperial
    bool showGridMajor = true;
    bool showGridMinor = true;
    std::uint32_t internalPoints = 9;
    std::uint32_t maxIterations = 15;
    double displacementPrecision = 0.0001;
    std::uint32_t polynomDegree = 4;
    std::uint32_t defaultElement = 1; // 0 linear, 1 non-linear

    static const char* const kDefaultHomePage;
};
