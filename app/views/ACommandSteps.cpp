#include "app/views/ACommandSteps.h"
#include "app/views/AComSupport.h"

#include "app/shell/AProjectWorkspaceWndInterface.h"
#include "app/shell/AStrakonDocument.h"
#include "app/views/AStrakon.h"
#include "controls/AObject.h"

namespace ACommandSteps {

AStrakonDocument* Strakon(AStructureDocument* pDoc) { return acom::Document(pDoc); }

AStrakon* ClearedModel(AStrakonDocument& doc) {
    AStrakon* model = doc.GetModel();
    if (model) model->clearResults();
    return model;
}

void Hint(AStrakonDocument& doc, int hint, AObject* object) { acom::Hint(doc, hint, object); }

AProjectWorkspaceWndInterface* ProjectWindow() { return AProjectWorkspaceWndInterface::FromMainFrame(); }

} // namespace ACommandSteps

#include <charconv>
#include <cmath>

bool ACommandSteps::ReadNumber(const std::string& text, double& value) {
    if (text.empty()) {
        value = 0.0;
        return true;
    }
    double read = 0.0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, read);
    if (error != std::errc() || stop != end || !std::isfinite(read)) return false;
    value = read;
    return true;
}

bool ACommandSteps::IsBlank(const std::string& text) {
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}
