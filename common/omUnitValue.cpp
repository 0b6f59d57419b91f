#include "common/omUnitValue.h"

#include "common/omErrorContainer.h"
#include "common/omNumberFormat.h"

#include <ostream>

namespace {
const omUnitManager& units() {
    return *omUnitManager::Instance();
}

// The key of a name, or false after reporting a name that names no unit. The
// empty name is "no unit" and is no error.
bool keyOf(std::string_view name, omUnitKey& key) {
    key = units().Key(name);
    if (key != omUK_NoUnit || name.empty()) return true;
    omErrorContainer::instance()->report(10, name);
    return false;
}

bool sameQuantity(omUnitKey a, omUnitKey b) {
    const omUnitGroup* g = units().Group(a);
    return g && g == units().Group(b);
}
} // namespace

omUnitValue::omUnitValue(std::string_view unitName) {
    Set(0.0, unitName);
}

omUnitValue::omUnitValue(double value, std::string_view unitName) {
    Set(value, unitName);
}

void omUnitValue::Set(double value, const omUnit* unit) {
    m_value = value;
    m_key = unit ? unit->GetKey() : omUK_NoUnit;
}

void omUnitValue::Set(double value, std::string_view unitName) {
    omUnitKey key;
    keyOf(unitName, key);
    m_value = value;
    m_key = key;
}

double omUnitValue::Get(omUnitKey key) const {
    return units().Convert(m_value, m_key, key);
}

double omUnitValue::Get(std::string_view unitName) const {
    omUnitKey key;
    if (!keyOf(unitName, key)) return m_value;
    return Get(key);
}

void omUnitValue::ConvertTo(omUnitKey key) {
    if (key == m_key) return;
    if (!units().Compatible(m_key, key)) {
        units().Convert(m_value, m_key, key); // reports
        return;
    }
    m_value = units().Convert(m_value, m_key, key);
    m_key = key;
}

void omUnitValue::ConvertTo(std::string_view unitName) {
    omUnitKey key;
    if (keyOf(unitName, key)) ConvertTo(key);
}

const omUnit* omUnitValue::GetUnit() const {
    return units().Unit(m_key);
}

const std::string& omUnitValue::GetUnitName() const {
    return GetUnit()->GetName();
}

bool omUnitValue::HasUnit() const {
    return !GetUnit()->IsNoUnit();
}

const omUnitGroup* omUnitValue::UnitGroup() const {
    return GetUnit()->GetGroup();
}

std::string omUnitValue::AsString(const omNumberFormat& format) const {
    std::string text = format.CConvert(m_value);
    const std::string& name = GetUnitName();
    if (!name.empty()) {
        text += ' ';
        text += name;
    }
    return text;
}

bool omUnitValue::operator==(const omUnitValue& other) const {
    if (m_key == other.m_key) return m_value == other.m_value;
    if (!sameQuantity(m_key, other.m_key)) return false;
    return m_value == units().Convert(other.m_value, other.m_key, m_key);
}

bool omUnitValue::operator<(const omUnitValue& other) const {
    if (m_key == other.m_key || !sameQuantity(m_key, other.m_key)) return m_value < other.m_value;
    return m_value < units().Convert(other.m_value, other.m_key, m_key);
}

omUnitValue& omUnitValue::operator+=(const omUnitValue& other) {
    if (m_key == other.m_key) {
        m_value += other.m_value;
    } else if (sameQuantity(m_key, other.m_key)) {
        m_value += units().Convert(other.m_value, other.m_key, m_key);
    } else {
        m_value += other.m_value;
        m_key = omUK_NoUnit;
    }
    return *this;
}

omUnitValue& omUnitValue::operator-=(const omUnitValue& other) {
    omUnitValue negative(other);
    negative.m_value = -negative.m_value;
    return *this += negative;
}

std::ostream& operator<<(std::ostream& out, const omUnitValue& value) {
    out << value.GetValue();
    const std::string& name = value.GetUnitName();
    if (!name.empty()) out << ' ' << name;
    return out;
}
