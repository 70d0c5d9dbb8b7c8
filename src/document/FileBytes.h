#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

// A file's bytes for reading: mapped when possible so a large file costs no copy.
class FileBytes
{
public:
    // Nothing (isOpen false) when the file does not exist or cannot be read.
    explicit FileBytes(const QString &path);
    bool isOpen() const { return m_open; }
    QByteArrayView bytes() const { return m_view; }

private:
    QFile m_file;
    QByteArray m_copy;
    QByteArrayView m_view;
    bool m_open = false;
};

// Writes the whole file or leaves the old one as it was: the bytes go to a temporary file in the
// same folder, which then replaces the target. A StreamError tells why it failed.
void saveFileBytes(const QString &path, QByteArrayView bytes);
