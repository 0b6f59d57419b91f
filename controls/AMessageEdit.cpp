#include "controls/AMessageEdit.h"

#include <QFocusEvent>
#include <QPalette>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>

namespace {
QColor qColor(COLORREF c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}
} // namespace

AMessageEdit::AMessageEdit() = default;
AMessageEdit::~AMessageEdit() = default;

QWidget* AMessageEdit::CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) {
    CREATESTRUCT multi = cs;
    multi.style |= ES_MULTILINE | ES_READONLY | WS_VSCROLL;
    return CEdit::CreateWidget(multi, parentWidget);
}

void AMessageEdit::AppendString(const CString& text, int newLine) {
    auto* edit = qobject_cast<QPlainTextEdit*>(GetWidget());
    if (!edit) return;
    if (GetLineCount() >= m_nMaxLines) ClearLine(10);
    QTextCursor cursor(edit->document());
    cursor.movePosition(QTextCursor::End);
    QString insert = QString::fromUtf8(text.c_str());
    insert.replace("\r\n", "\n");
    if (newLine && !edit->document()->isEmpty()) insert.prepend('\n');
    cursor.insertText(insert);
    edit->setTextCursor(cursor);
    edit->verticalScrollBar()->setValue(edit->verticalScrollBar()->maximum());
}

void AMessageEdit::Clear() {
    if (auto* edit = qobject_cast<QPlainTextEdit*>(GetWidget())) edit->clear();
}

void AMessageEdit::ClearLine(int count) {
    auto* edit = qobject_cast<QPlainTextEdit*>(GetWidget());
    if (!edit || count <= 0) return;
    QTextCursor cursor(edit->document());
    cursor.movePosition(QTextCursor::Start);
    cursor.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor, count);
    // Fewer lines than asked: all of them go.
    if (cursor.blockNumber() < count) cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

void AMessageEdit::SetCanFocus(bool canFocus) {
    m_bCanFocus = canFocus;
}

void AMessageEdit::SetColors(COLORREF text, COLORREF background) {
    if (QWidget* widget = GetWidget()) {
        QPalette palette = widget->palette();
        palette.setColor(QPalette::Text, qColor(text));
        palette.setColor(QPalette::Base, qColor(background));
        widget->setPalette(palette);
    }
}

bool AMessageEdit::FilterEvent(QObject* watched, QEvent* event) {
    if (!m_bCanFocus && event->type() == QEvent::FocusIn && watched == GetWidget()) {
        // The focus goes back to the window that had it.
        if (QWidget* previous = GetWidget()->previousInFocusChain(); previous && previous != GetWidget())
            previous->setFocus(Qt::OtherFocusReason);
    }
    return CEdit::FilterEvent(watched, event);
}
