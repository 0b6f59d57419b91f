#include "app/shell/AStrakonDocument.h"

#include "app/shell/AOptionsAttributes.h"
#include "app/shell/AStorageInterface.h"
#include "app/shell/AUnitKeyAttributes.h"
#include "app/views/ADrawAttributes.h"
#include "app/views/AStrakon.h"
#include "common/omErrorContainer.h"
#include "model/omElementMap.h"
#include "model/omEnvelope.h"
#include "model/omLoadCase.h"
#include "model/omLoadManager.h"
#include "model/omLogFile.h"
#include "model/omNodeMap.h"
#include "model/omStrakon.h"
#include "platform/core/CArchive.h"
#include "platform/core/Exceptions.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/WinUi.h"
#include "rezavud/omVector.h"

#include <sstream>

#include <sys/stat.h>
#include <unistd.h>

IMPLEMENT_DYNCREATE(AStrakonDocument, AStructureDocument)

namespace {
const char* const kLoadingTitle = "Loading ...";
} // namespace

AStrakonDocument::AStrakonDocument() {
    // The project owns its structures: closing the last window keeps the document.
    m_bAutoDelete = FALSE;
    CreateModel();
}

AStrakonDocument::~AStrakonDocument() {
    ReleaseSelectionProperties();
    delete m_pModel;
}

void AStrakonDocument::CreateModel() {
    delete m_pModel;
    m_pModel = nullptr;
    m_pModel = new AStrakon;
    m_pModel->setupObjects();
}

BOOL AStrakonDocument::IsModified() {
    return CDocument::IsModified();
}

BOOL AStrakonDocument::OnNewDocument() {
    return AStructureDocument::OnNewDocument() ? TRUE : FALSE;
}

BOOL AStrakonDocument::OnOpenDocument(const char* lpszPathName) {
    m_bReadOnly = false;
    if (!AStructureDocument::OnOpenDocument(lpszPathName)) return FALSE;
    struct stat st {};
    const bool noWriteBits = ::stat(lpszPathName, &st) == 0 && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
    if (noWriteBits || ::access(lpszPathName, W_OK) != 0) {
        m_bReadOnly = true;
        SetTitle((GetTitle() + " (read-only)").c_str());
    }
    return TRUE;
}

const char* AStrakonDocument::CodePageOfCharacterSet(unsigned characterSet) {
    switch (characterSet) {
    case 238: return "WINDOWS-1250";
    case 186: return "WINDOWS-1257";
    case 162: return "WINDOWS-1254";
    case 161: return "WINDOWS-1253";
    case 204: return "WINDOWS-1251";
    default: return "WINDOWS-1252";
    }
}

void AStrakonDocument::Serialize(CArchive& ar) {
    if (!AStorageInterface::IsInitialized()) AStorageInterface::InitializeAll();
    ar.SetCodePage(CodePageOfCharacterSet(AOptionsAttributes::Instance()->characterSet));
    AStorageContext<AOutputStructureAttributes> output(ASIGuiStrakon::m_pSI->m_pOutput, &m_outputAttributes);
    // The same records in the same order both ways.
    auto records = [this, &ar] {
        ASIGuiStrakon::m_pSI->Serialize(static_cast<omStrakon*>(m_pModel), ar);
        m_extents.GetStorageInterface()->Serialize(&m_extents, ar);
        ADrawAttributes::m_pSI->Serialize(ADrawAttributes::Instance(), ar);
        AOptionsAttributes::m_pSI->Serialize(AOptionsAttributes::Instance(), ar);
        AUnitKeyAttributes::m_pSI->Serialize(AUnitKeyAttributes::Instance(), ar);
        m_docAttributes.GetStorageInterface()->Serialize(&m_docAttributes, ar);
    };
    if (ar.IsStoring()) {
        records();
        return;
    }
    // The records begin with the structure's version word; any other first
    // word is a file of another kind or one whose start was overwritten (a
    // stream of zeros would otherwise read as an empty structure).
    const std::vector<std::uint8_t>& bytes = ar.GetBuffer();
    std::uint32_t first = 0;
    if (bytes.size() >= 4)
        first = static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
                static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
    if (first != ASIGuiStrakon::kVersion) NotAStructure();
    // A file fills a fresh model; the program-wide settings it carries wait
    // until the whole stream has been read, so a damaged file changes none.
    CreateModel();
    AStoredSettings pending;
    {
        AStorageContext<AStoredSettings> collect(ASIGuiDrawAttributes::s_pending, &pending);
        AStorageInterface::ResetNonFiniteResults();
        records();
    }
    pending.Apply();
    // Bytes after the last record are data of a later version or damage: the
    // structure opens, and the user hears of them before saving over them.
    m_unreadNote.clear();
    if (ar.BytesLeft() > 0)
        m_unreadNote = "The file " + ReadingPath() + " holds data this version does not read (" +
                       std::to_string(ar.BytesLeft()) +
                       " bytes after the last record); saving the structure will not keep them.\n";
    // Results that are no numbers would reach the result pictures: the file
    // keeps its model and loses its results.
    if (AStorageInterface::NonFiniteResults()) {
        m_pModel->clearResults();
        // The extremes of the cases and envelopes were taken from those
        // results (and may be what was no number): they go with them.
        if (omLoadManager* manager = m_pModel->getLoadManager()) {
            for (int i = 1; i <= manager->caseSize(); ++i)
                if (const omLoadCase* lc = manager->getCase(i)) lc->resetMaximum();
            for (int i = 1; i <= manager->envelopeSize(); ++i)
                if (const omEnvelope* envelope = manager->getEnvelope(static_cast<unsigned>(i))) envelope->resetMaximum();
        }
    }
    AfterLoad();
}

void AStrakonDocument::AfterLoad() {
    omErrorContainer* errors = omErrorContainer::instance();
    m_loadReportTitle = kLoadingTitle;
    m_loadReport.clear();
    try {
        errors->reset();
        // A structure without members binds its loads only: an empty
        // structure read from a file is sound and no error.
        if (m_pModel->getElementMap()->empty())
            m_pModel->bindLoadGroups();
        else
            m_pModel->bind();
        errors->throwIfError();
        m_pModel->calcEnvelopes(0);
    } catch (const omError&) {
        std::ostringstream text;
        errors->process(text);
        m_loadReport = text.str();
        ::MessageBeep(MB_ICONEXCLAMATION);
        m_loadReport += m_unreadNote;
        ReportToOutput(1, kLoadingTitle, m_unreadNote, "Report.txt");
        return;
    }
    std::ostringstream text;
    errors->process(text);
    m_loadReport = text.str() + m_unreadNote;
    ReportToOutput(1, kLoadingTitle, m_unreadNote, "Report.txt");
}

void AStrakonDocument::SaveToStorage(CObject* pObject) {
    if (m_bReadOnly)
        throw CFileException(CFileException::accessDenied, GetPathName(), 0, "the file is open read-only");
    AStructureDocument::SaveToStorage(pObject);
}

void AStrakonDocument::DeleteContents() {
    ReleaseSelectionProperties();
    AStructureDocument::DeleteContents();
    m_objectList.RemoveAll();
    m_selection.RemoveAll();
    m_activeLoadGroup = 0;
    m_activeResultCase = 0;
    m_extents = AExtents2D();
    m_docAttributes = ADocAttributes();
    CreateModel();
}

BOOL AStrakonDocument::SetupNewStructure() {
    const int baseLength = 2;
    if (!(m_extents.right.GetValue() > m_extents.left.GetValue())) {
        m_extents.left = omUnitValue(0.0, baseLength);
        m_extents.right = omUnitValue(20.0, baseLength);
    }
    if (!(m_extents.bottom.GetValue() > m_extents.top.GetValue())) {
        m_extents.top = omUnitValue(-10.0, baseLength);
        m_extents.bottom = omUnitValue(1.0, baseLength);
    }
    omLogFile::Instance()->enableAll(false);
    m_pModel->addLoadGroup("Action 1");
    m_pModel->addLoadGroup("Action 2");
    omVector factors(2);
    factors[0] = factors[1] = 1.5;
    m_pModel->addLoadCase("Load case 1", omLoadCase::lsUltimate, factors);
    factors[0] = factors[1] = 1.0;
    m_pModel->addLoadCase("Load case 2", omLoadCase::lsServiceability, factors);
    return TRUE;
}
