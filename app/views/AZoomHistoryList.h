#pragma once
// The zoom history of a graphic view: up to 50 views of the drawing, each the
// whole extents, a world window, or a world window with a scroll position,
// with a current entry to step back and forth from.
#include "common/omRect.h"

#include <list>

class AZoomHistoryData {
public:
    enum Kind { kindExtents = 0, kindWindow = 1, kindWindowAndScroll = 2 };
    virtual ~AZoomHistoryData();

    void SetExtents();
    void SetWindow(const omRect& window);
    void SetWindowAndScroll(const omRect& window, int x, int y);

    int m_nKind = kindExtents;
    omRect m_window;
    int m_x = 0; // scroll position, logical units
    int m_y = 0;
};

class AZoomHistoryList {
public:
    static constexpr int kMaxEntries = 50;
    virtual ~AZoomHistoryList();

    // Drops every entry after the current one, appends the entry and makes it
    // current; beyond the limit the oldest entry goes.
    void Add(const AZoomHistoryData& entry);
    void AddExtents();
    void AddWindow(const omRect& window);
    void AddWindowAndScroll(const omRect& window, int x, int y);

    bool HasPrevious() const;
    bool HasNext() const;
    // Steps back (forward) and copies that entry out; false, changing nothing, when there is none.
    bool Previous(AZoomHistoryData& entry);
    bool Next(AZoomHistoryData& entry);

    int GetCount() const { return static_cast<int>(m_list.size()); }
    // The current entry; null while the history is empty.
    const AZoomHistoryData* GetCurrent() const;

private:
    std::list<AZoomHistoryData> m_list;
    std::list<AZoomHistoryData>::iterator m_current = m_list.end();
};
