#include "app/shell/APath.h"

#include "platform/storage/ProgramPaths.h"

APath* APath::s_pInstance = nullptr;

APath* APath::Instance() {
    if (!s_pInstance) s_pInstance = new APath(programpaths::programFile().string());
    return s_pInstance;
}

void APath::Release() {
    delete s_pInstance;
    s_pInstance = nullptr;
}

APath::APath(const CString& programFile) {
    // The program folder ends behind the last separator; the parent folder ends
    // behind the one before it.
    const std::string path = programpaths::fromBackslashes(programFile);
    const std::size_t last = path.rfind('/');
    if (last == std::string::npos) {
        // A bare file name lies in the current folder.
        m_strProgramFolder = "./";
        m_strParentFolder = "../";
        return;
    }
    m_strProgramFolder = path.substr(0, last + 1);
    if (last == 0) {
        m_strParentFolder = "/";
        return;
    }
    const std::size_t before = path.rfind('/', last - 1);
    m_strParentFolder = before == std::string::npos ? std::string("./") : path.substr(0, before + 1);
}

APath::~APath() = default;

CString APath::ProgramPath(const CString& relative) const {
    return m_strProgramFolder + programpaths::fromBackslashes(relative);
}

CString APath::ParentPath(const CString& relative) const {
    return m_strParentFolder + programpaths::fromBackslashes(relative);
}

CString APath::TempPath(const CString& relative) {
    std::string folder = programpaths::processTempFolder().string();
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder + programpaths::fromBackslashes(relative);
}
