#pragma once
// The undoable commands on members: create one (with the end nodes it needs,
// splitting crossed members on request), apply the element property sheet,
// split a member into equal parts, set its elastic ground, toggle an end
// release and set its materials. They keep member numbers between calls.
#include "app/views/AComDesign.h"
#include "app/views/ACommandManager.h"
#include "app/views/AExtents2D.h"
#include "app/views/AUndoList.h"
#include "common/omPoint.h"
#include "common/omUnitValue.h"
#include "model/omDofStructureType.h"

#include <vector>

class ADesignElement;
class AObjectPtrContainer;
class AStrakonDocument;
class omNode;

class AComNewElement : public ACommand {
public:
    // Ends without a node are made (or found) at their point (m); kind 0 is a
    // linear member, 1 a non-linear one.
    AComNewElement(const omNode* first, const omNode* second, const omPoint& firstPoint,
                   const omPoint& secondPoint, int kind, bool split);
    ~AComNewElement() override;
    void Execute(AStructureDocument* pDoc) override;
    void Undo(AStructureDocument* pDoc) override;
    CString GetName() override;

    unsigned GetElementId() const { return m_elementId; }

private:
    unsigned m_first, m_second;
    omPoint m_firstPoint, m_secondPoint;
    int m_kind;
    bool m_split;
    unsigned m_elementId = 0;
    AUndoList m_undo;
    AExtents2D m_extents;
    bool m_extentsChanged = false;
};

class AComEditElementProperties : public ACommand {
public:
    // Takes over the edited copies.
    AComEditElementProperties(std::vector<unsigned> elements, std::vector<ADesignElement*> edited,
                              bool redrawAll);
    ~AComEditElementProperties() override;
    void Execute(AStructureDocument* pDoc) override;
    void Undo(AStructureDocument* pDoc) override;
    CString GetName() override { return "Element Properties"; }

private:
    void finish(AStrakonDocument& doc, AObjectPtrContainer& members);

    std::vector<unsigned> m_elements;
    std::vector<ADesignElement*> m_edited;
    std::vector<ADesignElement*> m_saved;
    bool m_redrawAll;
    ADesignDataStore m_store;
};

class AComSplitElement : public ACommand {
public:
    AComSplitElement(unsigned element, unsigned parts);
    ~AComSplitElement() override;
    void Execute(AStructureDocument* pDoc) override;
    void Undo(AStructureDocument* pDoc) override;
    CString GetName() override;

private:
    unsigned m_element;
    AUndoList m_undo;
    unsigned m_parts;
};

class AComSetElasticGround : public ACommand {
public:
    AComSetElasticGround(const ADesignElement* element, const omUnitValue& coefficient, int type);
    void Execute(AStructureDocument* pDoc) override;
    void Undo(AStructureDocument* pDoc) override;
    CString GetName() override { return "Set elastic ground coefficient and type"; }

private:
    void apply(AStructureDocument* pDoc, bool undo);

    unsigned m_element;
    omUnitValue m_oldCoefficient;
    int m_oldType = 0;
    omUnitValue m_newCoefficient;
    int m_newType;
};

class AComToggleElementRelease : public ACommand {
public:
    AComToggleElementRelease(const ADesignElement* element, int end, omDofType dof);
    void Execute(AStructureDocument* pDoc) override;
    void Undo(AStructureDocument* pDoc) override { Execute(pDoc); }
    CString GetName() override { return "Toggle the element release"; }

private:
    unsigned m_element;
    int m_end;
    omDofType m_dof;
};

class AComSetElementMaterials : public ACommand {
public:
    AComSetElementMaterials(unsigned element, unsigned material, unsigned material2);
    void Execute(AStructureDocument* pDoc) override;
    void Undo(AStructureDocument* pDoc) override;
    CString GetName() override;

private:
    unsigned m_element;
    unsigned m_new, m_new2;
    unsigned m_old = 0, m_old2 = 0;
};
