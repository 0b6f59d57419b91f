// The road of Solve from the command to the views, and the report step that
// shows the collected errors and the calculation log in the output window.
#include "app/shell/AStrakonDocument.h"
#include "app/views/AStrakon.h"

#include "app/shell/AOptionsAttributes.h"
#include "app/shell/AOutputWnd.h"
#include "app/shell/APath.h"
#include "app/shell/CStrakonApp.h"
#include "common/omErrorContainer.h"
#include "model/omDesignElement.h"
#include "model/omElementMap.h"
#include "common/omUnitValue.h"
#include "framework/ABaseMDIFrameWnd.h"
#include "model/omLoadCase.h"
#include "model/omLoadManager.h"
#include "model/omLogFile.h"
#include "model/omNodeMap.h"
#include "model/omStrakon.h"
#include "platform/core/FileIO.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CWinApp.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>

namespace {

// The detailed log categories: finite elements and their matrices, the
// non-linear details, the elimination of internal variables, element forces,
// the solver's iterations, the force, reaction and displacement vectors.
// The error of a node beyond the reach of the analysis: its number, x and z in metres.
constexpr unsigned kNodeOutOfReach = 1050;

constexpr int kDetailedCategories[] = {11, 12, 13, 14, 15, 17, 18, 19};

void clearSway(omNodeMap& nodes) {
    nodes.setSkew(0.0, 0.0, omUnitValue(0.0, omUnitKey(1)), omUnitValue(0.0, omUnitKey(1)));
}

// Whatever way a run ends, no node keeps a sway offset and the node map keeps
// no internal element node: the next edit or drawing must see the plain geometry.
class NodeOffsetsGuard {
public:
    explicit NodeOffsetsGuard(omNodeMap* nodes) : m_nodes(nodes) {}
    ~NodeOffsetsGuard() { Clear(); }
    NodeOffsetsGuard(const NodeOffsetsGuard&) = delete;
    NodeOffsetsGuard& operator=(const NodeOffsetsGuard&) = delete;
    void Clear() {
        if (!m_nodes) return;
        clearSway(*m_nodes);
        m_nodes->clearExternalNodes();
    }

private:
    omNodeMap* m_nodes;
};

void stepProgress() {
    if (CStrakonApp* app = CStrakonApp::GetApp()) app->StepProgress(1);
}

AOutputWnd* outputWindow() {
    auto* frame = DYNAMIC_DOWNCAST_PTR<ABaseMDIFrameWnd>(AfxGetMainWnd());
    return frame ? dynamic_cast<AOutputWnd*>(frame->GetOutputWnd()) : nullptr;
}

} // namespace

void AStrakonDocument::OnSolve() {
    omLoadManager* manager = GetModel() ? GetModel()->getLoadManager() : nullptr;
    const int cases = manager ? manager->caseSize() : 0;
    {
        AProgressScope progress("Solving ...", cases + 1);
        Solve();
    }
    UpdateAllViews(nullptr, 0, nullptr);
}

bool AStrakonDocument::Solve() {
    omLogFile* log = omLogFile::Instance();
    log->enableAll(true);
    for (int category : kDetailedCategories)
        log->enable(static_cast<lfCategory>(category), false);
    log->newFileName(log->fileName());

    omErrorContainer* errors = omErrorContainer::instance();
    errors->reset();
    omStrakon* model = GetModel();
    omLoadManager* manager = model ? model->getLoadManager() : nullptr;
    if (!manager || manager->caseSize() == 0) return false;

    omNodeMap* nodes = model->getNodeMap();
    NodeOffsetsGuard offsets(nodes);
    try {
        // A node beyond any structure's size (a damaged or foreign file's)
        // would turn the stiffnesses into numbers of no meaning: it is named,
        // and the structure is not solved.
        constexpr double kFarthest = 1e9; // metres
        for (const auto& [number, node] : *nodes) {
            double x = 0.0, z = 0.0;
            node->getPlanePoint(omNode::coorPlain, x, z);
            x /= 100.0;
            z /= 100.0;
            if (!(std::fabs(x) <= kFarthest) || !(std::fabs(z) <= kFarthest))
                errors->report(kNodeOutOfReach, static_cast<int>(number), x, z);
        }
        errors->throwIfError();
        model->bind();
        errors->throwIfError();
        // A member whose ends meet has no direction: its stiffness would only show as
        // a singular matrix blamed on the supports.
        if (const omElementMap* elements = model->getElementMap())
            for (const auto& [id, element] : *elements)
                if (!(element->length() > 0.0))
                    errors->report(1027, id, element->getNodeIndex1(), element->getNodeIndex2());
        errors->throwIfError();
        clearSway(*nodes);
        nodes->resetCreep();
        model->allocateStiffnessMatrix();
        errors->throwIfError();
        model->setupStiffnessMatrix();
        errors->throwIfError();
        model->distributeElementLoad();
        errors->throwIfError();
        const AOptionsAttributes* options = AOptionsAttributes::Instance();
        // The options are held to the dialog's range when read; a count set
        // beyond it otherwise still asks for no more points than the dialog allows.
        model->reserveResults(static_cast<int>(std::clamp<std::uint32_t>(options->internalPoints, 2, 19)) + 1);
        model->setDisplacementPrecision(options->displacementPrecision);
        model->setMaxIterations(options->maxIterations);
        errors->throwIfError();
        stepProgress();

        for (int i = 1; i <= manager->caseSize(); ++i) {
            const omLoadCase* loadCase = manager->getCase(i);
            if (loadCase->limitState() == omLoadCase::lsSkew) {
                double rx = 0.0, rz = 0.0;
                omUnitValue cx, cz;
                loadCase->getSkew(rx, rz, cx, cz);
                nodes->setSkew(rx, rz, cx, cz);
                model->skewCreepDisplacementsToResults(true, false, static_cast<unsigned>(i));
            } else if (model->solveLoadCase(static_cast<unsigned>(i), 1.0) != 0) {
                // A case without results must not go on into the envelopes: the
                // model has reported why; the run ends as any analysis error does.
                errors->throwIfError();
                throw omError(1, "Load case " + std::to_string(i) + " could not be solved.");
            }
            stepProgress();
        }

        model->calcEnvelopes(0);
        offsets.Clear();
        log->close();
        ReportToOutput(2, "", "", log->fileName());
        ReportToOutput(1, "Solving ...", "", "Report.txt");
        return true;
    } catch (const omError& error) {
        offsets.Clear();
        if (!error.isEmpty()) {
            CPromptService::Instance().MessageBeep(MB_ICONEXCLAMATION);
            ReportToOutput(1, "Solving ...", "", "Report.txt");
            log->close();
            ReportToOutput(2, "", "", log->fileName());
        }
        return false;
    }
}

void AStrakonDocument::ReportToOutput(int kind, const CString& title, const CString& text,
                                      const CString& fileName) {
    CString report;
    CString path;
    bool written = false;
    if (kind == 1) {
        std::ostringstream out;
        out << title << '\n';
        omErrorContainer::instance()->process(out);
        out << text;
        report = out.str();
        path = APath::TempPath(fileName);
        try {
            fileio::writeFileAtomically(std::filesystem::path(path.c_str()), std::string_view(report));
            written = true;
        } catch (const std::exception&) {
            written = false;
        }
    }
    AOutputWnd* output = outputWindow();
    if (!output) return;
    if (kind != 1) {
        output->ShowLog(fileName);
        return;
    }
    // The tab shows this run's text itself: the file is only its copy, and an
    // older file left standing must not pass for this run's report.
    if (!written) report += "\n(This report could not be written to " + path + ".)\n";
    output->ShowMessageText(report);
}
