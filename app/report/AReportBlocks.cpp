#include "app/report/AReportBlocks.h"

#include "app/report/AOutputAttributes.h"
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

void AddReportText(APrintManager& report, const CString& markup, ReportTextStyle style) {
    const AOutputAttributes* settings = AOutputAttributes::Instance();
    auto text = std::make_unique<ATextRect>();
    switch (style) {
    case ReportTextStyle::heading: text->SetDefaultFont(settings->m_strCaptionFont, ReportCaptionSize()); break;
    case ReportTextStyle::subheading: text->SetDefaultFont(settings->m_strHeadFont, ReportHeadSize()); break;
    case ReportTextStyle::body: text->SetDefaultFont(settings->m_strNormalFont, ReportNormalSize()); break;
    }
    text->Add(markup);
    text->Lock(true);
    report.Add(text.release());
}

CString PlainTextMarkup(const CString& plain) {
    const CString escaped = ATextRect::Escape(plain);
    CString out;
    out.reserve(escaped.size());
    for (char c : escaped) {
        if (c == '\n')
            out += "@{N}";
        else if (c == '\t')
            out += "      ";
        else if (c == '\r')
            continue;
        else
            out += c;
    }
    return out;
}
