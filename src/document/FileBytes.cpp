#include "document/FileBytes.h"

#include <QSaveFile>

#include "document/StreamError.h"

FileBytes::FileBytes(const QString &path)
    : m_file(path)
{
    if (!m_file.open(QIODevice::ReadOnly))
        return;
    m_open = true;
    if (m_file.size() == 0)
        return;
    if (uchar *mapped = m_file.map(0, m_file.size())) {
        m_view = QByteArrayView(reinterpret_cast<const char *>(mapped), m_file.size());
        return;
    }
    m_copy = m_file.readAll();
    m_view = m_copy;
}

void saveFileBytes(const QString &path, QByteArrayView bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw StreamError(QStringLiteral("Cannot create file %1").arg(path));
    if (file.write(bytes.data(), bytes.size()) != bytes.size()) {
        file.cancelWriting();
        throw StreamError(QStringLiteral("Stream write error"));
    }
    if (!file.commit())
        throw StreamError(QStringLiteral("Cannot create file %1").arg(path));
}
