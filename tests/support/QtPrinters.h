#pragma once

// Readable failure messages for Qt values; included into every test file by the build.
#include <QByteArray>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QByteArray &bytes, std::ostream *out)
{
    *out << '"' << bytes.toStdString() << '"';
}
inline void PrintTo(const QStringList &list, std::ostream *out)
{
    *out << '[' << list.join(QStringLiteral("|")).toStdString() << ']';
}
inline void PrintTo(const QRect &rect, std::ostream *out)
{
    *out << "QRect(" << rect.x() << ", " << rect.y() << ", " << rect.width() << ", " << rect.height() << ')';
}
inline void PrintTo(const QPoint &point, std::ostream *out)
{
    *out << "QPoint(" << point.x() << ", " << point.y() << ')';
}
