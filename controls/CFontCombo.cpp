#include "controls/CFontCombo.h"

#include "platform/ui/CResources.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

constexpr const char* kModule = "velloc";
constexpr UINT IDB_FONTTYPES = 129;
constexpr int kRecentRole = Qt::UserRole + 1; // the item data of the combo's items
constexpr int kTypeRole = Qt::UserRole + 2;

// Our icons of the font kinds: a printer and a "T", 15 pixels wide each, magenta transparent.
QImage fontTypeIcons(const QSize&) {
    QImage image(30, 12, QImage::Format_RGB32);
    image.fill(QColor(255, 0, 255));
    QPainter p(&image);
    p.setPen(QColor(64, 64, 64));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(2, 4, 10, 5);
    p.drawRect(4, 1, 6, 3);
    p.setBrush(Qt::white);
    p.drawRect(4, 7, 6, 4);
    QFont font;
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(QColor(0, 0, 160));
    p.drawText(QRect(15, 0, 15, 12), Qt::AlignCenter, "T");
    return image;
}

void registerIcons() {
    CResources& r = CResources::Instance();
    const CResourceModuleScope scope(kModule);
    if (r.HasModule(kModule) && r.HasBitmap(IDB_FONTTYPES)) return;
    r.AddBitmap(IDB_FONTTYPES, fontTypeIcons);
}

// Draws an item: the kind's icon, the face 17 pixels further, and two lines
// below the last recently used face.
class CFontItemDelegate : public QStyledItemDelegate {
public:
    CFontItemDelegate(const CImageList* images, QObject* parent)
        : QStyledItemDelegate(parent), m_images(images) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        // The item's background (selection, focus) as the style draws it; the rest is ours.
        QStyleOptionViewItem plain = option;
        initStyleOption(&plain, index);
        plain.text.clear();
        const QWidget* widget = option.widget;
        QStyle* style = widget ? widget->style() : QApplication::style();
        style->drawPrimitive(QStyle::PE_PanelItemViewItem, &plain, painter, widget);
        const DWORD type = index.data(kTypeRole).toUInt();
        const int icon = type & CFontCombo::TRUETYPE_FONTTYPE  ? 1
                         : type & CFontCombo::PRINTER_FONTTYPE ? 0
                                                               : -1;
        const QRect r = option.rect;
        if (icon >= 0)
            painter->drawPixmap(r.left() + 1, r.top() + (r.height() - 12) / 2, m_images->GetPixmap(icon));
        painter->save();
        if (option.state & QStyle::State_Selected) painter->setPen(option.palette.highlightedText().color());
        painter->drawText(r.adjusted(17, 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft, index.data().toString());
        const QModelIndex next = index.sibling(index.row() + 1, 0);
        if (index.data(kRecentRole).toUInt() == 1 && next.isValid() && next.data(kRecentRole).toUInt() != 1) {
            painter->setPen(option.palette.text().color());
            painter->drawLine(r.left(), r.bottom() - 2, r.right(), r.bottom() - 2);
            painter->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        }
        painter->restore();
    }

private:
    const CImageList* m_images;
};

} // namespace

// --- CTipWnd ----------------------------------------------------------------------------------------

CTipWnd::CTipWnd() = default;
CTipWnd::~CTipWnd() = default;

QWidget* CTipWnd::CreateWidget(const CREATESTRUCT&, QWidget* parentWidget) {
    auto* label = new QLabel(parentWidget, Qt::ToolTip | Qt::FramelessWindowHint);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setAlignment(Qt::AlignCenter);
    label->setAttribute(Qt::WA_ShowWithoutActivating);
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::ToolTipBase);
    return label;
}

void CTipWnd::ShowTip(const CString& face, int x, int y) {
    if (!IsWindow() && !CreateEx(0, "", "", WS_POPUP, 0, 0, 10, 10, nullptr, 0)) return;
    auto* label = qobject_cast<QLabel*>(GetWidget());
    m_strFace = face;
    QFont font(QString::fromStdString(face));
    font.setPixelSize(18);
    label->setFont(font);
    label->setText(QString::fromStdString(face));
    const QSize text = QFontMetrics(font).size(Qt::TextSingleLine, label->text());
    label->setGeometry(x, y, text.width() + 16, text.height() + 16);
    label->show();
}

void CTipWnd::HideTip() {
    if (GetWidget()) GetWidget()->hide();
}

// --- CFontCombo -------------------------------------------------------------------------------------

CFontCombo::CFontCombo() = default;
CFontCombo::~CFontCombo() = default;

int CFontCombo::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CComboBox::OnCreate(lpCreateStruct) == -1) return -1;
    registerIcons();
    {
        const CResourceModuleScope scope(kModule);
        m_images.Create(IDB_FONTTYPES, 15, 1, 0xFF00FF);
    }
    if (auto* combo = qobject_cast<QComboBox*>(GetWidget())) {
        combo->setItemDelegate(new CFontItemDelegate(&m_images, combo));
        QObject::connect(combo, qOverload<int>(&QComboBox::activated), combo, [combo](int index) {
            auto* self = dynamic_cast<CFontCombo*>(CWnd::FromWidget(combo));
            if (!self || index < 0) return;
            self->SetFontInUse(CString(combo->itemText(index).toStdString()));
            self->m_tip.HideTip();
        });
        if (combo->view()) WatchWidget(combo->view());
    }
    Initialize(0, false, true, false);
    SetTimer(1, 500);
    return 0;
}

void CFontCombo::Initialize(BYTE charSet, bool rasterFonts, bool screenFonts, bool printerFonts) {
    m_charSet = charSet;
    m_bRaster = rasterFonts;
    m_bScreen = screenFonts;
    m_bPrinter = printerFonts;
    ResetContent();
    m_faces.clear();
    for (const QString& family : QFontDatabase::families()) {
        const CString face(family.toStdString());
        if (QFontDatabase::isSmoothlyScalable(family)) {
            if (screenFonts) AddFont(face, TRUETYPE_FONTTYPE);
        } else if (rasterFonts) {
            AddFont(face, RASTER_FONTTYPE);
        }
    }
}

void CFontCombo::AddFont(const CString& face, DWORD fontType) {
    auto* combo = qobject_cast<QComboBox*>(GetWidget());
    if (!combo || m_faces.count(face)) return;
    m_faces[face] = Entry{fontType, false};
    const QString text = QString::fromStdString(face);
    int index = GetRecentCount();
    while (index < combo->count() && combo->itemText(index).compare(text, Qt::CaseInsensitive) < 0)
        ++index;
    combo->insertItem(index, text);
    combo->setItemData(index, 0u, kRecentRole);
    combo->setItemData(index, static_cast<uint>(fontType), kTypeRole);
}

int CFontCombo::GetRecentCount() const {
    auto* combo = qobject_cast<QComboBox*>(GetWidget());
    int count = 0;
    while (combo && count < combo->count() && combo->itemData(count, kRecentRole).toUInt() == 1)
        ++count;
    return count;
}

DWORD CFontCombo::GetFontType(const CString& face) const {
    auto it = m_faces.find(face);
    return it == m_faces.end() ? 0 : it->second.type;
}

void CFontCombo::SetFontInUse(const CString& face) {
    auto* combo = qobject_cast<QComboBox*>(GetWidget());
    if (!combo) return;
    const QString text = QString::fromStdString(face);
    const int recent = GetRecentCount();
    for (int i = 0; i < recent; ++i) {
        if (combo->itemText(i) == text) {
            // Already in the section: its copy moves to the top.
            combo->removeItem(i);
            break;
        }
    }
    combo->insertItem(0, text);
    combo->setItemData(0, 1u, kRecentRole);
    combo->setItemData(0, static_cast<uint>(GetFontType(face)), kTypeRole);
    m_faces[face].recent = true;
    if (GetRecentCount() > kRecentFaces) {
        const CString leaving(combo->itemText(kRecentFaces).toStdString());
        combo->removeItem(kRecentFaces);
        m_faces[leaving].recent = false;
    }
    combo->setCurrentIndex(0);
}

void CFontCombo::OnTimer(UINT_PTR nIDEvent) {
    if (nIDEvent != 1) return;
    auto* combo = qobject_cast<QComboBox*>(GetWidget());
    if (!combo || !GetDroppedState()) {
        m_tip.HideTip();
        return;
    }
    const QModelIndex current = combo->view()->currentIndex();
    if (!current.isValid()) return;
    const QRect row = combo->view()->visualRect(current);
    const QPoint at = combo->view()->mapToGlobal(QPoint(combo->view()->width() + 5, row.top()));
    m_tip.ShowTip(CString(current.data().toString().toStdString()), at.x(), at.y());
}

bool CFontCombo::FilterEvent(QObject* watched, QEvent* event) {
    auto* combo = qobject_cast<QComboBox*>(GetWidget());
    if (combo && watched == combo) {
        if (event->type() == QEvent::FocusIn) {
            m_strSavedText = combo->currentText().toStdString();
        } else if (event->type() == QEvent::FocusOut && combo->isEditable()) {
            // A typed name that is no face of the list gives way to the one before.
            if (combo->findText(combo->currentText(), Qt::MatchFixedString | Qt::MatchCaseSensitive) < 0)
                combo->setEditText(QString::fromStdString(m_strSavedText));
        }
    }
    // The type first: asking for the view makes it, and its making sends events here.
    if (combo && event->type() == QEvent::Hide && watched != combo && watched == combo->view()) m_tip.HideTip();
    return CComboBox::FilterEvent(watched, event);
}
