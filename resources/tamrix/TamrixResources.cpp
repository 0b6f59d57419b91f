#include "resources/tamrix/TamrixResources.h"

#include "platform/ui/CDialogTemplate.h"
#include "platform/ui/CResources.h"
#include "platform/ui/DlgUi.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QSize>

namespace {

// Dialog 130: the summary a wizard shows before it applies its result.
CDialogTemplate wizardInformation() {
    CDialogTemplate t;
    t.caption = "Structur Wizard Information";
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    t.cx = 250;
    t.cy = 170;
    t.items = {
        DlgLText("Structure wizard will create a new structure with the following specifications:", 1002, 7,
                 7, 236, 18),
        DlgEditText(1000, 7, 28, 236, 90, ES_MULTILINE | ES_READONLY | WS_VSCROLL | ES_AUTOVSCROLL),
        DlgLText("Structure Location:", 1003, 7, 124, 236, 8),
        DlgLText("", 1004, 7, 134, 236, 8),
        DlgDefPushButton("OK", IDOK, 139, 149, 50, 14),
        DlgPushButton("Cancel", IDCANCEL, 193, 149, 50, 14),
    };
    return t;
}

// Dialog 145: the open windows of the active workspace, to activate, close or tile.
CDialogTemplate windows() {
    CDialogTemplate t;
    t.caption = "Windows";
    t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    t.cx = 262;
    t.cy = 150;
    t.items = {
        DlgLText("Select &window:", 0xFFFF, 7, 7, 180, 8),
        DlgListBox(1360, 7, 18, 180, 125,
                   LBS_EXTENDEDSEL | LBS_NOTIFY | LBS_HASSTRINGS | WS_VSCROLL | WS_TABSTOP),
        DlgDefPushButton("&Activate", 1361, 195, 18, 60, 14),
        DlgPushButton("Close Window(s)", 1362, 195, 36, 60, 14),
        DlgPushButton("Tile &Horizontaly", 1363, 195, 54, 60, 14),
        DlgPushButton("Tile &Verticaly", 1364, 195, 72, 60, 14),
        DlgPushButton("Close", IDCANCEL, 195, 129, 60, 14),
    };
    return t;
}

enum class Art { pin, pinned, apply, help };
enum class State { normal, hot, pressed };

// The property frame's button pictures: a raised face when hot, a sunken one when pressed.
QImage paintButton(const QSize& asked, Art art, State state) {
    const QSize size = asked.isEmpty() ? QSize(16, 16) : asked;
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double w = size.width(), h = size.height();
    if (state != State::normal) {
        p.setPen(QPen(state == State::hot ? QColor(255, 255, 255) : QColor(128, 128, 128), 1));
        p.drawLine(QPointF(0.5, h - 0.5), QPointF(0.5, 0.5));
        p.drawLine(QPointF(0.5, 0.5), QPointF(w - 0.5, 0.5));
        p.setPen(QPen(state == State::hot ? QColor(128, 128, 128) : QColor(255, 255, 255), 1));
        p.drawLine(QPointF(w - 0.5, 0.5), QPointF(w - 0.5, h - 0.5));
        p.drawLine(QPointF(w - 0.5, h - 0.5), QPointF(0.5, h - 0.5));
    }
    const double shift = state == State::pressed ? 1 : 0;
    p.translate(shift, shift);
    p.scale(w / 16.0, h / 16.0);
    switch (art) {
    case Art::pin: // lying pin: the needle points left
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(QPointF(2, 8), QPointF(6, 8));
        p.setBrush(QColor(230, 230, 230));
        p.drawRect(QRectF(6, 5, 6, 6));
        p.drawLine(QPointF(12, 3), QPointF(12, 13));
        break;
    case Art::pinned: // standing pin: the needle points down
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(QPointF(8, 10), QPointF(8, 14));
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(QRectF(5, 3, 6, 7));
        p.drawLine(QPointF(3, 10), QPointF(13, 10));
        break;
    case Art::apply: // a green tick
        p.setPen(QPen(QColor(0, 128, 0), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(QPolygonF({QPointF(3, 8.5), QPointF(6.5, 12), QPointF(13, 4)}));
        break;
    case Art::help: { // a blue question mark
        QFont font;
        font.setBold(true);
        font.setPixelSize(13);
        p.setFont(font);
        p.setPen(QColor(0, 0, 160));
        p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, "?");
        break;
    }
    }
    return image;
}

} // namespace

void RegisterTamrixResources() {
    CResources& r = CResources::Instance();
    if (r.HasModule(kTamrixModule)) return;
    const CResourceModuleScope scope(kTamrixModule);
    r.AddDialog(130, wizardInformation());
    r.AddDialog(145, windows());
    r.AddStrings({{1, "Apply"}, {2, "Help"}, {3, "Keep Visible"}});
    struct Picture {
        UINT id;
        Art art;
        State state;
    };
    const Picture pictures[] = {
        {133, Art::pin, State::normal},   {132, Art::pin, State::hot},
        {136, Art::pin, State::pressed},  {134, Art::pinned, State::normal},
        {131, Art::pinned, State::hot},   {147, Art::apply, State::normal},
        {149, Art::apply, State::hot},    {148, Art::apply, State::pressed},
        {139, Art::help, State::normal},  {130, Art::help, State::hot},
        {135, Art::help, State::pressed},
    };
    for (const Picture& picture : pictures)
        r.AddBitmap(picture.id, [art = picture.art, state = picture.state](const QSize& size) {
            return paintButton(size, art, state);
        });
}
