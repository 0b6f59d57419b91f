#pragma once
// Compound files (structured storage): the structure and project files are a
// tree of storages and streams inside one file. The whole tree is kept in
// memory while a document has the file open:
//
//   CCompoundFile file(path);                           // reads and locks the file
//   auto sub = file.Root().OpenStorage("Strakon");      // a working copy of the storage
//   auto stream = sub->CreateStream("Contents");
//   stream->SetData(bytes);
//   sub->Commit();                                      // into the root's working copy
//   file.Root().Commit();                               // writes the file
//
// Every storage is transacted: what is done through a storage handle reaches
// its parent only with that handle's Commit, and the file only with the root's
// Commit, which writes a new file beside the target and renames it over the old
// one. A storage handle dropped without Commit leaves no trace, so a failed or
// interrupted save, or a stream created while reading, never changes the file.
//
// While a CCompoundFile has a file, it holds an advisory lock on it; a second
// opener, in this process or another, is refused with a sharing violation.
//
// Failures: a missing storage or stream and a file that is no compound file
// throw CArchiveException::badSchema; reading and writing the file throw
// CFileException with the system's cause.
#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CCompoundFile;

namespace compound_detail {
struct Node;
}

// One element of a storage, as its listing gives it.
struct CCompoundEntry {
    std::string name;
    bool isStorage = false;
    std::uint64_t size = 0; // bytes of a stream; 0 for a storage
};

// A stream: bytes that belong to the working copy of the storage it was opened
// from. Writing changes that working copy at once; the storage's Commit carries
// them on.
class CCompoundStream {
public:
    enum SeekOrigin { begin = 0, current = 1, end = 2 };

    CCompoundStream(const CCompoundStream&) = delete;
    CCompoundStream& operator=(const CCompoundStream&) = delete;
    ~CCompoundStream();

    const std::string& GetName() const { return m_name; }
    std::uint64_t GetLength() const;
    // Truncates or extends with zero bytes; the position stays where it is.
    void SetLength(std::uint64_t length);

    // The whole content, for archives that work on bytes in memory.
    const std::vector<std::uint8_t>& GetData() const;
    // Replaces the whole content; the position goes to the end.
    void SetData(std::vector<std::uint8_t> data);

    // Reads up to count bytes from the position; returns how many it read.
    std::size_t Read(void* buffer, std::size_t count);
    // Writes at the position, extending the stream as needed.
    void Write(const void* data, std::size_t count);
    // Returns the new position; a position before the start is a bad seek.
    std::uint64_t Seek(std::int64_t offset, SeekOrigin origin);
    std::uint64_t GetPosition() const { return m_pos; }

private:
    friend class CCompoundStorage;
    CCompoundStream(std::shared_ptr<compound_detail::Node> node, std::string name);

    std::shared_ptr<compound_detail::Node> m_node;
    std::string m_name;
    std::uint64_t m_pos = 0;
};

// A storage: a working copy of a folder of the compound file. Element names are
// compared without regard to ASCII case, as the file format does, and keep the
// case they were created with.
class CCompoundStorage {
public:
    CCompoundStorage(const CCompoundStorage&) = delete;
    CCompoundStorage& operator=(const CCompoundStorage&) = delete;
    ~CCompoundStorage();

    const std::string& GetName() const { return m_name; }

    std::vector<CCompoundEntry> Elements() const;
    bool Exists(std::string_view name) const;
    bool IsStorage(std::string_view name) const;
    bool IsStream(std::string_view name) const;

    // A working copy of an existing sub-storage; throws the bad-format archive
    // exception when there is none of that name.
    std::unique_ptr<CCompoundStorage> OpenStorage(std::string_view name);
    // A new, empty sub-storage that replaces any element of that name once committed.
    std::unique_ptr<CCompoundStorage> CreateStorage(std::string_view name);

    // An existing stream; throws the bad-format archive exception when there is
    // none of that name.
    std::unique_ptr<CCompoundStream> OpenStream(std::string_view name);
    // A new, empty stream that replaces any element of that name.
    std::unique_ptr<CCompoundStream> CreateStream(std::string_view name);

    // Removes an element with everything below it; false when there is none.
    bool DestroyElement(std::string_view name);

    // A sub-storage hands its working copy to its parent; the root storage
    // writes the file (see CCompoundFile::Commit).
    void Commit();
    // Drops the changes made since the last Commit.
    void Revert();

    // The class identifier stored with the storage (16 bytes, zero when none).
    std::array<std::uint8_t, 16> GetClassId() const;
    void SetClassId(const std::array<std::uint8_t, 16>& clsid);

private:
    friend class CCompoundFile;
    CCompoundStorage(CCompoundFile* file, std::shared_ptr<compound_detail::Node> parent, std::string name,
                     std::shared_ptr<compound_detail::Node> working);

    // Set for the root storage only: its Commit writes this file.
    CCompoundFile* m_pFile;
    // The working copy of the parent, which this storage's Commit updates
    // (null for the root).
    std::shared_ptr<compound_detail::Node> m_parent;
    std::string m_name;
    std::shared_ptr<compound_detail::Node> m_working;
};

class CCompoundFile {
public:
    // A new, empty compound file that has no file yet (see CommitAs).
    CCompoundFile();
    // Reads and locks an existing file.
    explicit CCompoundFile(const std::filesystem::path& path);
    CCompoundFile(const CCompoundFile&) = delete;
    CCompoundFile& operator=(const CCompoundFile&) = delete;
    // Releases the lock; changes not committed are dropped.
    ~CCompoundFile();

    // The file's root storage; it lives as long as this object.
    CCompoundStorage& Root() { return *m_root; }

    // The file being worked on; empty for a new file before CommitAs.
    const std::filesystem::path& GetPath() const { return m_path; }

    // Writes the root's working copy to the file: a new file beside it that is
    // renamed over the old one, so that a failure leaves the old file as it was.
    // A file without a path yet throws the bad-path file exception.
    void Commit();
    // Writes to another path, which from then on is this file's path and is
    // locked instead of the old one. A path that another opener holds is refused.
    void CommitAs(const std::filesystem::path& path);

    // Releases the lock and forgets the path; the content stays in memory.
    void Close();

    // The file's bytes as Commit would write them (for tests and copies).
    std::vector<std::uint8_t> Serialize() const;

private:
    friend class CCompoundStorage;
    void writeTo(const std::filesystem::path& path);

    std::filesystem::path m_path;
    int m_lockFd = -1;
    std::unique_ptr<CCompoundStorage> m_root;
};
