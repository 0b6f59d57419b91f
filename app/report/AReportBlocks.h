#pragma once
// Shared steps of the report's block builders: a table with its caption and
// locked header row, and the hand-over of a finished block to the composer.
// A block stays owned here until the composer takes it, so a failure on the
// way frees it.
#include "controls/report/ADrawTable.h"
#include "controls/report/AMetaFileRectPic.h"
#include "platform/core/CString.h"

#include <initializer_list>
#include <memory>

class APrintManager;

std::unique_ptr<ADrawSmartTable> NewReportTable(const CString& caption, std::initializer_list<CString> headers);
// Applies the table settings and hands the table over.
void AddReportTable(APrintManager& report, std::unique_ptr<ADrawSmartTable> table);
// Closes the recording, applies the picture settings and hands the picture over.
void AddReportPicture(APrintManager& report, std::unique_ptr<AMetaFileRectPicMap> picture);
// The report's three text styles: heading ("Caption font"), subheading ("Head
// font") and body ("Normal font"), each at its size of the output settings.
enum class ReportTextStyle { heading, subheading, body };
// A locked text block of markup in the style, handed over.
void AddReportText(APrintManager& report, const CString& markup, ReportTextStyle style);
// Plain text as markup that prints it as it stands: every "@" kept, line
// breaks as "@{N}", tabs as six blanks.
CString PlainTextMarkup(const CString& plain);
// "%4.2lf" of value.
CString FormatFixed(double value);
