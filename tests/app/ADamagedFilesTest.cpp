// Damaged and foreign files given to the real structure and project documents:
// none of them opens as an empty structure or project without a word, the file
// is left byte for byte as it was, and a saved window placement never sizes a
// window or its picture beyond the screen.
#include "ProjectWindowFixture.h"
#include "ProjectRecords.h"

#include "platform/storage/CCompoundFile.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

Bytes fileBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const fs::path& path, const Bytes& bytes) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                               static_cast<std::streamsize>(bytes.size()));
}

// A compound file with a "Strakon" storage holding these streams.
void writeCompound(const fs::path& path, const std::vector<std::pair<std::string, Bytes>>& streams) {
    CCompoundFile file;
    auto storage = file.Root().CreateStorage("Strakon");
    for (const auto& [name, data] : streams)
        storage->CreateStream(name)->SetData(data);
    storage->Commit();
    file.CommitAs(path);
    file.Close();
}


// Resident memory of this process in bytes.
long long residentBytes() {
    std::ifstream statm("/proc/self/statm");
    long long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * ::sysconf(_SC_PAGESIZE);
}

class ADamagedFilesTest : public ProjectWindowFixture {
protected:
    // The records of a portal as the program saves them, in S.oxs.
    Bytes savedPortal() {
        const fs::path path = folder / "saved" / "S.oxs";
        if (!fs::exists(path)) {
            fs::create_directories(path.parent_path());
            AStrakonDocument doc;
            structurefile::buildPortal(*doc.GetModel(), false);
            EXPECT_TRUE(doc.OnSaveDocument(path.string().c_str()));
        }
        return readStream(path, "Contents");
    }
    std::string lastMessage() {
        return prompts.MessageBoxes().empty() ? std::string() : std::string(prompts.MessageBoxes().back().text);
    }
};

TEST_F(ADamagedFilesTest, StructureFilesOpenOnlyWhenTheyHoldAStructureAndAreNeverChanged) {
    newProject(folder / "P.oxp");
    ASSERT_TRUE(saveProject());
    const Bytes portal = savedPortal();
    ASSERT_GT(portal.size(), 300u);
    Bytes zeros = portal;
    zeros.insert(zeros.begin(), 271, std::uint8_t{0});
    Bytes trailing = portal;
    trailing.insert(trailing.end(), {1, 2, 3, 4, 5});

    struct Case {
        const char* name;
        std::function<fs::path()> make;
        bool opens;
        const char* message; // in the refusal, or in the loading report of an opened file
    };
    const Case cases[] = {
        {"records after 271 zero bytes",
         [&] {
             writeCompound(folder / "zeros.oxs", {{"Contents", zeros}});
             return folder / "zeros.oxs";
         },
         false, "zeros.oxs is not a structure file or is damaged"},
        {"no Contents stream",
         [&] {
             writeCompound(folder / "none.oxs", {{"Other", {1, 2, 3}}});
             return folder / "none.oxs";
         },
         false, "none.oxs is not a structure file or is damaged"},
        {"a project file",
         [&] {
             // A copy: the open project holds its own file.
             fs::copy_file(folder / "P.oxp", folder / "Q.oxp", fs::copy_options::overwrite_existing);
             return folder / "Q.oxp";
         },
         false, "Q.oxp is a project file, not a structure"},
        {"an empty Contents beside other data",
         [&] {
             writeCompound(folder / "emptied.oxs", {{"Contents", {}}, {"Other", {1}}});
             return folder / "emptied.oxs";
         },
         false, "emptied.oxs is not a structure file or is damaged"},
        {"the first sector of the records zeroed",
         [&] {
             const fs::path path = folder / "sector.oxs";
             fs::copy_file(folder / "saved" / "S.oxs", path, fs::copy_options::overwrite_existing);
             Bytes file = fileBytes(path);
             const auto at = std::search(file.begin(), file.end(), portal.begin(), portal.begin() + 32);
             EXPECT_NE(at, file.end());
             std::fill(at, at + 64, 0);
             writeBytes(path, file);
             return path;
         },
         false, "sector.oxs is not a structure file or is damaged"},
        {"bytes after the last record",
         [&] {
             writeCompound(folder / "longer.oxs", {{"Contents", trailing}});
             return folder / "longer.oxs";
         },
         true, "holds data this version does not read"},
        {"the empty structure",
         [&] {
             writeCompound(folder / "empty.oxs", {{"Contents", {}}});
             return folder / "empty.oxs";
         },
         true, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path path = c.make();
        const Bytes before = fileBytes(path);
        for (bool inserted : {false, true}) {
            prompts.Clear();
            if (inserted) {
                // Insert Structure: the project opens the file as one of its structures.
                ABaseStructureDoc* added = project()->AddStructure(path.stem().string().c_str(), path.string().c_str(), TRUE);
                EXPECT_EQ(added != nullptr, c.opens);
                if (added) {
                    EXPECT_TRUE(prompts.MessageBoxes().empty());
                    auto* s = static_cast<AStrakonDocument*>(added);
                    EXPECT_NE(s->GetLoadReport().find(c.message), std::string::npos) << s->GetLoadReport();
                    project()->RemoveStructure(added, FALSE);
                } else {
                    ASSERT_FALSE(prompts.MessageBoxes().empty());
                    EXPECT_NE(lastMessage().find(c.message), std::string::npos) << lastMessage();
                    EXPECT_TRUE(project()->GetStructures().empty()) << "nothing is open to be saved over the file";
                }
            } else {
                AStrakonDocument doc;
                EXPECT_EQ(doc.OnOpenDocument(path.string().c_str()) != FALSE, c.opens);
                if (c.opens) {
                    EXPECT_NE(doc.GetLoadReport().find(c.message), std::string::npos) << doc.GetLoadReport();
                } else {
                    EXPECT_EQ(doc.GetCompoundFile(), nullptr) << "a refused file is not held";
                    EXPECT_NE(lastMessage().find(c.message), std::string::npos) << lastMessage();
                }
            }
            EXPECT_EQ(fileBytes(path), before);
        }
    }
}

TEST_F(ADamagedFilesTest, ProjectFilesThatLostTheirListOrNameAStructureTwiceOpenWithAMessage) {
    newProject(folder / "P.oxp");
    ASSERT_NE(addStructure("Portal", folder.path(), [](omStrakon& s) { structurefile::buildPortal(s, false); }),
              nullptr);
    ASSERT_NE(addStructure("Beam", folder.path(), [](omStrakon& s) { structurefile::buildPortal(s, false); }),
              nullptr);
    ASSERT_TRUE(saveProject());
    closeProject();
    const fs::path file = folder / "P.oxp";
    const Bytes whole = fileBytes(file);
    const Bytes list = readStream(file, "Project");

    struct Case {
        const char* name;
        Bytes stream; // the "Project" stream
        std::vector<std::string> opened;
        std::vector<const char*> message;
    };
    const Case cases[] = {
        {"a list of zeros", Bytes(list.size(), 0), {}, {"is damaged", "without its structures"}},
        {"an empty list beside the layout", {}, {}, {"is damaged", "without its structures"}},
        {"one title twice",
         RecordWriter().dword(10000).dword(2).text("Portal").text("Portal.oxs").text("PORTAL").text("Beam.oxs").dword(0).bytes,
         {"Portal"},
         {"a second time", "'PORTAL'"}},
        {"one file twice",
         RecordWriter().dword(10000).dword(2).text("Portal").text("Portal.oxs").text("Frame").text("./Portal.oxs").dword(0).bytes,
         {"Portal"},
         {"a second time", "'Frame'"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(file, whole);
        writeStream(file, "Project", c.stream);
        const Bytes before = fileBytes(file);
        prompts.Clear();
        ASSERT_NE(openProject(file), nullptr);
        std::vector<std::string> names;
        for (ABaseStructureDoc* s : project()->GetStructures())
            names.push_back(s->GetTitle());
        EXPECT_EQ(names, c.opened);
        ASSERT_FALSE(prompts.MessageBoxes().empty());
        for (const char* text : c.message)
            EXPECT_NE(lastMessage().find(text), std::string::npos) << lastMessage();
        EXPECT_EQ(lastMessage().find("another window or program"), std::string::npos);
        closeProject();
        EXPECT_EQ(fileBytes(file), before);
    }

    // A structure file where a project is expected.
    prompts.Clear();
    const Bytes structure = fileBytes(folder / "Portal.oxs");
    EXPECT_EQ(openProject(folder / "Portal.oxs"), nullptr);
    ASSERT_FALSE(prompts.MessageBoxes().empty());
    EXPECT_NE(lastMessage().find("Portal.oxs is a structure file, not a project"), std::string::npos) << lastMessage();
    EXPECT_EQ(fileBytes(folder / "Portal.oxs"), structure);
}

TEST_F(ADamagedFilesTest, AnExtremeWindowPlacementOpensInsideTheScreenWithoutAHugePicture) {
    newProject(folder / "P.oxp");
    ASSERT_NE(addStructure("Portal", folder.path(), [](omStrakon& s) { structurefile::buildPortal(s, false); }),
              nullptr);
    ASSERT_TRUE(saveProject());
    closeProject();
    // The Geometry workspace holds the portal's geometry window placed from
    // (10, 20) down to the end of int; the other three hold none.
    RecordWriter ws;
    ws.dword(10001).dword(0);
    ws.dword(10000).dword(1).dword(10000);
    ws.dword(44).dword(0).dword(1);
    for (std::uint32_t v : {0x80000000u, 0x80000000u, 0x7fffffffu, 0x7fffffffu})
        ws.dword(v);
    ws.dword(10).dword(20).dword(0x7fffffff).dword(0x7fffffff);
    ws.text("Portal").text(".?AVATIWinGGeometryItem@@");
    for (int id = 1; id < 4; ++id)
        ws.dword(10000).dword(0);
    writeStream(folder / "P.oxp", "Workspace", ws.bytes);

    const long long before = residentBytes();
    ASSERT_NE(openProject(folder / "P.oxp"), nullptr);
    ProcessEvents();
    const auto& frames = AWorkspaceManager::Instance()->GetWorkspace(0)->GetFrames();
    ASSERT_EQ(frames.size(), 1u);
    CWnd* child = CWnd::FromHandle(frames.front()->m_hWnd);
    ASSERT_NE(child, nullptr);
    CRect placed;
    child->GetWindowRect(&placed);
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    EXPECT_LE(placed.Width(), screen.width());
    EXPECT_LE(placed.Height(), screen.height());
    // Painted, with the views' cached pictures.
    const QPixmap shot = frame->GetWidget()->grab();
    EXPECT_FALSE(shot.isNull());
    ProcessEvents();
    const long long grown = residentBytes() - before;
    EXPECT_LT(grown, 300LL * 1024 * 1024) << grown;
}

} // namespace
