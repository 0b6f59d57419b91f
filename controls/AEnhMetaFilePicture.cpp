#include "controls/AEnhMetaFilePicture.h"

#include "platform/core/Exceptions.h"
#include "platform/gdi/CImageDC.h"
#include "platform/gdi/CMetaFile.h"
#include "platform/ui/CResources.h"

#include <QEvent>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <cstring>
#include <optional>

struct AEnhMetaFileData {
    std::unique_ptr<QSvgRenderer> svg;
    QImage image;
    std::optional<CMetaFile> list;
};

namespace {

std::uint32_t readWord(const QByteArray& bytes, int at) {
    std::uint32_t v = 0;
    std::memcpy(&v, bytes.constData() + at, 4);
    return v;
}

// The platform's metafiles, recognised by their headers (each read only when the data is long enough).
bool isWindowsMetafile(const QByteArray& bytes) {
    if (bytes.size() >= 4 && readWord(bytes, 0) == 0x9AC6CDD7u) return true; // placeable
    if (bytes.size() >= 44 && readWord(bytes, 0) == 1 && readWord(bytes, 40) == 0x464D4520u)
        return true;          // enhanced
    if (bytes.size() >= 18) { // plain: type 1 or 2, header 9 words
        const auto type = static_cast<unsigned char>(bytes[0]) | static_cast<unsigned char>(bytes[1]) << 8;
        const auto words = static_cast<unsigned char>(bytes[2]) | static_cast<unsigned char>(bytes[3]) << 8;
        if ((type == 1 || type == 2) && words == 9) return true;
    }
    return false;
}

} // namespace

AEnhMetaFilePicture::AEnhMetaFilePicture() = default;

AEnhMetaFilePicture::~AEnhMetaFilePicture() {
    if (m_bOwnsPicture) DeleteEnhMetaFile(m_hPicture);
}

HENHMETAFILE AEnhMetaFilePicture::ReadMetaFile(UINT resourceId, const CString& resourceType) {
    const CString path = CResources::Instance().FindCustom(resourceType.c_str(), resourceId);
    return path.empty() ? nullptr : ReadMetaFile(path);
}

HENHMETAFILE AEnhMetaFilePicture::ReadMetaFile(const CString& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return nullptr;
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty() || isWindowsMetafile(bytes)) return nullptr;
    if (HENHMETAFILE picture = FromData(bytes.constData(), static_cast<std::size_t>(bytes.size())))
        return picture;
    if (bytes.trimmed().startsWith("<")) return nullptr;
    auto picture = std::make_unique<AEnhMetaFileData>();
    try {
        picture->list = CMetaFile::Load(path.c_str());
        return picture.release();
    } catch (const CException&) {
        return nullptr;
    }
}

HENHMETAFILE AEnhMetaFilePicture::FromData(const void* data, std::size_t size) {
    if (!data || size == 0) return nullptr;
    const QByteArray bytes(static_cast<const char*>(data), static_cast<qsizetype>(size));
    auto picture = std::make_unique<AEnhMetaFileData>();
    if (bytes.trimmed().startsWith("<")) {
        picture->svg = std::make_unique<QSvgRenderer>(bytes);
        return picture->svg->isValid() ? picture.release() : nullptr;
    }
    return picture->image.loadFromData(bytes) ? picture.release() : nullptr;
}

void AEnhMetaFilePicture::DeleteEnhMetaFile(HENHMETAFILE picture) {
    delete picture;
}

QImage AEnhMetaFilePicture::Render(HENHMETAFILE picture, const QSize& size) {
    if (!picture || size.isEmpty()) return QImage();
    if (!picture->image.isNull())
        return picture->image.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (picture->svg) {
        QPainter painter(&image);
        // Kept in proportion, centred.
        QSizeF drawn = QSizeF(picture->svg->defaultSize()).scaled(QSizeF(size), Qt::KeepAspectRatio);
        picture->svg->render(
            &painter,
            QRectF(QPointF((size.width() - drawn.width()) / 2, (size.height() - drawn.height()) / 2), drawn));
    } else if (picture->list) {
        CImageDC dc(&image);
        picture->list->Play(dc);
    }
    return image;
}

HENHMETAFILE AEnhMetaFilePicture::SetEnhMetaFile(HENHMETAFILE picture) {
    HENHMETAFILE previous = m_hPicture;
    m_hPicture = picture;
    Refresh();
    return previous;
}

void AEnhMetaFilePicture::Refresh() {
    auto* label = qobject_cast<QLabel*>(GetWidget());
    if (!label) return;
    const QImage image = Render(m_hPicture, label->contentsRect().size());
    label->setPixmap(image.isNull() ? QPixmap() : QPixmap::fromImage(image));
}

void AEnhMetaFilePicture::OnDestroy() {
    if (m_bOwnsPicture && m_hPicture) {
        DeleteEnhMetaFile(m_hPicture);
        m_hPicture = nullptr;
    }
    CStatic::OnDestroy();
}

bool AEnhMetaFilePicture::FilterEvent(QObject* watched, QEvent* event) {
    if (watched == GetWidget() && event->type() == QEvent::Resize) Refresh();
    return CStatic::FilterEvent(watched, event);
}
