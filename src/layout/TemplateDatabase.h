#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <vector>

#include "layout/TLabelLayout.h"

// The read-only list of commercial label stocks shipped as PQTPL.dat: one tagged-value list of
// layout records with no header and no count.
class TemplateDatabase
{
public:
    static constexpr int Capacity = 300;
    static QString fileName() { return QStringLiteral("PQTPL.dat"); }

    // A missing file is an empty database without a message.
    static TemplateDatabase fromFile(const QString &path);
    static TemplateDatabase fromBytes(QByteArrayView bytes);
    static QByteArray toBytes(const std::vector<TLabelLayout> &records);

    // In file order, at most Capacity of them; empty whenever the file could not be read.
    const std::vector<TLabelLayout> &records() const { return m_records; }
    // The text to show the user when the file could not be read; empty otherwise.
    const QString &errorMessage() const { return m_errorMessage; }
    bool failed() const { return !m_errorMessage.isEmpty(); }

private:
    std::vector<TLabelLayout> m_records;
    QString m_errorMessage;
};
