#pragma once
// A one-dimensional scale from values (for example internal forces, "BU") to
// drawing lengths ("CU"), linear or logarithmic. The largest magnitude seen
// maps to the drawing length; with the minimum effect on, no value other than
// zero is drawn shorter than the minimum length.
class AMapB2C {
public:
    AMapB2C() = default;
    AMapB2C(const AMapB2C&) = default;
    AMapB2C& operator=(const AMapB2C&) = default;
    virtual ~AMapB2C();

    // Stores the four settings and sets the map.
    bool SetMap(double length, double minLength, bool log, bool minEffect);
    // False (the factor unchanged) when the length or the largest value is zero.
    bool SetMap();
    // The largest magnitude passed so far becomes the value mapped to the length.
    void CheckMaxBU(double value);
    double GetMaxBU() const { return m_maxBU; }
    void EnableLogMap(bool on) { m_log = on; }
    void EnableMinEffect(bool on) { m_minEffect = on; }

    // Value to length and back; the sign is kept.
    double CU(double value) const;
    double BU(double length) const;

private:
    bool m_log = false;
    bool m_minEffect = false;
    double m_maxBU = 0.0;
    double m_length = 0.0;
    double m_minLength = 0.0;
    double m_factor = 1.0;
};
