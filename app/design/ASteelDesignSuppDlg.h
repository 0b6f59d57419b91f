#pragma once
// The supports of a steel member in one direction (strong axis, weak axis or
// lateral-torsional) and the buckling length coefficient K of each span
// between them, with a chart of them that follows every edit. The dialog works
// on its own copy of the description; the caller reads it after OK.
#include "app/design/AChartFrame.h"
#include "framework/ABaseDialog.h"
#include "model/omElementSupport.h"
#include "platform/core/CString.h"

#include <array>
#include <vector>

class ASteelDesignSuppDlg : public ABaseDialog {
public:
    enum { IDD = 286 };
    static constexpr int maxSupports = 10;

    // bFullyNotAllowed: the choice "fully supported" is not offered (the strong axis).
    ASteelDesignSuppDlg(CWnd* pParent, bool bFullyNotAllowed);
    ~ASteelDesignSuppDlg() override;

    void SetSupport(const omElementSupport* pSupport);
    const omElementSupport& GetSupport() const { return m_support; }
    // Empty when the description is valid, else what is wrong with it.
    static CString CheckSupport(const std::vector<double>& positions, const std::vector<double>& coefficients);

    BOOL OnInitDialog() override;
    // The chart of what the edits hold now.
    void DrawChart(CDC* pDC, const CSize& size);
    // The positions and coefficients the edits hold; false when one of them is no number.
    bool ReadSupports(std::vector<double>& positions, std::vector<double>& coefficients) const;

    int m_nSupports = 2;
    int m_nChoice = 1; // 0 fully supported, 1 supports given

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    void OnChoice();
    void OnCountChanged();
    void OnValueKillFocus(UINT nID);
    DECLARE_MESSAGE_MAP()

private:
    // A number put into an edit, kept as it was stored: the edit shows it with
    // three digits, and an edit the user leaves alone gives it back unrounded.
    struct Field {
        CString shown;
        double value = 0.0;
        bool stored = false;
    };
    void SetField(int id, double value);
    void SetFieldText(int id, const char* text);
    bool ReadField(int id, double& value) const;
    Field& FieldOf(int id);
    const Field& FieldOf(int id) const;
    void ApplyCount(int count);
    void EnableControls();

    omElementSupport m_support;
    bool m_bFullyNotAllowed;
    bool m_bInitialised = false;
    int m_nShownCount = 0;
    std::array<Field, maxSupports> m_positions;
    std::array<Field, maxSupports - 1> m_coefficients;
    AChartFrame m_chart;
};
