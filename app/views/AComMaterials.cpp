#include "app/views/AComMaterials.h"

#include "app/shell/AStrakonDocument.h"
#include "app/views/AComSupport.h"
#include "app/views/AStrakon.h"
#include "model/omElementMap.h"

// ---- AComEditMaterial ----------------------------------------------------

AComEditMaterial::AComEditMaterial(const AMaterialMap& edited) { m_new.Copy(edited); }

AComEditMaterial::~AComEditMaterial() = default;

void AComEditMaterial::Execute(AStructureDocument* pDoc) {
    AStrakonDocument* doc = acom::Begin(pDoc);
    if (!doc) return;
    AStrakon& model = acom::Model(*doc);
    auto* materials = dynamic_cast<AMaterialMap*>(model.getMaterialMap());
    if (!materials) return;
    m_former.Copy(*materials);
    materials->Copy(m_new);
    // The members still point at the objects the copy replaced.
    model.bindMaterial();
    if (model.getElementMap()) m_store.Take(*model.getElementMap());
    acom::Hint(*doc, 0);
    acom::UpdateMaterials(doc);
    acom::UpdateElements(doc);
}

void AComEditMaterial::Undo(AStructureDocument* pDoc) {
    AStrakonDocument* doc = acom::Begin(pDoc);
    if (!doc) return;
    AStrakon& model = acom::Model(*doc);
    auto* materials = dynamic_cast<AMaterialMap*>(model.getMaterialMap());
    if (!materials) return;
    materials->Copy(m_former);
    model.bindMaterial();
    if (model.getElementMap()) m_store.Restore(*model.getElementMap());
    acom::Hint(*doc, 0);
    acom::UpdateMaterials(doc);
    acom::UpdateElements(doc);
}

// ---- AComEditCrossSection ------------------------------------------------

AComEditCrossSection::AComEditCrossSection(const ACrossSectionMap& edited) { m_new.Copy(edited); }

AComEditCrossSection::~AComEditCrossSection() = default;

void AComEditCrossSection::Execute(AStructureDocument* pDoc) {
    AStrakonDocument* doc = acom::Begin(pDoc);
    if (!doc) return;
    AStrakon& model = acom::Model(*doc);
    auto* sections = dynamic_cast<ACrossSectionMap*>(model.getCrossSectionMap());
    if (!sections) return;
    m_former.Copy(*sections);
    sections->Copy(m_new);
    model.bindCrossSection();
    if (model.getElementMap()) m_store.Take(*model.getElementMap());
    acom::Hint(*doc, 0);
    acom::UpdateCrossSections(doc);
    acom::UpdateElements(doc);
}

void AComEditCrossSection::Undo(AStructureDocument* pDoc) {
    AStrakonDocument* doc = acom::Begin(pDoc);
    if (!doc) return;
    AStrakon& model = acom::Model(*doc);
    auto* sections = dynamic_cast<ACrossSectionMap*>(model.getCrossSectionMap());
    if (!sections) return;
    sections->Copy(m_former);
    model.bindCrossSection();
    if (model.getElementMap()) m_store.Restore(*model.getElementMap());
    acom::Hint(*doc, 0);
    acom::UpdateCrossSections(doc);
    acom::UpdateElements(doc);
}
