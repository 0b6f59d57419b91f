#pragma once
// The design data of a reinforced-concrete beam: the reinforcement the user
// enters (a bottom and a top band of longitudinal bars and the stirrups) and
// the results of the program's design run, kept here as numbers (one entry per
// result position of the member).
#include "model/omBar.h"
#include "model/omGenericDesignData.h"

#include <utility>
#include <vector>

class omRCDesignBeamData : public omGenericDesignData {
public:
    omRCDesignBeamData() = default;
    // Every field, the element and both factors included.
    omRCDesignBeamData(const omRCDesignBeamData& other) = default;
    omRCDesignBeamData& operator=(const omRCDesignBeamData& other) = default;
    ~omRCDesignBeamData() override;

    omGenericDesignData* clone() const override;
    void Serialize(CArchive& ar) override;
    // Empties the results and zeroes both factors; the reinforcement stays.
    void resetResults() override;

    // The base's input, the reinforcement and the results; the element and the factors stay.
    void copy(const omRCDesignBeamData& other);

    const omBarBand& getBottomBand() const { return m_bottomBand; }
    omBarBand& getBottomBand() { return m_bottomBand; }
    const omBarBand& getTopBand() const { return m_topBand; }
    omBarBand& getTopBand() { return m_topBand; }
    const omStirrupVec& getStirrups() const { return m_stirrups; }
    omStirrupVec& getStirrups() { return m_stirrups; }
    const std::vector<std::pair<double, double>>& getNMResults() const { return m_NMResults; }
    std::vector<std::pair<double, double>>& getNMResults() { return m_NMResults; }
    const std::vector<std::pair<double, double>>& getCrackResults() const { return m_crackResults; }
    std::vector<std::pair<double, double>>& getCrackResults() { return m_crackResults; }
    const std::vector<double>& getShearResults() const { return m_shearResults; }
    std::vector<double>& getShearResults() { return m_shearResults; }

    // The positions where the longitudinal reinforcement changes, ascending and
    // without repeats (the design checks one section per stretch between them);
    // returns their number. Stirrups take no part.
    int getBarChangePos(std::vector<double>& positions) const;
    // The steel volumes of the bands and of the stirrups on the bound member
    // (cm3); 0 without a member, and for the stirrups without a cross-section.
    double getBarVolume() const;
    double getStirrupVolume() const;
    // The same on a member of that length (cm) and cross-section.
    double getBarVolume(double length) const;
    double getStirrupVolume(double length, const omCrossSection* section) const;

private:
    omBarBand m_bottomBand;
    omBarBand m_topBand;
    omStirrupVec m_stirrups;
    std::vector<std::pair<double, double>> m_NMResults;
    std::vector<std::pair<double, double>> m_crackResults;
    std::vector<double> m_shearResults;
};
