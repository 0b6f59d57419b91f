#include "app/messages/DocumentItemManager.h"
#include "platform/core/FileIO.h"
#include "platform/net/CWebGrab.h"
#include "tests/support/LocalHttpServer.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void writeText(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class ManagerFixture : public ::testing::Test {
protected:
    fs::path folder() const { return temp / "Doc"; }
    fs::path store() const { return folder() / "MessageSystem.dmsi"; }
    void SetUp() override { fs::create_directories(folder()); }
    std::unique_ptr<DocumentItemManager> make(const std::string& list = "http://127.0.0.1:1/msgsys/Update.dmsi") {
        return std::make_unique<DocumentItemManager>(list, store(), folder(), 2, 200);
    }
    TempFolder temp;
};

// --- local names ---------------------------------------------------------------------------------------

TEST_F(ManagerFixture, LocalNamesStayInsideTheFolder) {
    auto manager = make();
    struct Case {
        int id;
        const char* address;
        const char* name;
    } cases[] = {
        {5, "http://h.invalid/../../x", "5_x"},
        {5, "http://h.invalid/etc/passwd", "5_passwd"},
        {5, "/etc/passwd", "5_passwd"},
        {5, "http://h.invalid/msgsys/MessageSystem.dmsi", "5_MessageSystem.dmsi"},
        {5, "http://h.invalid/a/", "5_document"},
        {5, "http://h.invalid/a/%2e%2e", "5_.."},
        {5, "http://h.invalid/a/%2F..%2Fb", "5_b"},
        {5, "http://h.invalid/doc.rtf?x=/../../y", "5_doc.rtf"},
        {5, "http://h.invalid/a b$c.txt", "5_a_b_c.txt"},
        {5, "", "5_document"},
        {-3, "http://h.invalid/x.txt", "-3_x.txt"},
    };
    for (const Case& c : cases) {
        const fs::path path = manager->LocalPathOf(c.id, c.address);
        EXPECT_EQ(path.parent_path(), folder().lexically_normal()) << c.address;
        EXPECT_EQ(path.filename().string(), c.name) << c.address;
        EXPECT_NE(path, store()) << c.address;
    }
    // Two documents named alike keep copies of their own.
    EXPECT_NE(manager->LocalPathOf(1, "http://a.invalid/x/news.txt"),
              manager->LocalPathOf(2, "http://b.invalid/y/news.txt"));
    // Long names are cut.
    const std::string longName(500, 'n');
    EXPECT_EQ(manager->LocalPathOf(1, "http://h.invalid/" + longName).filename().string().size(), 100u);
}

// --- the store -----------------------------------------------------------------------------------------

std::unique_ptr<DocumentItem> sampleItem(int id, int status) {
    auto item = std::make_unique<DocumentItem>();
    item->m_nId = id;
    item->m_title = "Title " + std::to_string(id);
    item->m_address = "http://h.invalid/d" + std::to_string(id) + ".txt";
    item->m_nFormat = id % 4;
    item->m_nStatus = status;
    item->m_language = "English";
    for (int i = 0; i < id; ++i)
        item->m_links.emplace_back("Link " + std::to_string(i), "http://h.invalid/" + std::to_string(i));
    item->m_programs = {{2, -300}, {0, id}};
    item->m_nRevision = 10 + id;
    item->m_nReserved = 0xABCD0000u + static_cast<unsigned>(id);
    item->m_expiration = JulianDate(1, id, 2030);
    return item;
}

TEST_F(ManagerFixture, StoreRoundTripsThreeItems) {
    {
        auto manager = make();
        manager->m_items.push_back(sampleItem(1, documentstatus::kNew));
        manager->m_items.push_back(sampleItem(2, documentstatus::kObsolete));
        manager->m_items.push_back(sampleItem(3, 9));
        manager->SetAutoDownload(false);
        ASSERT_TRUE(manager->SaveLocal());
    }
    auto manager = make();
    ASSERT_EQ(manager->m_items.size(), 3u);
    EXPECT_FALSE(manager->GetAutoDownload());
    EXPECT_FALSE(manager->m_bModified);
    const int statuses[] = {documentstatus::kNew, documentstatus::kObsolete, 9};
    for (int i = 0; i < 3; ++i) {
        const DocumentItem& got = *manager->m_items[static_cast<std::size_t>(i)];
        auto want = sampleItem(i + 1, statuses[i]);
        EXPECT_EQ(got.m_nId, want->m_nId);
        EXPECT_EQ(got.m_title, want->m_title);
        EXPECT_EQ(got.m_address, want->m_address);
        EXPECT_EQ(got.m_nFormat, want->m_nFormat);
        EXPECT_EQ(got.m_nStatus, want->m_nStatus);
        EXPECT_EQ(got.m_language, want->m_language);
        EXPECT_EQ(got.m_links, want->m_links);
        EXPECT_EQ(got.m_programs, want->m_programs);
        EXPECT_EQ(got.m_nRevision, want->m_nRevision);
        EXPECT_EQ(got.m_nReserved, want->m_nReserved);
        EXPECT_EQ(got.m_expiration, want->m_expiration);
    }
}

TEST_F(ManagerFixture, StoreBytesFollowTheArchiveLayout) {
    auto manager = make();
    auto item = std::make_unique<DocumentItem>();
    item->m_nId = 7;
    item->m_address = "u";
    item->m_programs = {{2, 0}};
    manager->m_items.push_back(std::move(item));
    ASSERT_TRUE(manager->SaveLocal());
    const std::string bytes = readText(store());
    const std::string want("\x64\0\0\0\x01\0\0\0\x01\0\0\0"          // format, automatic download, count
                           "\x64\0\0\0\x07\0\0\0\0\0\0\0\0\0\0\0"    // record format, id, format, status
                           "\0\0\0\0\x0f\0\0\0\0\0\0\0"              // revision, reserved, expiration
                           "\x01u\0\0"                               // address, title, language
                           "\0\0\0\0\x01\0\0\0\x02\0\0\0\0\0\0\0",   // links, pairs
                           12 + 16 + 12 + 4 + 16);
    EXPECT_EQ(bytes, want);
}

TEST_F(ManagerFixture, DamagedStoreStartsEmptyAndIsKeptAside) {
    {
        auto manager = make();
        for (int id = 1; id <= 3; ++id)
            manager->m_items.push_back(sampleItem(id, documentstatus::kOld));
        ASSERT_TRUE(manager->SaveLocal());
    }
    const std::string whole = readText(store());
    fs::path bad = store();
    bad += ".bad";
    for (std::size_t cut = 0; cut < whole.size(); ++cut) {
        fs::remove(bad);
        writeText(store(), whole.substr(0, cut));
        auto manager = make();
        EXPECT_TRUE(manager->m_items.empty()) << cut;
        EXPECT_TRUE(fs::exists(bad)) << cut;
        EXPECT_FALSE(fs::exists(store())) << cut;
    }
    // A count that the data cannot hold.
    std::string huge = whole;
    huge[8] = '\xff';
    huge[9] = '\xff';
    huge[10] = '\xff';
    huge[11] = '\x7f';
    writeText(store(), huge);
    EXPECT_TRUE(make()->m_items.empty());
}

TEST_F(ManagerFixture, StoreChangedByAnotherProgramIsReloaded) {
    auto first = make();
    auto second = make();
    second->m_items.push_back(sampleItem(1, documentstatus::kNew));
    ASSERT_TRUE(second->SaveLocal());
    first->SetAutoDownload(false);
    ASSERT_EQ(first->Lock(0), DocumentItemManager::kLocked);
    first->ReloadIfChanged();
    ASSERT_TRUE(first->SaveIfModified());
    first->Unlock();
    EXPECT_EQ(first->m_items.size(), 1u);
    auto third = make();
    EXPECT_EQ(third->m_items.size(), 1u);
    EXPECT_FALSE(third->GetAutoDownload());
}

// --- the lock ------------------------------------------------------------------------------------------

TEST_F(ManagerFixture, LockIsOnePerProcessAndAcrossProcesses) {
    auto manager = make();
    ASSERT_EQ(manager->Lock(0), DocumentItemManager::kLocked);
    EXPECT_EQ(manager->Lock(0), DocumentItemManager::kTimeout);
    manager->Unlock();

    int pipeFds[2];
    ASSERT_EQ(::pipe(pipeFds), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const char answer = manager->Lock(0) == DocumentItemManager::kLocked ? 'L' : 'F';
        (void)!::write(pipeFds[1], &answer, 1);
        for (;;)
            ::pause();
    }
    char answer = 0;
    ASSERT_EQ(::read(pipeFds[0], &answer, 1), 1);
    ::close(pipeFds[0]);
    ::close(pipeFds[1]);
    EXPECT_EQ(answer, 'L');
    EXPECT_EQ(manager->Lock(0), DocumentItemManager::kTimeout);
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_EQ(manager->Lock(0), DocumentItemManager::kLocked);
    manager->Unlock();
}

// --- the update ----------------------------------------------------------------------------------------

class UpdateFixture : public ManagerFixture {
protected:
    void SetUp() override {
        ManagerFixture::SetUp();
        ASSERT_TRUE(server.listening());
        manager = make(server.url("/msgsys/Update.dmsi").toStdString());
        manager->SetGrabSetup([](CWebGrab& grab, bool) {
            grab.m_bUseEnvironmentProxy = false;
            grab.m_nConnectTimeout = 2000;
            grab.m_nIdleTimeout = 2000;
            grab.m_nTotalTimeout = 5000;
        });
    }
    std::string block(int id, int revision, const std::string& path, const std::string& format = "TXT") {
        return "DOCUMENT = " + std::to_string(id) + " TITLE = \"Doc " + std::to_string(id) + "\" URL = \"" +
               server.url(QString::fromStdString(path)).toStdString() + "\" REVISION = " + std::to_string(revision) +
               " FORMAT = " + format + " PROGRAM = 2:0 END\n";
    }
    void list(const std::string& obsolete, const std::string& blocks) {
        server.serve("/msgsys/Update.dmsi", QByteArray::fromStdString("VERSION = 1\nOBSOLETE = " + obsolete + "\n" +
                                                                      blocks));
    }
    bool update() {
        EXPECT_EQ(manager->Lock(0), DocumentItemManager::kLocked);
        const bool ok = manager->Update();
        manager->Unlock();
        return ok;
    }
    const DocumentItem* item(int id) const {
        for (const auto& i : manager->m_items)
            if (i->m_nId == id) return i.get();
        return nullptr;
    }

    LocalHttpServer server;
    std::unique_ptr<DocumentItemManager> manager;
};

TEST_F(UpdateFixture, NewDocumentsAreFetchedAndStored) {
    server.serve("/docs/a.txt", "first text");
    server.serve("/docs/b.rtf", "{\\rtf1 b}");
    list("", block(1, 1, "/docs/a.txt") + block(2, 1, "/docs/b.rtf", "RTF") +
                 "DOCUMENT = 3 URL = \"http://127.0.0.1:1/x\" PROGRAM = 3:0 END\n");
    ASSERT_TRUE(update());
    EXPECT_EQ(manager->m_nNewCount, 2);
    EXPECT_EQ(manager->m_nUpdatedCount, 0);
    ASSERT_EQ(manager->m_items.size(), 2u);
    EXPECT_EQ(item(1)->m_nStatus, documentstatus::kNew);
    EXPECT_EQ(readText(manager->LocalPathOf(*item(1))), "first text");
    EXPECT_EQ(readText(manager->LocalPathOf(*item(2))), "{\\rtf1 b}");
    EXPECT_EQ(make()->m_items.size(), 2u);
    // The same list again changes nothing and fetches no document.
    ASSERT_TRUE(update());
    EXPECT_EQ(server.hits("/docs/a.txt"), 1);
    EXPECT_EQ(manager->m_nNewCount, 2);
}

TEST_F(UpdateFixture, HigherRevisionReplacesTheCopyAndObsoleteIdsApply) {
    server.serve("/docs/a.txt", "old");
    server.serve("/docs/c.txt", "c");
    list("", block(1, 1, "/docs/a.txt") + block(3, 1, "/docs/c.txt"));
    ASSERT_TRUE(update());
    server.serve("/docs/a2.txt", "new");
    list("3, 99", block(1, 2, "/docs/a2.txt"));
    ASSERT_TRUE(update());
    EXPECT_EQ(manager->m_nUpdatedCount, 1);
    ASSERT_NE(item(1), nullptr);
    EXPECT_EQ(item(1)->m_nStatus, documentstatus::kUpdated);
    EXPECT_EQ(item(1)->m_nRevision, 2);
    EXPECT_EQ(readText(manager->LocalPathOf(*item(1))), "new");
    EXPECT_FALSE(fs::exists(manager->LocalPathOf(1, server.url("/docs/a.txt").toStdString())));
    EXPECT_EQ(item(3)->m_nStatus, documentstatus::kObsolete);
    EXPECT_EQ(manager->m_items.size(), 2u);
}

TEST_F(UpdateFixture, RejectedListChangesNothing) {
    server.serve("/docs/a.txt", "a");
    list("", block(1, 1, "/docs/a.txt"));
    ASSERT_TRUE(update());
    const std::string storeBefore = readText(store());
    server.serve("/msgsys/Update.dmsi", "VERSION = 1\nOBSOLETE = 1\nDOCUMENT = 2 TITLE = \"unterminated");
    EXPECT_FALSE(update());
    EXPECT_EQ(item(1)->m_nStatus, documentstatus::kNew);
    // A later good list does not apply the rejected list's obsolete ids.
    list("", "");
    ASSERT_TRUE(update());
    EXPECT_EQ(item(1)->m_nStatus, documentstatus::kNew);
    EXPECT_EQ(readText(store()), storeBefore);
    // An unreachable list is a failure too.
    server.route("/msgsys/Update.dmsi", {LocalHttpServer::Mode::Fixed, LocalHttpServer::status(404, "no")});
    EXPECT_FALSE(update());
}

TEST_F(UpdateFixture, MissingDocumentIsSkippedAndTheRestTaken) {
    server.serve("/docs/b.txt", "b");
    list("", block(1, 1, "/docs/missing.txt") + block(2, 1, "/docs/b.txt") +
                 "DOCUMENT = 4 URL = \"file:///etc/passwd\" PROGRAM = 0:0 END\n");
    ASSERT_TRUE(update());
    EXPECT_EQ(item(1), nullptr);
    EXPECT_EQ(item(4), nullptr);
    ASSERT_NE(item(2), nullptr);
    EXPECT_FALSE(fs::exists(manager->LocalPathOf(1, server.url("/docs/missing.txt").toStdString())));
    EXPECT_EQ(manager->m_nNewCount, 1);
}

TEST_F(UpdateFixture, MissingCopyIsFetchedAgain) {
    server.serve("/docs/a.txt", "a");
    list("", block(1, 1, "/docs/a.txt"));
    ASSERT_TRUE(update());
    fs::remove(manager->LocalPathOf(*item(1)));
    ASSERT_TRUE(update());
    EXPECT_EQ(readText(manager->LocalPathOf(*item(1))), "a");
    EXPECT_EQ(item(1)->m_nStatus, documentstatus::kNew);
    EXPECT_EQ(manager->m_nNewCount, 1);
}

TEST_F(UpdateFixture, PlantedLinkIsReplacedNotFollowed) {
    const fs::path outside = temp / "outside.txt";
    writeText(outside, "precious");
    const std::string address = server.url("/docs/a.txt").toStdString();
    fs::create_symlink(outside, manager->LocalPathOf(1, address));
    server.serve("/docs/a.txt", "downloaded");
    list("", block(1, 1, "/docs/a.txt"));
    ASSERT_TRUE(update());
    EXPECT_EQ(readText(outside), "precious");
    EXPECT_FALSE(fs::is_symlink(manager->LocalPathOf(1, address)));
    EXPECT_EQ(readText(manager->LocalPathOf(1, address)), "downloaded");
}

TEST_F(UpdateFixture, FullDiskKeepsTheOldCopyAndTheStore) {
    server.serve("/docs/a.txt", "old copy");
    list("", block(1, 1, "/docs/a.txt"));
    ASSERT_TRUE(update());
    const std::string storeBefore = readText(store());
    const fs::path copy = manager->LocalPathOf(*item(1));

    // The child downloads from memory: after fork only this thread exists.
    const std::string listText = "VERSION = 1 OBSOLETE = " + block(1, 2, "/docs/a.txt");
    manager->SetFetcher([&](const std::string&, std::vector<std::uint8_t>& bytes, bool isList) {
        const std::string text = isList ? listText : std::string(64 * 1024, 'n');
        bytes.assign(text.begin(), text.end());
        return true;
    });
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{16 * 1024, 16 * 1024};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        manager->Lock(0);
        const bool ok = manager->Update();
        ::_exit(ok ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(readText(copy), "old copy");
    EXPECT_EQ(readText(store()), storeBefore);
}

} // namespace
