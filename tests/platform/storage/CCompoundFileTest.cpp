#include "platform/storage/CCompoundFile.h"

#include "platform/core/Exceptions.h"
#include "platform/core/FileIO.h"
#include "tests/support/TempFolder.h"

#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-stdio.h>
#include <gsf/gsf-utils.h>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <functional>
#include <map>
#include <sys/resource.h>
#include <sys/wait.h>

namespace {

std::vector<std::uint8_t> pattern(std::size_t size, unsigned seed) {
    std::vector<std::uint8_t> bytes(size);
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<std::uint8_t>((i * 31 + seed * 7) ^ (i >> 8));
    return bytes;
}

std::string hex(const std::vector<std::uint8_t>& bytes) {
    static const char* digits = "0123456789abcdef";
    std::string out;
    for (auto b : bytes) {
        out += digits[b >> 4];
        out += digits[b & 0xF];
    }
    return out;
}

// Writes a file through the layer: storage "Strakon" with the given streams.
void writeStrakonFile(const std::filesystem::path& path,
                      const std::vector<std::pair<std::string, std::vector<std::uint8_t>>>& streams) {
    CCompoundFile file;
    auto sub = file.Root().CreateStorage("Strakon");
    for (const auto& [name, bytes] : streams)
        sub->CreateStream(name)->SetData(bytes);
    sub->Commit();
    file.CommitAs(path);
}

std::vector<std::uint8_t> readStream(const std::filesystem::path& path, const std::string& storage,
                                     const std::string& stream) {
    CCompoundFile file(path);
    return file.Root().OpenStorage(storage)->OpenStream(stream)->GetData();
}

template <class F> CFileException::Cause fileCause(F&& f) {
    try {
        f();
    } catch (const CFileException& e) {
        return e.m_cause;
    }
    return CFileException::none;
}

template <class F> CArchiveException::Cause archiveCause(F&& f) {
    try {
        f();
    } catch (const CArchiveException& e) {
        return e.m_cause;
    }
    return CArchiveException::none;
}

class CCompoundFileTest : public ::testing::Test {
protected:
    TempFolder dir;
};

TEST_F(CCompoundFileTest, FileWrittenByTheLayerReadsTheSameInAnIndependentReader) {
    // A big stream (regular sectors), small ones (the mini stream) and an empty one.
    const auto contents = pattern(10000, 1);
    const auto project = pattern(100, 2);
    const auto path = dir / "frame.oxs";
    writeStrakonFile(path, {{"Contents", contents}, {"Project", project}, {"Workspace", {}}});

    const auto script = dir / "dump.py";
    std::ofstream(script) << "import sys, olefile\n"
                             "ole = olefile.OleFileIO(sys.argv[1])\n"
                             "for entry in ole.listdir(streams=True, storages=True):\n"
                             "    name = '/'.join(entry)\n"
                             "    if ole.get_type(entry) == olefile.STGTY_STREAM:\n"
                             "        print(name + '=' + ole.openstream(entry).read().hex())\n"
                             "    else:\n"
                             "        print(name + '=storage')\n";
    const std::string command = "/usr/bin/python3 '" + script.string() + "' '" + path.string() + "' 2>&1";
    FILE* pipe = ::popen(command.c_str(), "r");
    ASSERT_NE(pipe, nullptr);
    std::map<std::string, std::string> seen;
    std::string output;
    char buffer[65536];
    while (std::fgets(buffer, sizeof buffer, pipe))
        output += buffer;
    ASSERT_EQ(::pclose(pipe), 0) << output;
    std::size_t start = 0;
    while (start < output.size()) {
        std::size_t end = output.find('\n', start);
        std::string line = output.substr(start, end - start);
        start = end == std::string::npos ? output.size() : end + 1;
        std::size_t eq = line.find('=');
        if (eq != std::string::npos) seen[line.substr(0, eq)] = line.substr(eq + 1);
    }
    const std::map<std::string, std::string> expected = {{"Strakon", "storage"},
                                                         {"Strakon/Contents", hex(contents)},
                                                         {"Strakon/Project", hex(project)},
                                                         {"Strakon/Workspace", ""}};
    EXPECT_EQ(seen, expected);
}

TEST_F(CCompoundFileTest, FileWrittenByLibgsfDirectlyIsReadByTheLayer) {
    const auto path = dir / "foreign.oxp";
    const auto contents = pattern(5000, 3);
    const auto small = pattern(17, 4);
    {
        gsf_init();
        GError* error = nullptr;
        GsfOutput* sink = gsf_output_stdio_new(path.c_str(), &error);
        ASSERT_NE(sink, nullptr);
        GsfOutfile* ole = gsf_outfile_msole_new(sink);
        GsfOutput* strakon = gsf_outfile_new_child(ole, "Strakon", TRUE);
        GsfOutput* stream = gsf_outfile_new_child(GSF_OUTFILE(strakon), "Contents", FALSE);
        gsf_output_write(stream, contents.size(), contents.data());
        gsf_output_close(stream);
        g_object_unref(stream);
        GsfOutput* nested = gsf_outfile_new_child(GSF_OUTFILE(strakon), "Nested", TRUE);
        GsfOutput* inner = gsf_outfile_new_child(GSF_OUTFILE(nested), "Inner", FALSE);
        gsf_output_write(inner, small.size(), small.data());
        gsf_output_close(inner);
        g_object_unref(inner);
        gsf_output_close(nested);
        g_object_unref(nested);
        gsf_output_close(strakon);
        g_object_unref(strakon);
        gsf_output_close(GSF_OUTPUT(ole)); // closes the sink too
        g_object_unref(ole);
        g_object_unref(sink);
    }

    CCompoundFile file(path);
    ASSERT_TRUE(file.Root().IsStorage("Strakon"));
    auto strakon = file.Root().OpenStorage("Strakon");
    auto elements = strakon->Elements();
    ASSERT_EQ(elements.size(), 2u);
    EXPECT_EQ(elements[0].name, "Contents");
    EXPECT_FALSE(elements[0].isStorage);
    EXPECT_EQ(elements[0].size, contents.size());
    EXPECT_EQ(elements[1].name, "Nested");
    EXPECT_TRUE(elements[1].isStorage);
    EXPECT_EQ(strakon->OpenStream("Contents")->GetData(), contents);
    EXPECT_EQ(strakon->OpenStorage("Nested")->OpenStream("Inner")->GetData(), small);
}

TEST_F(CCompoundFileTest, SavedStreamsStorageClassIdsAndNamesSurviveReopening) {
    const auto path = dir / "round.oxs";
    const std::array<std::uint8_t, 16> clsid = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16};
    {
        CCompoundFile file;
        file.Root().SetClassId(clsid);
        auto sub = file.Root().CreateStorage("Strakon");
        sub->CreateStream("Contents")->SetData(pattern(300, 5));
        sub->Commit();
        file.CommitAs(path);
        EXPECT_EQ(file.GetPath(), path);
        // Saving again replaces the stream.
        auto again = file.Root().OpenStorage("Strakon");
        again->CreateStream("Contents")->SetData(pattern(40, 6));
        again->Commit();
        file.Commit();
    }
    CCompoundFile file(path);
    EXPECT_EQ(file.Root().GetClassId(), clsid);
    // Names are found without regard to case and keep their own.
    auto sub = file.Root().OpenStorage("STRAKON");
    EXPECT_EQ(sub->GetName(), "Strakon");
    EXPECT_EQ(sub->OpenStream("contents")->GetData(), pattern(40, 6));
}

TEST_F(CCompoundFileTest, MissingStorageOrStreamAndForeignFilesAreBadFormat) {
    const auto path = dir / "empty.oxs";
    writeStrakonFile(path, {});
    CCompoundFile file(path);
    EXPECT_EQ(archiveCause([&] { file.Root().OpenStorage("Missing"); }), CArchiveException::badSchema);
    EXPECT_EQ(archiveCause([&] { file.Root().OpenStream("Strakon"); }), CArchiveException::badSchema)
        << "a storage is no stream";
    auto sub = file.Root().OpenStorage("Strakon");
    EXPECT_EQ(archiveCause([&] { sub->OpenStream("Contents"); }), CArchiveException::badSchema);

    const auto text = dir / "text.oxs";
    fileio::writeFileAtomically(text, std::string_view("this is no compound file"));
    EXPECT_EQ(archiveCause([&] { CCompoundFile f(text); }), CArchiveException::badSchema);
    EXPECT_EQ(fileCause([&] { CCompoundFile f(dir / "nothing.oxs"); }), CFileException::fileNotFound);
    EXPECT_EQ(fileCause([&] { CCompoundFile f(dir.path()); }), CFileException::invalidFile);
}

TEST_F(CCompoundFileTest, InvalidElementNamesAreRefused) {
    CCompoundFile file;
    for (const char* name :
         {"", "a/b", "a\\b", "a:b", "a!b", "tab\there", "abcdefghijklmnopqrstuvwxyz123456"}) {
        EXPECT_EQ(fileCause([&] { file.Root().CreateStream(name); }), CFileException::badPath) << name;
        EXPECT_EQ(fileCause([&] { file.Root().CreateStorage(name); }), CFileException::badPath) << name;
    }
    // 31 characters is the longest name.
    EXPECT_NO_THROW(file.Root().CreateStream("abcdefghijklmnopqrstuvwxyz12345"));
    EXPECT_EQ(fileCause([&] { file.Commit(); }), CFileException::badPath) << "a new file has no name yet";
}

TEST_F(CCompoundFileTest, StorageChangesReachTheFileOnlyWhenCommitted) {
    const auto path = dir / "project.oxp";
    writeStrakonFile(path, {{"Project", pattern(60, 7)}});
    const auto before = fileio::readFile(path);
    {
        CCompoundFile file(path);
        // Loading a missing stream creates it in the sub-storage, which is never committed.
        auto sub = file.Root().OpenStorage("Strakon");
        sub->CreateStream("Workspace");
        EXPECT_TRUE(sub->IsStream("Workspace"));
        sub.reset();
        EXPECT_EQ(fileio::readFile(path), before) << "reading leaves the file as it was";
        // A later save of another stream commits the root, but not the dropped stream.
        auto save = file.Root().OpenStorage("Strakon");
        save->CreateStream("ProjectWnd")->SetData({1, 2, 3});
        save->Commit();
        file.Commit();
    }
    CCompoundFile file(path);
    auto sub = file.Root().OpenStorage("Strakon");
    EXPECT_FALSE(sub->Exists("Workspace"));
    EXPECT_EQ(sub->OpenStream("ProjectWnd")->GetData(), (std::vector<std::uint8_t>{1, 2, 3}));
    EXPECT_EQ(sub->OpenStream("Project")->GetData(), pattern(60, 7));

    // Revert drops what was not committed.
    sub->CreateStream("Scratch");
    sub->DestroyElement("Project");
    sub->Revert();
    EXPECT_FALSE(sub->Exists("Scratch"));
    EXPECT_TRUE(sub->Exists("Project"));
}

TEST_F(CCompoundFileTest, SaveThatThrowsInTheMiddleLeavesThePreviousFileByteIdentical) {
    const auto path = dir / "frame.oxs";
    writeStrakonFile(path, {{"Contents", pattern(2000, 8)}});
    const auto before = fileio::readFile(path);

    CCompoundFile file(path);
    // A serialiser that throws half-way: the sub-storage is dropped uncommitted.
    try {
        auto sub = file.Root().OpenStorage("Strakon");
        auto stream = sub->CreateStream("Contents");
        stream->Write("half", 4);
        throw CArchiveException(CArchiveException::endOfFile);
    } catch (const CArchiveException&) {
    }
    EXPECT_EQ(fileio::readFile(path), before);

    // Writing the file fails part-way (the file-size limit stands in for a full disk).
    auto sub = file.Root().OpenStorage("Strakon");
    sub->CreateStream("Contents")->SetData(pattern(200000, 9));
    sub->Commit();
    auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit oldLimit{};
    ::getrlimit(RLIMIT_FSIZE, &oldLimit);
    rlimit small = oldLimit;
    small.rlim_cur = 8192;
    ::setrlimit(RLIMIT_FSIZE, &small);
    bool threw = false;
    try {
        file.Commit();
    } catch (const CFileException&) {
        threw = true;
    }
    ::setrlimit(RLIMIT_FSIZE, &oldLimit);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_TRUE(threw);
    EXPECT_EQ(fileio::readFile(path), before);
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(dir.path()))
        ++entries;
    EXPECT_EQ(entries, 1u) << "no half-written file is left behind";

    // The document still holds the file: another opener is refused, and a retry succeeds.
    EXPECT_EQ(fileCause([&] { CCompoundFile other(path); }), CFileException::sharingViolation);
    file.Commit();
    file.Close();
    EXPECT_EQ(readStream(path, "Strakon", "Contents"), pattern(200000, 9));
}

TEST_F(CCompoundFileTest, SecondOpenOfALockedFileIsRefusedUntilTheFirstCloses) {
    const auto path = dir / "frame.oxs";
    writeStrakonFile(path, {{"Contents", pattern(10, 10)}});
    {
        CCompoundFile first(path);
        EXPECT_EQ(fileCause([&] { CCompoundFile second(path); }), CFileException::sharingViolation);

        // The lock survives a save, which replaces the file by a new one.
        first.Commit();
        EXPECT_EQ(fileCause([&] { CCompoundFile second(path); }), CFileException::sharingViolation);

        // Another program is refused as well.
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            int code = 0;
            try {
                CCompoundFile second(path);
            } catch (const CFileException& e) {
                code = e.m_cause == CFileException::sharingViolation ? 1 : 2;
            } catch (...) {
                code = 3;
            }
            ::_exit(code);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 1) << "the other program was refused";

        // Saving another document over the held file is refused too, and changes nothing.
        const auto before = fileio::readFile(path);
        CCompoundFile other;
        EXPECT_EQ(fileCause([&] { other.CommitAs(path); }), CFileException::sharingViolation);
        EXPECT_EQ(fileio::readFile(path), before);
    }
    EXPECT_NO_THROW(CCompoundFile again(path));
}

TEST_F(CCompoundFileTest, SaveAsMovesTheLockToTheNewFile) {
    const auto oldPath = dir / "old.oxs";
    const auto newPath = dir / "new.oxs";
    writeStrakonFile(oldPath, {{"Contents", pattern(10, 11)}});
    CCompoundFile file(oldPath);
    file.CommitAs(newPath);
    EXPECT_EQ(file.GetPath(), newPath);
    EXPECT_NO_THROW(CCompoundFile reopened(oldPath));
    EXPECT_EQ(fileCause([&] { CCompoundFile second(newPath); }), CFileException::sharingViolation);
}

TEST_F(CCompoundFileTest, SavingThroughALinkReplacesTheLinkedFile) {
    const auto target = dir / "target.oxs";
    const auto link = dir / "link.oxs";
    writeStrakonFile(target, {{"Contents", pattern(10, 12)}});
    std::filesystem::create_symlink(target, link);
    {
        CCompoundFile file(link);
        auto sub = file.Root().OpenStorage("Strakon");
        sub->CreateStream("Contents")->SetData({42});
        sub->Commit();
        file.Commit();
    }
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readStream(target, "Strakon", "Contents"), (std::vector<std::uint8_t>{42}));
}

TEST(CCompoundStreamTest, ReadsWritesAndSeeksLikeAFile) {
    CCompoundFile file;
    auto stream = file.Root().CreateStream("Data");
    stream->Write("abcdef", 6);
    EXPECT_EQ(stream->GetLength(), 6u);
    EXPECT_EQ(stream->Seek(2, CCompoundStream::begin), 2u);
    stream->Write("XY", 2);
    EXPECT_EQ(stream->Seek(-1, CCompoundStream::end), 5u);
    char buffer[8] = {};
    EXPECT_EQ(stream->Read(buffer, sizeof buffer), 1u);
    EXPECT_EQ(buffer[0], 'f');
    EXPECT_EQ(stream->Read(buffer, sizeof buffer), 0u);
    // Writing past the end fills the gap with zeros.
    stream->Seek(8, CCompoundStream::begin);
    stream->Write("!", 1);
    EXPECT_EQ(stream->GetData(), (std::vector<std::uint8_t>{'a', 'b', 'X', 'Y', 'e', 'f', 0, 0, '!'}));
    stream->SetLength(3);
    EXPECT_EQ(stream->GetData(), (std::vector<std::uint8_t>{'a', 'b', 'X'}));
    EXPECT_EQ(fileCause([&] { stream->Seek(-1, CCompoundStream::begin); }), CFileException::badSeek);
}

} // namespace

namespace {

// Where the directory entry of an element stands in a compound file's bytes:
// entries are 128 bytes on 128-byte boundaries, the name in UTF-16 first and
// its length in bytes (terminator included) at 0x40.
std::size_t directoryEntry(const std::vector<std::uint8_t>& file, std::string_view name) {
    for (std::size_t at = 512; at + 128 <= file.size(); at += 128) {
        bool same = file[at + 0x40] == 2 * (name.size() + 1) && file[at + 0x41] == 0;
        for (std::size_t i = 0; same && i < name.size(); ++i)
            same = file[at + 2 * i] == static_cast<std::uint8_t>(name[i]) && file[at + 2 * i + 1] == 0;
        if (same) return at;
    }
    ADD_FAILURE() << "no directory entry \"" << name << "\"";
    return 0;
}

void putWord(std::vector<std::uint8_t>& file, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        file[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

} // namespace

TEST_F(CCompoundFileTest, AFileWithADamagedDirectoryEntryIsReportedDamagedNotOpenedHalf) {
    const auto path = dir / "frame.oxs";
    writeStrakonFile(path,
                     {{"Alpha", pattern(100, 1)}, {"Beta", pattern(5000, 2)}, {"Gamma", pattern(70, 3)}});
    const auto good = fileio::readFile(path);
    EXPECT_EQ(readStream(path, "Strakon", "Beta"), pattern(5000, 2)) << "the undamaged file opens whole";

    const struct {
        const char* what;
        std::function<void(std::vector<std::uint8_t>&, std::size_t)> damage;
    } cases[] = {
        {"an element of unknown type", [](auto& file, std::size_t beta) { file[beta + 0x42] = 7; }},
        {"a stream longer than the file",
         [](auto& file, std::size_t beta) { putWord(file, beta + 0x78, 0x7FFFFF00); }},
        {"a second element of the same name",
         [](auto& file, std::size_t beta) {
             const char* alias = "ALPHA";
             for (int i = 0; i < 4; ++i)
                 file[beta + 2 * i] = static_cast<std::uint8_t>(alias[i]);
             file[beta + 8] = static_cast<std::uint8_t>(alias[4]);
             file[beta + 9] = 0;
             file[beta + 10] = 0;
             file[beta + 0x40] = 12;
         }},
        {"a stream whose first sector lies past the end",
         [](auto& file, std::size_t beta) { putWord(file, beta + 0x74, 0x00FFFFF0); }},
    };
    for (const auto& c : cases) {
        auto bytes = good;
        c.damage(bytes, directoryEntry(bytes, "Beta"));
        const auto damaged = dir / "damaged.oxs";
        fileio::writeFileAtomically(damaged, bytes);
        std::string message;
        try {
            CCompoundFile file(damaged);
            auto sub = file.Root().OpenStorage("Strakon");
            for (const char* name : {"Alpha", "Beta", "Gamma"})
                sub->OpenStream(name)->GetData();
        } catch (const CArchiveException& e) {
            EXPECT_EQ(e.m_cause, CArchiveException::badSchema) << c.what;
            message = e.what();
        }
        EXPECT_NE(message.find("damaged"), std::string::npos) << c.what << ": " << message;
    }
}
