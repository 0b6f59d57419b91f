#pragma once
// One action on the structure, belonging to one load group: a concentrated
// force or moment, a prescribed displacement of a node, a linearly varying
// distributed load along a member, or a temperature load on a member. Values are
// unit values, so that the user's units survive; the analysis reads them in
// fixed units. Loads are owned by the load lists of nodes and members.
#include "common/AStorageBase.h"
#include "common/omUnitValue.h"
#include "model/omDofVector.h"

#include <string>

class omLoadGroup;
class omLoadManager;
class omLogFile;

class omLoad : public AStorageBase {
    DECLARE_STORAGE_INTERFACE()

public:
    // The coordinate system of the values.
    enum Scope : int { WorldCS = 0, LocalCS = 1, LocalNonConservative = 2 };
    enum Type : int { Concentrated = 0, Uniform = 1, Linear = 2, Temperature = 3, Displacement = 4 };

    ~omLoad() override;

    virtual omLoad* clone() const = 0;
    // Category 8 of the calculation log.
    virtual void logFileReport() const;
    virtual bool isPointLoad() const = 0;
    virtual Type getType() const = 0;

    void setName(const std::string& name) { m_name = name; }
    const std::string& getName() const { return m_name; }
    Scope getScope() const { return m_scope; }
    void setScope(Scope scope) { m_scope = scope; }

    // The 1-based number of the load's group in the load manager. Setting it
    // drops the bound group, which then belongs to another number.
    unsigned getLoadGroupIndex() const { return m_groupIndex; }
    void setLoadGroupIndex(unsigned index);
    // Binds the group of the stored number; null when the manager has no such group.
    void bindLoadGroup(const omLoadManager* manager);
    // Valid only after bindLoadGroup.
    const omLoadGroup* getLoadGroup() const { return m_group; }

    // Not owned: layouts are singletons.
    void setDofStructureType(const omDofStructureType* type) { m_type = type; }
    const omDofStructureType* getDofStructureType() const { return m_type; }

    // Loads are told apart by identity; the order is the reverse of the address order.
    bool operator==(const omLoad& other) const { return this == &other; }
    bool operator<(const omLoad& other) const;

protected:
    omLoad(const omDofStructureType* type, unsigned groupIndex);
    omLoad(const std::string& name, const omDofStructureType* type, unsigned groupIndex);
    omLoad(const omLoad& other) = default;
    omLoad& operator=(const omLoad& other) = default;
    void copy(const omLoad& other) { *this = other; }

    // The part of the log report that every kind writes first; sets fixed,
    // right-aligned output with precision 0 and width 6.
    void writeLogHeader(omLogFile& log) const;

    // The component of a DOF-indexed array (0 to 5). Another type is reported
    // (1002) and a scratch value stands in.
    static omUnitValue& component(omUnitValue* values, omDofType t);
    static const omUnitValue& component(const omUnitValue* values, omDofType t);

private:
    const omDofStructureType* m_type;
    Scope m_scope = WorldCS;
    std::string m_name = "Unknown";
    const omLoadGroup* m_group = nullptr;
    unsigned m_groupIndex;
};

// A concentrated force or moment at a node, or at a point of a member.
class omLoadForce : public omLoad {
    DECLARE_STORAGE_INTERFACE()

public:
    omLoadForce(const omDofStructureType* type, unsigned groupIndex);
    omLoadForce(const std::string& name, const omDofStructureType* type, unsigned groupIndex);
    omLoadForce(const omLoadForce& other) = default;
    omLoadForce& operator=(const omLoadForce& other) = default;
    ~omLoadForce() override;

    omLoad* clone() const override { return new omLoadForce(*this); }
    void logFileReport() const override;
    bool isPointLoad() const override { return true; }
    Type getType() const override { return Concentrated; }

    void setF(omDofType t, const omUnitValue& value) { component(m_F, t) = value; }
    omUnitValue& getF(omDofType t) { return component(m_F, t); }
    // The application point as a fraction of the member length.
    void setX(double x) { m_x = x; }
    const double& getX() const { return m_x; }

    // The components in kN and kNcm; a world-system load on a member inclined by
    // angle is turned into the member's axes.
    omForceVector getForce(double angle) const;
    // Takes the components from a vector in kN and kNcm.
    void setForce(const omForceVector& force);
    // The layout has the DOF and its component is not zero.
    bool isForce(omDofType t) const;
    void convert(omUnitKey forceKey, omUnitKey momentKey);

private:
    omUnitValue m_F[6];
    double m_x = 0.0;
};

// A prescribed displacement of a node.
class omLoadDisplacement : public omLoad {
    DECLARE_STORAGE_INTERFACE()

public:
    omLoadDisplacement(const omDofStructureType* type, unsigned groupIndex);
    omLoadDisplacement(const std::string& name, const omDofStructureType* type, unsigned groupIndex);
    omLoadDisplacement(const omLoadDisplacement& other) = default;
    omLoadDisplacement& operator=(const omLoadDisplacement& other) = default;
    ~omLoadDisplacement() override;

    omLoad* clone() const override { return new omLoadDisplacement(*this); }
    bool isPointLoad() const override { return true; }
    Type getType() const override { return Displacement; }

    void setU(omDofType t, const omUnitValue& value) { component(m_U, t) = value; }
    omUnitValue& getU(omDofType t) { return component(m_U, t); }

    // The components in cm and rad.
    omDisplacementVector getDisplacement() const;
    void setDisplacement(const omDisplacementVector& u);
    // The layout has the DOF and its component is not zero.
    bool isDisplacement(omDofType t) const;
    void convert(omUnitKey lengthKey, omUnitKey angleKey);

private:
    omUnitValue m_U[6];
};

// A distributed load varying linearly from start to end along a member.
class omLoadLinear : public omLoad {
    DECLARE_STORAGE_INTERFACE()

    // Reads the intensities once for many positions.
    friend class omLinearLoadIntensity;

public:
    // On the whole member, in the member's axes, per member length.
    omLoadLinear(const omDofStructureType* type, unsigned groupIndex);
    omLoadLinear(const std::string& name, const omDofStructureType* type, unsigned groupIndex);
    omLoadLinear(const omLoadLinear& other) = default;
    omLoadLinear& operator=(const omLoadLinear& other) = default;
    ~omLoadLinear() override;

    omLoad* clone() const override { return new omLoadLinear(*this); }
    void logFileReport() const override;
    bool isPointLoad() const override { return false; }
    Type getType() const override { return Linear; }
    // Component dof of the intensity at x; 0.0 outside start .. end.
    virtual double p(double x, double angle, omDofType dof) const;

    void setFs(omDofType t, const omUnitValue& value) { component(m_Fs, t) = value; }
    void setFe(omDofType t, const omUnitValue& value) { component(m_Fe, t) = value; }
    omUnitValue& getFs(omDofType t) { return component(m_Fs, t); }
    omUnitValue& getFe(omDofType t) { return component(m_Fe, t); }
    void setStart(double start) { m_start = start; }
    double getStart() const { return m_start; }
    void setEnd(double end) { m_end = end; }
    double getEnd() const { return m_end; }
    // The load lies on the whole member.
    bool isContinues() const { return m_start == 0.0 && m_end == 1.0; }
    // WorldCS: the intensities are per projected length; otherwise per member length.
    void setPosition(Scope position) { m_position = position; }
    Scope getPosition() const { return m_position; }

    // The intensities at x in kN/cm and kNcm/cm (extrapolated outside start .. end).
    omForceVector getForce(double angle, double x) const;
    void setForce(const omForceVector& start, const omForceVector& end);
    void convert(omUnitKey forceKey, omUnitKey momentKey);

private:
    omUnitValue m_Fs[6];
    omUnitValue m_Fe[6];
    double m_start = 0.0;
    double m_end = 1.0;
    Scope m_position = LocalCS;
};

// The intensities of one linear load for one element angle, converted to kN/cm
// and kNcm/cm once: p(x, dof) gives what the load's p(x, angle, dof) gives,
// for an element that reads the load at many positions. The load is not owned.
class omLinearLoadIntensity {
public:
    omLinearLoadIntensity(const omLoadLinear& load, double angle);
    double p(double x, omDofType dof) const;

private:
    const omLoadLinear* m_load;
    double m_angle;
    // False when the load's own p must answer (another class, another layout).
    bool m_read = false;
    double m_start = 0.0, m_end = 0.0;
    // Ux, Uz, Ry at the start and at the end.
    double m_fs[3] = {};
    double m_fe[3] = {};
    bool m_turn = false;
    bool m_projected = false;
    bool m_world = false;
};

// Temperatures of the two faces of a member, for the z and the y direction.
class omLoadTemperature : public omLoad {
    DECLARE_STORAGE_INTERFACE()

public:
    omLoadTemperature(const omDofStructureType* type, unsigned groupIndex);
    omLoadTemperature(const std::string& name, const omDofStructureType* type, unsigned groupIndex);
    omLoadTemperature(const omLoadTemperature& other) = default;
    omLoadTemperature& operator=(const omLoadTemperature& other) = default;
    ~omLoadTemperature() override;

    omLoad* clone() const override { return new omLoadTemperature(*this); }
    void logFileReport() const override;
    bool isPointLoad() const override { return false; }
    Type getType() const override { return Temperature; }

    // position 1 is the positive face, any other the negative one; axis 1 is z,
    // any other y.
    omUnitValue& getT(int position, int axis) { return m_T[face(position)][direction(axis)]; }
    void setT(int position, int axis, const omUnitValue& value) { getT(position, axis) = value; }
    // In degrees Celsius.
    double T(int position, int axis) const;
    void convert(omUnitKey key);

private:
    static int face(int position) { return position == 1 ? 0 : 1; }
    static int direction(int axis) { return axis == 1 ? 0 : 1; }

    omUnitValue m_T[2][2];
};
