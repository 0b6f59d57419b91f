#include "platform/net/CWebGrab.h"
#include "tests/support/LocalHttpServer.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include <fstream>
#include <string>

namespace {

using Mode = LocalHttpServer::Mode;

// The process's resident memory in KiB.
long residentKiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    return 0;
}

class CWebGrabTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(server.listening());
        grab.m_bUseEnvironmentProxy = false;
        // Short enough that a faulty download ends the test quickly.
        grab.m_nConnectTimeout = 1000;
        grab.m_nIdleTimeout = 1000;
        grab.m_nTotalTimeout = 3000;
    }
    bool get(const QString& path) { return grab.GetFile(server.url(path).toStdString(), result); }

    LocalHttpServer server;
    CWebGrab grab;
    std::vector<std::uint8_t> result;
};

TEST_F(CWebGrabTest, TenThousandBytesArriveWhole) {
    QByteArray body;
    for (int i = 0; i < 10000; ++i)
        body.append(static_cast<char>(i * 7 % 256));
    server.serve("/doc", body);
    ASSERT_TRUE(get("/doc"));
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(result.data()), static_cast<qsizetype>(result.size())), body);
}

TEST_F(CWebGrabTest, OnlyStatus200Counts) {
    server.route("/gone", {Mode::Fixed, LocalHttpServer::status(404, "<html>Not here</html>")});
    server.route("/error", {Mode::Fixed, LocalHttpServer::status(500, "oops")});
    EXPECT_FALSE(get("/gone"));
    EXPECT_FALSE(get("/error"));
}

TEST_F(CWebGrabTest, GarbageInsteadOfHttpFails) {
    static const char garbage[] = "\x01\x02 this is no response\r\n\r\n\xff\xfe";
    server.route("/garbage", {Mode::Fixed, QByteArray(garbage, sizeof garbage - 1)});
    EXPECT_FALSE(get("/garbage"));
}

TEST_F(CWebGrabTest, SilentServerFailsWithinTheConnectLimit) {
    server.route("/silent", {Mode::Hang, {}});
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(get("/silent"));
    EXPECT_LT(clock.elapsed(), 2500);
}

TEST_F(CWebGrabTest, AnnouncedHugeBodyFailsBeforeReading) {
    server.route("/huge", {Mode::Flood, "HTTP/1.1 200 OK\r\nContent-Length: 2147483648\r\n\r\n"});
    const long before = residentKiB();
    EXPECT_FALSE(get("/huge"));
    EXPECT_TRUE(result.empty());
    EXPECT_LT(residentKiB() - before, 20 * 1024);
}

TEST_F(CWebGrabTest, EndlessChunkedBodyStopsAtTheCap) {
    grab.m_nMaxBytes = 1 << 20;
    grab.m_nTotalTimeout = 20000;
    server.route("/endless", {Mode::Chunked, "HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"});
    EXPECT_FALSE(get("/endless"));
    EXPECT_LE(result.size(), std::size_t(1) << 20);
}

TEST_F(CWebGrabTest, TrickleStopsAtTheTotalLimit) {
    grab.m_nIdleTimeout = 30000;
    grab.m_nTotalTimeout = 1000;
    server.route("/trickle", {Mode::Trickle, "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\n"});
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(get("/trickle"));
    EXPECT_LT(clock.elapsed(), 5000);
}

TEST_F(CWebGrabTest, RedirectToAPathIsFollowed) {
    server.serve("/target", "arrived");
    server.route("/moved", {Mode::Fixed, LocalHttpServer::redirect("/target")});
    ASSERT_TRUE(get("/moved"));
    EXPECT_EQ(std::string(result.begin(), result.end()), "arrived");
}

TEST_F(CWebGrabTest, RedirectToALocalFileFails) {
    server.route("/file", {Mode::Fixed, LocalHttpServer::redirect("file:///etc/passwd")});
    EXPECT_FALSE(get("/file"));
    EXPECT_EQ(std::string(result.begin(), result.end()).find("root:"), std::string::npos);
}

TEST_F(CWebGrabTest, SixRedirectionsAreTooMany) {
    for (int i = 0; i < 6; ++i)
        server.route("/hop" + QByteArray::number(i),
                     {Mode::Fixed, LocalHttpServer::redirect("/hop" + QByteArray::number(i + 1))});
    server.serve("/hop6", "end");
    EXPECT_FALSE(get("/hop0"));
    // Five hops are allowed.
    EXPECT_TRUE(get("/hop1"));
}

TEST_F(CWebGrabTest, RequestAsksForTheIdentityEncoding) {
    server.serve("/doc", "x");
    ASSERT_TRUE(get("/doc"));
    const auto requests = server.requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_TRUE(requests[0].toLower().contains("accept-encoding: identity")) << requests[0].toStdString();
}

TEST_F(CWebGrabTest, OtherSchemesAreRefusedWithoutARequest) {
    for (const char* url : {"file:///etc/passwd", "ftp://127.0.0.1/x", "no address", ""}) {
        EXPECT_FALSE(grab.GetFile(url, result)) << url;
        EXPECT_TRUE(result.empty()) << url;
    }
}

TEST_F(CWebGrabTest, AbortFlagEndsADownload) {
    std::atomic<bool> abort{true};
    grab.m_pAbort = &abort;
    grab.m_nConnectTimeout = 30000;
    server.route("/silent", {Mode::Hang, {}});
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(get("/silent"));
    EXPECT_LT(clock.elapsed(), 1000);
}

TEST_F(CWebGrabTest, ProgressTextsGoToTheSink) {
    server.serve("/doc", QByteArray(5000, 'a'));
    std::vector<std::string> texts;
    ASSERT_TRUE(grab.GetFile(server.url("/doc").toStdString(), result, nullptr,
                             [&](const std::string& t) { texts.push_back(t); }));
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back(), "");
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Read 5000 bytes"), texts.end());
}

TEST(CWebGrabStatus, TextsOfTheStatusCodes) {
    const std::uint32_t words[2] = {1, 0x2EE2};
    struct Case {
        unsigned long code;
        const void* info;
        std::size_t length;
        std::optional<std::string> text;
    } cases[] = {
        {10, nullptr, 0, "Resolving name for host"},
        {11, nullptr, 0, "Resolved name for host"},
        {20, nullptr, 0, "Connecting to socket address "},
        {21, nullptr, 0, "Connected to socket address"},
        {30, nullptr, 0, "Sending request..."},
        {31, nullptr, 0, "Request sent"},
        {40, nullptr, 0, std::nullopt},
        {41, nullptr, 0, "Response received"},
        {50, nullptr, 0, "Closing the connection to the server"},
        {51, nullptr, 0, "Connection to the server closed"},
        {60, nullptr, 0, ""},
        {70, nullptr, 0, std::nullopt},
        {100, words, 8, "Request complete, dwResult = 00000001, dwError = 00002EE2"},
        {100, words, 4, "Request complete"},
        {42, nullptr, 0, "Unknown status: 42"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CWebGrab::StatusText(c.code, "host", c.info, c.length), c.text) << c.code;
}

} // namespace
