#pragma once
// The body of the printed report of one structure: the model's tables and
// geometry picture, the load cases and the printed actions with their loads,
// the result pictures and tables of the printed result cases, and the design
// pages, appended block by block to the document's report composer.
//
// A result case is one number: 1 to 1000 the load case of that number, above
// 1000 envelope (number - 1000).
#include "common/omPoint.h"
#include "common/omRect.h"
#include "platform/core/CString.h"

#include <vector>

class AExtents2D;
class AMapC2L;
class AOutputStructureAttributes;
class APrintManager;
class AReportDrawing;
class CDC;
class Plotter;
class omDesignElement;
class omStrakon;

class AStrakonReport {
public:
    static constexpr int kEnvelopeOffset = 1000;
    // Error code under which a failure of a block builder is reported.
    static constexpr unsigned kBuildError = 1040;

    // Neither is owned. printed holds the structure's printed actions and
    // result cases.
    AStrakonReport(omStrakon& model, AReportDrawing& drawing, AOutputStructureAttributes& printed);
    virtual ~AStrakonReport();

    // The whole body. Errors of the model's binding, and any failure on the
    // way, leave as omError with the messages in the error container. True
    // whenever it returns.
    bool BuildReport(APrintManager& report, CDC* dc, AExtents2D& extents);
    // The design pages of every designed element; one progress step per element.
    virtual bool AddDesignPages(APrintManager& report, CDC* dc);
    // The design pages of one element: its data, reinforcement or supports,
    // and the charts of its ultimate and serviceability checks as the last
    // design run left them. Nothing without design data of the kind, or with
    // both checks off. Each true.
    virtual bool AddEC2DesignPages(APrintManager& report, CDC* dc, omDesignElement* element);
    virtual bool AddSteelDesignPages(APrintManager& report, CDC* dc, omDesignElement* element);
    // A picture of the usable width and height (0.1 mm) holding one chart of
    // the plotter, with the chart's title and the picture's caption (none when
    // empty); both are plain texts.
    virtual void AddChartPicture(APrintManager& report, CDC* dc, Plotter& plotter, const CString& caption,
                                 const CString& title, int height);
    // The width of the design pages' pictures: the paper's body less 20 mm, at least 50 mm.
    static int DesignPictureWidth(const APrintManager& report);

    // Model tables and geometry picture; each true, also when its setting is off.
    virtual bool AddGeometryPicture(APrintManager& report, CDC* dc, omRect world);
    virtual bool AddNodesTable(APrintManager& report);
    virtual bool AddElementsTable(APrintManager& report);
    virtual bool AddMaterialsTable(APrintManager& report);
    virtual bool AddCrossSectionsTable(APrintManager& report);

    // Load cases (with the skew table), and per printed action its picture and
    // load tables.
    virtual bool AddLoadCasesTable(APrintManager& report);
    virtual bool AddActionPicture(int action, APrintManager& report, CDC* dc, omRect world);
    virtual bool AddActionLoadTables(int action, APrintManager& report);

    // Result pictures (six progress steps) and tables of one result case.
    virtual bool AddResultPictures(int resultCase, APrintManager& report, CDC* dc, AExtents2D& extents);
    virtual bool AddResultPicture(int resultCase, CDC* dc, APrintManager& report, omRect world,
                                  const CString& title, int diagramKind, bool forces, bool local);
    virtual bool AddResultTables(int resultCase, APrintManager& report);

    // The title and the units line of a result drawing, at the world point
    // corner (the upper left corner of the drawn rectangle).
    void DrawResultTitle(AMapC2L& map, CDC* dc, int resultCase, omPoint corner);
    void DrawResultUnits(AMapC2L& map, CDC* dc, omPoint corner, int diagramKind, bool forces, bool local,
                         int resultCase);
    // The lines of the title (one or two; none for a result case that does not exist).
    std::vector<CString> ResultTitleLines(int resultCase) const;
    // The text of the units line.
    CString ResultUnitsText(int diagramKind, bool forces, bool local, int resultCase) const;

private:
    bool isEnvelope(int resultCase) const { return resultCase > kEnvelopeOffset; }
    bool buildBody(APrintManager& report, CDC* dc, AExtents2D& extents);
    bool addLoadCaseTables(int loadCase, APrintManager& report);
    bool addEnvelopeTables(int envelope, APrintManager& report);

    omStrakon& m_model;
    AReportDrawing& m_drawing;
    AOutputStructureAttributes& m_printed;
};
