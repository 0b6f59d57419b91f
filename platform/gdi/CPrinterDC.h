#pragma once
// A device context on a printer or a PDF file. The device's capabilities come
// from its page layout: the printable area (HORZRES, VERTRES), the whole sheet
// (PHYSICALWIDTH, PHYSICALHEIGHT), the unprintable margins (PHYSICALOFFSETX,
// PHYSICALOFFSETY) and the resolution (LOGPIXELSX, LOGPIXELSY); device pixel
// (0, 0) is the top-left corner of the printable area. The context is printing.
//
//   CPrinterDC dc(&pdfWriter);
//   dc.StartDoc("Report");
//   for each page: dc.StartPage(); dc.SetMapMode(MM_LOMETRIC); ...draw...; dc.EndPage();
//   dc.EndDoc();
#include "platform/gdi/CDC.h"

#include <string>

class QPagedPaintDevice;
class QPdfWriter;
class QPrinter;

class CPrinterDC : public CDC {
public:
    // The device is not owned and must outlive the context.
    explicit CPrinterDC(QPrinter* printer);
    explicit CPrinterDC(QPdfWriter* writer);
    // Ends a document that is still open.
    ~CPrinterDC() override;

    // Positive on success, SP_ERROR on failure.
    int StartDoc(std::string_view documentName) override;
    int StartPage() override;
    int EndPage() override;
    int EndDoc() override;
    int AbortDoc() override;

    bool IsDocumentOpen() const { return m_ownPainter != nullptr; }
    int GetPagesDone() const { return m_pagesDone; }

private:
    void readCaps();
    void restatePainter();
    bool isPageOpen() const { return m_pagesStarted > m_pagesDone; }

    QPagedPaintDevice* m_device = nullptr;
    QPrinter* m_printer = nullptr;
    QPdfWriter* m_writer = nullptr;
    std::unique_ptr<QPainter> m_ownPainter;
    int m_pagesStarted = 0;
    int m_pagesDone = 0;
};
