#pragma once
// The envelope window: a form in which the user adds, names, deletes and edits
// the envelopes of a structure (leading quantity, limit-state filters, automatic
// or manual choice of load cases). Every change is made on a copy of the
// envelope and submitted through the document as one undoable command; the
// form mirrors the model again from the command's envelope hint.
#include "platform/ui/CFormView.h"

class AStrakonDocument;
class CListBox;
class omEnvelope;

class AEnvelopeView : public CFormView {
    DECLARE_DYNCREATE(AEnvelopeView)
public:
    enum { IDD = 145 };

    AEnvelopeView();
    ~AEnvelopeView() override;

    AStrakonDocument* GetDocument() const;
    // Selects envelope n in the list and shows it; 0 (or a number beyond the
    // count) shows none.
    void SelectEnvelope(int n);
    // The envelope shown, 0 for none.
    int GetShownEnvelope() const;

    void OnInitialUpdate() override;
    void OnUpdate(CView* pSender, LPARAM lHint, CObject* pHint) override;

    // Bound to the controls: quantity 0 to 6, filters, selection mode (0 automatic, 1 manual); -1 for none.
    int m_quantity = -1;
    int m_ultimate = 0;
    int m_serviceability = 0;
    int m_creeping = 0;
    int m_selection = -1;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnEnvelopeSelected();
    void OnNameChange();
    void OnNameKillFocus();
    void OnFilters();
    void OnQuantity();
    void OnSelectionMode();
    void OnAddCases();
    void OnRemoveCases();
    void OnNewEnvelope();
    void OnDeleteEnvelope();
    DECLARE_MESSAGE_MAP()

    CListBox* List(UINT id) const;
    CString NameText() const;
    void SetNameText(const char* text);
    void FillEnvelopeList();
    void ShowEnvelope(int n);
    // The envelope selected in the list; null when none.
    omEnvelope* CurrentEnvelope() const;
    void Submit(const omEnvelope& copy);

    bool m_bRenaming = false;
};
