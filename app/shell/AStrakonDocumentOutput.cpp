// Preparing the printed report: the page frame, head and foot, the front page
// and the description, then the model's report body; and the volumes and
// weights of the structure's materials.
#include "app/shell/AStrakonDocument.h"

#include "app/dialogs/DlgVolumeWeight.h"
#include "app/report/AOutputAttributes.h"
#include "app/report/AStrakonReport.h"
#include "app/report/TranslateOutputString.h"
#include "app/shell/AOptionsAttributes.h"
#include "app/shell/AStrakonReportDrawing.h"
#include "app/shell/CStrakonApp.h"
#include "app/views/AStrakon.h"
#include "common/omErrorContainer.h"
#include "controls/report/APaper.h"
#include "controls/report/ATextRect.h"
#include "model/omElementMap.h"
#include "model/omLoadManager.h"
#include "model/omStrakon.h"
#include "platform/ui/CPromptService.h"

#include <QDate>
#include <QLocale>

#include <charconv>
#include <cmath>
#include <string_view>

namespace {

// "\r\n" as the report's line break.
CString withReportBreaks(const CString& text) {
    CString out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += "@{N}";
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

ATextRect* newBlock(const CString& text, const CString& face, int size, ATextRect::JustifyType justify,
                    BYTE charSet) {
    auto* block = new ATextRect(text);
    block->SetDefaultFont(face, size);
    block->SetDefaultCharSet(charSet);
    block->SetJustify(justify);
    block->Lock(true);
    return block;
}

} // namespace

int AStrakonDocument::ReportFontSize(const CString& sizeText) {
    constexpr int kDefault = 100;
    const std::string_view text(sizeText);
    double points = 0.0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), points);
    if (text.empty() || ec != std::errc() || end != text.data() + text.size() || !std::isfinite(points))
        return kDefault;
    const double whole = std::trunc(points);
    if (whole < 1.0 || whole > 200.0) return kDefault;
    return 10 * static_cast<int>(whole);
}

int AStrakonDocument::OutputProgressSteps() const {
    const omStrakon* model = GetModel();
    const omLoadManager* manager = model ? model->getLoadManager() : nullptr;
    if (!manager) return 6;
    int steps = 7 * (manager->caseSize() + manager->envelopeSize()) + 2 * manager->groupSize() + 6;
    if (AOutputAttributes::Instance()->m_bDesignResults && model->getElementMap())
        steps += static_cast<int>(model->getElementMap()->size());
    return steps;
}

bool AStrakonDocument::PrepareOutput(CDC* pDC) {
    omStrakon* model = GetModel();
    try {
        if (!model->areResultsValid() &&
            CPromptService::Instance().MessageBox(
                {"Current results do not exists or are not valid!\nOnly geometry and load data might be printed!",
                 "Warning", MB_OKCANCEL | MB_ICONEXCLAMATION}) == IDCANCEL)
            return true;
        AProgressScope progress("Preparing the output.", OutputProgressSteps());
        BuildReportHead();
        if (CStrakonApp* app = CStrakonApp::GetApp()) app->StepProgress(1);
        auto* drawable = dynamic_cast<AStrakon*>(model);
        if (!drawable) return false;
        AStrakonReportDrawing drawing(*drawable);
        AStrakonReport builder(*model, drawing, GetOutputAttributes());
        // The pictures frame the whole structure, as the views do.
        AExtents2D shown = GetShownExtents();
        return builder.BuildReport(GetReport(), pDC, shown);
    } catch (const omError& error) {
        if (!error.isEmpty()) {
            CPromptService::Instance().MessageBeep(MB_ICONEXCLAMATION);
            ReportToOutput(1, "Preparing for output ...", "", "Report.txt");
        }
        return false;
    }
}

void AStrakonDocument::BuildReportHead() {
    const AOutputAttributes& out = *AOutputAttributes::Instance();
    APrintManager& report = GetReport();
    if (APaper* paper = report.GetPaper()) {
        auto tenths = [](const omUnitValue& v) { return static_cast<int>(v.GetValue() * 100); };
        const omUnitKey unit = omUnitKey(1);
        paper->SetMargins(tenths(out.GetLeftMarginStd(unit)), tenths(out.GetRightMarginStd(unit)),
                          tenths(out.GetTopMarginStd(unit)), tenths(out.GetBottomMarginStd(unit)),
                          tenths(out.GetHeadMarginStd(unit)), tenths(out.GetFootMarginStd(unit)));
    }
    const BYTE charSet = static_cast<BYTE>(AOptionsAttributes::Instance()->characterSet);
    report.SetDefaultFont(out.m_strNormalFont, ReportFontSize(out.m_strNormalSize), charSet);

    ADocAttributes& doc = GetDocAttributes();
    doc.file = GetPathName();
    report.ClearParsePair();
    report.AddParsePair("PATH", doc.file);
    report.AddParsePair("FILE", doc.GetFileName());
    report.AddParsePair("DATE", QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString());
    report.AddParsePair("PROJECT", doc.project);
    report.AddParsePair("AUTHOR", doc.author);
    report.AddParsePair("TITLE", doc.title);
    report.AddParsePair("INVESTOR", doc.investor);
    report.SetHead(out.m_strHeadLeft, out.m_strHeadMiddle, out.m_strHeadRight);
    report.SetFoot(out.m_strFootLeft, out.m_strFootMiddle, out.m_strFootRight);
    report.SetOrvexLogo("@{F:ARIAL,65,I}Orvex Strakon - ");

    if (out.m_bPrintFrontPage) {
        const CString& face = out.m_strFrontPageFont;
        // The user's texts print as they stand: an "@" in them is no markup.
        CString title = ATextRect::Escape(doc.title);
        if (out.m_bPrintSubtitle) title += "@{N}@{F:D,220}" + ATextRect::Escape(doc.subtitle);
        ATextRect* last = newBlock(title, face, 320, ATextRect::center, charSet);
        last->SetSkip(false, CPoint(0, -500));
        report.Add(last);

        struct Field {
            bool print;
            const char* key;
            const CString& value;
        } const fields[] = {{out.m_bPrintProject, "PRJ", doc.project},
                            {out.m_bPrintInvestor, "INV", doc.investor},
                            {out.m_bPrintAuthor, "AUT", doc.author},
                            {out.m_bPrintFile, "PTH", doc.file},
                            {out.m_bPrintKeywords, "KEY", doc.keywords}};
        CString data;
        bool any = false;
        for (const Field& field : fields) {
            if (!field.print) continue;
            any = true;
            data += "@{A:B}" + TranslateOutputString(field.key) + "@{A:R}" + ATextRect::Escape(field.value);
            if (std::string_view(field.key) != "KEY") data += "@{N}@{N}";
        }
        if (any) {
            last = newBlock(data, face, 140, ATextRect::center, charSet);
            last->SetSkip(false, CPoint(0, out.m_bPrintLogo ? -100 : -400));
            report.Add(last);
        }
        if (out.m_bPrintText) {
            last = newBlock("@{A:B}" + TranslateOutputString("COM") + "@{A:R}@{N}" +
                                withReportBreaks(ATextRect::Escape(doc.comment)),
                            face, 120, ATextRect::left, charSet);
            last->SetSkip(false, CPoint(0, -300));
            report.Add(last);
        }
        last->SetPageBreak(true, true);
    }
    if (!doc.subtitle.empty()) {
        ATextRect* block = newBlock("@{A:B}" + ATextRect::Escape(doc.subtitle) + "@{A:R}",
                                    out.m_strCaptionFont, 150, ATextRect::left, charSet);
        block->SetSkip(true, CPoint(0, -40));
        report.Add(block);
    }
    const AOutputStructureAttributes& structure = GetOutputAttributes();
    if (structure.m_bUseDescription && !structure.m_strDescription.empty()) {
        ATextRect* block = newBlock(withReportBreaks(ATextRect::Escape(structure.m_strDescription)),
                                    out.m_strCaptionFont, 120, ATextRect::left, charSet);
        block->SetSkip(true, CPoint(0, -50));
        report.Add(block);
    }
}

void AStrakonDocument::OnVolumesWeights() {
    DlgVolumeWeight dlg(GetModel(), nullptr);
    dlg.DoModal();
}
