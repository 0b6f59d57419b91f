#include "app/report/AReportText.h"

#include "app/report/AOutputAttributes.h"
#include "app/report/TranslateOutputString.h"
#include "app/shell/AOptionsAttributes.h"
#include "app/shell/AUnitKeyAttributes.h"
#include "common/omUnitManager.h"
#include "controls/report/ADrawTable.h"
#include "controls/report/AMetaFileRectPic.h"
#include "model/omCrossSection.h"
#include "model/omGenericDesignData.h"

#include <charconv>
#include <typeinfo>

namespace {

CString unitName(omUnitKey unit) { return CString(omUnitManager::Instance()->Unit(unit)->GetName()); }

} // namespace

int ReportFontSize(const CString& points, int defaultPoints) {
    CString text(points);
    text.Trim();
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [at, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc() || at != end || value < 1 || value > 200) value = defaultPoints;
    return value * 10;
}

int ReportCaptionSize() { return ReportFontSize(AOutputAttributes::Instance()->m_strCaptionSize, 13); }
int ReportHeadSize() { return ReportFontSize(AOutputAttributes::Instance()->m_strHeadSize, 11); }
int ReportNormalSize() { return ReportFontSize(AOutputAttributes::Instance()->m_strNormalSize, 10); }

CString MakeUnitHeaderText(const CString& title, omUnitKey unit) {
    return title + "@{N}@{F:D," + std::to_string(ReportNormalSize() - 10) + "}[" + unitName(unit) + "]";
}

CString FormatReportValue(const omUnitValue& value, omUnitKey unit) {
    return AOptionsAttributes::Instance()->outputFormat.CConvert(value.Get(unit));
}

void ApplyTableSettings(ADrawSmartTable* table) {
    const AOutputAttributes* settings = AOutputAttributes::Instance();
    table->SetMultiColumn(50, 200, 0);
    table->GetCaption().SetDefaultFont(settings->m_strHeadFont, ReportHeadSize());
    table->SetHeadFont(settings->m_strNormalFont, ReportNormalSize());
    table->SetStyle(settings->m_strTableStyle);
    table->SetAutoSize(30, 25);
}

void ApplyPictureSettings(AMetaFileRectPic* picture) {
    const AOutputAttributes* settings = AOutputAttributes::Instance();
    picture->GetCaption().SetDefaultFont(settings->m_strHeadFont, ReportHeadSize());
    picture->GetCaption().SetJustify(settings->m_bPicCenter ? ATextRect::center : ATextRect::left);
    if (typeid(*picture) == typeid(AMetaFileRectPicMap))
        static_cast<AMetaFileRectPicMap*>(picture)->SetDrawBorder(settings->m_bPicBorder);
}

CString FormatCrossSectionText(const omCrossSection& section) {
    const omUnitKey length = AUnitKeyAttributes::Instance()->length;
    CString text = TranslateOutputString("C-S") + " [" + unitName(length) + "]\n[" + section.name() + "]";
    for (int i = 1; i <= section.numberOfVariables(); ++i)
        text += "\n   " + section.name(unsigned(i)) + " = " +
                CString::Formatted("%4.2lf", section.getVariable(unsigned(i)).Get(length));
    return text;
}

CString FormatSupportWidthsText(const omGenericDesignData& data) {
    const omUnitKey length = AUnitKeyAttributes::Instance()->length;
    auto width = [&](const omUnitValue& value) -> CString {
        const double w = value.Get(length);
        if (w < 0.0) return TranslateOutputString("KNT");
        return CString::Formatted("%4.2lf %s", w, unitName(length).c_str());
    };
    return TranslateOutputString("ESW") + ":\n   " + TranslateOutputString("LFT") + " = " +
           width(data.getLeftSupportWidth()) + ",\n   " + TranslateOutputString("RGT") + " = " +
           width(data.getRightSupportWidth());
}
