#include "platform/ui/CRichEditCtrl.h"

#include "platform/ui/CDialogControls.h"
#include "platform/ui/DlgUi.h"

#include <QTextDocument>
#include <QTextEdit>
#include <QVariant>

IMPLEMENT_DYNAMIC(CRichEditCtrl, CWnd)

namespace {

// Refuses every resource a document names, so that shown HTML reaches no file and no server.
class NoResourceTextEdit : public QTextEdit {
public:
    using QTextEdit::QTextEdit;
    QVariant loadResource(int, const QUrl&) override { return {}; }
};

const bool s_registered = [] {
    AfxRegisterControlClass(WC_RICHEDIT, []() -> CWnd* { return new CRichEditCtrl; });
    return true;
}();

} // namespace

CRichEditCtrl::CRichEditCtrl() = default;
CRichEditCtrl::~CRichEditCtrl() = default;

QWidget* CRichEditCtrl::CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) {
    auto* edit = new NoResourceTextEdit(parentWidget);
    edit->setAcceptRichText(true);
    edit->setReadOnly(cs.style & ES_READONLY);
    edit->setUndoRedoEnabled(false);
    return edit;
}

QTextEdit* CRichEditCtrl::GetTextEdit() const {
    return qobject_cast<QTextEdit*>(GetWidget());
}

QTextDocument* CRichEditCtrl::GetDocument() const {
    QTextEdit* edit = GetTextEdit();
    return edit ? edit->document() : nullptr;
}

BOOL CRichEditCtrl::SetReadOnly(BOOL bReadOnly) {
    QTextEdit* edit = GetTextEdit();
    if (!edit) return FALSE;
    edit->setReadOnly(bReadOnly);
    return TRUE;
}

void CRichEditCtrl::Clear() {
    if (QTextEdit* edit = GetTextEdit()) edit->clear();
}

void CRichEditCtrl::SetPlainText(const QString& text) {
    if (QTextEdit* edit = GetTextEdit()) edit->setPlainText(text);
}

void CRichEditCtrl::SetHtml(const QString& html) {
    if (QTextEdit* edit = GetTextEdit()) edit->setHtml(html);
}

QString CRichEditCtrl::GetPlainText() const {
    QTextEdit* edit = GetTextEdit();
    return edit ? edit->toPlainText() : QString();
}
