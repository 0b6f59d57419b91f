#pragma once
// The drawable loads of one member: the member's load list of the model, which
// lists the loads of one action (load group), draws them beside the member with
// the load symbols and a label naming the shown load, and steps through them
// when it is picked again. ALoadGroupList is the part it shares with the
// drawable loads of a node (ANodeLoadGroup).
#include "controls/AObject.h"
#include "model/omElementLoadGroup.h"

#include <vector>

class ALinearDesignElement2D;
class omLoad;

// The loads of the active action out of a model list, and which of them the
// label shows: 0 all, n the n-th (1-based).
class ALoadGroupList {
public:
    // Stores index modulo (count + 1), 0 without listed loads; returns the quotient.
    unsigned SetShownLoad(unsigned index);
    unsigned GetShownLoad() const { return m_ShownLoad; }
    unsigned GetActiveLoadGroup() const { return m_ActiveLoadGroup; }
    // The listed loads; they belong to the model list.
    const std::vector<omLoad*>& GetLoads() const { return m_Loads; }
    int GetLoadCount() const { return static_cast<int>(m_Loads.size()); }
    // The n-th listed load (1-based); null outside the list.
    omLoad* GetListedLoad(unsigned n) const;

protected:
    // Lists the loads of the group in the model list's order.
    void ListLoads(const std::vector<omLoad*>& all, unsigned loadGroup);
    // A load without an action joins the active one (called before the model list takes it).
    void Adopt(omLoad* load) const;
    // After the model list took the load: a load of the active action is listed and shown.
    void Listed(omLoad* load);
    // Takes the load out of the list (before the model list deletes it).
    void Unlisted(const omLoad* load);
    // A click on a picked group: the first selects it; on a selected group with
    // two or more listed loads it shows the next load (then all loads again),
    // otherwise it deselects.
    void ToggleShown(AObject& object);
    // The cursor over a load group: resource 134.
    static QCursor LoadCursor();
    // "i/n: name" of the index-th listed load (an empty name outside the list).
    CString LoadLabel(unsigned index) const;
    // "Loads: n" and one line "i: name" + the load's kind mark per listed load.
    CString LoadsTipText(const char* (*kindMark)(const omLoad&)) const;

    unsigned m_ShownLoad = 0;
    unsigned m_ActiveLoadGroup = 0;
    std::vector<omLoad*> m_Loads;
};

class AElementLoadGroup : public AObject, public virtual omElementLoadGroup, public ALoadGroupList {
public:
    // An empty list of the member (not owned).
    explicit AElementLoadGroup(const ALinearDesignElement2D* element);
    // The model part (loads cloned, the same member) and the selected flag; lists the same action.
    AElementLoadGroup(const AElementLoadGroup& other);
    ~AElementLoadGroup() override;
    void copy(const AElementLoadGroup& other);

    // --- AObject ----------------------------------------------------------------------------------------
    int GetObjectType() const override { return 31; }
    omRect GetBoundingRect(bool large) const override;
    void Draw(AMapC2L& map, CDC& dc, int drawMode, const ADrawAttributes& attributes) override;
    const CRuntimeClass* GetPropertySheet() const override;
    double GetDistance(const omPoint& p) const override;
    QCursor GetCursor() const override;
    void Toggle() override { ToggleShown(*this); }
    CString GetTipText(const omPoint& p) const override;
    void AddDragShapes(ASimpleObjectGroup&, const AObjectPtrContainer&) override {}
    omPoint GetReferencePoint(AMapC2L& map, const omPoint& p) override;
    UINT GetMenuResourceId() const override { return 257; }

    // --- omElementLoadGroup -----------------------------------------------------------------------------
    omElementLoadGroup* clone() const override;
    void add(omLoad* load) override;
    void remove(const omLoad* load) override;

    // Lists the loads of the action and shows the first of them.
    void SetActiveLoadGroup(unsigned loadGroup);
    // "i/n: name" of the index-th listed load.
    CString GetLoadLabel(unsigned index) const;
    // The member; null when the list belongs to none.
    const ALinearDesignElement2D* GetDesignElement() const;
};
