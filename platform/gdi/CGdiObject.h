#pragma once
// Pens, brushes and fonts. Each object is a description until a device context
// draws with it: selecting copies the description into the device context, so
// an object may be changed or destroyed after it has been selected out again.
//
//   CPen pen(PS_SOLID, 3, RGB(255, 0, 0));
//   CPen* old = dc.SelectObject(&pen);
//   ...
//   dc.SelectObject(old);
#include "platform/gdi/GdiDefs.h"

class CDC;

class CGdiObject {
public:
    enum class Kind { pen, brush, font };

    virtual ~CGdiObject();
    CGdiObject(const CGdiObject&) = default;
    CGdiObject& operator=(const CGdiObject&) = default;

    Kind GetKind() const { return m_kind; }
    // True once the object has been created (and not deleted).
    bool IsCreated() const { return m_created; }
    // Non-null while the object is created, as the original framework's handle test.
    const void* GetSafeHandle() const { return m_created ? this : nullptr; }
    // Forgets the description. Stock objects cannot be deleted.
    bool DeleteObject();
    bool IsStockObject() const { return m_stock; }

    // The stock objects (WHITE_BRUSH ... DEFAULT_GUI_FONT); null for an unknown index.
    static CGdiObject* GetStockObject(int index);

protected:
    explicit CGdiObject(Kind kind) : m_kind(kind) {}
    void setCreated(bool created) { m_created = created; }
    void markStock() { m_stock = true; }
    friend struct StockObjects;

private:
    Kind m_kind;
    bool m_created = false;
    bool m_stock = false;
};

class CPen : public CGdiObject {
public:
    CPen() : CGdiObject(Kind::pen) {}
    CPen(int style, int width, COLORREF color) : CGdiObject(Kind::pen) { CreatePen(style, width, color); }

    bool CreatePen(int style, int width, COLORREF color);
    bool CreatePenIndirect(const LOGPEN* pen);
    bool GetLogPen(LOGPEN* pen) const;
    const LOGPEN& GetData() const { return m_data; }

private:
    LOGPEN m_data;
};

class CBrush : public CGdiObject {
public:
    CBrush() : CGdiObject(Kind::brush) {}
    explicit CBrush(COLORREF color) : CGdiObject(Kind::brush) { CreateSolidBrush(color); }
    CBrush(int hatch, COLORREF color) : CGdiObject(Kind::brush) { CreateHatchBrush(hatch, color); }

    bool CreateSolidBrush(COLORREF color);
    bool CreateHatchBrush(int hatch, COLORREF color);
    bool CreateBrushIndirect(const LOGBRUSH* brush);
    // Makes this brush a copy of a stock brush (e.g. HOLLOW_BRUSH).
    bool CreateStockObject(int index);
    bool GetLogBrush(LOGBRUSH* brush) const;
    const LOGBRUSH& GetData() const { return m_data; }

private:
    LOGBRUSH m_data;
};

class CFont : public CGdiObject {
public:
    CFont() : CGdiObject(Kind::font) {}

    bool CreateFontIndirect(const LOGFONT* font);
    bool CreateFont(int height, int width, int escapement, int orientation, int weight, BYTE italic,
                    BYTE underline, BYTE strikeOut, BYTE charSet, BYTE outPrecision, BYTE clipPrecision,
                    BYTE quality, BYTE pitchAndFamily, std::string_view faceName);
    // A font whose lfHeight is a size in tenths of a point. The height is
    // converted into logical units of the given device context (the screen
    // when none is given) as it is mapped now.
    bool CreatePointFontIndirect(const LOGFONT* font, const CDC* dc = nullptr);
    bool CreatePointFont(int pointSizeTenths, std::string_view faceName, const CDC* dc = nullptr);
    bool CreateStockObject(int index);
    // A font whose height is in device pixels whatever the mapping, as the
    // stock fonts are.
    bool CreatePixelFontIndirect(const LOGFONT* font);

    bool GetLogFont(LOGFONT* font) const;
    const LOGFONT& GetData() const { return m_data; }
    // Stock fonts keep their size in device pixels whatever the mapping.
    bool IsHeightInPixels() const { return m_heightInPixels; }

private:
    LOGFONT m_data;
    bool m_heightInPixels = false;
};
