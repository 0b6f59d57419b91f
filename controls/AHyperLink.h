#pragma once
// Links to web pages: a link holds an address and opens it in the desktop's
// handler for it. Only web and mail addresses (http, https, mailto) are opened;
// anything else (other schemes, programs, desktop entries) is refused, and no
// address ever reaches a shell. A failure beeps and tells the user why.
#include <string>

class AHyperLinkManager {
public:
    static AHyperLinkManager* Instance();
    static void Release();

    void SetHomePageBase(const std::string& base) { m_strHomePageBase = base; }
    const std::string& GetHomePageBase() const { return m_strHomePageBase; }
    // The address of a help id: the home page (the id selects nothing further).
    std::string GetLinkFromID(int id) const;
    // 33 when the address was handed to its handler; otherwise an error code of ReportError.
    int GotoURL(const char* address, int showCommand);
    // "Unable to open hyperlink:" and the code's text.
    void ReportError(int code);
    // The text of an error code.
    static std::string ErrorText(int code);

    // Codes for refused addresses and addresses nothing handles.
    static constexpr int kRefused = 5;
    static constexpr int kNoHandler = 31;

private:
    AHyperLinkManager() = default;
    std::string m_strHomePageBase;
    static AHyperLinkManager* s_instance;
};

class AHyperLink {
public:
    AHyperLink() = default;
    explicit AHyperLink(int id);
    explicit AHyperLink(const char* address);
    virtual ~AHyperLink();

    bool SetURL(int id);
    bool SetURL(const char* address);
    const std::string& GetURL() const { return m_strURL; }
    bool IsSet() const { return !m_strURL.empty(); }
    // False without an address (nothing is reported then) and when it cannot be opened.
    bool Navigate(int showCommand);

private:
    std::string m_strURL;
};
