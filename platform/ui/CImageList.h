#pragma once
// A row of equally wide small pictures cut from one bitmap, with one colour of
// the bitmap standing for transparency.
#include "platform/core/COLORREF.h"
#include "platform/core/WinTypes.h"

#include <vector>

class QImage;
class QPixmap;

class CImageList {
public:
    CImageList();
    ~CImageList();

    // Cuts the bitmap resource into pictures cx pixels wide; crMask (0x00BBGGRR) becomes transparent.
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
    // Adds the pictures of an image; the number of the first one, -1 on failure.
    int Add(const QImage& image, COLORREF crMask);
    // Out of line: the pictures' type is complete only in the source.
    int GetImageCount() const;
    // A null pixmap for an index outside the list.
    QPixmap GetPixmap(int nImage) const;
    void DeleteImageList();

private:
    int m_cx = 16;
    std::vector<QImage> m_images;
};
