#include "app/HelpWindow.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "app/ProgramFiles.h"
#include "platform/Help.h"

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
    , m_browser(new QTextBrowser(this))
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Pellora Help"));
    auto *column = new QVBoxLayout(this);
    auto *row = new QHBoxLayout;
    auto button = [this, row](const QString &caption, auto action) {
        auto *pushButton = new QPushButton(caption, this);
        connect(pushButton, &QPushButton::clicked, m_browser, action);
        row->addWidget(pushButton);
        return pushButton;
    };
    QPushButton *back = button(QStringLiteral("&Back"), &QTextBrowser::backward);
    QPushButton *forward = button(QStringLiteral("&Forward"), &QTextBrowser::forward);
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(m_browser, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    auto *contents = new QPushButton(QStringLiteral("&Contents"), this);
    connect(contents, &QPushButton::clicked, this, [this] { showPage(contentsPagePath()); });
    row->addWidget(contents);
    row->addStretch(1);
    column->addLayout(row);
    m_browser->setOpenExternalLinks(true);
    column->addWidget(m_browser);
    resize(560, 480);
}

bool HelpWindow::showPage(const QString &fileName)
{
    if (fileName.isEmpty() || !QFileInfo::exists(fileName)) {
        m_browser->setHtml(QStringLiteral("<p>This help page is not installed.</p>"));
        return false;
    }
    m_browser->setSource(QUrl::fromLocalFile(fileName));
    return true;
}

QString HelpWindow::topicPagePath(int number)
{
    return ProgramFiles::findDataFile(QStringLiteral("help/%1.html").arg(number));
}

QString HelpWindow::contentsPagePath()
{
    return ProgramFiles::findDataFile(QStringLiteral("help/contents.html"));
}

namespace {
HelpWindow &helpWindow()
{
    static QPointer<HelpWindow> window;
    if (!window) {
        window = new HelpWindow;
        window->setAttribute(Qt::WA_DeleteOnClose);
    }
    return *window;
}

void present(const QString &page)
{
    HelpWindow &window = helpWindow();
    window.showPage(page);
    window.show();
    window.raise();
    window.activateWindow();
}
} // namespace

void installHelpWindow()
{
    setHelpHandler([](int number) { present(HelpWindow::topicPagePath(number)); });
}

void ShowHelpContents()
{
    present(HelpWindow::contentsPagePath());
}
