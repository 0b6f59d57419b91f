#include "app/report/AOutputAttributes.h"

#include "app/shell/ARegistry.h"
#include "controls/ASymbol.h"
#include "model/omEnvelope.h"
#include "model/omLoadCase.h"
#include "model/omLoadGroup.h"
#include "model/omLoadManager.h"
#include "platform/core/CArchive.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace {

const CString kRoot = "Software\\Orvex\\Strakon\\Output";

using A = AOutputAttributes;

struct BoolValue {
    const char* name;
    bool A::*field;
    bool defaultValue;
};
struct TextValue {
    const char* name;
    CString A::*field;
    const char* defaultValue;
};

constexpr BoolValue kFrontPageSwitches[] = {
    {"Print front page", &A::m_bPrintFrontPage, false},
    // The store has always spelt it so.
    {"Print sitle", &A::m_bPrintTitle, true},
    {"Print subtitle", &A::m_bPrintSubtitle, true},
    {"Print text", &A::m_bPrintText, true},
    {"Print keywords", &A::m_bPrintKeywords, false},
    {"Print logo", &A::m_bPrintLogo, true},
    {"Print investor", &A::m_bPrintInvestor, true},
    {"Print author", &A::m_bPrintAuthor, true},
    {"Print file", &A::m_bPrintFile, true},
    {"Print project", &A::m_bPrintProject, true},
};

constexpr TextValue kHeadFoot[] = {
    {"Foot left", &A::m_strFootLeft, ""},     {"Foot middle", &A::m_strFootMiddle, ""},
    {"Foot right", &A::m_strFootRight, ""},   {"Head left", &A::m_strHeadLeft, ""},
    {"Head middle", &A::m_strHeadMiddle, ""}, {"Head right", &A::m_strHeadRight, ""},
};

constexpr double kMaxMarginCm = 10.0;

struct MarginValue {
    const char* name;
    double defaultCm;
};
constexpr MarginValue kMargins[A::marginCount] = {
    {"Top std", 2.0},   {"Left std", 2.5},   {"Right std", 1.0}, {"Bottom std", 2.0},
    {"Head std", 1.3},  {"Foot std", 1.5},   {"Top sec", 2.0},   {"Left sec", 2.5},
    {"Right sec", 1.0}, {"Bottom sec", 1.5}, {"Head sec", 1.3},  {"Foot sec", 1.0},
};

struct ResultKindValue {
    const char* prefix;
    bool defaults[A::resultPictureCount];
};
constexpr ResultKindValue kResultKinds[A::resultKindCount] = {
    {"My", {true, false, true, false}},
    {"Fx", {true, false, true, false}},
    {"Fz", {true, false, true, false}},
    {"Displ.", {false, true, false, false}},
    {"Local displ.", {false, false, false, false}},
    {"Rotations", {false, false, false, false}},
    {"CP", {false, true, true, false}},
};
constexpr const char* kPictureSuffixes[A::resultPictureCount] = {"pic", "ser", "env", "pic sec"};

constexpr BoolValue kResultTables[] = {
    {"Int. forces tab", &A::m_bIntForcesTab, true}, {"Displ. tab", &A::m_bDisplTab, true},
    {"Reactions tab", &A::m_bReactionsTab, true},   {"Envelopes tab", &A::m_bEnvelopesTab, true},
    {"Design results", &A::m_bDesignResults, true},
};

// A stored int within [low, high], or the default.
int intInRange(const ARegistry& reg, const char* name, int defaultValue, int low, int high) {
    const auto value = static_cast<int>(reg.GetDword(name, static_cast<DWORD>(defaultValue)));
    return value >= low && value <= high ? value : defaultValue;
}

// A stored point size: a positive number as decimal text, or the default.
CString sizeText(const ARegistry& reg, const char* name, const char* defaultValue) {
    const CString text = reg.GetString(name, defaultValue);
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end || text.empty() || !std::isfinite(value) || value <= 0.0)
        return defaultValue;
    return text;
}

bool isTableStyle(const CString& style) {
    return std::find(std::begin(A::kTableStyles), std::end(A::kTableStyles), style) !=
           std::end(A::kTableStyles);
}

void writeList(CArchive& ar, const std::vector<std::string>& list) {
    ar << static_cast<std::uint32_t>(list.size());
    for (const std::string& name : list)
        ar << name;
}

void readList(CArchive& ar, std::vector<std::string>& list) {
    list.clear();
    std::uint32_t count = 0;
    ar >> count;
    // An archived string takes at least its one length byte.
    ar.CheckCount(count, 1);
    list.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
        std::string name;
        ar >> name;
        list.push_back(std::move(name));
    }
}

} // namespace

const char* const AOutputAttributes::kTableStyles[4] = {"Grid 1", "Columns 1", "Rows 1", "Rows 2"};

AOutputAttributes::AOutputAttributes() {
    SetDefaults();
    Load();
}

AOutputAttributes::~AOutputAttributes() = default;

omUnitValue AOutputAttributes::inUnit(const omUnitValue& value, omUnitKey unit) {
    omUnitValue converted(value);
    converted.ConvertTo(unit);
    return converted;
}

void AOutputAttributes::SetDefaults() {
    m_bPicBorder = true;
    m_nPicPosition = 3;
    m_bPicCenter = false;
    m_strCaptionFont = "Arial";
    m_strCaptionSize = "13";
    m_strHeadFont = "Arial";
    m_strHeadSize = "11";
    m_strNormalFont = "Arial";
    m_strNormalSize = "10";
    m_bMirrorMargins = false;
    m_nPrintType = 0;
    m_nColorType = 0;
    m_strTableStyle = "Rows 1";
    m_strLanguage = "English";
    m_bGDIPrintFix = false;
    m_strFrontPageFont = "Arial";
    for (const BoolValue& b : kFrontPageSwitches)
        this->*b.field = b.defaultValue;
    for (const TextValue& t : kHeadFoot)
        this->*t.field = t.defaultValue;
    for (int i = 0; i < marginCount; ++i)
        m_margins[i] = omUnitValue(kMargins[i].defaultCm, omUK_cm);
    m_bActionPic = true;
    m_bActionTab = true;
    m_nCSTabType = 1;
    m_nElementTabType = 1;
    m_bLoadCaseTab = true;
    m_nMaterialTabType = 1;
    m_nNodeTabType = 1;
    m_bActionPicSec = false;
    m_bGeometryPic = true;
    for (int k = 0; k < resultKindCount; ++k)
        for (int p = 0; p < resultPictureCount; ++p)
            m_bResult[k][p] = kResultKinds[k].defaults[p];
    for (const BoolValue& b : kResultTables)
        this->*b.field = b.defaultValue;
}

void AOutputAttributes::Load() {
    ARegistry reg;
    if (reg.OpenOrCreate(kRoot + "\\General")) {
        m_bPicBorder = reg.GetBool("Pic border", true);
        m_nPicPosition = intInRange(reg, "Pic position", 3, 0, 3);
        m_bPicCenter = reg.GetBool("Pic center", false);
        m_strCaptionFont = reg.GetString("Caption font", "Arial");
        m_strCaptionSize = sizeText(reg, "Caption size", "13");
        m_strHeadFont = reg.GetString("Head font", "Arial");
        m_strHeadSize = sizeText(reg, "Head size", "11");
        m_strNormalFont = reg.GetString("Normal font", "Arial");
        m_strNormalSize = sizeText(reg, "Normal size", "10");
        m_bMirrorMargins = reg.GetBool("Mirror margins", false);
        m_nPrintType = static_cast<int>(reg.GetDword("Print type", 0));
        m_nColorType = static_cast<int>(reg.GetDword("Color type", 0));
        m_strTableStyle = reg.GetString("Table style", "Rows 1");
        if (!isTableStyle(m_strTableStyle)) m_strTableStyle = "Rows 1";
        m_strLanguage = reg.GetString("Language", "English");
        m_bGDIPrintFix = reg.GetBool("GDI print fix", false);
    }
    ASymText::SetFixFontPrintRotation(m_bGDIPrintFix);
    if (reg.OpenOrCreate(kRoot + "\\Front Page")) {
        m_strFrontPageFont = reg.GetString("Front page font", "Arial");
        for (const BoolValue& b : kFrontPageSwitches)
            this->*b.field = reg.GetBool(b.name, b.defaultValue);
    }
    if (reg.OpenOrCreate(kRoot + "\\Header Footer"))
        for (const TextValue& t : kHeadFoot)
            this->*t.field = reg.GetString(t.name, t.defaultValue);
    if (reg.OpenOrCreate(kRoot + "\\Margins"))
        for (int i = 0; i < marginCount; ++i) {
            double cm = reg.GetDouble(kMargins[i].name, kMargins[i].defaultCm);
            // A larger margin leaves an A4 page no room for its body.
            if (!std::isfinite(cm) || cm < 0.0 || cm > kMaxMarginCm) cm = kMargins[i].defaultCm;
            m_margins[i] = omUnitValue(cm, omUK_cm);
        }
    if (reg.OpenOrCreate(kRoot + "\\Geometry-Load")) {
        m_bActionPic = reg.GetBool("Action pic", true);
        m_bActionTab = reg.GetBool("Action tab", true);
        m_nCSTabType = intInRange(reg, "CS tab type", 1, 0, 2);
        m_nElementTabType = intInRange(reg, "Element tab type", 1, 0, 2);
        m_bLoadCaseTab = reg.GetBool("Load case tab", true);
        m_nMaterialTabType = intInRange(reg, "Material tab type", 1, 0, 2);
        m_nNodeTabType = intInRange(reg, "Node tab type", 1, 0, 2);
        m_bActionPicSec = reg.GetBool("Action pic sec", false);
        m_bGeometryPic = reg.GetBool("Geometry pic", true);
    }
    if (reg.OpenOrCreate(kRoot + "\\Results")) {
        for (int k = 0; k < resultKindCount; ++k)
            for (int p = 0; p < resultPictureCount; ++p)
                m_bResult[k][p] = reg.GetBool(CString(kResultKinds[k].prefix) + " " + kPictureSuffixes[p],
                                              kResultKinds[k].defaults[p]);
        for (const BoolValue& b : kResultTables)
            this->*b.field = reg.GetBool(b.name, b.defaultValue);
    }
}

void AOutputAttributes::Save() {
    ARegistry reg;
    if (reg.OpenOrCreate(kRoot + "\\General")) {
        reg.SetBool("Pic border", m_bPicBorder);
        reg.SetDword("Pic position", static_cast<DWORD>(m_nPicPosition));
        reg.SetBool("Pic center", m_bPicCenter);
        reg.SetString("Caption font", m_strCaptionFont);
        reg.SetString("Caption size", m_strCaptionSize);
        reg.SetString("Head font", m_strHeadFont);
        reg.SetString("Head size", m_strHeadSize);
        reg.SetString("Normal font", m_strNormalFont);
        reg.SetString("Normal size", m_strNormalSize);
        reg.SetBool("Mirror margins", m_bMirrorMargins);
        reg.SetDword("Print type", static_cast<DWORD>(m_nPrintType));
        reg.SetDword("Color type", static_cast<DWORD>(m_nColorType));
        reg.SetString("Table style", m_strTableStyle);
        reg.SetString("Language", m_strLanguage);
        reg.SetBool("GDI print fix", m_bGDIPrintFix);
    }
    ASymText::SetFixFontPrintRotation(m_bGDIPrintFix);
    if (reg.OpenOrCreate(kRoot + "\\Front Page")) {
        reg.SetString("Front page font", m_strFrontPageFont);
        for (const BoolValue& b : kFrontPageSwitches)
            reg.SetBool(b.name, this->*b.field);
    }
    if (reg.OpenOrCreate(kRoot + "\\Header Footer"))
        for (const TextValue& t : kHeadFoot)
            reg.SetString(t.name, this->*t.field);
    if (reg.OpenOrCreate(kRoot + "\\Margins"))
        for (int i = 0; i < marginCount; ++i)
            reg.SetDouble(kMargins[i].name, m_margins[i].Get(omUK_cm));
    if (reg.OpenOrCreate(kRoot + "\\Geometry-Load")) {
        reg.SetBool("Action pic", m_bActionPic);
        reg.SetBool("Action tab", m_bActionTab);
        reg.SetDword("CS tab type", static_cast<DWORD>(m_nCSTabType));
        reg.SetDword("Element tab type", static_cast<DWORD>(m_nElementTabType));
        reg.SetBool("Load case tab", m_bLoadCaseTab);
        reg.SetDword("Material tab type", static_cast<DWORD>(m_nMaterialTabType));
        reg.SetDword("Node tab type", static_cast<DWORD>(m_nNodeTabType));
        reg.SetBool("Action pic sec", m_bActionPicSec);
        reg.SetBool("Geometry pic", m_bGeometryPic);
    }
    if (reg.OpenOrCreate(kRoot + "\\Results")) {
        for (int k = 0; k < resultKindCount; ++k)
            for (int p = 0; p < resultPictureCount; ++p)
                reg.SetBool(CString(kResultKinds[k].prefix) + " " + kPictureSuffixes[p], m_bResult[k][p]);
        for (const BoolValue& b : kResultTables)
            reg.SetBool(b.name, this->*b.field);
    }
}

// --- The part kept in each structure file --------------------------------------------

AOutputStructureAttributes::AOutputStructureAttributes() = default;

AOutputStructureAttributes::~AOutputStructureAttributes() = default;

CString AOutputStructureAttributes::GetDescription() const {
    CString text;
    text.reserve(m_strDescription.size());
    for (std::size_t i = 0; i < m_strDescription.size(); ++i) {
        if (m_strDescription[i] == '\r' && i + 1 < m_strDescription.size() &&
            m_strDescription[i + 1] == '\n') {
            text += "@{N}";
            ++i;
        } else {
            text += m_strDescription[i];
        }
    }
    return text;
}

void AOutputStructureAttributes::ReconcileNameLists(const std::vector<std::string>& all,
                                                    std::vector<std::string>& print,
                                                    std::vector<std::string>& dontPrint) {
    auto known = [&all](const std::string& name) {
        return std::find(all.begin(), all.end(), name) != all.end();
    };
    std::erase_if(dontPrint, [&](const std::string& name) { return !known(name); });
    std::erase_if(print, [&](const std::string& name) { return !known(name); });
    for (const std::string& name : all) {
        if (std::find(print.begin(), print.end(), name) != print.end()) continue;
        if (std::find(dontPrint.begin(), dontPrint.end(), name) != dontPrint.end()) continue;
        if (name.compare(0, 5, "[EN]:") == 0)
            dontPrint.push_back(name);
        else
            print.push_back(name);
    }
}

void AOutputStructureAttributes::UpdateActionLists(const omLoadManager& loads) {
    std::vector<std::string> all;
    for (int k = 1; k <= loads.groupSize(); ++k) {
        const omLoadGroup* group = loads.getGroup(k);
        all.push_back(group ? group->name() : std::string());
    }
    ReconcileNameLists(all, m_printedActions, m_unprintedActions);
}

void AOutputStructureAttributes::UpdateResultLists(const omLoadManager& loads) {
    std::vector<std::string> all;
    for (int k = 1; k <= loads.caseSize(); ++k)
        if (const omLoadCase* lc = loads.getCase(k)) all.push_back("[LC]: " + lc->name());
    for (int k = 1; k <= loads.envelopeSize(); ++k)
        if (const omEnvelope* env = loads.getEnvelope(static_cast<unsigned>(k)))
            all.push_back("[EN]: " + env->name());
    ReconcileNameLists(all, m_printedResults, m_unprintedResults);
}

void AOutputStructureAttributes::SerializeRecord(CArchive& ar) {
    if (ar.IsStoring()) {
        ar << static_cast<std::uint32_t>(kVersion);
        writeList(ar, m_printedActions);
        writeList(ar, m_unprintedActions);
        writeList(ar, m_printedResults);
        writeList(ar, m_unprintedResults);
        ar << static_cast<std::uint32_t>(m_bUseDescription ? 1 : 0);
        ar << m_strDescription;
        return;
    }
    // Read whole before anything changes, so that a short record leaves the object as it was.
    std::uint32_t version = 0;
    ar >> version;
    std::vector<std::string> lists[4];
    for (std::vector<std::string>& list : lists)
        readList(ar, list);
    bool use = m_bUseDescription;
    std::string description = m_strDescription;
    if (version >= kVersion) {
        std::uint32_t word = 0;
        ar >> word;
        use = word != 0;
        ar >> description;
    }
    m_printedActions = std::move(lists[0]);
    m_unprintedActions = std::move(lists[1]);
    m_printedResults = std::move(lists[2]);
    m_unprintedResults = std::move(lists[3]);
    m_bUseDescription = use;
    m_strDescription = description;
}
