#pragma once
// A tiny writer of archive bytes for the tests of the design-data records,
// independent of CArchive: 32-bit little-endian words, IEEE doubles in
// little-endian order, flags as 32-bit words and short single-byte strings with
// their one-byte length prefix. Golden records are written with it field by
// field from the record layouts and compared with what the classes write.
#include "platform/core/CArchive.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <string_view>
#include <vector>

class RecordBytes {
public:
    RecordBytes& word(std::uint32_t v) {
        for (int i = 0; i < 4; ++i)
            m_bytes.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
        return *this;
    }
    RecordBytes& integer(std::int32_t v) { return word(static_cast<std::uint32_t>(v)); }
    RecordBytes& real(double v) {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &v, sizeof bits);
        for (int i = 0; i < 8; ++i)
            m_bytes.push_back(static_cast<std::uint8_t>(bits >> (8 * i)));
        return *this;
    }
    RecordBytes& byte(std::uint8_t v) {
        m_bytes.push_back(v);
        return *this;
    }
    RecordBytes& flag(bool v) { return word(v ? 1 : 0); }
    // Bytes as they stand in the file (already in the file's code page).
    RecordBytes& text(std::string_view bytes) {
        EXPECT_LT(bytes.size(), 255u) << "the writer knows only the one-byte prefix";
        m_bytes.push_back(static_cast<std::uint8_t>(bytes.size()));
        m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
        return *this;
    }
    // A unit value: the number as held, then the unit's name.
    RecordBytes& unitValue(double v, std::string_view unitName) { return real(v).text(unitName); }
    RecordBytes& append(const RecordBytes& other) {
        m_bytes.insert(m_bytes.end(), other.m_bytes.begin(), other.m_bytes.end());
        return *this;
    }

    const std::vector<std::uint8_t>& bytes() const { return m_bytes; }
    std::size_t size() const { return m_bytes.size(); }

private:
    std::vector<std::uint8_t> m_bytes;
};

// What the object writes into a storing archive.
template <class T> std::vector<std::uint8_t> storedBytes(const T& object) {
    T copy(object);
    CArchive ar(CArchive::store);
    copy.Serialize(ar);
    return ar.Detach();
}

// Reads the object from the bytes and checks that every byte was used.
template <class T> void loadFrom(const std::vector<std::uint8_t>& bytes, T& object) {
    CArchive ar(CArchive::load, bytes);
    object.Serialize(ar);
    EXPECT_EQ(ar.BytesLeft(), 0u);
}

// Every proper prefix of a record must make reading throw the archive's
// exception, never read past the end.
template <class T> void expectEveryTruncationThrows(const std::vector<std::uint8_t>& record) {
    for (std::size_t n = 0; n < record.size(); ++n) {
        T object;
        CArchive ar(CArchive::load, std::vector<std::uint8_t>(record.begin(), record.begin() + n));
        EXPECT_THROW(object.Serialize(ar), CArchiveException) << "record cut after " << n << " bytes";
    }
}
