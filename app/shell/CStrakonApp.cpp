#include "app/shell/CStrakonApp.h"

#include "app/report/AOutputAttributes.h"

#include "app/messages/DocumentItemManager.h"
#include "app/shell/ADesktopRegistration.h"

#include "app/report/AReportProgress.h"
#include "app/report/omOutputLocaleDB.h"
#include "app/shell/AApplicationBus.h"
#include "app/shell/AOptionsAttributes.h"
#include "app/shell/APath.h"
#include "app/shell/AProjectDocument.h"
#include "app/shell/ARegistry.h"
#include "app/shell/AStorageInterface.h"
#include "app/shell/AStrakonDocument.h"
#include "app/shell/AUnitKeyAttributes.h"
#include "app/shell/AWorkspaceManager.h"
#include "app/shell/CChildFrame.h"
#include "app/design/SafetyFactorsEC.h"
#include "app/shell/CMainFrame.h"
#include "platform/ui/CDropFiles.h"
#include "app/shell/CStrakonModule.h"
#include "app/design/ADesignConcreteView.h"
#include "app/views/AEnvelopeView.h"
#include "app/views/AForceView.h"
#include "app/views/AGeometryView.h"
#include "app/views/ALoadCombinationsFrame.h"
#include "app/views/ALoadCombinationsView.h"
#include "app/views/ALCResultView.h"
#include "app/views/ADrawAttributes.h"
#include "app/views/APellionTipText.h"
#include "app/views/AProgressBar.h"
#include "common/omErrorContainer.h"
#include "common/omUnitManager.h"
#include "controls/AHyperLink.h"
#include "controls/report/AMetaFileRectPic.h"
#include "framework/AHelp.h"
#include "framework/ANFMultiDocTemplate.h"
#include "framework/APPropertyFrame.h"
#include "framework/CWindowPlacement.h"
#include "model/omLogFile.h"
#include "platform/ui/CDocTemplate.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CRecentFileList.h"
#include "resources/ui/StrakonResourceIds.h"
#include "resources/ui/StrakonResources.h"

#include <QCoreApplication>
#include <QFont>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QScreen>
#include <QSplashScreen>
#include <QTimer>
#include <QUrl>

#include <cstdlib>
#include <filesystem>
#include <ctime>

IMPLEMENT_DYNAMIC(CStrakonApp, ABaseWinApp)

namespace {

constexpr const char* kProductKey = "Software\\Orvex\\Strakon";
constexpr DWORD kLayoutVersion = 202;
// How long the splash stays, and how many steps of a bar pause so that the user sees it move.
constexpr int kSplashMilliseconds = 4500;
constexpr int kPausedSteps = 100;

// The splash picture: our own, painted.
QPixmap SplashPicture() {
    QPixmap picture(480, 280);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 280);
    sky.setColorAt(0, QColor(24, 54, 96));
    sky.setColorAt(1, QColor(70, 120, 170));
    painter.fillRect(picture.rect(), sky);
    // A portal frame over a fixed foot on each side.
    painter.setPen(QPen(QColor(230, 236, 244), 6, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(300, 230, 300, 110);
    painter.drawLine(420, 230, 420, 110);
    painter.drawLine(300, 110, 420, 110);
    painter.setPen(QPen(QColor(250, 200, 80), 3));
    painter.drawLine(285, 232, 315, 232);
    painter.drawLine(405, 232, 435, 232);
    // The moment diagram of the beam.
    painter.setPen(QPen(QColor(240, 110, 90), 2));
    QPainterPath moments;
    moments.moveTo(300, 110);
    moments.cubicTo(330, 160, 390, 160, 420, 110);
    painter.drawPath(moments);
    painter.setPen(Qt::white);
    QFont title(QStringLiteral("DejaVu Sans"), 30, QFont::Bold);
    painter.setFont(title);
    painter.drawText(QRect(28, 60, 260, 50), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Strakon"));
    QFont small(QStringLiteral("DejaVu Sans"), 11);
    painter.setFont(small);
    painter.drawText(QRect(30, 110, 260, 60), Qt::AlignLeft | Qt::TextWordWrap,
                     QStringLiteral("Orvex Strakon\nanalysis and design of plane frames"));
    painter.drawText(QRect(30, 230, 260, 24), Qt::AlignLeft, QStringLiteral("Loading ..."));
    return picture;
}

} // namespace

CStrakonApp::CStrakonApp() : ABaseWinApp("Strakon") {
    // The report builder steps the bar of the output preparation.
    SetReportProgress([this] { StepProgress(1); });
}

CStrakonApp::~CStrakonApp() {
    CloseSplash();
    SetReportProgress({});
}

CStrakonApp* CStrakonApp::GetApp() {
    return DYNAMIC_DOWNCAST_PTR<CStrakonApp>(AfxGetApp());
}

CMainFrame* CStrakonApp::GetMainFrame() const {
    return dynamic_cast<CMainFrame*>(m_pMainWnd);
}

CDocTemplate* CStrakonApp::GetStructureDocTemplate() {
    return m_pStructureTemplate;
}

CDocTemplate* CStrakonApp::GetProjectDocTemplate() {
    return m_pProjectTemplate;
}

void CStrakonApp::WinHelp(DWORD_PTR dwData, UINT nCmd) {
    AHelp::Instance()->WinHelp(static_cast<DWORD>(dwData), nCmd);
}

void CStrakonApp::OnHelpFinder() {
    WinHelp(0, HELP_FINDER);
}

void CStrakonApp::StepProgress(int steps) {
    if (m_pActiveProgressBar != m_pPausedBar) {
        m_pPausedBar = m_pActiveProgressBar;
        m_nPausedSteps = 0;
    }
    for (int i = 0; i < steps && m_pActiveProgressBar; ++i) {
        m_pActiveProgressBar->StepIt();
        if (m_nPausedSteps < kPausedSteps) {
            ++m_nPausedSteps;
            CPromptService::Instance().Sleep(15);
        }
    }
}

// --- start-up ---------------------------------------------------------------------------------------

void CStrakonApp::CheckLayoutVersion() {
    ARegistry reg;
    if (!reg.OpenOrCreate(kProductKey)) return;
    const DWORD version = reg.GetDword("Version", 100);
    if (version >= kLayoutVersion) return;
    CString name;
    if (version == 100) {
        // Settings of an unversioned layout are thrown away.
        while (reg.EnumerateKeys(0, name))
            if (!reg.DeleteKey(name)) break;
    } else {
        std::vector<CString> names;
        for (DWORD i = 0; reg.EnumerateKeys(i, name); ++i)
            names.push_back(name);
        for (auto it = names.rbegin(); it != names.rend(); ++it)
            if (it->find("PellionBarState") != std::string::npos) reg.DeleteKey(*it);
    }
    reg.SetDword("Version", kLayoutVersion);
}

void CStrakonApp::ShowSplash() {
    if (m_pSplash || !qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
    auto* splash = new QSplashScreen(SplashPicture());
    splash->setAttribute(Qt::WA_DeleteOnClose);
    m_pSplash = splash;
    // Shown at once, never waited for: it closes itself (or at a click) while the program goes on.
    splash->show();
    QTimer::singleShot(kSplashMilliseconds, splash, &QWidget::close);
}

void CStrakonApp::CloseSplash() {
    if (QWidget* splash = GetSplash()) splash->close();
}

QWidget* CStrakonApp::GetSplash() const {
    return qobject_cast<QWidget*>(m_pSplash.data());
}

void CStrakonApp::CreateDocTemplates() {
    m_pProjectTemplate = new ANFMultiDocTemplate(IDR_PROJECTTYPE, RUNTIME_CLASS(AProjectDocument), nullptr,
                                                 nullptr);
    AddDocTemplate(m_pProjectTemplate);
    m_pStructureTemplate = new ANFMultiDocTemplate(IDR_STRUCTURETYPE, RUNTIME_CLASS(AStrakonDocument), nullptr,
                                                   nullptr);
    AddDocTemplate(m_pStructureTemplate);
    // The windows of a structure, each kind with its own template.
    const struct {
        int kind;
        UINT id;
        const CRuntimeClass* frame;
        const CRuntimeClass* view;
    } windows[] = {
        {LoadsWindow, IDR_LOADSTYPE, RUNTIME_CLASS(CChildFrame), RUNTIME_CLASS(AForceView)},
        {GeometryWindow, IDR_GEOMETRYTYPE, RUNTIME_CLASS(CChildFrame), RUNTIME_CLASS(AGeometryView)},
        {LoadCaseResultsWindow, IDR_LCRESULTSTYPE, RUNTIME_CLASS(CChildFrame), RUNTIME_CLASS(ALCResultView)},
        {LoadCombinationsWindow, IDR_LOADCOMBINATIONSTYPE, RUNTIME_CLASS(ALoadCombinationsFrame),
         RUNTIME_CLASS(ALoadCombinationsView)},
        {EnvelopeWindow, IDR_LOADCOMBINATIONSTYPE, RUNTIME_CLASS(CChildFrame), RUNTIME_CLASS(AEnvelopeView)},
        {ConcreteDesignWindow, IDR_DESIGNCONCRETETYPE, RUNTIME_CLASS(CChildFrame),
         RUNTIME_CLASS(ADesignConcreteView)},
    };
    for (const auto& w : windows) {
        auto* docTemplate = new CMultiDocTemplate(w.id, RUNTIME_CLASS(AStrakonDocument), w.frame, w.view);
        AddDocTemplate(docTemplate);
        SetWindowTemplate(w.kind, docTemplate);
    }
}

namespace {

// The message system's profile section; its "Server" (an http or https address)
// is where the list of news documents is fetched from.
constexpr const char* kMessageSystem = "MessageSystem";

// The address of the message list on the configured server; empty when no
// server is configured, which means no background check.
CString messageListAddress(CWinApp& app) {
    CString server = app.GetProfileString(kMessageSystem, "Server", "");
    while (!server.empty() && (server.back() == '/' || server.back() == ' ')) server.pop_back();
    const QUrl url(QString::fromStdString(server), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (server.empty() || !url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return CString();
    return server + "/msgsys/Update.dmsi";
}

// The message manager over the user's document folder.
void createMessageSystem(CWinApp& app) {
    // The documents are the user's own: the program's folder is not writable once
    // installed, and would be shared by every user.
    const std::filesystem::path folder = ADesktopRegistration::DefaultDataHome() / "Strakon" / "Doc";
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    DocumentItemManager::Create(std::string(messageListAddress(app)), folder / "MessageSystem.dmsi", folder, 2, 200);
}

} // namespace

BOOL CStrakonApp::InitInstance() {
    if (!ABaseWinApp::InitInstance()) return FALSE;
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    CCommandLineInfo commandLine;
    ParseCommandLine(commandLine);
    m_bAutomation = commandLine.m_bRunEmbedded || commandLine.m_bRunAutomated;
    if (!m_bAutomation) CStrakonModule::RefreshRegistration();
    RegisterStrakonResources();
    m_pBus = std::make_unique<AApplicationBus>();
    m_pBus->Register(m_bAutomation);
    if (m_bAutomation) {
        // Hidden: it serves its clients and ends when the last one has gone.
        QObject::connect(m_pBus.get(), &AApplicationBus::LastClientLeft, [] { AfxPostQuitMessage(0); });
        return TRUE;
    }

    CheckLayoutVersion();
    if (commandLine.m_bShowSplash) ShowSplash();
    ABaseWorkspace::SetWindowInfoCreatorObject(new AWindowInfoCreator);
    m_pWorkspaceManager = AWorkspaceManager::Instance();
    m_pszHelpFilePath = APath::Instance()->ProgramPath("Help\\Strakon.chm");
    AHelp::Instance()->SetHelpType(1);
    AStorageInterface::InitializeAll();
    SetRegistryKey("Orvex");
    LoadStdProfileSettings(6);
    CreateDocTemplates();

    auto* frame = new CMainFrame;
    if (!frame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE)) return FALSE;
    m_pMainWnd = frame;
    createMessageSystem(*this);
    AfxDragAcceptFiles(frame, TRUE);

    AOptionsAttributes::Instance();
    frame->SetCoordinateText("");
    omLogFile::Instance()->newFileName(std::string(APath::TempPath("Strakon.log")));
    omErrorContainer::instance()->setFileName(std::string(APath::Instance()->ProgramPath("Misc\\Strakon.err")));
    AHyperLinkManager::Instance()->SetHomePageBase(std::string(AOptionsAttributes::Instance()->homePage));

    // The program never makes an empty document by itself.
    if (commandLine.m_nShellCommand == CCommandLineInfo::FileNew)
        commandLine.m_nShellCommand = CCommandLineInfo::FileNothing;
    // A file named relative to the current folder is kept by its full path: the
    // project's structures are found relative to it.
    if (!commandLine.m_strFileName.empty()) {
        std::error_code ec;
        const std::filesystem::path full = std::filesystem::absolute(std::string(commandLine.m_strFileName), ec);
        if (!ec) commandLine.m_strFileName = full.lexically_normal().string();
    }
    if (!ProcessShellCommand(commandLine)) return FALSE;
    // The window may have closed while the command ran.
    if (!m_pMainWnd) return FALSE;

    CWindowPlacement placement;
    if (!placement.Restore(CMainFrame::kSettings, "FrameWindow", frame)) {
        CWindowPlacement::PlaceOnFirstStart(frame);
        frame->ShowWindow(m_nCmdShow);
    }
    frame->UpdateWindow();
    ShowTipOfTheDay();
    return TRUE;
}

int CStrakonApp::Run() {
    if (m_pMainWnd || !m_bAutomation || !QCoreApplication::instance()) return ABaseWinApp::Run();
    m_bRunning = true;
    QCoreApplication::exec();
    m_bRunning = false;
    return ExitInstance();
}

// --- the end ----------------------------------------------------------------------------------------


int CStrakonApp::ExitInstance() {
    CloseSplash();
    // No update may run while the message store is saved and the manager goes.
    if (auto* frame = dynamic_cast<CMainFrame*>(m_pMainWnd)) frame->StopMessageCheck();
    DocumentItemManager::Release();
    m_pBus.reset();
    if (m_bAutomation) return ABaseWinApp::ExitInstance();
    // The storage interfaces and the degree-of-freedom layout stay for the process:
    // the views' prototype loads keep the layout, and a document read later in the
    // same process (a second application object, as the tests make) needs both.
    ABaseWorkspace::DeleteWindowInfoCreatorObject();
    m_pWorkspaceManager = nullptr;
    AWorkspaceManager::Release();
    if (m_bFactoryDefaults) {
        // The settings were swept: the objects go without writing what they hold
        // again. They read back what was kept ("Options"), so their saving on the
        // way out changes nothing, and the recent-file list is not written.
        if (AOptionsAttributes* options = AOptionsAttributes::Peek()) options->Load();
        if (ADrawAttributes* draw = ADrawAttributes::Peek()) draw->Load();
        delete m_pRecentFileList;
        m_pRecentFileList = nullptr;
        SafetyFactorsEC::Discard();
    }
    ADrawAttributes::Release();
    AElementAttributes::Release();
    ANodeAttributes::Release();
    ALoadAttributes::Release();
    // With the other settings that save themselves on the way out.
    SafetyFactorsEC::Release();
    omErrorContainer::release();
    omLogFile::Release();
    AHyperLinkManager::Release();
    APPropertyFrame::Release();
    AOptionsAttributes::Release();
    // Saved by its command on OK only; the next start reads it again.
    AOutputAttributes::Release();
    AUnitKeyAttributes::Release();
    APellionTipText::Release();
    APath::Release();
    omOutputLocaleDB::Release();
    omUnitManager::Release();
    AMetaFileRectPic::CleanTempFiles();
    const int code = ABaseWinApp::ExitInstance();
    AHelp::Release();
    return code;
}

AProgressScope::AProgressScope(const char* text, int range)
    : m_pBar(std::make_unique<AProgressBar>(text, 20, range, false, 0, true)) {
    if (CStrakonApp* app = CStrakonApp::GetApp()) app->m_pActiveProgressBar = m_pBar.get();
}

AProgressScope::~AProgressScope() {
    if (CStrakonApp* app = CStrakonApp::GetApp(); app && app->m_pActiveProgressBar == m_pBar.get())
        app->m_pActiveProgressBar = nullptr;
}
