#pragma once

#include <QDialog>

// "About Pellora": the program's picture, its version and an "Ok" button.
class AboutBox : public QDialog
{
    Q_OBJECT
public:
    explicit AboutBox(QWidget *parent = nullptr);
};
