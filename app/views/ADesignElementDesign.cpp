#include "app/views/ADesignElementDesign.h"

#include "app/views/ADesignElement.h"

#include <string>

ADesignElementDesign::~ADesignElementDesign() = default;

omRect ADesignElementDesign::GetBoundingRect(bool large) const {
    return m_pElement->GetBoundingRect(large);
}

double ADesignElementDesign::GetDistance(const omPoint& p) const {
    return m_pElement->GetDistance(p);
}

QCursor ADesignElementDesign::GetCursor() const {
    return m_pElement->GetCursor();
}

CString ADesignElementDesign::GetTipText(const omPoint&) const {
    return "Design results of element " + std::to_string(m_pElement->getIndex());
}

omPoint ADesignElementDesign::GetReferencePoint(AMapC2L& map, const omPoint& p) {
    return m_pElement->GetReferencePoint(map, p);
}
