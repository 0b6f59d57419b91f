#pragma once
// The rich edit control of dialogs: a text view that shows formatted text (the
// program fills its document), read-only when the template says so. HTML given
// to it never loads anything: images and style sheets it names stay out.
#include "platform/ui/CWnd.h"

#include <QString>

class QTextDocument;
class QTextEdit;

// The window class of rich edits in dialog templates.
inline constexpr const char* WC_RICHEDIT = "RICHEDIT";

class CRichEditCtrl : public CWnd {
    DECLARE_DYNAMIC(CRichEditCtrl)
public:
    CRichEditCtrl();
    ~CRichEditCtrl() override;

    QTextEdit* GetTextEdit() const;
    // The document shown; null before the control has its window.
    QTextDocument* GetDocument() const;
    BOOL SetReadOnly(BOOL bReadOnly = TRUE);
    // Empties the text.
    void Clear();
    void SetPlainText(const QString& text);
    void SetHtml(const QString& html);
    QString GetPlainText() const;

protected:
    QWidget* CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) override;
};
