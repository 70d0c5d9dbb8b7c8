#include "platform/IniFile.h"

#include <QFile>
#include <QSaveFile>
#include <QStringDecoder>

#include <utility>

#include "platform/AnsiText.h"

namespace {
QString decode(const QByteArray &bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return fromAnsi(bytes);
    return text;
}

// Lines end at CR LF, LF or a lone CR.
QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch != QLatin1Char('\r') && ch != QLatin1Char('\n'))
            continue;
        lines.append(text.mid(start, i - start));
        if (ch == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.append(text.mid(start));
    return lines;
}

bool sameName(const QString &a, const QString &b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QString cleanValue(QString value)
{
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value.trimmed();
}
} // namespace

IniFile::IniFile(QString fileName)
    : m_fileName(std::move(fileName))
{
    read();
}

void IniFile::read()
{
    QFile file(m_fileName);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    if (bytes.contains("\r\n"))
        m_lineEnd = "\r\n";
    const QStringList lines = splitLines(decode(bytes));
    m_lines.reserve(lines.size());
    for (const QString &text : lines)
        m_lines.push_back(parseLine(text));
}

IniFile::Line IniFile::parseLine(const QString &text)
{
    Line line;
    line.text = text;
    const QString trimmed = text.trimmed();
    if (trimmed.startsWith(QLatin1Char('['))) {
        const qsizetype close = trimmed.indexOf(QLatin1Char(']'));
        if (close > 0) {
            line.kind = Line::Header;
            line.name = trimmed.mid(1, close - 1).trimmed();
        }
        return line;
    }
    if (trimmed.startsWith(QLatin1Char(';')))
        return line;
    const qsizetype equals = trimmed.indexOf(QLatin1Char('='));
    if (equals > 0) {
        line.kind = Line::Entry;
        line.name = trimmed.left(equals).trimmed();
        line.value = trimmed.mid(equals + 1).trimmed();
    }
    return line;
}

int IniFile::findSection(const QString &section) const
{
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind == Line::Header && sameName(m_lines[i].name, section))
            return int(i);
    }
    return -1;
}

int IniFile::sectionEnd(int header) const
{
    int end = header + 1;
    while (end < int(m_lines.size()) && m_lines[end].kind != Line::Header)
        ++end;
    return end;
}

int IniFile::findEntry(const QString &section, const QString &key) const
{
    const int header = findSection(section);
    if (header < 0)
        return -1;
    const int end = sectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        if (m_lines[i].kind == Line::Entry && sameName(m_lines[i].name, key))
            return i;
    }
    return -1;
}

const IniFile::Line *IniFile::entry(const QString &section, const QString &key) const
{
    const int index = findEntry(section, key);
    return index < 0 ? nullptr : &m_lines[index];
}

QString IniFile::readString(const QString &section, const QString &key, const QString &defaultValue) const
{
    const Line *line = entry(section, key);
    return line ? line->value : defaultValue;
}

int IniFile::readInteger(const QString &section, const QString &key, int defaultValue) const
{
    const Line *line = entry(section, key);
    if (!line)
        return defaultValue;
    bool ok = false;
    const int value = line->value.toInt(&ok, 10);
    return ok ? value : defaultValue;
}

bool IniFile::readBool(const QString &section, const QString &key, bool defaultValue) const
{
    const Line *line = entry(section, key);
    if (!line || line->value.isEmpty())
        return defaultValue;
    bool ok = false;
    const int value = line->value.toInt(&ok, 10);
    return !(ok && value == 0);
}

bool IniFile::sectionExists(const QString &section) const
{
    return findSection(section) >= 0;
}

bool IniFile::valueExists(const QString &section, const QString &key) const
{
    return findEntry(section, key) >= 0;
}

QStringList IniFile::sectionValues(const QString &section) const
{
    QStringList values;
    const int header = findSection(section);
    if (header < 0)
        return values;
    const int end = sectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        if (m_lines[i].kind == Line::Entry)
            values.append(m_lines[i].value);
    }
    return values;
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    Q_ASSERT(!section.contains(QLatin1Char(']')) && !key.contains(QLatin1Char('=')));
    const QString clean = cleanValue(value);
    const int index = findEntry(section, key);
    if (index >= 0) {
        Line &line = m_lines[index];
        if (line.value == clean)
            return;
        line.value = clean;
        line.text = line.name + QLatin1Char('=') + clean;
        m_modified = true;
        return;
    }
    const Line newEntry = parseLine(key + QLatin1Char('=') + clean);
    const int header = findSection(section);
    if (header < 0) {
        m_lines.push_back(parseLine(QLatin1Char('[') + section + QLatin1Char(']')));
        m_lines.push_back(newEntry);
    } else {
        // Blank lines closing the section stay between it and the next one.
        int position = sectionEnd(header);
        while (position > header + 1 && m_lines[position - 1].text.trimmed().isEmpty())
            --position;
        m_lines.insert(m_lines.begin() + position, newEntry);
    }
    m_modified = true;
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void IniFile::eraseSection(const QString &section)
{
    // Every copy goes, so that no stale duplicate resurfaces once the section is written anew.
    for (int header = findSection(section); header >= 0; header = findSection(section)) {
        m_lines.erase(m_lines.begin() + header, m_lines.begin() + sectionEnd(header));
        m_modified = true;
    }
}

QByteArray IniFile::contents() const
{
    QByteArray bytes;
    for (const Line &line : m_lines) {
        bytes.append(line.text.toUtf8());
        bytes.append(m_lineEnd);
    }
    return bytes;
}

bool IniFile::save()
{
    if (!m_modified)
        return true;
    QSaveFile file(m_fileName);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    const QByteArray bytes = contents();
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit())
        return false;
    m_modified = false;
    return true;
}
