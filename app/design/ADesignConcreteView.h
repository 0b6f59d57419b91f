#pragma once
// The reinforced-concrete design of one member: a description of the member,
// its stirrups and its negative and positive bars as bar charts, and by the
// tab either the shear and N-M utilisation or the crack widths along it. The
// reinforcement, the stirrups and the materials are edited through dialogs,
// each OK with a change one undoable command of the document.
//
// The edits run only while the member's material and section make it a
// reinforced-concrete member; for any other member, a missing member or one
// without concrete design data the chart area says why nothing is shown.
#include "app/design/ADesignView.h"

#include <vector>

class PlotterBarArea;
class PlotterCracks;
class PlotterLineLimit;
class PlotterLineLimit2;
class omBarBand;
class omRCDesignBeamData;
class omStirrupVec;

class ADesignConcreteView : public ADesignView {
    DECLARE_DYNCREATE(ADesignConcreteView)
public:
    ADesignConcreteView();
    ~ADesignConcreteView() override;

    // --- what is drawn, from the model at every drawing ------------------------------
    // The member's concrete design data, or null (none, or of another kind).
    omRCDesignBeamData* GetConcreteData() const;
    // Whether the member's material and section make it a reinforced-concrete member.
    bool IsConcreteMember() const;
    // The description panel's text.
    CString GetDescriptionText() const;
    // Why the charts of the chart area cannot be shown; empty when they can.
    CString GetReasonText() const;
    // The member's result positions (relative), empty without a member.
    std::vector<double> GetPositions() const;

    static void FillStirrupBars(const omStirrupVec& stirrups, PlotterBarArea& plotter);
    static void FillBandBars(const omBarBand& band, PlotterBarArea& plotter);
    // Results and positions of unequal length give the common length.
    static void FillShear(const std::vector<double>& positions, const omRCDesignBeamData& data,
                          PlotterLineLimit& plotter);
    static void FillNM(const std::vector<double>& positions, const omRCDesignBeamData& data,
                       PlotterLineLimit2& plotter);
    static void FillCracks(const std::vector<double>& positions, const omRCDesignBeamData& data,
                           PlotterCracks& plotter);

    // --- framework -------------------------------------------------------------------
    void OnDraw(CDC* pDC) override;
    void OnLButtonDblClk(UINT nFlags, CPoint point) override;

    // --- commands (public for the frame's toolbar and for tests) ---------------------
    void OnEditPositiveBars();
    void OnEditNegativeBars();
    void OnEditStirrups();
    void OnEditMaterials();
    void OnEditCrossSections();
    bool CanEditBars(int bands) const;

protected:
    void OnUpdatePositiveBars(CCmdUI* pCmdUI);
    void OnUpdateNegativeBars(CCmdUI* pCmdUI);
    void OnUpdateStirrups(CCmdUI* pCmdUI);
    void OnUpdateMaterials(CCmdUI* pCmdUI);
    void OnUpdateCrossSections(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

    // The data the edits start from: the member's concrete data, or empty data.
    omRCDesignBeamData EditCopy() const;
    void EditBand(bool positive);
    void DrawChart(CDC* pDC, const CRect& band, class Plotter& plotter, const char* title);
};
