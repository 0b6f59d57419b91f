#pragma once
// The base of the project document. A project holds structure documents: it
// adds, finds, saves and removes them with the questions that keep the user's
// work, and turns structure paths into paths relative to the project file (in
// the stored form, with backslashes) and back.
#include "platform/ui/COleDocument.h"

#include <list>

class ABaseStructureDoc;

class ABaseProjectDoc : public COleDocument {
    DECLARE_DYNAMIC(ABaseProjectDoc)
public:
    ABaseProjectDoc();
    // Deletes the structures that are still listed.
    ~ABaseProjectDoc() override;

    // Opens the structure file at location (existing), or makes a new
    // structure saved as location/name + the structure extension. The new
    // structure becomes the active one. Null when it cannot be opened, made or
    // saved, when the name cannot be a file name, or when the user keeps a file
    // that is in the way.
    ABaseStructureDoc* AddStructure(CString name, CString location, BOOL existing);
    // FALSE, after saying so, when the project holds a structure of that name
    // (letter case does not count).
    BOOL CanAddStructure(CString name, CString location);
    // The first structure titled name, letter case ignored; null when none.
    ABaseStructureDoc* GetStructure(CString name);
    ABaseStructureDoc* GetActiveStructure() const { return m_pActiveStructure; }
    void SetActiveStructure(ABaseStructureDoc* pStructure) { m_pActiveStructure = pStructure; }
    const std::list<ABaseStructureDoc*>& GetStructures() const { return m_structures; }

    // Asks to save a changed structure, closes and deletes it. FALSE when the
    // user cancels or the structure cannot be saved: it then stays.
    BOOL RemoveStructure(ABaseStructureDoc* pStructure, BOOL bUpdateBar);
    // Asks to save a changed project, then closes and deletes every structure.
    // FALSE when the user cancels or a save fails; what is still open stays.
    BOOL OnFileCloseProject(BOOL bUpdateBar);
    // Saves every structure, then the project file. FALSE when any save failed.
    BOOL OnFileSaveProject();
    // Saves the project under a new file, each structure beside it under its
    // own title. FALSE when cancelled or when a save failed.
    BOOL OnFileSaveAsProject();

    BOOL SaveModified() override;
    void SetModifiedFlag(BOOL bModified = TRUE) override;
    BOOL IsModified() override;
    BOOL OnNewDocument() override;
    // The main program writes the project's streams itself.
    void Serialize(CArchive& ar) override;

    // The path of an existing file that matches path when letter case is
    // ignored component by component (paths written on a system that ignores
    // case); path itself when it exists; empty when nothing matches.
    static CString FindFileIgnoringCase(const CString& path);
    // The structure file that a stored relative path names: the absolute path,
    // or a file that matches it ignoring case when the exact one is missing.
    CString LocateStructureFile(const CString& relativePath);

    // Set while the project reads itself; cleared by the main program's loading
    // when a structure cannot be located.
    int m_nStatus = 1;
    CString m_strText;
    // The new project file while a Save As runs, else empty: the project writer
    // makes the structure paths relative to it.
    CString m_strSaveAsPath;

protected:
    // The path of a structure file relative to the folder of base (the
    // application's base path when empty), in the stored form: "a\s.oxs",
    // "..\a\s.oxs". Both separators are read; case is kept.
    CString Convert2RelativePath(CString path, CString base);
    // The absolute path of a stored relative path, against the folder of the
    // application's base path; ".." never climbs above the root.
    CString Convert2AbsolutePath(CString path);

    // Saves the project file itself under its path, keeping its title.
    BOOL SaveProjectFile();

    // Owned, in the order they were added.
    std::list<ABaseStructureDoc*> m_structures;
    // One of m_structures, or null.
    ABaseStructureDoc* m_pActiveStructure = nullptr;
};
