#include "platform/core/CArchive.h"

#include "platform/core/FileIO.h"

#include <algorithm>
#include <cstring>

CArchive::CArchive(Mode mode) : m_mode(mode) {}

CArchive::CArchive(Mode mode, std::vector<std::uint8_t> bytes) : m_mode(mode), m_bytes(std::move(bytes)) {
    if (mode == store) m_pos = m_bytes.size();
}

CArchive::CArchive(Mode mode, const std::filesystem::path& file)
    : m_mode(mode), m_fileName(file.string()), m_fileArchive(true) {
    if (mode == load) m_bytes = fileio::readFile(file);
}

// A storing file archive that was never closed is dropped: writing it from a
// destructor could throw, and an unfinished store must not replace a good file.
CArchive::~CArchive() = default;

void CArchive::SetCodePage(const std::string& codePage) {
    if (!codepage::isSupported(codePage))
        throw CArchiveException(CArchiveException::genericException, m_fileName, "unknown code page " + codePage);
    m_codePage = codePage;
}

void CArchive::requireLoading() const {
    if (m_mode != load) throw CArchiveException(CArchiveException::writeOnly, m_fileName);
}

void CArchive::requireStoring() const {
    if (m_mode != store) throw CArchiveException(CArchiveException::readOnly, m_fileName);
    if (m_closed) throw CArchiveException(CArchiveException::genericException, m_fileName, "archive is closed");
}

void CArchive::Write(const void* data, std::size_t count) {
    requireStoring();
    const auto* p = static_cast<const std::uint8_t*>(data);
    m_bytes.insert(m_bytes.end(), p, p + count);
    m_pos = m_bytes.size();
}

std::size_t CArchive::Read(void* data, std::size_t count) {
    requireLoading();
    std::size_t n = std::min(count, BytesLeft());
    if (n > 0) std::memcpy(data, m_bytes.data() + m_pos, n);
    m_pos += n;
    return n;
}

void CArchive::ReadExact(void* data, std::size_t count) {
    requireLoading();
    if (count > BytesLeft()) {
        m_pos = m_bytes.size();
        throw CArchiveException(CArchiveException::endOfFile, m_fileName);
    }
    if (count > 0) std::memcpy(data, m_bytes.data() + m_pos, count);
    m_pos += count;
}

void CArchive::CheckCount(std::uint64_t count, std::size_t bytesPerItem) const {
    std::size_t perItem = bytesPerItem == 0 ? 1 : bytesPerItem;
    if (count > BytesLeft() / perItem)
        throw CArchiveException(CArchiveException::badSchema, m_fileName,
                                "stored count " + std::to_string(count) + " exceeds the data left");
}

std::vector<std::uint8_t> CArchive::Detach() {
    std::vector<std::uint8_t> out = std::move(m_bytes);
    m_bytes.clear();
    m_pos = 0;
    return out;
}

void CArchive::Close() {
    if (m_closed) return;
    if (m_fileArchive && m_mode == store) fileio::writeFileAtomically(m_fileName, m_bytes);
    m_closed = true;
}

void CArchive::Abort() {
    m_closed = true;
    m_bytes.clear();
    m_pos = 0;
}

CArchive& CArchive::operator>>(bool& v) {
    std::uint8_t word[4];
    ReadExact(word, 4);
    v = word[0] != 0;
    return *this;
}

// The framework's string prefix: one byte below 255; else 0xFF and a 16-bit
// length below 0xFFFE; else 0xFF, 0xFFFF and a 32-bit length. A 16-bit 0xFFFE
// after the first 0xFF marks a string of 16-bit characters, whose length prefix
// follows again.
std::size_t CArchive::readStringLength(bool& wide) {
    wide = false;
    for (;;) {
        std::uint8_t b = 0;
        *this >> b;
        if (b < 0xFF) return b;
        std::uint16_t w = 0;
        *this >> w;
        if (w == 0xFFFE) {
            if (wide) throw CArchiveException(CArchiveException::badSchema, m_fileName, "bad string prefix");
            wide = true;
            continue;
        }
        if (w < 0xFFFF) return w;
        std::uint32_t d = 0;
        *this >> d;
        if (d == 0xFFFFFFFFu) {
            std::uint64_t q = 0;
            *this >> q;
            if (q > BytesLeft()) throw CArchiveException(CArchiveException::endOfFile, m_fileName);
            return static_cast<std::size_t>(q);
        }
        return d;
    }
}

void CArchive::WriteRawString(std::string_view bytes) {
    std::size_t n = bytes.size();
    if (n < 0xFF) {
        *this << static_cast<std::uint8_t>(n);
    } else if (n < 0xFFFE) {
        *this << static_cast<std::uint8_t>(0xFF) << static_cast<std::uint16_t>(n);
    } else {
        if (n >= 0xFFFFFFFFu)
            throw CArchiveException(CArchiveException::genericException, m_fileName, "string too long");
        *this << static_cast<std::uint8_t>(0xFF) << static_cast<std::uint16_t>(0xFFFF)
              << static_cast<std::uint32_t>(n);
    }
    Write(bytes.data(), n);
}

namespace {
std::string utf16ToUtf8(const std::vector<std::uint16_t>& units) {
    std::string out;
    for (std::size_t i = 0; i < units.size(); ++i) {
        std::uint32_t c = units[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 && units[i + 1] < 0xE000) {
            c = 0x10000 + ((c - 0xD800) << 10) + (units[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c < 0xE000) {
            c = 0xFFFD;
        }
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}
} // namespace

std::string CArchive::ReadRawString() {
    bool wide = false;
    std::size_t n = readStringLength(wide);
    if (wide) {
        if (n > BytesLeft() / 2) {
            m_pos = m_bytes.size();
            throw CArchiveException(CArchiveException::endOfFile, m_fileName);
        }
        std::vector<std::uint16_t> units(n);
        ReadExact(units.data(), n * 2);
        return utf16ToUtf8(units);
    }
    if (n > BytesLeft()) {
        m_pos = m_bytes.size();
        throw CArchiveException(CArchiveException::endOfFile, m_fileName);
    }
    std::string s(reinterpret_cast<const char*>(m_bytes.data() + m_pos), n);
    m_pos += n;
    return s;
}

namespace {
std::vector<std::uint16_t> utf8ToUtf16(std::string_view s) {
    std::vector<std::uint16_t> out;
    for (std::size_t i = 0; i < s.size();) {
        auto b = static_cast<unsigned char>(s[i]);
        std::uint32_t c = b;
        std::size_t len = 1;
        if (b >= 0xF0) {
            c = b & 0x07;
            len = 4;
        } else if (b >= 0xE0) {
            c = b & 0x0F;
            len = 3;
        } else if (b >= 0xC0) {
            c = b & 0x1F;
            len = 2;
        }
        for (std::size_t k = 1; k < len && i + k < s.size(); ++k)
            c = (c << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
        i += len;
        if (c >= 0x10000) {
            c -= 0x10000;
            out.push_back(static_cast<std::uint16_t>(0xD800 + (c >> 10)));
            out.push_back(static_cast<std::uint16_t>(0xDC00 + (c & 0x3FF)));
        } else {
            out.push_back(static_cast<std::uint16_t>(c));
        }
    }
    return out;
}
} // namespace

CArchive& CArchive::operator<<(const std::string& s) {
    std::string bytes = codepage::fromUtf8(s, m_codePage);
    // Text the code page cannot hold goes out in 16-bit characters rather than
    // losing its letters to '?'.
    if (codepage::isValidUtf8(s) && codepage::toUtf8(bytes, m_codePage) != s) {
        std::vector<std::uint16_t> units = utf8ToUtf16(s);
        *this << static_cast<std::uint8_t>(0xFF) << static_cast<std::uint16_t>(0xFFFE);
        std::size_t n = units.size();
        if (n < 0xFF) {
            *this << static_cast<std::uint8_t>(n);
        } else if (n < 0xFFFE) {
            *this << static_cast<std::uint8_t>(0xFF) << static_cast<std::uint16_t>(n);
        } else {
            *this << static_cast<std::uint8_t>(0xFF) << static_cast<std::uint16_t>(0xFFFF)
                  << static_cast<std::uint32_t>(n);
        }
        Write(units.data(), n * 2);
        return *this;
    }
    WriteRawString(bytes);
    return *this;
}

CArchive& CArchive::operator>>(std::string& s) {
    // A string of 16-bit characters comes back as UTF-8 already; converting it
    // again from the code page would garble it.
    std::size_t start = m_pos;
    bool wide = false;
    readStringLength(wide);
    m_pos = start;
    std::string raw = ReadRawString();
    s = wide ? raw : codepage::toUtf8(raw, m_codePage);
    return *this;
}
