#pragma once
// A member made of Quentra elements: a beam whose equilibrium is written on
// the deformed axis to second order. Such a member makes the structure
// non-linear, so the solution iterates until the increments vanish. It is
// divided and loaded as a linear member.
#include "model/omLinearDesignElement2D.h"

class omQuentraDesignElement : public omLinearDesignElement2D {
    DECLARE_STORAGE_INTERFACE()

public:
    omQuentraDesignElement(omNodeMap& nodeMap, unsigned node1, unsigned node2, unsigned crossSection,
                           unsigned material, unsigned number);
    omQuentraDesignElement(omNodeMap& nodeMap, const omNode* node1, const omNode* node2,
                           unsigned crossSection, unsigned material, unsigned number);
    omQuentraDesignElement(const omQuentraDesignElement& other);
    ~omQuentraDesignElement() override;

    // A copy of the same kind, so that a copied member stays non-linear.
    omDesignElement* clone() const override;
    bool isLinear() const override { return false; }
    // A new member of this kind on the same nodes, cross-section and materials, numbered 0.
    omDesignElement* create() const override;
    // A new omQuentraFE, null when memory runs out; the caller owns it.
    omLineFE* createLineFE() override;
};
