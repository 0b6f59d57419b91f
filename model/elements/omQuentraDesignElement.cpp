#include "model/elements/omQuentraDesignElement.h"

#include "model/elements/omQuentraFE.h"

#include <new>

omQuentraDesignElement::omQuentraDesignElement(omNodeMap& nodeMap, unsigned node1, unsigned node2,
                                               unsigned crossSection, unsigned material, unsigned number)
    : omDesignElement(nodeMap, node1, node2, crossSection, material, number),
      omLinearDesignElement2D(nodeMap, node1, node2, crossSection, material, number) {}

omQuentraDesignElement::omQuentraDesignElement(omNodeMap& nodeMap, const omNode* node1, const omNode* node2,
                                               unsigned crossSection, unsigned material, unsigned number)
    : omDesignElement(nodeMap, node1, node2, crossSection, material, number),
      omLinearDesignElement2D(nodeMap, node1, node2, crossSection, material, number) {}

omQuentraDesignElement::omQuentraDesignElement(const omQuentraDesignElement& other)
    : omDesignElement(other), omLinearDesignElement2D(other) {}

omQuentraDesignElement::~omQuentraDesignElement() = default;

omDesignElement* omQuentraDesignElement::clone() const {
    return new (std::nothrow) omQuentraDesignElement(*this);
}

omDesignElement* omQuentraDesignElement::create() const {
    return createAs<omQuentraDesignElement>();
}

omLineFE* omQuentraDesignElement::createLineFE() {
    return new (std::nothrow) omQuentraFE();
}
