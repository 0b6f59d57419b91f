#include "app/report/AReportBlocks.h"

#include "app/report/AReportText.h"
#include "controls/report/APrintManager.h"

std::unique_ptr<ADrawSmartTable> NewReportTable(const CString& caption, std::initializer_list<CString> headers) {
    auto table = std::make_unique<ADrawSmartTable>();
    table->SetCaption(caption);
    for (const CString& header : headers)
        table->AddTopCell(header);
    table->LockTopRow(true);
    return table;
}

void AddReportTable(APrintManager& report, std::unique_ptr<ADrawSmartTable> table) {
    ApplyTableSettings(table.get());
    report.Add(table.release());
}

void AddReportPicture(APrintManager& report, std::unique_ptr<AMetaFileRectPicMap> picture) {
    picture->CloseMetaFileDC();
    ApplyPictureSettings(picture.get());
    report.Add(picture.release());
}

CString FormatFixed(double value) { return CString::Formatted("%4.2lf", value); }
