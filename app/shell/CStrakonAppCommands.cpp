// The application's start, its about box and tips, and File New.
#include "app/shell/CStrakonApp.h"

#include "app/dialogs/ADlgNew.h"
#include "app/dialogs/ATipOfTheDayDlg.h"
#include "app/dialogs/AWizardBlankStructure.h"
#include "app/shell/AApplicationBus.h"
#include "app/shell/APath.h"
#include "app/shell/AProjectDocument.h"
#include "app/shell/AStrakonDocument.h"
#include "app/shell/CAboutDlg.h"
#include "app/shell/CStrakonModule.h"
#include "framework/ABaseProjectDoc.h"
#include "framework/ABaseProjectWnd.h"
#include "framework/ABaseStructureDoc.h"
#include "platform/ui/CDocTemplate.h"
#include "platform/ui/CMDIFrameWnd.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CRecentFileList.h"
#include "resources/ui/StrakonResourceIds.h"
#include "resources/ui/StrakonResources.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <filesystem>

#include <unistd.h>

namespace fs = std::filesystem;

BEGIN_MESSAGE_MAP(CStrakonApp, ABaseWinApp)
ON_COMMAND(ID_FILE_NEW, &CStrakonApp::OnFileNew)
ON_COMMAND(ID_APP_ABOUT, &CStrakonApp::OnAppAbout)
ON_COMMAND(ID_HELP_FINDER, &CStrakonApp::OnHelpFinder)
ON_COMMAND(ID_HELP, &CStrakonApp::OnHelpFinder)
ON_COMMAND(ID_TIP_OF_THE_DAY, &CStrakonApp::OnTipOfTheDay)
ON_COMMAND(ID_FILE_OPEN, &CStrakonApp::OnFileOpen)
ON_COMMAND_EX_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, &CStrakonApp::OnOpenRecentFile)
ON_COMMAND(ID_CLOSE_PROJECT, &CStrakonApp::OnCloseProject)
ON_UPDATE_COMMAND_UI(ID_CLOSE_PROJECT, &CStrakonApp::OnUpdateProjectCommand)
ON_COMMAND(ID_SAVE_PROJECT, &CStrakonApp::OnSaveProject)
ON_UPDATE_COMMAND_UI(ID_SAVE_PROJECT, &CStrakonApp::OnUpdateProjectCommand)
ON_COMMAND(ID_SAVE_PROJECT_AS, &CStrakonApp::OnSaveProjectAs)
ON_UPDATE_COMMAND_UI(ID_SAVE_PROJECT_AS, &CStrakonApp::OnUpdateProjectCommand)
ON_COMMAND(ID_INSERT_STRUCTURE, &CStrakonApp::OnInsertStructure)
ON_UPDATE_COMMAND_UI(ID_INSERT_STRUCTURE, &CStrakonApp::OnUpdateProjectCommand)
ON_COMMAND(ID_REMOVE_STRUCTURE, &CStrakonApp::OnRemoveStructure)
ON_UPDATE_COMMAND_UI(ID_REMOVE_STRUCTURE, &CStrakonApp::OnUpdateProjectCommand)
ON_COMMAND(ID_PROJECT_SETTINGS, &CStrakonApp::OnProjectSettings)
ON_UPDATE_COMMAND_UI(ID_PROJECT_SETTINGS, &CStrakonApp::OnUpdateProjectCommand)
END_MESSAGE_MAP()

namespace {

bool Exists(const CString& path) {
    std::error_code ec;
    return !path.empty() && fs::exists(fs::path(std::string(path)), ec);
}

CString FolderOf(const CString& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? CString() : CString(path.substr(0, slash));
}

// The default extension of a template's files, else the given one.
CString ExtensionOf(CDocTemplate* docTemplate, const char* fallback) {
    CString ext;
    if (docTemplate && docTemplate->GetDocString(ext, CDocTemplate::filterExt) && !ext.empty()) return ext;
    return fallback;
}

// A file that is about to be replaced, moved aside until the new one stands:
// then it goes; if the new one does not come, it comes back.
class ASetAside {
public:
    explicit ASetAside(const CString& path) : m_path(std::string(path)) {
        if (!Exists(path)) return;
        m_aside = m_path;
        m_aside += ".replaced~";
        std::error_code ec;
        fs::rename(m_path, m_aside, ec);
        if (ec) m_aside.clear();
    }
    ~ASetAside() {
        if (m_aside.empty()) return;
        std::error_code ec;
        if (m_keep)
            fs::remove(m_aside, ec);
        else if (!fs::exists(m_path, ec))
            fs::rename(m_aside, m_path, ec);
        else
            fs::remove(m_aside, ec);
    }
    ASetAside(const ASetAside&) = delete;
    ASetAside& operator=(const ASetAside&) = delete;
    // The new file stands: the old one goes.
    void Replaced() { m_keep = true; }

private:
    fs::path m_path;
    fs::path m_aside;
    bool m_keep = false;
};

} // namespace

// --- about box and tips ------------------------------------------------------------------------------

void CStrakonApp::OnAppAbout() {
    CAboutDlg dialog;
    dialog.DoModal();
}

void CStrakonApp::ShowTipOfTheDay() {
    m_nCurrentTip = static_cast<int>(GetProfileInt("InfoTip", "CurrentTip", 0));
    m_bShowTipAtStartup = GetProfileInt("InfoTip", "ShowAtStartup", 1) != 0;
    if (!m_bShowTipAtStartup) return;
    // Each showing starts at the next tip.
    ++m_nCurrentTip;
    const CString file = APath::Instance()->ProgramPath("Misc\\Strakon.tip");
    ATipOfTheDayDlg dialog(file, m_nCurrentTip, m_bShowTipAtStartup);
    dialog.DoModal();
    m_nCurrentTip = dialog.GetCurrentTip();
    m_bShowTipAtStartup = dialog.GetShowAtStartup();
    WriteProfileInt("InfoTip", "CurrentTip", m_nCurrentTip);
    WriteProfileInt("InfoTip", "ShowAtStartup", m_bShowTipAtStartup ? 1 : 0);
}

void CStrakonApp::OnTipOfTheDay() {
    m_bShowTipAtStartup = true;
    WriteProfileInt("InfoTip", "ShowAtStartup", 1);
    ShowTipOfTheDay();
}

// --- File New ----------------------------------------------------------------------------------------

CString CStrakonApp::DefaultNewLocation() {
    // The list in memory is the newest; the profile holds it only once the program ends.
    CString recent = m_pRecentFileList && m_pRecentFileList->GetSize() > 0 ? (*m_pRecentFileList)[0] : CString();
    if (recent.empty()) recent = GetProfileString("Recent File List", "File1");
    if (!recent.empty()) {
        const CString folder = FolderOf(recent);
        if (Exists(folder)) return folder;
    }
    if (APath* paths = APath::Instance()) {
        const CString projects = paths->ParentPath("My Projects");
        if (Exists(projects)) return projects;
    }
    // Not the program folder: the user may not write there. A fresh account may
    // have no documents folder yet; the dialogs would take its name for a file name.
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && Exists(documents.toStdString())) return documents.toStdString();
    const QString home = QStandardPaths::writableLocation(QStandardPaths::HomeLocation);
    if (!home.isEmpty() && Exists(home.toStdString())) return home.toStdString();
    return {};
}

CString CStrakonApp::LastFolder() {
    if (!m_strLastFolder.empty() && Exists(m_strLastFolder)) return m_strLastFolder;
    return DefaultNewLocation();
}

bool CStrakonApp::EnsureLocation(const CString& folder) {
    CString text;
    if (folder.empty()) {
        AfxMessageBox("Error: Please enter the folder of the new structure.", MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    const fs::path path(std::string{folder});
    std::error_code ec;
    if (fs::exists(path, ec)) {
        if (!fs::is_directory(path, ec)) {
            text.Format("Error: '%s' is not a folder.\nPlease choose another location.", folder.c_str());
            AfxMessageBox(text.c_str(), MB_OK | MB_ICONEXCLAMATION);
            return false;
        }
        if (::access(folder.c_str(), W_OK | X_OK) != 0) {
            text.Format("Error: The folder '%s' cannot be written to.\nPlease choose another location.",
                        folder.c_str());
            AfxMessageBox(text.c_str(), MB_OK | MB_ICONEXCLAMATION);
            return false;
        }
        return true;
    }
    text.Format("The folder '%s' does not exist.\nWould you like to create it?", folder.c_str());
    if (AfxMessageBox(text.c_str(), MB_YESNO | MB_ICONQUESTION) != IDYES) return false;
    fs::create_directories(path, ec);
    if (ec || !fs::is_directory(path, ec)) {
        text.Format("Error: The folder '%s' could not be created.\nPlease choose another location.",
                    folder.c_str());
        AfxMessageBox(text.c_str(), MB_OK | MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}

bool CStrakonApp::IsValidStructureName(const CString& name, CString& message) {
    // The name becomes a file name in the chosen folder: a separator, a control
    // character or a name of a folder itself would put the files elsewhere.
    const char* const forbidden = "\\:*?\"<>|/";
    bool bad =
        name.empty() || name == "." || name == ".." || name.find_first_of(forbidden) != std::string::npos;
    for (const char c : name)
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) bad = true;
    if (!bad) return true;
    message = "You entered invalid structure name.\n"
              "Structure name cannot contain any of the following characters \\:*?\"<>|/ nor control "
              "characters, and cannot be \".\" or \"..\"";
    return false;
}

void CStrakonApp::OnFileNew() {
    ADlgNew sheet("New");
    for (;;) {
        if (sheet.DoModal() != IDOK) return;
        const ADlgNewStructure& page = sheet.m_structurePage;
        if (CreateNewStructure(page.m_strWizardPath, page.m_strName, page.m_strLocation,
                               page.m_nProjectChoice == 0))
            return;
    }
}

BOOL CStrakonApp::RunBlankStructureWizard(AStrakonDocument* document, const CString& location) {
    if (!document) return FALSE;
    AWizardBlankStructure wizard(location);
    if (wizard.DoModal() != ID_WIZFINISH) return FALSE;
    wizard.ApplyToDocument(*document);
    return document->SetupNewStructure();
}

BOOL CStrakonApp::CreateNewStructure(const CString& wizardPath, const CString& name, const CString& location,
                                     BOOL newProject) {
    CString message;
    if (!IsValidStructureName(name, message)) {
        AfxMessageBox(message.c_str(), MB_OK);
        return FALSE;
    }
    const CString folder = location.size() > 1 && location.back() == '/'
                               ? CString(location.substr(0, location.size() - 1))
                               : location;
    const CString projectPath = folder + "/" + name + ExtensionOf(GetProjectDocTemplate(), ".oxp");
    const CString structurePath = folder + "/" + name + ExtensionOf(GetStructureDocTemplate(), ".oxs");
    // The folder must stand before the wizard runs: what the user enters there is not lost.
    if (!EnsureLocation(folder)) return FALSE;

    // Every file in the way is named; the user's No is the consent to replace them.
    CString question;
    if (newProject && Exists(projectPath))
        question += "The specified project name '" + projectPath + "' already exists.\n";
    if (Exists(structurePath))
        question += "The specified structure file '" + structurePath + "' already exists.\n";
    if (!question.empty() &&
        AfxMessageBox((question + "Would you like to select a different name?").c_str(), MB_YESNO) == IDYES)
        return FALSE;

    ABaseProjectDoc* project = GetProjectDocument();
    if (!newProject && project && !project->CanAddStructure(name, location)) {
        CString text;
        text.Format("Error: Structure '%s' already exist in a project. Please a different structure name",
                    name.c_str());
        AfxMessageBox(text.c_str(), MB_OK);
        return FALSE;
    }
    if (newProject && project) {
        if (!project->OnFileCloseProject(TRUE)) return TRUE;
        delete project;
        m_pProjectDoc = nullptr;
    }

    // The wizard runs before anything is written: a cancelled wizard leaves the disk as it was.
    std::unique_ptr<AWizardBlankStructure> wizard;
    if (wizardPath.empty()) {
        wizard = std::make_unique<AWizardBlankStructure>(location);
        if (wizard->DoModal() != ID_WIZFINISH) return TRUE;
    }

    ASetAside oldStructure(structurePath);
    std::unique_ptr<ASetAside> oldProject;
    if (newProject) {
        oldProject = std::make_unique<ASetAside>(projectPath);
        CDocTemplate* projectTemplate = GetProjectDocTemplate();
        project =
            projectTemplate
                ? DYNAMIC_DOWNCAST_PTR<ABaseProjectDoc>(projectTemplate->OpenDocumentFile(nullptr, TRUE))
                : nullptr;
        if (!project) {
            AfxMessageBox("Error: Could not create new structure document.", MB_OK);
            return TRUE;
        }
        m_pProjectDoc = project;
    }
    if (!project) {
        AfxMessageBox("Error: Could not create new structure document.", MB_OK);
        return TRUE;
    }
    const auto closeNewProject = [this, &project, newProject] {
        if (!newProject) return;
        if (project->OnFileCloseProject(FALSE)) {
            delete project;
            m_pProjectDoc = nullptr;
        }
    };
    ABaseStructureDoc* structure = project->AddStructure(name, folder, FALSE);
    auto* document = DYNAMIC_DOWNCAST_PTR<AStrakonDocument>(structure);
    if (!structure || (wizard && !document)) {
        AfxMessageBox("Error: Could not create new structure document.", MB_OK);
        if (structure && !newProject) project->RemoveStructure(structure, FALSE);
        closeNewProject();
        return TRUE;
    }
    if (wizard) {
        wizard->ApplyToDocument(*document);
        document->SetupNewStructure();
        const BOOL saved = document->DoSave(structurePath.c_str(), TRUE);
        // Saving names the document after its file; in the project it is the structure's name.
        structure->SetTitle(name.c_str());
        if (!saved) {
            AfxMessageBox("Error: Could not create new structure document.", MB_OK);
            if (!newProject) project->RemoveStructure(structure, FALSE);
            closeNewProject();
            return TRUE;
        }
    }
    oldStructure.Replaced();
    if (!newProject) {
        project->SetModifiedFlag(TRUE);
        if (ABaseProjectWnd* wnd = GetProjectWnd()) wnd->AddStructure(structure);
        SelectNewStructure(structure);
        return TRUE;
    }
    m_strProjectPath = projectPath;
    // The structure locations are written relative to the new project file.
    m_strBasePath = projectPath;
    if (!project->DoSave(projectPath.c_str(), TRUE)) {
        AfxMessageBox("Error: Could not save project document.", MB_OK);
        closeNewProject();
        return TRUE;
    }
    oldProject->Replaced();
    project->SetTitle(name.c_str());
    project->OnFileSaveProject();
    if (auto* projectDocument = DYNAMIC_DOWNCAST_PTR<AProjectDocument>(project))
        projectDocument->AddToProjectWnd();
    SelectNewStructure(structure);
    return TRUE;
}
