#pragma once
// The drawable loads of one node: the node's load list of the model, which
// lists the forces and prescribed displacements of one action (load group),
// draws them as one concentrated-load symbol at the node with a label, and
// steps through them when it is picked again.
#include "app/views/AElementLoadGroup.h"
#include "common/omUnitValue.h"
#include "model/omDofStructureType.h"
#include "model/omNodeLoadGroup.h"

class ANode;
class omNode;

class ANodeLoadGroup : public AObject, public virtual omNodeLoadGroup, public ALoadGroupList {
public:
    // An empty list of the node (not owned).
    explicit ANodeLoadGroup(const omNode* node);
    // The model part (loads cloned, the same node) and the selected flag; lists the same action, all shown.
    ANodeLoadGroup(const ANodeLoadGroup& other);
    ~ANodeLoadGroup() override;
    void copy(const ANodeLoadGroup& other);

    // --- AObject ----------------------------------------------------------------------------------------
    int GetObjectType() const override { return 30; }
    omRect GetBoundingRect(bool large) const override;
    void Draw(AMapC2L& map, CDC& dc, int drawMode, const ADrawAttributes& attributes) override;
    const CRuntimeClass* GetPropertySheet() const override;
    double GetDistance(const omPoint& p) const override;
    QCursor GetCursor() const override;
    void Toggle() override { ToggleShown(*this); }
    CString GetTipText(const omPoint& p) const override;
    void AddDragShapes(ASimpleObjectGroup&, const AObjectPtrContainer&) override {}
    omPoint GetReferencePoint(AMapC2L& map, const omPoint& p) override;
    UINT GetMenuResourceId() const override { return 256; }

    // --- omNodeLoadGroup --------------------------------------------------------------------------------
    omNodeLoadGroup* clone() const override;
    void add(omLoad* load) override;
    void remove(const omLoad* load) override;

    // Lists the loads of the action and shows all of them.
    void SetActiveLoadGroup(int loadGroup);
    // The value of dof of the shown load, or for 0 the sum of all listed loads;
    // a sum of forces and displacements, and a load of neither kind, give a value without a unit.
    omUnitValue GetLoadValue(omDofType dof, int shown) const;
    // "All loads" for 0, else "i/n: name".
    CString GetLabelText(int shown) const;
    // The node; null when the list belongs to none.
    const ANode* GetDrawableNode() const;

    // The tip text is cut to this many bytes, on a character boundary.
    static constexpr size_t kTipLength = 99;
};
