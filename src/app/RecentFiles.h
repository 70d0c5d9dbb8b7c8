#pragma once

#include <QString>
#include <QStringList>

class IniFile;

// The recently used documents listed at the end of the File menu: newest first, at most five,
// one entry per path whatever its letter case.
class RecentFiles
{
public:
    static constexpr int MaxCount = 5;

    const QStringList &paths() const { return m_paths; }
    bool isEmpty() const { return m_paths.isEmpty(); }

    // Puts the path at the top, moving it there when it is listed already.
    void add(const QString &path);
    void remove(const QString &path);

    // Reads the "MRU" section in file order; empty lines, repeats and entries beyond five are
    // dropped.
    void load(const IniFile &ini);
    // Rewrites the "MRU" section as "F0" (newest) to "F4".
    void save(IniFile &ini) const;

    // "&1 path" to "&5 path", with ampersands in the paths doubled so that they show.
    QStringList menuCaptions() const;

private:
    qsizetype indexOf(const QString &path) const;

    QStringList m_paths;
};
