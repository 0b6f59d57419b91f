#include "app/messages/DocumentItemManager.h"

#include "app/messages/DocumentItemParser.h"
#include "platform/core/CArchive.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FileIO.h"
#include "platform/net/CWebGrab.h"

#include <QUrl>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr std::int64_t kListBytes = std::int64_t(1) << 20;
constexpr std::int64_t kDocumentBytes = std::int64_t(16) << 20;
constexpr int kListMilliseconds = 120000;
constexpr int kDocumentMilliseconds = 300000;
constexpr std::size_t kMaxNameLength = 100;
constexpr DWORD kReleaseWait = 500;

std::unique_ptr<DocumentItemManager> g_manager;

bool isWebAddress(const std::string& address) {
    const QUrl url(QString::fromStdString(address), QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    return url.isValid() && !url.host().isEmpty() &&
           (scheme == QLatin1String("http") || scheme == QLatin1String("https"));
}

void writeItem(CArchive& ar, const DocumentItem& item) {
    ar << static_cast<std::int32_t>(DocumentItemManager::kItemFormat);
    ar << static_cast<std::int32_t>(item.m_nId) << static_cast<std::int32_t>(item.m_nFormat)
       << static_cast<std::int32_t>(item.m_nStatus) << static_cast<std::int32_t>(item.m_nRevision)
       << item.m_nReserved << static_cast<std::int32_t>(item.m_expiration.GetDay());
    ar << item.m_address << item.m_title << item.m_language;
    ar << static_cast<std::int32_t>(item.m_links.size());
    for (const auto& [title, address] : item.m_links)
        ar << title << address;
    ar << static_cast<std::int32_t>(item.m_programs.size());
    for (const auto& [program, condition] : item.m_programs)
        ar << static_cast<std::int32_t>(program) << static_cast<std::int32_t>(condition);
}

std::unique_ptr<DocumentItem> readItem(CArchive& ar) {
    auto item = std::make_unique<DocumentItem>();
    std::int32_t format = 0, id = 0, kind = 0, status = 0, revision = 0, day = 0;
    ar >> format >> id >> kind >> status >> revision >> item->m_nReserved >> day;
    item->m_nId = id;
    item->m_nFormat = kind;
    item->m_nStatus = status;
    item->m_nRevision = revision;
    item->m_expiration = JulianDate(day);
    ar >> item->m_address >> item->m_title >> item->m_language;
    std::int32_t links = 0;
    ar >> links;
    if (links < 0) throw CArchiveException(CArchiveException::badIndex);
    ar.CheckCount(static_cast<std::uint64_t>(links), 2);
    for (std::int32_t i = 0; i < links; ++i) {
        std::string title, address;
        ar >> title >> address;
        item->m_links.emplace_back(std::move(title), std::move(address));
    }
    std::int32_t pairs = 0;
    ar >> pairs;
    if (pairs < 0) throw CArchiveException(CArchiveException::badIndex);
    ar.CheckCount(static_cast<std::uint64_t>(pairs), 8);
    for (std::int32_t i = 0; i < pairs; ++i) {
        std::int32_t program = 0, condition = 0;
        ar >> program >> condition;
        item->m_programs.emplace_back(program, condition);
    }
    return item;
}

} // namespace

// --- the single manager ------------------------------------------------------------------------------

DocumentItemManager* DocumentItemManager::Create(const std::string& listAddress,
                                                 const std::filesystem::path& storeFile,
                                                 const std::filesystem::path& folder, int programId,
                                                 int programVersion) {
    if (!g_manager)
        g_manager = std::make_unique<DocumentItemManager>(listAddress, storeFile, folder, programId, programVersion);
    return g_manager.get();
}

DocumentItemManager* DocumentItemManager::Instance() {
    return g_manager.get();
}

void DocumentItemManager::Release() {
    if (!g_manager) return;
    if (g_manager->Lock(kReleaseWait) == kLocked) {
        g_manager->ReloadIfChanged();
        g_manager->SaveIfModified();
        g_manager->Unlock();
    }
    g_manager.reset();
}

DocumentItemManager::DocumentItemManager(const std::string& listAddress, const std::filesystem::path& storeFile,
                                         const std::filesystem::path& folder, int programId, int programVersion)
    : m_listAddress(listAddress), m_storeFile(storeFile), m_folder(folder), m_nProgramId(programId),
      m_nProgramVersion(programVersion) {
    LoadLocal();
}

DocumentItemManager::~DocumentItemManager() {
    // Saving belongs to Release, under the lock: a store written without it
    // could overwrite another program's.
    if (m_bLocked) Unlock();
}

// --- the lock -----------------------------------------------------------------------------------------

DWORD DocumentItemManager::Lock(DWORD timeout) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout);
    for (;;) {
        bool expected = false;
        if (m_bLocked.compare_exchange_strong(expected, true)) {
            const std::filesystem::path lockFile = m_folder / ".lock";
            const int fd = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
            if (fd < 0) {
                // Without a lock file the lock holds within this process only.
                m_lockFd = -1;
                return kLocked;
            }
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
                m_lockFd = fd;
                return kLocked;
            }
            ::close(fd);
            m_bLocked = false;
        }
        if (std::chrono::steady_clock::now() >= deadline) return kTimeout;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

void DocumentItemManager::Unlock() {
    if (!m_bLocked) return;
    if (m_lockFd >= 0) {
        ::flock(m_lockFd, LOCK_UN);
        ::close(m_lockFd);
        m_lockFd = -1;
    }
    m_bLocked = false;
}

// --- the store ----------------------------------------------------------------------------------------

std::string DocumentItemManager::StoreIdentity() const {
    struct stat st {};
    if (::stat(m_storeFile.c_str(), &st) != 0) return {};
    return std::to_string(st.st_dev) + ":" + std::to_string(st.st_ino) + ":" + std::to_string(st.st_size) + ":" +
           std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec);
}

void DocumentItemManager::RememberStoreIdentity() {
    m_storeIdentity = StoreIdentity();
}

bool DocumentItemManager::LoadLocal() {
    std::vector<std::uint8_t> bytes;
    try {
        bytes = fileio::readFile(m_storeFile);
    } catch (const CFileException&) {
        // No store yet: an empty list.
        RememberStoreIdentity();
        return true;
    }
    std::vector<std::unique_ptr<DocumentItem>> items;
    bool autoDownload = true;
    try {
        CArchive ar(CArchive::load, std::move(bytes));
        std::int32_t format = 0, flag = 0, count = 0;
        ar >> format >> flag >> count;
        if (count < 0) throw CArchiveException(CArchiveException::badIndex);
        ar.CheckCount(static_cast<std::uint64_t>(count), 39);
        autoDownload = flag != 0;
        for (std::int32_t i = 0; i < count; ++i)
            items.push_back(readItem(ar));
    } catch (const CException&) {
        // Kept for whoever wants to look at it; the list starts empty.
        std::error_code ec;
        std::filesystem::path bad = m_storeFile;
        bad += ".bad";
        std::filesystem::rename(m_storeFile, bad, ec);
        m_items.clear();
        RememberStoreIdentity();
        return false;
    }
    m_items = std::move(items);
    if (!m_bAutoDownloadChanged) m_bAutoDownload = autoDownload;
    m_bModified = m_bAutoDownloadChanged;
    RememberStoreIdentity();
    return true;
}

bool DocumentItemManager::SaveLocal() {
    CArchive ar(CArchive::store);
    ar << static_cast<std::int32_t>(kStoreFormat) << static_cast<std::int32_t>(m_bAutoDownload ? 1 : 0)
       << static_cast<std::int32_t>(m_items.size());
    for (const auto& item : m_items)
        writeItem(ar, *item);
    try {
        fileio::writeFileAtomically(m_storeFile, ar.GetBuffer());
    } catch (const CException&) {
        return false;
    }
    m_bModified = false;
    m_bAutoDownloadChanged = false;
    RememberStoreIdentity();
    return true;
}

void DocumentItemManager::ReloadIfChanged() {
    if (StoreIdentity() != m_storeIdentity) LoadLocal();
}

bool DocumentItemManager::SaveIfModified() {
    return !m_bModified || SaveLocal();
}

void DocumentItemManager::SetAutoDownload(bool allow) {
    if (allow == m_bAutoDownload) return;
    m_bAutoDownload = allow;
    m_bAutoDownloadChanged = true;
    m_bModified = true;
}

// --- local copies -----------------------------------------------------------------------------------

std::filesystem::path DocumentItemManager::LocalPathOf(const DocumentItem& item) const {
    return LocalPathOf(item.m_nId, item.m_address);
}

std::filesystem::path DocumentItemManager::LocalPathOf(int id, const std::string& address) const {
    const QUrl url(QString::fromStdString(address));
    std::string path = url.path(QUrl::FullyDecoded).toStdString();
    const std::size_t slash = path.find_last_of("/\\");
    std::string last = slash == std::string::npos ? path : path.substr(slash + 1);
    for (char& c : last) {
        const bool safe = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' ||
                          c == '_' || c == '-';
        if (!safe) c = '_';
    }
    if (last.empty()) last = "document";
    std::string name = std::to_string(id) + "_" + last;
    if (name.size() > kMaxNameLength) name.resize(kMaxNameLength);

    const std::filesystem::path folder = m_folder.lexically_normal();
    const std::filesystem::path result = (folder / name).lexically_normal();
    if (result.parent_path() != folder || result.filename() != name) return {};
    if (result == m_storeFile.lexically_normal()) return {};
    return result;
}

bool DocumentItemManager::HasCopy(const DocumentItem& item) const {
    const std::filesystem::path path = LocalPathOf(item);
    struct stat st {};
    return !path.empty() && ::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool DocumentItemManager::WriteCopy(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) const {
    // The new file is renamed over the name itself: a symbolic link planted
    // there is replaced, never followed, and a failed write leaves the old copy.
    std::string temp;
    int fd = -1;
    int err = fileio::createTempBeside(path, temp, fd);
    if (!err) err = fileio::writeAllAndSync(fd, bytes.data(), bytes.size());
    if (!err) err = fileio::renameOver(fd, temp, path);
    if (fd >= 0 && ::close(fd) != 0 && !err) err = errno;
    if (err) fileio::discardTemp(temp);
    return err == 0;
}

// --- the update ---------------------------------------------------------------------------------------

bool DocumentItemManager::Fetch(const std::string& url, std::vector<std::uint8_t>& bytes, bool list) {
    if (m_fetcher) return m_fetcher(url, bytes, list);
    CWebGrab grab;
    grab.m_nTotalTimeout = list ? kListMilliseconds : kDocumentMilliseconds;
    grab.m_nMaxBytes = list ? kListBytes : kDocumentBytes;
    grab.m_pAbort = &m_bAbort;
    if (m_grabSetup) m_grabSetup(grab, list);
    return grab.GetFile(url, bytes);
}

DocumentItem* DocumentItemManager::Find(int id) const {
    for (const auto& item : m_items)
        if (item->m_nId == id) return item.get();
    return nullptr;
}

bool DocumentItemManager::Update() {
    ReloadIfChanged();
    std::vector<std::uint8_t> bytes;
    if (m_bAbort || !Fetch(m_listAddress, bytes, true)) return false;
    DocumentItemParser::List list;
    if (!DocumentItemParser::ParseList(reinterpret_cast<const char*>(bytes.data()), bytes.size(), list))
        return false;

    int fetched = 0;
    for (std::unique_ptr<DocumentItem>& item : list.items) {
        if (m_bAbort) break;
        if (!item->AppliesTo(m_nProgramId, m_nProgramVersion) || !isWebAddress(item->m_address)) continue;
        const std::filesystem::path path = LocalPathOf(*item);
        if (path.empty()) continue;
        DocumentItem* present = Find(item->m_nId);
        // A present copy of the same or a later revision stays, unless its file went missing.
        const bool refetch = present && present->m_nRevision >= item->m_nRevision;
        if (refetch && HasCopy(*present)) continue;
        if (fetched == kMaxDocumentsPerUpdate) break;
        ++fetched;
        std::vector<std::uint8_t> document;
        if (!Fetch(item->m_address, document, false) || m_bAbort || !WriteCopy(path, document)) continue;
        if (present) {
            const std::filesystem::path old = LocalPathOf(*present);
            if (!old.empty() && old != path) {
                std::error_code ec;
                std::filesystem::remove(old, ec);
            }
            if (refetch) {
                item->m_nStatus = present->m_nStatus;
            } else {
                item->m_nStatus = documentstatus::kUpdated;
                ++m_nUpdatedCount;
            }
            std::erase_if(m_items, [&](const std::unique_ptr<DocumentItem>& p) { return p.get() == present; });
        } else {
            item->m_nStatus = documentstatus::kNew;
            ++m_nNewCount;
        }
        m_items.push_back(std::move(item));
        m_bModified = true;
    }

    for (int id : list.obsolete) {
        DocumentItem* present = Find(id);
        if (present && present->m_nStatus != documentstatus::kObsolete) {
            present->m_nStatus = documentstatus::kObsolete;
            m_bModified = true;
        }
    }
    const bool saved = SaveIfModified();
    return saved && !m_bAbort;
}
