#pragma once
// The structure model of the views: Kinor's model whose factories make the
// drawable node and element maps and the program's section and material maps,
// so that every node and member it creates, reads or splits is drawable. On
// top of the model's editing it offers what the views and commands need in one
// call: collecting objects for picking, drawing the structure and its result
// diagrams, inserting nodes and members with automatic splitting.
#include "common/omPoint.h"
#include "controls/AObject.h"
#include "model/omStrakon.h"

class AElementMap;
class AExtents2D;
class AMapC2L;
class AOutputStructureAttributes;
class APrintManager;
class ANodeMap;
class AUndoList;
class CDC;
class omUndoObject;

class AStrakon : public virtual omStrakon {
public:
    AStrakon();
    ~AStrakon() override;

    omNodeMap* createNodeMap() override;
    omElementMap* createElementMap() override;
    omCrossSectionMap* createCrossSectionMap() override;
    omMaterialMap* createMaterialMap() override;
    omNode* createNode(double x, double z, const std::string& unit, unsigned id) override;
    omDesignElement* createLinearElement(omNodeMap& nodes, unsigned node1, unsigned node2, unsigned crossSection,
                                         unsigned material, unsigned id) override;
    omDesignElement* createQuentraElement(omNodeMap& nodes, unsigned node1, unsigned node2, unsigned crossSection,
                                          unsigned material, unsigned id) override;

    // The drawable maps; null before setupObjects.
    ANodeMap* GetNodeMap() const;
    AElementMap* GetElementMap() const;

    int GetNodes(AObjectPtrContainer& list);
    int GetElements(AObjectPtrContainer& list);
    // The drawable load groups of nodes and of members, and the members' results and design marks.
    int GetNodeLoads(AObjectPtrContainer& list);
    int GetElementLoads(AObjectPtrContainer& list);
    int GetElementResults(AObjectPtrContainer& list);
    int GetElementDesigns(AObjectPtrContainer& list);

    // Members first, then nodes over them.
    void Draw(AMapC2L& map, CDC& dc, const omRect& clip, int drawMode, const ADrawAttributes& attributes);
    // The loads of the active action: members' first, then nodes' over them.
    void DrawLoads(AMapC2L& map, CDC& dc, const omRect& clip, int drawMode, const ADrawAttributes& attributes);
    // The diagrams of a load case (1 to 1000) or envelope (1000 + its number),
    // then the nodes' displacement labels under the displaced shape.
    void DrawResults(AMapC2L& map, CDC& dc, const omRect& clip, int drawMode, unsigned caseNumber,
                     int component, bool forces, bool local);
    void DrawDesignSummary(AMapC2L& map, CDC& dc, const omRect& clip, int drawMode,
                           ADrawAttributes& attributes);
    void SetActiveLoadGroup(int loadGroup);

    // Adds the node (taken over); with split, each member whose axis the node
    // lies on inside is split there. The changes go into the undo list.
    void InsertNode(AUndoList& undo, omNode* node, bool split);
    // Adds the member (taken over); with split, it is cut at every member it
    // crosses, and those are cut at the crossing too.
    void InsertElement(AUndoList& undo, omDesignElement* element, bool split);

    // Drops the load sheets' working copies whose owner is the object (a node
    // or a member) that is leaving the model or is given another load group.
    // Null drops both. Whether any was dropped.
    bool DropLoadSheetGroups(const omUndoObject* leaving);

    // --- The printed report (defined in app/report/AStrakonReportOperations.cpp) ---
    // The report body into the composer, from the structure's lists of printed
    // actions and result cases. Errors leave as omError with their messages in
    // the error container; true whenever it returns.
    bool BuildReport(APrintManager& report, CDC* dc, AExtents2D& extents, AOutputStructureAttributes& printed);
    // The title and the units line of a result drawing at the world point corner.
    void DrawResultTitle(AMapC2L& map, CDC* dc, int resultCase, omPoint corner);
    void DrawResultUnits(AMapC2L& map, CDC* dc, omPoint corner, int diagramKind, bool forces, bool local,
                         int resultCase);
    // The load group last made active (0 before any).
    int GetActiveLoadGroup() const { return m_activeLoadGroup; }

private:
    int m_activeLoadGroup = 0;
};
