#pragma once

#include <QString>

#include <stdexcept>

// A document, clipboard file or template database that cannot be read. The message is the
// program's own text, shown to the user as it stands.
class StreamError : public std::runtime_error
{
public:
    explicit StreamError(const QString &message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    {
    }
    QString message() const { return m_message; }

    static StreamError readError() { return StreamError(QStringLiteral("Stream read error")); }
    static StreamError invalidFormat() { return StreamError(QStringLiteral("Invalid stream format")); }
    static StreamError invalidPropertyValue()
    {
        return StreamError(QStringLiteral("Invalid property value"));
    }
    static StreamError classNotFound(const QString &className)
    {
        return StreamError(QStringLiteral("Class %1 not found").arg(className));
    }
    static StreamError unknownProperty(const QString &propertyName)
    {
        return StreamError(QStringLiteral("Property %1 does not exist").arg(propertyName));
    }

private:
    QString m_message;
};
