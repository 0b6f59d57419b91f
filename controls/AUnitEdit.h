#pragma once
// Unit edits: an edit of a dialog that shows a number with its unit. The edit
// keeps an omUnitValue, shows it with a number of digits and has a small unit
// button at its right end; a click on the button offers the other units of the
// same quantity, and choosing one converts the shown value. Edits joined in a
// numbered group (0 = none) change their unit together. Dialogs bind their
// members with DDX_UnitEdit and own one AUnitGroupManager.
#include "common/omUnitValue.h"
#include "platform/ui/CDialogControls.h"

#include <map>
#include <memory>

class AUnitEdit;
class AUnitGroupManager;
class CDataExchange;
class CMenu;

// The unit button of an edit: a static control showing the unit's name.
class AUnitSelect : public CStatic {
public:
    AUnitSelect();
    ~AUnitSelect() override;
    // Makes the button in the parent of the edit; FALSE on failure.
    BOOL CreateControl(const omUnitValue& value, const RECT& rect, AUnitEdit* pEdit);
    // Fills the menu with the units of the value's quantity, command ids 201, 202, ...
    void AppendMenuItems();
    void UpdateControl(const omUnit* unit);
    // Shows the menu below the button and passes a choice on to the edit.
    void ShowMenu();
    const omUnit* GetUnit() const { return m_pUnit; }
    // The command id of a unit in the menu; 0 when it is not there.
    UINT MenuIdOf(const omUnit* unit) const;

protected:
    bool FilterEvent(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<CMenu> m_pMenu;
    std::map<UINT, const omUnit*> m_units;
    AUnitEdit* m_pEdit = nullptr;
    const omUnit* m_pUnit = nullptr;
};

class AUnitEdit : public CEdit {
public:
    AUnitEdit();
    ~AUnitEdit() override;

    void Initialize(omUnitValue& value, unsigned group, AUnitGroupManager* manager, int digits);
    void SetData(const omUnitValue& value, int digits);
    // False when the typed text is no number.
    bool GetData(omUnitValue& value);
    // A unit chosen for this edit: for its whole group when it has one.
    void UnitChanged(const omUnit* unit);
    void UpdateControl(const omUnit* unit);

    unsigned GetGroup() const { return m_nGroup; }
    const omUnitValue& GetValue() const { return m_value; }
    AUnitSelect& GetUnitSelect() { return m_select; }
    bool IsTyped() const { return m_bTyped; }

protected:
    bool FilterEvent(QObject* watched, QEvent* event) override;
    void OnWidgetAttached() override;

private:
    omUnitValue m_value;
    unsigned m_nGroup = 0;
    int m_nDigits = 5;
    bool m_bTyped = false;
    AUnitSelect m_select;
    AUnitGroupManager* m_pManager = nullptr;
};

class AUnitGroup {
public:
    explicit AUnitGroup(unsigned number);
    virtual ~AUnitGroup();
    // The edit object of the new window, or null when the window cannot be taken over.
    AUnitEdit* AddEditControl(HWND hWnd, omUnitValue& value, AUnitGroupManager* manager, int digits);
    void UnitChanged(const omUnit* unit);
    AUnitEdit* UnitEdit(HWND hWnd) const;
    const omUnit* GetUnit() const { return m_pUnit; }

private:
    std::map<HWND, std::unique_ptr<AUnitEdit>> m_edits;
    const omUnit* m_pUnit = nullptr;
    unsigned m_nNumber;
};

class AUnitGroupManager {
public:
    AUnitGroupManager();
    virtual ~AUnitGroupManager();
    AUnitGroupManager(const AUnitGroupManager&) = delete;
    AUnitGroupManager& operator=(const AUnitGroupManager&) = delete;

    // Takes the edit window over; the edit's handle afterwards (the window is made again), null on failure.
    HWND AddEditControl(unsigned group, HWND hWnd, omUnitValue& value, int digits);
    void UnitChanged(unsigned group, const omUnit* unit);
    bool IsControlSubclassed(HWND hWnd) const;
    AUnitEdit* UnitEdit(HWND hWnd) const;

    // A whole text as a decimal number: blanks and tabs around it, '.' as the
    // point, e, E, d or D before the exponent. False for anything else, and for
    // infinite results.
    static bool SimpleFloatParse(const char* text, double& value);
    // Drops trailing zeros behind the decimal point, keeping one digit behind it ("1.500" to "1.5").
    static void StripZeros(char* text);

private:
    std::map<unsigned, std::unique_ptr<AUnitGroup>> m_groups;
    std::map<HWND, unsigned> m_groupOf;
};

void DDX_UnitEdit(CDataExchange* pDX, int controlId, omUnitValue& value, unsigned group, int digits,
                  AUnitGroupManager* manager, bool showValueUnit);
