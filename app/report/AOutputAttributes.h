#pragma once
// The settings of the printed report, in two parts.
//
// AOutputAttributes holds what belongs to the installation: which tables,
// pictures and result diagrams are printed, fonts, table style, output
// language, the front page and its switches, head and foot texts, page margins
// and picture placement. One object for the whole program, kept under
// "Software\Orvex\Strakon\Output" in six sections.
//
// AOutputStructureAttributes holds what belongs to one structure and is kept in
// its structure file: the load groups (actions) and result cases that are
// printed or not, and the structure's description for the report. Each
// structure document owns one, so that saving one structure never writes the
// lists of another.
//
// Both are plain values: the output-settings sheet edits copies and assigns
// them back only when it is closed with OK.
#include "app/shell/ASingleton.h"
#include "common/AStorageBase.h"
#include "common/omUnitValue.h"
#include "platform/core/CString.h"

#include <string>
#include <vector>

class CArchive;
class omLoadManager;

class AOutputAttributes : public AStorageBase, public ASingleton<AOutputAttributes> {
    DECLARE_STORAGE_INTERFACE()
public:
    // Every setting at its default, then Load. Instance makes the one of the
    // program; Release deletes it without saving.
    AOutputAttributes();
    AOutputAttributes(const AOutputAttributes&) = default;
    AOutputAttributes& operator=(const AOutputAttributes&) = default;
    ~AOutputAttributes() override;

    // Reads every setting; a missing value, or one out of its range, takes the
    // default. The fix of rotated print texts follows the setting.
    void Load();
    // Writes every setting (the output-settings command after OK).
    void Save();
    void SetDefaults();

    // The margins converted to unit.
    omUnitValue GetTopMarginStd(omUnitKey unit) const { return inUnit(m_margins[topStd], unit); }
    omUnitValue GetLeftMarginStd(omUnitKey unit) const { return inUnit(m_margins[leftStd], unit); }
    omUnitValue GetRightMarginStd(omUnitKey unit) const { return inUnit(m_margins[rightStd], unit); }
    omUnitValue GetBottomMarginStd(omUnitKey unit) const { return inUnit(m_margins[bottomStd], unit); }
    omUnitValue GetHeadMarginStd(omUnitKey unit) const { return inUnit(m_margins[headStd], unit); }
    omUnitValue GetFootMarginStd(omUnitKey unit) const { return inUnit(m_margins[footStd], unit); }
    omUnitValue GetTopMarginSec(omUnitKey unit) const { return inUnit(m_margins[topSec], unit); }
    omUnitValue GetLeftMarginSec(omUnitKey unit) const { return inUnit(m_margins[leftSec], unit); }
    omUnitValue GetRightMarginSec(omUnitKey unit) const { return inUnit(m_margins[rightSec], unit); }
    omUnitValue GetBottomMarginSec(omUnitKey unit) const { return inUnit(m_margins[bottomSec], unit); }
    omUnitValue GetHeadMarginSec(omUnitKey unit) const { return inUnit(m_margins[headSec], unit); }
    omUnitValue GetFootMarginSec(omUnitKey unit) const { return inUnit(m_margins[footSec], unit); }

    // "\General"
    bool m_bPicBorder;
    int m_nPicPosition; // 0 largest with rotation, 1 largest, 2 two per page, 3 three per page
    bool m_bPicCenter;
    CString m_strCaptionFont;
    CString m_strCaptionSize; // points, as decimal text
    CString m_strHeadFont;
    CString m_strHeadSize;
    CString m_strNormalFont;
    CString m_strNormalSize;
    bool m_bMirrorMargins;
    int m_nPrintType;
    int m_nColorType;        // 0 colours where the printer has them, 1 black and white
    CString m_strTableStyle; // "Grid 1", "Columns 1", "Rows 1" or "Rows 2"
    CString m_strLanguage;   // a section of the output-language table
    bool m_bGDIPrintFix;
    // "\Front Page"
    CString m_strFrontPageFont;
    bool m_bPrintFrontPage;
    bool m_bPrintTitle;
    bool m_bPrintSubtitle;
    bool m_bPrintText;
    bool m_bPrintKeywords;
    bool m_bPrintLogo;
    bool m_bPrintInvestor;
    bool m_bPrintAuthor;
    bool m_bPrintFile;
    bool m_bPrintProject;
    // "\Header Footer"
    CString m_strFootLeft, m_strFootMiddle, m_strFootRight;
    CString m_strHeadLeft, m_strHeadMiddle, m_strHeadRight;
    // "\Margins", centimetres
    enum Margin {
        topStd,
        leftStd,
        rightStd,
        bottomStd,
        headStd,
        footStd,
        topSec,
        leftSec,
        rightSec,
        bottomSec,
        headSec,
        footSec,
        marginCount
    };
    omUnitValue m_margins[marginCount];
    // "\Geometry-Load"; table kinds: 0 none, 1 normal, 2 detailed
    bool m_bActionPic;
    bool m_bActionTab;
    int m_nCSTabType;
    int m_nElementTabType;
    bool m_bLoadCaseTab;
    int m_nMaterialTabType;
    int m_nNodeTabType;
    bool m_bActionPicSec;
    bool m_bGeometryPic;
    // "\Results": per result kind, pictures of ultimate cases, of serviceability
    // and creep cases, of envelopes, and on the secondary printer.
    enum ResultKind { resMy, resFx, resFz, resDispl, resLocalDispl, resRotations, resCP, resultKindCount };
    enum ResultPicture { picUlt, picSer, picEnv, picSec, resultPictureCount };
    bool m_bResult[resultKindCount][resultPictureCount];
    bool m_bIntForcesTab;
    bool m_bDisplTab;
    bool m_bReactionsTab;
    bool m_bEnvelopesTab;
    bool m_bDesignResults;

    static const char* const kTableStyles[4];

private:
    static omUnitValue inUnit(const omUnitValue& value, omUnitKey unit);
};

class AOutputStructureAttributes : public AStorageBase {
    DECLARE_STORAGE_INTERFACE()
public:
    // Empty lists and description; the description is not used.
    AOutputStructureAttributes();
    AOutputStructureAttributes(const AOutputStructureAttributes&) = default;
    AOutputStructureAttributes& operator=(const AOutputStructureAttributes&) = default;
    ~AOutputStructureAttributes() override;

    // The description with every CR LF turned into the text block's line break "@{N}".
    CString GetDescription() const;
    // Brings the action lists up to date with the load groups of the model.
    void UpdateActionLists(const omLoadManager& loads);
    // Brings the result-case lists up to date with the model's load cases
    // ("[LC]: " + name) and envelopes ("[EN]: " + name).
    void UpdateResultLists(const omLoadManager& loads);
    // Drops from both lists the names that are not among all, then files every
    // name of all that is in neither: an envelope ("[EN]:") as not printed,
    // anything else as printed.
    static void ReconcileNameLists(const std::vector<std::string>& all, std::vector<std::string>& print,
                                   std::vector<std::string>& dontPrint);

    // The record of the structure file: version word 10001, the four lists
    // (count and strings), the use-description flag and the description. A
    // record of version 10000 ends after the lists. Every count read is checked.
    void SerializeRecord(CArchive& ar);
    static constexpr unsigned kVersion = 10001;

    std::vector<std::string> m_printedActions;
    std::vector<std::string> m_unprintedActions;
    std::vector<std::string> m_printedResults;
    std::vector<std::string> m_unprintedResults;
    bool m_bUseDescription = false;
    CString m_strDescription;
};
