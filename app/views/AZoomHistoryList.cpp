#include "app/views/AZoomHistoryList.h"

#include <iterator>

AZoomHistoryData::~AZoomHistoryData() = default;

void AZoomHistoryData::SetExtents() {
    m_nKind = kindExtents;
    m_window = omRect();
    m_x = m_y = 0;
}

void AZoomHistoryData::SetWindow(const omRect& window) {
    m_nKind = kindWindow;
    m_window = window;
    m_x = m_y = 0;
}

void AZoomHistoryData::SetWindowAndScroll(const omRect& window, int x, int y) {
    m_nKind = kindWindowAndScroll;
    m_window = window;
    m_x = x;
    m_y = y;
}

AZoomHistoryList::~AZoomHistoryList() = default;

void AZoomHistoryList::Add(const AZoomHistoryData& entry) {
    if (m_current != m_list.end()) m_list.erase(std::next(m_current), m_list.end());
    m_list.push_back(entry);
    m_current = std::prev(m_list.end());
    if (static_cast<int>(m_list.size()) > kMaxEntries) m_list.pop_front();
}

void AZoomHistoryList::AddExtents() {
    AZoomHistoryData entry;
    entry.SetExtents();
    Add(entry);
}

void AZoomHistoryList::AddWindow(const omRect& window) {
    AZoomHistoryData entry;
    entry.SetWindow(window);
    Add(entry);
}

void AZoomHistoryList::AddWindowAndScroll(const omRect& window, int x, int y) {
    AZoomHistoryData entry;
    entry.SetWindowAndScroll(window, x, y);
    Add(entry);
}

bool AZoomHistoryList::HasPrevious() const {
    return !m_list.empty() && m_current != m_list.end() && m_current != m_list.begin();
}

bool AZoomHistoryList::HasNext() const {
    return m_current != m_list.end() && std::next(m_current) != m_list.end();
}

bool AZoomHistoryList::Previous(AZoomHistoryData& entry) {
    if (!HasPrevious()) return false;
    --m_current;
    entry = *m_current;
    return true;
}

bool AZoomHistoryList::Next(AZoomHistoryData& entry) {
    if (!HasNext()) return false;
    ++m_current;
    entry = *m_current;
    return true;
}

const AZoomHistoryData* AZoomHistoryList::GetCurrent() const {
    return m_current == m_list.end() ? nullptr : &*m_current;
}
