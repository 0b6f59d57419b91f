#include "controls/report/APrintManager.h"

#include "controls/report/APaper.h"
#include "platform/gdi/CDC.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

CString upper(const CString& s) {
    CString out = s;
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

void replaceAll(std::string& s, const std::string& from, const std::string& to) {
    for (std::size_t pos = s.find(from); pos != std::string::npos; pos = s.find(from, pos + to.size()))
        s.replace(pos, from.size(), to);
}

} // namespace

APrintManager::APrintManager() = default;

APrintManager::~APrintManager() {
    Clear();
}

std::vector<ADrawRect*> APrintManager::GetBlocks() const {
    std::vector<ADrawRect*> blocks;
    for (const auto& block : m_blocks)
        blocks.push_back(block.get());
    return blocks;
}

void APrintManager::Add(ADrawRect* block) {
    if (block) m_blocks.emplace_back(block);
}

void APrintManager::SetPaper(APaper* paper) {
    m_paper.reset(paper);
}

void APrintManager::SetDefaultFont(const CString& face, int size, BYTE charSet) {
    m_fontName = face;
    m_fontSize = size;
    m_charSet = charSet;
}

void APrintManager::AddParsePair(const CString& key, const CString& value) {
    m_keys[upper(key)] = value;
}

CString APrintManager::ParseString(const CString& text) const {
    std::string out;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t open = text.find("&[", pos);
        if (open == std::string::npos) break;
        const std::size_t close = text.find(']', open + 2);
        if (close == std::string::npos) break;
        out.append(text, pos, open - pos);
        const CString key = upper(CString(text.substr(open + 2, close - open - 2)));
        if (key == "PAGE") {
            out += pageMarker;
        } else if (auto it = m_keys.find(key); it != m_keys.end()) {
            // A key's value is the user's plain text: an "@" in it prints as it stands.
            out += ATextRect::Escape(it->second);
        } else {
            out += "Error:&[" + key + "]";
        }
        pos = close + 1;
    }
    out.append(text, std::min(pos, text.size()), std::string::npos);
    replaceAll(out, "\r\n", "@{N}");
    return CString(out);
}

void APrintManager::setFields(ATextRect* fields, const CString& left, const CString& center,
                              const CString& right) {
    const CString* texts[3] = {&left, &center, &right};
    for (int i = 0; i < 3; ++i) {
        fields[i].Clear();
        fields[i].Add(ParseString(*texts[i]));
        fields[i].Lock(true);
    }
}

void APrintManager::SetHead(const CString& left, const CString& center, const CString& right) {
    setFields(m_head, left, center, right);
}

void APrintManager::SetFoot(const CString& left, const CString& center, const CString& right) {
    setFields(m_foot, left, center, right);
}

void APrintManager::SetOrvexLogo(const CString& text) {
    m_logo.Clear();
    m_logo.Add(text);
}

void APrintManager::Clear() {
    m_placements.clear();
    m_pageStarts.clear();
    m_pieces.clear();
    m_blocks.clear();
    m_paper.reset();
}

int APrintManager::Layout(CDC* dc) {
    m_placements.clear();
    m_pageStarts.clear();
    m_pieces.clear();
    if (!m_paper) return 0;

    int pages = 0;
    bool pageHasBlocks = false;
    CRect body = m_paper->Body(false);
    int top = body.top;
    auto room = [&] { return body.bottom - top; }; // negative while there is room
    auto beginPage = [&] {
        body = m_paper->Body(pages % 2 == 0);
        top = body.top;
        pageHasBlocks = false;
    };
    auto place = [&](ADrawRect* block, CPoint at) {
        if (!pageHasBlocks) {
            ++pages;
            m_pageStarts.push_back(block);
            pageHasBlocks = true;
        }
        m_placements.push_back({block, at, pages});
    };

    for (std::size_t i = 0; i < m_blocks.size(); ++i) {
        ADrawRect* const original = m_blocks[i].get();
        ADrawRect* block = original;
        if (block->IsFloating()) {
            block->BeforeLayout(dc, this);
            // It belongs to the page in progress, or to the first page when it comes first.
            m_placements.push_back(
                {block, m_paper->PaperToLoMetric(block->GetFloatPoint()), pageHasBlocks ? pages : pages + 1});
            continue;
        }
        while (block) {
            if (block->GetPageBreak(false) && pageHasBlocks) beginPage();
            block->BeforeLayout(dc, this);
            const CSize size = block->GetSize(dc);
            const CPoint skip = block->GetSkip(false);
            const int needed = std::abs(-std::abs(size.cy) + skip.y);
            // A room of 0 or above holds nothing: the page is full.
            if (room() < 0 && needed <= -room()) {
                place(block, CPoint(body.left + skip.x, top + skip.y));
                top -= needed + m_minVerSep;
                break;
            }
            ADrawRect* first = nullptr;
            ADrawRect* rest = nullptr;
            const int allowed = room() < 0 ? block->AllowBreak(room() - skip.y) : 0;
            if (allowed != 0 && block->BreakAt(allowed, first, rest)) {
                m_pieces.emplace_back(first);
                m_pieces.emplace_back(rest);
                first->BeforeLayout(dc, this);
                place(first, CPoint(body.left + skip.x, top + skip.y));
                beginPage();
                block = rest;
                continue;
            }
            if (!pageHasBlocks) {
                // Too tall for any page: alone on its page, at the body's corner.
                place(block, CPoint(body.left, body.top));
                beginPage();
                break;
            }
            beginPage();
        }
        // The block's own settings hold after its last piece too.
        if (original->GetPageBreak(true)) beginPage();
        top += original->GetSkip(true).y;
    }
    // A floating block that follows the last page's contents belongs to it.
    for (Placement& p : m_placements)
        p.page = std::clamp(p.page, 1, std::max(1, pages));
    return pages;
}

std::vector<std::pair<ADrawRect*, CPoint>> APrintManager::GetPlacements(int page) const {
    std::vector<std::pair<ADrawRect*, CPoint>> out;
    for (const Placement& p : m_placements)
        if (p.page == page) out.emplace_back(p.block, p.point);
    return out;
}

bool APrintManager::PrintPage(int page, CDC* dc) {
    if (page < 1 || page > GetPageCount() || !m_paper) return false;
    if (!(page == 1 && m_omitHFOnFirstPage)) printHeadFoot(dc, page);
    std::vector<const Placement*> floating;
    for (const Placement& p : m_placements) {
        if (p.page != page) continue;
        p.block->BeforeDraw(dc, this);
        if (p.block->IsFloating())
            floating.push_back(&p);
        else
            p.block->Draw(dc, p.point);
    }
    for (const Placement* p : floating)
        p->block->Draw(dc, p->point);
    printLogo(dc);
    return true;
}

void APrintManager::outputField(CDC* dc, ATextRect& field, int width, ATextRect::JustifyType justify,
                                CPoint at, int page) {
    const CString saved = field.GetText();
    std::string text = saved;
    replaceAll(text, pageMarker, std::to_string(page));
    field.Clear();
    field.Add(CString(text));
    field.SetAvailableWidth(width);
    field.SetJustify(justify);
    field.BeforeLayout(dc, this);
    field.Draw(dc, at);
    field.Clear();
    field.Add(saved);
    field.Lock(true);
}

void APrintManager::printFields(CDC* dc, ATextRect* fields, const CRect& area, int page) {
    const int L = area.left, T = area.top, W = area.Width();
    const ATextRect::JustifyType justify[3] = {ATextRect::left, ATextRect::center, ATextRect::right};
    const int filled = !fields[0].IsEmpty() + !fields[1].IsEmpty() + !fields[2].IsEmpty();
    if (filled == 0) return;
    if (filled == 1) {
        for (int i = 0; i < 3; ++i)
            if (!fields[i].IsEmpty()) outputField(dc, fields[i], W, justify[i], CPoint(L, T), page);
        return;
    }
    if (fields[1].IsEmpty()) {
        outputField(dc, fields[0], W / 2, justify[0], CPoint(L, T), page);
        outputField(dc, fields[2], W / 2, justify[2], CPoint(L + W / 2, T), page);
        return;
    }
    for (int i = 0; i < 3; ++i)
        if (!fields[i].IsEmpty())
            outputField(dc, fields[i], W / 3, justify[i], CPoint(L + i * (W / 3), T), page);
}

void APrintManager::printHeadFoot(CDC* dc, int page) {
    printFields(dc, m_head, m_paper->Head(true), page);
    printFields(dc, m_foot, m_paper->Foot(true), page);
}

void APrintManager::printLogo(CDC* dc) {
    if (m_logo.IsEmpty()) return;
    const CRect foot = m_paper->Foot(true);
    m_logo.SetAvailableWidth(foot.Width());
    m_logo.SetJustify(ATextRect::right);
    m_logo.BeforeLayout(dc, this);
    const int height = std::abs(m_logo.GetSize(dc).cy);
    const int bottom = -m_paper->Printable().cy;
    m_logo.Draw(dc, CPoint(foot.left, bottom + height + 40));
}
