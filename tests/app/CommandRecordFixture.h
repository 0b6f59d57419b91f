#pragma once
// The edit commands at work on a real structure document: a small frame
// without results (concrete and steel members with design data, supports, two
// actions with node and member loads, two load cases and an envelope), a main
// frame whose project window records what the commands ask of it, a view that
// records the update hints, and the model and extents records written through
// the structure file's serialisers, to compare states byte by byte.
#include "SettingsFixture.h"
#include "app/shell/AProjectWorkspaceWndInterface.h"
#include "app/shell/AStrakonDocument.h"
#include "app/shell/CStrakonApp.h"
#include "app/views/AStrakon.h"
#include "framework/ABaseMDIFrameWnd.h"
#include "framework/ABaseProjectWnd.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CView.h"
#include "tests/support/TempFolder.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class omStrakon;

namespace commandrecord {

// What the commands asked of the project window, in order: "Nodes",
// "Elements", "Materials", "CrossSections", "Actions", "LoadCases", "Envelopes".
class RecordingProjectWnd : public ABaseProjectWnd, public AProjectWorkspaceWndInterface {
public:
    void UpdateElements(CDocument* pStructure) override { note("Elements", pStructure); }
    void UpdateNodes(CDocument* pStructure) override { note("Nodes", pStructure); }
    void UpdateMaterials(CDocument* pStructure) override { note("Materials", pStructure); }
    void UpdateCrossSections(CDocument* pStructure) override { note("CrossSections", pStructure); }
    void UpdateActions(CDocument* pStructure) override { note("Actions", pStructure); }
    void UpdateLoadCases(CDocument* pStructure) override { note("LoadCases", pStructure); }
    void UpdateEnvelopes(CDocument* pStructure) override { note("Envelopes", pStructure); }

    std::vector<std::string> calls;
    // Calls that named another document than the one under test.
    int foreignCalls = 0;
    CDocument* expected = nullptr;

private:
    void note(const char* what, CDocument* pStructure) {
        calls.emplace_back(what);
        if (pStructure != expected) ++foreignCalls;
    }
};

// The main frame: only its project window matters to the commands.
class RecordingMainFrame : public ABaseMDIFrameWnd {
public:
    ABaseProjectWnd* GetProjectWnd() override { return &projectWnd; }
    RecordingProjectWnd projectWnd;
};

// Every OnUpdate of the document's views, in order.
class RecordingHintView : public CView {
public:
    void OnDraw(CDC*) override {}
    void OnUpdate(CView*, LPARAM lHint, CObject* pHint) override {
        hints.push_back(static_cast<int>(lHint));
        objects.push_back(pHint);
    }
    void clear() {
        hints.clear();
        objects.clear();
    }
    std::vector<int> hints;
    std::vector<CObject*> objects;
};

// Nodes 1 (0, 0), 2 (0, -4), 3 (6, -4), 4 (6, 0) and 5 (12, -4) in m; members
// 1-2 and 3-4 of concrete (material 1, reinforcement 3, rectangle 1) with
// concrete design data, 2-3 and 3-5 of steel (material 2, I-section 2) with
// steel design data; 1 and 4 fixed, 5 held vertically; actions "Dead load"
// and "Live load" with loads on nodes 2 and 5 and on members 1, 2 and 4; an
// ultimate and a serviceability load case; one ultimate envelope. Bound, no
// results; the document's extents hold every node.
void buildFrame(AStrakonDocument& doc);

// The model record and the extents record of the structure file, as bytes.
std::vector<std::uint8_t> record(AStrakonDocument& doc);

// A readable difference of two records for failure messages: the first byte
// that differs and both lengths.
std::string describeDifference(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b);

} // namespace commandrecord

// A document holding the frame, with the recording main frame installed as
// the application's main window and the recording view added to the document.
class CommandRecordFixture : public SettingsFixture {
protected:
    void SetUp() override;
    void TearDown() override;

    // A fresh document with the frame, for replays from scratch; the caller owns it.
    std::unique_ptr<AStrakonDocument> newFrameDocument();

    AStrakon& model() { return *doc->GetModel(); }
    std::vector<std::uint8_t> record() { return commandrecord::record(*doc); }
    std::vector<std::string>& projectCalls() { return frame->projectWnd.calls; }
    // Forgets the hints and project-window calls heard so far.
    void clearLogs() {
        view.clear();
        frame->projectWnd.calls.clear();
    }

    CStrakonApp app;
    CScriptedPromptService prompts;
    TempFolder logDir;
    std::unique_ptr<commandrecord::RecordingMainFrame> frame;
    std::unique_ptr<AStrakonDocument> doc;
    commandrecord::RecordingHintView view;
};
