#pragma once
// The edit operations the geometry view asks of its structure document. Each
// builds one undoable command and submits it; the view never changes the
// model itself. The structure document implements them; a view finds them on
// its document.
class ADesignElement;
class ANode;
class ANode2D;
class CWnd;
class omPoint;
class omUnitValue;

class AGeometryViewDocument {
public:
    virtual ~AGeometryViewDocument();

    // A node at the world point (metres); with split, the members it lies on are split there.
    virtual void NewNode(double x, double z, bool split) = 0;
    // A member between two nodes; a missing node is created at its point.
    virtual void NewElement(ANode2D* first, ANode2D* second, const omPoint& start, const omPoint& end,
                            bool nonLinear, bool split) = 0;
    // dof: 0 x, 2 z, 4 rotation.
    virtual void ToggleNodeSupport(ANode* node, int dof) = 0;
    virtual void SetNodeSupport(ANode* node, bool x, bool z, bool rotation, double angle) = 0;
    // side: 0 none, 1 both, 2 positive, 3 negative.
    virtual void SetElasticGround(ADesignElement* element, const omUnitValue& coefficient, int side) = 0;
    // end 0 or 1; release 4 is the rotation.
    virtual void ToggleElementRelease(ADesignElement* element, int end, int release) = 0;
    virtual void SplitElement(ADesignElement* element, int parts) = 0;
    virtual void EditMaterials(CWnd* parent) = 0;
    virtual void EditCrossSections(CWnd* parent) = 0;
};
