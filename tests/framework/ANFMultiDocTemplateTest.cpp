#include "framework/ANFMultiDocTemplate.h"

#include "framework/ABaseWinApp.h"
#include "platform/core/CArchive.h"
#include "platform/core/Exceptions.h"
#include "platform/ui/AfxRes.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CRecentFileList.h"
#include "platform/ui/CResources.h"
#include "tests/support/TempFolder.h"

#include <QApplication>

#include <gtest/gtest.h>

// A document class without a factory: a template cannot make it.
class CFactorylessDoc : public CDocument {
    DECLARE_DYNAMIC(CFactorylessDoc)
};
IMPLEMENT_DYNAMIC(CFactorylessDoc, CDocument)

namespace {

constexpr UINT kStructureId = 186;

class CTextDoc : public CDocument {
    DECLARE_DYNCREATE(CTextDoc)
public:
    CTextDoc() { ++s_alive; }
    ~CTextDoc() override { --s_alive; }
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring())
            ar << m_text;
        else
            ar >> m_text;
    }
    BOOL OnNewDocument() override { return !s_failNew && CDocument::OnNewDocument(); }
    BOOL OnOpenDocument(const char* path) override {
        if (s_throwOnOpen) throw CFileException(CFileException::hardIO, path);
        return CDocument::OnOpenDocument(path);
    }

    std::string m_text;
    static int s_alive;
    static bool s_failNew;
    static bool s_throwOnOpen;
};
IMPLEMENT_DYNCREATE(CTextDoc, CDocument)
int CTextDoc::s_alive = 0;
bool CTextDoc::s_failNew = false;
bool CTextDoc::s_throwOnOpen = false;

class CStructureApp : public ABaseWinApp {
public:
    CStructureApp() : ABaseWinApp("Strakon") {}
    CDocTemplate* GetStructureDocTemplate() override { return m_pStructure; }
    CDocTemplate* GetProjectDocTemplate() override { return nullptr; }
    ANFMultiDocTemplate* m_pStructure = nullptr;
};

class ANFMultiDocTemplateTest : public ::testing::Test {
protected:
    void SetUp() override {
        CResources::Instance().AddString(kStructureId, "\nStrakon\nStrakon\nOrvex Strakon Structure Files "
                                                       "(*.oxs)\n.oxs\nOrvexStrakon.Structure.Document.1\n"
                                                       "Orvex Frame Structure Document");
        app.m_pStructure = new ANFMultiDocTemplate(kStructureId, RUNTIME_CLASS(CTextDoc), nullptr, nullptr);
        app.AddDocTemplate(app.m_pStructure);
        app.LoadStdProfileSettings(6);
        windowsBefore = QApplication::topLevelWidgets().size();
    }
    void TearDown() override {
        app.CloseAllDocuments(FALSE);
        CTextDoc::s_failNew = false;
        CTextDoc::s_throwOnOpen = false;
    }
    ANFMultiDocTemplate& Template() { return *app.m_pStructure; }

    CScriptedPromptService prompts;
    CStructureApp app;
    TempFolder folder;
    qsizetype windowsBefore = 0;
};

TEST_F(ANFMultiDocTemplateTest, OpeningAPathWhoseOpenFailsLeavesTheDocumentCountUnchanged) {
    const std::string missing = (folder / "missing.oxs").string();
    EXPECT_EQ(Template().OpenDocumentFile(missing.c_str()), nullptr);
    EXPECT_TRUE(Template().GetDocuments().empty());
    EXPECT_EQ(CTextDoc::s_alive, 0);
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u) << "the document reports why it failed";
    EXPECT_EQ(prompts.WaitCursorChanges(), std::vector<bool>({true, false}));
}

TEST_F(ANFMultiDocTemplateTest, UntitledDocumentThatIsNotMadeVisibleIsEmbeddedAndHasNoWindow) {
    CDocument* hidden = Template().OpenDocumentFile(nullptr, FALSE);
    ASSERT_NE(hidden, nullptr);
    EXPECT_TRUE(hidden->m_bEmbedded);
    EXPECT_EQ(hidden->GetTitle(), "Strakon1");
    EXPECT_TRUE(hidden->GetViews().empty());
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windowsBefore);
    CDocument* shown = Template().OpenDocumentFile(nullptr, TRUE);
    ASSERT_NE(shown, nullptr);
    EXPECT_FALSE(shown->m_bEmbedded);
    EXPECT_TRUE(shown->GetViews().empty()) << "no view even when visible";
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windowsBefore);
    EXPECT_EQ(Template().GetDocuments().size(), 2u);
}

TEST_F(ANFMultiDocTemplateTest, UntitledCounterGrowsOnlyWhenOnNewDocumentSucceeds) {
    CTextDoc::s_failNew = true;
    EXPECT_EQ(Template().OpenDocumentFile(nullptr), nullptr);
    EXPECT_EQ(Template().m_nUntitledCount, 0u);
    EXPECT_TRUE(Template().GetDocuments().empty());
    EXPECT_EQ(CTextDoc::s_alive, 0);
    CTextDoc::s_failNew = false;
    CDocument* doc = Template().OpenDocumentFile(nullptr);
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(Template().m_nUntitledCount, 1u);
    EXPECT_EQ(doc->GetTitle(), "Strakon1") << "the failed attempt took no number";
}

TEST_F(ANFMultiDocTemplateTest, OpenedFileGivesTheDocumentItsPathAndARecentFileEntry) {
    CDocument* made = Template().OpenDocumentFile(nullptr);
    static_cast<CTextDoc*>(made)->m_text = "frame";
    const std::string path = (folder / "Bridge.oxs").string();
    ASSERT_TRUE(made->OnSaveDocument(path.c_str()));
    made->OnCloseDocument();

    auto* doc = static_cast<CTextDoc*>(Template().OpenDocumentFile(path.c_str()));
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(doc->m_text, "frame");
    EXPECT_EQ(doc->GetPathName(), path);
    EXPECT_EQ(doc->GetTitle(), "Bridge.oxs");
    EXPECT_EQ((*app.m_pRecentFileList)[0], path);
    EXPECT_EQ(Template().m_nUntitledCount, 1u) << "opening a file takes no untitled number";
    EXPECT_EQ(prompts.WaitCursorChanges(), std::vector<bool>({true, false}));
}

TEST_F(ANFMultiDocTemplateTest, AnOpenThatThrowsRestoresTheWaitCursorAndDiscardsTheDocument) {
    CTextDoc::s_throwOnOpen = true;
    const std::string path = (folder / "Bridge.oxs").string();
    EXPECT_THROW(Template().OpenDocumentFile(path.c_str()), CFileException);
    EXPECT_EQ(prompts.WaitCursorChanges(), std::vector<bool>({true, false}));
    EXPECT_TRUE(Template().GetDocuments().empty());
    EXPECT_EQ(CTextDoc::s_alive, 0);
}

TEST_F(ANFMultiDocTemplateTest, TemplateThatCannotMakeItsDocumentSaysSo) {
    ANFMultiDocTemplate broken(kStructureId, RUNTIME_CLASS(CFactorylessDoc), nullptr, nullptr);
    EXPECT_EQ(broken.OpenDocumentFile(nullptr), nullptr);
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_EQ(prompts.MessageBoxes()[0].text, AfxLoadString(AFX_IDP_FAILED_TO_CREATE_DOC));
    EXPECT_EQ(prompts.MessageBoxes()[0].type, MB_OK);
    EXPECT_EQ(prompts.MessageBoxes()[0].helpId, 61700u);
}

} // namespace
