#include "app/shell/AStrakonDocument.h"
#include "app/views/AStrakon.h"

#include "SettingsFixture.h"
#include "StructureFileSupport.h"

#include "app/shell/AStorageInterface.h"
#include "model/omElementLoadGroup.h"
#include "model/omElementResult.h"
#include "model/omLoadCaseResult.h"
#include "model/omNodeLoadGroup.h"
#include "model/omNodeMap.h"
#include "platform/core/CArchive.h"
#include "platform/core/Exceptions.h"
#include "platform/ui/CPromptService.h"
#include "platform/storage/CCompoundFile.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <random>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

class StrakonDoc : public AStrakonDocument {
public:
    void ReportSaveLoadException(const char* path, const std::exception* e, BOOL saving, UINT idDefault) override {
        reported = e ? e->what() : "";
        AStrakonDocument::ReportSaveLoadException(path, e, saving, idDefault);
    }
    std::string reported;
};

std::vector<std::uint8_t> saveStream(AStrakonDocument& doc) {
    CArchive ar(CArchive::store);
    ar.m_pDocument = &doc;
    doc.Serialize(ar);
    return ar.Detach();
}

void loadStream(AStrakonDocument& doc, std::vector<std::uint8_t> bytes) {
    CArchive ar(CArchive::load, std::move(bytes));
    ar.m_pDocument = &doc;
    doc.Serialize(ar);
}

std::vector<std::uint8_t> fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

using Builder = std::function<void(omStrakon&)>;
struct Example {
    const char* name;
    Builder build;
};
const Example kExamples[] = {
    {"empty", [](omStrakon&) {}},
    {"portal", [](omStrakon& s) { structurefile::buildPortal(s); }},
    {"beam-on-ground", [](omStrakon& s) { structurefile::buildBeamOnGround(s); }},
    {"nonlinear-column", [](omStrakon& s) { structurefile::buildNonLinearColumn(s); }},
    {"sections-and-materials", [](omStrakon& s) { structurefile::buildSectionsAndMaterials(s); }},
};

class AStrakonDocumentTest : public SettingsFixture {
protected:
    void SetUp() override {
        SettingsFixture::SetUp();
        AStorageInterface::InitializeAll();
        omErrorContainer::instance()->reset();
    }
    std::vector<std::uint8_t> exampleStream(const Example& e) {
        AStrakonDocument doc;
        e.build(*doc.GetModel());
        doc.GetDocAttributes().title = e.name;
        return saveStream(doc);
    }
    CScriptedPromptService prompts;
    TempFolder dir;
};

TEST_F(AStrakonDocumentTest, EveryExampleReadsBackAndSavesAgainByteIdentical) {
    for (const Example& e : kExamples) {
        SCOPED_TRACE(e.name);
        std::vector<std::uint8_t> first = exampleStream(e);
        AStrakonDocument doc;
        ASSERT_NO_THROW(loadStream(doc, first));
        EXPECT_EQ(saveStream(doc), first);
    }
}

TEST_F(AStrakonDocumentTest, APortalFrameComesBackWithItsLoadsCasesEnvelopeAndResults) {
    AStrakonDocument original;
    structurefile::buildPortal(*original.GetModel());
    AStrakonDocument doc;
    loadStream(doc, saveStream(original));
    omStrakon& a = *original.GetModel();
    omStrakon& b = *doc.GetModel();
    ASSERT_EQ(b.getNodeMap()->size(), 4u);
    ASSERT_EQ(b.getElementMap()->size(), 3u);
    EXPECT_TRUE(b.getElementMap()->find(2)->isReleased(omDesignElement::second, Ry));
    EXPECT_EQ(b.getElementMap()->find(2)->getName(), "Beam");
    ASSERT_EQ(b.getLoadManager()->caseSize(), 6);
    ASSERT_EQ(b.getLoadManager()->envelopeSize(), 1);
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(b.getLoadManager()->getCase(k)->name(), a.getLoadManager()->getCase(k)->name());
        EXPECT_EQ(b.getLoadManager()->getCase(k)->limitState(), a.getLoadManager()->getCase(k)->limitState());
        EXPECT_TRUE(static_cast<const omVector&>(*b.getLoadManager()->getCase(k)) ==
                    static_cast<const omVector&>(*a.getLoadManager()->getCase(k)));
    }
    for (unsigned id = 1; id <= 3; ++id) {
        const omElementResult& ra = a.getElementMap()->find(id)->getResult();
        const omElementResult& rb = b.getElementMap()->find(id)->getResult();
        ASSERT_EQ(rb.caseSize(), ra.caseSize());
        EXPECT_EQ(rb.getPoints(), ra.getPoints());
        for (unsigned lc = 1; lc <= static_cast<unsigned>(ra.caseSize()); ++lc) {
            const omLoadCaseResult& pa = ra.getLCResult(lc);
            const omLoadCaseResult& pb = rb.getLCResult(lc);
            ASSERT_EQ(pb.size(), pa.size());
            EXPECT_EQ(pb.getLoadCase(), b.getLoadManager()->getCase(static_cast<int>(lc)));
            for (std::size_t i = 0; i < pa.size(); ++i) {
                EXPECT_TRUE(pb[i].F == pa[i].F);
                EXPECT_TRUE(pb[i].U == pa[i].U);
                EXPECT_EQ(pb[i].pressure, pa[i].pressure);
            }
        }
    }
    EXPECT_TRUE(b.getLoadManager()->getEnvelope(1)->getMaxAbsF() == a.getLoadManager()->getEnvelope(1)->getMaxAbsF());
    EXPECT_EQ(b.getNodeMap()->find(2)->getLoad()->size(), 1);
    EXPECT_EQ(b.getElementMap()->find(2)->getLoad()->size(), 2);
    EXPECT_TRUE(prompts.Beeps().empty());
}

TEST_F(AStrakonDocumentTest, TheEmptyStructureOpensWithoutABeepAndWithOnlyTheLoadingTitle) {
    std::vector<std::uint8_t> bytes = exampleStream(kExamples[0]);
    AStrakonDocument doc;
    loadStream(doc, bytes);
    EXPECT_TRUE(prompts.Beeps().empty());
    EXPECT_EQ(doc.GetLoadReportTitle(), "Loading ...");
    EXPECT_EQ(doc.GetLoadReport(), "");
}

TEST_F(AStrakonDocumentTest, AMissingMaterialOpensWithItsErrorAndOneBeep) {
    AStrakonDocument original;
    structurefile::buildPortal(*original.GetModel(), false);
    original.GetModel()->getMaterialMap()->erase(2);
    AStrakonDocument doc;
    ASSERT_NO_THROW(loadStream(doc, saveStream(original)));
    ASSERT_EQ(prompts.Beeps().size(), 1u);
    EXPECT_EQ(prompts.Beeps()[0], MB_ICONEXCLAMATION);
    bool found = false;
    for (const omErrorEntry& e : omErrorContainer::instance()->errors())
        found = found || e.code == 1008;
    EXPECT_TRUE(found);
    EXPECT_EQ(doc.GetModel()->getElementMap()->size(), 3u);
}

// Every truncation of the smaller examples, and the bytes around every record
// boundary of the larger ones, either load or fail with the archive's exception;
// the program-wide settings stay as they were after a failure.
TEST_F(AStrakonDocumentTest, TruncatedAndFlippedStreamsLoadOrFailCleanly) {
    ADrawAttributes::Instance()->m_nodeSize = 0.77;
    std::mt19937 random(20261211);
    for (const Example& e : kExamples) {
        SCOPED_TRACE(e.name);
        std::vector<std::uint8_t> bytes = exampleStream(e);
        auto attempt = [&](std::vector<std::uint8_t> damaged) {
            ADrawAttributes::Instance()->m_nodeSize = 0.77;
            AStrakonDocument doc;
            try {
                loadStream(doc, std::move(damaged));
            } catch (const CArchiveException&) {
                EXPECT_EQ(ADrawAttributes::Instance()->m_nodeSize, 0.77);
            }
        };
        // Small streams are cut at every byte. Larger ones at every record
        // boundary and one byte either side (every record opens with its version
        // word, 10000 and up), and at every 7th byte between them.
        std::vector<std::size_t> cuts;
        const bool small = bytes.size() < 4000;
        for (std::size_t at = 0; at < bytes.size(); at += small ? 1 : 7)
            cuts.push_back(at);
        if (!small) {
            for (std::size_t at = 0; at + 4 <= bytes.size(); ++at) {
                const std::uint32_t word = bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) |
                                           (std::uint32_t(bytes[at + 3]) << 24);
                if (word < 10000 || word > 10020)
                    continue;
                for (std::size_t near : {at - 1, at, at + 1})
                    if (at > 0 || near == at)
                        cuts.push_back(near);
            }
            std::sort(cuts.begin(), cuts.end());
            cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
        }
        for (std::size_t cut : cuts)
            attempt(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(cut)));
        for (int i = 0; i < 300; ++i) {
            std::vector<std::uint8_t> flipped = bytes;
            std::size_t at = random() % flipped.size();
            flipped[at] ^= static_cast<std::uint8_t>(1u << (random() % 8));
            attempt(std::move(flipped));
        }
        ADrawAttributes::Instance()->m_nodeSize = 0.77;
    }
}

TEST_F(AStrakonDocumentTest, AFileSavedAndOpenedAgainHoldsTheSameContents) {
    const auto path = dir / "portal.oxs";
    StrakonDoc doc;
    doc.OnNewDocument();
    structurefile::buildPortal(*doc.GetModel());
    ASSERT_TRUE(doc.OnSaveDocument(path.string().c_str()));
    std::vector<std::uint8_t> saved = saveStream(doc);
    doc.OnCloseDocument();
    StrakonDoc again;
    ASSERT_TRUE(again.OnOpenDocument(path.string().c_str()));
    EXPECT_EQ(saveStream(again), saved);
}

TEST_F(AStrakonDocumentTest, ASaveThatThrowsHalfWayLeavesTheOldFileAndTheDocumentModified) {
    const auto path = dir / "portal.oxs";
    StrakonDoc doc;
    doc.OnNewDocument();
    structurefile::buildPortal(*doc.GetModel());
    ASSERT_TRUE(doc.OnSaveDocument(path.string().c_str()));
    const std::vector<std::uint8_t> before = fileBytes(path);
    // Results that no longer cover their positions stop the save part-way.
    doc.GetModel()->getElementMap()->find(3)->getResult().getPoints().push_back(1.0);
    doc.SetModifiedFlag(TRUE);
    EXPECT_FALSE(doc.OnSaveDocument(path.string().c_str()));
    EXPECT_EQ(fileBytes(path), before);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(AStrakonDocumentTest, ASaveStoppedByTheFileSizeLimitLeavesTheOldFileAndTheDocumentModified) {
    const auto path = dir / "portal.oxs";
    StrakonDoc doc;
    doc.OnNewDocument();
    structurefile::buildPortal(*doc.GetModel());
    ASSERT_TRUE(doc.OnSaveDocument(path.string().c_str()));
    const std::vector<std::uint8_t> before = fileBytes(path);
    std::fflush(nullptr);
    // The limit holds for the whole process, so the save runs in a child of its own.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{before.size() / 2, before.size() / 2};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        doc.GetDocAttributes().title = "portal, saved again";
        doc.SetModifiedFlag(TRUE);
        const bool saved = doc.OnSaveDocument(path.string().c_str());
        const bool kept = fileBytes(path) == before;
        ::_exit(!saved && kept && doc.IsModified() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(fileBytes(path), before);
    std::error_code ec;
    std::size_t entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path(), ec)) {
        (void)entry;
        ++entries;
    }
    EXPECT_EQ(entries, 1u) << "no temporary file is left beside the structure";
    doc.OnCloseDocument();
}

TEST_F(AStrakonDocumentTest, AWriteProtectedFileOpensReadOnlyAndRefusesSaving) {
    const auto path = dir / "portal.oxs";
    {
        StrakonDoc doc;
        doc.OnNewDocument();
        structurefile::buildPortal(*doc.GetModel(), false);
        ASSERT_TRUE(doc.OnSaveDocument(path.string().c_str()));
        doc.OnCloseDocument();
    }
    std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
    const std::vector<std::uint8_t> before = fileBytes(path);
    StrakonDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(path.string().c_str()));
    EXPECT_TRUE(doc.IsReadOnly());
    EXPECT_NE(doc.GetTitle().find("(read-only)"), std::string::npos);
    doc.SetModifiedFlag(TRUE);
    EXPECT_FALSE(doc.OnSaveDocument(path.string().c_str()));
    EXPECT_FALSE(prompts.MessageBoxes().empty());
    EXPECT_EQ(fileBytes(path), before);
    doc.OnCloseDocument();
    std::filesystem::permissions(path, std::filesystem::perms::owner_all);
}

TEST_F(AStrakonDocumentTest, ASecondProcessOpeningTheSameFileGetsTheSharingMessage) {
    const auto path = dir / "shared.oxs";
    StrakonDoc doc;
    doc.OnNewDocument();
    ASSERT_TRUE(doc.OnSaveDocument(path.string().c_str()));
    std::fflush(nullptr);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        StrakonDoc other;
        const bool opened = other.OnOpenDocument(path.string().c_str());
        const bool sharing = other.reported.find("another window or program") != std::string::npos;
        ::_exit(!opened && sharing ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    doc.OnCloseDocument();
}

TEST_F(AStrakonDocumentTest, AFailedOpenNamesTheFileAndTheCauseAndLeavesNoStructure) {
    const auto path = dir / "bad.oxs";
    {
        StrakonDoc doc;
        doc.OnNewDocument();
        structurefile::buildPortal(*doc.GetModel(), false);
        auto* m = new omMaterial(0u);
        m->setE(omUnitValue(1.0, omUK_kN_cm2));
        doc.GetModel()->addMaterial(m, 9);
        ASSERT_TRUE(doc.OnSaveDocument(path.string().c_str()));
        doc.OnCloseDocument();
    }
    // Damage the stream: rename the unit of material 9's modulus.
    CCompoundFile file(path);
    auto storage = file.Root().OpenStorage("Strakon");
    auto stream = storage->OpenStream("Contents");
    std::vector<std::uint8_t> bytes = stream->GetData();
    const std::string unit = "kN/cm2";
    auto at = std::search(bytes.rbegin(), bytes.rend(), unit.rbegin(), unit.rend());
    ASSERT_NE(at, bytes.rend());
    *(at.base() - 1) = 'X';
    stream->SetData(bytes);
    storage->Commit();
    file.Root().Commit();
    file.Close();
    StrakonDoc doc;
    EXPECT_FALSE(doc.OnOpenDocument(path.string().c_str()));
    EXPECT_NE(doc.reported.find("unknown unit"), std::string::npos) << doc.reported;
    ASSERT_FALSE(prompts.MessageBoxes().empty());
    EXPECT_NE(prompts.MessageBoxes().back().text.find(path.string()), std::string::npos);
    EXPECT_TRUE(doc.GetModel()->getNodeMap()->empty());
}

#if defined(__OPTIMIZE__)
constexpr bool kOptimisedBuild = true;
#else
constexpr bool kOptimisedBuild = false;
#endif

// The committed examples: each opens, saves the same "Contents" again, and
// another reader finds the storage "Strakon" and its stream; the generator
// writes them again as they are.
TEST_F(AStrakonDocumentTest, TheCommittedExamplesOpenSaveAlikeAndAreReproducedByTheGenerator) {
    const std::filesystem::path examples = std::filesystem::path(STRAKON_SOURCE_DIR) / "examples";
    const char* names[] = {"empty",        "portal-frame",           "beam-on-ground", "nonlinear-column",
                           "sections-and-materials", "steel-portal", "rc-beam"};
    const auto regenerated = dir / "regenerated";
    const std::string command = std::string("'") + STRUCTURE_EXAMPLES_TOOL + "' '" + regenerated.string() + "'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const auto script = dir / "read_structure.py";
    std::ofstream(script) << "import sys, olefile\n"
                             "ole = olefile.OleFileIO(sys.argv[1])\n"
                             "data = ole.openstream(['Strakon', 'Contents']).read()\n"
                             "print(ole.exists('Strakon'), data[:12].hex())\n";
    for (const char* name : names) {
        SCOPED_TRACE(name);
        const auto file = examples / (std::string(name) + ".oxs");
        ASSERT_TRUE(std::filesystem::exists(file));
        // The stored results are the solver's own bits, which change with the
        // optimisation level: only the build that wrote the examples compares them.
        if (kOptimisedBuild) {
            EXPECT_EQ(fileBytes(regenerated / (std::string(name) + ".oxs")), fileBytes(file));
        }
        // Open a copy: the committed file stays untouched.
        const auto copy = dir / (std::string(name) + ".oxs");
        std::filesystem::copy_file(file, copy, std::filesystem::copy_options::overwrite_existing);
        StrakonDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(copy.string().c_str()));
        std::vector<std::uint8_t> contents;
        {
            CCompoundFile original(file);
            contents = original.Root().OpenStorage("Strakon")->OpenStream("Contents")->GetData();
        }
        EXPECT_EQ(saveStream(doc), contents);
        doc.OnCloseDocument();
        const std::string cmd = "/usr/bin/python3 '" + script.string() + "' '" + file.string() + "' 2>&1";
        FILE* pipe = ::popen(cmd.c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        char line[256] = {};
        std::string out;
        while (std::fgets(line, sizeof line, pipe))
            out += line;
        ::pclose(pipe);
        EXPECT_EQ(out, "True 102700001027000010270000\n");
    }
}

} // namespace
