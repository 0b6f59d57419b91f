#pragma once
// A static frame of a dialog that shows a chart. The chart is drawn in the
// frame's own paint event through a device context in MM_LOMETRIC whose
// viewport origin is the frame's lower-left corner, so the owner draws in
// tenths of a millimetre with y up, the frame's size given in those units.
#include "platform/core/CRect.h"
#include "platform/ui/CDialogControls.h"

#include <functional>

class CDC;

class AChartFrame : public CStatic {
public:
    // Draws the chart into a context prepared as above; size is the frame's in logical units.
    using Painter = std::function<void(CDC* pDC, const CSize& size)>;

    AChartFrame();
    ~AChartFrame() override;

    void SetPainter(Painter painter) { m_painter = std::move(painter); }
    // Paints again soon, without erasing first (the chart covers the whole frame).
    void Redraw();

protected:
    bool FilterEvent(QObject* watched, QEvent* event) override;

private:
    Painter m_painter;
};
