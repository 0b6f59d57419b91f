// Every reader is fed the damaged and hostile inputs kept in corpus/ (written by
// make_corpus.py from seeds that the program's own writers made). Each input
// must load or be refused with the layer's own exception; a crash, a hang or
// any other exception is a fault. The sanitizer build runs this too.
#include "common/omAsciiDB.h"
#include "common/omErrorContainer.h"
#include "common/omNumberFormat.h"
#include "model/omCrossSectionStandardI.h"
#include "model/omRCDesignBeamData.h"
#include "model/omSteelDesignData.h"
#include "platform/core/CArchive.h"
#include "platform/core/Exceptions.h"
#include "platform/core/FileIO.h"
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CMetaFile.h"
#include "platform/storage/CCompoundFile.h"
#include "platform/storage/CSettingsStore.h"
#include "rezavud/omVector.h"
#include "tests/support/TGrade.h"
#include "tests/support/TempFolder.h"

#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

fs::path corpus(const std::string& reader) {
    return fs::path(STRAKON_SOURCE_DIR) / "tests" / "replay" / "corpus" / reader;
}

std::string textOf(const fs::path& path) {
    const auto bytes = fileio::readFile(path);
    return std::string(bytes.begin(), bytes.end());
}

struct Outcome {
    int loaded = 0;
    int refused = 0;
};

// Runs read over every input of the reader's folder. read returns normally
// for an input it took in; the layer's exceptions count as refusals.
Outcome replay(const std::string& reader, const std::function<void(const fs::path&)>& read) {
    std::vector<fs::path> inputs;
    for (const auto& entry : fs::directory_iterator(corpus(reader)))
        inputs.push_back(entry.path());
    std::sort(inputs.begin(), inputs.end());
    EXPECT_GE(inputs.size(), 10u) << "the corpus of " << reader << " is missing";
    Outcome outcome;
    for (const fs::path& input : inputs) {
        SCOPED_TRACE(input.filename().string());
        try {
            read(input);
            ++outcome.loaded;
        } catch (const CException&) {
            ++outcome.refused;
        } catch (const std::exception& e) {
            ADD_FAILURE() << "a foreign exception: " << e.what();
        }
    }
    ::testing::Test::RecordProperty("loaded", outcome.loaded);
    ::testing::Test::RecordProperty("refused", outcome.refused);
    return outcome;
}

// Walks a storage whole, as a document reading its file does.
void readAll(CCompoundStorage& storage, int depth) {
    for (const CCompoundEntry& entry : storage.Elements()) {
        if (entry.isStorage) {
            readAll(*storage.OpenStorage(entry.name), depth + 1);
        } else {
            auto stream = storage.OpenStream(entry.name);
            EXPECT_EQ(stream->GetData().size(), entry.size);
        }
    }
}

} // namespace

TEST(ReplayCorpus, CompoundFilesOpenWholeOrAreRefused) {
    const Outcome outcome = replay("compound", [](const fs::path& input) {
        CCompoundFile file(input);
        readAll(file.Root(), 0);
        // A copy of the seed that opens must open whole.
        if (input.filename().string().rfind("frame-", 0) == 0 ||
            input.filename().string().rfind("entry-", 0) == 0) {
            auto strakon = file.Root().OpenStorage("Strakon");
            EXPECT_EQ(strakon->Elements().size(), 3u);
            EXPECT_EQ(strakon->OpenStream("Contents")->GetLength(), 5000u);
            EXPECT_EQ(strakon->OpenStorage("Results")->Elements().size(), 1u);
        }
    });
    EXPECT_GE(outcome.loaded, 2) << "the seeds open";
    EXPECT_GE(outcome.refused, 30);
}

TEST(ReplayCorpus, ArchiveStringsReadOrAreRefused) {
    const Outcome outcome = replay("archive", [](const fs::path& input) {
        CArchive ar(CArchive::load, fileio::readFile(input));
        while (ar.BytesLeft() > 0) {
            std::string text;
            ar >> text;
        }
    });
    EXPECT_GE(outcome.refused, 10);
}

TEST(ReplayCorpus, DesignDataRecordsReadOrAreRefused) {
    const Outcome outcome = replay("design", [](const fs::path& input) {
        CArchive ar(CArchive::load, fileio::readFile(input));
        const std::string name = input.filename().string();
        if (name.find("steel") != std::string::npos) {
            omSteelDesignData steel;
            steel.Serialize(ar);
        } else {
            omRCDesignBeamData rc;
            rc.Serialize(ar);
        }
    });
    EXPECT_GE(outcome.loaded, 2) << "the seeds load";
    EXPECT_GE(outcome.refused, 20);
}

TEST(ReplayCorpus, NumberFormatImagesAreTakenOrRefusedAndAlwaysWriteNumbers) {
    replay("numberformat", [](const fs::path& input) {
        const auto bytes = fileio::readFile(input);
        omNumberFormat format;
        const bool taken = format.fromImage(bytes.data(), bytes.size());
        if (!taken) {
            EXPECT_EQ(format, omNumberFormat()) << "a refused image leaves the format as it was";
        }
        for (double value : {0.0, -0.0, 1.0 / 3.0, -2.5e-7, 1e308, -1e-320, 123456789.0})
            EXPECT_FALSE(format.CConvert(value).IsEmpty());
        if (!taken) throw CArchiveException(CArchiveException::badSchema);
    });
}

TEST(ReplayCorpus, PicturesLoadOrAreRefused) {
    const Outcome outcome = replay("picture", [](const fs::path& input) {
        const CMetaFile picture = CMetaFile::Load(input);
        // What loads is played as well, at the place it was recorded for.
        QImage image(200, 200, QImage::Format_RGB32);
        CImageDC dc(&image);
        picture.Play(dc);
    });
    EXPECT_GE(outcome.loaded, 1) << "the seed loads";
    EXPECT_GE(outcome.refused, 10);
}

TEST(ReplayCorpus, SettingsFilesAreReadAndWrittenBack) {
    replay("settings", [](const fs::path& input) {
        TempFolder dir;
        fs::copy_file(input, dir / CSettingsStore::kFileName);
        {
            CSettingsStore store(dir.path());
            // Every key and value the store took in, walked as the program's
            // settings pages walk them.
            std::vector<std::string> keys{""};
            std::size_t seen = 0;
            while (!keys.empty() && seen < 100000) {
                const std::string key = keys.back();
                keys.pop_back();
                ++seen;
                std::string name;
                for (DWORD i = 0; store.EnumKey(key, i, name); ++i)
                    keys.push_back(key.empty() ? name : key + "\\" + name);
                DWORD type = 0;
                for (DWORD i = 0; store.EnumValue(key, i, name, type); ++i)
                    EXPECT_TRUE(store.QueryValue(key, name).has_value()) << key << " " << name;
            }
            ASSERT_TRUE(
                store.SetValue("Software\\Orvex\\Strakon\\Replay", "Read", CSettingsStore::Value::Dword(1)));
            ASSERT_TRUE(store.Flush()) << store.GetLastError();
        }
        CSettingsStore reread(dir.path());
        EXPECT_EQ(reread.QueryValue("Software\\Orvex\\Strakon\\Replay", "Read"),
                  CSettingsStore::Value::Dword(1));
    });
}

TEST(ReplayCorpus, RecordDatabasesAreReadWithTheirBadLinesCounted) {
    replay("records", [](const fs::path& input) {
        for (bool strict : {false, true}) {
            omAsciiDB<TGrade> db(input, strict);
            EXPECT_TRUE(db.isOpen());
            for (const std::string& group : db.getGroupNames())
                for (TGrade* record : db.getRecords(group))
                    EXPECT_NE(record, nullptr);
            db.findFirstRecord("r", 0);
        }
    });
}

TEST(ReplayCorpus, SectionCataloguesGiveSectionsOrSkipTheirLines) {
    replay("catalogue", [](const fs::path& input) {
        omAsciiDB<omStandardSectionIRecord> db(input);
        unsigned id = 1;
        for (const std::string& group : db.getGroupNames())
            for (omStandardSectionIRecord* record : db.getRecords(group)) {
                omCrossSectionStandardI section(group, *record, id++);
                section.isProperlySet();
                section.A();
                section.Ix();
            }
    });
}

TEST(ReplayCorpus, ErrorTextFilesAreReadWithTheirBadLinesCounted) {
    replay("errors", [](const fs::path& input) {
        omErrorContainer* container = omErrorContainer::instance();
        ASSERT_TRUE(container->setFileName(input));
        for (unsigned code : {0u, 1u, 2u, 3u, 4u, 5u, 100u, 4294967295u}) {
            container->reset();
            container->report(code, "text", 7u, -3, 2.5);
            std::ostringstream out;
            container->process(out);
            EXPECT_FALSE(out.str().empty());
        }
        container->reset();
    });
    omErrorContainer::release();
}

TEST(ReplayCorpus, VectorsReadOrFailTheStreamLeavingTheVectorAlone) {
    replay("vector", [](const fs::path& input) {
        std::istringstream in(textOf(input));
        omVector v(2);
        v(1) = 5;
        v(2) = 6;
        in >> v;
        if (in.fail()) {
            EXPECT_EQ(v.size(), 2);
            EXPECT_EQ(v(1), 5.0);
            EXPECT_EQ(v(2), 6.0);
            throw CArchiveException(CArchiveException::badSchema);
        }
    });
}
