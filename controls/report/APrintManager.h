#pragma once
// The report composer: owns the printable blocks of a report, flows them over
// the body of a paper page by page (splitting blocks that allow it) and prints
// one page at a time with a head and a foot of three fields each. The fields
// expand "&[KEY]" from a key table; "&[PAGE]" is the page number.
#include "controls/report/ATextRect.h"

#include <map>
#include <memory>
#include <utility>
#include <vector>

class APaper;

class APrintManager {
public:
    APrintManager();
    APrintManager(const APrintManager&) = delete;
    APrintManager& operator=(const APrintManager&) = delete;
    virtual ~APrintManager();

    // Takes the block over.
    void Add(ADrawRect* block);
    // Takes the paper over; the previous one is deleted.
    void SetPaper(APaper* paper);
    APaper* GetPaper() const { return m_paper.get(); }
    void SetDefaultFont(const CString& face, int size, BYTE charSet);
    const CString& GetDefaultFontName() const { return m_fontName; }
    int GetDefaultFontSize() const { return m_fontSize; }
    BYTE GetDefaultCharSet() const { return m_charSet; }
    void SetMinVerSep(int separation) { m_minVerSep = separation; }
    int GetMinVerSep() const { return m_minVerSep; }
    void SetOmitHFOnFirstPage(bool on) { m_omitHFOnFirstPage = on; }
    bool GetOmitHFOnFirstPage() const { return m_omitHFOnFirstPage; }

    // Keys are looked up in upper case.
    void AddParsePair(const CString& key, const CString& value);
    void ClearParsePair() { m_keys.clear(); }
    // Each field gets the expansion of its text now, so the keys must be defined before.
    void SetHead(const CString& left, const CString& center, const CString& right);
    void SetFoot(const CString& left, const CString& center, const CString& right);
    void SetOrvexLogo(const CString& text);

    // The number of pages; 0 without a paper or without blocks.
    int Layout(CDC* dc);
    // False for a page outside 1 ... the page count.
    bool PrintPage(int page, CDC* dc);
    // Deletes every block, piece and the paper; Layout must run again.
    void Clear();

    // The blocks added, in order.
    std::vector<ADrawRect*> GetBlocks() const;
    int GetPageCount() const { return static_cast<int>(m_pageStarts.size()); }
    // The blocks placed on a page, in order, with their points.
    std::vector<std::pair<ADrawRect*, CPoint>> GetPlacements(int page) const;
    // The expansion of a head or foot text; the page marker stands for the page number.
    CString ParseString(const CString& text) const;

    static constexpr const char* pageMarker = "~&$#";

private:
    struct Placement {
        ADrawRect* block;
        CPoint point;
        int page;
    };
    void setFields(ATextRect* fields, const CString& left, const CString& center, const CString& right);
    void printHeadFoot(CDC* dc, int page);
    void printFields(CDC* dc, ATextRect* fields, const CRect& area, int page);
    void outputField(CDC* dc, ATextRect& field, int width, ATextRect::JustifyType justify, CPoint at,
                     int page);
    void printLogo(CDC* dc);

    std::vector<std::unique_ptr<ADrawRect>> m_blocks;
    std::vector<std::unique_ptr<ADrawRect>> m_pieces;
    std::vector<Placement> m_placements;
    std::vector<ADrawRect*> m_pageStarts;
    std::unique_ptr<APaper> m_paper;
    CString m_fontName;
    int m_fontSize = 0;
    BYTE m_charSet = 0;
    ATextRect m_head[3];
    ATextRect m_foot[3];
    ATextRect m_logo;
    std::map<CString, CString> m_keys;
    int m_minVerSep = 50;
    bool m_omitHFOnFirstPage = false;
};
