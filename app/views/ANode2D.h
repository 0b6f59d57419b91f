#pragma once
// The drawable nodes: a node of the structural model that is at the same time
// a selectable object of the structure views. It draws its support symbol and
// index, tells the picking code its distance, gives its tip text, menu, cursor
// and drag outline, and draws the labels of its results.
//
// omNode is a virtual base of omNode2D and of ANode, so an ANode2D is one node.
// Because ANode2D overrides the node factories, every node that the model
// copies or creates from a drawable node is drawable too.
#include "controls/AObject.h"
#include "model/omNode2D.h"

class omDofVector;

class ANode : public AObject, public virtual omNode {
public:
    // Drawn with its supports' symbols rather than the generic node symbol
    // (set by the command that sets the supports).
    bool GetShowSupportSymbol() const { return m_showSupportSymbol; }
    void SetShowSupportSymbol(bool show) { m_showSupportSymbol = show; }

    // The coordinates read in the unit (2 is the base length unit).
    virtual void GetCoordinates(omPoint& p, int unit) const = 0;
    // Switches the shown load group of the node's loads.
    void SetActiveLoadGroup(int loadGroup);
    // omNode factory: drawable node loads, listing the given load's action; null when out of memory.
    omNodeLoadGroup* createLoadGroup(const omLoad* load) override;

    QCursor GetCursor() const override;
    UINT GetMenuResourceId() const override { return 152; }
    // A circle of the node's size at the node, whose centre follows the drag;
    // only while the node is selected.
    void AddDragShapes(ASimpleObjectGroup& group, const AObjectPtrContainer& selection) override;

protected:
    ANode();
    ANode(const ANode& other);
    void copy(const ANode& other);

private:
    bool m_showSupportSymbol = false;
};

class ANode2D : public omNode2D, public ANode {
public:
    // Coordinates in the named unit ("m").
    ANode2D(double x, double z, const std::string& unit, unsigned id);
    ANode2D(const ANode2D& other);
    ~ANode2D() override;

    // Takes over the other's node, selected flag and both display fields.
    void copy(const ANode2D& other);

    // Degrees; turns the support symbol.
    double GetSupportAngle() const { return m_supportAngle; }
    void SetSupportAngle(double degrees) { m_supportAngle = degrees; }

    // omNode factories: drawable nodes.
    omNode* clone() const override;
    omNode* create() const override;

    int GetObjectType() const override { return 1; }
    // "Node Properties".
    const CRuntimeClass* GetPropertySheet() const override;
    omRect GetBoundingRect(bool large) const override;
    void Draw(AMapC2L& map, CDC& dc, int drawMode, const ADrawAttributes& attributes) override;
    double GetDistance(const omPoint& p) const override;
    CString GetTipText(const omPoint& p) const override;
    omPoint GetReferencePoint(AMapC2L& map, const omPoint& p) override;
    void GetCoordinates(omPoint& p, int unit) const override;

    // The labels of the results of a load case (caseNumber up to 1000) or of an
    // envelope (1001 and up: envelope caseNumber - 1001): displacements of the
    // free directions, reactions of the held ones. A node without that result
    // draws nothing.
    virtual void DrawResults(AMapC2L& map, CDC& dc, int drawMode, unsigned caseNumber, double scale,
                             bool horizontal, bool vertical, bool allDisplaced);
    // "Fx:12.3" for a reaction, "0.51" for a displacement; the second value
    // follows in brackets (" [-0.2]").
    static CString FormatResult(const omDofVector* first, const omDofVector* second, omDofType dof,
                                bool reaction);

private:
    double m_supportAngle = 0.0;
};
