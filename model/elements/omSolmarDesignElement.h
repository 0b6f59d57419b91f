#pragma once
// A member made of Solmar elements: a geometrically exact beam with shear
// deformation. Such a member makes the structure non-linear, so the solution
// iterates until the increments vanish. It is divided and loaded as a linear
// member, but into at least four finite elements: the curvature of one element
// is linear, so one element alone misses a parabolic moment by several percent
// (a uniform load, or the amplified moment near buckling), while four are
// within a tenth of a percent.
#include "model/omLinearDesignElement2D.h"

class omSolmarDesignElement : public omLinearDesignElement2D {
    DECLARE_STORAGE_INTERFACE()

public:
    omSolmarDesignElement(omNodeMap& nodeMap, unsigned node1, unsigned node2, unsigned crossSection,
                          unsigned material, unsigned number);
    omSolmarDesignElement(omNodeMap& nodeMap, const omNode* node1, const omNode* node2, unsigned crossSection,
                          unsigned material, unsigned number);
    omSolmarDesignElement(const omSolmarDesignElement& other);
    ~omSolmarDesignElement() override;

    // A copy of the same kind, so that a copied member stays non-linear.
    omDesignElement* clone() const override;
    bool isLinear() const override { return false; }
    // A new member of this kind on the same nodes, cross-section and materials, numbered 0.
    omDesignElement* create() const override;
    // A new omSolmarFE, null when memory runs out; the caller owns it.
    omLineFE* createLineFE() override;

protected:
    unsigned minimumNumberOfFE() const override { return 4; }
};
