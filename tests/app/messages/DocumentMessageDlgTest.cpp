#include "app/messages/ARtfReader.h"
#include "app/messages/DocumentItemManager.h"
#include "app/messages/DocumentMessageDlg.h"
#include "app/shell/CStrakonApp.h"
#include "platform/net/CWebGrab.h"
#include "platform/storage/CSettingsStore.h"
#include "platform/ui/CPromptService.h"
#include "resources/ui/StrakonMessageIds.h"
#include "tests/support/LocalHttpServer.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QClipboard>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMimeData>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>

#include <fstream>

// Takes the addresses the desktop would open, so that no browser starts.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    std::vector<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.push_back(url); }
};

namespace {

namespace fs = std::filesystem;

class MessageViewer : public ::testing::Test {
protected:
    void SetUp() override {
        CSettingsStore::Instance().SetFolder(settings.path());
        fs::create_directories(folder());
        manager = DocumentItemManager::Create("", folder() / "MessageSystem.dmsi", folder(), 2, 200);
        QDesktopServices::setUrlHandler("http", &catcher, "open");
        QDesktopServices::setUrlHandler("https", &catcher, "open");
        QDesktopServices::setUrlHandler("file", &catcher, "open");
    }
    void TearDown() override {
        QDesktopServices::unsetUrlHandler("http");
        QDesktopServices::unsetUrlHandler("https");
        QDesktopServices::unsetUrlHandler("file");
        DocumentItemManager::Release();
        CSettingsStore::Instance().Flush();
    }
    fs::path folder() const { return temp / "Doc"; }

    // A document with its local copy.
    DocumentItem& add(int id, int status, int format, const std::string& content, const std::string& title = {}) {
        auto item = std::make_unique<DocumentItem>();
        item->m_nId = id;
        item->m_nStatus = status;
        item->m_nFormat = format;
        item->m_title = title.empty() ? "Document " + std::to_string(id) : title;
        item->m_address = "http://example.invalid/docs/d" + std::to_string(id);
        item->m_language = "English";
        std::ofstream(manager->LocalPathOf(*item), std::ios::binary) << content;
        manager->m_items.push_back(std::move(item));
        return *manager->m_items.back();
    }
    static std::vector<std::string> column(DocumentMessageDlg& dlg, int col) {
        std::vector<std::string> texts;
        for (int row = 0; row < dlg.m_wndDocuments.GetItemCount(); ++row)
            texts.push_back(dlg.m_wndDocuments.GetItemText(row, col));
        return texts;
    }
    static void select(CListCtrl& list, int row) {
        auto* tree = qobject_cast<QTreeWidget*>(list.GetWidget());
        ASSERT_NE(tree, nullptr);
        QTreeWidgetItem* item = tree->topLevelItem(row);
        ASSERT_NE(item, nullptr);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(item).center());
    }
    static void click(CDialog& dlg, UINT id) {
        auto* button = qobject_cast<QAbstractButton*>(dlg.GetDlgItem(id)->GetWidget());
        ASSERT_NE(button, nullptr);
        button->click();
    }
    // Runs the viewer with the script on the live dialog.
    void run(const std::function<void(DocumentMessageDlg&)>& script) {
        dialogs.Queue([&](CDialog& d) {
            auto& dlg = dynamic_cast<DocumentMessageDlg&>(d);
            dlg.GetWidget()->resize(900, 600);
            script(dlg);
            if (!dlg.IsEnded()) dlg.PressButton(IDOK);
        });
        DocumentMessageDlg dlg;
        dlg.DoModal();
    }

    TempFolder settings;
    TempFolder temp;
    CStrakonApp app;
    CScriptedPromptService prompts;
    CScriptedDialogService dialogs;
    UrlCatcher catcher;
    DocumentItemManager* manager = nullptr;
};

TEST_F(MessageViewer, ListsByStatusAndHidesObsoleteUntilAsked) {
    add(1, documentstatus::kUpdated, 1, "a");
    add(2, documentstatus::kNew, 1, "b");
    add(3, documentstatus::kObsolete, 1, "c");
    add(4, 9, 7, "d");
    add(5, documentstatus::kOld, 3, "e");
    add(6, documentstatus::kNew, 2, "{\\rtf1 f}");
    run([&](DocumentMessageDlg& dlg) {
        EXPECT_EQ(column(dlg, 0), (std::vector<std::string>{"Document 2", "Document 6", "Document 1", "Document 5",
                                                            "Document 4"}));
        EXPECT_EQ(column(dlg, 1), (std::vector<std::string>{"New", "New", "Update", "Old", "Error"}));
        EXPECT_EQ(column(dlg, 2), (std::vector<std::string>{"Plain Text", "RTF", "Plain Text", "HTML", "Error"}));
        click(dlg, IDC_MESSAGE_SHOW_OBSOLETE);
        EXPECT_EQ(column(dlg, 1), (std::vector<std::string>{"New", "New", "Update", "Old", "Obsolete", "Error"}));
    });
    // The obsolete document stays in the store, and the switch is kept.
    EXPECT_EQ(manager->m_items.size(), 6u);
    EXPECT_EQ(app.GetProfileInt("MessageSystem", "ShowObsolete", 0), 1u);
}

TEST_F(MessageViewer, SelectedDocumentIsShownInItsFormat) {
    DocumentItem& rtf = add(1, documentstatus::kNew, documentformat::kRtf, "{\\rtf1 Rich {\\b bold} text}");
    rtf.m_links = {{"Home", "http://example.invalid/"}, {"Mail", "mailto:a@example.invalid"}};
    add(2, documentstatus::kNew, documentformat::kText, "caf\xe9 in 1252");
    add(3, documentstatus::kNew, documentformat::kHtml,
        "<p>Hyper <b>text</b><img src=\"file:///etc/passwd\"></p>");
    run([&](DocumentMessageDlg& dlg) {
        select(dlg.m_wndDocuments, 0);
        EXPECT_EQ(dlg.GetShownDocument(), 0);
        EXPECT_EQ(dlg.m_wndText.GetPlainText(), "Rich bold text");
        ASSERT_EQ(dlg.m_wndLinks.GetItemCount(), 2);
        EXPECT_EQ(dlg.m_wndLinks.GetItemText(1, 1), "mailto:a@example.invalid");
        select(dlg.m_wndDocuments, 1);
        EXPECT_EQ(dlg.m_wndText.GetPlainText(), QString::fromUtf8("café in 1252"));
        EXPECT_EQ(dlg.m_wndLinks.GetItemCount(), 0);
        select(dlg.m_wndDocuments, 2);
        EXPECT_TRUE(dlg.m_wndText.GetPlainText().startsWith("Hyper text"));
        // The shown document is not read again when its row is chosen again.
        std::ofstream(manager->LocalPathOf(*manager->m_items[2]), std::ios::binary) << "<p>changed</p>";
        select(dlg.m_wndDocuments, 2);
        EXPECT_TRUE(dlg.m_wndText.GetPlainText().startsWith("Hyper text"));
    });
    EXPECT_TRUE(prompts.MessageBoxes().empty());
}

TEST_F(MessageViewer, MissingCopyClearsTheTextAndTheLinks) {
    DocumentItem& first = add(1, documentstatus::kNew, documentformat::kText, "first");
    first.m_links = {{"Home", "http://example.invalid/"}};
    DocumentItem& second = add(2, documentstatus::kNew, documentformat::kText, "second");
    fs::remove(manager->LocalPathOf(second));
    run([&](DocumentMessageDlg& dlg) {
        select(dlg.m_wndDocuments, 0);
        EXPECT_EQ(dlg.m_wndText.GetPlainText(), "first");
        select(dlg.m_wndDocuments, 1);
        EXPECT_EQ(dlg.m_wndText.GetPlainText(), "");
        EXPECT_EQ(dlg.m_wndLinks.GetItemCount(), 0);
        EXPECT_EQ(dlg.GetShownDocument(), -1);
    });
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_EQ(prompts.MessageBoxes()[0].caption, "Error");
    EXPECT_EQ(prompts.MessageBoxes()[0].text, "Can't open '" + manager->LocalPathOf(second).string() + "' file");
}

TEST_F(MessageViewer, CopyPutsRtfOnTheClipboardAndShowsTheComment) {
    const std::string rtf = "{\\rtf1 Copied {\\i words}}";
    add(1, documentstatus::kNew, documentformat::kRtf, rtf);
    add(2, documentstatus::kNew, documentformat::kText, "plain {text}");
    QGuiApplication::clipboard()->clear();
    run([&](DocumentMessageDlg& dlg) {
        dialogs.Queue([](CDialog& comment) {
            click(comment, IDC_COPY_COMMENT_DONT_SHOW);
            comment.PressButton(IDOK);
        });
        // Nothing shown: nothing copied, no comment.
        click(dlg, IDC_MESSAGE_COPY);
        const QMimeData* before = QGuiApplication::clipboard()->mimeData();
        EXPECT_TRUE(!before || !before->hasFormat("text/rtf"));
        select(dlg.m_wndDocuments, 0);
        click(dlg, IDC_MESSAGE_COPY);
        const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
        ASSERT_NE(mime, nullptr);
        EXPECT_EQ(mime->data("text/rtf").toStdString(), rtf);
        EXPECT_EQ(mime->text(), "Copied words");
        EXPECT_TRUE(mime->hasHtml());
        // The comment is switched off: the next copy shows none.
        select(dlg.m_wndDocuments, 1);
        click(dlg, IDC_MESSAGE_COPY);
        EXPECT_EQ(QGuiApplication::clipboard()->mimeData()->text(), "plain {text}");
        EXPECT_EQ(ARtfReader::PlainText(QGuiApplication::clipboard()->mimeData()->data("text/rtf").toStdString()), "plain {text}");
    });
    EXPECT_EQ(dialogs.Runs(), (std::vector<UINT>{IDD_MESSAGE_VIEWER, IDD_COPY_COMMENT}));
    EXPECT_EQ(app.GetProfileInt("MessageSystem", "DontShowCopyComment", 0), 1u);
}

TEST_F(MessageViewer, OnlyWebAndMailLinksAreOpened) {
    DocumentItem& item = add(1, documentstatus::kNew, documentformat::kText, "x");
    item.m_links = {{"Site", "http://example.invalid/page"},
                    {"Local", "file:///etc/passwd"},
                    {"Long", "http://example.invalid/" + std::string(3000, 'a')}};
    run([&](DocumentMessageDlg& dlg) {
        click(dlg, IDC_MESSAGE_OPEN_LINK);
        select(dlg.m_wndDocuments, 0);
        select(dlg.m_wndLinks, 0);
        click(dlg, IDC_MESSAGE_OPEN_LINK);
        select(dlg.m_wndLinks, 1);
        click(dlg, IDC_MESSAGE_OPEN_LINK);
        select(dlg.m_wndLinks, 2);
        click(dlg, IDC_MESSAGE_OPEN_LINK);
    });
    ASSERT_EQ(catcher.urls.size(), 1u);
    EXPECT_EQ(catcher.urls[0].toString(), "http://example.invalid/page");
    const auto& boxes = prompts.MessageBoxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, "Please, select an URL link on the left!");
    EXPECT_EQ(boxes[0].caption, "Warning");
    EXPECT_NE(boxes[1].text.find("Unable to open hyperlink"), std::string::npos);
    EXPECT_EQ(boxes[2].text, "Please, select an URL link on the left!");
}

TEST_F(MessageViewer, AutomaticDownloadSwitchIsKeptWhenTheViewerCloses) {
    add(1, documentstatus::kNew, documentformat::kText, "x");
    run([&](DocumentMessageDlg& dlg) {
        EXPECT_FALSE(dlg.m_bNoAutoDownload);
        click(dlg, IDC_MESSAGE_NO_AUTO_DOWNLOAD);
    });
    EXPECT_FALSE(manager->GetAutoDownload());
    DocumentItemManager reread("", manager->GetStoreFile(), folder(), 2, 200);
    EXPECT_FALSE(reread.GetAutoDownload());
}

class MessageViewerDownload : public MessageViewer {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.listening());
        MessageViewer::SetUp();
        DocumentItemManager::Release();
        manager = DocumentItemManager::Create(server.url("/msgsys/Update.dmsi").toStdString(),
                                              folder() / "MessageSystem.dmsi", folder(), 2, 200);
        manager->SetGrabSetup([](CWebGrab& grab, bool) {
            grab.m_bUseEnvironmentProxy = false;
            grab.m_nConnectTimeout = 30000;
        });
    }
    static void waitForDownload(DocumentMessageDlg& dlg) {
        for (int i = 0; i < 1000 && dlg.IsDownloading(); ++i)
            QTest::qWait(10);
    }
    LocalHttpServer server;
};

TEST_F(MessageViewerDownload, DownloadNowListsTheNewDocuments) {
    server.serve("/docs/n.txt", "news");
    server.serve("/msgsys/Update.dmsi", "VERSION = 1 OBSOLETE = DOCUMENT = 5 TITLE = \"Fresh\" URL = \"" +
                                            server.url("/docs/n.txt").toUtf8() +
                                            "\" FORMAT = TXT PROGRAM = 2:0 END");
    run([&](DocumentMessageDlg& dlg) {
        EXPECT_EQ(dlg.m_wndDocuments.GetItemCount(), 0);
        click(dlg, IDC_MESSAGE_DOWNLOAD);
        EXPECT_TRUE(dlg.IsDownloading());
        EXPECT_FALSE(dlg.GetDlgItem(IDC_MESSAGE_DOWNLOAD)->IsWindowEnabled());
        waitForDownload(dlg);
        ASSERT_FALSE(dlg.IsDownloading());
        EXPECT_EQ(column(dlg, 0), std::vector<std::string>{"Fresh"});
        EXPECT_TRUE(dlg.GetDlgItem(IDC_MESSAGE_DOWNLOAD)->IsWindowEnabled());
        select(dlg.m_wndDocuments, 0);
        EXPECT_EQ(dlg.m_wndText.GetPlainText(), "news");
        // A failed download says so.
        server.route("/msgsys/Update.dmsi", {LocalHttpServer::Mode::Fixed, LocalHttpServer::status(404, "")});
        click(dlg, IDC_MESSAGE_DOWNLOAD);
        waitForDownload(dlg);
    });
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_EQ(prompts.MessageBoxes()[0].text,
              "The download failed!\nMost probably, you are not connected to the internet.");
}

TEST_F(MessageViewerDownload, CloseDuringAHangingDownloadEndsAtOnce) {
    server.route("/msgsys/Update.dmsi", {LocalHttpServer::Mode::Hang, {}});
    qint64 closing = -1;
    run([&](DocumentMessageDlg& dlg) {
        click(dlg, IDC_MESSAGE_DOWNLOAD);
        QTest::qWait(50);
        ASSERT_TRUE(dlg.IsDownloading());
        QElapsedTimer clock;
        clock.start();
        dlg.PressButton(IDOK);
        closing = clock.elapsed();
        EXPECT_FALSE(dlg.IsDownloading());
    });
    EXPECT_GE(closing, 0);
    EXPECT_LT(closing, 1000);
    // The abandoned result never reaches a dialog.
    QTest::qWait(50);
    EXPECT_TRUE(prompts.MessageBoxes().empty());
}

} // namespace

#include "DocumentMessageDlgTest.moc"
