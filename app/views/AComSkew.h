#pragma once
// The undoable command that sets the skew of a load case: two ratios and the
// two reference coordinates.
#include "app/views/ACommandManager.h"
#include "common/omUnitValue.h"

class AComSetSkew : public ACommand {
public:
    // loadCase is 1-based.
    AComSetSkew(int loadCase, double ratioX, double ratioZ, const omUnitValue& x, const omUnitValue& z);
    // A number that is no load case, or a value that is no finite number,
    // changes nothing.
    void Execute(AStructureDocument* pDoc) override;
    void Undo(AStructureDocument* pDoc) override;
    CString GetName() override { return "Set structrue skewness"; }

private:
    void apply(AStructureDocument* pDoc, bool undo);

    int m_loadCase;
    double m_oldRatio[2] = {0.0, 0.0};
    double m_newRatio[2];
    omUnitValue m_oldValue[2];
    omUnitValue m_newValue[2];
    // Whether Execute changed the case, so that Undo has something to give back.
    bool m_applied = false;
};
