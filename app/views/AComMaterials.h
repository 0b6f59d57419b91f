#pragma once
// The undoable commands that apply the material and the cross-section editor:
// the model's map takes the edited working copy, the members bind to it again,
// and design data that no longer fits a member is put aside until Undo.
#include "app/dialogs/ACrossSectionMap.h"
#include "app/dialogs/AMaterialMap.h"
#include "app/views/AComDesign.h"
#include "app/views/ACommandManager.h"

class AComEditMaterial : public ACommand {
public:
    // Keeps a copy of the edited map.
    explicit AComEditMaterial(const AMaterialMap& edited);
    ~AComEditMaterial() override;
    void Execute(AStructureDocument* pDoc) override;
    void Undo(AStructureDocument* pDoc) override;
    CString GetName() override { return "Edit Materials"; }

private:
    AMaterialMap m_former;
    AMaterialMap m_new;
    ADesignDataStore m_store;
};

class AComEditCrossSection : public ACommand {
public:
    // Keeps a copy of the edited map.
    explicit AComEditCrossSection(const ACrossSectionMap& edited);
    ~AComEditCrossSection() override;
    void Execute(AStructureDocument* pDoc) override;
    void Undo(AStructureDocument* pDoc) override;
    CString GetName() override { return "Edit Cross-sections"; }

private:
    ACrossSectionMap m_former;
    ACrossSectionMap m_new;
    ADesignDataStore m_store;
};
