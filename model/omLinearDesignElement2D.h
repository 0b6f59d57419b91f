#pragma once
// The linear beam member of the plane frame: Euler-Bernoulli finite elements,
// optionally on an elastic (Winkler) ground that acts on both sides or on one.
// A member on a one-sided ground is not linear: its ground stiffness depends on
// the deflection, so the structure is then solved by iteration.
//
// The member parts are virtual bases: the program's drawable non-linear member
// is both its drawable linear member and an omDravikDesignElement, and must
// hold one member, not two. A class deriving from this one therefore names the
// omDesignElement constructor itself, and a pointer to the base is turned into
// one of these classes with dynamic_cast.
#include "common/omUnitValue.h"
#include "model/elements/omLinearLineFE2D.h"
#include "model/omDesignElement.h"

#include <new>
#include <vector>

class omLinearDesignElement2D : public virtual omDesignElement {
    DECLARE_STORAGE_INTERFACE()

public:
    // One finite element, the plane-frame layout and both linked nodes.
    omLinearDesignElement2D(omNodeMap& nodeMap, unsigned node1, unsigned node2, unsigned crossSection,
                            unsigned material, unsigned number);
    omLinearDesignElement2D(omNodeMap& nodeMap, const omNode* node1, const omNode* node2,
                            unsigned crossSection, unsigned material, unsigned number);
    omLinearDesignElement2D(const omLinearDesignElement2D& other);
    ~omLinearDesignElement2D() override;

    // Also takes over the ground when the other is a linear member.
    void copy(const omDesignElement& other) override;
    omDesignElement* clone() const override { return new omLinearDesignElement2D(*this); }
    // False exactly when the member rests on a ground.
    bool isLinear() const override { return !isElasticGround(); }
    void logFileReport() override;
    omLinkedNode* createLinkedNode() override;
    bool setupFEs() override;
    omLine getLine(omUnitKey unit, omNode::CoorType c) const override;
    omDesignElement* create() const override;

    // A new finite element of this member's kind; the caller owns it.
    virtual omLineFE* createLineFE();

    // The member's direction against the x axis, atan2(dz, dx) in radians, from
    // the nodes with all offsets.
    double angle() const;

    // Ground: the coefficient (force per volume, unit key 70 as base) and on
    // which side it acts.
    void setElGroundCoef(const omUnitValue& k) { m_elGroundCoef = k; }
    const omUnitValue& getElGroundCoef() const { return m_elGroundCoef; }
    void setElGroundType(ElGroundType type) { m_elGroundType = type; }
    ElGroundType getElGroundType() const { return m_elGroundType; }
    bool isElasticGround() const;
    // The pressure of the ground on the member at a local deflection w (k w
    // where the ground acts); 0 without ground.
    double contactPressure(double w) const;

protected:
    // The fewest finite elements into which setupFEs divides the member,
    // whatever setNumberOfFE asks for: 1 for a member whose elements represent
    // its deflection exactly between loads.
    virtual unsigned minimumNumberOfFE() const { return 1; }
    // Divides the member into finite elements between the given fractions of
    // its length (ascending, from 0 to 1), with interior nodes at the inner
    // ones; withGround gives the elements this member's ground.
    bool divide(const std::vector<double>& positions, bool withGround);

    // A new member of class M on the same nodes, section and materials,
    // numbered 0; the caller owns it.
    template <class M> omDesignElement* createAs() const {
        auto* member = new (std::nothrow)
            M(getNodeMap(), getNode1(), getNode2(), getCrossSectionIndex(), getMaterialIndex(), 0);
        if (!member) return nullptr;
        // A member whose nodes are not bound yet passes their numbers on instead.
        if (!getNode1()) member->setNodeIndex1(getNodeIndex1());
        if (!getNode2()) member->setNodeIndex2(getNodeIndex2());
        member->setMaterialIndex2(getMaterialIndex2());
        return member;
    }

private:
    omUnitValue m_elGroundCoef{omUK_kN_cm3};
    ElGroundType m_elGroundType = ElGroundType(0);
};
