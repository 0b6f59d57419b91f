#pragma once
// The design mark of a member: what the design views pick in place of the
// member. It stands where its member stands and has a menu of its own.
#include "controls/AObject.h"

class ADesignElement;

class ADesignElementDesign : public AObject {
public:
    // The member owns its mark.
    explicit ADesignElementDesign(ADesignElement* element) : m_pElement(element) {}
    ~ADesignElementDesign() override;

    int GetObjectType() const override { return 123; }
    omRect GetBoundingRect(bool large) const override;
    // The design views draw the member's state for the mark.
    void Draw(AMapC2L&, CDC&, int, const ADrawAttributes&) override {}
    double GetDistance(const omPoint& p) const override;
    QCursor GetCursor() const override;
    // "Design results of element n".
    CString GetTipText(const omPoint& p) const override;
    void AddDragShapes(ASimpleObjectGroup&, const AObjectPtrContainer&) override {}
    omPoint GetReferencePoint(AMapC2L& map, const omPoint& p) override;
    UINT GetMenuResourceId() const override { return 276; }

    ADesignElement* GetElement() const { return m_pElement; }

private:
    ADesignElement* m_pElement;
};
