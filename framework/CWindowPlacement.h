#pragma once
// A window's placement as the platform's placement record, kept in the settings
// as one text value and in archives as the record's 44 bytes.
#include "platform/ui/WinUi.h"

class CArchive;
class CWnd;

class CWindowPlacement : public WINDOWPLACEMENT {
public:
    CWindowPlacement();

    // TRUE when any field other than the length is set.
    BOOL IsInitialized() const;
    // FALSE when the value is missing or does not hold all ten numbers.
    BOOL GetProfileWP(const char* section, const char* entry);
    BOOL WriteProfileWP(const char* section, const char* entry) const;
    // Takes the window's placement and writes it.
    void Save(const char* section, const char* entry, CWnd* pWnd);
    // Applies the stored placement when its normal rectangle lies at least partly
    // on the primary screen; FALSE leaves the window as it is.
    BOOL Restore(const char* section, const char* entry, CWnd* pWnd);
    // The same check; then only moves the window to the stored top-left corner.
    BOOL RestorePosition(const char* section, const char* entry, CWnd* pWnd);
    // Holds the normal rectangle to the size of the available screen area and
    // its corner, and the minimised and maximised positions, to one screen
    // from the origin. Placements read from a project or the settings are
    // held so before any window is sized by them.
    void ClampToScreen();
    // Where a main window goes when nothing is stored: four fifths of the primary
    // screen's available area each way, centred on it.
    static void PlaceOnFirstStart(CWnd* pWnd);

private:
    bool OnPrimaryScreen() const;
};

CArchive& operator<<(CArchive& ar, const CWindowPlacement& wp);
CArchive& operator>>(CArchive& ar, CWindowPlacement& wp);
