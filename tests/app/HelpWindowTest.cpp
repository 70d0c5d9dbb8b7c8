#include <QRegularExpression>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include "app/HelpWindow.h"

TEST(HelpWindowTest, EveryTopicTheProgramOpensHasAPage)
{
    QList<int> topics = {1073, 911, 1015, 1048, 1050, 1019, 1092, 1074};
    for (int number = 40001; number <= 40017; ++number)
        topics << number;
    HelpWindow window;
    for (const int number : topics) {
        SCOPED_TRACE(number);
        const QString page = HelpWindow::topicPagePath(number);
        ASSERT_FALSE(page.isEmpty());
        ASSERT_TRUE(window.showPage(page));
        EXPECT_GT(window.browser().toPlainText().size(), 100);
        EXPECT_FALSE(window.browser().documentTitle().isEmpty());
    }
    EXPECT_TRUE(HelpWindow::topicPagePath(12345).isEmpty());
    EXPECT_FALSE(window.showPage(HelpWindow::topicPagePath(12345)));
}

TEST(HelpWindowTest, ContentsLinkToPagesThatExist)
{
    HelpWindow window;
    ASSERT_TRUE(window.showPage(HelpWindow::contentsPagePath()));
    const QString html = window.browser().toHtml();
    const QRegularExpression link(QStringLiteral("href=\"(\\d+)\\.html\""));
    int links = 0;
    for (auto match = link.globalMatch(html); match.hasNext();) {
        const int number = match.next().captured(1).toInt();
        EXPECT_FALSE(HelpWindow::topicPagePath(number).isEmpty()) << number;
        ++links;
    }
    EXPECT_EQ(links, 25);
}
