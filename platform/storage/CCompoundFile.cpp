#include "platform/storage/CCompoundFile.h"

#include "platform/core/CString.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FileIO.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-utils.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <mutex>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace compound_detail {

struct Node {
    bool isStorage = false;
    std::vector<std::uint8_t> data;
    // Element names compare as the file format compares them: without regard to case.
    std::map<std::string, std::shared_ptr<Node>, NoCaseLess> children;
    std::array<std::uint8_t, 16> clsid{};
};

} // namespace compound_detail

using compound_detail::Node;

namespace {

// Files written by foreign programs may nest deeper than ours ever do, but a
// tree deeper than this is taken for a damaged one.
constexpr int kMaxDepth = 64;
// The format's limit on element names, in UTF-16 code units.
constexpr std::size_t kMaxNameUnits = 31;

std::shared_ptr<Node> clone(const Node& node) {
    auto copy = std::make_shared<Node>();
    copy->isStorage = node.isStorage;
    copy->data = node.data;
    copy->clsid = node.clsid;
    for (const auto& [name, child] : node.children)
        copy->children.emplace(name, clone(*child));
    return copy;
}

std::size_t utf16Units(std::string_view utf8) {
    std::size_t units = 0;
    for (unsigned char c : utf8) {
        if ((c & 0xC0) == 0x80) continue; // continuation byte
        units += (c >= 0xF0) ? 2 : 1;     // four-byte sequences need a surrogate pair
    }
    return units;
}

bool isValidName(std::string_view name) {
    if (name.empty() || utf16Units(name) > kMaxNameUnits) return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == '/' || c == '\\' || c == ':' || c == '!';
    });
}

void requireValidName(std::string_view name) {
    if (!isValidName(name))
        throw CFileException(CFileException::badPath, std::string(name), 0, "invalid storage or stream name");
}

[[noreturn]] void throwMissing(const char* kind, std::string_view name) {
    throw CArchiveException(CArchiveException::badSchema, {},
                            std::string("no ") + kind + " \"" + std::string(name) + "\"");
}

[[noreturn]] void throwErrno(const std::filesystem::path& path, int err) {
    throw CFileException(CFileException::causeFromErrno(err), path.string(), err);
}

[[noreturn]] void throwInUse(const std::filesystem::path& path) {
    throw CFileException(CFileException::sharingViolation, path.string(), 0,
                         "the file is open in another window or program");
}

// What the compound-file reader of libgsf complains about while this thread
// reads a file. libgsf drops a directory entry it cannot make sense of with no
// more than a warning, so the file would seem to open whole with streams missing.
thread_local std::vector<std::string>* t_readerComplaints = nullptr;

void gsfLogHandler(const gchar* domain, GLogLevelFlags level, const gchar* message, gpointer) {
    if (t_readerComplaints) {
        t_readerComplaints->emplace_back(message ? message : "");
        return;
    }
    g_log_default_handler(domain, level, message, nullptr);
}

void initGsf() {
    static std::once_flag once;
    std::call_once(once, [] {
        gsf_init();
        g_log_set_handler(
            "libgsf:msole",
            static_cast<GLogLevelFlags>(G_LOG_LEVEL_WARNING | G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_MESSAGE),
            gsfLogHandler, nullptr);
    });
}

// Collects libgsf's complaints for as long as it lives.
class ReaderComplaints {
public:
    ReaderComplaints() : m_outer(t_readerComplaints) { t_readerComplaints = &m_list; }
    ~ReaderComplaints() { t_readerComplaints = m_outer; }
    ReaderComplaints(const ReaderComplaints&) = delete;
    ReaderComplaints& operator=(const ReaderComplaints&) = delete;
    const std::vector<std::string>& list() const { return m_list; }

private:
    std::vector<std::string> m_list;
    std::vector<std::string>* m_outer;
};

[[noreturn]] void throwDamaged(const std::string& fileName, const std::string& detail) {
    throw CArchiveException(CArchiveException::badSchema, fileName, "damaged compound file (" + detail + ")");
}

// GObject references released on every path.
template <class T> struct GRef {
    T* p = nullptr;
    explicit GRef(T* q) : p(q) {}
    GRef(const GRef&) = delete;
    GRef& operator=(const GRef&) = delete;
    ~GRef() {
        if (p) g_object_unref(p);
    }
};

// ---- reading --------------------------------------------------------------

void readChildren(GsfInfile* dir, Node& node, int depth, const std::string& fileName) {
    if (depth > kMaxDepth)
        throw CArchiveException(CArchiveException::badSchema, fileName, "storages nested too deeply");
    const int count = gsf_infile_num_children(dir);
    for (int i = 0; i < count; ++i) {
        const char* rawName = gsf_infile_name_by_index(dir, i);
        GRef<GsfInput> child(gsf_infile_child_by_index(dir, i));
        if (!rawName || !child.p)
            throwDamaged(fileName, rawName ? std::string("element \"") + rawName + "\" cannot be opened"
                                           : "an element has no name");
        if (!*rawName) throwDamaged(fileName, "an element has an empty name");
        // Two elements of one name (as the format compares names) cannot both be
        // reached; taking one of them would open the file half.
        if (node.children.count(rawName))
            throwDamaged(fileName, std::string("two elements are named \"") + rawName + "\"");
        auto element = std::make_shared<Node>();
        if (GSF_IS_INFILE(child.p) && gsf_infile_num_children(GSF_INFILE(child.p)) >= 0) {
            element->isStorage = true;
            if (GSF_IS_INFILE_MSOLE(child.p))
                gsf_infile_msole_get_class_id(GSF_INFILE_MSOLE(child.p), element->clsid.data());
            readChildren(GSF_INFILE(child.p), *element, depth + 1, fileName);
        } else {
            const gsf_off_t size = gsf_input_size(child.p);
            if (size < 0) throw CArchiveException(CArchiveException::badSchema, fileName, "damaged stream");
            element->data.resize(static_cast<std::size_t>(size));
            std::size_t done = 0;
            while (done < element->data.size()) {
                const std::size_t chunk = std::min<std::size_t>(element->data.size() - done, 1u << 20);
                if (!gsf_input_read(child.p, chunk, element->data.data() + done))
                    throw CArchiveException(CArchiveException::badSchema, fileName,
                                            std::string("damaged stream \"") + rawName + "\"");
                done += chunk;
            }
        }
        node.children.emplace(rawName, std::move(element));
    }
}

std::shared_ptr<Node> parseCompound(const std::vector<std::uint8_t>& bytes, const std::string& fileName) {
    initGsf();
    ReaderComplaints complaints;
    GRef<GsfInput> input(gsf_input_memory_new(bytes.data(), static_cast<gsf_off_t>(bytes.size()), FALSE));
    GError* error = nullptr;
    GRef<GsfInfile> ole(gsf_infile_msole_new(input.p, &error));
    if (!ole.p) {
        std::string detail = "not a compound file";
        if (error) {
            if (error->message) detail += std::string(" (") + error->message + ")";
            g_error_free(error);
        }
        throw CArchiveException(CArchiveException::badSchema, fileName, detail);
    }
    auto root = std::make_shared<Node>();
    root->isStorage = true;
    gsf_infile_msole_get_class_id(GSF_INFILE_MSOLE(ole.p), root->clsid.data());
    readChildren(ole.p, *root, 0, fileName);
    if (!complaints.list().empty()) throwDamaged(fileName, complaints.list().front());
    return root;
}

// ---- writing --------------------------------------------------------------

bool isZero(const std::array<std::uint8_t, 16>& clsid) {
    return std::all_of(clsid.begin(), clsid.end(), [](std::uint8_t b) { return b == 0; });
}

void writeChildren(GsfOutfile* dir, const Node& node) {
    for (const auto& [name, child] : node.children) {
        GRef<GsfOutput> out(gsf_outfile_new_child(dir, name.c_str(), child->isStorage ? TRUE : FALSE));
        if (!out.p)
            throw CFileException(CFileException::genericException, {}, 0, "cannot add \"" + name + "\"");
        if (child->isStorage) {
            if (!isZero(child->clsid))
                gsf_outfile_msole_set_class_id(GSF_OUTFILE_MSOLE(out.p), child->clsid.data());
            writeChildren(GSF_OUTFILE(out.p), *child);
        } else if (!child->data.empty() && !gsf_output_write(out.p, child->data.size(), child->data.data())) {
            throw CFileException(CFileException::genericException, {}, 0, "cannot write \"" + name + "\"");
        }
        gsf_output_close(out.p);
    }
}

// ---- the file and its lock ------------------------------------------------

bool sameFile(int fd, const std::filesystem::path& path) {
    struct stat a {
    }, b{};
    return ::fstat(fd, &a) == 0 && ::stat(path.c_str(), &b) == 0 && a.st_dev == b.st_dev &&
           a.st_ino == b.st_ino;
}

// Opens the file and takes its advisory lock without waiting. A file replaced
// by a rename between the open and the lock is opened again, so that the lock
// always sits on the file that the path names.
int openLocked(const std::filesystem::path& path) {
    for (int attempt = 0; attempt < 8; ++attempt) {
        int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) throwErrno(path, errno);
        struct stat st {};
        if (::fstat(fd, &st) != 0) {
            int err = errno;
            ::close(fd);
            throwErrno(path, err);
        }
        if (!S_ISREG(st.st_mode)) {
            ::close(fd);
            throw CFileException(CFileException::invalidFile, path.string(), 0, "not a regular file");
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            int err = errno;
            ::close(fd);
            if (err == EWOULDBLOCK) throwInUse(path);
            throwErrno(path, err);
        }
        if (sameFile(fd, path)) return fd;
        ::close(fd);
    }
    throwInUse(path);
}

std::vector<std::uint8_t> readLocked(int fd, const std::filesystem::path& path) {
    std::vector<std::uint8_t> data;
    if (int err = fileio::readAll(fd, data)) throwErrno(path, err);
    return data;
}

} // namespace

// ---- CCompoundStream ------------------------------------------------------

CCompoundStream::CCompoundStream(std::shared_ptr<Node> node, std::string name)
    : m_node(std::move(node)), m_name(std::move(name)) {}

CCompoundStream::~CCompoundStream() = default;

std::uint64_t CCompoundStream::GetLength() const {
    return m_node->data.size();
}

void CCompoundStream::SetLength(std::uint64_t length) {
    if (length > m_node->data.max_size()) throw CMemoryException();
    m_node->data.resize(static_cast<std::size_t>(length));
}

const std::vector<std::uint8_t>& CCompoundStream::GetData() const {
    return m_node->data;
}

void CCompoundStream::SetData(std::vector<std::uint8_t> data) {
    m_node->data = std::move(data);
    m_pos = m_node->data.size();
}

std::size_t CCompoundStream::Read(void* buffer, std::size_t count) {
    const auto& data = m_node->data;
    if (m_pos >= data.size()) return 0;
    const std::size_t n = std::min<std::uint64_t>(count, data.size() - m_pos);
    std::memcpy(buffer, data.data() + m_pos, n);
    m_pos += n;
    return n;
}

void CCompoundStream::Write(const void* source, std::size_t count) {
    if (count == 0) return;
    auto& data = m_node->data;
    if (m_pos + count > data.max_size()) throw CMemoryException();
    if (m_pos + count > data.size()) data.resize(static_cast<std::size_t>(m_pos + count));
    std::memcpy(data.data() + m_pos, source, count);
    m_pos += count;
}

std::uint64_t CCompoundStream::Seek(std::int64_t offset, SeekOrigin origin) {
    std::int64_t base = 0;
    if (origin == current)
        base = static_cast<std::int64_t>(m_pos);
    else if (origin == end)
        base = static_cast<std::int64_t>(m_node->data.size());
    const std::int64_t target = base + offset;
    if (target < 0) throw CFileException(CFileException::badSeek, m_name);
    m_pos = static_cast<std::uint64_t>(target);
    return m_pos;
}

// ---- CCompoundStorage -----------------------------------------------------

CCompoundStorage::CCompoundStorage(CCompoundFile* file, std::shared_ptr<Node> parent, std::string name,
                                   std::shared_ptr<Node> working)
    : m_pFile(file), m_parent(std::move(parent)), m_name(std::move(name)), m_working(std::move(working)) {}

CCompoundStorage::~CCompoundStorage() = default;

std::vector<CCompoundEntry> CCompoundStorage::Elements() const {
    std::vector<CCompoundEntry> entries;
    entries.reserve(m_working->children.size());
    for (const auto& [name, child] : m_working->children)
        entries.push_back({name, child->isStorage, child->isStorage ? 0 : child->data.size()});
    return entries;
}

bool CCompoundStorage::Exists(std::string_view name) const {
    return m_working->children.count(std::string(name)) != 0;
}

bool CCompoundStorage::IsStorage(std::string_view name) const {
    auto it = m_working->children.find(std::string(name));
    return it != m_working->children.end() && it->second->isStorage;
}

bool CCompoundStorage::IsStream(std::string_view name) const {
    auto it = m_working->children.find(std::string(name));
    return it != m_working->children.end() && !it->second->isStorage;
}

std::unique_ptr<CCompoundStorage> CCompoundStorage::OpenStorage(std::string_view name) {
    auto it = m_working->children.find(std::string(name));
    if (it == m_working->children.end() || !it->second->isStorage) throwMissing("storage", name);
    return std::unique_ptr<CCompoundStorage>(
        new CCompoundStorage(nullptr, m_working, it->first, clone(*it->second)));
}

std::unique_ptr<CCompoundStorage> CCompoundStorage::CreateStorage(std::string_view name) {
    requireValidName(name);
    auto node = std::make_shared<Node>();
    node->isStorage = true;
    return std::unique_ptr<CCompoundStorage>(
        new CCompoundStorage(nullptr, m_working, std::string(name), node));
}

std::unique_ptr<CCompoundStream> CCompoundStorage::OpenStream(std::string_view name) {
    auto it = m_working->children.find(std::string(name));
    if (it == m_working->children.end() || it->second->isStorage) throwMissing("stream", name);
    return std::unique_ptr<CCompoundStream>(new CCompoundStream(it->second, it->first));
}

std::unique_ptr<CCompoundStream> CCompoundStorage::CreateStream(std::string_view name) {
    requireValidName(name);
    auto node = std::make_shared<Node>();
    m_working->children.erase(std::string(name));
    m_working->children.emplace(std::string(name), node);
    return std::unique_ptr<CCompoundStream>(new CCompoundStream(node, std::string(name)));
}

bool CCompoundStorage::DestroyElement(std::string_view name) {
    return m_working->children.erase(std::string(name)) != 0;
}

void CCompoundStorage::Commit() {
    if (m_pFile) {
        m_pFile->Commit();
        return;
    }
    // The parent keeps a copy, so that later changes here need a Commit again.
    m_parent->children.erase(m_name);
    m_parent->children.emplace(m_name, clone(*m_working));
}

void CCompoundStorage::Revert() {
    if (m_pFile) {
        // The root goes back to what the file holds (nothing for a new file).
        if (m_pFile->GetPath().empty()) {
            m_working->children.clear();
            m_working->clsid = {};
        } else {
            auto bytes = readLocked(m_pFile->m_lockFd, m_pFile->GetPath());
            *m_working = *parseCompound(bytes, m_pFile->GetPath().string());
        }
        return;
    }
    auto it = m_parent->children.find(m_name);
    if (it != m_parent->children.end() && it->second->isStorage) {
        m_working = clone(*it->second);
    } else {
        m_working = std::make_shared<Node>();
        m_working->isStorage = true;
    }
}

std::array<std::uint8_t, 16> CCompoundStorage::GetClassId() const {
    return m_working->clsid;
}

void CCompoundStorage::SetClassId(const std::array<std::uint8_t, 16>& clsid) {
    m_working->clsid = clsid;
}

// ---- CCompoundFile --------------------------------------------------------

CCompoundFile::CCompoundFile() {
    auto root = std::make_shared<Node>();
    root->isStorage = true;
    m_root.reset(new CCompoundStorage(this, nullptr, "Root Entry", root));
}

CCompoundFile::CCompoundFile(const std::filesystem::path& path) : m_path(path) {
    m_lockFd = openLocked(path);
    try {
        auto tree = parseCompound(readLocked(m_lockFd, path), path.string());
        m_root.reset(new CCompoundStorage(this, nullptr, "Root Entry", std::move(tree)));
    } catch (...) {
        ::close(m_lockFd);
        m_lockFd = -1;
        throw;
    }
}

CCompoundFile::~CCompoundFile() {
    Close();
}

void CCompoundFile::Close() {
    if (m_lockFd >= 0) ::close(m_lockFd);
    m_lockFd = -1;
    m_path.clear();
}

std::vector<std::uint8_t> CCompoundFile::Serialize() const {
    initGsf();
    GRef<GsfOutput> sink(gsf_output_memory_new());
    {
        GRef<GsfOutfile> ole(gsf_outfile_msole_new(sink.p));
        if (!ole.p)
            throw CFileException(CFileException::genericException, m_path.string(), 0, "cannot build file");
        const Node& root = *m_root->m_working;
        if (!isZero(root.clsid)) gsf_outfile_msole_set_class_id(GSF_OUTFILE_MSOLE(ole.p), root.clsid.data());
        try {
            writeChildren(ole.p, root);
        } catch (...) {
            gsf_output_close(GSF_OUTPUT(ole.p));
            throw;
        }
        if (!gsf_output_close(GSF_OUTPUT(ole.p)))
            throw CFileException(CFileException::genericException, m_path.string(), 0, "cannot build file");
    }
    // Closing the compound writer closes its sink as well.
    if (!gsf_output_is_closed(sink.p)) gsf_output_close(sink.p);
    const gsf_off_t size = gsf_output_size(sink.p);
    const guint8* bytes = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(sink.p));
    if (size < 0 || (size > 0 && !bytes))
        throw CFileException(CFileException::genericException, m_path.string(), 0, "cannot build file");
    return std::vector<std::uint8_t>(bytes, bytes + size);
}

void CCompoundFile::Commit() {
    if (m_path.empty()) throw CFileException(CFileException::badPath, {}, 0, "the file has no name yet");
    writeTo(m_path);
}

void CCompoundFile::CommitAs(const std::filesystem::path& path) {
    if (path.empty()) throw CFileException(CFileException::badPath, {}, 0, "the file has no name");
    writeTo(path);
}

void CCompoundFile::writeTo(const std::filesystem::path& path) {
    const std::vector<std::uint8_t> bytes = Serialize();
    // Saving through a link replaces the linked file and keeps the link.
    const std::filesystem::path target = fileio::resolveLinks(path);
    std::string temp;
    int fd = -1;
    if (int err = fileio::createTempBeside(target, temp, fd)) throwErrno(path, err);
    int otherFd = -1;
    auto fail = [&](int err) {
        ::close(fd);
        fileio::discardTemp(temp);
        if (otherFd >= 0) ::close(otherFd);
        if (err == EWOULDBLOCK) throwInUse(path);
        throwErrno(path, err);
    };
    if (int err = fileio::writeAllAndSync(fd, bytes.data(), bytes.size())) fail(err);
    // The new file is locked (it is from its making on) before it takes the
    // name, so that no other opener can slip in between the rename and the lock.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) fail(errno);
    // An existing file that is not ours must not be held by another opener.
    const bool ours = m_lockFd >= 0 && sameFile(m_lockFd, target);
    if (!ours) {
        otherFd = ::open(target.c_str(), O_RDONLY | O_CLOEXEC);
        if (otherFd >= 0 && ::flock(otherFd, LOCK_EX | LOCK_NB) != 0) fail(errno);
        if (otherFd < 0 && errno != ENOENT) fail(errno);
    }
    if (int err = fileio::renameOver(fd, temp, target)) fail(err);
    if (otherFd >= 0) ::close(otherFd);
    if (m_lockFd >= 0) ::close(m_lockFd);
    m_lockFd = fd;
    m_path = path;
}
