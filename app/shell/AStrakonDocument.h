#pragma once
// The document of one plane-frame structure. It owns the structure's model and
// what the structure's windows share (extents, world-to-screen map, report,
// pickable objects and selection, report description, active load group and
// result case), and it reads and writes the structure file (".oxs").
//
// The core (construction, the file's records, the steps after loading) lives in
// AStrakonDocument.cpp; edit operations, Solve and the commands live in their
// own sources.
#include "app/shell/AStructureDocument.h"
#include "app/views/ADocAttributes.h"
#include "app/views/AExtents2D.h"
#include "controls/AMapC2L.h"
#include "controls/AObject.h"
#include "controls/report/APrintManager.h"

#include <string>

class ADesignElementResultPage;
class AElementLoadPage;
class ANodeLoadPage;
class omStrakon;

class AStrakonDocument : public AStructureDocument {
    DECLARE_DYNCREATE(AStrakonDocument)
public:
    AStrakonDocument();
    AStrakonDocument(const AStrakonDocument&) = delete;
    AStrakonDocument& operator=(const AStrakonDocument&) = delete;
    ~AStrakonDocument() override;

    // The document's own flag alone; embedded items are not asked.
    BOOL IsModified() override;
    BOOL OnNewDocument() override;
    // A file without write access opens read-only: the title says so and
    // saving it is refused, since a save would replace the protected file.
    BOOL OnOpenDocument(const char* lpszPathName) override;
    // The structure file's records in order: model (with the report settings),
    // extents, display sizes, options, unit keys, report description. Loading
    // applies the program-wide display sizes and unit keys only once the whole
    // stream has been read, then runs the after-load steps.
    void Serialize(CArchive& ar) override;
    // Saving a file that was opened read-only is refused with a message.
    void SaveToStorage(CObject* pObject = nullptr) override;
    void DeleteContents() override;

    // Fills a structure that the blank-structure wizard has set up with its
    // defaults (extents, log switched off, two actions, two load cases).
    BOOL SetupNewStructure();

    // The model; the document owns it for its whole life.
    omStrakon* GetModel() const { return m_pModel; }
    AExtents2D& GetExtents() { return m_extents; }
    AMapC2L& GetMap() { return m_map; }
    APrintManager& GetReport() { return m_report; }
    AObjectPtrContainer& GetObjectList() { return m_objectList; }
    AObjectPtrContainer& GetSelection() { return m_selection; }
    ADocAttributes& GetDocAttributes() { return m_docAttributes; }

    int GetActiveLoadGroup() const { return m_activeLoadGroup; }
    void SetActiveLoadGroup(int k) { m_activeLoadGroup = k; }
    // A load case number up to 1000, or 1000 + an envelope number.
    int GetActiveResultCase() const { return m_activeResultCase; }
    void SetActiveResultCase(int k) { m_activeResultCase = k; }

    // The open pages set and clear these; not owned.
    ANodeLoadPage* m_pNodeLoadPage = nullptr;
    AElementLoadPage* m_pElementLoadPage = nullptr;
    ADesignElementResultPage* m_pElementResultPage = nullptr;

    // Result pictures draw their title and units line while it is set.
    bool m_bDrawResultCaptions = true;

    // The title and text of the report that the latest load wrote ("Loading ..."
    // and the messages collected while the file was read and bound), kept for
    // the output window.
    const std::string& GetLoadReportTitle() const { return m_loadReportTitle; }
    const std::string& GetLoadReport() const { return m_loadReport; }

    // Whether the file was opened without write access; such a file is not saved.
    bool IsReadOnly() const { return m_bReadOnly; }
    void SetReadOnly(bool readOnly) { m_bReadOnly = readOnly; }

    // The archive code page of the options' character set (0 western, 238
    // central European, 186 Baltic, 162 Turkish, 161 Greek, 204 Cyrillic).
    static const char* CodePageOfCharacterSet(unsigned characterSet);

protected:
    // Rebuilds what the file does not hold: errors reset, model bound,
    // envelopes recomputed, the load report written. Errors collected while
    // reading or binding end in one beep; the structure stays open.
    void AfterLoad();
    // Replaces the model with a new, empty one.
    void CreateModel();

    AExtents2D m_extents;
    omStrakon* m_pModel = nullptr;
    AMapC2L m_map;
    APrintManager m_report;
    int m_activeLoadGroup = 0;
    int m_activeResultCase = 0;
    AObjectPtrContainer m_objectList;
    AObjectPtrContainer m_selection;
    ADocAttributes m_docAttributes;
    std::string m_loadReportTitle;
    std::string m_loadReport;
    bool m_bReadOnly = false;
};
