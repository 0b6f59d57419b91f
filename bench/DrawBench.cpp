// The drawing layer against plain QPainter on the same 1200 x 900 image: short
// lines (MoveTo/LineTo and Polyline) and upright text (TextOut), each drawn the
// same way through CDC and directly, in one run; prints the time per call and
// the ratio. Then a view of 100,000 segments in a 1200 x 900 window: its first
// paint against a paint of the drag outline over its cached picture. Run by
// hand on an otherwise idle machine:
//
//   build/bin/draw_bench [repetitions]
#include "platform/gdi/CDC.h"
#include "platform/gdi/CImageDC.h"
#include "platform/ui/CFrameWnd.h"
#include "platform/ui/CView.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <random>
#include <vector>

namespace {

constexpr int kWidth = 1200;
constexpr int kHeight = 900;
constexpr int kLines = 100000;
constexpr int kTexts = 5000;

struct Segment {
    int x1, y1, x2, y2;
};

std::vector<Segment> shortSegments() {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> x(0, kWidth - 1), y(0, kHeight - 1), d(-20, 20);
    std::vector<Segment> s(kLines);
    for (Segment& g : s) {
        g.x1 = x(random);
        g.y1 = y(random);
        g.x2 = g.x1 + d(random);
        g.y2 = g.y1 + d(random);
    }
    return s;
}

// The best of several runs of draw, in seconds.
double best(int repetitions, const std::function<void()>& draw) {
    double fastest = 1e30;
    for (int i = 0; i < repetitions; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        draw();
        const auto t1 = std::chrono::steady_clock::now();
        fastest = std::min(fastest, std::chrono::duration<double>(t1 - t0).count());
    }
    return fastest;
}

void report(const char* what, int calls, double cdc, double direct) {
    std::printf("%-34s CDC %8.3f us   QPainter %8.3f us   ratio %5.2f\n", what, cdc * 1e6 / calls,
                direct * 1e6 / calls, cdc / direct);
}

// A drawing of the benchmark's segments with a drag outline as its overlay.
class CSegmentsView : public CView {
    DECLARE_DYNCREATE(CSegmentsView)
public:
    static const std::vector<Segment>* s_segments;
    CRect outline;
    void OnDraw(CDC* pDC) override {
        CPen pen(PS_SOLID, 0, RGB(0, 0, 160));
        CPen* old = pDC->SelectObject(&pen);
        for (const Segment& g : *s_segments) {
            pDC->MoveTo(g.x1, g.y1);
            pDC->LineTo(g.x2, g.y2);
        }
        pDC->SelectObject(old);
    }
    void OnDrawOverlay(CDC* pDC) override {
        pDC->SetROP2(R2_NOT);
        pDC->SelectStockObject(HOLLOW_BRUSH);
        pDC->Rectangle(&outline);
    }
};
IMPLEMENT_DYNCREATE(CSegmentsView, CView)
const std::vector<Segment>* CSegmentsView::s_segments = nullptr;

QImage whiteImage() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int repetitions = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    const std::vector<Segment> segments = shortSegments();
    QImage image = whiteImage();

    // Thin solid lines: the bulk of a structure drawing.
    const double lineCdc = best(repetitions, [&] {
        CImageDC dc(&image);
        CPen pen(PS_SOLID, 0, RGB(0, 0, 160));
        dc.SelectObject(&pen);
        for (const Segment& g : segments) {
            dc.MoveTo(g.x1, g.y1);
            dc.LineTo(g.x2, g.y2);
        }
        dc.SelectStockObject(BLACK_PEN);
    });
    const double lineDirect = best(repetitions, [&] {
        QPainter p(&image);
        p.setPen(QPen(QColor(0, 0, 160), 0));
        for (const Segment& g : segments)
            p.drawLine(g.x1, g.y1, g.x2, g.y2);
    });
    report("MoveTo/LineTo, thin solid", kLines, lineCdc, lineDirect);

    // The same lines in tenths of a millimetre with y up, as the graphic views draw.
    const double lometricCdc = best(repetitions, [&] {
        CImageDC dc(&image);
        dc.SetMapMode(MM_LOMETRIC);
        CPen pen(PS_SOLID, 0, RGB(0, 0, 160));
        dc.SelectObject(&pen);
        for (const Segment& g : segments) {
            dc.MoveTo(g.x1 * 254 / 96, -g.y1 * 254 / 96);
            dc.LineTo(g.x2 * 254 / 96, -g.y2 * 254 / 96);
        }
        dc.SelectStockObject(BLACK_PEN);
    });
    report("MoveTo/LineTo, thin solid, LOMETRIC", kLines, lometricCdc, lineDirect);

    // Wide lines with round ends (member outlines, results).
    const double wideCdc = best(repetitions, [&] {
        CImageDC dc(&image);
        CPen pen(PS_SOLID, 3, RGB(160, 0, 0));
        dc.SelectObject(&pen);
        for (const Segment& g : segments) {
            dc.MoveTo(g.x1, g.y1);
            dc.LineTo(g.x2, g.y2);
        }
        dc.SelectStockObject(BLACK_PEN);
    });
    const double wideDirect = best(repetitions, [&] {
        QPainter p(&image);
        QPen pen(QColor(160, 0, 0), 3);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        p.setPen(pen);
        for (const Segment& g : segments)
            p.drawLine(g.x1, g.y1, g.x2, g.y2);
    });
    report("MoveTo/LineTo, 3 pixels wide", kLines, wideCdc, wideDirect);

    // Polylines of five points.
    const double polyCdc = best(repetitions, [&] {
        CImageDC dc(&image);
        POINT pts[5];
        for (std::size_t i = 0; i + 4 < segments.size(); i += 4) {
            for (int k = 0; k < 5; ++k)
                pts[k] = POINT{segments[i + static_cast<std::size_t>(k)].x1, segments[i].y1 + 3 * k};
            dc.Polyline(pts, 5);
        }
    });
    const double polyDirect = best(repetitions, [&] {
        QPainter p(&image);
        p.setPen(QPen(Qt::black, 0));
        QPoint pts[5];
        for (std::size_t i = 0; i + 4 < segments.size(); i += 4) {
            for (int k = 0; k < 5; ++k)
                pts[k] = QPoint(segments[i + static_cast<std::size_t>(k)].x1, segments[i].y1 + 3 * k);
            p.drawPolyline(pts, 5);
        }
    });
    report("Polyline of 5 points", kLines / 4, polyCdc, polyDirect);

    // Upright labels.
    LOGFONT lf;
    lf.lfHeight = -12;
    lf.lfWeight = FW_NORMAL;
    lf.SetFaceName("DejaVu Sans");
    const double textCdc = best(repetitions, [&] {
        CImageDC dc(&image);
        CFont font;
        font.CreatePixelFontIndirect(&lf);
        dc.SelectObject(&font);
        dc.SetBkMode(TRANSPARENT);
        for (int i = 0; i < kTexts; ++i)
            dc.TextOut(segments[static_cast<std::size_t>(i)].x1, segments[static_cast<std::size_t>(i)].y1,
                       "N 12.5 kN");
        dc.SelectStockObject(SYSTEM_FONT);
    });
    const double textDirect = best(repetitions, [&] {
        QPainter p(&image);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(12);
        font.setHintingPreference(QFont::PreferNoHinting);
        p.setFont(font);
        p.setPen(Qt::black);
        const QFontMetricsF m(font);
        for (int i = 0; i < kTexts; ++i)
            p.drawText(QPointF(segments[static_cast<std::size_t>(i)].x1,
                               segments[static_cast<std::size_t>(i)].y1 + m.ascent()),
                       QString::fromUtf8("N 12.5 kN"));
    });
    report("TextOut, upright", kTexts, textCdc, textDirect);

    // A drag step over a view of all the segments.
    CSegmentsView::s_segments = &segments;
    auto* frame = new CFrameWnd;
    CCreateContext context;
    context.m_pNewViewClass = RUNTIME_CLASS(CSegmentsView);
    frame->Create(nullptr, "Segments", WS_OVERLAPPEDWINDOW, CRect(0, 0, kWidth, kHeight), nullptr, 0, 0,
                  &context);
    frame->InitialUpdateFrame(nullptr, TRUE);
    auto* view = static_cast<CSegmentsView*>(frame->GetActiveView());
    QWidget* client = view->GetInputWidget();
    client->resize(kWidth, kHeight);
    QCoreApplication::processEvents();
    const double drawing = best(repetitions, [&] {
        view->Invalidate();
        client->repaint();
    });
    int step = 0;
    const double dragStep = best(repetitions * 20, [&] {
        ++step;
        view->outline = CRect(100 + step % 50, 100 + step % 30, 400 + step % 50, 300 + step % 30);
        view->InvalidateOverlay();
        client->repaint();
    });
    std::printf("%-34s %8.3f ms   a drag step over it %8.3f ms\n", "View of 100,000 segments, drawn",
                drawing * 1e3, dragStep * 1e3);
    frame->DestroyWindow();
    return 0;
}
