#pragma once
// The selectable objects of the structure views: everything a view can pick,
// highlight, drag, describe in a tip and open a property sheet for. The program
// derives its nodes, members, supports and loads from AObject. The selection is
// an AObjectPtrContainer.
#include "common/omPoint.h"
#include "common/omRect.h"
#include "platform/core/COLORREF.h"
#include "platform/core/CString.h"
#include "platform/core/WinTypes.h"

#include <QCursor>

#include <list>

class AMapC2L;
class ASimpleObjectGroup;
class CDC;
struct CRuntimeClass;
// The program's drawing settings (fonts, colours, switches); the library only passes them on.
class ADrawAttributes;
class AObjectPtrContainer;

class AObject {
public:
    AObject() = default;
    // Copies the selected flag.
    AObject(const AObject&) = default;
    AObject& operator=(const AObject&) = default;
    virtual ~AObject();

    // A kind code of the deriving program; a selection of one kind is homogeneous.
    virtual int GetObjectType() const = 0;
    // The world rectangle the object covers (large: with its labels and symbols).
    virtual omRect GetBoundingRect(bool large) const = 0;
    virtual void Draw(AMapC2L& map, CDC& dc, int drawMode, const ADrawAttributes& attributes) = 0;
    // The run-time class of the property sheet that edits the object; none here.
    virtual const CRuntimeClass* GetPropertySheet() const;
    // World distance from a point, for picking (0 on the object).
    virtual double GetDistance(const omPoint& p) const = 0;
    // The cursor over the object: the cross.
    virtual QCursor GetCursor() const;
    // Identity and the order of addresses.
    virtual bool operator==(const AObject& o) const;
    virtual bool operator<(const AObject& o) const;
    virtual void Toggle() { m_selected = !m_selected; }
    virtual CString GetTipText(const omPoint& p) const;
    virtual COLORREF GetTipColor() const;
    // Adds the outlines that stand for the object while the selection is
    // dragged: an object adds its own when it is in the selection, and a
    // member adds the ends of its nodes that move with it.
    virtual void AddDragShapes(ASimpleObjectGroup& group, const AObjectPtrContainer& selection) = 0;
    // The point a pick at p snaps to, in world coordinates.
    virtual omPoint GetReferencePoint(AMapC2L& map, const omPoint& p) = 0;
    // The context menu's resource id; 0 for none.
    virtual UINT GetMenuResourceId() const;

    void Select(bool selected) { m_selected = selected; }
    bool IsSelected() const { return m_selected; }
    void copy(const AObject& o) { m_selected = o.m_selected; }

private:
    bool m_selected = false;
};

// A list of objects it does not own: destroying it frees the list only.
class AObjectPtrContainer : public std::list<AObject*> {
public:
    void AddTail(AObject* object) { push_back(object); }
    int GetCount() const { return static_cast<int>(size()); }
    bool IsEmpty() const { return empty(); }
    void RemoveAll() { clear(); }
    bool Contains(const AObject* object) const;
    // Removes every entry of the object; whether there was one.
    bool Remove(const AObject* object);
    // Every object is of the first one's kind (true for an empty list).
    bool AreTheSameType() const;
};
