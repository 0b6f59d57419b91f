#pragma once
// The undoable command that adds, changes or deletes one envelope. Envelopes
// are recomputed from the stored results, which the command leaves alone.
#include "app/views/ACommandManager.h"
#include "model/omEnvelope.h"

#include <memory>

class AComSetEnvelope : public ACommand {
public:
    // number 0 adds envelope (cloned); otherwise envelope replaces envelope
    // number, or with null deletes it. A number that is no envelope's makes
    // the command do nothing.
    AComSetEnvelope(unsigned number, const omEnvelope* envelope);
    ~AComSetEnvelope() override;
    void Execute(AStructureDocument* pDoc) override;
    void Undo(AStructureDocument* pDoc) override;
    CString GetName() override;

private:
    unsigned m_number;
    omEnvelope m_former;
    std::unique_ptr<omEnvelope> m_new;
    bool m_done = false;
};
