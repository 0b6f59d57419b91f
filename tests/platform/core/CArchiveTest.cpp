#include "platform/core/CArchive.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

std::vector<std::uint8_t> bytesOf(std::initializer_list<int> list) {
    std::vector<std::uint8_t> out;
    for (int b : list) out.push_back(static_cast<std::uint8_t>(b));
    return out;
}

TEST(CArchive, NumbersAreLittleEndianWithFixedSizes) {
    CArchive ar(CArchive::store);
    ar << std::uint32_t{0x01020304} << std::int32_t{-2} << 1.5 << true << std::uint8_t{7} << std::uint16_t{0xABCD};
    const auto& b = ar.GetBuffer();
    ASSERT_EQ(b.size(), 4u + 4 + 8 + 4 + 1 + 2);
    EXPECT_EQ(std::vector<std::uint8_t>(b.begin(), b.begin() + 8), bytesOf({4, 3, 2, 1, 0xFE, 0xFF, 0xFF, 0xFF}));
    double d;
    std::memcpy(&d, b.data() + 8, 8);
    EXPECT_EQ(d, 1.5);
    EXPECT_EQ(std::vector<std::uint8_t>(b.begin() + 16, b.begin() + 20), bytesOf({1, 0, 0, 0}));

    CArchive in(CArchive::load, ar.Detach());
    std::uint32_t u;
    std::int32_t i;
    double x;
    bool f;
    std::uint8_t c;
    std::uint16_t w;
    in >> u >> i >> x >> f >> c >> w;
    EXPECT_EQ(u, 0x01020304u);
    EXPECT_EQ(i, -2);
    EXPECT_EQ(x, 1.5);
    EXPECT_TRUE(f);
    EXPECT_EQ(c, 7);
    EXPECT_EQ(w, 0xABCD);
    EXPECT_EQ(in.BytesLeft(), 0u);
}

TEST(CArchive, FlagTakesOnlyTheLowestByte) {
    CArchive in(CArchive::load, bytesOf({0, 1, 1, 1, 2, 0, 0, 0}));
    bool a = true, b = false;
    in >> a >> b;
    EXPECT_FALSE(a);
    EXPECT_TRUE(b);
}

// The prefix is one byte below 255, 0xFF + 16 bits below 0xFFFE, else 0xFF 0xFFFF + 32 bits.
TEST(CArchive, StringPrefixFormsRoundTrip) {
    struct Case {
        size_t length;
        size_t prefix;
    };
    for (Case c : {Case{0, 1}, Case{254, 1}, Case{255, 3}, Case{65533, 3}, Case{65534, 7}, Case{70000, 7}}) {
        std::string s(c.length, 'x');
        if (!s.empty()) s.front() = 'a', s.back() = 'z';
        CArchive ar(CArchive::store);
        ar << s;
        ASSERT_EQ(ar.GetBuffer().size(), c.prefix + c.length) << c.length;
        if (c.prefix == 3) {
            EXPECT_EQ(ar.GetBuffer()[0], 0xFF);
        }
        if (c.prefix == 7) {
            EXPECT_EQ(ar.GetBuffer()[1], 0xFF);
            EXPECT_EQ(ar.GetBuffer()[2], 0xFF);
        }
        CArchive in(CArchive::load, ar.Detach());
        std::string back;
        in >> back;
        EXPECT_EQ(back, s) << c.length;
        EXPECT_EQ(in.BytesLeft(), 0u);
    }
}

TEST(CArchive, TextIsWindows1252InTheFile) {
    CArchive ar(CArchive::store);
    ar << std::string("Träger 5 €");
    EXPECT_EQ(ar.GetBuffer(), bytesOf({10, 'T', 'r', 0xE4, 'g', 'e', 'r', ' ', '5', ' ', 0x80}));
    CArchive in(CArchive::load, ar.Detach());
    std::string s;
    in >> s;
    EXPECT_EQ(s, "Träger 5 €");
}

TEST(CArchive, WideStringMarkerIsRead) {
    // 0xFF 0xFFFE marks 16-bit characters; then the usual prefix.
    CArchive in(CArchive::load, bytesOf({0xFF, 0xFE, 0xFF, 2, 'O', 0, 0xAC, 0x20}));
    std::string s;
    in >> s;
    EXPECT_EQ(s, "O€");
}

TEST(CArchive, TruncatedDataThrowsEndOfFile) {
    const std::vector<std::vector<std::uint8_t>> cases = {
        {},                                // no word at all
        bytesOf({1, 2, 3}),                // three bytes of a word
        bytesOf({5, 'a', 'b'}),            // string shorter than its prefix
        bytesOf({0xFF, 0x10}),             // 16-bit prefix cut
        bytesOf({0xFF, 0xFF, 0xFF, 1, 0}), // 32-bit prefix cut
        bytesOf({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}), // 4 GB string
    };
    for (size_t i = 0; i < cases.size(); ++i) {
        CArchive in(CArchive::load, cases[i]);
        try {
            if (i == 1 || i == 0) {
                std::uint32_t w;
                in >> w;
            } else {
                std::string s;
                in >> s;
            }
            FAIL() << "case " << i << " did not throw";
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, CArchiveException::endOfFile) << i;
        }
    }
}

TEST(CArchive, CountBeyondTheDataIsABadFormat) {
    CArchive in(CArchive::load, std::vector<std::uint8_t>(16));
    EXPECT_NO_THROW(in.CheckCount(2, 8));
    EXPECT_NO_THROW(in.CheckCount(0, 8));
    try {
        in.CheckCount(3, 8);
        FAIL();
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::badSchema);
    }
    EXPECT_THROW(in.CheckCount(0xFFFFFFFFull, 8), CArchiveException);
}

TEST(CArchive, WrongDirectionThrows) {
    CArchive out(CArchive::store);
    std::uint32_t w;
    EXPECT_THROW(out >> w, CArchiveException);
    CArchive in(CArchive::load, bytesOf({1, 0, 0, 0}));
    EXPECT_THROW(in << w, CArchiveException);
}

TEST(CArchive, FileArchiveWritesOnCloseOnly) {
    auto dir = std::filesystem::temp_directory_path() / ("carchive-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    auto file = dir / "a.bin";
    {
        CArchive ar(CArchive::store, file);
        ar << std::uint32_t{42} << std::string("hello");
        ar.Close();
    }
    {
        CArchive ar(CArchive::store, file);
        ar << std::uint32_t{7};
        // dropped without Close: the old file stays
    }
    CArchive in(CArchive::load, file);
    std::uint32_t w;
    std::string s;
    in >> w >> s;
    EXPECT_EQ(w, 42u);
    EXPECT_EQ(s, "hello");
    EXPECT_THROW(CArchive(CArchive::load, dir / "missing.bin"), CFileException);
    std::filesystem::remove_all(dir);
}

} // namespace
