// The structure document's collections for the load and result views, the
// load groups that open load sheets edit, and the texts of the lists that pick
// the model's nodes, materials and cross-sections.
#include "app/shell/AStrakonDocument.h"

#include "app/dialogs/ACrossSectionMap.h"
#include "app/dialogs/AMaterialMap.h"
#include "app/views/ADrawAttributes.h"
#include "app/views/AElementLoadGroup.h"
#include "app/views/AElementMap.h"
#include "app/views/ANodeLoadGroup.h"
#include "app/views/ANodeMap.h"
#include "app/views/AStrakon.h"

namespace {

AStrakon* drawableModel(omStrakon* model) {
    return dynamic_cast<AStrakon*>(model);
}

// Appends what the drawable model's collection gives to the object list.
int collect(AStrakonDocument& doc, int (AStrakon::*collection)(AObjectPtrContainer&)) {
    AStrakon* model = drawableModel(doc.GetModel());
    return model ? (model->*collection)(doc.GetObjectList()) : 0;
}

} // namespace

int AStrakonDocument::CollectNodeLoads() {
    return collect(*this, &AStrakon::GetNodeLoads);
}

int AStrakonDocument::CollectElementLoads() {
    return collect(*this, &AStrakon::GetElementLoads);
}

int AStrakonDocument::CollectElementResults() {
    return collect(*this, &AStrakon::GetElementResults);
}

int AStrakonDocument::CollectElementDesigns() {
    return collect(*this, &AStrakon::GetElementDesigns);
}

void AStrakonDocument::DrawLoads(CDC* pDC, AMapC2L& map, const omRect& clip, int drawMode) {
    AStrakon* model = drawableModel(GetModel());
    if (model && pDC) model->DrawLoads(map, *pDC, clip, drawMode, *ADrawAttributes::Instance());
}

AElementMap* AStrakonDocument::SetElementLoadSheet(AElementLoadGroup* group) {
    AStrakon* model = drawableModel(GetModel());
    AElementMap* elements = model ? model->GetElementMap() : nullptr;
    if (elements) elements->SetCurrentLoadGroup(group, group ? group->getElement() : nullptr);
    return elements;
}

ANodeMap* AStrakonDocument::SetNodeLoadSheet(ANodeLoadGroup* group) {
    AStrakon* model = drawableModel(GetModel());
    ANodeMap* nodes = model ? model->GetNodeMap() : nullptr;
    if (nodes) nodes->SetEditedLoadGroup(group, group ? group->getNode() : nullptr);
    return nodes;
}

void AStrakonDocument::GetNodeNames(std::vector<CString>& names) const {
    AStrakon* model = drawableModel(GetModel());
    const ANodeMap* nodes = model ? model->GetNodeMap() : nullptr;
    if (!nodes) return;
    std::vector<std::string> numbers;
    nodes->GetNodeNames(numbers);
    names.insert(names.end(), numbers.begin(), numbers.end());
}

void AStrakonDocument::GetMaterialNames(std::vector<CString>& names) const {
    const auto* materials = GetModel() ? dynamic_cast<const AMaterialMap*>(GetModel()->getMaterialMap()) : nullptr;
    if (materials) materials->GetIdNames(names);
}

void AStrakonDocument::GetCrossSectionNames(std::vector<CString>& names) const {
    const auto* sections =
        GetModel() ? dynamic_cast<const ACrossSectionMap*>(GetModel()->getCrossSectionMap()) : nullptr;
    if (sections) sections->GetIdNames(names);
}
