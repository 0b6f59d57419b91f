#pragma once
// The news documents this program has received: their list, the local copies
// of their files, and the store that keeps the list between runs. Update
// downloads the message list and the documents that are new or newer.
//
// Everything that reads or changes the list runs under the manager's lock,
// which keeps two running programs (and, within one, the background check and
// the viewer) apart: flock on "<folder>/.lock", held while locked, plus a flag
// of this process. The lock belongs to no thread. Whoever takes it reloads a
// store that another program changed on disk before working on the list.
#include "app/messages/DocumentItem.h"
#include "platform/core/WinTypes.h"

#include <atomic>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CWebGrab;

class DocumentItemManager {
public:
    static constexpr DWORD kLocked = 0;       // the wait result of a lock taken
    static constexpr DWORD kTimeout = 0x102;  // the lock is held elsewhere
    static constexpr int kStoreFormat = 100;
    static constexpr int kItemFormat = 100;
    static constexpr int kMaxDocumentsPerUpdate = 100;

    // Creates the single manager unless it exists; the manager.
    static DocumentItemManager* Create(const std::string& listAddress, const std::filesystem::path& storeFile,
                                       const std::filesystem::path& folder, int programId, int programVersion);
    // The single manager; null before Create and after Release.
    static DocumentItemManager* Instance();
    // Saves what changed (under the lock, when it can be had within half a
    // second) and deletes the manager. The caller has ended every update first.
    static void Release();

    DocumentItemManager(const std::string& listAddress, const std::filesystem::path& storeFile,
                        const std::filesystem::path& folder, int programId, int programVersion);
    virtual ~DocumentItemManager();
    DocumentItemManager(const DocumentItemManager&) = delete;
    DocumentItemManager& operator=(const DocumentItemManager&) = delete;

    // kLocked when the lock was taken within timeout milliseconds, else kTimeout.
    // A lock this process holds fails at once, without touching the lock file.
    DWORD Lock(DWORD timeout);
    void Unlock();
    bool IsLocked() const { return m_bLocked.load(); }

    // Downloads the list and the documents; false when the list could not be
    // fetched or was rejected, when it was cancelled, or when the store could not
    // be saved. Runs under the lock.
    bool Update();
    // Asks a running update to give up (seen within 100 ms); false lets updates run again.
    void Abort(bool abort = true) { m_bAbort = abort; }

    void SetAutoDownload(bool allow);
    bool GetAutoDownload() const { return m_bAutoDownload; }

    // The local copy of a document: "<id>_" and the last segment of its
    // address's path, made safe, inside the document folder. Empty when the
    // address has none that could be used.
    std::filesystem::path LocalPathOf(const DocumentItem& item) const;
    std::filesystem::path LocalPathOf(int id, const std::string& address) const;

    // Reads the store. A store that cannot be read whole is renamed to ".bad"
    // and the list starts empty. False when it was damaged.
    bool LoadLocal();
    // Writes the store atomically; false when that failed.
    bool SaveLocal();
    // Under the lock: reads the store again when another program changed it
    // since this one last read or wrote it. A pending change of the
    // automatic-download switch is kept.
    void ReloadIfChanged();
    // Under the lock: saves when something changed.
    bool SaveIfModified();

    // Fetches url whole into bytes; list says whether it is the message list
    // (whose limits are tighter). Tests replace the download.
    using Fetcher = std::function<bool(const std::string& url, std::vector<std::uint8_t>& bytes, bool list)>;
    void SetFetcher(Fetcher fetcher) { m_fetcher = std::move(fetcher); }
    // Adjusts each download (tests shorten the limits and leave out proxies).
    void SetGrabSetup(std::function<void(CWebGrab&, bool list)> setup) { m_grabSetup = std::move(setup); }

    const std::filesystem::path& GetStoreFile() const { return m_storeFile; }
    const std::filesystem::path& GetFolder() const { return m_folder; }
    const std::string& GetListAddress() const { return m_listAddress; }

    // Read by the viewer and the main frame's notification.
    std::atomic<int> m_nNewCount{0};
    std::atomic<int> m_nUpdatedCount{0};
    bool m_bModified = false;
    bool m_bAutoDownload = true;
    std::vector<std::unique_ptr<DocumentItem>> m_items;

private:
    bool Fetch(const std::string& url, std::vector<std::uint8_t>& bytes, bool list);
    DocumentItem* Find(int id) const;
    bool HasCopy(const DocumentItem& item) const;
    bool WriteCopy(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) const;
    void RememberStoreIdentity();
    std::string StoreIdentity() const;

    std::string m_listAddress;
    std::filesystem::path m_storeFile;
    std::filesystem::path m_folder;
    int m_nProgramId = 0;
    int m_nProgramVersion = 0;
    std::string m_storeIdentity;
    bool m_bAutoDownloadChanged = false;
    std::atomic<bool> m_bLocked{false};
    int m_lockFd = -1;
    std::atomic<bool> m_bAbort{false};
    Fetcher m_fetcher;
    std::function<void(CWebGrab&, bool)> m_grabSetup;
};
