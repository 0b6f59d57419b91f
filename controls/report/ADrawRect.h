#pragma once
// The printable blocks of a report, which the report composer flows over the
// pages. Sizes and positions are logical units of the printer's MM_LOMETRIC
// mapping (0.1 mm, y up: a block's height is usually negative in y and
// positions below the top of the page are negative).
#include "controls/AMapC2L.h"
#include "platform/core/CRect.h"

class APrintManager;
class CDC;

class ADrawRect {
public:
    ADrawRect() = default;
    ADrawRect(const ADrawRect&) = default;
    ADrawRect& operator=(const ADrawRect&) = default;
    virtual ~ADrawRect();

    // Width and height in logical units; the composer uses the height's magnitude.
    virtual CSize GetSize(CDC* dc) = 0;
    // Called before Draw on every page that prints the block.
    virtual void BeforeDraw(CDC* dc, APrintManager* composer);
    // Draws the block with its top-left corner at p.
    virtual bool Draw(CDC* dc, CPoint p) const = 0;
    // The largest height not above |height| at which the block can be split; 0: it cannot.
    virtual int AllowBreak(int height);
    // Two new blocks, the part up to height and the rest, owned by the caller;
    // this block stays as it is. False (both null) when it cannot be split there.
    virtual bool BreakAt(int height, ADrawRect*& first, ADrawRect*& rest);
    // Called before GetSize during layout: defaults from the composer, measuring.
    virtual void BeforeLayout(CDC* dc, APrintManager* composer);
    virtual bool IsFloating() const { return m_floating; }
    virtual CPoint GetFloatPoint() const { return m_floatPoint; }
    // Places the block at a point of the paper and takes it out of the flow.
    virtual void SetFloatPoint(CPoint p);

    void SetSkip(bool after, const CPoint& skip) { (after ? m_skipAfter : m_skipBefore) = skip; }
    CPoint GetSkip(bool after) const { return after ? m_skipAfter : m_skipBefore; }
    void SetPageBreak(bool after, bool on) { (after ? m_breakAfter : m_breakBefore) = on; }
    bool GetPageBreak(bool after) const { return after ? m_breakAfter : m_breakBefore; }

private:
    bool m_floating = false;
    CPoint m_floatPoint{0, 0};
    CPoint m_skipBefore{0, 0};
    CPoint m_skipAfter{0, 0};
    bool m_breakBefore = false;
    bool m_breakAfter = false;
};

// A block that draws a world picture through its own map; its size is the
// map's logical window.
class ADrawPictRect : public ADrawRect {
public:
    CSize GetSize(CDC* dc) override;
    AMapC2L& GetC2L() { return m_map; }
    const AMapC2L& GetC2L() const { return m_map; }

private:
    AMapC2L m_map;
};
