#include "controls/AHyperLink.h"

#include "platform/ui/CPromptService.h"

#include <QDesktopServices>
#include <QUrl>

#include <map>

AHyperLinkManager* AHyperLinkManager::s_instance = nullptr;

AHyperLinkManager* AHyperLinkManager::Instance() {
    if (!s_instance) s_instance = new AHyperLinkManager;
    return s_instance;
}

void AHyperLinkManager::Release() {
    delete s_instance;
    s_instance = nullptr;
}

std::string AHyperLinkManager::GetLinkFromID(int) const {
    return m_strHomePageBase;
}

std::string AHyperLinkManager::ErrorText(int code) {
    static const std::map<int, const char*> texts = {
        {0, "The operating system is out\nof memory or resources."},
        {2, "The specified file was not found."},
        {3, "The specified path was not found."},
        {5, "The operating system denied\naccess to the specified file."},
        {8, "There was not enough memory to complete the operation."},
        {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
        {26, "A sharing violation occurred. "},
        {27, "The filename association is\nincomplete or invalid."},
        {28, "The DDE transaction could not\nbe completed because the request timed out."},
        {29, "The DDE transaction failed."},
        {30,
         "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
        {31, "There is no application associated\nwith the given filename extension."},
        {32, "The specified dynamic-link library was not found."},
    };
    if (auto it = texts.find(code); it != texts.end()) return it->second;
    return "Unknown Error (" + std::to_string(code) + ") occurred.";
}

void AHyperLinkManager::ReportError(int code) {
    const std::string text = "Unable to open hyperlink:\n\n" + ErrorText(code);
    AfxMessageBox(text.c_str(), MB_ICONEXCLAMATION);
}

int AHyperLinkManager::GotoURL(const char* address, int) {
    const QUrl url(QString::fromUtf8(address ? address : ""), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    // Only web pages and mail go to the desktop's handlers; a shell never sees the address.
    const bool web = (scheme == "http" || scheme == "https") && !url.host().isEmpty();
    const bool mail = scheme == "mailto" && !url.path().isEmpty();
    int code = 33;
    if (!url.isValid() || !(web || mail))
        code = kRefused;
    else if (!QDesktopServices::openUrl(url))
        code = kNoHandler;
    if (code <= 32) {
        MessageBeep(MB_ICONEXCLAMATION);
        ReportError(code);
    }
    return code;
}

AHyperLink::AHyperLink(int id) {
    SetURL(id);
}

AHyperLink::AHyperLink(const char* address) {
    SetURL(address);
}

AHyperLink::~AHyperLink() = default;

bool AHyperLink::SetURL(int id) {
    m_strURL = AHyperLinkManager::Instance()->GetLinkFromID(id);
    return IsSet();
}

bool AHyperLink::SetURL(const char* address) {
    m_strURL = address ? address : "";
    return IsSet();
}

bool AHyperLink::Navigate(int showCommand) {
    if (!IsSet()) return false;
    return AHyperLinkManager::Instance()->GotoURL(m_strURL.c_str(), showCommand) > 32;
}
