#pragma once
// A document kept in a compound file. From the moment it is opened (or first
// saved) until it is closed, the document holds its file open and locked, so a
// second program or window that opens the same file is refused with a sharing
// violation. Opening reads the file through LoadFromStorage, saving writes it
// through SaveToStorage; derived documents choose the storages and streams.
//
// Every storage handle is a working copy (see CCompoundFile): what a load
// creates without committing never reaches the file, and a save that fails
// before the root's commit leaves the file as it was. Saving under another name
// writes the new file and moves the lock to it.
#include "platform/ui/CDocument.h"

#include <filesystem>
#include <memory>

class CArchive;
class CCompoundFile;
class CCompoundStorage;

class COleDocument : public CDocument {
    DECLARE_DYNAMIC(COleDocument)
public:
    COleDocument();
    // Releases the file and its lock.
    ~COleDocument() override;

    // With the compound-file mode off the document reads and writes a plain
    // archive file, as CDocument does. It is on after construction.
    void EnableCompoundFile(BOOL bEnable = TRUE) { m_bCompoundFile = bEnable; }
    BOOL HasCompoundFile() const { return m_bCompoundFile; }

    // The root storage of the document's file; null while the document has none.
    CCompoundStorage* GetRootStorage() const;
    // The open file; null for a new document that was never saved.
    CCompoundFile* GetCompoundFile() const { return m_pFile.get(); }

    // A new document holds no file.
    BOOL OnNewDocument() override;
    // Opens and locks the file, then LoadFromStorage. A file that cannot be
    // opened (held by another opener, no compound file, unreadable) or whose
    // load throws is reported; the document is then empty and holds no file.
    BOOL OnOpenDocument(const char* lpszPathName) override;
    // SaveToStorage into the document's file, or into a new file under another
    // name; a failure is reported and the file on disk stays as it was.
    BOOL OnSaveDocument(const char* lpszPathName) override;
    // Releases the file before the base closes (and perhaps deletes) the document.
    void OnCloseDocument() override;

    // Reads the document from the root storage: the stream "Contents" through
    // Serialize. Throws the archive or file exception of what failed.
    virtual void LoadFromStorage();
    // Writes pObject (or the document when null) through Serialize into the
    // stream "Contents" of the root storage and commits the file.
    virtual void SaveToStorage(CObject* pObject = nullptr);
    // Told whether the items of the document are to be committed with the save
    // in progress; FALSE after a failed save. The base keeps no items.
    virtual void CommitItems(BOOL bSuccess);

protected:
    // Writes the root storage's working copy to disk: to the document's file,
    // or, while a save under another name is under way, to that file, which
    // then holds the lock. Called by SaveToStorage as its last step.
    void CommitRootStorage();
    // Serialize of pObject, or of the document when it is null. Only documents
    // know how to store themselves; any other object is refused (bad class).
    virtual void SerializeObject(CObject* pObject, CArchive& ar);

    BOOL m_bCompoundFile = TRUE;

private:
    std::unique_ptr<CCompoundFile> m_pFile;
    // The file that the save in progress goes to when it is not the open one.
    std::filesystem::path m_saveAsPath;
};
