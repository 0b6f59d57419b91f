#pragma once
// The drawable members: a member of the structural model that is at the same
// time a selectable object of the structure views. The views draw, pick, tip,
// drag and label the very objects that the model analyses.
//
// omDesignElement is a virtual base of the model's member classes and of
// ADesignElement, so that AQuentraDesignElement, which is both a drawable
// linear member and an omDravikDesignElement, holds one member. Code that asks
// for an ALinearDesignElement2D therefore finds both kinds; GetObjectType tells
// them apart.
#include "app/views/ADesignElementDesign.h"
#include "app/views/ADesignElementResults.h"
#include "app/views/AResultDiagram.h"
#include "controls/AObject.h"
#include "model/elements/omDravikDesignElement.h"
#include "model/omLinearDesignElement2D.h"

class ADesignElement : public AObject, public virtual omDesignElement {
public:
    ~ADesignElement() override;

    // The union of the end nodes' rectangles.
    omRect GetBoundingRect(bool large) const override;
    QCursor GetCursor() const override;
    // "Id = ..\nRel. pos = ..\nNode1 = ..\nNode2 = ..\nL = .. cm\nSec. = ..\nMat. = ..".
    CString GetTipText(const omPoint& p) const override;
    // A line between the end nodes; an end whose node is in the selection
    // follows the drag.
    void AddDragShapes(ASimpleObjectGroup& group, const AObjectPtrContainer& selection) override;
    UINT GetMenuResourceId() const override { return 146; }

    // Tells an element load group of the member to list the loads of that group.
    void SetActiveLoadGroup(int loadGroup);

    // The diagram of a load case (1 to 1000) or of an envelope (above 1000:
    // envelope caseNumber - 1000). A member without that result draws nothing.
    void DrawResult(AMapC2L& map, CDC& dc, int drawMode, unsigned caseNumber, int component, bool forces,
                    bool local, double scale);
    // The value labels of the diagram last drawn.
    // With places, the labels keep clear of those drawn before in the same picture.
    void DrawResultLabels(unsigned caseNumber, AResultLabelPlaces* places = nullptr);

    const AResultDiagram& GetResultDiagram() const { return m_diagram; }

    // The marks that the result and design views pick in place of the member.
    ADesignElementResults& GetResultsMark() { return m_results; }
    ADesignElementDesign& GetDesignMark() { return m_design; }

    // The end node as a drawable node; null when it is none or not bound.
    const class ANode* GetDrawableNode(position end) const;

protected:
    ADesignElement();
    ADesignElement(const ADesignElement& other);

private:
    ADesignElementResults m_results;
    ADesignElementDesign m_design;
    AResultDiagram m_diagram;
};

class ALinearDesignElement2D : public virtual omLinearDesignElement2D, public ADesignElement {
public:
    ALinearDesignElement2D(omNodeMap& nodeMap, unsigned node1, unsigned node2, unsigned crossSection,
                           unsigned material, unsigned id);
    ALinearDesignElement2D(omNodeMap& nodeMap, const omNode* node1, const omNode* node2,
                           unsigned crossSection, unsigned material, unsigned id);
    // The model part and the selected flag.
    ALinearDesignElement2D(const ALinearDesignElement2D& other);
    ~ALinearDesignElement2D() override;

    // AObject.
    int GetObjectType() const override { return 10; }
    // "Element Properties", for the non-linear members too.
    const CRuntimeClass* GetPropertySheet() const override;
    void Draw(AMapC2L& map, CDC& dc, int drawMode, const ADrawAttributes& attributes) override;
    // |y| less half a symbol's thickness inside the member (0 on it); 1e10 near
    // or beyond either end.
    double GetDistance(const omPoint& p) const override;
    // The point of the axis at the relative position nearest to p, rounded to a
    // step of about six pixels.
    omPoint GetReferencePoint(AMapC2L& map, const omPoint& p) override;

    // omDesignElement.
    void copy(const omDesignElement& other) override { omLinearDesignElement2D::copy(other); }
    // Takes over the other's model part and selected flag.
    void copy(const ALinearDesignElement2D& other);
    omDesignElement* clone() const override;
    omDesignElement* create() const override;
    // Drawable member loads, listing the given load's action; null when out of memory.
    omElementLoadGroup* createLoadGroup(omLoad* load) override;
    bool isLinear() const override { return omLinearDesignElement2D::isLinear(); }
    void logFileReport() override { omLinearDesignElement2D::logFileReport(); }
    omLinkedNode* createLinkedNode() override { return omLinearDesignElement2D::createLinkedNode(); }
    bool setupFEs() override { return omLinearDesignElement2D::setupFEs(); }
    omLine getLine(omUnitKey unit, omNode::CoorType c) const override {
        return omLinearDesignElement2D::getLine(unit, c);
    }

    // The member drawn with an explicit fill colour.
    void DrawMember(AMapC2L& map, CDC& dc, int drawMode, const ADrawAttributes& attributes, COLORREF fill);
    // The member filled with the colour of its design result (white without one).
    void DrawDesignColour(AMapC2L& map, CDC& dc, int drawMode, const ADrawAttributes& attributes);
    // The colour DrawDesignColour fills with.
    COLORREF GetDesignColour(const ADrawAttributes& attributes) const;

    // The release symbols of one end.
    void DrawReleases(AMapC2L& map, CDC& dc, position end, const omLine& axis, double symbolSize,
                      COLORREF color, int penWidth);
    // World distance from the node at which the body stops at that end.
    double GetSetBack(position end, double nodeSize) const;
};

class AQuentraDesignElement : public ALinearDesignElement2D, public omDravikDesignElement {
public:
    AQuentraDesignElement(omNodeMap& nodeMap, unsigned node1, unsigned node2, unsigned crossSection,
                          unsigned material, unsigned id);
    AQuentraDesignElement(omNodeMap& nodeMap, const omNode* node1, const omNode* node2, unsigned crossSection,
                          unsigned material, unsigned id);
    AQuentraDesignElement(const AQuentraDesignElement& other);
    ~AQuentraDesignElement() override;

    int GetObjectType() const override { return 11; }

    omDesignElement* clone() const override;
    omDesignElement* create() const override;
    bool isLinear() const override { return omDravikDesignElement::isLinear(); }
    bool setupFEs() override { return omDravikDesignElement::setupFEs(); }
};
