#pragma once
// The design data of a steel member: the input of the steel check (lateral
// supports about both axes and against lateral-torsional buckling, load
// position, distance of shear stiffeners) and the results of the program's
// steel design run, which this class keeps as they are given.
#include "common/omUnitValue.h"
#include "model/omElementSupport.h"
#include "model/omGenericDesignData.h"

#include <string>
#include <vector>

class omSteelDesignData : public omGenericDesignData {
public:
    // The result of the section check at one result position.
    struct CSRes {
        double classValue = 0.1;
        char classMark = ' ';
        double shearRatio = 0.0;
        double resistanceFactor = 0.0;
        double serStress = 0.0;
        double relDeflection = 0.0;

        // 45 bytes: version, the first value, the mark, the four further values.
        void Serialize(CArchive& ar);
    };

    // Load position -1, one field with K = 1 in each support, no results.
    omSteelDesignData() = default;
    // Every field, the element and both factors included.
    omSteelDesignData(const omSteelDesignData& other) = default;
    omSteelDesignData& operator=(const omSteelDesignData& other) = default;
    ~omSteelDesignData() override;

    omGenericDesignData* clone() const override;
    void Serialize(CArchive& ar) override;
    // Empties the section results and zeroes both factors, the stability value,
    // kind and member class. The input and the three texts stay.
    void resetResults() override;

    // The base's input, then every field of this class; the element and the factors stay.
    void copy(const omSteelDesignData& other);

    const omUnitValue& getShearStiffDistance() const { return m_shearStiffDistance; }
    void setShearStiffDistance(const omUnitValue& distance) { m_shearStiffDistance = distance; }
    double getLoadPos() const { return m_loadPos; }
    void setLoadPos(double position) { m_loadPos = position; }
    const omElementSupport& getYYSup() const { return m_YYSup; }
    omElementSupport& getYYSup() { return m_YYSup; }
    const omElementSupport& getLTSup() const { return m_LTSup; }
    omElementSupport& getLTSup() { return m_LTSup; }
    const omElementSupport& getZZSup() const { return m_ZZSup; }
    omElementSupport& getZZSup() { return m_ZZSup; }
    const std::vector<CSRes>& getCSRes() const { return m_CSRes; }
    std::vector<CSRes>& getCSRes() { return m_CSRes; }
    double getElStab() const { return m_elStab; }
    void setElStab(double value) { m_elStab = value; }
    int getElStabType() const { return m_elStabType; }
    void setElStabType(int kind) { m_elStabType = kind; }
    int getElClass() const { return m_elClass; }
    void setElClass(int memberClass) { m_elClass = memberClass; }
    const std::string& getStabilityDescription() const { return m_stabilityDescription; }
    void setStabilityDescription(const std::string& text) { m_stabilityDescription = text; }

private:
    omUnitValue m_shearStiffDistance{0.0, omUK_cm};
    double m_loadPos = -1.0;
    omElementSupport m_YYSup;
    omElementSupport m_LTSup;
    omElementSupport m_ZZSup;
    std::vector<CSRes> m_CSRes;
    double m_elStab = 0.0;
    int m_elStabType = 0;
    int m_elClass = 0;
    std::string m_stabilityDescription;
    // Filled and read by the program's design code through the record only.
    std::string m_text2;
    std::string m_text3;
};
