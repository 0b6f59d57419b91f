// The message viewer and the comment after copying a message, with the
// pictures of the document states and of the viewer's two icon buttons (our own,
// painted here).
#include "platform/ui/CDialogTemplate.h"
#include "platform/ui/CListCtrl.h"
#include "platform/ui/CResources.h"
#include "platform/ui/CRichEditCtrl.h"
#include "platform/ui/DlgUi.h"
#include "resources/ui/StrakonMessageIds.h"
#include "resources/ui/StrakonResources.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr DWORD kList = LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP;

CDialogTemplate messageViewer() {
    CDialogTemplate t;
    t.caption = "Message Viewer ...";
    t.style = kDialogStyle;
    t.cx = 480;
    t.cy = 300;
    t.items = {
        DlgControl("", IDC_MESSAGE_DOCUMENTS, WC_LISTVIEW, kList, 7, 7, 434, 82),
        DlgPushButton("", IDC_MESSAGE_DOWNLOAD, 447, 7, 26, 26, WS_TABSTOP),
        DlgControl("", IDC_MESSAGE_TEXT, WC_RICHEDIT,
                   ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_BORDER | WS_TABSTOP, 7, 95, 466, 122),
        DlgControl("", IDC_MESSAGE_LINKS, WC_LISTVIEW, kList, 7, 223, 434, 48),
        DlgPushButton("", IDC_MESSAGE_OPEN_LINK, 447, 223, 26, 26, WS_TABSTOP),
        DlgCheckBox("Show obsolete documents", IDC_MESSAGE_SHOW_OBSOLETE, 7, 277, 160, 10, WS_TABSTOP),
        DlgCheckBox("Do not allow automatic download of new documents!", IDC_MESSAGE_NO_AUTO_DOWNLOAD, 7, 289,
                    220, 10, WS_TABSTOP),
        DlgPushButton("Copy to Clipboard", IDC_MESSAGE_COPY, 331, 279, 70, 14, WS_TABSTOP),
        DlgDefPushButton("Close", IDOK, 405, 279, 68, 14, WS_TABSTOP),
    };
    return t;
}

CDialogTemplate copyComment() {
    CDialogTemplate t;
    t.caption = "Comment";
    t.style = kDialogStyle;
    t.cx = 250;
    t.cy = 100;
    t.items = {
        DlgLText("The message has been copied to the Clipboard in the RTF (Rich Text Format).", IDC_STATIC, 7,
                 7, 236, 18),
        DlgLText(
            "Please, paste it into an editor that understands such format, for example a word processor.",
            IDC_STATIC, 7, 29, 236, 18),
        DlgCheckBox("Don't show this comment again.", IDC_COPY_COMMENT_DONT_SHOW, 7, 60, 150, 10, WS_TABSTOP),
        DlgDefPushButton("OK", IDOK, 193, 79, 50, 14, WS_TABSTOP),
    };
    return t;
}

// A sheet of paper with a folded corner, the base of the state pictures.
void paper(QPainter& p, const QRectF& r, const QColor& fill) {
    QPainterPath path;
    path.moveTo(r.left(), r.top());
    path.lineTo(r.right() - 4, r.top());
    path.lineTo(r.right(), r.top() + 4);
    path.lineTo(r.right(), r.bottom());
    path.lineTo(r.left(), r.bottom());
    path.closeSubpath();
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.setBrush(fill);
    p.drawPath(path);
}

// Five 16-pixel pictures on white (the transparent colour): error, new, update, old, obsolete.
QImage statusPictures(const QSize&) {
    QImage image(80, 16, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 5; ++i) {
        p.save();
        p.translate(16 * i, 0);
        const QRectF sheet(3.5, 1.5, 10, 13);
        switch (i) {
        case 0: // error: a red cross
            p.setPen(QPen(QColor(200, 30, 30), 2.5));
            p.drawLine(QPointF(3, 3), QPointF(13, 13));
            p.drawLine(QPointF(13, 3), QPointF(3, 13));
            break;
        case 1: // new: a sheet with a yellow star
            paper(p, sheet, QColor(250, 250, 240));
            p.setPen(QPen(QColor(200, 140, 0), 1));
            p.setBrush(QColor(255, 210, 0));
            p.drawEllipse(QPointF(11, 11), 3.5, 3.5);
            break;
        case 2: // update: a sheet with a green arrow
            paper(p, sheet, QColor(240, 250, 240));
            p.setPen(QPen(QColor(20, 140, 40), 2));
            p.drawLine(QPointF(8.5, 5), QPointF(8.5, 12));
            p.drawLine(QPointF(5.5, 9), QPointF(8.5, 12));
            p.drawLine(QPointF(11.5, 9), QPointF(8.5, 12));
            break;
        case 3: // old: a plain sheet with lines
            paper(p, sheet, QColor(235, 235, 235));
            p.setPen(QPen(QColor(120, 120, 120), 1));
            for (int y = 5; y <= 11; y += 3)
                p.drawLine(QPointF(5.5, y + 0.5), QPointF(11.5, y + 0.5));
            break;
        case 4: // obsolete: a grey sheet struck through
            paper(p, sheet, QColor(210, 210, 210));
            p.setPen(QPen(QColor(150, 40, 40), 1.5));
            p.drawLine(QPointF(3, 14), QPointF(14, 2));
            break;
        }
        p.restore();
    }
    return image;
}

// An icon drawn on a 32 by 32 grid at the asked size (32 pixels when none is asked).
QImage paintIcon(const QSize& size, const std::function<void(QPainter&)>& draw) {
    const QSize s = size.isEmpty() ? QSize(32, 32) : size;
    QImage image(s, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(s.width() / 32.0, s.height() / 32.0);
    draw(p);
    return image;
}

// Download: an arrow into a tray.
QImage downloadIcon(const QSize& size) {
    return paintIcon(size, [](QPainter& p) {
        p.setPen(QPen(QColor(40, 90, 170), 1));
        p.setBrush(QColor(60, 130, 220));
        p.drawPolygon(QPolygonF({{13, 3}, {19, 3}, {19, 13}, {24, 13}, {16, 21}, {8, 13}, {13, 13}}));
        p.setPen(QPen(QColor(60, 60, 60), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF({{5, 20}, {5, 28}, {27, 28}, {27, 20}}));
    });
}

// Open link: a globe with an arrow.
QImage openLinkIcon(const QSize& size) {
    return paintIcon(size, [](QPainter& p) {
        p.setPen(QPen(QColor(30, 110, 60), 1.5));
        p.setBrush(QColor(120, 200, 150));
        p.drawEllipse(QPointF(14, 16), 11, 11);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(14, 16), 5, 11);
        p.drawLine(QPointF(3, 16), QPointF(25, 16));
        p.setPen(QPen(QColor(200, 90, 20), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawLine(QPointF(20, 12), QPointF(29, 3));
        p.drawPolyline(QPolygonF({{22, 3}, {29, 3}, {29, 10}}));
    });
}

} // namespace

void AddMessageDialogs(CResources& r) {
    r.AddDialog(IDD_MESSAGE_VIEWER, messageViewer());
    r.AddDialog(IDD_COPY_COMMENT, copyComment());
    r.AddBitmap(IDB_MESSAGE_STATUS, statusPictures);
    r.AddBitmap(IDI_MESSAGE_DOWNLOAD, downloadIcon);
    r.AddBitmap(IDI_MESSAGE_OPEN_LINK, openLinkIcon);
}
