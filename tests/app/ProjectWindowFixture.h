#pragma once
// The program's project machinery in a test frame: the application with its
// structure, project and window templates, a main frame with the project
// window, the workspace manager and the window records, and projects of real
// structures in real files. The application saves and loads the layout
// streams itself.
#include "SettingsFixture.h"
#include "StructureFileSupport.h"
#include "app/shell/AProjectDocument.h"
#include "app/shell/AProjectTreeItems.h"
#include "app/shell/AProjectWorkspaceWnd.h"
#include "app/shell/AStrakonDocument.h"
#include "app/shell/AStructureTreeItems.h"
#include "app/shell/AWorkspaceManager.h"
#include "app/shell/CChildFrame.h"
#include "app/shell/CStrakonApp.h"
#include "app/design/ADesignConcreteView.h"
#include "app/views/AEnvelopeView.h"
#include "app/views/AForceView.h"
#include "app/views/AGeometryView.h"
#include "app/views/ALCResultView.h"
#include "app/views/ALoadCombinationsFrame.h"
#include "app/views/ALoadCombinationsView.h"
#include "app/views/AStrakon.h"
#include "common/omErrorContainer.h"
#include "framework/ABaseMDIFrameWnd.h"
#include "framework/ANFMultiDocTemplate.h"
#include "model/omLogFile.h"
#include "platform/ui/CControlBar.h"
#include "platform/ui/CDocTemplate.h"
#include "platform/ui/CMenu.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CResources.h"
#include "platform/ui/CStatusBar.h"
#include "platform/ui/CView.h"
#include "resources/ui/StrakonResources.h"
#include "tests/platform/ui/UiTestSupport.h"
#include "tests/support/TempFolder.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// A structure window's view: it counts its initial updates.
class ProjectTestView : public CView {
    DECLARE_DYNCREATE(ProjectTestView)
public:
    void OnDraw(CDC*) override {}
    void OnInitialUpdate() override {
        ++initialUpdates;
        CView::OnInitialUpdate();
    }
    int initialUpdates = 0;
};

class ProjectTestFrame : public ABaseMDIFrameWnd {
public:
    static constexpr UINT kFrameId = 9370;
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override {
        if (ABaseMDIFrameWnd::OnCreate(lpCreateStruct) == -1) return -1;
        static const UINT indicators[] = {ID_SEPARATOR};
        if (!statusBar.Create(this) || !statusBar.SetIndicators(indicators, 1)) return -1;
        EnableDocking(CBRS_ALIGN_ANY);
        if (!projectWnd.Create(this, "Project", WS_CHILD | WS_VISIBLE | CBRS_LEFT, 0, 0xE801)) return -1;
        return 0;
    }
    ABaseProjectWnd* GetProjectWnd() override { return &projectWnd; }
    CStatusBar statusBar;
    AProjectWorkspaceWnd projectWnd;
};

class ProjectTestApp : public CStrakonApp {
public:
    // The program's template resources.
    static constexpr UINT IDR_GEOMETRYTYPE = 130;
    static constexpr UINT IDR_LOADSTYPE = 131;
    static constexpr UINT IDR_LCRESULTSTYPE = 166;
    static constexpr UINT IDR_LOADCOMBINATIONSTYPE = 167;
    static constexpr UINT IDR_PROJECTTYPE = 185;
    static constexpr UINT IDR_STRUCTURETYPE = 186;

    void Install() {
        m_pStructureTemplate = new ANFMultiDocTemplate(IDR_STRUCTURETYPE, RUNTIME_CLASS(AStrakonDocument), nullptr,
                                                       nullptr);
        m_pProjectTemplate =
            new ANFMultiDocTemplate(IDR_PROJECTTYPE, RUNTIME_CLASS(AProjectDocument), nullptr, nullptr);
        AddDocTemplate(m_pStructureTemplate);
        AddDocTemplate(m_pProjectTemplate);
        struct Window {
            int kind;
            UINT id;
            const CRuntimeClass* frame;
            const CRuntimeClass* view;
        };
        const Window windows[] = {
            {GeometryWindow, IDR_GEOMETRYTYPE, RUNTIME_CLASS(CChildFrame), RUNTIME_CLASS(AGeometryView)},
            {LoadsWindow, IDR_LOADSTYPE, RUNTIME_CLASS(CChildFrame), RUNTIME_CLASS(AForceView)},
            {LoadCaseResultsWindow, IDR_LCRESULTSTYPE, RUNTIME_CLASS(CChildFrame), RUNTIME_CLASS(ALCResultView)},
            {LoadCombinationsWindow, IDR_LOADCOMBINATIONSTYPE, RUNTIME_CLASS(ALoadCombinationsFrame),
             RUNTIME_CLASS(ALoadCombinationsView)},
            {EnvelopeWindow, IDR_LOADCOMBINATIONSTYPE, RUNTIME_CLASS(CChildFrame), RUNTIME_CLASS(AEnvelopeView)},
            {ConcreteDesignWindow, 260, RUNTIME_CLASS(CChildFrame), RUNTIME_CLASS(ADesignConcreteView)}};
        for (const Window& w : windows) {
            auto* t = new CMultiDocTemplate(w.id, RUNTIME_CLASS(AStrakonDocument), w.frame, w.view);
            AddDocTemplate(t);
            SetWindowTemplate(w.kind, t);
        }
    }
    AProjectDocument* project() const { return static_cast<AProjectDocument*>(m_pProjectDoc); }
};

class ProjectWindowFixture : public SettingsFixture {
protected:
    void SetUp() override {
        SettingsFixture::SetUp();
        omErrorContainer::instance()->reset();
        omLogFile::Instance()->newFileName((logDir.path() / "Strakon.log").string());
        RegisterStrakonResources();
        CResources::Instance().AddString(ProjectTestFrame::kFrameId, "Strakon");
        CResources::Instance().AddMenu(ProjectTestFrame::kFrameId,
                                       {MenuPopup("&File", {MenuItem("&Close", ID_FILE_CLOSE)})});
        app.Install();
        AWorkspaceManager::Release();
        app.m_pWorkspaceManager = AWorkspaceManager::Instance();
        ABaseWorkspace::SetWindowInfoCreatorObject(new AWindowInfoCreator);
        frame = new ProjectTestFrame;
        ASSERT_TRUE(frame->LoadFrame(ProjectTestFrame::kFrameId));
        app.m_pMainWnd = frame;
        frame->MoveWindow(0, 0, 1000, 700);
        frame->ShowWindow(SW_SHOW);
        ProcessEvents();
    }
    void TearDown() override {
        closeProject();
        if (app.m_pMainWnd) app.m_pMainWnd->DestroyWindow();
        app.m_pMainWnd = nullptr;
        ProcessEvents();
        ABaseWorkspace::DeleteWindowInfoCreatorObject();
        app.m_pWorkspaceManager = nullptr;
        AWorkspaceManager::Release();
        omLogFile::Instance()->close();
        omErrorContainer::instance()->reset();
        SettingsFixture::TearDown();
    }

    AProjectWorkspaceWnd& wnd() { return frame->projectWnd; }
    AProjectDocument* project() { return app.project(); }

    // A new project file path; the project is created and shown.
    AProjectDocument* newProject(const std::filesystem::path& path) {
        closeProject();
        auto* doc = static_cast<AProjectDocument*>(app.GetProjectDocTemplate()->OpenDocumentFile(nullptr, TRUE));
        doc->SetPathName(path.string().c_str(), FALSE);
        doc->SetTitle(path.stem().string().c_str());
        app.m_pProjectDoc = doc;
        app.m_strBasePath = path.string();
        doc->AddToProjectWnd();
        return doc;
    }
    // A new structure, built by build, saved as folder/name.oxs and added to the project and its trees.
    AStrakonDocument* addStructure(const std::string& name, const std::filesystem::path& where,
                                   const std::function<void(omStrakon&)>& build) {
        std::filesystem::create_directories(where);
        auto* doc = static_cast<AStrakonDocument*>(project()->AddStructure(name, where.string(), FALSE));
        if (!doc) return nullptr;
        if (build) build(*doc->GetModel());
        // As after loading: the members know their materials and sections.
        doc->GetModel()->bind();
        doc->SaveStructure();
        wnd().AddStructure(doc);
        return doc;
    }
    // Saves structures, project file and layout, as the Save command does.
    bool saveProject() { return project()->OnFileSaveProject() != FALSE; }
    // Opens a project file as the program does; null when the opening failed.
    AProjectDocument* openProject(const std::filesystem::path& path) {
        closeProject();
        CDocument* opened = app.GetProjectDocTemplate()->OpenDocumentFile(path.string().c_str(), TRUE);
        auto* doc = dynamic_cast<AProjectDocument*>(opened);
        if (!doc) return nullptr;
        doc->SetTitle(path.stem().string().c_str());
        app.m_pProjectDoc = doc;
        doc->AddToProjectWnd();
        app.LoadWorkspace();
        if (!doc->m_nStatus && doc->OnFileCloseProject(TRUE)) {
            app.m_pProjectDoc = nullptr;
            delete doc;
            return nullptr;
        }
        return doc;
    }
    void closeProject() {
        if (!app.m_pProjectDoc) return;
        project()->SetModifiedFlag(FALSE);
        for (ABaseStructureDoc* s : project()->GetStructures())
            s->SetModifiedFlag(FALSE);
        project()->OnFileCloseProject(TRUE);
        delete app.m_pProjectDoc;
        app.m_pProjectDoc = nullptr;
        ProcessEvents();
    }
    AStrakonDocument* structure(const std::string& name) {
        return static_cast<AStrakonDocument*>(project()->GetStructure(name));
    }
    // The texts of a tree, depth first, indented by level.
    static std::vector<std::string> texts(const CTreeCtrl& tree, HTREEITEM from = nullptr) {
        std::vector<std::string> out;
        std::function<void(HTREEITEM, int)> walk = [&](HTREEITEM h, int level) {
            for (; h; h = tree.GetNextSiblingItem(h)) {
                out.push_back(std::string(static_cast<size_t>(level) * 2, ' ') + tree.GetItemText(h));
                walk(tree.GetChildItem(h), level + 1);
            }
        };
        walk(from ? from : tree.GetRootItem(), 0);
        return out;
    }
    // The child of parent with that text; null when there is none.
    static HTREEITEM child(const CTreeCtrl& tree, HTREEITEM parent, const std::string& text) {
        for (HTREEITEM h = tree.GetChildItem(parent); h; h = tree.GetNextSiblingItem(h))
            if (tree.GetItemText(h) == text) return h;
        return nullptr;
    }
    // An entry by its path of texts below the project item.
    static HTREEITEM find(const CTreeCtrl& tree, std::initializer_list<std::string> path) {
        HTREEITEM h = tree.GetRootItem();
        for (const std::string& text : path)
            if (!(h = child(tree, h, text))) return nullptr;
        return h;
    }
    static std::vector<std::string> childTexts(const CTreeCtrl& tree, HTREEITEM parent) {
        std::vector<std::string> out;
        for (HTREEITEM h = tree.GetChildItem(parent); h; h = tree.GetNextSiblingItem(h))
            out.push_back(tree.GetItemText(h));
        return out;
    }
    // The child frames that the user can see, with their titles.
    std::vector<std::string> visibleTitles() const {
        std::vector<std::string> titles;
        for (CMDIChildWnd* c : frame->GetMDIChildren())
            if (c->IsWindowVisible() && c->IsWindowEnabled()) titles.push_back(c->GetWindowText());
        return titles;
    }

    ProjectTestApp app;
    CScriptedPromptService prompts;
    TempFolder logDir;
    TempFolder folder;
    ProjectTestFrame* frame = nullptr;
};
