// A view's printing: the print dialog, the page loop into a printer context,
// and the print preview, which runs the same loop for every page it shows.
#include "platform/ui/CView.h"

#include "platform/gdi/CPrinterDC.h"
#include "platform/ui/AfxRes.h"
#include "platform/ui/CCmdUI.h"
#include "platform/ui/CDocument.h"
#include "platform/ui/CPrintInfo.h"

#include <QApplication>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QVariant>

#include <memory>

namespace {

// The preview window remembers its view by this property.
constexpr const char* previewViewProperty = "strakonPreviewView";

} // namespace

BOOL CView::OnPrintCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (nID != ID_FILE_PRINT && nID != ID_FILE_PRINT_PREVIEW && nID != ID_FILE_PRINT_SETUP &&
        nID != ID_FILE_PRINT_DIRECT)
        return FALSE;
    if (nCode == CN_UPDATE_COMMAND_UI) {
        if (pExtra) static_cast<CCmdUI*>(pExtra)->Enable(TRUE);
        return TRUE;
    }
    if (nCode != CN_COMMAND) return FALSE;
    if (pHandlerInfo) return TRUE; // only asked whether there is a handler
    if (nID == ID_FILE_PRINT_PREVIEW)
        OnFilePrintPreview();
    else if (nID == ID_FILE_PRINT_SETUP)
        OnFilePrintSetup();
    else
        OnFilePrint();
    return TRUE;
}

BOOL CView::DoPreparePrinting(CPrintInfo* pInfo) {
    if (!pInfo) return FALSE;
    // A preview prints on the program's printer as it is set up.
    if (pInfo->m_bPreview || pInfo->m_bDirect) return TRUE;
    return pInfo->m_pPD->DoModal() == IDOK;
}

BOOL CView::OnPreparePrinting(CPrintInfo* pInfo) {
    return DoPreparePrinting(pInfo);
}

void CView::OnBeginPrinting(CDC*, CPrintInfo*) {}

void CView::OnPrint(CDC* pDC, CPrintInfo*) {
    OnDraw(pDC);
}

void CView::OnEndPrinting(CDC*, CPrintInfo*) {}

int CView::PrintPages(QPrinter* printer, CPrintInfo* pInfo) {
    if (!printer || !pInfo) return 0;
    CPrinterDC dc(printer);
    const CString title = m_pDocument ? m_pDocument->GetTitle() : CString("Strakon");
    OnBeginPrinting(&dc, pInfo);
    if (dc.StartDoc(title) <= 0) {
        OnEndPrinting(&dc, pInfo);
        return 0;
    }
    int printed = 0;
    pInfo->m_bContinuePrinting = TRUE;
    for (UINT page = pInfo->GetFromPage(); page <= pInfo->GetToPage(); ++page) {
        pInfo->m_nCurPage = page;
        // Asked before the sheet is begun, so that no empty sheet ends the job.
        OnPrepareDC(&dc, pInfo);
        if (!pInfo->m_bContinuePrinting) break;
        if (dc.StartPage() <= 0) break;
        OnPrepareDC(&dc, pInfo);
        CRect area(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES));
        dc.DPtoLP(&area);
        pInfo->m_rectDraw = area;
        OnPrint(&dc, pInfo);
        dc.EndPage();
        ++printed;
        if (page == 0xFFFF) break;
    }
    dc.EndDoc();
    OnEndPrinting(&dc, pInfo);
    return printed;
}

void CView::OnFilePrint() {
    CPrintInfo info;
    if (!OnPreparePrinting(&info)) return;
    PrintPages(info.m_pPD->GetPrinter(), &info);
}

void CView::OnFilePrintSetup() {
    CPrintDialog dialog(TRUE);
    dialog.DoModal();
}

void CView::OnFilePrintPreview() {
    if (QWidget* open = GetPrintPreview()) {
        open->raise();
        return;
    }
    auto* preview = new QPrintPreviewDialog(&CPrintDialog::ProgramPrinter(),
                                            GetWidget() ? GetWidget()->window() : nullptr);
    preview->setAttribute(Qt::WA_DeleteOnClose);
    preview->setProperty(previewViewProperty, QVariant::fromValue(static_cast<void*>(this)));
    preview->setWindowTitle(QObject::tr("Print Preview"));
    QObject::connect(preview, &QPrintPreviewDialog::paintRequested, preview, [this](QPrinter* printer) {
        CPrintInfo info;
        info.m_bPreview = TRUE;
        if (!OnPreparePrinting(&info)) return;
        PrintPages(printer, &info);
    });
    // The preview must not outlive its view's window.
    if (GetWidget()) QObject::connect(GetWidget(), &QObject::destroyed, preview, &QObject::deleteLater);
    preview->open();
}

QWidget* CView::GetPrintPreview() const {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* preview = qobject_cast<QPrintPreviewDialog*>(w))
            if (preview->property(previewViewProperty).value<void*>() == static_cast<const void*>(this))
                return preview;
    return nullptr;
}
