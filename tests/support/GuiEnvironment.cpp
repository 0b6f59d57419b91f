// One application object for the whole test program: fonts, painting and widgets need it.
#include "platform/core/VectorState.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

class GuiEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "strakon_tests";
        static char* argv[] = {name, nullptr};
        m_app = new QApplication(argc, argv);
        // As the program does once its application object exists.
        AfxClearUpperVectorState();
    }
    void TearDown() override {
        delete m_app;
        m_app = nullptr;
    }

private:
    QApplication* m_app = nullptr;
};

const ::testing::Environment* const s_environment = ::testing::AddGlobalTestEnvironment(new GuiEnvironment);

} // namespace
