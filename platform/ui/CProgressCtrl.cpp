#include "platform/ui/CProgressCtrl.h"

#include <QProgressBar>

#include <algorithm>

IMPLEMENT_DYNAMIC(CProgressCtrl, CWnd)

CProgressCtrl::CProgressCtrl() = default;
CProgressCtrl::~CProgressCtrl() = default;

QProgressBar* CProgressCtrl::GetProgressBarWidget() const {
    return qobject_cast<QProgressBar*>(GetWidget());
}

QWidget* CProgressCtrl::CreateWidget(const CREATESTRUCT& cs, QWidget* parentWidget) {
    auto* bar = new QProgressBar(parentWidget);
    bar->setTextVisible(false);
    bar->setRange(m_nLower, m_nUpper);
    bar->setValue(m_nPos);
    bar->setProperty("smooth", (cs.style & PBS_SMOOTH) != 0);
    return bar;
}

BOOL CProgressCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create(nullptr, nullptr, dwStyle, rect, pParentWnd, nID);
}

void CProgressCtrl::SetRange32(int nLower, int nUpper) {
    m_nLower = nLower;
    m_nUpper = nUpper;
    m_nPos = std::clamp(m_nPos, std::min(nLower, nUpper), std::max(nLower, nUpper));
    if (QProgressBar* bar = GetProgressBarWidget()) {
        bar->setRange(std::min(nLower, nUpper), std::max(nLower, nUpper));
        bar->setValue(m_nPos);
    }
}

void CProgressCtrl::GetRange(int& nLower, int& nUpper) const {
    nLower = m_nLower;
    nUpper = m_nUpper;
}

int CProgressCtrl::SetPos(int nPos) {
    const int previous = m_nPos;
    m_nPos = std::clamp(nPos, std::min(m_nLower, m_nUpper), std::max(m_nLower, m_nUpper));
    if (QProgressBar* bar = GetProgressBarWidget()) bar->setValue(m_nPos);
    return previous;
}

int CProgressCtrl::GetPos() const {
    return m_nPos;
}

int CProgressCtrl::OffsetPos(int nPos) {
    return SetPos(m_nPos + nPos);
}

int CProgressCtrl::SetStep(int nStep) {
    const int previous = m_nStep;
    m_nStep = nStep;
    return previous;
}

int CProgressCtrl::StepIt() {
    const int previous = m_nPos;
    int next = m_nPos + m_nStep;
    if (next > std::max(m_nLower, m_nUpper)) next = m_nLower + (next - std::max(m_nLower, m_nUpper)) - 1;
    if (next < std::min(m_nLower, m_nUpper)) next = std::min(m_nLower, m_nUpper);
    SetPos(next);
    return previous;
}
