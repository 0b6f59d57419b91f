#include "app/dialogs/APropertySheetSupport.h"

#include "app/shell/AStrakonDocument.h"
#include "app/views/ADesignElement.h"
#include "app/views/ANode2D.h"
#include "app/views/AStrakon.h"
#include "controls/AObject.h"
#include "framework/APPropertyFrame.h"
#include "model/omElementMap.h"
#include "model/omNodeMap.h"
#include "platform/ui/CDataExchange.h"
#include "platform/ui/CDialogControls.h"

#include <charconv>
#include <cstring>

namespace propertysheet {

AStrakonDocument* Document(const APPropertySheet& sheet) {
    return dynamic_cast<AStrakonDocument*>(sheet.m_pDocument);
}

std::vector<unsigned> MemberNumbers(const AObjectPtrContainer* selection) {
    std::vector<unsigned> numbers;
    if (!selection) return numbers;
    for (const AObject* object : *selection)
        if (auto* member = dynamic_cast<const ALinearDesignElement2D*>(object))
            numbers.push_back(member->getIndex());
    return numbers;
}

std::vector<unsigned> NodeNumbers(const AObjectPtrContainer* selection) {
    std::vector<unsigned> numbers;
    if (!selection) return numbers;
    for (const AObject* object : *selection)
        if (auto* node = dynamic_cast<const ANode2D*>(object)) numbers.push_back(node->getIndex());
    return numbers;
}

std::vector<ALinearDesignElement2D*> FindMembers(AStrakonDocument* doc, const std::vector<unsigned>& numbers) {
    std::vector<ALinearDesignElement2D*> members;
    omElementMap* map = doc && doc->GetModel() ? doc->GetModel()->getElementMap() : nullptr;
    if (!map) return members;
    for (unsigned number : numbers)
        if (auto* member = dynamic_cast<ALinearDesignElement2D*>(map->find(number))) members.push_back(member);
    return members;
}

std::vector<ANode2D*> FindNodes(AStrakonDocument* doc, const std::vector<unsigned>& numbers) {
    std::vector<ANode2D*> nodes;
    omNodeMap* map = doc && doc->GetModel() ? doc->GetModel()->getNodeMap() : nullptr;
    if (!map) return nodes;
    for (unsigned number : numbers)
        if (auto* node = dynamic_cast<ANode2D*>(map->find(number))) nodes.push_back(node);
    return nodes;
}

std::optional<unsigned> LeadingId(const CString& text) {
    const char* begin = text.c_str();
    while (*begin == ' ' || *begin == '\t')
        ++begin;
    const char* end = begin + std::strlen(begin);
    unsigned id = 0;
    const auto [stop, error] = std::from_chars(begin, end, id);
    if (error != std::errc() || stop == begin) return std::nullopt;
    return id;
}

void SelectExact(CComboBox& combo, const CString& text) {
    combo.SetCurSel(text.empty() ? -1 : combo.FindStringExact(-1, text.c_str()));
}

CString SelectedText(const CComboBox& combo) {
    CString text;
    const int index = combo.GetCurSel();
    if (index >= 0) combo.GetLBText(index, text);
    return text;
}

void ExchangeList(CDataExchange* pDX, int nIDC, CComboBox& list, CString& text) {
    DDX_Control(pDX, nIDC, list);
    if (pDX->m_bSaveAndValidate)
        text = SelectedText(list);
    else
        SelectExact(list, text);
}

FramePin::FramePin() {
    if (APPropertyFrame* frame = APPropertyFrame::Existing()) {
        m_bWasPinned = frame->IsActingAsPinned();
        frame->ActAsPinned(true);
    }
}

FramePin::~FramePin() {
    if (APPropertyFrame* frame = APPropertyFrame::Existing()) frame->ActAsPinned(m_bWasPinned);
}

} // namespace propertysheet
