#pragma once
// A read-only log of messages in a multi-line edit: lines are appended at the
// end, and once the log holds its largest number of lines the oldest ten go.
#include "platform/core/COLORREF.h"
#include "platform/ui/CDialogControls.h"

class AMessageEdit : public CEdit {
public:
    AMessageEdit();
    ~AMessageEdit() override;

    // With newLine a non-empty log gets a line break before the text.
    void AppendString(const CString& text, int newLine);
    // Empties the log, read-only or not.
    void Clear();
    // Removes the first count lines.
    void ClearLine(int count);

    void SetMaxLines(int lines) { m_nMaxLines = lines; }
    int GetMaxLines() const { return m_nMaxLines; }
    // Whether the log may keep the focus; when not, a focus it gets goes back where it came from.
    void SetCanFocus(bool canFocus);
    void SetColors(COLORREF text, COLORREF background);

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) override;
    bool FilterEvent(QObject* watched, QEvent* event) override;

private:
    int m_nMaxLines = 500;
    bool m_bCanFocus = true;
};
