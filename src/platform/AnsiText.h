#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Documents hold single-byte Windows-1252 text. Characters outside the code page become '?'.
QByteArray toAnsi(const QString &text);
QString fromAnsi(QByteArrayView bytes);
