#pragma once
// The widget of popup dialogs and sheets (for the platform layer's sources
// only): Escape and the close button ask the window to cancel instead of closing
// the widget behind its back, and F1 asks for help on the focused control.
#include <QDialog>

class CDialogWidget : public QDialog {
public:
    CDialogWidget(QWidget* parent, Qt::WindowFlags flags);
    void reject() override;
    void accept() override;
    void done(int) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
