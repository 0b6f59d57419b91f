#pragma once
// The project document: a compound file (".oxp") whose sub-storage "Strakon"
// holds the list of structures with their locations ("Project"), the windows
// of the four workspaces ("Workspace") and the expanded folders of the project
// window's trees ("ProjectWnd"). Opening it opens every structure; a structure
// that is not where it was stored is looked for by the user.
#include "framework/ABaseProjectDoc.h"

#include <functional>
#include <vector>

class AProjectDocument : public ABaseProjectDoc {
    DECLARE_DYNCREATE(AProjectDocument)
public:
    AProjectDocument();

    // The "Project" record: version 10000, the count, per structure its title
    // and its location relative to the project file, the step count of the
    // two layout streams.
    void Serialize(CArchive& ar) override;
    BOOL IsModified() override;
    BOOL OnNewDocument() override;
    // A project file without write access opens read-only; saving it is then
    // refused with a message, since the save would replace the protected file.
    BOOL OnOpenDocument(const char* lpszPathName) override;
    void LoadFromStorage() override;
    void SaveToStorage(CObject* pObject = nullptr) override;

    // The layout streams. Loading a damaged one says so, keeps what was read
    // before the damage and lets the opening finish: they hold nothing but layout.
    void LoadWorkspaceFromStorage();
    void SaveWorkspaceToStorage();
    void LoadProjectWndFromStorage();
    void SaveProjectWndToStorage();

    // Shows the project in the main frame's project window.
    BOOL AddToProjectWnd();

    bool IsReadOnly() const { return m_bReadOnly; }

protected:
    using Writer = std::function<void(CArchive&)>;
    void SaveStream(const char* streamName, const Writer& write);
    // A missing or empty stream reads nothing; a missing sub-storage is a bad file.
    void LoadStream(const char* streamName, const Writer& read);
    void LoadLayoutStream(const char* streamName, const Writer& read);

    // The structure already in the project under this title (the project
    // window's comparison) or from this file; null when there is none.
    ABaseStructureDoc* listedAlready(const CString& title, const CString& path) const;
    // The file being read, or the project's own.
    CString openingPath() const;

    bool m_bReadOnly = false;
    // Set while reading when the user located a structure that had moved.
    bool m_bLocated = false;
    // What the opening dropped from a damaged file, told once it has opened.
    std::vector<CString> m_openNotes;
};
