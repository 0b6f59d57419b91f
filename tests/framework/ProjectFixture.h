#pragma once
// A project with structure documents in real compound files: the application,
// the two frameless templates and documents that keep a text in their file.
#include "framework/ABaseProjectDoc.h"
#include "framework/ABaseStructureDoc.h"
#include "framework/ABaseWinApp.h"
#include "framework/ANFMultiDocTemplate.h"
#include "platform/core/CArchive.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CResources.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

class TestStructure : public ABaseStructureDoc {
    DECLARE_DYNCREATE(TestStructure)
public:
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring())
            ar << text;
        else
            ar >> text;
    }
    std::string text;
};

class TestProject : public ABaseProjectDoc {
    DECLARE_DYNCREATE(TestProject)
public:
    using ABaseProjectDoc::Convert2AbsolutePath;
    using ABaseProjectDoc::Convert2RelativePath;
    // What the project writer would see of a Save As in progress.
    void SaveToStorage(CObject* pObject = nullptr) override {
        saveAsPathWhileSaving = m_strSaveAsPath;
        structuresSavedBefore = 0;
        for (ABaseStructureDoc* s : GetStructures())
            if (!s->IsModified()) ++structuresSavedBefore;
        ABaseProjectDoc::SaveToStorage(pObject);
    }
    CString saveAsPathWhileSaving;
    int structuresSavedBefore = 0;
};

class TestProjectApp : public ABaseWinApp {
public:
    TestProjectApp() : ABaseWinApp("Strakon") {}
    CDocTemplate* GetStructureDocTemplate() override { return m_pStructure; }
    CDocTemplate* GetProjectDocTemplate() override { return m_pProject; }
    void UpdateAllFrames() override { ++framesUpdated; }
    BOOL SaveWorkspace() override {
        ++workspacesSaved;
        return TRUE;
    }
    ANFMultiDocTemplate* m_pStructure = nullptr;
    ANFMultiDocTemplate* m_pProject = nullptr;
    int framesUpdated = 0;
    int workspacesSaved = 0;
};

inline std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class ProjectFixture : public ::testing::Test {
protected:
    static constexpr UINT kStructureId = 186;
    static constexpr UINT kProjectId = 187;

    void SetUp() override {
        CResources::Instance().AddString(kStructureId, "\nStrakon\nStrakon\nStructure Files (*.oxs)\n.oxs\n"
                                                       "Strakon.Structure\nStructure");
        CResources::Instance().AddString(kProjectId, "\nProject\nProject\nProject Files (*.oxp)\n.oxp\n"
                                                     "Strakon.Project\nProject");
        app.m_pStructure =
            new ANFMultiDocTemplate(kStructureId, RUNTIME_CLASS(TestStructure), nullptr, nullptr);
        app.m_pProject = new ANFMultiDocTemplate(kProjectId, RUNTIME_CLASS(TestProject), nullptr, nullptr);
        app.AddDocTemplate(app.m_pStructure);
        app.AddDocTemplate(app.m_pProject);
        project = new TestProject;
        project->SetTitle("Bridge");
        app.m_pProjectDoc = project;
        app.m_strBasePath = (folder / "Bridge.oxp").string();
    }
    void TearDown() override {
        app.m_pProjectDoc = nullptr;
        delete project;
    }

    // A structure with a text, saved as folder/name.oxs and added to the project.
    TestStructure* addNew(const std::string& name, const std::string& text) {
        auto* s = static_cast<TestStructure*>(project->AddStructure(name, folder.path().string(), FALSE));
        if (!s) return nullptr;
        s->text = text;
        s->SaveStructure();
        return s;
    }
    // The text in a structure file, read by a document of its own.
    std::string readText(const std::filesystem::path& path) {
        auto* doc = static_cast<TestStructure*>(app.m_pStructure->OpenDocumentFile(path.string().c_str()));
        if (!doc) return "<unreadable>";
        const std::string text = doc->text;
        doc->OnCloseDocument();
        delete doc;
        return text;
    }
    // Replaces a file by a folder of the same name, so that nothing can be written there.
    static void blockFile(const std::filesystem::path& path) {
        std::filesystem::remove(path);
        std::filesystem::create_directories(path / "inside");
    }

    CScriptedPromptService prompts;
    TestProjectApp app;
    TempFolder folder;
    TestProject* project = nullptr;
};
