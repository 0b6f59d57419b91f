#include "controls/AHyperLink.h"

#include "platform/ui/CPromptService.h"

#include <QDesktopServices>
#include <QObject>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

// Stands in for the desktop's browser and mail program.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;
public slots:
    void open(const QUrl& url) { opened.push_back(url); }
};

class AHyperLinkTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* scheme : {"http", "https", "mailto", "file", "javascript"})
            QDesktopServices::setUrlHandler(scheme, &m_catcher, "open");
    }
    void TearDown() override {
        for (const char* scheme : {"http", "https", "mailto", "file", "javascript"})
            QDesktopServices::unsetUrlHandler(scheme);
        AHyperLinkManager::Release();
    }
    UrlCatcher m_catcher;
    CScriptedPromptService m_prompts;
};

TEST_F(AHyperLinkTest, WebAndMailAddressesGoToTheirHandlersAndNothingElseRuns) {
    struct Case {
        const char* address;
        bool opened;
        const char* error; // the text behind "Unable to open hyperlink:\n\n", null when opened
    };
    const Case cases[] = {
        {"http://www.example.com/strakon", true, nullptr},
        {"https://www.example.com/help?id=3", true, nullptr},
        {"mailto:support@example.com", true, nullptr},
        {"file:///bin/sh", false, "The operating system denied\naccess to the specified file."},
        {"javascript:alert(1)", false, "The operating system denied\naccess to the specified file."},
        {"/usr/share/applications/evil.desktop", false,
         "The operating system denied\naccess to the specified file."},
        {"sh -c 'rm -rf ~'", false, "The operating system denied\naccess to the specified file."},
        {"http://", false, "The operating system denied\naccess to the specified file."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address);
        m_prompts.Clear();
        m_catcher.opened.clear();
        AHyperLink link(c.address);
        EXPECT_EQ(link.Navigate(5), c.opened);
        EXPECT_EQ(m_catcher.opened.size(), c.opened ? 1 : 0);
        if (c.opened) {
            EXPECT_EQ(m_catcher.opened.front(), QUrl(c.address));
            EXPECT_TRUE(m_prompts.MessageBoxes().empty());
        } else {
            ASSERT_EQ(m_prompts.MessageBoxes().size(), 1u);
            EXPECT_EQ(m_prompts.MessageBoxes()[0].text,
                      std::string("Unable to open hyperlink:\n\n") + c.error);
            EXPECT_EQ(m_prompts.MessageBoxes()[0].type, MB_ICONEXCLAMATION);
            EXPECT_EQ(m_prompts.Beeps(), std::vector<UINT>{MB_ICONEXCLAMATION});
        }
    }
}

TEST_F(AHyperLinkTest, WithoutAHandlerTheUserIsToldNoProgramIsAssociated) {
    QDesktopServices::unsetUrlHandler("https");
    QDesktopServices::setUrlHandler("https", nullptr, nullptr);
    // With no desktop under test nothing takes https: the platform's "no association".
    AHyperLink link("https://www.example.com/");
    if (link.Navigate(5)) GTEST_SKIP() << "this desktop opens web pages";
    ASSERT_EQ(m_prompts.MessageBoxes().size(), 1u);
    EXPECT_EQ(m_prompts.MessageBoxes()[0].text, "Unable to open hyperlink:\n\nThere is no application "
                                                "associated\nwith the given filename extension.");
}

TEST_F(AHyperLinkTest, ALinkWithoutAnAddressDoesNothing) {
    AHyperLink link;
    EXPECT_FALSE(link.IsSet());
    EXPECT_FALSE(link.Navigate(5));
    EXPECT_TRUE(m_prompts.MessageBoxes().empty());
    EXPECT_TRUE(m_prompts.Beeps().empty());
    // A help id gives the home page.
    AHyperLinkManager::Instance()->SetHomePageBase("https://www.example.com/strakon/");
    AHyperLink help(17);
    EXPECT_EQ(help.GetURL(), "https://www.example.com/strakon/");
    EXPECT_TRUE(help.Navigate(5));
}

TEST(AHyperLinkManager, ErrorTexts) {
    EXPECT_EQ(AHyperLinkManager::ErrorText(2), "The specified file was not found.");
    EXPECT_EQ(AHyperLinkManager::ErrorText(26), "A sharing violation occurred. ");
    EXPECT_EQ(AHyperLinkManager::ErrorText(77), "Unknown Error (77) occurred.");
}

} // namespace

#include "AHyperLinkTest.moc"
