// The message documents end to end: a local server offers a message list with
// one RTF and one text document, the program's store names it, and the timer's
// background check, the question, the viewer and a restart are worked as the
// user meets them.
#include "ProgramFixture.h"

#include "app/messages/DocumentItemManager.h"
#include "app/messages/DocumentMessageDlg.h"
#include "app/shell/ARegistry.h"
#include "platform/net/CWebGrab.h"
#include "resources/ui/StrakonMessageIds.h"
#include "tests/support/LocalHttpServer.h"

#include <QElapsedTimer>
#include <QTreeWidget>

namespace {

class ProgramMessages : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        ASSERT_TRUE(server.listening());
        // A store that this program's version wrote before, so that its settings are kept.
        ARegistry product;
        ASSERT_TRUE(product.OpenOrCreate("Software\\Orvex\\Strakon"));
        product.SetDword("Version", 202);
        ARegistry reg;
        ASSERT_TRUE(reg.OpenOrCreate("Software\\Orvex\\Strakon\\MessageSystem"));
        // A trailing slash is what users type; the program adds the list's path.
        reg.SetString("Server", server.url("/").toStdString());
        server.serve("/docs/welcome.rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0\\fs28 {\\b Welcome} to "
                                          "the message system.\\par The frame designer has news.}");
        server.serve("/docs/notes.txt", "Release notes in plain text.");
        server.serve("/msgsys/Update.dmsi",
                     "VERSION = 1\nOBSOLETE =\n"
                     "DOCUMENT = 1 TITLE = \"Welcome\" URL = \"" + server.url("/docs/welcome.rtf").toUtf8() +
                         "\" LANGUAGE = \"English\" REVISION = 1 FORMAT = RTF PROGRAM = 2:0\n"
                         "  LINKS = \"Home page\", \"https://example.invalid/\" END\n"
                         "DOCUMENT = 2 TITLE = \"Release notes\" URL = \"" +
                         server.url("/docs/notes.txt").toUtf8() +
                         "\" LANGUAGE = \"English\" REVISION = 1 FORMAT = TXT PROGRAM = 2:-300 END\n");
        CMainFrame::SetOnlineProbe([] { return true; });
    }
    void TearDown() override {
        CMainFrame::SetOnlineProbe(nullptr);
        ProgramFixture::TearDown();
    }
    // The server is local: no proxy of the environment may stand between.
    static void localDownloads() {
        DocumentItemManager* manager = DocumentItemManager::Instance();
        ASSERT_NE(manager, nullptr);
        manager->SetGrabSetup([](CWebGrab& grab, bool) { grab.m_bUseEnvironmentProxy = false; });
    }
    // Lets the events run until done says so (at most 20 s).
    static void waitFor(const std::function<bool()>& done) {
        for (int i = 0; i < 2000 && !done(); ++i)
            settle(10);
    }
    static std::vector<std::string> rows(DocumentMessageDlg& dlg, int column) {
        std::vector<std::string> texts;
        for (int row = 0; row < dlg.m_wndDocuments.GetItemCount(); ++row)
            texts.push_back(dlg.m_wndDocuments.GetItemText(row, column));
        return texts;
    }

    LocalHttpServer server;
};

TEST_F(ProgramMessages, TimerFetchesAsksShowsAndARestartKeepsTheDocuments) {
    std::string shownText;
    std::vector<std::string> titles, statuses;
    prompts.QueueMessageBoxAnswer(IDYES);
    // Queued once the program runs: the tip of the day comes first.
    const auto viewerScript = [&](CDialog& d) {
        auto& viewer = dynamic_cast<DocumentMessageDlg&>(d);
        titles = rows(viewer, 0);
        statuses = rows(viewer, 1);
        auto* list = qobject_cast<QTreeWidget*>(viewer.m_wndDocuments.GetWidget());
        ASSERT_NE(list, nullptr);
        QTreeWidgetItem* first = list->topLevelItem(0);
        ASSERT_NE(first, nullptr);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(first).center());
        shownText = viewer.m_wndText.GetPlainText().toStdString();
        viewer.GetWidget()->move(60, 40);
        shot("messages");
        viewer.PressButton(IDOK);
    };
    bool enabledWhileOpen = true, enabledAfter = false;
    run({}, [&](CStrakonApp&, CMainFrame& frame) {
        frame.MoveWindow(0, 0, 1200, 850);
        localDownloads();
        dialogs.Queue(std::function<void(CDialog&)>(viewerScript));
        const std::size_t runsBefore = dialogs.Runs().size();
        frame.SendMessage(WM_TIMER, CMainFrame::kDownloadTimer, 0);
        waitFor([&] { return dialogs.Runs().size() > runsBefore; });
        enabledAfter = enabled(frame, ID_MESSAGE_DOCUMENTS);
        DocumentItemManager* manager = DocumentItemManager::Instance();
        ASSERT_EQ(manager->Lock(0), DocumentItemManager::kLocked);
        enabledWhileOpen = enabled(frame, ID_MESSAGE_DOCUMENTS);
        manager->Unlock();
        EXPECT_EQ(manager->m_nNewCount, 0);
    });
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_EQ(prompts.MessageBoxes()[0].caption, "Information");
    EXPECT_NE(prompts.MessageBoxes()[0].text.find("2 new document(s),\n0 updated document(s)"), std::string::npos)
        << prompts.MessageBoxes()[0].text;
    ASSERT_FALSE(dialogs.Runs().empty());
    EXPECT_EQ(dialogs.Runs().back(), IDD_MESSAGE_VIEWER);
    EXPECT_EQ(titles, (std::vector<std::string>{"Welcome", "Release notes"}));
    EXPECT_EQ(statuses, (std::vector<std::string>{"New", "New"}));
    EXPECT_EQ(shownText, "Welcome to the message system.\nThe frame designer has news.");
    EXPECT_TRUE(enabledAfter);
    EXPECT_FALSE(enabledWhileOpen);

    // A restart lists both from the store and asks nothing, even after a check.
    prompts.Clear();
    std::vector<std::string> restarted;
    run({}, [&](CStrakonApp&, CMainFrame& frame) {
        localDownloads();
        dialogs.Queue([&](CDialog& d) {
            restarted = rows(dynamic_cast<DocumentMessageDlg&>(d), 1);
            d.PressButton(IDOK);
        });
        const int listHits = server.hits("/msgsys/Update.dmsi");
        frame.SendMessage(WM_TIMER, CMainFrame::kDownloadTimer, 0);
        waitFor([&] { return server.hits("/msgsys/Update.dmsi") > listHits && !frame.IsMessageCheckRunning(); });
        settle();
        ASSERT_TRUE(enabled(frame, ID_MESSAGE_DOCUMENTS));
        frame.SendMessage(WM_COMMAND, ID_MESSAGE_DOCUMENTS, 0);
    });
    EXPECT_EQ(restarted, (std::vector<std::string>{"New", "New"}));
    EXPECT_TRUE(prompts.MessageBoxes().empty());
    EXPECT_EQ(server.hits("/docs/notes.txt"), 1);
}

TEST_F(ProgramMessages, ClosingDuringAHangingDownloadEndsTheProgramAtOnce) {
    server.route("/msgsys/Update.dmsi", {LocalHttpServer::Mode::Hang, {}});
    QElapsedTimer clock;
    bool running = false;
    run({}, [&](CStrakonApp&, CMainFrame& frame) {
        localDownloads();
        frame.SendMessage(WM_TIMER, CMainFrame::kDownloadTimer, 0);
        waitFor([&] { return server.hits("/msgsys/Update.dmsi") > 0; });
        running = frame.IsMessageCheckRunning();
        clock.start();
    });
    EXPECT_TRUE(running);
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_TRUE(prompts.MessageBoxes().empty());
}

} // namespace
