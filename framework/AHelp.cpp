#include "framework/AHelp.h"

#include "platform/ui/CWinApp.h"
#include "platform/ui/CWnd.h"

#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QTextStream>
#include <QUrl>

#include <filesystem>

AHelp* AHelp::m_instance = nullptr;

namespace {
QPointer<QTextBrowser> g_viewer;
} // namespace

CString AfxReplaceExtension(const CString& path, const char* ext) {
    const std::filesystem::path p(path.c_str());
    // Only the file name's own extension counts, never a dot in a folder's name.
    const std::string name = p.filename().string();
    const size_t dot = name.rfind('.');
    const std::string stem = dot == std::string::npos || dot == 0 ? name : name.substr(0, dot);
    const std::string folder = path.substr(0, path.size() - name.size());
    return CString(folder + stem + "." + ext);
}

AHelp* AHelp::Instance() {
    if (!m_instance) {
        m_instance = new AHelp;
        CWinApp* app = AfxGetApp();
        const int type = app ? static_cast<int>(app->GetProfileInt(REGKEY, HelpType, 0)) : 0;
        const int mode = app ? static_cast<int>(app->GetProfileInt(REGKEY, PresentationMode, 0)) : 0;
        m_instance->SetHelpType(type);
        m_instance->SetPresentationMode(mode);
    }
    return m_instance;
}

void AHelp::Release() {
    delete m_instance;
    m_instance = nullptr;
}

AHelp::AHelp() = default;

AHelp::~AHelp() {
    // The help windows close with the dispatcher.
    if (g_viewer) delete g_viewer.data();
}

void AHelp::SetHelpType(int type) {
    CWinApp* app = AfxGetApp();
    if (app && (type == 0 || type == 1) && !app->m_pszHelpFilePath.empty())
        app->m_pszHelpFilePath = AfxReplaceExtension(app->m_pszHelpFilePath, type == 0 ? "hlp" : "chm");
    m_nHelpType = type;
    if (app) app->WriteProfileInt(REGKEY, HelpType, type);
}

void AHelp::SetPresentationMode(int mode) {
    if (mode == 0) {
        m_hOwner = nullptr;
    } else if (mode == 1) {
        CWnd* main = AfxGetMainWnd();
        m_hOwner = main ? main->GetSafeHwnd() : nullptr;
    }
    m_nPresentationMode = mode;
    if (CWinApp* app = AfxGetApp()) app->WriteProfileInt(REGKEY, PresentationMode, mode);
}

CString AHelp::HelpFolder() const {
    CWinApp* app = AfxGetApp();
    if (!app || app->m_pszHelpFilePath.empty()) return CString();
    const std::filesystem::path file(app->m_pszHelpFilePath.c_str());
    return CString((file.parent_path() / file.stem()).string());
}

CString AHelp::PageOf(DWORD contextId) const {
    const CString folder = HelpFolder();
    if (folder.empty()) return CString();
    QFile map(QString::fromStdString(folder + "/contexts.map"));
    if (!map.open(QIODevice::ReadOnly | QIODevice::Text)) return CString();
    QTextStream in(&map);
    while (!in.atEnd()) {
        const QStringList fields = in.readLine().split(' ', Qt::SkipEmptyParts);
        if (fields.size() < 2) continue;
        bool ok = false;
        const qulonglong id = fields[0].toULongLong(&ok, 0);
        if (ok && id == contextId) return CString(folder + "/" + fields[1].toStdString());
    }
    return CString();
}

BOOL AHelp::WinHelp(DWORD data, UINT command) {
    CString page;
    switch (command) {
    case HELP_CONTEXT:
        page = PageOf(data);
        // A dialog asks for its help by its template id; the map keeps the
        // dialogs' pages under their resource topics, 0x20000 + the id.
        if (page.empty() && data < 0x10000) page = PageOf(0x20000 + data);
        break;
    case HELP_INDEX:
    case HELP_FINDER:
        page = HelpFolder() + "/index.html";
        break;
    default:
        return TRUE;
    }
    if (!page.empty() && QFileInfo::exists(QString::fromStdString(page))) ShowPage(page);
    return TRUE;
}

void AHelp::ShowPage(const CString& page) {
    CWnd* owner = CWnd::FromHandle(m_hOwner);
    QWidget* ownerWidget = owner && owner->GetWidget() ? owner->GetWidget()->window() : nullptr;
    if (g_viewer && g_viewer->parentWidget() != ownerWidget) delete g_viewer.data();
    if (!g_viewer) {
        g_viewer = new QTextBrowser(ownerWidget);
        g_viewer->setWindowFlag(Qt::Window);
        g_viewer->setAttribute(Qt::WA_DeleteOnClose);
        g_viewer->setOpenExternalLinks(false);
        g_viewer->resize(640, 480);
        g_viewer->setWindowTitle("Help");
    }
    g_viewer->setSource(QUrl::fromLocalFile(QString::fromStdString(page)));
    g_viewer->show();
    g_viewer->raise();
    m_strShownPage = page;
}

QTextBrowser* AHelp::GetViewer() const {
    return g_viewer.data();
}

BOOL AHelp::TextPopup(HWND, const DWORD*) {
    return TRUE;
}

BOOL AHelp::IsHTMLHelpAvailable() {
    return TRUE;
}
