// The views' print dialog: the printer's Properties button is never offered.
#include "app/views/APrintDialog.h"

#include "platform/ui/CPromptService.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPrintDialog>
#include <QPushButton>
#include <QTimer>

namespace {

TEST(APrintDialog, AsksTheCommonDialogToHideThePrinterPropertiesButton) {
    CScriptedPromptService prompts;
    prompts.QueuePrinterCancel();
    APrintDialog dialog(FALSE, PD_USEDEVMODECOPIES | PD_NOSELECTION);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    ASSERT_EQ(prompts.PrintDialogs().size(), 1u);
    EXPECT_EQ(dialog.GetHiddenControls(), std::vector<int>{1025});
    EXPECT_EQ(CPrintDialog::Showing(), nullptr) << "only while it runs";
    // The platform's own dialog keeps the button.
    prompts.QueuePrinterCancel();
    CPrintDialog plain(FALSE);
    plain.DoModal();
    EXPECT_TRUE(plain.GetHiddenControls().empty());
}

TEST(APrintDialog, TheRealPrintDialogShowsNoPropertiesButton) {
    CQtPromptService service;
    CPromptService* previous = CPromptService::Install(&service);
    bool seen = false;
    bool found = false;
    bool propertiesShown = true;
    bool propertiesEnabled = true;
    // Looks at the dialog once it runs, then closes it.
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        poll.stop();
        seen = true;
        if (auto* properties = dialog->findChild<QPushButton*>(QStringLiteral("properties"))) {
            found = true;
            propertiesShown = properties->isVisible();
            propertiesEnabled = properties->isEnabled();
        } else {
            propertiesShown = propertiesEnabled = false;
        }
        dialog->reject();
    });
    poll.start();
    APrintDialog dialog(FALSE, PD_USEDEVMODECOPIES | PD_NOSELECTION);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    CPromptService::Install(previous);
    ASSERT_TRUE(seen) << "the print dialog did not run";
    EXPECT_TRUE(found) << "the dialog has its Properties button";
    EXPECT_FALSE(propertiesShown);
    EXPECT_FALSE(propertiesEnabled);
}

} // namespace
