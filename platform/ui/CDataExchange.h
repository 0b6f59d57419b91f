#pragma once
// Data exchange between a dialog's members and its controls. DoDataExchange
// lists one DDX_ call per control, each followed by its DDV_ checks:
//
//   void ADlgFoo::DoDataExchange(CDataExchange* pDX) {
//       DDX_Text(pDX, IDC_COUNT, m_nCount);
//       DDV_MinMaxInt(pDX, m_nCount, 2, 100);
//       DDX_Check(pDX, IDC_SHOW, m_bShow);
//   }
//
// Loading (m_bSaveAndValidate FALSE) fills the controls; saving reads and
// checks them. A value that cannot be read or fails a check tells the user with
// the framework's message, puts the focus back on the control and ends the
// exchange (Fail); the dialog stays open. Numbers are read and written without
// regard to the user's locale.
#include "platform/core/CString.h"
#include "platform/ui/WinUi.h"

#include <string>
#include <vector>

class CDialog;
class CWnd;

class CDataExchange {
public:
    CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate);

    BOOL m_bSaveAndValidate;
    CWnd* m_pDlgWnd;

    // The control of the id, remembered as the one the checks that follow refer to; null when missing.
    CWnd* PrepareCtrl(int nIDC);
    CWnd* PrepareEditCtrl(int nIDC);
    // Tells nothing more; puts the focus on the last prepared control and throws CUserException.
    [[noreturn]] void Fail();

    int m_idLastControl = 0;
    BOOL m_bEditLastControl = FALSE;
};

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value);
void DDX_Text(CDataExchange* pDX, int nIDC, std::string& value);
void DDX_Text(CDataExchange* pDX, int nIDC, int& value);
void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value);
void DDX_Text(CDataExchange* pDX, int nIDC, long& value);
void DDX_Text(CDataExchange* pDX, int nIDC, short& value);
void DDX_Text(CDataExchange* pDX, int nIDC, BYTE& value);
void DDX_Text(CDataExchange* pDX, int nIDC, double& value);
void DDX_Text(CDataExchange* pDX, int nIDC, float& value);
// 0 unchecked, 1 checked, 2 indeterminate.
void DDX_Check(CDataExchange* pDX, int nIDC, int& value);
// The index of the checked radio button in the group that begins with nIDC; -1 for none.
void DDX_Radio(CDataExchange* pDX, int nIDC, int& value);
void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value);
void DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value);
void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index);
void DDX_LBString(CDataExchange* pDX, int nIDC, CString& value);
void DDX_LBStringExact(CDataExchange* pDX, int nIDC, CString& value);
// Fills a list box with the texts; saving replaces the texts by the list's items.
void DDX_LBStringVector(CDataExchange* pDX, int nIDC, std::vector<CString>& texts);
void DDX_LBStringVector(CDataExchange* pDX, int nIDC, std::vector<std::string>& texts);
// The member takes over the control (once).
void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl);

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal);
void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal);
void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal);
void DDV_MinMaxShort(CDataExchange* pDX, short value, short minVal, short maxVal);
void DDV_MinMaxByte(CDataExchange* pDX, BYTE value, BYTE minVal, BYTE maxVal);
void DDV_MinMaxDouble(CDataExchange* pDX, double const& value, double minVal, double maxVal);
void DDV_MinMaxFloat(CDataExchange* pDX, float const& value, float minVal, float maxVal);
void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars);

// The number as data exchange writes it: at most 15 significant digits for a
// double (6 for a float), no trailing zeros, an exponent only for very large or small numbers.
CString AfxFormatDouble(double value, int digits = 15);
// A whole text read as a number, locale-free ('.' only), blanks around allowed;
// false for anything else, including "inf" and "nan".
bool AfxParseDouble(const char* text, double& value);
bool AfxParseLong(const char* text, long long& value);
