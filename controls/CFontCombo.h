#pragma once
// A combo box of the installed font families, each with a mark of its kind, and
// a section of the faces used last at its top (at most six, newest first).
// While the list is open a tip shows the selected face written in that face.
#include "platform/ui/CDialogControls.h"
#include "platform/ui/CImageList.h"

#include <map>

// The tip that shows a face in that face.
class CTipWnd : public CWnd {
public:
    CTipWnd();
    ~CTipWnd() override;
    // Shows the face at the screen point without taking the activation.
    void ShowTip(const CString& face, int x, int y);
    void HideTip();
    const CString& GetFace() const { return m_strFace; }

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) override;

private:
    CString m_strFace;
};

class CFontCombo : public CComboBox {
public:
    // Font kinds.
    static constexpr DWORD TRUETYPE_FONTTYPE = 0x1;
    static constexpr DWORD PRINTER_FONTTYPE = 0x2;
    static constexpr DWORD RASTER_FONTTYPE = 0x4;
    // At most this many faces in the recently used section.
    static constexpr int kRecentFaces = 6;

    CFontCombo();
    ~CFontCombo() override;

    // Fills the list: scalable faces with screen fonts, bitmap faces with raster fonts (there are no printer
    // fonts).
    void Initialize(BYTE charSet, bool rasterFonts, bool screenFonts, bool printerFonts);
    // Puts the face at the top of the recently used section and selects it.
    void SetFontInUse(const CString& face);
    // Adds a face once, in collating order below the recently used section.
    void AddFont(const CString& face, DWORD fontType);

    // How many faces the recently used section holds.
    int GetRecentCount() const;
    DWORD GetFontType(const CString& face) const;
    // The tip's timer tick: shows the selected face while the list is open.
    void OnTimer(UINT_PTR nIDEvent) override;
    CTipWnd& GetTip() { return m_tip; }
    // The icons of the kinds: 0 printer fonts, 1 TrueType fonts.
    const CImageList& GetImages() const { return m_images; }

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    bool FilterEvent(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        DWORD type = 0;
        bool recent = false;
    };
    CTipWnd m_tip;
    CString m_strSavedText;
    CImageList m_images;
    std::map<CString, Entry> m_faces;
    BYTE m_charSet = 0;
    bool m_bRaster = false, m_bScreen = true, m_bPrinter = false;
};
