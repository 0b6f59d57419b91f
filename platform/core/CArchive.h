#pragma once
// The binary archive of the structure and project files: little-endian 32-bit
// words, 8-byte IEEE doubles, flags as 32-bit words, and strings with the
// original framework's length prefix in one of three forms. Text is UTF-8 in
// memory and a single-byte code page in the file.
//
// An archive works on bytes in memory. Loading takes the bytes (from a buffer or
// a whole file); storing collects them and hands them over (GetBuffer/Detach) or,
// for a file archive, writes the file atomically on Close.
#include "platform/core/CodePage.h"
#include "platform/core/Exceptions.h"

#include <bit>
#include <cstdint>
#include <type_traits>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

class CDocument;

class CArchive {
public:
    enum Mode { store = 0, load = 1 };

    // Storing into an internal buffer.
    explicit CArchive(Mode mode);
    // Loading from (or, for store, appending to) the given bytes.
    CArchive(Mode mode, std::vector<std::uint8_t> bytes);
    // A file archive: loading reads the whole file now, storing writes it on Close.
    CArchive(Mode mode, const std::filesystem::path& file);

    CArchive(CArchive&&) noexcept = default;
    CArchive& operator=(CArchive&&) noexcept = default;
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;
    ~CArchive();

    bool IsStoring() const { return m_mode == store; }
    bool IsLoading() const { return m_mode == load; }

    // The code page of the archive's text (Windows-1252 unless set).
    void SetCodePage(const std::string& codePage);
    const std::string& GetCodePage() const { return m_codePage; }

    const std::string& GetFileName() const { return m_fileName; }

    // Raw bytes. Read returns how many bytes it could read (fewer at the end).
    void Write(const void* data, std::size_t count);
    std::size_t Read(void* data, std::size_t count);
    // Reads exactly count bytes or throws the end-of-data exception.
    void ReadExact(void* data, std::size_t count);

    // Position and what is left to read.
    std::size_t GetPosition() const { return m_pos; }
    std::size_t BytesLeft() const { return m_bytes.size() - m_pos; }
    std::size_t Size() const { return m_bytes.size(); }

    // A count read from the file asks for count items of at least bytesPerItem
    // bytes each; a count that the rest of the data cannot hold is a bad format.
    void CheckCount(std::uint64_t count, std::size_t bytesPerItem) const;

    // The stored bytes.
    const std::vector<std::uint8_t>& GetBuffer() const { return m_bytes; }
    std::vector<std::uint8_t> Detach();

    // Writes a file archive's bytes (atomically). Loading archives just close.
    void Close();
    void Flush() {}
    // Drops a file archive without writing.
    void Abort();

    // Numbers.
    CArchive& operator<<(std::uint8_t v) { return put(v); }
    CArchive& operator<<(std::int8_t v) { return put(v); }
    CArchive& operator<<(char v) { return put(v); }
    CArchive& operator<<(std::uint16_t v) { return put(v); }
    CArchive& operator<<(std::int16_t v) { return put(v); }
    CArchive& operator<<(std::uint32_t v) { return put(v); }
    CArchive& operator<<(std::int32_t v) { return put(v); }
    CArchive& operator<<(std::uint64_t v) { return put(v); }
    CArchive& operator<<(std::int64_t v) { return put(v); }
    CArchive& operator<<(float v) { return put(v); }
    CArchive& operator<<(double v) { return put(v); }
    // A flag: a 32-bit word holding 0 or 1.
    CArchive& operator<<(bool v) { return put(static_cast<std::uint32_t>(v ? 1 : 0)); }

    CArchive& operator>>(std::uint8_t& v) { return get(v); }
    CArchive& operator>>(std::int8_t& v) { return get(v); }
    CArchive& operator>>(char& v) { return get(v); }
    CArchive& operator>>(std::uint16_t& v) { return get(v); }
    CArchive& operator>>(std::int16_t& v) { return get(v); }
    CArchive& operator>>(std::uint32_t& v) { return get(v); }
    CArchive& operator>>(std::int32_t& v) { return get(v); }
    CArchive& operator>>(std::uint64_t& v) { return get(v); }
    CArchive& operator>>(std::int64_t& v) { return get(v); }
    CArchive& operator>>(float& v) { return get(v); }
    CArchive& operator>>(double& v) { return get(v); }
    // A flag word: only its lowest byte counts.
    CArchive& operator>>(bool& v);

    // Strings in the framework's form, converted to and from the code page.
    CArchive& operator<<(const std::string& s);
    CArchive& operator<<(std::string_view s) { return *this << std::string(s); }
    CArchive& operator<<(const char* s) { return *this << std::string(s ? s : ""); }
    CArchive& operator>>(std::string& s);

    // Strings of bytes, without code-page conversion.
    void WriteRawString(std::string_view bytes);
    std::string ReadRawString();

    // The document being stored or loaded, for serialisers that need it.
    CDocument* m_pDocument = nullptr;

private:
    template <class T>
    CArchive& put(T v) {
        static_assert(std::is_trivially_copyable_v<T>);
        // Little-endian machine: the file's byte order is the memory order.
        Write(&v, sizeof v);
        return *this;
    }
    template <class T>
    CArchive& get(T& v) {
        ReadExact(&v, sizeof v);
        return *this;
    }
    void requireLoading() const;
    void requireStoring() const;
    std::size_t readStringLength(bool& wide);

    Mode m_mode;
    std::vector<std::uint8_t> m_bytes;
    std::size_t m_pos = 0;
    std::string m_codePage = codepage::kDefault;
    std::string m_fileName;
    bool m_fileArchive = false;
    bool m_closed = false;
};

static_assert(std::endian::native == std::endian::little, "the archive format is little-endian");
