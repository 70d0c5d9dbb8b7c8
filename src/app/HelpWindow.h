#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

// The help pages shipped in data/help: "<topic>.html" for each topic number and "contents.html".
// One window shows them, with links between the pages and back and forward buttons.
class HelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // False when the page is not shipped; the window then says so instead.
    bool showPage(const QString &fileName);
    QTextBrowser &browser() const { return *m_browser; }

    // The page of a topic number, empty when there is none.
    static QString topicPagePath(int number);
    static QString contentsPagePath();

private:
    QTextBrowser *m_browser;
};

// Makes ShowHelpTopic open the help window; the window lives until the program ends.
void installHelpWindow();
void ShowHelpContents();
