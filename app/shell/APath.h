#pragma once
// The program's folders: the program folder (where the program file lies), the
// parent folder that holds it and the shared "Common" tree, and a temporary
// folder of this process's own. The build tree and an installed tree share the
// layout: <root>/bin/<program>, <root>/Common/...
//
// Relative names are written as the program's texts write them, with
// backslashes ("Common\DB\Steel.db"); the results are this system's paths. The
// folders end in a separator, and the operations append the relative name
// without adding or removing one.
#include "platform/core/CString.h"

class APath {
public:
    // The single object, made on the first call from the running program's file.
    static APath* Instance();
    // Deletes the object; called once at exit.
    static void Release();

    // The folders for a program file at programFile ("/opt/strakon/bin/strakon"
    // gives "/opt/strakon/bin/" and "/opt/strakon/"). A program in the root folder
    // has no folder above it: the root is then its parent folder as well.
    explicit APath(const CString& programFile);
    virtual ~APath();

    // Program folder + relative: "Misc\Strakon.err", "Help\Strakon.chm".
    CString ProgramPath(const CString& relative) const;
    // Parent folder + relative: "Common\DB\Steel.db".
    CString ParentPath(const CString& relative) const;
    // This process's temporary folder + relative: "Strakon.log".
    static CString TempPath(const CString& relative);

    const CString& GetProgramFolder() const { return m_strProgramFolder; }
    const CString& GetParentFolder() const { return m_strParentFolder; }

private:
    static APath* s_pInstance;

    CString m_strProgramFolder;
    CString m_strParentFolder;
};
