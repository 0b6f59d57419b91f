#pragma once
// The editors' tests: a settings store of their own with the metric units, the
// editors' templates and pictures, and scripted dialogs and prompts.
#include "app/shell/AOptionsAttributes.h"
#include "app/shell/AUnitKeyAttributes.h"
#include "platform/storage/CSettingsStore.h"
#include "platform/ui/CDialog.h"
#include "platform/ui/CDialogControls.h"
#include "platform/ui/CPromptService.h"
#include "platform/ui/CWnd.h"
#include "resources/ui/StrakonEditorIds.h"
#include "tests/support/ArtifactsFolder.h"
#include "tests/support/TempFolder.h"

#include <QComboBox>
#include <QImage>
#include <QListWidget>
#include <QWidget>

#include <gtest/gtest.h>

class EditorFixture : public ::testing::Test {
protected:
    void SetUp() override {
        CSettingsStore::Instance().SetFolder(dir.path());
        AUnitKeyAttributes::Instance()->SetMetricDefaults();
        RegisterStrakonEditorResources();
    }
    void TearDown() override {
        AUnitKeyAttributes::Release();
        AOptionsAttributes::Release();
        CSettingsStore::Instance().Flush();
    }

    // Chooses an entry of a combo box as the user does.
    static void choose(CWnd& window, int id, const char* text) {
        auto* combo = qobject_cast<QComboBox*>(window.GetDlgItem(id)->GetWidget());
        ASSERT_NE(combo, nullptr);
        const int index = combo->findText(text);
        ASSERT_GE(index, 0) << text;
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    // Chooses a list entry as the user does.
    static void chooseRow(CWnd& window, int id, int row) {
        auto* list = qobject_cast<QListWidget*>(window.GetDlgItem(id)->GetWidget());
        ASSERT_NE(list, nullptr);
        list->setCurrentRow(row);
    }
    // Replaces an edit's text by typing, as the user does.
    static void typeIn(CWnd& window, int id, const char* value) {
        auto* edit = dynamic_cast<CEdit*>(window.GetDlgItem(id));
        ASSERT_NE(edit, nullptr);
        edit->SetSel(0, -1);
        edit->TypeText(value);
    }
    static CString text(CWnd& window, int id) { return window.GetDlgItem(id)->GetWindowText(); }
    static bool enabled(CWnd& window, int id) { return window.GetDlgItem(id)->IsWindowEnabled() != FALSE; }
    // A picture of the window for a person to look at.
    static void snapshot(CWnd& window, const char* name) {
        QWidget* widget = window.GetWidget();
        ASSERT_NE(widget, nullptr);
        const QImage image = widget->grab().toImage();
        EXPECT_FALSE(image.isNull());
        image.save(QString::fromStdString((ArtifactsFolder() / name).string()));
    }

    TempFolder dir;
    CScriptedDialogService dialogs;
    CScriptedPromptService prompts;
};
