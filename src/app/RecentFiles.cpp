#include "app/RecentFiles.h"

#include "platform/IniFile.h"

namespace {
const QString mruSection = QStringLiteral("MRU");
}

qsizetype RecentFiles::indexOf(const QString &path) const
{
    for (qsizetype i = 0; i < m_paths.size(); ++i) {
        if (m_paths[i].compare(path, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void RecentFiles::add(const QString &path)
{
    if (path.isEmpty())
        return;
    remove(path);
    m_paths.prepend(path);
    while (m_paths.size() > MaxCount)
        m_paths.removeLast();
}

void RecentFiles::remove(const QString &path)
{
    const qsizetype index = indexOf(path);
    if (index >= 0)
        m_paths.removeAt(index);
}

void RecentFiles::load(const IniFile &ini)
{
    m_paths.clear();
    for (const QString &path : ini.sectionValues(mruSection)) {
        if (m_paths.size() == MaxCount)
            break;
        if (!path.isEmpty() && indexOf(path) < 0)
            m_paths.append(path);
    }
}

void RecentFiles::save(IniFile &ini) const
{
    ini.eraseSection(mruSection);
    for (qsizetype i = 0; i < m_paths.size(); ++i)
        ini.writeString(mruSection, QStringLiteral("F%1").arg(i), m_paths[i]);
}

QStringList RecentFiles::menuCaptions() const
{
    QStringList captions;
    for (qsizetype i = 0; i < m_paths.size(); ++i) {
        QString path = m_paths[i];
        path.replace(QLatin1Char('&'), QStringLiteral("&&"));
        captions.append(QStringLiteral("&%1 %2").arg(QString::number(i + 1), path));
    }
    return captions;
}
