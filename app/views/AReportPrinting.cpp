#include "app/views/AReportPrinting.h"

#include "app/views/APrintDialog.h"
#include "app/views/AZoomViewDocument.h"
#include "controls/report/APrintManager.h"
#include "controls/report/APaper.h"
#include "platform/gdi/CDC.h"
#include "platform/ui/CPrintInfo.h"
#include "platform/ui/CView.h"
#include "platform/ui/CPromptService.h"

#include <memory>

namespace reportprinting {

int Prepare(CView& view, AZoomViewDocument* doc, CPrintInfo* pInfo) {
    if (!doc || !pInfo) return FALSE;
    pInfo->m_pPD = std::make_unique<APrintDialog>(FALSE, PD_USEDEVMODECOPIES | PD_NOSELECTION, nullptr);
    const BOOL direct = pInfo->m_bDirect;
    pInfo->m_bDirect = TRUE;
    if (!view.DoPreparePrinting(pInfo)) return FALSE;
    int pages = 0;
    {
        CWaitCursor wait;
        std::unique_ptr<CDC> dc(pInfo->m_pPD->CreatePrinterDC());
        if (!dc) return FALSE;
        dc->SetMapMode(MM_LOMETRIC);
        APrintManager& composer = doc->GetReportComposer();
        composer.Clear();
        auto* paper = new AStandardPaper;
        paper->Setup(*dc);
        composer.SetPaper(paper);
        if (doc->PrepareOutput(dc.get())) pages = composer.Layout(dc.get());
    }
    if (pages <= 0) return FALSE;
    pInfo->m_bDirect = direct;
    pInfo->SetMaxPage(static_cast<UINT>(pages));
    return view.DoPreparePrinting(pInfo);
}

void PrintPage(AZoomViewDocument* doc, CDC* pDC, CPrintInfo* pInfo) {
    if (doc && pInfo) doc->GetReportComposer().PrintPage(static_cast<int>(pInfo->m_nCurPage), pDC);
}

void End(AZoomViewDocument* doc) {
    if (doc) doc->GetReportComposer().Clear();
}

} // namespace reportprinting
