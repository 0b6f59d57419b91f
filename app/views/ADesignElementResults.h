#pragma once
// The results mark of a member: what the result views pick in place of the
// member. It stands where its member stands (extent, distance, cursor,
// reference point) and opens the element result sheet.
#include "controls/AObject.h"

class ADesignElement;
class omElementResult;

class ADesignElementResults : public AObject {
public:
    // The member owns its mark.
    explicit ADesignElementResults(ADesignElement* element) : m_pElement(element) {}
    ~ADesignElementResults() override;

    int GetObjectType() const override { return 117; }
    omRect GetBoundingRect(bool large) const override;
    // The result diagrams stand for the mark.
    void Draw(AMapC2L&, CDC&, int, const ADrawAttributes&) override {}
    const CRuntimeClass* GetPropertySheet() const override;
    double GetDistance(const omPoint& p) const override;
    QCursor GetCursor() const override;
    CString GetTipText(const omPoint& p) const override;
    void AddDragShapes(ASimpleObjectGroup&, const AObjectPtrContainer&) override {}
    omPoint GetReferencePoint(AMapC2L& map, const omPoint& p) override;

    ADesignElement* GetElement() const { return m_pElement; }
    // The member's results at its result points, for every load case.
    const omElementResult& GetElementResult() const;

private:
    ADesignElement* m_pElement;
};
