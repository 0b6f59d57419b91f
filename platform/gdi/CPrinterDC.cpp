#include "platform/gdi/CPrinterDC.h"

#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <cmath>

CPrinterDC::CPrinterDC(QPrinter* printer) : CDC(CDeviceCaps{}), m_device(printer), m_printer(printer) {
    SetPrinting(true);
    readCaps();
}

CPrinterDC::CPrinterDC(QPdfWriter* writer) : CDC(CDeviceCaps{}), m_device(writer), m_writer(writer) {
    SetPrinting(true);
    readCaps();
}

CPrinterDC::~CPrinterDC() {
    if (m_ownPainter) EndDoc();
}

void CPrinterDC::readCaps() {
    if (!m_device) return;
    const int dpi = m_printer ? m_printer->resolution() : m_writer->resolution();
    const QPageLayout layout = m_device->pageLayout();
    const QRect full = layout.fullRectPixels(dpi);
    const QRect paint = layout.paintRectPixels(dpi);
    CDeviceCaps caps = CDeviceCaps::FromPixels(paint.width(), paint.height(), dpi, dpi, DT_RASPRINTER);
    caps.physicalWidth = full.width();
    caps.physicalHeight = full.height();
    caps.physicalOffsetX = paint.left() - full.left();
    caps.physicalOffsetY = paint.top() - full.top();
    caps.bitsPixel = 24;
    setCaps(caps);
}

int CPrinterDC::StartDoc(std::string_view documentName) {
    if (!m_device || m_ownPainter) return SP_ERROR;
    const QString name = QString::fromUtf8(documentName.data(), static_cast<qsizetype>(documentName.size()));
    if (m_printer) m_printer->setDocName(name);
    if (m_writer) m_writer->setTitle(name);
    readCaps();
    m_ownPainter = std::make_unique<QPainter>();
    if (!m_ownPainter->begin(m_device)) {
        m_ownPainter.reset();
        return SP_ERROR;
    }
    attachPainter(m_ownPainter.get(), false);
    m_pagesStarted = 0;
    m_pagesDone = 0;
    return 1;
}

int CPrinterDC::StartPage() {
    if (!m_ownPainter || isPageOpen()) return SP_ERROR;
    // Beginning the document opened the first page; later pages are new sheets.
    if (m_pagesStarted > 0) {
        if (!m_device->newPage()) return SP_ERROR;
        restatePainter();
    }
    ++m_pagesStarted;
    return 1;
}

void CPrinterDC::restatePainter() {
    // The print preview records each sheet with a painter of its own that
    // starts from the last sheet's clip and knows only the changes made after
    // it: the clip and the transform are given again, so that a sheet is drawn
    // as the context stands and not clipped to what the last sheet drew last.
    QPainter& painter = *m_ownPainter;
    painter.setWorldTransform(painter.worldTransform());
    if (painter.hasClipping()) {
        painter.setClipRegion(painter.clipRegion());
    } else {
        painter.setClipRect(QRect(0, 0, 1, 1));
        painter.setClipping(false);
    }
}

int CPrinterDC::EndPage() {
    if (!m_ownPainter || !isPageOpen()) return SP_ERROR;
    ++m_pagesDone;
    return 1;
}

int CPrinterDC::EndDoc() {
    if (!m_ownPainter) return SP_ERROR;
    if (isPageOpen()) EndPage();
    detachPainter();
    const bool ok = m_ownPainter->end();
    m_ownPainter.reset();
    return ok ? 1 : SP_ERROR;
}

int CPrinterDC::AbortDoc() {
    if (!m_ownPainter) return SP_ERROR;
    if (m_printer) m_printer->abort();
    detachPainter();
    if (m_ownPainter->isActive()) m_ownPainter->end();
    m_ownPainter.reset();
    return 1;
}
