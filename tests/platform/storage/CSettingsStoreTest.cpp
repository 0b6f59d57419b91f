#include "platform/storage/CSettingsStore.h"

#include "platform/core/FileIO.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace {

using Value = CSettingsStore::Value;

Value dword(DWORD v) {
    return {CSettingsStore::typeDword, {BYTE(v), BYTE(v >> 8), BYTE(v >> 16), BYTE(v >> 24)}};
}
Value text(std::string_view s) {
    return {CSettingsStore::typeString, std::vector<BYTE>(s.begin(), s.end())};
}
Value bytes(std::vector<BYTE> b) {
    return {CSettingsStore::typeBinary, std::move(b)};
}

std::string fileText(const std::filesystem::path& path) {
    auto data = fileio::readFile(path);
    return std::string(data.begin(), data.end());
}

const char* const kGrid = "Software\\Orvex\\Strakon\\Options\\Grid/Snap Page";

class CSettingsStoreTest : public ::testing::Test {
protected:
    TempFolder dir;
};

TEST_F(CSettingsStoreTest, EveryKindOfValueSurvivesTheFileAndTheFileIsReadable) {
    std::vector<BYTE> allBytes(256);
    for (int i = 0; i < 256; ++i)
        allBytes[i] = static_cast<BYTE>(i);
    const std::vector<std::pair<std::string, Value>> values = {
        {"Unit major", text("m")},
        {"Color minor", dword(0x808080)},
        {"Size major", bytes({0, 0, 0, 0, 0, 0, 0xF0, 0x3F})},
        {"Empty record", bytes({})},
        {"All bytes", bytes(allBytes)},
        {"Quote \" and \\ in a name", text("line one\nline two\ttab \"quoted\" back\\slash \x01 ünïcödé")},
        {"", text("the key's unnamed value")},
        {"# int. points", dword(9)},
    };
    {
        CSettingsStore store(dir.path());
        for (const auto& [name, value] : values)
            ASSERT_TRUE(store.SetValue(kGrid, name, value));
        ASSERT_TRUE(store.Flush()) << store.GetLastError();
    }
    CSettingsStore reread(dir.path());
    for (const auto& [name, value] : values)
        EXPECT_EQ(reread.QueryValue(kGrid, name), value) << name;
    std::string name;
    DWORD type = 0;
    ASSERT_TRUE(reread.EnumValue(kGrid, 0, name, type));
    EXPECT_EQ(name, "Unit major") << "values keep the order they were made in";

    const std::string textOfFile = fileText(dir / CSettingsStore::kFileName);
    EXPECT_NE(textOfFile.find("[Software\\Orvex\\Strakon\\Options\\Grid/Snap Page]\n"), std::string::npos);
    EXPECT_NE(textOfFile.find("\"Unit major\"=\"m\"\n"), std::string::npos);
    EXPECT_NE(textOfFile.find("\"Color minor\"=dword:00808080\n"), std::string::npos);
    EXPECT_NE(textOfFile.find("\"Size major\"=hex:00,00,00,00,00,00,f0,3f\n"), std::string::npos);
}

TEST_F(CSettingsStoreTest, KeysAreCreatedEnumeratedInNameOrderAndDeletedWithEverythingBelow) {
    CSettingsStore store(dir.path());
    const std::string output = "Software\\Orvex\\Strakon\\Output";
    for (const char* sub : {"\\Results", "\\General", "\\Margins\\Inner"})
        ASSERT_TRUE(store.CreateKey(output + sub));
    store.SetValue(output + "\\Margins\\Inner", "Left", dword(10));
    store.SetValue(output + "\\General", "Language", dword(1));

    std::vector<std::string> names;
    std::string name;
    for (DWORD i = 0; store.EnumKey(output, i, name); ++i)
        names.push_back(name);
    EXPECT_EQ(names, (std::vector<std::string>{"General", "Margins", "Results"}));

    EXPECT_TRUE(store.DeleteKey(output + "\\Margins"));
    EXPECT_FALSE(store.KeyExists(output + "\\Margins\\Inner"));
    EXPECT_FALSE(store.DeleteKey(output + "\\Margins")) << "deleting a missing key";
    EXPECT_TRUE(store.Flush());

    CSettingsStore reread(dir.path());
    EXPECT_FALSE(reread.KeyExists(output + "\\Margins"));
    EXPECT_TRUE(reread.KeyExists(output + "\\Results")) << "an empty key is kept";
    EXPECT_EQ(reread.QueryValue(output + "\\General", "Language"), dword(1));
    EXPECT_TRUE(reread.DeleteKey("Software"));
    EXPECT_FALSE(reread.KeyExists(output + "\\General"));
}

TEST_F(CSettingsStoreTest, NamesCompareWithoutCaseAndKeepTheirCase) {
    CSettingsStore store(dir.path());
    store.SetValue("Software\\Orvex", "Author", text("A"));
    store.SetValue("SOFTWARE\\orvex", "AUTHOR", text("B"));
    EXPECT_EQ(store.QueryValue("software\\ORVEX", "author"), text("B"));
    std::string name;
    DWORD type = 0;
    ASSERT_TRUE(store.EnumValue("Software\\Orvex", 0, name, type));
    EXPECT_EQ(name, "Author");
    EXPECT_FALSE(store.EnumValue("Software\\Orvex", 1, name, type));
    ASSERT_TRUE(store.EnumKey("", 0, name));
    EXPECT_EQ(name, "Software");
}

TEST_F(CSettingsStoreTest, InvalidKeyPathsAreRefused) {
    CSettingsStore store(dir.path());
    for (const char* key : {"\\Leading", "Double\\\\Separator", "Line\nBreak", "\\"}) {
        EXPECT_FALSE(CSettingsStore::IsValidKeyPath(key)) << key;
        EXPECT_FALSE(store.CreateKey(key)) << key;
        EXPECT_FALSE(store.SetValue(key, "x", dword(1))) << key;
    }
    EXPECT_TRUE(store.CreateKey("Trailing\\")) << "one trailing separator is allowed";
    EXPECT_TRUE(store.KeyExists("Trailing"));
}

TEST_F(CSettingsStoreTest, TwoProgramsSharingTheFileKeepEachOthersChanges) {
    CSettingsStore first(dir.path());
    CSettingsStore second(dir.path());
    first.SetValue("Software\\Orvex\\Strakon\\Settings", "Main", dword(1));
    second.SetValue("Software\\Orvex\\Strakon\\InfoTip", "CurrentTip", dword(7));
    second.CreateKey("Software\\Orvex\\Strakon\\Old");
    ASSERT_TRUE(first.Flush());
    ASSERT_TRUE(second.Flush());
    // The first program deletes what the second one made after having read the file.
    first.Refresh();
    EXPECT_TRUE(first.DeleteKey("Software\\Orvex\\Strakon\\Old"));
    second.SetValue("Software\\Orvex\\Strakon\\Settings", "Bars", dword(2));
    ASSERT_TRUE(second.Flush());
    ASSERT_TRUE(first.Flush());

    CSettingsStore third(dir.path());
    EXPECT_EQ(third.QueryValue("Software\\Orvex\\Strakon\\Settings", "Main"), dword(1));
    EXPECT_EQ(third.QueryValue("Software\\Orvex\\Strakon\\Settings", "Bars"), dword(2));
    EXPECT_EQ(third.QueryValue("Software\\Orvex\\Strakon\\InfoTip", "CurrentTip"), dword(7));
    EXPECT_FALSE(third.KeyExists("Software\\Orvex\\Strakon\\Old"));
}

TEST_F(CSettingsStoreTest, MalformedLinesOfAHandEditedFileAreSkipped) {
    fileio::writeFileAtomically(dir / CSettingsStore::kFileName,
                                std::string_view("\"Orphan\"=dword:00000001\n"
                                                 "[Software\\Orvex]\n"
                                                 "\"Good\"=dword:0000002A\r\n"
                                                 "\"Bad number\"=dword:xyz\n"
                                                 "\"Unterminated=\"text\n"
                                                 "\"Bad bytes\"=hex:0g\n"
                                                 "  \"Indented\" = \"no spaces around =\"\n"
                                                 "[Broken header\n"
                                                 "\"After broken\"=\"dropped\"\n"
                                                 "[Software\\Orvex]\n"
                                                 "\"Text\"=\"kept\"\n"));
    CSettingsStore store(dir.path());
    EXPECT_EQ(store.QueryValue("Software\\Orvex", "Good"), dword(42));
    EXPECT_EQ(store.QueryValue("Software\\Orvex", "Text"), text("kept"));
    for (const char* name :
         {"Orphan", "Bad number", "Unterminated=", "Bad bytes", "Indented", "After broken"})
        EXPECT_FALSE(store.QueryValue("Software\\Orvex", name).has_value()) << name;
}

TEST_F(CSettingsStoreTest, ReadingAloneWritesNothing) {
    {
        CSettingsStore store(dir.path());
        EXPECT_FALSE(store.QueryValue("Software\\Orvex", "x").has_value());
        EXPECT_FALSE(store.HasPendingChanges());
    }
    EXPECT_FALSE(std::filesystem::exists(dir / CSettingsStore::kFileName));
}

TEST(CSettingsStoreFolder, FollowsTheEnvironment) {
    struct Saved {
        const char* name;
        std::optional<std::string> value;
    };
    std::vector<Saved> saved;
    for (const char* name : {"STRAKON_CONFIG_DIR", "XDG_CONFIG_HOME", "HOME"}) {
        const char* v = std::getenv(name);
        saved.push_back({name, v ? std::optional<std::string>(v) : std::nullopt});
    }
    ::setenv("HOME", "/home/someone", 1);
    ::setenv("XDG_CONFIG_HOME", "/xdg", 1);
    ::setenv("STRAKON_CONFIG_DIR", "/chosen", 1);
    EXPECT_EQ(CSettingsStore::DefaultFolder(), "/chosen");
    ::unsetenv("STRAKON_CONFIG_DIR");
    EXPECT_EQ(CSettingsStore::DefaultFolder(), "/xdg/Strakon");
    ::setenv("XDG_CONFIG_HOME", "relative", 1);
    EXPECT_EQ(CSettingsStore::DefaultFolder(), "/home/someone/.config/Strakon")
        << "a relative folder is ignored";
    for (const auto& s : saved) {
        if (s.value)
            ::setenv(s.name, s.value->c_str(), 1);
        else
            ::unsetenv(s.name);
    }
}

TEST_F(CSettingsStoreTest, SetFolderWritesPendingChangesToTheOldFileFirst) {
    TempFolder other;
    CSettingsStore store(dir.path());
    store.SetValue("Software\\Orvex", "Where", text("first"));
    store.SetFolder(other.path());
    EXPECT_FALSE(store.QueryValue("Software\\Orvex", "Where").has_value());
    EXPECT_EQ(store.GetFilePath(), other / CSettingsStore::kFileName);
    EXPECT_EQ(CSettingsStore(dir.path()).QueryValue("Software\\Orvex", "Where"), text("first"));
}

} // namespace

namespace {

// A key path of the given number of levels: "K\K\...\K".
std::string nestedPath(std::size_t levels) {
    std::string path = "K";
    for (std::size_t i = 1; i < levels; ++i)
        path += "\\K";
    return path;
}

} // namespace

TEST_F(CSettingsStoreTest, KeysDeeperThanTheLimitAreRefusedThroughTheCalls) {
    CSettingsStore store(dir.path());
    const struct {
        std::size_t levels;
        bool accepted;
    } cases[] = {{1, true},
                 {CSettingsStore::kMaxKeyDepth, true},
                 {CSettingsStore::kMaxKeyDepth + 1, false},
                 {100000, false}};
    for (const auto& c : cases) {
        const std::string path = nestedPath(c.levels);
        EXPECT_EQ(CSettingsStore::IsValidKeyPath(path), c.accepted) << c.levels;
        EXPECT_EQ(store.CreateKey(path), c.accepted) << c.levels;
        EXPECT_EQ(store.SetValue(path, "v", dword(1)), c.accepted) << c.levels;
        if (!c.accepted) {
            EXPECT_NE(store.GetLastError().find("nested deeper than 64 levels"), std::string::npos);
        }
        EXPECT_EQ(store.QueryValue(path, "v").has_value(), c.accepted) << c.levels;
    }
    EXPECT_TRUE(store.Flush()) << store.GetLastError();
}

TEST_F(CSettingsStoreTest, AFileWithAKeyNestedFarTooDeepIsReadWithoutItAndRepairedByTheNextWrite) {
    const std::string deep = nestedPath(300000);
    fileio::writeFileAtomically(dir / CSettingsStore::kFileName,
                                "[Software\\Orvex]\n\"Before\"=dword:00000001\n[" + deep +
                                    "]\n\"Inside\"=dword:00000002\n[Software\\Orvex]\n\"After\"=\"kept\"\n[" +
                                    nestedPath(CSettingsStore::kMaxKeyDepth) +
                                    "]\n\"Deepest\"=dword:00000003\n");
    {
        CSettingsStore store(dir.path());
        EXPECT_EQ(store.QueryValue("Software\\Orvex", "Before"), dword(1));
        EXPECT_EQ(store.QueryValue("Software\\Orvex", "After"), text("kept"));
        EXPECT_EQ(store.QueryValue(nestedPath(CSettingsStore::kMaxKeyDepth), "Deepest"), dword(3));
        EXPECT_FALSE(store.QueryValue("Software\\Orvex", "Inside").has_value());
        const std::string error = store.GetLastError();
        EXPECT_NE(error.find("line 3: the settings key \"K\\K"), std::string::npos) << error;
        EXPECT_NE(error.find("is nested deeper than 64 levels; the key and its values are ignored"),
                  std::string::npos)
            << error;
        EXPECT_LT(error.size(), 400u) << "the message shows only the start of the key";
        ASSERT_TRUE(store.SetValue("Software\\Orvex", "New", dword(4)));
        ASSERT_TRUE(store.Flush()) << store.GetLastError();
    }
    const std::string written = fileText(dir / CSettingsStore::kFileName);
    EXPECT_LT(written.size(), 2000u) << "the refused key is not written again";
    CSettingsStore reread(dir.path());
    EXPECT_EQ(reread.QueryValue("Software\\Orvex", "New"), dword(4));
    EXPECT_EQ(reread.QueryValue(nestedPath(CSettingsStore::kMaxKeyDepth), "Deepest"), dword(3));
    EXPECT_EQ(reread.GetLastError(), "");
}

TEST(CSettingsStoreKey, ATreeFarDeeperThanTheFileAllowsIsWrittenAndFreedWithoutRecursion) {
    // Built in memory past the limit on purpose: writing and freeing such a
    // tree must take neither the stack nor time that grows with its depth squared.
    constexpr std::size_t depth = 300000;
    auto root = std::make_unique<CSettingsStore::Key>();
    CSettingsStore::Key* key = root.get();
    for (std::size_t i = 0; i < depth; ++i)
        key = key->subkeys.emplace("K", std::make_unique<CSettingsStore::Key>()).first->second.get();
    key->SetValue("Leaf", dword(7));
    const std::string text = CSettingsStore::Format(*root);
    EXPECT_NE(text.find("[" + nestedPath(depth) + "]\n\"Leaf\"=dword:00000007\n"), std::string::npos);
    root.reset();
}

TEST(CSettingsStoreKey, ManyValuesKeepTheirOrderAndAreFoundByName) {
    CSettingsStore::Key key;
    constexpr int count = 40000;
    for (int i = 0; i < count; ++i)
        key.SetValue("Value " + std::to_string(i), dword(DWORD(i)));
    key.SetValue("VALUE 17", dword(99)); // the same name in other case replaces
    ASSERT_EQ(key.Values().size(), std::size_t(count));
    EXPECT_TRUE(key.DeleteValue("value 2"));
    EXPECT_FALSE(key.DeleteValue("value 2"));
    ASSERT_EQ(key.Values().size(), std::size_t(count - 1));
    EXPECT_EQ(key.Values()[2].first, "Value 3");
    EXPECT_EQ(key.FindValue("Value 17")->AsDword(), 99u);
    EXPECT_EQ(key.FindValue("value 39999")->AsDword(), 39999u);
    EXPECT_EQ(key.FindValue("Value 3")->AsDword(), 3u);
    EXPECT_EQ(key.FindValue("Value 2"), nullptr);
    key.SetValue("Value 2", dword(2));
    EXPECT_EQ(key.Values().back().first, "Value 2") << "a value made again goes last";
}

TEST(CSettingsStoreKey, AKeyOfManyValuesReadsBackInItsOrder) {
    CSettingsStore::Key root;
    auto& big = *root.subkeys.emplace("Big", std::make_unique<CSettingsStore::Key>()).first->second;
    for (int i = 0; i < 40000; ++i)
        big.SetValue("v" + std::to_string(i), dword(DWORD(i)));
    CSettingsStore::Key reread;
    CSettingsStore::Parse(CSettingsStore::Format(root), reread);
    const auto& values = reread.subkeys.at("Big")->Values();
    ASSERT_EQ(values.size(), 40000u);
    EXPECT_EQ(values[12345].first, "v12345");
    EXPECT_EQ(values[12345].second, dword(12345));
}
