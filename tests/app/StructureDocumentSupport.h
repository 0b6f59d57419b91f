#pragma once
// A structure document with a small content of its own (a text and a number),
// and commands that record what they do, for the document and command tests.
#include "app/shell/AStructureDocument.h"
#include "app/views/ACommandManager.h"
#include "platform/core/CArchive.h"
#include "platform/core/Exceptions.h"

#include <cstdint>
#include <string>
#include <vector>

class TestStructureDoc : public AStructureDocument {
public:
    TestStructureDoc() { m_bAutoDelete = FALSE; }

    void Serialize(CArchive& ar) override {
        if (withOutputRecord) GetOutputAttributes().SerializeRecord(ar);
        if (ar.IsStoring()) {
            ar << text << number;
            if (failWhileStoring)
                throw CArchiveException(CArchiveException::genericException, "", "disk full");
        } else {
            ar >> text >> number;
        }
    }
    // Keeps the cause of a reported archive or file exception.
    void ReportSaveLoadException(const char* path, const std::exception* e, BOOL saving,
                                 UINT idDefault) override {
        if (auto* archive = dynamic_cast<const CArchiveException*>(e)) archiveCause = archive->m_cause;
        if (auto* file = dynamic_cast<const CFileException*>(e)) fileCause = file->m_cause;
        AStructureDocument::ReportSaveLoadException(path, e, saving, idDefault);
    }
    void DeleteContents() override {
        AStructureDocument::DeleteContents();
        text.clear();
        number = 0;
        ++deleted;
    }

    std::string text;
    std::uint32_t number = 0;
    bool failWhileStoring = false;
    // Whether the structure's report settings go first into the stream.
    bool withOutputRecord = false;
    int deleted = 0;
    int archiveCause = -1;
    int fileCause = -1;
};

// Adds a node number to the document's text on Execute and takes it off on Undo,
// and writes each call into a shared log.
class RecordingCommand : public ACommand {
public:
    RecordingCommand(int node, std::vector<std::string>& log) : m_node(node), m_log(log) {}
    ~RecordingCommand() override { m_log.push_back("delete " + std::to_string(m_node)); }

    void Execute(AStructureDocument* pDoc) override {
        m_log.push_back("execute " + std::to_string(m_node));
        static_cast<TestStructureDoc*>(pDoc)->text += std::to_string(m_node);
    }
    void Undo(AStructureDocument* pDoc) override {
        m_log.push_back("undo " + std::to_string(m_node));
        std::string& text = static_cast<TestStructureDoc*>(pDoc)->text;
        text.erase(text.size() - std::to_string(m_node).size());
    }
    CString GetName() override { return "Create Node " + std::to_string(m_node); }

private:
    int m_node;
    std::vector<std::string>& m_log;
};
