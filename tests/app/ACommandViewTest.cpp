#include "app/views/ACommandManager.h"

#include "StructureDocumentSupport.h"

#include "platform/gdi/CDC.h"
#include "platform/ui/CMDIFrameWnd.h"
#include "platform/ui/CView.h"
#include "platform/ui/CWinApp.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

// An editing view that counts what the command manager tells it.
class CCountingView : public CView, public ACommandView {
    DECLARE_DYNCREATE(CCountingView)
public:
    void OnDraw(CDC*) override {}
    void UpdateAfterCommand(AStructureDocument* pDoc) override {
        ++updates;
        lastDocument = pDoc;
    }
    int updates = 0;
    AStructureDocument* lastDocument = nullptr;
};
IMPLEMENT_DYNCREATE(CCountingView, CView)

// Fills the document's changed rectangle on Undo and Redo, as a command does
// that knows which part of the drawing it changed.
class ChangingCommand : public ACommand {
public:
    explicit ChangingCommand(bool marks) : m_marks(marks) {}
    void Execute(AStructureDocument* pDoc) override { mark(pDoc); }
    void Undo(AStructureDocument* pDoc) override { mark(pDoc); }
    CString GetName() override { return "Move Nodes"; }

private:
    void mark(AStructureDocument* pDoc) {
        if (m_marks) pDoc->m_rectChanged.SetRect(0, 0, 10, 10);
    }
    bool m_marks;
};

void processEvents() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

TEST(ACommandViewTest, TheActiveViewHearsOfUndoAndRedoOnlyWhenTheyChangedAnArea) {
    CWinApp app("Commands");
    auto* mainFrame = new CMDIFrameWnd;
    ASSERT_TRUE(mainFrame->Create(nullptr, "Main", WS_OVERLAPPEDWINDOW, CRect(0, 0, 600, 400)));
    app.m_pMainWnd = mainFrame;
    TestStructureDoc doc;
    auto* child = new CMDIChildWnd;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CCountingView);
    context.m_pCurrentDoc = &doc;
    ASSERT_TRUE(child->Create(nullptr, "Structure", WS_CHILD | WS_VISIBLE | WS_OVERLAPPEDWINDOW,
                              CRect(0, 0, 300, 200), mainFrame, &context));
    child->InitialUpdateFrame(&doc, TRUE);
    processEvents();
    auto* view = dynamic_cast<CCountingView*>(child->GetActiveView());
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(mainFrame->GetActiveFrame(), child);

    ACommandManager& commands = doc.GetCommandManager();
    commands.AddCommand(new ChangingCommand(false));
    commands.Undo();
    commands.Redo();
    EXPECT_EQ(view->updates, 0) << "nothing changed";
    commands.AddCommand(new ChangingCommand(true));
    EXPECT_EQ(view->updates, 0) << "a new command is not an Undo or Redo";
    commands.Undo();
    commands.Redo();
    EXPECT_EQ(view->updates, 2);
    EXPECT_EQ(view->lastDocument, &doc);
    // Undo empties the rectangle first: a command that changes nothing leaves it empty.
    commands.Undo();
    commands.Undo();
    EXPECT_EQ(view->updates, 3);

    mainFrame->DestroyWindow();
    app.m_pMainWnd = nullptr;
    processEvents();
}

} // namespace
