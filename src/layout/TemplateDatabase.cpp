#include "layout/TemplateDatabase.h"

#include <QFileInfo>

#include "document/FileBytes.h"
#include "document/StreamError.h"
#include "document/StreamReader.h"
#include "document/StreamWriter.h"
#include "layout/LayoutRecordStream.h"

TemplateDatabase TemplateDatabase::fromFile(const QString &path)
{
    if (!QFileInfo::exists(path))
        return {};
    const FileBytes file(path);
    if (!file.isOpen()) {
        TemplateDatabase unreadable;
        unreadable.m_errorMessage = QStringLiteral("Cannot open file %1").arg(path);
        return unreadable;
    }
    return fromBytes(file.bytes());
}

TemplateDatabase TemplateDatabase::fromBytes(QByteArrayView bytes)
{
    TemplateDatabase database;
    StreamReader reader(bytes);
    try {
        reader.readListBegin();
        while (!reader.endOfList()) {
            // Records past the capacity are still read, so that a damaged tail is reported the
            // same way wherever it lies, but they are not kept.
            TLabelLayout record = LayoutRecordStream::read(reader);
            if (database.m_records.size() < std::size_t(Capacity))
                database.m_records.push_back(std::move(record));
        }
        reader.readListEnd();
    } catch (const StreamError &error) {
        // A half-read list would offer stocks that may have been cut short, so none are offered.
        database.m_records.clear();
        database.m_errorMessage = error.message();
    }
    return database;
}

QByteArray TemplateDatabase::toBytes(const std::vector<TLabelLayout> &records)
{
    StreamWriter writer;
    writer.writeListBegin();
    for (const TLabelLayout &record : records)
        LayoutRecordStream::write(writer, record);
    writer.writeListEnd();
    return writer.bytes();
}
