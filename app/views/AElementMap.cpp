#include "app/views/AElementMap.h"

#include "app/shell/AOptionsAttributes.h"
#include "app/views/ADesignElement.h"
#include "app/views/ADrawAttributes.h"
#include "app/views/AElementLoadGroup.h"
#include "model/omDofVector.h"
#include "model/omEnvelope.h"
#include "model/omLoadCase.h"
#include "model/omLoadManager.h"
#include "model/omStrakon.h"
#include "platform/gdi/CDC.h"

#include <cmath>

AElementMap::AElementMap() = default;
AElementMap::~AElementMap() = default;

namespace {

// Calls f for every drawable member, in number order.
template <class F> void forEachMember(omElementMap& map, F f) {
    for (map.start_ii(); !map.stop_ii(); map.increment_ii())
        if (auto* member = dynamic_cast<ADesignElement*>(map.object_ii())) f(*member);
}

} // namespace

int AElementMap::GetElements(AObjectPtrContainer& list) {
    int count = 0;
    forEachMember(*this, [&](ADesignElement& member) {
        list.AddTail(&member);
        ++count;
    });
    return count;
}

void AElementMap::Draw(AMapC2L& map, CDC& dc, const omRect& clip, int drawMode,
                       const ADrawAttributes& attributes) {
    forEachMember(*this, [&](ADesignElement& member) {
        if (member.GetBoundingRect(true).meets(clip)) member.Draw(map, dc, drawMode, attributes);
    });
}

void AElementMap::DrawDesignState(AMapC2L& map, CDC& dc, const omRect& clip, int drawMode,
                                  ADrawAttributes& attributes) {
    // The members draw as rectangles; the switch goes back as it was.
    const bool former = attributes.m_showElementAsRect;
    attributes.m_showElementAsRect = true;
    forEachMember(*this, [&](ADesignElement& member) {
        auto* linear = dynamic_cast<ALinearDesignElement2D*>(&member);
        if (linear && member.GetBoundingRect(true).meets(clip))
            linear->DrawDesignColour(map, dc, drawMode, attributes);
    });
    attributes.m_showElementAsRect = former;
}

void AElementMap::SetActiveLoadGroup(int loadGroup) {
    forEachMember(*this, [&](ADesignElement& member) { member.SetActiveLoadGroup(loadGroup); });
}

double AElementMap::ResultScale(const omDofVector& extremeF, const omDofVector& extremeU, double extremeValue,
                                bool forces, int component) {
    const double size = ADrawAttributes::Instance()->GetDiagramSize();
    auto dof = [](const omDofVector& v, int t) {
        const auto type = static_cast<omDofType>(t);
        return v.exist(type) ? std::fabs(v.getDof(type)) : 0.0;
    };
    double m = 0.0;
    if (forces)
        m = dof(extremeF, component);
    else if (component == 4)
        m = dof(extremeU, 4);
    else if (component == 2)
        m = std::max(dof(extremeU, 0), dof(extremeU, 2));
    else
        m = std::fabs(extremeValue);
    const omNumberFormat& format = AOptionsAttributes::Instance()->workFormat;
    if (!std::isfinite(m) || m == 0.0 || (format.getSmallAsZero() && m < format.getLimit())) return 0.0;
    if (!forces && component == 2) return 0.8 * size < 0.01 * m ? 0.01 : size / (3.0 * m);
    return size / m;
}

double AElementMap::DrawResults(const omStrakon& model, AMapC2L& map, CDC& dc, [[maybe_unused]] const omRect& clip,
                                int drawMode, unsigned caseNumber, int component, bool forces, bool local) {
    // Every member's diagram is drawn: a diagram stands out of its member's own
    // rectangle by its scale, so the clip rectangle cannot tell which to skip,
    // and the device clips what lies outside.
    const omLoadManager* manager = model.getLoadManager();
    if (size() == 0 || !manager || caseNumber == 0) return 0.0;
    // The case or envelope may have gone since the last solution: no scale then.
    double scale = 0.0;
    if (caseNumber <= 1000) {
        if (static_cast<int>(caseNumber) > manager->caseSize()) return 0.0;
        const omLoadCase* lc = manager->getCase(static_cast<int>(caseNumber));
        if (!lc) return 0.0;
        scale = ResultScale(lc->getMaxAbsF(), lc->getMaxAbsU(), lc->getMaxAbsCP(), forces, component);
    } else {
        const unsigned e = caseNumber - 1000;
        if (static_cast<int>(e) > manager->envelopeSize()) return 0.0;
        const omEnvelope* envelope = manager->getEnvelope(e);
        if (!envelope) return 0.0;
        scale = ResultScale(envelope->getMaxAbsF(), envelope->getMaxAbsU(), envelope->getMaxAbsCP(), forces,
                            component);
    }
    if (scale == 0.0) return 0.0;

    CPen pen(PS_SOLID, dc.IsPrinting() ? 1 : 0, RGB(0, 0, 0));
    CPen* old = dc.SelectObject(&pen);
    forEachMember(*this, [&](ADesignElement& member) {
        member.DrawResult(map, dc, drawMode, caseNumber, component, forces, local, scale);
    });
    if (ADrawAttributes::Instance()->m_showResultsLabels) {
        AResultLabelPlaces places;
        forEachMember(*this, [&](ADesignElement& member) { member.DrawResultLabels(caseNumber, &places); });
    }
    dc.SelectObject(old);
    return scale;
}

void AElementMap::SetCurrentLoadGroup(AElementLoadGroup* group, const omDesignElement* owner) {
    m_currentLoadGroup = group;
    m_currentOwner = group ? owner : nullptr;
    m_currentOwnerId = group && owner ? owner->getIndex() : 0;
}

AElementLoadGroup* AElementMap::GetLiveCurrentLoadGroup() const {
    if (!m_currentLoadGroup || !m_currentOwner) return nullptr;
    return doFind(m_currentOwnerId) == m_currentOwner ? m_currentLoadGroup : nullptr;
}

bool AElementMap::DropCurrentLoadGroup(const omDesignElement* element) {
    if (!m_currentLoadGroup || (element && element != m_currentOwner)) return false;
    SetCurrentLoadGroup(nullptr, nullptr);
    return true;
}

// --- Loads and marks ---------------------------------------------------------------------------

namespace {

// Appends what of each member item gives (null: nothing); the number appended.
template <class F> int collect(omElementMap& map, AObjectPtrContainer& list, F item) {
    int count = 0;
    forEachMember(map, [&](ADesignElement& member) {
        if (AObject* object = item(member)) {
            list.AddTail(object);
            ++count;
        }
    });
    return count;
}

} // namespace

int AElementMap::GetElementLoadGroups(AObjectPtrContainer& list) {
    return collect(*this, list, [](ADesignElement& m) -> AObject* { return dynamic_cast<AElementLoadGroup*>(m.getLoad()); });
}

int AElementMap::GetResultMarks(AObjectPtrContainer& list) {
    return collect(*this, list, [](ADesignElement& m) -> AObject* { return &m.GetResultsMark(); });
}

int AElementMap::GetDesignMarks(AObjectPtrContainer& list) {
    return collect(*this, list, [](ADesignElement& m) -> AObject* { return &m.GetDesignMark(); });
}

void AElementMap::DrawLoads(AMapC2L& map, CDC& dc, const omRect& clip, int drawMode,
                            const ADrawAttributes& attributes) {
    AElementLoadGroup* current = GetLiveCurrentLoadGroup();
    const omDesignElement* currentMember = current ? m_currentOwner : nullptr;
    forEachMember(*this, [&](ADesignElement& member) {
        auto* group = dynamic_cast<AElementLoadGroup*>(member.getLoad());
        if (!group || static_cast<const omDesignElement*>(&member) == currentMember) return;
        group->SetShownLoad(0);
        if (group->GetBoundingRect(true).meets(clip)) group->Draw(map, dc, drawMode, attributes);
    });
    if (current) current->Draw(map, dc, drawMode, attributes);
}
