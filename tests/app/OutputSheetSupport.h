#pragma once
// The user's hands on the controls of a dialog or a property sheet: a click on
// a tab, a button or a box, typing into an edit (Enter between the lines of a
// multi-line one), the keyboard in a drop-down list, clicks in a list box.
#include "platform/core/CString.h"
#include "platform/ui/CPropertySheet.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include <string>
#include <vector>

namespace sheetinput {

using Names = std::vector<std::string>;

inline QWidget* widgetOf(CWnd& page, int id) {
    CWnd* control = page.GetDlgItem(id);
    return control ? control->GetWidget() : nullptr;
}

// The page of the tab, shown by a click on its tab.
inline CPropertyPage& showPage(CPropertySheet& sheet, int index) {
    auto* tabs = sheet.GetWidget()->findChild<QTabWidget*>();
    EXPECT_NE(tabs, nullptr);
    if (tabs) {
        QTabBar* bar = tabs->tabBar();
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(index).center());
    }
    EXPECT_EQ(sheet.GetActiveIndex(), index);
    return *sheet.GetActivePage();
}

inline void click(CWnd& page, int id) {
    QWidget* widget = widgetOf(page, id);
    ASSERT_NE(widget, nullptr) << id;
    ASSERT_TRUE(widget->isEnabled()) << id;
    auto* button = qobject_cast<QAbstractButton*>(widget);
    ASSERT_NE(button, nullptr) << id;
    // The box itself: a click on a check box's text lands on it too, a label-less one is all box.
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

inline bool checked(CWnd& page, int id) {
    auto* button = qobject_cast<QAbstractButton*>(widgetOf(page, id));
    return button && button->isChecked();
}

// Replaces an edit's text by typing; lines of a multi-line edit are ended with Enter.
inline void typeLines(CWnd& page, int id, const std::vector<std::string>& lines) {
    QWidget* widget = widgetOf(page, id);
    ASSERT_NE(widget, nullptr) << id;
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        line->setFocus();
        QTest::keyClick(line, Qt::Key_Home);
        QTest::keyClick(line, Qt::Key_End, Qt::ShiftModifier);
        QTest::keyClick(line, Qt::Key_Delete);
        QTest::keyClicks(line, QString::fromStdString(lines.empty() ? "" : lines[0]));
        return;
    }
    auto* text = qobject_cast<QPlainTextEdit*>(widget);
    ASSERT_NE(text, nullptr) << id;
    text->setFocus();
    QTest::keyClick(text, Qt::Key_Home, Qt::ControlModifier);
    QTest::keyClick(text, Qt::Key_End, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(text, Qt::Key_Delete);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) QTest::keyClick(text, Qt::Key_Return);
        QTest::keyClicks(text, QString::fromStdString(lines[i]));
    }
}

inline void type(CWnd& page, int id, const std::string& text) {
    typeLines(page, id, std::vector<std::string>{text});
}

inline CString shownText(CWnd& page, int id) {
    QWidget* widget = widgetOf(page, id);
    if (auto* line = qobject_cast<QLineEdit*>(widget)) return line->text().toStdString();
    if (auto* combo = qobject_cast<QComboBox*>(widget)) return combo->currentText().toStdString();
    if (auto* text = qobject_cast<QPlainTextEdit*>(widget)) return text->toPlainText().toStdString();
    return CString();
}

inline Names entries(CWnd& page, int id) {
    Names names;
    if (auto* combo = qobject_cast<QComboBox*>(widgetOf(page, id)))
        for (int i = 0; i < combo->count(); ++i)
            names.push_back(combo->itemText(i).toStdString());
    if (auto* list = qobject_cast<QListWidget*>(widgetOf(page, id)))
        for (int i = 0; i < list->count(); ++i)
            names.push_back(list->item(i)->text().toStdString());
    return names;
}

// Chooses an entry of a drop-down list with the keyboard: Home, then Down to it.
inline void choose(CWnd& page, int id, const std::string& text) {
    auto* combo = qobject_cast<QComboBox*>(widgetOf(page, id));
    ASSERT_NE(combo, nullptr) << id;
    const int index = combo->findText(QString::fromStdString(text), Qt::MatchExactly);
    ASSERT_GE(index, 0) << text;
    combo->setFocus();
    QTest::keyClick(combo, Qt::Key_Home);
    for (int i = 0; i < index; ++i)
        QTest::keyClick(combo, Qt::Key_Down);
    ASSERT_EQ(combo->currentText().toStdString(), text);
}

// Selects the named items of a list box: a click on the first, Ctrl+click on the others.
inline void selectItems(CWnd& page, int id, const Names& names) {
    auto* list = qobject_cast<QListWidget*>(widgetOf(page, id));
    ASSERT_NE(list, nullptr) << id;
    bool first = true;
    for (const std::string& name : names) {
        const QList<QListWidgetItem*> found = list->findItems(QString::fromStdString(name), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name;
        const QPoint at = list->visualItemRect(found[0]).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton,
                          first ? Qt::KeyboardModifiers() : Qt::KeyboardModifiers(Qt::ControlModifier), at);
        first = false;
    }
}

} // namespace sheetinput
