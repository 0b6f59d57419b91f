#pragma once
// A picture control of dialogs. Pictures are our own artwork: an SVG or PNG
// file, or a display list written by the recording device context, registered
// in the resources by id under the type "METAFILE" or read from a file.
// Windows metafiles (enhanced, plain or placeable) are not played here: they
// give no picture.
#include "platform/ui/CDialogControls.h"

#include <cstddef>
#include <memory>

class QImage;
class QSize;
struct AEnhMetaFileData;
using HENHMETAFILE = AEnhMetaFileData*;

class AEnhMetaFilePicture : public CStatic {
public:
    AEnhMetaFilePicture();
    ~AEnhMetaFilePicture() override;

    // The picture of a resource; null when there is none or it is no picture of ours.
    static HENHMETAFILE ReadMetaFile(UINT resourceId, const CString& resourceType);
    // The picture of a file; null when the file is missing or no picture of ours.
    static HENHMETAFILE ReadMetaFile(const CString& path);
    // The picture of an SVG or PNG file's bytes; null when they are neither.
    static HENHMETAFILE FromData(const void* data, std::size_t size);
    static void DeleteEnhMetaFile(HENHMETAFILE picture);
    // The picture drawn at the size (a null image for no picture).
    static QImage Render(HENHMETAFILE picture, const QSize& size);

    // Shows the picture; the previous one is returned (and no longer shown).
    HENHMETAFILE SetEnhMetaFile(HENHMETAFILE picture);
    HENHMETAFILE GetEnhMetaFile() const { return m_hPicture; }
    // Whether the control deletes its picture when its window goes (the default).
    void SetOwnsPicture(bool owns) { m_bOwnsPicture = owns; }

    // Deletes an owned picture as the window goes, however it goes.
    void OnDestroy() override;

protected:
    bool FilterEvent(QObject* watched, QEvent* event) override;

private:
    void Refresh();
    bool m_bOwnsPicture = true;
    HENHMETAFILE m_hPicture = nullptr;
};
