#pragma once
// The floating sheet shown when there is no one kind of object to edit: one
// page with a text ("Nothing is selected!", "Selected objects are not of the
// same type!"). Its external data is that text (a CString); Apply does nothing.
#include "framework/APPropertyFrame.h"

class AMessagePage : public APPropertyPage {
    DECLARE_DYNCREATE(AMessagePage)
public:
    AMessagePage();
    ~AMessagePage() override;

    CString m_strMessage;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};

class AMessageProperty : public APPropertySheet {
    DECLARE_DYNCREATE(AMessageProperty)
public:
    explicit AMessageProperty(CWnd* pParentWnd = nullptr);
    ~AMessageProperty() override;

    // Nothing to write back; FALSE shows the text again.
    void ExchangeData(BOOL bSave) override;
    void ReadExternalData() override;

    AMessagePage& GetMessagePage() { return m_page; }

private:
    AMessagePage m_page;
};
