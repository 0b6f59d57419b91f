#include "model/elements/omSolmarDesignElement.h"

#include "model/elements/omSolmarFE.h"

#include <new>

omSolmarDesignElement::omSolmarDesignElement(omNodeMap& nodeMap, unsigned node1, unsigned node2,
                                             unsigned crossSection, unsigned material, unsigned number)
    : omDesignElement(nodeMap, node1, node2, crossSection, material, number),
      omLinearDesignElement2D(nodeMap, node1, node2, crossSection, material, number) {}

omSolmarDesignElement::omSolmarDesignElement(omNodeMap& nodeMap, const omNode* node1, const omNode* node2,
                                             unsigned crossSection, unsigned material, unsigned number)
    : omDesignElement(nodeMap, node1, node2, crossSection, material, number),
      omLinearDesignElement2D(nodeMap, node1, node2, crossSection, material, number) {}

omSolmarDesignElement::omSolmarDesignElement(const omSolmarDesignElement& other)
    : omDesignElement(other), omLinearDesignElement2D(other) {}

omSolmarDesignElement::~omSolmarDesignElement() = default;

omDesignElement* omSolmarDesignElement::clone() const {
    return new (std::nothrow) omSolmarDesignElement(*this);
}

omDesignElement* omSolmarDesignElement::create() const {
    return createAs<omSolmarDesignElement>();
}

omLineFE* omSolmarDesignElement::createLineFE() {
    return new (std::nothrow) omSolmarFE();
}
