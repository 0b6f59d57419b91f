#pragma once
// The document of one plane-frame structure. It owns the structure's model and
// what the structure's windows share (extents, world-to-screen map, report,
// pickable objects and selection, report description, active load group and
// result case), and it reads and writes the structure file (".oxs").
//
// The core (construction, the file's records, the steps after loading) lives in
// AStrakonDocument.cpp; edit operations, Solve and the commands live in their
// own sources.
#include "app/shell/AStructureDocument.h"
#include "app/views/ADocAttributes.h"
#include "app/views/AElementResultDocument.h"
#include "app/views/AExtents2D.h"
#include "app/views/AGeometryViewDocument.h"
#include "app/views/AZoomViewDocument.h"
#include "controls/AMapC2L.h"
#include "controls/AObject.h"
#include "controls/report/APrintManager.h"

#include <string>
#include <vector>

class ADesignElement;
class ADesignElementResultPage;
class ANode;
class ANode2D;
class omGenericDesignData;
class omUnitValue;
struct omPoint;
class ASimpleObjectGroup;
class CCmdUI;
class CDC;
class CView;
class CWnd;
class omDesignElement;
class omNode;
class AElementLoadGroup;
class AElementLoadPage;
class AElementMap;
class ANodeLoadGroup;
class ANodeLoadPage;
class ANodeMap;
class AStrakon;

class AStrakonDocument : public AStructureDocument,
                         public AZoomViewDocument,
                         public AGeometryViewDocument,
                         public AElementResultDocument {
    DECLARE_DYNCREATE(AStrakonDocument)
public:
    AStrakonDocument();
    AStrakonDocument(const AStrakonDocument&) = delete;
    AStrakonDocument& operator=(const AStrakonDocument&) = delete;
    ~AStrakonDocument() override;

    // The document's own flag alone; embedded items are not asked.
    BOOL IsModified() override;
    BOOL OnNewDocument() override;
    // A file without write access opens read-only: the title says so and
    // saving it is refused, since a save would replace the protected file.
    BOOL OnOpenDocument(const char* lpszPathName) override;
    // The structure file's records in order: model (with the report settings),
    // extents, display sizes, options, unit keys, report description. Loading
    // applies the program-wide display sizes and unit keys only once the whole
    // stream has been read, then runs the after-load steps.
    void Serialize(CArchive& ar) override;
    // Saving a file that was opened read-only is refused with a message.
    void SaveToStorage(CObject* pObject = nullptr) override;
    void DeleteContents() override;

    // Fills a structure that the blank-structure wizard has set up with its
    // defaults (extents, log switched off, two actions, two load cases).
    BOOL SetupNewStructure();

    // The model; the document owns it for its whole life.
    AStrakon* GetModel() const { return m_pModel; }
    AExtents2D& GetExtents() { return m_extents; }
    AMapC2L& GetMap() { return m_map; }
    APrintManager& GetReport() { return m_report; }
    AObjectPtrContainer& GetObjectList() { return m_objectList; }
    AObjectPtrContainer& GetSelection() { return m_selection; }
    ADocAttributes& GetDocAttributes() { return m_docAttributes; }

    int GetActiveLoadGroup() const { return m_activeLoadGroup; }
    void SetActiveLoadGroup(int k) { m_activeLoadGroup = k; }
    // A load case number up to 1000, or 1000 + an envelope number.
    int GetActiveResultCase() const override { return m_activeResultCase; }
    void SetActiveResultCase(int k) { m_activeResultCase = k; }

    // The element result sheet's view of the document.
    omStrakon* GetResultStructure() override;
    void SetElementResultPage(ADesignElementResultPage* page) override { m_pElementResultPage = page; }

    // The open load pages hear of every command: their working copies are
    // taken again when the model's loads changed under them.
    void CommandDone() override;

    // The open pages set and clear these; not owned.
    ANodeLoadPage* m_pNodeLoadPage = nullptr;
    AElementLoadPage* m_pElementLoadPage = nullptr;
    ADesignElementResultPage* m_pElementResultPage = nullptr;

    // Result pictures draw their title and units line while it is set.
    bool m_bDrawResultCaptions = true;

    // The title and text of the report that the latest load wrote ("Loading ..."
    // and the messages collected while the file was read and bound), kept for
    // the output window.
    const std::string& GetLoadReportTitle() const { return m_loadReportTitle; }
    const std::string& GetLoadReport() const { return m_loadReport; }

    // Whether the file was opened without write access; such a file is not saved.
    bool IsReadOnly() const { return m_bReadOnly; }
    void SetReadOnly(bool readOnly) { m_bReadOnly = readOnly; }

    // The archive code page of the options' character set (0 western, 238
    // central European, 186 Baltic, 162 Turkish, 161 Greek, 204 Cyrillic).
    static const char* CodePageOfCharacterSet(unsigned characterSet);

    // ---- Solve, output reports, selection, drawing, report preparation --------
    // (AStrakonDocumentSolve.cpp, AStrakonDocumentSelection.cpp, AStrakonDocumentOutput.cpp)

    // The Solve command: a progress bar of one step per load case plus one, Solve,
    // and hint 0 to every view whatever the outcome.
    void OnSolve();
    // Analyses every load case in ascending order; false without load cases or when
    // a case fails or the model reports errors (the cases before it keep their results).
    bool Solve();
    // Kind 1: the title, the collected errors and text go to fileName in the
    // temporary folder and into the "Messages" tab; any other kind shows the file
    // fileName in the "Log" tab.
    void ReportToOutput(int kind, const CString& title, const CString& text, const CString& fileName);

    // Views fill the object list with what they can pick; each returns the number appended.
    int CollectNodes();
    int CollectElements();
    // Merges objects into the object list (both sorted by address); objects ends empty.
    void AddObjects(AObjectPtrContainer& objects);
    // Empties the object list and the selection (whose objects are unselected);
    // with updateViews the views first get hint 2 with the selection.
    void ClearObjects(bool updateViews);
    // The question before a member is put between two nodes that a member already
    // joins; false when the user answers No. A missing end node asks nothing.
    bool ConfirmNewElement(const omNode* first, const omNode* second);
    // The numbers a deletion of the selection removes: the selected nodes and every
    // member using one of them, and the selected members, each once.
    struct Deletion {
        std::vector<unsigned> nodes;
        std::vector<unsigned> elements;
        std::vector<unsigned> nodeLoadNodes;
        std::vector<unsigned> elementLoadElements;
        bool loadsOnly = false;
    };
    Deletion SortSelectionForDeletion();
    // Fills outline with the drag shapes of the selected nodes and of the members
    // using them; false (after a warning) when no node is selected.
    bool BeginMove(CView* pView, ASimpleObjectGroup* outline);
    // The floating property sheet of the selection: the sheet of the first
    // object when all are of one kind, else the message sheet.
    void ShowSelectionProperties(CWnd* pParent, bool flag);
    // The setters that also tell the model's objects and the open pages.
    void SetActiveLoadGroup(int group, bool updatePages);
    void SetActiveResultCase(int resultCase, bool updatePage);

    void DrawStructure(CDC* pDC, AMapC2L& map, const omRect& clip, int drawMode);
    void DrawDesign(CDC* pDC, AMapC2L& map, const omRect& clip, int drawMode);
    // The active result case's diagrams.
    void DrawResults(CDC* pDC, AMapC2L& map, const omRect& clip, int drawMode, int component, bool forces,
                     bool local);
    // The drawing rectangle in unit with mode's margin; in the displaced-shape mode
    // also the case's largest displacement. Result case 0 is the active one.
    omRect& GetDrawExtents(omRect& out, omUnitKey unit, int mode, int resultCase);
    // The extents as drawn: the stored ones grown by every node outside them.
    AExtents2D GetShownExtents() const;

    // Fills the report composer before printing; false stops the printing.
    bool PrepareOutput(CDC* pDC);
    // The page frame, head and foot, front page and description of the report.
    void BuildReportHead();
    // The report font size in tenths of a point from its text in points: the whole
    // number of a plain decimal from 1 to 200, anything else 10 points.
    static int ReportFontSize(const CString& sizeText);
    // 7 per result case, 2 per action, 6, and one per member with design results.
    int OutputProgressSteps() const;
    // The volumes and weights of the materials.
    void OnVolumesWeights();

    // ---- Edit operations on loads, load cases, actions, envelopes and deletion -------------
    // (AStrakonDocumentLoads.cpp) Each submits one undoable command.

    // The selection's loads of the active action when load lists are selected,
    // otherwise the selected nodes and members with every member using a
    // selected node. Called with a selection that is not empty.
    void DeleteSelection(CView* pView);
    // A clone of load joins the node's or member's loads as a load of loadGroup;
    // a null owner gives a command that does nothing.
    void AddNodeLoad(const omNode* node, const class omLoad& load, int loadGroup);
    void AddElementLoad(const class omDesignElement* element, const omLoad& load, int loadGroup);
    // The load property sheets' edited groups replace their owners' loads.
    void EditElementLoadProperties(const class AElementLoadGroup& edited);
    void EditNodeLoadProperties(const class ANodeLoadGroup& edited);
    // One cell of the load-combinations grid: column 0 the name, 1 the limit
    // state, 2 the creep coefficient, k >= 3 the factor of action k - 2.
    void ChangeLoadCase(int loadCase, int column, const CString& text);
    void AddLoadCase();
    void DeleteLoadCase(int loadCase);
    // Field 0 is the action's name.
    void ChangeLoadGroup(int loadGroup, int field, const CString& text);
    void AddLoadGroup();
    void DeleteLoadGroup(int loadGroup);
    // Envelope 0 adds envelope; otherwise envelope replaces that envelope, or null deletes it.
    void SetEnvelope(unsigned number, const class omEnvelope* envelope);

    // ---- The graphic views' side (AStrakonDocumentViews.cpp) ------------------
    // What the zoom views ask of the structure document, and the result view's
    // questions about a result case.

    void ShowSelectionProperties(CView* pView, bool open) override;
    bool BeginMove(CView* pView, ASimpleObjectGroup& group) override;
    omRect GetDrawExtents(int unitCode, int viewKind, int caseIndex) override;
    const AExtents2D& GetExtents() const override { return m_extents; }
    // Spacings from the options in metres, fixed (not from the zoom), then laid out for the map.
    void SetupGrid(AGrid& grid, const AMapC2L& map) override;
    void InvertResultCaption() override { m_bDrawResultCaptions = !m_bDrawResultCaptions; }
    APrintManager& GetReportComposer() override { return m_report; }
    // The diagrams of a result case, which need not be the active one; a case
    // that no longer exists draws nothing, not even its captions.
    void DrawResults(CDC* pDC, AMapC2L& map, const omRect& clip, int drawMode, int resultCase, int component,
                     bool forces, bool local);
    // Whether a load case (1 to 1000) or an envelope (1000 + its number) exists.
    bool IsResultCaseValid(int resultCase) const;
    // A load case of the sway-imperfection limit state; envelopes never are.
    bool IsSkewnessCase(int resultCase) const;
    // Whether any member rests on an elastic ground.
    bool HasElasticGround() const;

    // ---- Edits of nodes, members, supports, materials, sections, splitting, skew
    //      and design data (AStrakonDocumentEdit.cpp). Each submits one undoable
    //      command to the command manager.

    // (x, z) in m.
    void NewNode(double x, double z, bool split);
    // Takes over the edited copies (one per node, in the same order).
    void EditNodeProperties(const std::vector<ANode2D*>& nodes, std::vector<ANode2D*> edited, bool extentsFlag);
    // Asks first when both end nodes are given and a member joins them already.
    void NewElement(ANode2D* first, ANode2D* second, const omPoint& start, const omPoint& end, bool nonLinear,
                    bool split);
    // Takes over the edited copies (one per member, in the same order).
    void EditElementProperties(const std::vector<ADesignElement*>& elements, std::vector<ADesignElement*> edited,
                               bool redrawAll);
    // dof 0 x, 2 z, 4 rotation.
    void ToggleNodeSupport(ANode* node, int dof);
    // angle in degrees.
    void SetNodeSupport(ANode* node, bool x, bool z, bool rotation, double angle);
    // type 0 none, 1 both sides, 2 positive, 3 negative side.
    void SetElasticGround(ADesignElement* element, const omUnitValue& coefficient, int type);
    // end 0 or 1; dof 4 is the rotation.
    void ToggleElementRelease(ADesignElement* element, int end, int dof);
    // loadCase is 1-based.
    void SetSkew(int loadCase, double ratioX, double ratioZ, const omUnitValue& x, const omUnitValue& z);
    void SplitElement(ADesignElement* element, int parts);
    // Moves the selected nodes by (dx, dz) in m.
    void MoveSelection(double dx, double dz);
    // The editors work on a copy of the model's map; only OK submits it. A
    // material or section that a member uses cannot be deleted there.
    void EditMaterials(CWnd* pParent = nullptr);
    void EditCrossSections(CWnd* pParent = nullptr);
    // The command keeps a clone of data.
    void ChangeDesignData(unsigned element, const omGenericDesignData* data);
    // mode 0 all cases of the kind, 1 none, 2 the listed ones (null: none).
    void SelectDesignLoadCases(bool ultimate, unsigned element, int mode, const std::vector<int>* cases);
    void SetElementMaterials(unsigned element, unsigned material, unsigned material2);
    // Designs the member (concrete or steel by its design data) when its
    // results are valid and it has design data; the callers tell the views.
    void DesignElement(unsigned element);

    // ---- Load and result collections, load sheets, names of the model's objects ----
    // (AStrakonDocumentCollect.cpp)

    // The load views and result views fill the object list with these; each
    // returns the number appended.
    int CollectNodeLoads();
    int CollectElementLoads();
    int CollectElementResults();
    int CollectElementDesigns();
    // The load groups of the members, then those of the nodes over them.
    void DrawLoads(CDC* pDC, AMapC2L& map, const omRect& clip, int drawMode);
    // The working copy of a load group that an open load sheet edits (null when
    // the sheet hides), drawn by the map in place of its owner's own group; the
    // map keeps the pointer and does not own it. Each returns the map, null
    // before the model has its maps.
    AElementMap* SetElementLoadSheet(AElementLoadGroup* group);
    ANodeMap* SetNodeLoadSheet(ANodeLoadGroup* group);
    // Append the texts of the lists that pick a node, a material or a
    // cross-section: node numbers, and "id: name" of materials and sections.
    void GetNodeNames(std::vector<CString>& names) const;
    void GetMaterialNames(std::vector<CString>& names) const;
    void GetCrossSectionNames(std::vector<CString>& names) const;

    // ---- Property sheets of the selection (AStrakonDocumentSelection.cpp) -----

    // A sheet shown for this document is replaced by the message sheet (or, in a
    // hidden frame, let go of this document), so that nothing keeps using the
    // document's objects once they are gone. Called when the contents go.
    void ReleaseSelectionProperties();

    // ---- The structure's windows, opened for a project-tree entry -------------
    // (AStrakonDocumentWindows.cpp)
    // Each makes a frame from the application's template of its kind, binds it
    // to the entry and returns it; null (after the framework's message) when no
    // frame could be made. The loads and result windows show the entry's
    // action, load case or envelope. The design windows come with the design
    // views; until then they open nothing.
    CFrameWnd* OpenGeometryWindow(ABaseProjectTIWin* pItem, BOOL bMakeVisible) override;
    CFrameWnd* OpenLoadsWindow(ABaseProjectTIWin* pItem, BOOL bMakeVisible) override;
    CFrameWnd* OpenLoadCombinationsWindow(ABaseProjectTIWin* pItem, BOOL bMakeVisible) override;
    CFrameWnd* OpenEnvelopeResultsWindow(ABaseProjectTIWin* pItem, BOOL bMakeVisible) override;
    CFrameWnd* OpenLoadCaseResultsWindow(ABaseProjectTIWin* pItem, BOOL bMakeVisible) override;
    CFrameWnd* OpenEnvelopeWindow(ABaseProjectTIWin* pItem, BOOL bMakeVisible) override;
    CFrameWnd* OpenResumeWindow(ABaseProjectTIWin* pItem, BOOL bMakeVisible) override;
    CFrameWnd* OpenDesignWindow(ABaseProjectTIWin* pItem, BOOL bMakeVisible) override;

    // ---- The structure's own commands (AStrakonDocumentCommands.cpp) -----------
    // The menu and toolbar commands that the framework routes to the active
    // structure. Extents and report settings live in the structure file: a
    // change made with OK marks the document modified (the undo list is not
    // involved).

    // The extents dialog over the document's extents; the views get hint 3.
    void OnSetExtents();
    // Takes over extents entered by the user: a top below the bottom is swapped
    // after a warning, the structure's nodes are kept inside, invalid extents are
    // refused with a message. True when the document's extents changed.
    bool ApplyExtents(omUnitValue left, omUnitValue right, omUnitValue top, omUnitValue bottom);
    // The node symbols of every view shrink or grow; hint 0.
    void OnShrinkNode();
    void OnExpandNode();
    // The program-wide switches of the member and node numbers; hint 0.
    void OnElementIndex();
    void OnUpdateElementIndex(CCmdUI* pCmdUI);
    void OnNodeIndex();
    void OnUpdateNodeIndex(CCmdUI* pCmdUI);
    // The output-settings sheet; OK takes over its values and saves the program's
    // report settings.
    void OnOutputSettings();
    // The Options sheet; OK saves the options, and the views get hints 11 and 0.
    void OnOptions();
    // Designs every member in the element map's order with a progress bar, then
    // hint 0. The bar is given back even when a design throws.
    void DesignAll();

    DECLARE_MESSAGE_MAP()

protected:
    // The common steps of the openers; null without a template of that kind.
    CFrameWnd* OpenWindow(int kind, ABaseProjectTIWin* pItem, BOOL bMakeVisible);

    // Rebuilds what the file does not hold: errors reset, model bound,
    // envelopes recomputed, the load report written. Errors collected while
    // reading or binding end in one beep; the structure stays open.
    void AfterLoad();
    // Replaces the model with a new, empty one.
    void CreateModel();

    AExtents2D m_extents;
    AStrakon* m_pModel = nullptr;
    AMapC2L m_map;
    APrintManager m_report;
    int m_activeLoadGroup = 0;
    int m_activeResultCase = 0;
    AObjectPtrContainer m_objectList;
    AObjectPtrContainer m_selection;
    ADocAttributes m_docAttributes;
    std::string m_loadReportTitle;
    std::string m_loadReport;
    // What the last file read held beyond its records, for the loading report.
    std::string m_unreadNote;
    bool m_bReadOnly = false;
};
