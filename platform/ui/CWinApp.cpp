#include "platform/ui/CWinApp.h"

#include "platform/core/VectorState.h"
#include "platform/ui/AfxRes.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CDocTemplate.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/CFileDialog.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CProfileStore.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CRecentFileList.h"
#include "platform/ui/CResources.h"
#include "platform/ui/CView.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <stdexcept>

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, &CWinApp::OnOpenRecentFile)
ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, &CWinApp::OnUpdateRecentFileMenu)
ON_COMMAND(ID_APP_EXIT, &CWinApp::OnAppExit)
END_MESSAGE_MAP()

namespace {
CWinApp* g_app = nullptr;
} // namespace

// Runs the application's idle processing when the event queue has run dry after
// something the user (or a posted message) did, as the original message loop
// does between messages. Timers and repaints alone do not start it again.
class CIdleDriver : public QObject {
public:
    explicit CIdleDriver(CWinApp* app) : m_app(app) {
        QCoreApplication::instance()->installEventFilter(this);
        if (auto* dispatcher = QAbstractEventDispatcher::instance(thread()))
            QObject::connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                             [this]() { OnAboutToBlock(); });
    }

    void Note() { m_pending = true; }

    bool eventFilter(QObject*, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::FocusIn:
        case QEvent::WindowActivate:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::Close:
            m_pending = true;
            break;
        default:
            // Posted window messages.
            if (event->type() >= QEvent::User) m_pending = true;
            break;
        }
        return false;
    }

private:
    void OnAboutToBlock() {
        if (!m_pending || m_scheduled) return;
        m_scheduled = true;
        QTimer::singleShot(0, this, [this]() {
            m_scheduled = false;
            m_pending = false;
            m_app->RunIdleProcessing();
        });
    }

    CWinApp* m_app;
    bool m_pending = true;
    bool m_scheduled = false;
};

// --- command line -----------------------------------------------------------------------------------

CCommandLineInfo::CCommandLineInfo() = default;
CCommandLineInfo::~CCommandLineInfo() = default;

void CCommandLineInfo::ParseParam(const char* pszParam, BOOL bFlag, BOOL) {
    const CString param = pszParam ? pszParam : "";
    if (bFlag) {
        if (param.CompareNoCase("Embedding") == 0) {
            m_bRunEmbedded = TRUE;
            m_bShowSplash = FALSE;
        } else if (param.CompareNoCase("Automation") == 0) {
            m_bRunAutomated = TRUE;
            m_bShowSplash = FALSE;
        } else if (param.CompareNoCase("RegServer") == 0 || param.CompareNoCase("Register") == 0) {
            m_nShellCommand = AppRegister;
        } else if (param.CompareNoCase("UnregServer") == 0 || param.CompareNoCase("Unregister") == 0) {
            m_nShellCommand = AppUnregister;
        }
        return;
    }
    if (m_strFileName.empty()) {
        m_strFileName = param;
        if (m_nShellCommand == FileNew) m_nShellCommand = FileOpen;
    }
}

// --- application ------------------------------------------------------------------------------------

CWinApp::CWinApp(const char* lpszAppName) : m_pProfileStore(std::make_shared<CMemoryProfileStore>()) {
    if (g_app) throw std::logic_error("a second application object");
    g_app = this;
    if (lpszAppName) m_pszAppName = lpszAppName;
    if (QCoreApplication::instance()) {
        m_pIdleDriver = std::make_unique<CIdleDriver>(this);
        // Qt's start has run by now; the numerics that follow run at full speed
        // only once the upper vector state it left behind is cleared.
        AfxClearUpperVectorState();
    }
}

CWinApp::~CWinApp() {
    for (CDocTemplate* docTemplate : m_templateList)
        if (docTemplate->m_bAutoDelete) delete docTemplate;
    m_templateList.clear();
    delete m_pRecentFileList;
    m_pRecentFileList = nullptr;
    if (g_app == this) g_app = nullptr;
}

BOOL CWinApp::InitApplication() {
    return TRUE;
}
BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::ExitInstance() {
    SaveStdProfileSettings();
    m_pProfileStore->Flush();
    CWinThread::CleanUpFinishedThreads();
    return m_nExitCode;
}

int CWinApp::Run() {
    if (!QCoreApplication::instance() || !m_pMainWnd) return ExitInstance();
    if (!m_pIdleDriver) m_pIdleDriver = std::make_unique<CIdleDriver>(this);
    if (auto* gui = qobject_cast<QApplication*>(QCoreApplication::instance()))
        gui->setQuitOnLastWindowClosed(false);
    m_bRunning = true;
    QCoreApplication::exec();
    m_bRunning = false;
    return ExitInstance();
}

BOOL CWinApp::OnIdle(LONG lCount) {
    if (lCount <= 0) {
        if (m_pMainWnd && m_pMainWnd->IsWindow()) {
            const HWND main = m_pMainWnd->GetSafeHwnd();
            m_pMainWnd->SendMessage(WM_IDLEUPDATECMDUI, TRUE, 0);
            if (CWnd* wnd = CWnd::FromHandle(main))
                wnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE);
        }
        return TRUE;
    }
    if (lCount == 1) CWinThread::CleanUpFinishedThreads();
    return FALSE;
}

void CWinApp::RunIdleProcessing() {
    // An OnIdle that always wants more still gives the queue back after a while.
    for (LONG count = 0; count < 64 && OnIdle(count); ++count) {
    }
}

void CWinApp::NoteActivity() {
    if (m_pIdleDriver) m_pIdleDriver->Note();
}

// --- templates and documents ------------------------------------------------------------------------

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate) {
    if (!pTemplate) return;
    pTemplate->LoadTemplate();
    m_templateList.push_back(pTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const {
    return AfxGetFirstPosition(m_templateList);
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& pos) const {
    return AfxGetNextAt(m_templateList, pos);
}

int CWinApp::GetOpenDocumentCount() const {
    int count = 0;
    for (CDocTemplate* docTemplate : m_templateList)
        count += static_cast<int>(docTemplate->GetDocuments().size());
    return count;
}

CDocument* CWinApp::OpenDocumentFile(const char* lpszFileName) {
    if (!lpszFileName || !*lpszFileName) return nullptr;
    CDocTemplate* best = nullptr;
    CDocTemplate::Confidence bestMatch = CDocTemplate::noAttempt;
    CDocument* open = nullptr;
    for (CDocTemplate* docTemplate : m_templateList) {
        CDocument* match = nullptr;
        const CDocTemplate::Confidence confidence = docTemplate->MatchDocType(lpszFileName, match);
        if (confidence > bestMatch) {
            bestMatch = confidence;
            best = docTemplate;
            if (confidence == CDocTemplate::yesAlreadyOpen) open = match;
        }
        if (confidence == CDocTemplate::yesAlreadyOpen) break;
    }
    if (open) {
        // Already open: its window comes to the front.
        if (!open->GetViews().empty())
            if (CFrameWnd* frame = open->GetViews().front()->GetParentFrame()) frame->ActivateFrame();
        return open;
    }
    if (!best) {
        AfxMessageBox(AFX_IDP_FAILED_TO_OPEN_DOC);
        return nullptr;
    }
    return best->OpenDocumentFile(lpszFileName);
}

void CWinApp::AddToRecentFileList(const char* lpszPathName) {
    if (m_pRecentFileList) m_pRecentFileList->Add(lpszPathName);
}

BOOL CWinApp::SaveAllModified() {
    for (CDocTemplate* docTemplate : m_templateList)
        if (!docTemplate->SaveAllModified()) return FALSE;
    return TRUE;
}

void CWinApp::CloseAllDocuments(BOOL bEndSession) {
    for (CDocTemplate* docTemplate : m_templateList)
        docTemplate->CloseAllDocuments(bEndSession);
}

BOOL CWinApp::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags, BOOL bOpenFileDialog,
                               CDocTemplate* pTemplate) {
    CFileDialog dialog(bOpenFileDialog);
    dialog.m_ofn.Flags |= lFlags;
    dialog.m_ofn.lpstrTitle = AfxLoadString(nIDSTitle);
    CString filter;
    auto addTemplate = [&](CDocTemplate* docTemplate, bool setDefault) {
        CString name, ext;
        if (!docTemplate->GetDocString(name, CDocTemplate::filterName) || name.empty()) return;
        if (!docTemplate->GetDocString(ext, CDocTemplate::filterExt) || ext.empty()) return;
        filter += name + "|*" + ext + "|";
        if (setDefault) dialog.m_ofn.lpstrDefExt = ext.substr(ext[0] == '.' ? 1 : 0);
    };
    if (pTemplate) {
        addTemplate(pTemplate, true);
    } else {
        for (CDocTemplate* docTemplate : m_templateList)
            addTemplate(docTemplate, dialog.m_ofn.lpstrDefExt.empty());
    }
    filter += AfxLoadString(AFX_IDS_ALLFILTER) + "|*.*||";
    dialog.m_ofn.lpstrFilter = filter;
    dialog.m_ofn.lpstrFile = fileName;
    if (dialog.DoModal() != IDOK) return FALSE;
    fileName = dialog.GetPathName();
    return TRUE;
}

void CWinApp::DoWaitCursor(int nCode) {
    AfxCountWaitCursor(nCode);
}

void CWinApp::WinHelp(DWORD_PTR, UINT) {}

// --- profile ----------------------------------------------------------------------------------------

void CWinApp::SetRegistryKey(const char* lpszRegistryKey) {
    m_pszRegistryKey = lpszRegistryKey ? lpszRegistryKey : "";
    m_pszProfileName = AfxGetAppName();
    // From now on the profile lives in the settings store, under the program's
    // key: Software\<company>\<application>.
    m_pProfileStore =
        std::make_shared<CSettingsProfileStore>("Software\\" + m_pszRegistryKey + "\\" + m_pszProfileName);
}

void CWinApp::SetProfileStore(std::shared_ptr<CProfileStore> store) {
    m_pProfileStore = store ? std::move(store) : std::make_shared<CMemoryProfileStore>();
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU) {
    delete m_pRecentFileList;
    m_pRecentFileList = nullptr;
    if (nMaxMRU == 0) return;
    m_pRecentFileList =
        new CRecentFileList(0, "Recent File List", "File%d", static_cast<int>(std::min(nMaxMRU, 16u)));
    m_pRecentFileList->ReadList();
}

void CWinApp::SaveStdProfileSettings() {
    if (m_pRecentFileList) m_pRecentFileList->WriteList();
}

UINT CWinApp::GetProfileInt(const char* lpszSection, const char* lpszEntry, int nDefault) {
    UINT value = static_cast<UINT>(nDefault);
    m_pProfileStore->GetInt(lpszSection ? lpszSection : "", lpszEntry ? lpszEntry : "", value);
    return value;
}

BOOL CWinApp::WriteProfileInt(const char* lpszSection, const char* lpszEntry, int nValue) {
    return m_pProfileStore->WriteInt(lpszSection ? lpszSection : "", lpszEntry ? lpszEntry : "",
                                     static_cast<UINT>(nValue));
}

CString CWinApp::GetProfileString(const char* lpszSection, const char* lpszEntry, const char* lpszDefault) {
    CString value = lpszDefault ? lpszDefault : "";
    m_pProfileStore->GetString(lpszSection ? lpszSection : "", lpszEntry ? lpszEntry : "", value);
    return value;
}

BOOL CWinApp::WriteProfileString(const char* lpszSection, const char* lpszEntry, const char* lpszValue) {
    const CString section = lpszSection ? lpszSection : "";
    if (!lpszEntry) {
        m_pProfileStore->DeleteSection(section);
        return TRUE;
    }
    if (!lpszValue) {
        m_pProfileStore->DeleteEntry(section, lpszEntry);
        return TRUE;
    }
    return m_pProfileStore->WriteString(section, lpszEntry, lpszValue);
}

BOOL CWinApp::GetProfileBinary(const char* lpszSection, const char* lpszEntry, std::vector<BYTE>& data) {
    data.clear();
    return m_pProfileStore->GetBinary(lpszSection ? lpszSection : "", lpszEntry ? lpszEntry : "", data);
}

BOOL CWinApp::WriteProfileBinary(const char* lpszSection, const char* lpszEntry, const void* pData,
                                 UINT nBytes) {
    const auto* bytes = static_cast<const BYTE*>(pData);
    return m_pProfileStore->WriteBinary(lpszSection ? lpszSection : "", lpszEntry ? lpszEntry : "",
                                        std::vector<BYTE>(bytes, bytes + (bytes ? nBytes : 0)));
}

// --- command line -----------------------------------------------------------------------------------

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo) {
    std::vector<CString> args = m_arguments;
    if (!m_bHaveArguments && QCoreApplication::instance()) {
        const QStringList qtArgs = QCoreApplication::arguments();
        for (int i = 1; i < qtArgs.size(); ++i)
            args.emplace_back(qtArgs[i].toUtf8().toStdString());
    }
    for (size_t i = 0; i < args.size(); ++i) {
        const CString& arg = args[i];
        const bool flag = arg.size() > 1 && arg[0] == '-';
        const CString param = flag ? CString(arg.substr(arg[1] == '-' ? 2 : 1)) : arg;
        rCmdInfo.ParseParam(param.c_str(), flag, i + 1 == args.size());
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo) {
    switch (rCmdInfo.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        if (!OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr, nullptr)) OnFileNew();
        return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(rCmdInfo.m_strFileName.c_str()) != nullptr;
    default:
        return TRUE;
    }
}

// --- commands ---------------------------------------------------------------------------------------

void CWinApp::OnFileNew() {
    if (m_templateList.empty()) return;
    m_templateList.front()->OpenDocumentFile(nullptr);
}

void CWinApp::OnFileOpen() {
    CString fileName;
    if (!DoPromptFileName(fileName, AFX_IDS_OPENFILE, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, TRUE, nullptr))
        return;
    OpenDocumentFile(fileName.c_str());
}

void CWinApp::OnAppExit() {
    if (m_pMainWnd) m_pMainWnd->SendMessage(WM_CLOSE);
}

BOOL CWinApp::OnOpenRecentFile(UINT nID) {
    if (!m_pRecentFileList) return FALSE;
    const int index = static_cast<int>(nID - ID_FILE_MRU_FILE1);
    if (index < 0 || index >= m_pRecentFileList->GetSize() || (*m_pRecentFileList)[index].empty())
        return FALSE;
    const CString path = (*m_pRecentFileList)[index];
    // A file that cannot be opened any more leaves the list.
    if (!OpenDocumentFile(path.c_str())) m_pRecentFileList->Remove(index);
    return TRUE;
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI) {
    if (!m_pRecentFileList) {
        pCmdUI->Enable(FALSE);
        return;
    }
    m_pRecentFileList->UpdateMenu(pCmdUI);
}

// --- globals ----------------------------------------------------------------------------------------

CWinApp* AfxGetApp() {
    return g_app;
}

CWnd* AfxGetMainWnd() {
    return g_app ? g_app->m_pMainWnd : nullptr;
}

const char* AfxGetAppName() {
    static CString fallback;
    if (g_app) {
        if (g_app->m_pszAppName.empty()) g_app->m_pszAppName = AfxLoadString(AFX_IDS_APP_TITLE);
        return g_app->m_pszAppName.c_str();
    }
    fallback = AfxLoadString(AFX_IDS_APP_TITLE);
    return fallback.c_str();
}

CWinThread* AfxGetThread() {
    return g_app;
}

void AfxPostQuitMessage(int nExitCode) {
    if (!g_app) return;
    g_app->m_nExitCode = nExitCode;
    if (g_app->m_bRunning) QCoreApplication::exit(nExitCode);
}

int AfxWinMain(int argc, char** argv) {
    CWinApp* app = AfxGetApp();
    if (!app) return -1;
    if (argv) {
        app->m_bHaveArguments = true;
        app->m_arguments.clear();
        for (int i = 1; i < argc; ++i)
            app->m_arguments.emplace_back(argv[i] ? argv[i] : "");
    }
    if (!app->InitApplication() || !app->InitInstance()) {
        if (app->m_pMainWnd) app->m_pMainWnd->DestroyWindow();
        return app->ExitInstance();
    }
    // The main window's start loads Qt plugins of its own (styles, icons, image
    // formats), which may leave the upper vector state in use again.
    AfxClearUpperVectorState();
    return app->Run();
}
