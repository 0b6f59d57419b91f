#include "model/elements/omDravikDesignElement.h"

#include "common/omMath.h"
#include "model/elements/omDravikFE.h"
#include "model/omElementLoadGroup.h"
#include "model/omLoad.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <vector>

omDravikDesignElement::omDravikDesignElement(omNodeMap& nodeMap, unsigned startNode, unsigned endNode,
                                             unsigned crossSection, unsigned material, unsigned id)
    : omDesignElement(nodeMap, startNode, endNode, crossSection, material, id),
      omLinearDesignElement2D(nodeMap, startNode, endNode, crossSection, material, id) {}

omDravikDesignElement::omDravikDesignElement(omNodeMap& nodeMap, const omNode* start, const omNode* end,
                                             unsigned crossSection, unsigned material, unsigned id)
    : omDesignElement(nodeMap, start, end, crossSection, material, id),
      omLinearDesignElement2D(nodeMap, start, end, crossSection, material, id) {}

omDravikDesignElement::omDravikDesignElement(const omDravikDesignElement& other)
    : omDesignElement(other), omLinearDesignElement2D(other) {}

omDravikDesignElement::~omDravikDesignElement() = default;

omDesignElement* omDravikDesignElement::clone() const {
    return new (std::nothrow) omDravikDesignElement(*this);
}

omDesignElement* omDravikDesignElement::create() const {
    return createAs<omDravikDesignElement>();
}

omLineFE* omDravikDesignElement::createLineFE() {
    return new (std::nothrow) omDravikFE();
}

bool omDravikDesignElement::setupFEs() {
    // Loads of every group count, so that one division serves every load case.
    // Rounding makes load points closer than 1e-5 of the length one point.
    std::vector<double> positions{0.0, 1.0};
    auto addPosition = [&positions](double position) {
        const double p = omSnap(position, 1e-5);
        // A point off the member would place a node off the member.
        if (p > 0.0 && p < 1.0) positions.push_back(p);
    };
    if (const omElementLoadGroup* group = getLoad()) {
        omElementLoadGroup::NumberedLoads loads;
        group->getLoads(0, false, true, false, true, loads);
        for (const auto& [number, load] : loads) {
            if (!load) continue;
            if (load->getType() == omLoad::Concentrated) {
                addPosition(static_cast<const omLoadForce*>(load)->getX());
            } else if (load->getType() == omLoad::Linear) {
                const auto* linear = static_cast<const omLoadLinear*>(load);
                addPosition(linear->getStart());
                addPosition(linear->getEnd());
            }
        }
    }
    std::sort(positions.begin(), positions.end());
    positions.erase(std::unique(positions.begin(), positions.end()), positions.end());

    // Each stretch between load points gets the fewest equal parts that keep
    // every part within 1/m of the member; the slack keeps a stretch of k/m
    // up to the rounding of the load points (a third is 0.33334 after it) at
    // k parts.
    const unsigned m = std::max({getNumberOfFE(), minimumNumberOfFE(), 1u});
    std::vector<double> division{0.0};
    for (size_t i = 1; i < positions.size(); ++i) {
        const double a = positions[i - 1];
        const double b = positions[i];
        const auto parts = static_cast<unsigned>(std::max(1.0, std::ceil((b - a) * m - 1e-3)));
        for (unsigned k = 1; k < parts; ++k)
            division.push_back(a + (b - a) * k / parts);
        division.push_back(b);
    }
    return divide(division, false);
}
