#pragma once
// A member of the frame between two nodes, as the user draws it. It carries the
// cross-section, the materials, the end releases, the element loads, the results
// at points along the member, the envelopes and the design data. For the
// analysis it divides itself into line finite elements joined by interior
// nodes, and fans assembly, load distribution and result queries out to them.
//
// omDesignElement is the abstract base; omLinearDesignElement2D
// (omLinearDesignElement2D.h) is the linear beam member.
#include "common/AStorageBase.h"
#include "common/omLine.h"
#include "common/omUndoList.h"
#include "common/omUnitManager.h"
#include "model/omDofVector.h"
#include "model/omElementResult.h"
#include "model/omId.h"
#include "model/omNode.h"
#include "rezavud/omVector.h"

#include <list>
#include <string>
#include <utility>
#include <vector>

class omCrossSection;
class omCrossSectionMap;
class omElementLoadGroup;
class omGenericDesignData;
class omLinkedNode;
class omLineFE;
class omLoad;
class omLoadManager;
class omLogFile;
class omMaterial;
class omMaterialMap;
class omNodeMap;
class omStiffnessMatrix;

class omDesignElement : public omId, public omUndoObject, public AStorageBase {
    DECLARE_STORAGE_INTERFACE()
    // The structure file's serialiser reads and writes the stored fields directly.
    friend class ASIDesignElement;

public:
    // The two ends of a member.
    enum position { first = 0, second = 1 };
    using NumberedLoads = std::vector<std::pair<unsigned, const omLoad*>>;

    // An empty member on the node map (not owned), with the node numbers or the
    // nodes (not owned), the cross-section and material numbers and its number.
    omDesignElement(omNodeMap& nodeMap, unsigned node1, unsigned node2, unsigned crossSection,
                    unsigned material, unsigned number);
    omDesignElement(omNodeMap& nodeMap, const omNode* node1, const omNode* node2, unsigned crossSection,
                    unsigned material, unsigned number);
    // The member's data through this class's copy(); no finite elements, no
    // interior nodes, no results.
    omDesignElement(const omDesignElement& other);
    omDesignElement& operator=(const omDesignElement&) = delete;
    ~omDesignElement() override;

    // Slots 0 and 1: order and identity by number (those of omId).
    using omId::operator<;
    using omId::operator==;
    // Takes over the other's number, name, nodes, releases, cross-section,
    // materials, loads (cloned), number of finite elements, DOF layout and
    // design data (cloned); not the results nor the finite elements.
    virtual void copy(const omDesignElement& other);
    // A new copy of the same class with the same number; the caller owns it.
    virtual omDesignElement* clone() const = 0;
    virtual bool isLinear() const { return true; }
    // Area times length.
    virtual double volume() const;
    // Category 10 of the calculation log: the member's loads.
    virtual void logFileLoadReport();
    // Category 3 of the calculation log: the member's data.
    virtual void logFileReport();
    // A new linked node of this kind, which the caller owns.
    virtual omLinkedNode* createLinkedNode() = 0;
    // Hands every load of the member to the finite elements it lies on.
    virtual bool distributeLoad();
    // Divides the member into finite elements (after the nodes, the
    // cross-section and the material are bound).
    virtual bool setupFEs() = 0;
    // The line from node 1 to node 2 in the unit, with the offsets c names.
    virtual omLine getLine(omUnitKey unit, omNode::CoorType c) const = 0;
    // A new member of this kind on the same nodes, cross-section and materials,
    // numbered 0; the caller owns it.
    virtual omDesignElement* create() const = 0;
    // A new load list of this member, which the caller owns.
    virtual omElementLoadGroup* createLoadGroup(omLoad* load);

    // Name.
    void setName(const std::string& name) { m_name = name; }
    const std::string& getName() const { return m_name; }
    // "7: Beam" with both, "7" or "Beam" with one; at most 200 characters.
    std::string getIdName(bool withNumber, bool withName) const;

    // Nodes. A number set without a node is resolved by the next bindNodes.
    omNodeMap& getNodeMap() const { return *m_nodeMap; }
    void setNode1(const omNode* node);
    void setNode2(const omNode* node);
    void setNodeIndex1(unsigned id);
    void setNodeIndex2(unsigned id);
    unsigned getNodeIndex1() const { return m_node1Index; }
    unsigned getNodeIndex2() const { return m_node2Index; }
    const omNode* getNode1() const { return m_node1; }
    const omNode* getNode2() const { return m_node2; }
    const omLinkedNode* getLinkedNode1() const { return m_linked1; }
    const omLinkedNode* getLinkedNode2() const { return m_linked2; }
    // Looks both numbers up in the node map; a missing node is reported (1001).
    bool bindNodes();

    // Cross-section and materials; bind... looks the number up (1007, 1008).
    void setCrossSection(const omCrossSection* cs);
    void setCrossSectionIndex(unsigned id);
    unsigned getCrossSectionIndex() const { return m_crossSectionIndex; }
    const omCrossSection* getCrossSection() const { return m_crossSection; }
    bool bindCrossSection(const omCrossSectionMap& map);
    void setMaterial(const omMaterial* m);
    void setMaterialIndex(unsigned id);
    unsigned getMaterialIndex() const { return m_materialIndex; }
    const omMaterial* getMaterial() const { return m_material; }
    void setMaterial2(const omMaterial* m);
    void setMaterialIndex2(unsigned id);
    unsigned getMaterialIndex2() const { return m_material2Index; }
    const omMaterial* getMaterial2() const { return m_material2; }
    bool bindMaterial(const omMaterialMap& map);

    // Releases at the member ends, kept by the linked nodes.
    bool release(position end, omDofType dof, bool released);
    bool isReleased(position end, omDofType dof) const;
    // The names of the released DOFs run together ("Ry"); empty for none.
    std::string getReleaseString(position end) const;

    // Geometry from the nodes with all offsets; a missing node is reported (1001).
    double length() const;

    // Loads. The member takes the load over.
    void addLoad(omLoad* load);
    // Deletes the load list with its loads.
    void resetLoad();
    const omElementLoadGroup* getLoad() const { return m_load; }
    omElementLoadGroup* getLoad() { return m_load; }

    // Finite elements.
    void setNumberOfFE(unsigned n) { m_numberOfFE = n; }
    unsigned getNumberOfFE() const { return m_numberOfFE; }
    const std::vector<omLineFE*>& getFEs() const { return m_fe; }
    const omVector& getFEPositions() const { return m_fePositions; }
    const std::list<omNode*>& getInternalNodes() const { return m_internalNodes; }
    void clearFE();
    void deleteInternalNodes();
    const omDofStructureType* getDofStructureType() const { return m_dofType; }

    // Analysis, each finite element in turn.
    bool markUsedDofInNodes();
    // Widens the stiffness matrix's profile by the couplings of every finite element.
    void addToProfile(std::vector<int>& first, int listedFrom, std::vector<std::vector<int>>& listed) const;
    bool setupGlobalKAndF(const omVector* U, omStiffnessMatrix* K, omVector* S, unsigned iteration);
    double solveInternalEquations(const omVector& dU);
    // At the relative position x along the member (0 at node 1, 1 at node 2).
    omForceVector internalForceAt(double x, const omVector& U) const;
    omDisplacementVector displacementAt(double x, const omVector& U) const;

    // Results and envelopes.
    void reserveResults(int n, const omLoadManager* manager);
    void storeResults(int lc, const omVector& U);
    void modifyResults(int lc, double factor);
    bool areResultsValid(const omLoadManager* manager) const;
    void clearResults();
    void setCreepFi(double fi);
    void skewCreepDisplacementsToResults(bool skew, bool creep, unsigned lc);
    void reserveEnvelope(const omLoadManager* manager);
    void calcEnvelope(unsigned k, omLoadManager* manager);
    const omElementResult& getResult() const { return m_result; }
    omElementResult& getResult() { return m_result; }
    const omElementEnvelope& getEnvelope() const { return m_envelope; }
    omElementEnvelope& getEnvelope() { return m_envelope; }

    // Design data: the member keeps a clone of the given object (the caller
    // keeps its own); null removes it.
    void setDesignData(omGenericDesignData* data);
    omGenericDesignData* getDesignData() const { return m_designData; }

    // Cuts the member at node: this member ends there and a new one (returned,
    // for the caller to insert) runs on to the old node 2. Loads follow their
    // positions. Null when node is one of the ends.
    omDesignElement* split(omUndoList& undo, const omNode* node);

    // Category 21 of the calculation log: results of load case lc.
    void logFileElementForces(unsigned lc);
    // The text logFileElementForces writes, appended; for a log whose numbers
    // can be appended as text (omLogFile::numbersAsText).
    void appendElementForces(omLogFile& log, std::string& text, unsigned lc) const;

protected:
    // The finite element and the local position in it at relative position x.
    std::pair<unsigned, double> locate(double x) const;
    // Takes over the load list (owned) or none.
    void replaceLoad(omElementLoadGroup* load);
    // The finite elements' ends as relative positions, from their plain lengths.
    void setupFEPositions();

    void setDofStructureType(const omDofStructureType* type) { m_dofType = type; }
    // Both linked nodes (owned).
    void setLinkedNodes(omLinkedNode* first, omLinkedNode* second);
    omLinkedNode* linkedNode(position end) const { return end == first ? m_linked1 : m_linked2; }
    std::vector<omLineFE*>& fes() { return m_fe; }
    std::list<omNode*>& internalNodes() { return m_internalNodes; }

private:
    // Reports 1001 for the missing ends.
    bool checkNodes() const;

    std::string m_name;
    omNodeMap* m_nodeMap;
    unsigned m_node1Index = 0;
    unsigned m_node2Index = 0;
    const omNode* m_node1 = nullptr;
    const omNode* m_node2 = nullptr;
    omLinkedNode* m_linked1 = nullptr;
    omLinkedNode* m_linked2 = nullptr;
    std::list<omNode*> m_internalNodes;
    unsigned m_crossSectionIndex = 0;
    const omCrossSection* m_crossSection = nullptr;
    unsigned m_materialIndex = 0;
    const omMaterial* m_material = nullptr;
    unsigned m_material2Index = 0;
    const omMaterial* m_material2 = nullptr;
    omElementLoadGroup* m_load = nullptr;
    unsigned m_numberOfFE = 0;
    std::vector<omLineFE*> m_fe;
    omVector m_fePositions;
    const omDofStructureType* m_dofType = nullptr;
    omElementResult m_result;
    omElementEnvelope m_envelope;
    omGenericDesignData* m_designData = nullptr;
};
