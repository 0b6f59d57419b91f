// Fails the running test when the product code's soft assertion fails: the
// program would only log it and go on, which a green suite must not hide.
// Every other message goes on to the handler that was there before.
#include "platform/ui/StrakonAssert.h"

#include <QString>

#include <gtest/gtest.h>

namespace {

QtMessageHandler g_previous = nullptr;

void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String(STRAKON_ASSERT_PREFIX))) {
        ADD_FAILURE() << message.toStdString();
        return;
    }
    if (g_previous) g_previous(type, context, message);
}

struct Installer {
    Installer() { g_previous = qInstallMessageHandler(handleMessage); }
};

const Installer s_installer;

} // namespace
