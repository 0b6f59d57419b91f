#pragma once
// The program's non-linear member: a linear member's data, divided into
// geometrically exact Dravik elements (omDravikFE.h). The member is divided at
// every point where a load acts, starts or ends, so that each concentrated
// load falls on a node between two finite elements and each distributed load
// covers whole finite elements. Between load points the member is divided
// further, so that no finite element is longer than the member's length over
// its number of finite elements (setNumberOfFE, at least minimumNumberOfFE):
// the deflection and end forces of one element are accurate, but the moment
// inside it, recovered from the derivative of the interpolated rotation, is
// not near buckling. The main program derives its drawable
// non-linear member from this class.
#include "model/omLinearDesignElement2D.h"

class omDravikDesignElement : public virtual omLinearDesignElement2D {
    DECLARE_STORAGE_INTERFACE()

public:
    omDravikDesignElement(omNodeMap& nodeMap, unsigned startNode, unsigned endNode, unsigned crossSection,
                          unsigned material, unsigned id);
    omDravikDesignElement(omNodeMap& nodeMap, const omNode* start, const omNode* end, unsigned crossSection,
                          unsigned material, unsigned id);
    omDravikDesignElement(const omDravikDesignElement& other);
    ~omDravikDesignElement() override;

    // A new copy of this member, of this class; the caller owns it.
    omDesignElement* clone() const override;
    // A new member of this class on the same nodes, cross-section and materials,
    // numbered 0; the caller owns it.
    omDesignElement* create() const override;
    bool isLinear() const override { return false; }
    // Divides the member at its load points (rounded to 1e-5 of its length)
    // and each stretch between them into equal finite elements no longer than
    // the member's length over its number of finite elements.
    bool setupFEs() override;
    // A new Dravik element; null when memory runs out. The caller owns it.
    omLineFE* createLineFE() override;

protected:
    unsigned minimumNumberOfFE() const override { return 3; }
};
