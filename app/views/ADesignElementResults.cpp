#include "app/views/ADesignElementResults.h"

#include "app/views/ADesignElement.h"
#include "app/views/AElementResultSheet.h"

ADesignElementResults::~ADesignElementResults() = default;

omRect ADesignElementResults::GetBoundingRect(bool large) const {
    return m_pElement->GetBoundingRect(large);
}

const CRuntimeClass* ADesignElementResults::GetPropertySheet() const {
    return RUNTIME_CLASS(ADesignElementResultProperty);
}

double ADesignElementResults::GetDistance(const omPoint& p) const {
    return m_pElement->GetDistance(p);
}

QCursor ADesignElementResults::GetCursor() const {
    return m_pElement->GetCursor();
}

CString ADesignElementResults::GetTipText(const omPoint&) const {
    return "Results";
}

omPoint ADesignElementResults::GetReferencePoint(AMapC2L& map, const omPoint& p) {
    return m_pElement->GetReferencePoint(map, p);
}

const omElementResult& ADesignElementResults::GetElementResult() const {
    return m_pElement->getResult();
}
