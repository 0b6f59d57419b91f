// Stand-ins for the sheets' document operations until the editors' own
// commands and lists join: the lists from the model's maps, and one plain
// command per edit that swaps the edited copies with the objects and back.
#include "app/shell/AStrakonDocument.h"

#include "app/dialogs/ACrossSectionMap.h"
#include "app/dialogs/AMaterialMap.h"
#include "app/views/ADesignElement.h"
#include "app/views/ANode2D.h"
#include "app/views/ANodeMap.h"
#include "app/views/AStrakon.h"
#include "model/omCrossSectionMap.h"
#include "model/omElementMap.h"
#include "model/omMaterialMap.h"
#include "model/omNodeMap.h"

#include <memory>
#include <type_traits>

namespace {

template <class Object, class Base> class ASwapCommand : public ACommand {
public:
    ASwapCommand(const char* name, std::vector<unsigned> numbers, const std::vector<Base*>& copies)
        : m_name(name), m_numbers(std::move(numbers)) {
        for (Base* copy : copies)
            m_other.emplace_back(dynamic_cast<Object*>(copy));
    }
    void Execute(AStructureDocument* pDoc) override { Swap(pDoc); }
    void Undo(AStructureDocument* pDoc) override { Swap(pDoc); }
    CString GetName() override { return m_name; }

private:
    void Swap(AStructureDocument* pDoc) {
        auto* doc = dynamic_cast<AStrakonDocument*>(pDoc);
        AStrakon* model = doc ? doc->GetModel() : nullptr;
        if (!model) return;
        for (size_t i = 0; i < m_numbers.size() && i < m_other.size(); ++i) {
            Object* object = Find(*model, m_numbers[i]);
            if (!object || !m_other[i]) continue;
            std::unique_ptr<Object> saved(dynamic_cast<Object*>(object->clone()));
            object->copy(*m_other[i]);
            Bind(*model, *object);
            m_other[i] = std::move(saved);
        }
        model->clearResults();
        doc->UpdateAllViews(nullptr, 0, nullptr);
    }
    static Object* Find(AStrakon& model, unsigned n) {
        if constexpr (std::is_same_v<Object, ANode2D>)
            return dynamic_cast<ANode2D*>(model.getNodeMap()->find(n));
        else
            return dynamic_cast<Object*>(model.getElementMap()->find(n));
    }
    static void Bind(AStrakon& model, Object& object) {
        if constexpr (!std::is_same_v<Object, ANode2D>) {
            object.bindNodes();
            object.bindCrossSection(*model.getCrossSectionMap());
            object.bindMaterial(*model.getMaterialMap());
        }
    }

    CString m_name;
    std::vector<unsigned> m_numbers;
    std::vector<std::unique_ptr<Object>> m_other;
};

} // namespace

void AStrakonDocument::GetNodeNames(std::vector<CString>& names) const {
    std::vector<std::string> numbers;
    if (auto* nodes = dynamic_cast<const ANodeMap*>(m_pModel->getNodeMap())) nodes->GetNodeNames(numbers);
    for (const std::string& n : numbers)
        names.push_back(n);
}

void AStrakonDocument::GetMaterialNames(std::vector<CString>& names) const {
    if (auto* map = dynamic_cast<const AMaterialMap*>(m_pModel->getMaterialMap())) map->GetIdNames(names);
}

void AStrakonDocument::GetCrossSectionNames(std::vector<CString>& names) const {
    if (auto* map = dynamic_cast<const ACrossSectionMap*>(m_pModel->getCrossSectionMap())) map->GetIdNames(names);
}

void AStrakonDocument::EditElementProperties(const std::vector<unsigned>& numbers,
                                             const std::vector<omDesignElement*>& copies, bool) {
    m_commandManager.AddCommand(
        new ASwapCommand<ALinearDesignElement2D, omDesignElement>("Element Properties", numbers, copies));
}

void AStrakonDocument::EditNodeProperties(const std::vector<unsigned>& numbers, const std::vector<omNode*>& copies,
                                          bool) {
    m_commandManager.AddCommand(new ASwapCommand<ANode2D, omNode>("Node Properties", numbers, copies));
}
