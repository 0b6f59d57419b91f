#pragma once
// The serialisers of the structure file. Every stored class has exactly one
// serialiser object, made and installed at start-up by InitializeAll; it knows
// the class's record (version word, base record, own fields) and reads or
// writes one object of it.
//
// Reading trusts nothing in the file: a count that the rest of the stream
// cannot hold, a negative count, an unknown class tag, an enumeration out of
// range, a taken or zero number, a reference to a node that is not there, a
// number that is not finite where it would reach drawing or analysis, and a
// unit name that no unit has, all end the load with the archive's bad-format
// exception ("damaged at byte n" or "unknown unit ..."). Nothing read is left
// leaking: an object that cannot be placed is freed before the exception.
#include "framework/ABaseStorageInterface.h"

#include <cstddef>
#include <cstdint>
#include <string>

class AOutputStructureAttributes;
class CArchive;
class omDesignElement;
class omDofStructureType;
class omNode;
class omLoadManager;
class omNodeMap;
class omNumberFormat;
class omUnitValue;
enum omUnitKey : int;

class AStorageInterface : public ABaseStorageInterface {
public:
    AStorageInterface() = default;
    ~AStorageInterface() override;

    // Creates the serialisers of every stored class, registers them (the
    // registry owns them until ABaseStorageInterface::Release) and installs
    // each in its class. A second call changes nothing.
    static void InitializeAll();
    static bool IsInitialized();

    // --- helpers of the records
    // Ends the load: the file is damaged at the archive's position.
    [[noreturn]] static void Damaged(const CArchive& ar, const std::string& what = {});
    // A flag word: any non-zero word is set.
    static bool ReadFlag(CArchive& ar);
    // A stored count (int32): negative, or more items of at least bytesPerItem
    // bytes than the stream has left, is a damaged file.
    static std::uint32_t ReadCount(CArchive& ar, std::size_t bytesPerItem);
    // A double that drawing or analysis uses: not finite is a damaged file.
    static double ReadFinite(CArchive& ar);
    // An enumeration value of the range first..last, else a damaged file.
    static std::int32_t ReadEnum(CArchive& ar, std::int32_t first, std::int32_t last);

    // Results may hold numbers that are not finite; such a file keeps its model
    // and loses its results. While a results scope is open, vectors record
    // instead of refusing them.
    class ResultsScope {
    public:
        ResultsScope();
        ~ResultsScope();
        ResultsScope(const ResultsScope&) = delete;
        ResultsScope& operator=(const ResultsScope&) = delete;
    };
    static bool InResults();
    static void NoteNonFiniteResult() { s_nonFiniteResults = true; }
    // Whether a result read since the last reset was not finite.
    static bool NonFiniteResults() { return s_nonFiniteResults; }
    static void ResetNonFiniteResults() { s_nonFiniteResults = false; }

private:
    static inline int s_resultsDepth = 0;
    static inline bool s_nonFiniteResults = false;
};

// Sets a serialiser's context for one call and clears it after, also when the
// call throws. A serialiser that needs a context and has none refuses to work.
template <class T>
class AStorageContext {
public:
    AStorageContext(T*& slot, T* value) : m_slot(slot), m_old(slot) { m_slot = value; }
    ~AStorageContext() { m_slot = m_old; }
    AStorageContext(const AStorageContext&) = delete;
    AStorageContext& operator=(const AStorageContext&) = delete;

private:
    T*& m_slot;
    T* m_old;
};

#define STRAKON_DECLARE_SI(Name)                                                                          \
    class Name : public AStorageInterface {                                                                \
    public:                                                                                                \
        void Serialize(AStorageBase* object, CArchive& ar) override;                                       \
    }

// --- values and settings
// omUnitValue and omNumberFormat are plain values, not stored objects: their
// serialisers take them by reference.
class ASIUnitValue : public AStorageInterface {
public:
    static constexpr unsigned kVersion = 10000;
    // Refused: a unit value is no stored object.
    void Serialize(AStorageBase* object, CArchive& ar) override;
    static void SerializeValue(omUnitValue& value, CArchive& ar);
    static inline ASIUnitValue* m_pSI = nullptr;
};
class ASINumberFormat : public AStorageInterface {
public:
    static constexpr unsigned kVersion = 10001;
    void Serialize(AStorageBase* object, CArchive& ar) override;
    static void SerializeValue(omNumberFormat& format, CArchive& ar);
    static inline ASINumberFormat* m_pSI = nullptr;
};
STRAKON_DECLARE_SI(ASIVector);
STRAKON_DECLARE_SI(ASIGuiExtents2D);
STRAKON_DECLARE_SI(ASIGuiDocAttributes);
STRAKON_DECLARE_SI(ASIGuiOutputAttributes);
STRAKON_DECLARE_SI(ASIGuiOptionsAttributes);

// The display sizes and the old unit keys of a file are program-wide: while a
// pending object is set they are collected in it, and applied only when the
// whole file has been read.
struct AStoredSettings {
    bool hasDrawAttributes = false;
    double penWidth[5] = {};
    double nodeSize = 0.0;
    bool showElementIndex = true;
    bool showNodeIndex = true;
    bool fillMaterialColor = false;
    bool fillCrossSectionColor = true;
    double diagramFactor = 0.0;
    bool hasUnitKeys = false;
    omUnitKey* unitKeys = nullptr; // 14 keys when hasUnitKeys
    int unitKeyCount = 0;
    AStoredSettings();
    ~AStoredSettings();
    AStoredSettings(const AStoredSettings&) = delete;
    AStoredSettings& operator=(const AStoredSettings&) = delete;
    // Writes what was collected into the program-wide objects.
    void Apply() const;
};
class ASIGuiDrawAttributes : public AStorageInterface {
public:
    void Serialize(AStorageBase* object, CArchive& ar) override;
    static inline AStoredSettings* s_pending = nullptr;
};
class ASIGuiUnitKeyAttributes : public AStorageInterface {
public:
    void Serialize(AStorageBase* object, CArchive& ar) override;
};

// --- cross-sections
STRAKON_DECLARE_SI(ASICSVariable);
STRAKON_DECLARE_SI(ASICrossSection);
STRAKON_DECLARE_SI(ASICrossSectionMap);
STRAKON_DECLARE_SI(ASICrossSectionIDS);
STRAKON_DECLARE_SI(ASIGenericCrossSection);
// The five shapes without fields of their own share one record code.
STRAKON_DECLARE_SI(ASICrossSectionShape);
class ASICrossSectionRect : public ASICrossSectionShape {};
class ASICrossSectionCircle : public ASICrossSectionShape {};
class ASICrossSectionT : public ASICrossSectionShape {};
class ASICrossSectionTube : public ASICrossSectionShape {};
class ASICrossSectionBox : public ASICrossSectionShape {};
STRAKON_DECLARE_SI(ASICrossSectionStandardI);
STRAKON_DECLARE_SI(ASIStandardSectionIRecord);

// --- members
STRAKON_DECLARE_SI(ASIDesignElement);
STRAKON_DECLARE_SI(ASILinearDesignElement2D);
// The three non-linear formulations share one record code.
STRAKON_DECLARE_SI(ASINonLinearDesignElement);
class ASIQuentraDesignElement : public ASINonLinearDesignElement {};
class ASISolmarDesignElement : public ASINonLinearDesignElement {};
class ASIDravikDesignElement : public ASINonLinearDesignElement {};
class ASIElementMap : public AStorageInterface {
public:
    void Serialize(AStorageBase* object, CArchive& ar) override;
    // The node map new members are built on; set for one call (AStorageContext).
    omNodeMap* m_pNodeMap = nullptr;
};
class ASIElementResult : public AStorageInterface {
public:
    void Serialize(AStorageBase* object, CArchive& ar) override;
    // The load manager whose cases loaded results link to; set for one call.
    omLoadManager* m_pLoadManager = nullptr;
};

// --- loads
STRAKON_DECLARE_SI(ASILoad);
STRAKON_DECLARE_SI(ASILoadForce);
STRAKON_DECLARE_SI(ASILoadDisplacement);
STRAKON_DECLARE_SI(ASILoadUniform);
STRAKON_DECLARE_SI(ASILoadTemperature);
STRAKON_DECLARE_SI(ASILoadGroup);
STRAKON_DECLARE_SI(ASILoadCase);
STRAKON_DECLARE_SI(ASIEnvelope);
class ASILoadManager : public AStorageInterface {
public:
    void Serialize(AStorageBase* object, CArchive& ar) override;
    // The structure type new load cases get; set for one call.
    const omDofStructureType* m_pStructureType = nullptr;
};
STRAKON_DECLARE_SI(ASIElementLoadGroup);
STRAKON_DECLARE_SI(ASINodeLoadGroup);

// --- materials
STRAKON_DECLARE_SI(ASIMaterial);
STRAKON_DECLARE_SI(ASISteel);
STRAKON_DECLARE_SI(ASIConcrete);
STRAKON_DECLARE_SI(ASIRCSteel);
STRAKON_DECLARE_SI(ASIMaterialMap);

// --- nodes
STRAKON_DECLARE_SI(ASINode);
STRAKON_DECLARE_SI(ASINodeMap);
STRAKON_DECLARE_SI(ASINode2D);
STRAKON_DECLARE_SI(ASIGuiNode);
STRAKON_DECLARE_SI(ASIGuiNode2D);
STRAKON_DECLARE_SI(ASILinkedNode);
STRAKON_DECLARE_SI(ASILinkedNode2D);

// --- the structure
STRAKON_DECLARE_SI(ASIStrakon);
class ASIGuiStrakon : public AStorageInterface {
public:
    static constexpr unsigned kVersion = 10000;
    void Serialize(AStorageBase* object, CArchive& ar) override;
    // The structure's report settings that follow the model; set for one call.
    AOutputStructureAttributes* m_pOutput = nullptr;
    static inline ASIGuiStrakon* m_pSI = nullptr;
};

// The classes the node and element maps create while reading. The program's
// drawable node and members come from here; the showing of the support symbol
// and its angle are read and written through the two pairs of accessors.
struct AStoredClassFactory {
    static omNode* (*createNode)();
    static omDesignElement* (*createLinearElement)(omNodeMap& nodes);
    static omDesignElement* (*createNonLinearElement)(omNodeMap& nodes);
    static bool (*getShowSupportSymbol)(const omNode* node);
    static void (*setShowSupportSymbol)(omNode* node, bool on);
    static double (*getSupportAngle)(const omNode* node);
    static void (*setSupportAngle)(omNode* node, double degrees);
};

// The serialisers that hold a context, for the callers that set it.
struct AStorageInterfaces {
    static ASIElementMap* elementMap;
    static ASIElementResult* elementResult;
    static ASILoadManager* loadManager;
};

#undef STRAKON_DECLARE_SI
