#include "app/report/AStrakonReport.h"

#include "app/report/AOutputAttributes.h"
#include "app/report/AReportProgress.h"
#include "app/views/AExtents2D.h"
#include "common/omErrorContainer.h"
#include "model/omElementMap.h"
#include "model/omLoadManager.h"
#include "model/omStrakon.h"

#include <algorithm>
#include <exception>
#include <string_view>
#include <vector>

bool AStrakonReport::BuildReport(APrintManager& report, CDC* dc, AExtents2D& extents) {
    omErrorContainer* errors = omErrorContainer::instance();
    m_model.bind();
    errors->throwIfError();
    try {
        return buildBody(report, dc, extents);
    } catch (const omError&) {
        throw;
    } catch (const std::exception& e) {
        // The output command handles the container's error; anything else
        // would end the program.
        errors->report(kBuildError, std::string(e.what()));
        errors->throwIfError();
        throw;
    }
}

bool AStrakonReport::buildBody(APrintManager& report, CDC* dc, AExtents2D& extents) {
    omRect world;
    extents.GetExtentsRect(world, omUK_m, AExtents2D::modeReport);
    AddGeometryPicture(report, dc, world);
    StepReportProgress();
    AddNodesTable(report);
    StepReportProgress();
    AddElementsTable(report);
    StepReportProgress();
    AddMaterialsTable(report);
    StepReportProgress();
    AddCrossSectionsTable(report);
    StepReportProgress();
    AddLoadCasesTable(report);

    const omLoadManager* loads = m_model.getLoadManager();
    m_printed.UpdateActionLists(*loads);
    std::vector<int> printed;
    for (const std::string& name : m_printed.m_printedActions)
        if (const int index = loads->getGroupIndex(name)) printed.push_back(index);
    std::stable_sort(printed.begin(), printed.end());
    for (int action : printed) {
        extents.GetExtentsRect(world, omUK_m, AExtents2D::modeLoads);
        AddActionPicture(action, report, dc, world);
        StepReportProgress();
        AddActionLoadTables(action, report);
        StepReportProgress();
    }

    m_printed.UpdateResultLists(*loads);
    if (!m_model.areResultsValid()) return true;
    printed.clear();
    constexpr std::string_view loadCase = "[LC]: ", envelope = "[EN]: ";
    for (const std::string& name : m_printed.m_printedResults) {
        const std::string_view head = std::string_view(name).substr(0, 6);
        if (head == loadCase) {
            if (const int index = loads->getCase(name.substr(6)).second) printed.push_back(index);
        } else if (head == envelope) {
            if (const int index = loads->getEnvelopeIndex(name.substr(6))) printed.push_back(index + kEnvelopeOffset);
        }
    }
    std::stable_sort(printed.begin(), printed.end());
    for (int resultCase : printed) {
        AddResultPictures(resultCase, report, dc, extents);
        AddResultTables(resultCase, report);
        StepReportProgress();
    }
    if (AOutputAttributes::Instance()->m_bDesignResults) AddDesignPages(report, dc);
    return true;
}
