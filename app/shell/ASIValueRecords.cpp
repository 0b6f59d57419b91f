// The records of the small values and of the settings objects a structure file carries.
#include "app/report/AOutputAttributes.h"
#include "app/shell/AOptionsAttributes.h"
#include "app/shell/AStorageInterface.h"
#include "app/shell/AUnitKeyAttributes.h"
#include "app/views/ADocAttributes.h"
#include "app/views/ADrawAttributes.h"
#include "app/views/AExtents2D.h"
#include "common/omNumberFormat.h"
#include "common/omUnitManager.h"
#include "common/omUnitValue.h"
#include "platform/core/CArchive.h"
#include "platform/core/Exceptions.h"
#include "model/omDofVector.h"
#include "rezavud/omVector.h"

#include <cmath>

namespace {
constexpr unsigned kV10000 = 10000;
constexpr unsigned kV10001 = 10001;

} // namespace

// --- unit value

void ASIUnitValue::Serialize(AStorageBase*, CArchive& ar) {
    throw CArchiveException(CArchiveException::badClass, ar.GetFileName(), "a unit value is no stored object");
}

void ASIUnitValue::SerializeValue(omUnitValue& value, CArchive& ar) {
    if (ar.IsStoring()) {
        ABaseStorageInterface::Version(kVersion, ar);
        ar << value.GetValue();
        ar << value.GetUnitName();
        return;
    }
    ABaseStorageInterface::Version(kVersion, ar);
    double number = ReadFinite(ar);
    std::string name;
    ar >> name;
    const omUnitManager* units = omUnitManager::Instance();
    if (!name.empty() && !units->IsUnitName(name))
        throw CArchiveException(CArchiveException::badSchema, ar.GetFileName(), "unknown unit \"" + name + "\"");
    value.Set(number, units->Key(name));
}

// --- number format

void ASINumberFormat::Serialize(AStorageBase*, CArchive& ar) {
    throw CArchiveException(CArchiveException::badClass, ar.GetFileName(), "a number format is no stored object");
}

void ASINumberFormat::SerializeValue(omNumberFormat& format, CArchive& ar) {
    if (ar.IsStoring()) {
        ABaseStorageInterface::Version(kVersion, ar);
        ar << static_cast<std::uint32_t>(format.getDigits());
        ar << static_cast<std::int32_t>(format.getType());
        ar << format.getDeleteZeros();
        ar << format.getSmallAsZero();
        ar << format.getLimit();
        return;
    }
    unsigned version = ABaseStorageInterface::Version(kVersion, ar);
    std::uint32_t digits = 0;
    ar >> digits;
    auto type = static_cast<omNumberFormat::Type>(ReadEnum(ar, omNumberFormat::smart, omNumberFormat::scientific));
    bool first = ReadFlag(ar);
    format.setDigits(digits);
    format.setType(type);
    format.setDeleteZeros(first);
    if (version >= kV10001) {
        format.setSmallAsZero(ReadFlag(ar));
        double limit = 0.0;
        ar >> limit;
        format.setLimit(limit);
    }
}

// --- vector

void ASIVector::Serialize(AStorageBase* object, CArchive& ar) {
    omVector* v = as<omVector>(object, ar);
    if (ar.IsStoring()) {
        Version(kV10000, ar);
        ar << static_cast<std::uint32_t>(v->size());
        if (v->size() > 0) ar.Write(static_cast<const double*>(*v), sizeof(double) * static_cast<std::size_t>(v->size()));
        return;
    }
    Version(kV10000, ar);
    std::uint32_t n = ReadCount(ar, sizeof(double));
    // A vector of a degree-of-freedom layout is read by that layout's positions
    // later: one of another size would be read beyond its end.
    if (auto* dofs = dynamic_cast<omDofVector*>(v);
        dofs && dofs->type() && n != 0 && n != static_cast<std::uint32_t>(dofs->type()->dofSize()))
        Damaged(ar, "vector of the wrong size");
    v->resize(static_cast<int>(n));
    if (n == 0) return;
    ar.ReadExact(static_cast<double*>(*v), sizeof(double) * n);
    for (std::uint32_t i = 0; i < n; ++i) {
        if (std::isfinite((*v)[i])) continue;
        if (!InResults()) Damaged(ar, "number out of range");
        NoteNonFiniteResult();
        break;
    }
}

// --- extents

void ASIGuiExtents2D::Serialize(AStorageBase* object, CArchive& ar) {
    AExtents2D* e = as<AExtents2D>(object, ar);
    Version(kV10000, ar);
    ASIUnitValue::SerializeValue(e->left, ar);
    ASIUnitValue::SerializeValue(e->right, ar);
    ASIUnitValue::SerializeValue(e->top, ar);
    ASIUnitValue::SerializeValue(e->bottom, ar);
    double* edges[4] = {&e->m_nodeRect.left, &e->m_nodeRect.right, &e->m_nodeRect.top, &e->m_nodeRect.bottom};
    for (double* edge : edges) {
        if (ar.IsStoring())
            ar << *edge;
        else
            *edge = ReadFinite(ar);
    }
}

// --- display sizes

namespace {
void applyDrawSizes(ADrawAttributes& d, const AStoredSettings::DrawSizes& read) {
    for (int i = 0; i < ADrawAttributes::kPenWidthCount; ++i)
        d.m_penWidth[i] = read.penWidth[i];
    d.m_nodeSize = read.nodeSize;
    d.m_showElementIndex = read.showElementIndex;
    d.m_showNodeIndex = read.showNodeIndex;
    d.m_fillMaterialColor = read.fillMaterialColor;
    d.m_fillCrossSectionColor = read.fillCrossSectionColor;
    d.m_diagramFactor = read.diagramFactor;
    d.ClampSizes();
}
} // namespace

void AStoredSettings::Apply() const {
    if (hasDrawAttributes) applyDrawSizes(*ADrawAttributes::Instance(), draw);
    if (hasUnitKeys) {
        AUnitKeyAttributes* keys = AUnitKeyAttributes::Instance();
        for (int i = 0; i < kOldUnitKeyCount; ++i)
            *keys->Field(i) = omUnitKey(unitKeys[i]);
    }
}

void ASIGuiDrawAttributes::Serialize(AStorageBase* object, CArchive& ar) {
    ADrawAttributes* d = as<ADrawAttributes>(object, ar);
    if (ar.IsStoring()) {
        Version(kV10000, ar);
        ar.Write(d->m_penWidth, sizeof d->m_penWidth);
        ar << d->m_nodeSize << d->m_showElementIndex << d->m_showNodeIndex << d->m_fillMaterialColor
           << d->m_fillCrossSectionColor << d->m_diagramFactor;
        return;
    }
    Version(kV10000, ar);
    AStoredSettings::DrawSizes read;
    for (double& w : read.penWidth)
        w = ReadFinite(ar);
    read.nodeSize = ReadFinite(ar);
    read.showElementIndex = ReadFlag(ar);
    read.showNodeIndex = ReadFlag(ar);
    read.fillMaterialColor = ReadFlag(ar);
    read.fillCrossSectionColor = ReadFlag(ar);
    read.diagramFactor = ReadFinite(ar);
    if (s_pending) {
        s_pending->hasDrawAttributes = true;
        s_pending->draw = read;
    } else {
        applyDrawSizes(*d, read);
    }
}

// --- unit keys: per user; a file of the old layout brings its own

void ASIGuiUnitKeyAttributes::Serialize(AStorageBase* object, CArchive& ar) {
    AUnitKeyAttributes* keys = as<AUnitKeyAttributes>(object, ar);
    if (ar.IsStoring()) {
        Version(kV10001, ar);
        return;
    }
    if (Version(kV10001, ar) != kV10000) return;
    constexpr int kOldUnitKeyCount = AStoredSettings::kOldUnitKeyCount;
    omUnitKey read[kOldUnitKeyCount];
    const omUnitManager* units = omUnitManager::Instance();
    for (int i = 0; i < kOldUnitKeyCount; ++i) {
        std::string name;
        ar >> name;
        // A name no unit has keeps the user's unit for that quantity.
        read[i] = units->IsUnitName(name) ? units->Key(name) : *keys->Field(i);
    }
    AStoredSettings* pending = ASIGuiDrawAttributes::s_pending;
    if (pending) {
        pending->hasUnitKeys = true;
        for (int i = 0; i < kOldUnitKeyCount; ++i)
            pending->unitKeys[i] = read[i];
        return;
    }
    for (int i = 0; i < kOldUnitKeyCount; ++i)
        *keys->Field(i) = read[i];
}

// --- options: per user; an old record is read and dropped

void ASIGuiOptionsAttributes::Serialize(AStorageBase* object, CArchive& ar) {
    as<AOptionsAttributes>(object, ar);
    if (ar.IsStoring()) {
        Version(kV10001, ar);
        return;
    }
    if (Version(kV10001, ar) != kV10000) return;
    for (int i = 0; i < 2; ++i) {
        omNumberFormat scratch(5, omNumberFormat::smart, true, false, 1e-12);
        ASINumberFormat::SerializeValue(scratch, ar);
    }
    std::string text;
    ar >> text >> text;
    double number = 0.0;
    ar >> number >> number;
    std::int32_t integer = 0;
    for (int i = 0; i < 7; ++i)
        ar >> integer;
    ar >> number;
}

// --- description

void ASIGuiDocAttributes::Serialize(AStorageBase* object, CArchive& ar) {
    ADocAttributes* doc = as<ADocAttributes>(object, ar);
    CString* texts[] = {&doc->author,   &doc->project,  &doc->keywords, &doc->title,
                        &doc->subtitle, &doc->investor, &doc->comment};
    Version(kV10000, ar);
    for (CString* text : texts) {
        if (ar.IsStoring()) {
            ar << static_cast<const std::string&>(*text);
        } else {
            std::string read;
            ar >> read;
            *text = read;
        }
    }
}

// --- report settings of the structure

void ASIGuiOutputAttributes::Serialize(AStorageBase* object, CArchive& ar) {
    as<AOutputStructureAttributes>(object, ar)->SerializeRecord(ar);
}
