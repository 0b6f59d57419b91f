#pragma once
// The page geometry of a printer. Lengths in 0.1 mm; y grows upwards and the
// logical origin is the top-left corner of the printable area, so positions on
// the page have negative y. AStandardPaper divides the page into head, body,
// foot and a note column beside the body.
#include "platform/core/CRect.h"

class CDC;

class APaper {
public:
    APaper() = default;
    virtual ~APaper();

    virtual CRect Body(bool even) const = 0;
    virtual CRect Head(bool even) const = 0;
    virtual CRect Foot(bool even) const = 0;
    virtual CRect Note(bool even) const = 0;
    // Reads the sheet and its unprintable margins from the device.
    virtual void Setup(CDC& dc);
    virtual void SetMargins(int left, int rightStrip, int topStrip, int bottomStrip, int top, int bottom) = 0;
    // Outlines head, body, foot and note.
    virtual void DrawFrame(CDC& dc);

    // The whole sheet in the printable area's coordinates.
    CRect Paper() const;
    // Width and height of the printable area.
    CSize Printable() const;
    // A point of the sheet in the printable area's coordinates.
    CPoint PaperToLoMetric(const CPoint& p) const;

    int m_leftUnprintable = 0;
    int m_topUnprintable = 0;
    int m_rightUnprintable = 0;
    int m_bottomUnprintable = 0;
    int m_width = 0;
    int m_height = 0;
};

class AStandardPaper : public APaper {
public:
    CRect Body(bool even) const override;
    CRect Head(bool even) const override;
    CRect Foot(bool even) const override;
    CRect Note(bool even) const override;
    // The device's sheet; every outer margin at least the unprintable one.
    void Setup(CDC& dc) override;
    void SetMargins(int left, int rightStrip, int topStrip, int bottomStrip, int top, int bottom) override;

    int m_leftMargin = 270;
    int m_bodyWidth = 0;
    int m_noteGap = 30;
    int m_noteWidth = 170;
    int m_rightMargin = 70;
    int m_topMargin = 130;
    int m_headHeight = 120;
    int m_headGap = 70;
    int m_bodyHeight = 0;
    int m_footGap = 70;
    int m_footHeight = 100;
    int m_bottomMargin = 130;

private:
    // A rectangle of the sheet shifted into the printable area.
    CRect shifted(int left, int top, int width, int height) const;
};
