#include "app/AboutBox.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/ProgramVersion.h"

AboutBox::AboutBox(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About Pellora"));
    auto *column = new QVBoxLayout(this);
    auto *row = new QHBoxLayout;
    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("ProgramIcon"));
    picture->setPixmap(QIcon::fromTheme(QStringLiteral("pellora"), windowIcon()).pixmap(64, 64));
    row->addWidget(picture, 0, Qt::AlignTop);
    auto *text = new QVBoxLayout;
    auto *name = new QLabel(QStringLiteral("<b>Pellora</b>"), this);
    QFont big = name->font();
    big.setPointSize(big.pointSize() + 4);
    name->setFont(big);
    text->addWidget(name);
    text->addWidget(new QLabel(QStringLiteral("Label designer"), this));
    text->addWidget(new QLabel(QStringLiteral("32-bit version"), this));
    auto *version = new QLabel(QStringLiteral("Version ") + ProgramVersion(), this);
    version->setObjectName(QStringLiteral("VersionLabel"));
    text->addWidget(version);
    row->addLayout(text);
    row->addStretch(1);
    column->addLayout(row);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    auto *ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    buttons->addWidget(ok);
    column->addLayout(buttons);
}
