#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// A Windows-style initialisation file: "[Section]" headers (names may hold spaces) followed by
// "key=value" lines, with no escaping. Section names and keys compare without regard to case.
//
// The whole file is held in memory; writes change it in place, keeping every other line (comments,
// unknown keys, lines that are neither) and the order of sections and keys, until save() writes it
// back. Reading never fails: a missing or unreadable file is an empty one, and anything that cannot
// be read gives the caller's default.
//
// Encoding: the file is taken as UTF-8 when it is valid UTF-8 (a byte-order mark is skipped) and
// as Windows-1252 otherwise, so that files carried over from Windows keep their accented letters;
// it is always written as UTF-8, which any path on this system can be spelled in. Line ends are
// kept as found (CR LF or LF; new files get LF).
class IniFile
{
public:
    explicit IniFile(QString fileName);

    const QString &fileName() const { return m_fileName; }

    // A key that is present gives its value with surrounding blanks removed, even when empty.
    QString readString(const QString &section, const QString &key, const QString &defaultValue) const;
    // Decimal, optionally signed; anything that does not parse or does not fit an int gives the
    // default.
    int readInteger(const QString &section, const QString &key, int defaultValue) const;
    // A missing or empty value gives the default; a value reading as the number 0 is False and any
    // other value True.
    bool readBool(const QString &section, const QString &key, bool defaultValue) const;

    bool sectionExists(const QString &section) const;
    bool valueExists(const QString &section, const QString &key) const;
    // Values of the section's "key=value" lines in file order: the part after the first "=".
    QStringList sectionValues(const QString &section) const;

    // A new key goes after the last line of its section, a new section at the end of the file.
    // Line breaks inside a value would split the line, so they are written as blanks.
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, int value);
    void writeBool(const QString &section, const QString &key, bool value);
    void eraseSection(const QString &section);

    bool isModified() const { return m_modified; }
    // The file as save() writes it.
    QByteArray contents() const;
    // Replaces the file in one step, so that a failed write leaves the old file whole. Saving an
    // unmodified file writes nothing and succeeds.
    bool save();

private:
    struct Line
    {
        enum Kind { Other, Header, Entry };
        Kind kind = Other;
        QString text;
        QString name; // section name of a header, key of an entry
        QString value;
    };

    static Line parseLine(const QString &text);
    void read();
    // Index of the first header of the section, or -1.
    int findSection(const QString &section) const;
    // One past the last line of the section starting at header index.
    int sectionEnd(int header) const;
    int findEntry(const QString &section, const QString &key) const;
    const Line *entry(const QString &section, const QString &key) const;

    QString m_fileName;
    std::vector<Line> m_lines;
    QByteArray m_lineEnd = "\n";
    bool m_modified = false;
};
