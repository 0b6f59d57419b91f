#pragma once
// Helpers that every block builder of the printed report uses: header texts
// with a unit line, values in the output number format, the output settings
// applied to a table or a picture, and two texts of the design pages.
#include "common/omUnitValue.h"
#include "platform/core/CString.h"

class ADrawSmartTable;
class AMetaFileRectPic;
class omCrossSection;
class omGenericDesignData;

// A font size of the output settings in tenths of a point. The settings keep
// sizes as decimal texts; one that is not a whole number of points from 1 to
// 200 would print invisibly or break the layout, so it gives defaultPoints.
int ReportFontSize(const CString& points, int defaultPoints);
// The three sizes of the report's text styles (tenths of a point).
int ReportCaptionSize();
int ReportHeadSize();
int ReportNormalSize();

// title, a line break, and the unit's name in square brackets one point
// smaller than the body text.
CString MakeUnitHeaderText(const CString& title, omUnitKey unit);
// The value in unit with the output number format, without the unit's name.
CString FormatReportValue(const omUnitValue& value, omUnitKey unit);
// Multi-column layout, caption and head fonts, style and automatic column sizes.
void ApplyTableSettings(ADrawSmartTable* table);
// Caption font and justification; the border where the picture has a map.
void ApplyPictureSettings(AMetaFileRectPic* picture);
// The section's name and its design variables in the length unit.
CString FormatCrossSectionText(const omCrossSection& section);
// The two design support widths; a negative width means "not considered".
CString FormatSupportWidthsText(const omGenericDesignData& data);
