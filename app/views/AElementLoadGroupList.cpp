// The part that the drawable loads of members and of nodes share.
#include "app/views/AElementLoadGroup.h"

#include "app/views/AStrakonCursors.h"
#include "model/omLoad.h"

#include <cstdio>
#include <string>

unsigned ALoadGroupList::SetShownLoad(unsigned index) {
    const unsigned period = static_cast<unsigned>(m_Loads.size()) + 1;
    m_ShownLoad = index % period;
    return index / period;
}

omLoad* ALoadGroupList::GetListedLoad(unsigned n) const {
    return n >= 1 && n <= m_Loads.size() ? m_Loads[n - 1] : nullptr;
}

void ALoadGroupList::ListLoads(const std::vector<omLoad*>& all, unsigned loadGroup) {
    m_ActiveLoadGroup = loadGroup;
    m_Loads.clear();
    for (omLoad* load : all)
        if (load->getLoadGroupIndex() == loadGroup) m_Loads.push_back(load);
}

void ALoadGroupList::Adopt(omLoad* load) const {
    if (load->getLoadGroupIndex() == 0) load->setLoadGroupIndex(m_ActiveLoadGroup);
}

void ALoadGroupList::Listed(omLoad* load) {
    if (load->getLoadGroupIndex() != m_ActiveLoadGroup) return;
    m_Loads.push_back(load);
    m_ShownLoad = static_cast<unsigned>(m_Loads.size());
}

void ALoadGroupList::Unlisted(const omLoad* load) {
    std::erase(m_Loads, load);
    if (m_ShownLoad > m_Loads.size()) --m_ShownLoad;
}

void ALoadGroupList::ToggleShown(AObject& object) {
    if (!object.IsSelected())
        object.Select(true);
    else if (m_Loads.size() < 2)
        object.Select(false);
    else
        m_ShownLoad = (m_ShownLoad + 1) % static_cast<unsigned>(m_Loads.size() + 1);
}

CString ALoadGroupList::LoadLabel(unsigned index) const {
    const omLoad* load = GetListedLoad(index);
    char text[64];
    std::snprintf(text, sizeof text, "%u/%d: ", index, GetLoadCount());
    return CString(text) + (load ? load->getName() : std::string());
}

QCursor ALoadGroupList::LoadCursor() {
    return LoadStrakonCursor(134);
}

CString ALoadGroupList::LoadsTipText(const char* (*kindMark)(const omLoad&)) const {
    CString text = "Loads: " + std::to_string(m_Loads.size());
    for (size_t i = 0; i < m_Loads.size(); ++i)
        text += "\n" + std::to_string(i + 1) + ": " + m_Loads[i]->getName() + kindMark(*m_Loads[i]);
    return text;
}
