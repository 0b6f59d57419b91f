#pragma once
// The values of a new distributed load on a member: the intensities at the
// start and at the end (equal for a uniform load), the systems in which the
// direction and the position are meant, and the loaded part of the member as
// fractions and as lengths.
#include "common/omUnitValue.h"
#include "controls/AEnhMetaFilePicture.h"
#include "controls/AUnitEdit.h"
#include "framework/ABaseDialog.h"
#include "model/omLoad.h"

#include <map>

class ALinearLoadDlg : public ABaseDialog {
public:
    enum { IDD = 175 };
    // The shortest loaded part, as a fraction of the member.
    static constexpr double kMinPart = 0.02;

    explicit ALinearLoadDlg(CWnd* pParent = nullptr);
    ~ALinearLoadDlg() override;

    // length: the member's length in cm.
    void SetLoad(const omLoadLinear& load, double length);
    // Writes the values back; false when the load is zero at both ends of the member.
    bool GetLoad(omLoadLinear& load);
    // The picture resource for the two systems (0 world, 1 local).
    static UINT PictureFor(int direction, int position);
    // The picture resource shown; 0 for none.
    UINT ShownPicture() const;

    AEnhMetaFilePicture m_picture;
    int m_direction = -1;
    CString m_name;
    int m_position = -1;
    double m_start = 0.0;
    double m_end = 1.0;
    int m_type = -1;
    omLoadLinear m_load;
    omUnitValue m_startAbsolute{omUK_cm};
    omUnitValue m_endAbsolute{omUK_cm};
    CSpinButtonCtrl m_startSpin;
    CSpinButtonCtrl m_endSpin;

protected:
    BOOL OnInitDialog() override;
    void OnDestroy() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) override;
    void OnSystemClicked();
    void OnUniform();
    void OnLinear();
    void OnStartComponentKillFocus();
    void OnRelativeKillFocus();
    void OnStartAbsoluteKillFocus();
    void OnEndAbsoluteKillFocus();
    DECLARE_MESSAGE_MAP()

private:
    void ShowPicture();
    void CopyStartToEnd();
    void EnableEnd(bool enable);
    // Absolute values and spins from the fractions.
    void UpdatePositions();
    // Keeps start and end inside the member and at least kMinPart apart.
    void ClampPositions();
    void DeletePictures();

    AUnitGroupManager m_units;
    double m_length = 1.0;
    std::map<UINT, HENHMETAFILE> m_pictures;
};
