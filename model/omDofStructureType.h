#pragma once
// The vocabulary of degrees of freedom: the DOF types, and the layouts that say
// which types a node of one kind of structure carries and in which order. The
// plane frame (Ux, Uz, Ry) is the only layout; it is a process-wide singleton
// that nodes, loads and load cases point to.
#include <string>

// Stored as a 32-bit integer. Values from 100 up are DOFs internal to a finite element.
enum omDofType : int {
    Ux = 0,
    Uy = 1,
    Uz = 2,
    Rx = 3,
    Ry = 4,
    Rz = 5,
    InternalDof = 100,
};

class omDofStructureType {
public:
    enum omStructType : int { strakon = 0 };

    virtual omStructType type() const = 0;
    // The DOF types of the layout in their local order; dofSize() entries.
    virtual const omDofType* dofTypeArray() const = 0;
    // 1-based position of the type in the layout; 0 when the layout lacks it.
    virtual int dofIndex(omDofType t) const = 0;
    virtual int dofSize() const = 0;
    virtual const std::string& name() const = 0;

    bool exist(omDofType t) const { return dofIndex(t) > 0; }
    // 0-based and 1-based position. A position outside the layout is reported
    // and yields the first type.
    omDofType operator[](int i) const;
    omDofType operator()(int i) const { return (*this)[i - 1]; }

    // "Ux", "Uy", "Uz", "Rx", "Ry", "Rz"; every other value is "Internal".
    static const std::string& name(omDofType t);

protected:
    omDofStructureType() = default;
    // Layouts carry no data: copying copies nothing.
    omDofStructureType(const omDofStructureType&) = default;
    omDofStructureType& operator=(const omDofStructureType&) = default;
    // Layouts are destroyed only through their release().
    virtual ~omDofStructureType();
};

// The plane frame in the x-z plane: Ux, Uz, Ry.
class omDofStrakonStructureType : public omDofStructureType {
public:
    // The single layout, created on the first call.
    static omDofStrakonStructureType* instance();
    // Deletes the layout; a later instance() creates a new one. Every object that
    // keeps a layout pointer must be gone or unused by then.
    static void release();

    omStructType type() const override { return strakon; }
    const omDofType* dofTypeArray() const override;
    int dofIndex(omDofType t) const override;
    int dofSize() const override { return 3; }
    const std::string& name() const override;
    using omDofStructureType::name;

private:
    omDofStrakonStructureType() = default;
    ~omDofStrakonStructureType() override;

    static omDofStrakonStructureType* s_instance;
};
