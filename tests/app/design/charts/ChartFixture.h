#pragma once
// Drawing a chart into a recording and into a picture, and reading the recording back.
#include "app/design/ChartBase.h"
#include "app/design/Plotter.h"
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CMetaFile.h"
#include "tests/support/ArtifactsFolder.h"

#include <QImage>

#include <string>
#include <vector>

namespace chart_test {

using Type = CMetaRecord::Type;

// The chart of a plotter, 1800 x 900 logical units with its lower-left corner at the origin.
inline CMetaFile Record(Plotter& plotter, int width = 1800, int height = 900, bool printing = false) {
    ChartBase chart;
    chart.m_nWidth = width;
    chart.m_nHeight = height;
    chart.SetPlotter(&plotter);
    CMetaFileDC dc;
    dc.SetPrinting(printing);
    chart.Draw(&dc, CPoint(0, 0));
    return dc.Close();
}

inline std::vector<std::string> Texts(const CMetaFile& file) {
    std::vector<std::string> texts;
    for (const CMetaRecord& r : file.Records())
        if (r.type == Type::textOut) texts.push_back(r.text);
    return texts;
}

inline int Count(const std::vector<std::string>& texts, const std::string& text) {
    int n = 0;
    for (const std::string& t : texts)
        n += t == text;
    return n;
}

// The brush colour every rectangle after the chart's frame and the plot area's two is filled with.
inline std::vector<COLORREF> RectangleFills(const CMetaFile& file, std::size_t skip = 3) {
    std::vector<COLORREF> fills;
    COLORREF brush = 0;
    std::size_t seen = 0;
    for (const CMetaRecord& r : file.Records()) {
        if (r.type == Type::selectBrush) brush = r.brush.lbColor;
        if (r.type == Type::rectangle && seen++ >= skip) fills.push_back(brush);
    }
    return fills;
}

// A chart drawn into a picture under MM_LOMETRIC (y up), as the dialogs and views draw it.
inline QImage Picture(Plotter& plotter, int widthPx = 900, int heightPx = 420) {
    QImage image(widthPx, heightPx, QImage::Format_RGB32);
    image.fill(Qt::white);
    CImageDC dc(&image);
    dc.SetMapMode(MM_LOMETRIC);
    dc.SetViewportOrg(0, heightPx);
    CSize size(widthPx, heightPx);
    dc.DPtoLP(&size);
    ChartBase chart;
    chart.m_nWidth = std::abs(size.cx);
    chart.m_nHeight = std::abs(size.cy);
    chart.SetPlotter(&plotter);
    chart.Draw(&dc, CPoint(0, 0));
    return image;
}

inline void SavePicture(const QImage& image, const char* name) {
    image.save(QString::fromStdString((ArtifactsFolder() / name).string()));
}

} // namespace chart_test
