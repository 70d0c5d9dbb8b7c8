#include "platform/DialogButtonBar.h"

#include <QAction>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QWhatsThis>

#include "platform/Help.h"

DialogButtonBar::DialogButtonBar(QDialog &dialog, int helpTopic)
    : QWidget(&dialog)
    , m_ok(new QPushButton(QStringLiteral("Ok"), this))
    , m_cancel(new QPushButton(QStringLiteral("Cancel"), this))
    , m_help(new QPushButton(QStringLiteral("Help"), this))
    , m_mouseHelp(new QToolButton(this))
{
    m_ok->setObjectName(QStringLiteral("OKButton"));
    m_cancel->setObjectName(QStringLiteral("Cancelbutton"));
    m_help->setObjectName(QStringLiteral("Helpbutton"));
    m_mouseHelp->setObjectName(QStringLiteral("MouseHelpButton"));
    m_mouseHelp->setText(QStringLiteral("?"));
    m_mouseHelp->setToolTip(QStringLiteral("What's this?"));
    m_ok->setDefault(true);
    m_ok->setAutoDefault(true);
    m_cancel->setAutoDefault(false);
    m_help->setAutoDefault(false);

    auto *row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->addStretch();
    row->addWidget(m_ok);
    row->addWidget(m_cancel);
    row->addWidget(m_help);
    row->addWidget(m_mouseHelp);

    connect(m_ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    connect(m_cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    connect(m_help, &QPushButton::clicked, this, [helpTopic] { ShowHelpTopic(helpTopic); });
    connect(m_mouseHelp, &QToolButton::clicked, this, [] { QWhatsThis::enterWhatsThisMode(); });

    auto *whatsThis = new QAction(QStringLiteral("What's this?"), &dialog);
    whatsThis->setObjectName(QStringLiteral("WhatsThisItem"));
    connect(whatsThis, &QAction::triggered, &dialog, [] { QWhatsThis::enterWhatsThisMode(); });
    dialog.addAction(whatsThis);
    dialog.setContextMenuPolicy(Qt::ActionsContextMenu);
}
