#include "platform/net/CWebGrab.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr int kTickMilliseconds = 100;
constexpr qint64 kReadBufferSize = 64 * 1024;
constexpr int kStatusOk = 200;

bool isWebScheme(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return (scheme == QLatin1String("http") || scheme == QLatin1String("https")) && !url.host().isEmpty();
}

// Asks the environment's proxy settings for every request of one manager.
class EnvironmentProxyFactory : public QNetworkProxyFactory {
public:
    QList<QNetworkProxy> queryProxy(const QNetworkProxyQuery& query) override {
        return QNetworkProxyFactory::systemProxyForQuery(query);
    }
};

std::string format(const char* fmt, auto... args) {
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, fmt, args...);
    return buffer;
}

} // namespace

CWebGrab::CWebGrab() = default;

CWebGrab::~CWebGrab() {
    Close();
}

bool CWebGrab::Initialise(const char* agent, StatusSink status) {
    Close();
    m_agent = agent && *agent ? agent : QCoreApplication::applicationName().toStdString();
    m_status = std::move(status);
    m_bSession = true;
    return true;
}

void CWebGrab::Close() {
    m_bSession = false;
    m_status = nullptr;
}

void CWebGrab::ShowStatus(const std::string& text) const {
    if (m_status) m_status(text);
}

std::optional<std::string> CWebGrab::StatusText(unsigned long code, const std::string& name, const void* info,
                                                std::size_t infoLength) {
    switch (code) {
    case 10: return format("Resolving name for %s", name.c_str());
    case 11: return format("Resolved name for %s", name.c_str());
    case 20: return std::string("Connecting to socket address ");
    case 21: return std::string("Connected to socket address");
    case 30: return std::string("Sending request...");
    case 31: return std::string("Request sent");
    case 40: return std::nullopt;
    case 41: return std::string("Response received");
    case 50: return std::string("Closing the connection to the server");
    case 51: return std::string("Connection to the server closed");
    case 60: return std::string();
    case 70: return std::nullopt;
    case 100:
        if (info && infoLength == 8) {
            std::uint32_t words[2];
            std::memcpy(words, info, sizeof words);
            return format("Request complete, dwResult = %8.8X, dwError = %8.8X", words[0], words[1]);
        }
        return std::string("Request complete");
    default: return format("Unknown status: %d", static_cast<int>(code));
    }
}

bool CWebGrab::GetFile(const std::string& url, std::vector<std::uint8_t>& result, const char* agent,
                       StatusSink status) {
    result.clear();
    if (!m_bSession && !Initialise(agent, nullptr)) return false;
    if (status) m_status = std::move(status);
    if (!QCoreApplication::instance()) return false;

    const QUrl address(QString::fromStdString(url), QUrl::StrictMode);
    if (!address.isValid() || !isWebScheme(address)) {
        ShowStatus("The address is not an http or https address");
        return false;
    }

    QNetworkRequest request(address);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(m_nMaxRedirects);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setRawHeader("Accept-Encoding", "identity");
    request.setHeader(QNetworkRequest::UserAgentHeader, QString::fromStdString(m_agent));

    QNetworkAccessManager manager;
    if (m_bUseEnvironmentProxy)
        manager.setProxyFactory(new EnvironmentProxyFactory);
    else
        manager.setProxy(QNetworkProxy::NoProxy);

    std::unique_ptr<QNetworkReply> reply(manager.get(request));
    reply->setReadBufferSize(kReadBufferSize);

    QEventLoop loop;
    QElapsedTimer clock;
    clock.start();
    qint64 lastData = 0;
    bool headers = false;
    bool failed = false;
    std::string failure;
    auto fail = [&](const std::string& why) {
        if (failed) return;
        failed = true;
        failure = why;
        reply->abort();
        loop.quit();
    };
    // Only the final response of status 200 carries the document; its announced
    // size is judged before a byte of the body is read.
    auto checkHeaders = [&] {
        const QVariant code = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (!code.isValid()) return;
        headers = true;
        if (code.toInt() != kStatusOk) return;
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > m_nMaxBytes) fail("The document is too large");
    };
    auto readAvailable = [&] {
        if (failed) return;
        checkHeaders();
        if (failed) return;
        const QVariant code = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (code.isValid() && code.toInt() != kStatusOk) {
            // An error page is never kept; draining it keeps the connection moving.
            reply->readAll();
            lastData = clock.elapsed();
            return;
        }
        for (;;) {
            char buffer[4096];
            const qint64 n = reply->read(buffer, sizeof buffer);
            if (n <= 0) break;
            if (static_cast<std::int64_t>(result.size()) + n > m_nMaxBytes) {
                fail("The document is too large");
                return;
            }
            result.insert(result.end(), buffer, buffer + n);
        }
        lastData = clock.elapsed();
        const qint64 seconds = clock.elapsed() / 1000;
        if (seconds > 0)
            ShowStatus(format("Read %d bytes (%0.1f Kb/s)", static_cast<int>(result.size()),
                              static_cast<double>(result.size()) / 1024.0 / static_cast<double>(seconds)));
        else
            ShowStatus(format("Read %d bytes", static_cast<int>(result.size())));
    };

    QObject::connect(reply.get(), &QNetworkReply::metaDataChanged, &loop, checkHeaders);
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, readAvailable);
    QObject::connect(reply.get(), &QNetworkReply::redirected, &loop, [&](const QUrl& target) {
        if (!isWebScheme(reply->url().resolved(target))) fail("A redirection leaves http and https");
        lastData = clock.elapsed();
    });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, [&] { loop.quit(); });
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, &loop, [&] {
        const qint64 now = clock.elapsed();
        if (m_pAbort && m_pAbort->load())
            fail("The download was cancelled");
        else if (!headers && now > m_nConnectTimeout)
            fail("The server does not answer");
        else if (now - lastData > m_nIdleTimeout)
            fail("The server stopped sending");
        else if (now > m_nTotalTimeout)
            fail("The download takes too long");
    });
    tick.start(kTickMilliseconds);

    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    tick.stop();
    if (!failed) readAvailable();
    if (!failed) {
        const QVariant code = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        if (reply->error() != QNetworkReply::NoError)
            failure = reply->errorString().toStdString(), failed = true;
        else if (!code.isValid() || code.toInt() != kStatusOk)
            failure = format("The server answered %d", code.toInt()), failed = true;
    }
    reply->disconnect();
    if (failed) {
        ShowStatus(failure);
        return false;
    }
    ShowStatus(std::string());
    return true;
}
