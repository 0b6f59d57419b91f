#pragma once
// What the floating property sheets of members and nodes share: the document
// behind a sheet, the objects it edits found again by number, ids read back
// from list texts, and the pin that keeps the frame up while a page asks.
#include "platform/core/CString.h"

#include <optional>
#include <vector>

class AObjectPtrContainer;
class ALinearDesignElement2D;
class ANode2D;
class APPropertySheet;
class AStrakonDocument;
class CComboBox;
class CDataExchange;

namespace propertysheet {

// The structure document the sheet edits; null when it has none.
AStrakonDocument* Document(const APPropertySheet& sheet);

// The numbers of the objects of a selection, in selection order; objects of
// another kind are left out.
std::vector<unsigned> MemberNumbers(const AObjectPtrContainer* selection);
std::vector<unsigned> NodeNumbers(const AObjectPtrContainer* selection);

// The objects of those numbers that the document's model holds now, in the
// same order. Commands replace, free and bring back objects while a sheet stays
// open, so a sheet never keeps pointers to them.
std::vector<ALinearDesignElement2D*> FindMembers(AStrakonDocument* doc, const std::vector<unsigned>& numbers);
std::vector<ANode2D*> FindNodes(AStrakonDocument* doc, const std::vector<unsigned>& numbers);

// The decimal number a list text begins with ("12: Steel" gives 12); none for
// a text that does not begin with one.
std::optional<unsigned> LeadingId(const CString& text);

// Selects the item with exactly that text; an empty text or one not in the
// list leaves no item selected.
void SelectExact(CComboBox& combo, const CString& text);
// The selected item's text; empty without a selection.
CString SelectedText(const CComboBox& combo);
// Exchanges a list's text by hand: a text that is empty or not in the list
// selects nothing, where the framework's exchange would pick the first item.
void ExchangeList(CDataExchange* pDX, int nIDC, CComboBox& list, CString& text);

// Keeps the property frame shown while it lives (a page's exchange, whose
// prompts take the activation), and restores what was there before.
class FramePin {
public:
    FramePin();
    ~FramePin();
    FramePin(const FramePin&) = delete;
    FramePin& operator=(const FramePin&) = delete;

private:
    bool m_bWasPinned = false;
};

} // namespace propertysheet
