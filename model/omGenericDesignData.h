#pragma once
// The design data of a member: the input and the results of its design check.
// omGenericDesignData holds what the reinforced-concrete and the steel design
// data share: the load cases of the ultimate and the serviceability check, the
// two check switches, the utilisation factors of the last design run and the
// support widths at the member ends. It also knows which kind of design data
// fits a member.
//
// The design data write their own records into the structure file; every
// record starts with this class's part.
#include "common/omUnitValue.h"

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

class CArchive;
class omCrossSection;
class omDesignElement;
class omLoadCase;
class omMaterial;

// Writes or reads one unit value: the number as the value holds it, then the
// name of its unit (empty without a unit). Reading gives the value the named
// unit.
void SerializeUV(CArchive& ar, omUnitValue& value);
// Reads the count of a list that follows in a record. Each item takes at least
// bytesPerItem bytes; a count that the rest of the record cannot hold is a bad format.
std::uint32_t ReadListCount(CArchive& ar, std::size_t bytesPerItem);
// Writes or reads a list of doubles: the count, then the values.
void SerializeDoubles(CArchive& ar, std::vector<double>& values);

class omGenericDesignData {
public:
    // The kind of design data; the numbers are stored and passed around.
    enum Type { dtRCBeam = 0, dtSteel = 1, dtNone = 3 };
    // How a load case changed (modifyLC).
    enum LCC { lccAdded = 0, lccDeleted = 1, lccChanged = 2 };
    // Direction of transferLC: into the design data, or out of it.
    enum LCT { lctIn = 0, lctOut = 1 };

    omGenericDesignData() = default;
    // Every field, the element and both factors included.
    omGenericDesignData(const omGenericDesignData& other) = default;
    omGenericDesignData& operator=(const omGenericDesignData& other) = default;
    // The element is not owned.
    virtual ~omGenericDesignData();

    // A new object of the same class with every field, the element and the
    // factors included; the caller owns it.
    virtual omGenericDesignData* clone() const = 0;
    // Reads or writes the record; derived classes write this part first.
    virtual void Serialize(CArchive& ar);
    // Forgets what a design run produced.
    virtual void resetResults();

    // The user's input: load-case lists, check switches and support widths. The
    // element and the two factors stay.
    void copy(const omGenericDesignData& other);

    const omDesignElement* getElement() const { return m_element; }
    // The member that owns this object; not owned here.
    void setElement(omDesignElement* element) { m_element = element; }

    // Load-case numbers (1-based), ascending and without repeats once modifyLC ran.
    const std::vector<int>& getSerLC() const { return m_serLC; }
    const std::vector<int>& getUltLC() const { return m_ultLC; }
    bool isUltLCActive(int lc) const;
    bool isSerLCActive(int lc) const;
    void clearLCActive(bool ultimate, bool serviceability);
    // Keeps the lists in step with the load manager. list 0 files the case by
    // its own limit state, 1 into the ultimate list, any other value into the
    // serviceability list. The case is read only when list is 0 and may be null
    // otherwise; a null case counts as neither ultimate nor serviceability.
    void modifyLC(int lc, LCC change, const omLoadCase* loadCase, int list);
    // lctOut copies the ultimate list into first and the serviceability list
    // into second; lctIn replaces the lists by them.
    void transferLC(LCT direction, std::pair<std::vector<int>, std::vector<int>>& lists);

    bool isUltDesign() const { return m_ultDesign; }
    void setUltDesign(bool on) { m_ultDesign = on; }
    bool isSerDesign() const { return m_serDesign; }
    void setSerDesign(bool on) { m_serDesign = on; }

    double getSerFactor() const { return m_serFactor; }
    void setSerFactor(double factor) { m_serFactor = factor; }
    double getUltFactor() const { return m_ultFactor; }
    void setUltFactor(double factor) { m_ultFactor = factor; }

    // The stored width while support widths are switched on; -1 cm otherwise.
    omUnitValue getLeftSupportWidth() const;
    omUnitValue getRightSupportWidth() const;
    void setLeftSupportWidth(const omUnitValue& width) { m_leftSupportWidth = width; }
    void setRightSupportWidth(const omUnitValue& width) { m_rightSupportWidth = width; }
    bool isSupportWidth() const { return m_supportWidth; }
    void enableSupportWidth(bool on) { m_supportWidth = on; }

    // The kind of design data that fits the member; dtNone for a null member.
    static Type getDesignDataType(const omDesignElement* element);
    // The same rule for a member of this material and cross-section (either may be null).
    static Type getDesignDataType(const omMaterial* material, const omCrossSection* section);
    // A new, unbound object of the kind that fits the member, or null; the caller owns it.
    static omGenericDesignData* createDesignDataObject(const omDesignElement* element);
    // A new, unbound object of the kind, or null for dtNone; the caller owns it.
    static omGenericDesignData* createDesignDataObject(Type kind);
    // Whether this object's class is exactly the kind that fits its element;
    // false without an element.
    bool verifyDesignDataType() const;
    // Whether this object's class is exactly the class of the kind; false for dtNone.
    bool isExactly(Type kind) const;

private:
    const omDesignElement* m_element = nullptr;
    std::vector<int> m_serLC;
    std::vector<int> m_ultLC;
    bool m_ultDesign = true;
    bool m_serDesign = true;
    double m_serFactor = 0.0;
    double m_ultFactor = 0.0;
    omUnitValue m_leftSupportWidth{0.0, omUK_cm};
    omUnitValue m_rightSupportWidth{0.0, omUK_cm};
    bool m_supportWidth = true;
};
