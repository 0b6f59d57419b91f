#include "framework/ABaseOutputWnd.h"

#include <QVBoxLayout>
#include <QWidget>

IMPLEMENT_DYNCREATE(ABaseOutputWnd, SECControlBar)

void AfxFillControlBar(CControlBar* bar, QWidget* child) {
    QWidget* inside = bar ? bar->GetClientWidget() : nullptr;
    if (!inside || !child) return;
    auto* layout = qobject_cast<QVBoxLayout*>(inside->layout());
    if (!layout) {
        layout = new QVBoxLayout(inside);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
    }
    child->setParent(inside);
    layout->addWidget(child);
    child->show();
}

ABaseOutputWnd::ABaseOutputWnd() = default;

ABaseOutputWnd::~ABaseOutputWnd() = default;

void ABaseOutputWnd::ClearOutput() {}

void ABaseOutputWnd::SetChild(CWnd* pChild) {
    m_pChild = pChild;
    if (pChild) AfxFillControlBar(this, pChild->GetWidget());
}
