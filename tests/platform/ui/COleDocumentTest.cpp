#include "platform/ui/COleDocument.h"

#include "UiTestSupport.h"

#include "platform/core/CArchive.h"
#include "platform/core/Exceptions.h"
#include "platform/storage/CCompoundFile.h"
#include "platform/ui/CPromptService.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

class CNoteDoc : public COleDocument {
public:
    CNoteDoc() { m_bAutoDelete = FALSE; }
    void Serialize(CArchive& ar) override {
        if (ar.IsStoring())
            ar << note;
        else
            ar >> note;
    }
    void DeleteContents() override { note.clear(); }
    std::string note;
};

std::vector<std::uint8_t> archived(const std::string& note) {
    CArchive ar(CArchive::store);
    ar << note;
    return ar.Detach();
}

class COleDocumentTest : public ::testing::Test {
protected:
    TempFolder dir;
    CScriptedPromptService prompts;
};

TEST_F(COleDocumentTest, TheBaseKeepsTheDocumentInTheRootsContentsStream) {
    const auto path = dir / "note.cmp";
    CNoteDoc doc;
    doc.note = "first";
    ASSERT_TRUE(doc.OnSaveDocument(path.c_str()));
    doc.note = "second";
    ASSERT_TRUE(doc.OnSaveDocument(path.c_str()));
    doc.OnCloseDocument();
    {
        CCompoundFile file(path);
        EXPECT_EQ(file.Root().OpenStream("Contents")->GetData(), archived("second"));
    }
    CNoteDoc reader;
    ASSERT_TRUE(reader.OnOpenDocument(path.c_str()));
    EXPECT_EQ(reader.note, "second");
    EXPECT_TRUE(prompts.MessageBoxes().empty());
}

TEST_F(COleDocumentTest, WithoutTheCompoundFileModeTheFileIsThePlainArchive) {
    const auto path = dir / "note.txt";
    CNoteDoc doc;
    doc.EnableCompoundFile(FALSE);
    doc.note = "plain";
    ASSERT_TRUE(doc.OnSaveDocument(path.c_str()));
    EXPECT_EQ(doc.GetCompoundFile(), nullptr);
    std::ifstream in(path, std::ios::binary);
    EXPECT_EQ(std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {}), archived("plain"));
}

TEST_F(COleDocumentTest, OnlyDocumentsCanBeSavedInTheDocumentsPlace) {
    const auto path = dir / "note.cmp";
    CNoteDoc doc;
    doc.note = "kept";
    ASSERT_TRUE(doc.OnSaveDocument(path.c_str()));
    CNoteDoc other;
    other.note = "the other document";
    doc.SaveToStorage(&other);
    CCmdTarget notADocument;
    try {
        doc.SaveToStorage(&notADocument);
        FAIL() << "a command target was stored";
    } catch (const CArchiveException& e) {
        EXPECT_EQ(e.m_cause, CArchiveException::badClass);
    }
    doc.OnCloseDocument();
    CCompoundFile file(path);
    EXPECT_EQ(file.Root().OpenStream("Contents")->GetData(), archived("the other document"));
}

} // namespace
