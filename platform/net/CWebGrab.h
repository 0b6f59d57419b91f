#pragma once
// Downloads the contents of an http or https address into memory over Qt
// Network. Each call runs its own network manager in an event loop of the
// calling thread, so a worker thread can download while the user-interface
// thread goes on.
//
// A download counts only when it ends with status 200 within its limits: a
// server that announces or sends more than the cap, stays silent, trickles, or
// redirects too often or to anything but http or https gives false. Bodies are
// never decompressed (the request asks for the identity encoding), so the cap
// holds for the bytes on the wire.
#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class CWebGrab {
public:
    CWebGrab();
    virtual ~CWebGrab();
    CWebGrab(const CWebGrab&) = delete;
    CWebGrab& operator=(const CWebGrab&) = delete;

    // The status texts go to this sink (none: they are dropped).
    using StatusSink = std::function<void(const std::string&)>;

    // Prepares a session with the agent name (none: the application's name).
    // A session is nothing more than these settings; true.
    bool Initialise(const char* agent = nullptr, StatusSink status = nullptr);
    // Fetches url into result. False on any failure: result then holds what had
    // arrived, which the caller must not use.
    bool GetFile(const std::string& url, std::vector<std::uint8_t>& result, const char* agent = nullptr,
                 StatusSink status = nullptr);
    void Close();

    // The text shown for an internet status code; nothing for the codes that show none.
    static std::optional<std::string> StatusText(unsigned long code, const std::string& name = {},
                                                 const void* info = nullptr, std::size_t infoLength = 0);

    // The limits, settable (tests shorten them). Milliseconds and bytes.
    int m_nConnectTimeout = 15000; // until the response headers have arrived
    int m_nIdleTimeout = 30000;    // without any data
    int m_nTotalTimeout = 120000;  // the whole download
    std::int64_t m_nMaxBytes = std::int64_t(1) << 20;
    int m_nMaxRedirects = 5;
    // The proxies of the environment (http_proxy, no_proxy); tests that serve
    // from 127.0.0.1 switch them off.
    bool m_bUseEnvironmentProxy = true;
    // Set from another thread to give up a running download (seen within 100 ms).
    const std::atomic<bool>* m_pAbort = nullptr;

private:
    void ShowStatus(const std::string& text) const;

    bool m_bSession = false;
    std::string m_agent;
    StatusSink m_status;
};
