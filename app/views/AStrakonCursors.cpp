#include "app/views/AStrakonCursors.h"

#include <QPixmap>

QCursor LoadStrakonCursor(UINT id) {
    if (id != 130 && id != 133 && id != 134) return QCursor(Qt::CrossCursor);
    // Rendered once per id: the views ask for the cursor at every mouse move.
    static QPixmap pictures[3];
    QPixmap& picture = pictures[id == 130 ? 0 : (id == 133 ? 1 : 2)];
    if (picture.isNull()) picture = QPixmap(QString(":/strakon/cursor%1.svg").arg(id));
    if (picture.isNull()) return QCursor(Qt::CrossCursor);
    // The pointer's tip.
    return QCursor(picture, 1, 1);
}
