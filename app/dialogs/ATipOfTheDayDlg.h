#pragma once
// The tip of the day over a tips file: UTF-8 text, one tip per line; empty lines
// and lines that begin with "#" are no tips. The dialog starts at the given
// index, wrapped into the tips there are, and Next Tip goes round to the first
// after the last.
#include "framework/ABaseDialog.h"

#include <string>
#include <vector>

class ATipOfTheDayDlg : public ABaseDialog {
    DECLARE_DYNAMIC(ATipOfTheDayDlg)
public:
    ATipOfTheDayDlg(const CString& tipsFile, int startTip, bool showAtStartup, CWnd* pParent = nullptr);
    ~ATipOfTheDayDlg() override;

    // The tips of a file, in order; none when it cannot be read.
    static std::vector<std::string> ReadTips(const CString& path);
    // index wrapped into [0, count); 0 for no tips.
    static int Wrap(int index, int count);

    int GetCurrentTip() const { return m_nCurrentTip; }
    bool GetShowAtStartup() const { return m_bShowAtStartup; }
    // The text the dialog shows now.
    CString GetTipText() const;

    BOOL OnInitDialog() override;
    void OnNextTip();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    DECLARE_MESSAGE_MAP()

private:
    void ShowTip();

    CString m_strFile;
    std::vector<std::string> m_tips;
    int m_nCurrentTip = 0;
    bool m_bShowAtStartup = true;
    int m_nShowAtStartup = 1;
};
