#include "framework/ABaseWinApp.h"

#include "framework/ANFMultiDocTemplate.h"
#include "platform/ui/CDocument.h"

#include <gtest/gtest.h>

namespace {

class CEmptyDoc : public CDocument {
    DECLARE_DYNCREATE(CEmptyDoc)
};
IMPLEMENT_DYNCREATE(CEmptyDoc, CDocument)

class CProgramApp : public ABaseWinApp {
public:
    CProgramApp() : ABaseWinApp("Strakon") {
        m_pProject = new ANFMultiDocTemplate(185, RUNTIME_CLASS(CEmptyDoc), nullptr, nullptr);
        m_pStructure = new ANFMultiDocTemplate(186, RUNTIME_CLASS(CEmptyDoc), nullptr, nullptr);
        AddDocTemplate(m_pProject);
        AddDocTemplate(m_pStructure);
    }
    CDocTemplate* GetStructureDocTemplate() override { return m_pStructure; }
    CDocTemplate* GetProjectDocTemplate() override { return m_pProject; }
    CDocTemplate* m_pProject;
    CDocTemplate* m_pStructure;
};

TEST(ABaseWinApp, TheLibraryReachesTheApplicationAndItsTemplates) {
    {
        CProgramApp app;
        ABaseWinApp* base = ABaseWinApp::GetApp();
        ASSERT_EQ(base, &app);
        EXPECT_EQ(base->GetStructureDocTemplate(), app.m_pStructure);
        EXPECT_EQ(base->GetProjectDocTemplate(), app.m_pProject);
        EXPECT_EQ(base->GetProjectDocument(), nullptr) << "no project while none is open";
        EXPECT_EQ(base->GetWorkspaceManager(), nullptr) << "set by the program at start-up";
        EXPECT_TRUE(base->m_strBasePath.empty());
    }
    CWinApp plain("Other");
    EXPECT_EQ(ABaseWinApp::GetApp(), nullptr) << "another kind of application is not taken for one";
}

TEST(ABaseWinApp, BaseCallbacksDoNothingAndSucceed) {
    CProgramApp app;
    EXPECT_TRUE(app.InitInstance());
    EXPECT_TRUE(app.LoadWorkspace());
    EXPECT_TRUE(app.SaveWorkspace());
    app.UpdateAllFrames();
    AfxPostQuitMessage(3);
    EXPECT_EQ(app.ExitInstance(), 3) << "the framework's exit code";
}

} // namespace
