#pragma once
// A drawable structure for the tests of the views' model: nodes and members of
// the drawable classes in an AStrakon, a section and a material, one load
// group, drawing through a recording context under a view's mapping.
#include "SettingsFixture.h"

#include "app/views/ADesignElement.h"
#include "app/views/AElementMap.h"
#include "app/views/ANode2D.h"
#include "app/views/ANodeMap.h"
#include "app/views/AStrakon.h"
#include "controls/AMapC2L.h"
#include "model/omGenericCrossSection.h"
#include "model/omLoad.h"
#include "model/omLoadManager.h"
#include "model/omMaterial.h"
#include "platform/gdi/CMetaFile.h"

#include <string>
#include <vector>

class DrawableFrame : public SettingsFixture {
protected:
    void SetUp() override {
        SettingsFixture::SetUp();
        s.setupObjects();
        s.addMaterial(new omMaterial(21000.0, 0.0, 1.2e-5, 0.0, 0.3, 1), 1);
        auto* cs = new omGenericCrossSection(omUnitValue(100.0, omUK_cm2), omUnitValue(10000.0, omUK_cm4), 1);
        cs->setProperty(omGenericCrossSection::pHeight, omUnitValue(30.0, omUK_cm));
        cs->setProperty(omGenericCrossSection::pBreadth, omUnitValue(20.0, omUK_cm));
        s.addCrossSection(cs, 1);
        s.addLoadGroup("G");
    }

    // Coordinates in metres, z down.
    ANode2D* node(unsigned id, double x, double z) {
        return dynamic_cast<ANode2D*>(s.addNode(new ANode2D(x, z, "m", id), id));
    }
    omNode* nodeOf(unsigned id) {
        for (const auto& [number, n] : *s.getNodeMap())
            if (number == id) return n;
        return nullptr;
    }
    template <class M = ALinearDesignElement2D> M* member(unsigned id, unsigned n1, unsigned n2) {
        return dynamic_cast<M*>(s.addElement(new M(*s.getNodeMap(), nodeOf(n1), nodeOf(n2), 1, 1, id), id));
    }
    ADesignElement* memberOf(unsigned id) {
        return dynamic_cast<ADesignElement*>(const_cast<omDesignElement*>(s.getElementMap()->doFind(id)));
    }
    void fix(unsigned id, std::initializer_list<omDofType> dofs) {
        for (omDofType t : dofs)
            s.setSupport(id, t, true);
    }

    // A view of the world rectangle (metres, z down) on a 96 dpi screen in
    // MM_LOMETRIC, logical width units wide.
    AMapC2L view(const omRect& world, int width = 2000) {
        AMapC2L map;
        map.SetTotalCU(world);
        const int height = static_cast<int>(width * (world.bottom - world.top) / (world.right - world.left));
        map.SetMap_tc_tl(CRect(0, 0, width, -height), AMapC2L::posCenter, AMapC2L::posCenter);
        map.SetMapModeData(screen());
        return map;
    }
    static CDC& screen() {
        static CDC dc(CDeviceCaps::FromPixels(1200, 900, 96, 96));
        dc.SetMapMode(MM_LOMETRIC);
        return dc;
    }

    static std::vector<const CMetaRecord*> records(const CMetaFile& f, CMetaRecord::Type t) {
        std::vector<const CMetaRecord*> out;
        for (const CMetaRecord& r : f.Records())
            if (r.type == t) out.push_back(&r);
        return out;
    }
    static std::vector<std::string> texts(const CMetaFile& f) {
        std::vector<std::string> out;
        for (const CMetaRecord* r : records(f, CMetaRecord::Type::textOut))
            out.push_back(r->text);
        return out;
    }

    AStrakon s;
};
