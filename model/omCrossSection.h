#pragma once
// The abstract cross-section of a member and its dimension variables.
//
// Axes: y horizontal and z vertical, both through the centroid; z points down,
// so the top fibre has a negative ordinate. Every section computes in one
// length unit (unit key 1, cm) and its powers: areas in key 6, first moments
// and moduli in key 11, second moments and the torsion constant in key 16.
#include "common/AStorageBase.h"
#include "common/omUndoList.h"
#include "common/omUnitValue.h"
#include "model/omId.h"
#include "rezavud/omVector.h"

#include <string>
#include <vector>

// One dimension of a shape: its admissible range, the step or list of values
// that a typed value snaps to, its short symbol, long name and current value.
class omCSVariable : public AStorageBase {
    DECLARE_STORAGE_INTERFACE()

public:
    // Bounds and step 0, no values, name and description "N/A", value 0 cm.
    omCSVariable();
    omCSVariable(double lower, double upper, double step, const std::vector<double>& values,
                 const std::string& name, const std::string& description);
    omCSVariable(const omCSVariable& other);
    omCSVariable& operator=(const omCSVariable& other);
    ~omCSVariable() override;

    void copy(const omCSVariable& other);

    // The value in cm.
    operator double() const { return m_value.Get(omUK_cm); }

    double lower() const { return m_lower; }
    double upper() const { return m_upper; }
    // 0 means no step.
    double step() const { return m_step; }
    // Admissible values in ascending order; when not empty they take the place of the step.
    const std::vector<double>& values() const { return m_values; }
    std::vector<double>& values() { return m_values; }
    const std::string& name() const { return m_name; }
    const std::string& description() const { return m_description; }
    const omUnitValue& value() const { return m_value; }
    omUnitValue& value() { return m_value; }

    void setLower(double x) { m_lower = x; }
    void setUpper(double x) { m_upper = x; }
    void setStep(double x) { m_step = x; }
    void setValues(const std::vector<double>& values) { m_values = values; }
    void setName(const std::string& name) { m_name = name; }
    void setDescription(const std::string& description) { m_description = description; }
    void setValue(const omUnitValue& value) { m_value = value; }

private:
    double m_lower = 0.0;
    double m_upper = 0.0;
    double m_step = 0.0;
    std::vector<double> m_values;
    std::string m_name;
    std::string m_description;
    omUnitValue m_value;
};

// What type() answers; the numbers are fixed (stored files and the editors use them).
enum omCrossSectionType {
    csGeneric = 0,   // given by its properties
    csIDS = 1,       // doubly symmetric I built from plates
    csBox = 3,       // rectangular hollow section
    csRect = 4,      // solid rectangle
    csCircle = 5,    // solid circle
    csStandardI = 6, // rolled I from the catalogue
    csTube = 7,      // circular hollow section
    csT = 8,         // T section
};

// A rectangular strip of breadth b between the depths za <= zb. Shapes build
// their Integrate from such strips.
struct omCSStrip {
    double b;
    double za;
    double zb;

    // The integral of b * z^n over the part of the strip between z1 <= z2, for
    // n = 0 to 4; 0 for any other n.
    double integrate(double z1, double z2, int n) const;
};

// A circular disc of radius R centred on z = 0.
struct omCSDisc {
    double R;

    // The integral of the chord 2*sqrt(R^2 - z^2) times z^n between z1 <= z2,
    // for n = 0 to 4; 0 for any other n.
    double integrate(double z1, double z2, int n) const;
};

class omCrossSection : public omId, public omUndoObject, public AStorageBase {
    DECLARE_STORAGE_INTERFACE()
    DECLARE_DYNAMIC(omCrossSection)

public:
    ~omCrossSection() override;

    // A new deep copy with the same number; the caller owns it.
    virtual omCrossSection* clone() const = 0;
    virtual const std::string& name() const { return m_name; }
    // Whether reinforcement bars can be placed, in how many bands, and the
    // length of one stirrup for the two concrete covers.
    virtual bool canStoreBars() const { return false; }
    virtual int getMaxBarBands() const { return 0; }
    virtual double getStirrupLength(double c1, double c2) const;
    virtual int numberOfVariables() const = 0;
    virtual omCrossSectionType type() const = 0;
    // False for a section that the editor must refuse.
    virtual bool isProperlySet() const;
    virtual void logFileReport();
    // Gives every variable its name, description, bounds and step or values.
    virtual void defaultVariableDescription() = 0;

    virtual double A() const = 0;
    virtual double Vy() const = 0;
    virtual double Vz() const = 0;
    virtual double Ix() const = 0;
    virtual double Iy() const = 0;
    virtual double Iz() const = 0;
    virtual double Iyz() const = 0;
    virtual double Sy() const = 0;
    virtual double Sz() const = 0;
    virtual double Wy() const = 0;
    virtual double Wz() const = 0;
    virtual double Zy() const = 0;
    virtual double Zz() const = 0;
    // z of the top fibre (negative) and of the bottom fibre.
    virtual double zTop() const = 0;
    virtual double zBottom() const { return height() + zTop(); }
    // Breadth of the web that carries shear.
    virtual double Bw(double a, double b) const = 0;
    // The integral of b(z) * z^n over the section between the depths z1 and z2
    // (in either order), for n = 0 to 4; 0 for any other n.
    virtual double Integrate(double z1, double z2, int n) const = 0;
    virtual double height(omUnitKey key) const = 0;
    virtual double height() const = 0;
    virtual double breadth(omUnitKey key) const = 0;
    virtual double breadth() const = 0;
    // Radii of gyration.
    virtual double iy() const;
    virtual double iz() const;
    // Variable i's bounds; values (the current values of all variables) is not used.
    virtual bool lowerUpper(unsigned i, const omVector& values, double& lower, double& upper) const;

    void setName(const std::string& name) { m_name = name; }
    unsigned color() const { return m_color; }
    void setColor(unsigned color) { m_color = color; }
    // "3: B1" with both flags, "3" or "B1" with one, "" with none.
    std::string getIdName(bool withId, bool withName) const;

    // Variables are numbered from 1 to numberOfVariables().
    const omCSVariable& variable(unsigned i) const { return m_variables[i - 1]; }
    omCSVariable& variable(unsigned i) { return m_variables[i - 1]; }
    const omUnitValue& getVariable(unsigned i) const { return variable(i).value(); }
    void setVariable(unsigned i, const omUnitValue& value) { variable(i).setValue(value); }
    // Number and unit by the unit's name ("mm", "cm", ...).
    void setVariable(unsigned i, double value, const std::string& unitName);

    const std::string& name(unsigned i) const { return variable(i).name(); }
    const std::string& description(unsigned i) const { return variable(i).description(); }
    double lower(unsigned i) const { return variable(i).lower(); }
    double upper(unsigned i) const { return variable(i).upper(); }
    double step(unsigned i) const { return variable(i).step(); }
    const std::vector<double>& values(unsigned i) const { return variable(i).values(); }
    void setName(unsigned i, const std::string& name) { variable(i).setName(name); }
    void setDescription(unsigned i, const std::string& text) { variable(i).setDescription(text); }
    void setLower(unsigned i, double x) { variable(i).setLower(x); }
    void setUpper(unsigned i, double x) { variable(i).setUpper(x); }
    void setStep(unsigned i, double x) { variable(i).setStep(x); }
    void setValues(unsigned i, const std::vector<double>& values) { variable(i).setValues(values); }
    void setValues(unsigned i, const double* values, unsigned count);

    // Sets every value in cm when v has one entry per variable; otherwise
    // returns false and changes nothing.
    bool setVariables(const omVector& v);
    // All values in cm, in variable order.
    omVector variables() const;

    // The smallest admissible value not below x, and the greatest not above it.
    // A list of values wins over the step; with neither, x itself. With a list,
    // 0 when no listed value qualifies.
    double roundUp(unsigned i, double x) const;
    double roundDown(unsigned i, double x) const;

protected:
    explicit omCrossSection(unsigned id);
    omCrossSection(const omCrossSection& other);
    omCrossSection& operator=(const omCrossSection& other);
    void copy(const omCrossSection& other);

    // For the shapes' constructors.
    void createVariables(unsigned count) { m_variables.assign(count, omCSVariable()); }
    // Variable i's value in cm, as every property formula reads it.
    double dim(unsigned i) const { return m_variables[i - 1].value().Get(omUK_cm); }
    int variableCount() const { return static_cast<int>(m_variables.size()); }
    void describe(unsigned i, const char* name, const char* description, double lower, double upper,
                  double step);

private:
    std::vector<omCSVariable> m_variables;
    std::string m_name;
    unsigned m_color = 0;
};
