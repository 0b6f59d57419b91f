#pragma once
// The partial safety factors of the two design codes: one object for the whole
// program, kept in the current user's settings under
// "Software\Orvex\Strakon\SafetyFactors" ("\EC2" and "\EC3"). Structure files
// do not carry them.
//
// SafetyFactorsEC::Instance() makes the object on first use and loads both sets.
// The program saves them on its way out with SafetyFactorsEC::Release(), which
// its exit path calls while the settings store still exists; a static
// destructor would run too late for that.
#include "model/omLoadCase.h"

// The eight factors of the reinforced-concrete design.
class SafetyFactorsEC2 {
public:
    // Every factor 0; Load gives the defaults of missing values.
    SafetyFactorsEC2() = default;
    SafetyFactorsEC2(const SafetyFactorsEC2&) = default;
    SafetyFactorsEC2& operator=(const SafetyFactorsEC2&) = default;
    virtual ~SafetyFactorsEC2();

    // gamma s and gamma c for a load case's limit state: the ultimate
    // persistent-and-transient factor for states 0 and 5, the accidental one
    // for 4, the seismic one for 6, the serviceability one for 1, and 1.0 for
    // creep, skew and any other value.
    double GetSteelFactor(omLoadCase::LimitState state) const;
    double GetConcreteFactor(omLoadCase::LimitState state) const;

    // Reads the factors; a value that is missing, not an 8-byte binary, or
    // outside the range the editing page accepts (0.5 to 2.0) gives the default.
    void Load();
    void Save() const;

    // The range the editing page accepts for every factor.
    static constexpr double minimum = 0.5;
    static constexpr double maximum = 2.0;

    // Reinforcement steel.
    double m_steelServiceability = 0.0;
    double m_steelUltimatePermanent = 0.0;
    double m_steelUltimateAccidental = 0.0;
    double m_steelUltimateSeismic = 0.0;
    // Concrete.
    double m_concreteServiceability = 0.0;
    double m_concreteUltimatePermanent = 0.0;
    double m_concreteUltimateAccidental = 0.0;
    double m_concreteUltimateSeismic = 0.0;
};

// The four factors of the steel design.
class SafetyFactorsEC3 {
public:
    SafetyFactorsEC3() = default;
    SafetyFactorsEC3(const SafetyFactorsEC3&) = default;
    SafetyFactorsEC3& operator=(const SafetyFactorsEC3&) = default;
    virtual ~SafetyFactorsEC3();

    // As for the EC2 factors; the page accepts 1.0 to 1.5 for the gammas and
    // 0.0 to 1.0 for psi vec.
    void Load();
    void Save() const;

    static constexpr double gammaMinimum = 1.0;
    static constexpr double gammaMaximum = 1.5;
    static constexpr double psiMinimum = 0.0;
    static constexpr double psiMaximum = 1.0;

    double m_gammaM0 = 0.0;
    double m_gammaM1 = 0.0;
    double m_gammaM2 = 0.0;
    double m_psiVec = 0.0;
};

class SafetyFactorsEC {
public:
    virtual ~SafetyFactorsEC();

    // The program's single object, made and loaded on the first call.
    static SafetyFactorsEC* Instance();
    // Saves both sets and deletes the object; the next Instance() loads anew.
    // Nothing happens when the object was never made.
    static void Release();
    // Deletes the object without saving it (the settings were swept).
    static void Discard();
    // Takes both sets and saves them at once: a change survives a program that
    // does not end normally, and the next design reads it.
    void Set(const SafetyFactorsEC2& ec2, const SafetyFactorsEC3& ec3);

    SafetyFactorsEC2 m_EC2;
    SafetyFactorsEC3 m_EC3;

private:
    SafetyFactorsEC() = default;
    SafetyFactorsEC(const SafetyFactorsEC&) = delete;
    SafetyFactorsEC& operator=(const SafetyFactorsEC&) = delete;
};
