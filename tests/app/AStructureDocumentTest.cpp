#include "app/shell/AStructureDocument.h"

#include "StructureDocumentSupport.h"

#include "platform/storage/CCompoundFile.h"
#include "platform/ui/CPromptService.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>

namespace {

std::vector<std::uint8_t> fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The archive bytes a document with this content writes.
std::vector<std::uint8_t> archiveOf(const std::string& text, std::uint32_t number) {
    CArchive ar(CArchive::store);
    ar << text << number;
    return ar.Detach();
}

std::string hex(const std::vector<std::uint8_t>& bytes) {
    static const char* digits = "0123456789abcdef";
    std::string out;
    for (std::uint8_t b : bytes) {
        out += digits[b >> 4];
        out += digits[b & 15];
    }
    return out;
}

// Every stream of a compound file as another program reads it: "path" → hex bytes.
std::map<std::string, std::string> readWithOlefile(const TempFolder& dir, const std::filesystem::path& file) {
    const auto script = dir / "dump.py";
    std::ofstream(script) << "import sys, olefile\n"
                             "ole = olefile.OleFileIO(sys.argv[1])\n"
                             "for entry in ole.listdir(streams=True, storages=False):\n"
                             "    print('/'.join(entry) + '=' + ole.openstream(entry).read().hex())\n";
    const std::string command = "/usr/bin/python3 '" + script.string() + "' '" + file.string() + "' 2>&1";
    std::map<std::string, std::string> streams;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return streams;
    std::string output;
    char buffer[4096];
    while (std::fgets(buffer, sizeof buffer, pipe))
        output += buffer;
    if (::pclose(pipe) != 0) {
        streams["error"] = output;
        return streams;
    }
    std::size_t start = 0;
    while (start < output.size()) {
        const std::size_t end = output.find('\n', start);
        const std::string line = output.substr(start, end - start);
        start = end == std::string::npos ? output.size() : end + 1;
        const std::size_t eq = line.find('=');
        if (eq != std::string::npos) streams[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return streams;
}

// Writes a compound file with the given streams (path → bytes) directly.
void writeCompound(const std::filesystem::path& path,
                   const std::map<std::string, std::vector<std::uint8_t>>& streams, bool withStrakonStorage) {
    CCompoundFile file;
    if (withStrakonStorage) {
        auto storage = file.Root().CreateStorage("Strakon");
        for (const auto& [name, bytes] : streams)
            storage->CreateStream(name)->SetData(bytes);
        storage->Commit();
    } else {
        for (const auto& [name, bytes] : streams)
            file.Root().CreateStream(name)->SetData(bytes);
    }
    file.CommitAs(path);
}

class AStructureDocumentTest : public ::testing::Test {
protected:
    TempFolder dir;
    CScriptedPromptService prompts;
};

TEST_F(AStructureDocumentTest, IsCreatableByItsRunTimeClassName) {
    const CRuntimeClass* cls = CRuntimeClass::FromName("AStructureDocument");
    ASSERT_NE(cls, nullptr);
    std::unique_ptr<AStructureDocument> doc(CreateObjectAs<AStructureDocument>(cls));
    ASSERT_NE(doc, nullptr);
    EXPECT_TRUE(doc->IsKindOf(RUNTIME_CLASS(COleDocument)));
    EXPECT_TRUE(doc->HasCompoundFile());
    EXPECT_EQ(doc->GetCommandManager().GetDocument(), doc.get());
}

TEST_F(AStructureDocumentTest, SavingWritesTheArchiveIntoStrakonContentsAndASecondSaveReplacesIt) {
    const auto path = dir / "frame.oxs";
    TestStructureDoc doc;
    doc.text = "portal frame";
    doc.number = 7;
    ASSERT_TRUE(doc.OnSaveDocument(path.c_str()));
    auto streams = readWithOlefile(dir, path);
    EXPECT_EQ(streams,
              (std::map<std::string, std::string>{{"Strakon/Contents", hex(archiveOf("portal frame", 7))}}));

    doc.text = "two-bay frame with a longer name";
    doc.number = 8;
    ASSERT_TRUE(doc.OnSaveDocument(path.c_str()));
    streams = readWithOlefile(dir, path);
    EXPECT_EQ(streams, (std::map<std::string, std::string>{
                           {"Strakon/Contents", hex(archiveOf("two-bay frame with a longer name", 8))}}));

    doc.OnCloseDocument();
    TestStructureDoc reader;
    ASSERT_TRUE(reader.OnOpenDocument(path.c_str()));
    EXPECT_EQ(reader.text, "two-bay frame with a longer name");
    EXPECT_EQ(reader.number, 8u);
    EXPECT_FALSE(reader.IsModified());
    EXPECT_TRUE(prompts.MessageBoxes().empty());
}

TEST_F(AStructureDocumentTest, FilesWithoutUsableContentLoadAsTheFormatSays) {
    struct Case {
        const char* name;
        bool strakonStorage;
        std::map<std::string, std::vector<std::uint8_t>> streams;
        bool opens;
        bool reported;
    };
    const Case cases[] = {
        // An empty "Contents" is an empty structure, silently.
        {"empty contents", true, {{"Contents", {}}}, true, false},
        // No "Contents": no structure, refused rather than read as an empty one.
        {"no contents", true, {{"Other", {1, 2, 3}}}, false, true},
        // An empty "Contents" beside other data lost its records.
        {"empty contents beside other data", true, {{"Contents", {}}, {"Other", {1}}}, false, true},
        // No "Strakon": a file of another program, refused as a bad format.
        {"no strakon storage", false, {{"Contents", archiveOf("x", 1)}}, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto path = dir / (std::string(c.name) + ".oxs");
        writeCompound(path, c.streams, c.strakonStorage);
        const auto before = fileBytes(path);
        prompts.Clear();
        TestStructureDoc doc;
        doc.text = "left over";
        EXPECT_EQ(doc.OnOpenDocument(path.c_str()) != FALSE, c.opens);
        EXPECT_EQ(doc.text, "");
        EXPECT_EQ(doc.number, 0u);
        EXPECT_FALSE(doc.IsModified());
        EXPECT_EQ(prompts.MessageBoxes().size(), c.reported ? 1u : 0u);
        EXPECT_EQ(doc.GetCompoundFile() != nullptr, c.opens) << "a refused file is not held";
        doc.OnCloseDocument();
        EXPECT_EQ(fileBytes(path), before);
    }
}

TEST_F(AStructureDocumentTest, RefusedFilesAreReportedWithTheirCause) {
    const auto foreign = dir / "foreign.oxs";
    writeCompound(foreign, {{"Contents", archiveOf("x", 1)}}, false);
    const auto plain = dir / "plain.oxs";
    std::ofstream(plain) << "not a compound file";
    TestStructureDoc holder;
    const auto held = dir / "held.oxs";
    ASSERT_TRUE(holder.OnSaveDocument(held.c_str()));

    TestStructureDoc doc;
    EXPECT_FALSE(doc.OnOpenDocument(foreign.c_str()));
    EXPECT_EQ(doc.archiveCause, CArchiveException::badSchema);
    doc.archiveCause = -1;
    EXPECT_FALSE(doc.OnOpenDocument(plain.c_str()));
    EXPECT_EQ(doc.archiveCause, CArchiveException::badSchema);
    EXPECT_FALSE(doc.OnOpenDocument(held.c_str()));
    EXPECT_EQ(doc.fileCause, CFileException::sharingViolation);
    EXPECT_FALSE(doc.OnOpenDocument((dir / "missing.oxs").c_str()));
    EXPECT_EQ(doc.fileCause, CFileException::fileNotFound);
    EXPECT_EQ(prompts.MessageBoxes().size(), 4u);
}

TEST_F(AStructureDocumentTest, ASaveWhoseSerializeThrowsLeavesTheOldFileByteIdentical) {
    const auto path = dir / "frame.oxs";
    TestStructureDoc doc;
    doc.text = "saved";
    doc.number = 1;
    ASSERT_TRUE(doc.OnSaveDocument(path.c_str()));
    const auto before = fileBytes(path);

    doc.text = "never written";
    doc.failWhileStoring = true;
    doc.SetModifiedFlag(TRUE);
    EXPECT_FALSE(doc.OnSaveDocument(path.c_str()));
    EXPECT_TRUE(doc.IsModified());
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);
    EXPECT_NE(prompts.MessageBoxes()[0].text.find("disk full"), std::string::npos);
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1)
        << "a temporary was left";

    // The next good save writes what the document holds now.
    doc.failWhileStoring = false;
    ASSERT_TRUE(doc.OnSaveDocument(path.c_str()));
    doc.OnCloseDocument();
    TestStructureDoc reader;
    ASSERT_TRUE(reader.OnOpenDocument(path.c_str()));
    EXPECT_EQ(reader.text, "never written");
}

TEST_F(AStructureDocumentTest, TheOpenFileIsHeldUntilCloseAndSaveAsMovesTheLock) {
    const auto first = dir / "a.oxs";
    const auto second = dir / "b.oxs";
    TestStructureDoc doc;
    doc.text = "held";
    ASSERT_TRUE(doc.OnSaveDocument(first.c_str()));

    TestStructureDoc other;
    EXPECT_FALSE(other.OnOpenDocument(first.c_str()));
    ASSERT_EQ(prompts.MessageBoxes().size(), 1u);

    // Save As: the new file is held, the old one is free again.
    ASSERT_TRUE(doc.OnSaveDocument(second.c_str()));
    EXPECT_EQ(doc.GetCompoundFile()->GetPath(), second);
    EXPECT_TRUE(other.OnOpenDocument(first.c_str()));
    EXPECT_EQ(other.text, "held");
    other.OnCloseDocument();
    TestStructureDoc third;
    EXPECT_FALSE(third.OnOpenDocument(second.c_str()));

    doc.OnCloseDocument();
    EXPECT_TRUE(third.OnOpenDocument(second.c_str()));
    EXPECT_EQ(third.text, "held");
}

TEST_F(AStructureDocumentTest, SaveToStorageWithAnObjectWritesThatObjectsArchive) {
    const auto path = dir / "frame.oxs";
    TestStructureDoc doc;
    doc.text = "the document";
    ASSERT_TRUE(doc.OnSaveDocument(path.c_str()));
    TestStructureDoc copy;
    copy.text = "another object";
    copy.number = 3;
    doc.SaveToStorage(&copy);
    doc.OnCloseDocument();
    EXPECT_EQ(readWithOlefile(dir, path), (std::map<std::string, std::string>{
                                              {"Strakon/Contents", hex(archiveOf("another object", 3))}}));
}

} // namespace

namespace {

TEST_F(AStructureDocumentTest, EachStructureSavesAndOpensItsOwnReportLists) {
    const auto pathA = dir / "a.oxs";
    const auto pathB = dir / "b.oxs";
    TestStructureDoc a;
    TestStructureDoc b;
    a.withOutputRecord = b.withOutputRecord = true;
    a.GetOutputAttributes().m_printedActions = {"A dead load"};
    a.GetOutputAttributes().m_strDescription = "Hall A";
    b.GetOutputAttributes().m_printedActions = {"B snow"};
    ASSERT_TRUE(a.OnSaveDocument(pathA.c_str()));
    ASSERT_TRUE(b.OnSaveDocument(pathB.c_str()));
    b.OnCloseDocument();
    // Opening B again does not touch A's lists, and A saves its own.
    TestStructureDoc reopened;
    reopened.withOutputRecord = true;
    ASSERT_TRUE(reopened.OnOpenDocument(pathB.c_str()));
    EXPECT_EQ(reopened.GetOutputAttributes().m_printedActions, std::vector<std::string>{"B snow"});
    ASSERT_TRUE(a.OnSaveDocument(pathA.c_str()));
    a.OnCloseDocument();
    TestStructureDoc check;
    check.withOutputRecord = true;
    ASSERT_TRUE(check.OnOpenDocument(pathA.c_str()));
    EXPECT_EQ(check.GetOutputAttributes().m_printedActions, std::vector<std::string>{"A dead load"});
    EXPECT_EQ(check.GetOutputAttributes().m_strDescription, "Hall A");
    // A new structure starts with empty lists.
    ASSERT_TRUE(check.OnNewDocument());
    EXPECT_TRUE(check.GetOutputAttributes().m_printedActions.empty());
    EXPECT_EQ(check.GetOutputAttributes().m_strDescription, "");
    EXPECT_EQ(check.GetCompoundFile(), nullptr) << "a new structure holds no file";
    TestStructureDoc again;
    EXPECT_TRUE(again.OnOpenDocument(pathA.c_str()));
}

} // namespace
