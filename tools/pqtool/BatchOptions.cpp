#include "BatchOptions.h"

#include <QFileInfo>

#include "platform/IniFile.h"

namespace {

// Walks "--name value" pairs; a missing value or an unknown name sets the error.
class OptionReader
{
public:
    OptionReader(const QStringList &arguments, BatchOptions &options)
        : m_arguments(arguments)
        , m_options(options)
    {
    }

    bool next(QString &name, QString &value)
    {
        if (!m_options.error.isEmpty() || m_index >= m_arguments.size())
            return false;
        name = m_arguments[m_index++];
        if (!name.startsWith(QLatin1String("--"))) {
            if (m_options.document.isEmpty()) {
                m_options.document = name;
                return next(name, value);
            }
            m_options.error = QStringLiteral("unexpected argument %1").arg(name);
            return false;
        }
        if (m_index >= m_arguments.size()) {
            m_options.error = QStringLiteral("%1 needs a value").arg(name);
            return false;
        }
        value = m_arguments[m_index++];
        return true;
    }

private:
    const QStringList &m_arguments;
    BatchOptions &m_options;
    qsizetype m_index = 0;
};

} // namespace

BatchOptions BatchOptions::parsePrint(const QStringList &arguments)
{
    BatchOptions options;
    OptionReader reader(arguments, options);
    QString name;
    QString value;
    bool nudgesGiven = false;
    while (reader.next(name, value)) {
        if (name == QLatin1String("--pdf")) {
            options.pdf = value;
        } else if (name == QLatin1String("--printer")) {
            options.printer = value;
            options.toPrinter = true;
        } else if (name == QLatin1String("--positions")) {
            options.positions = value;
        } else if (name == QLatin1String("--pages")) {
            bool ok = false;
            options.pages = value.toInt(&ok);
            if (!ok || options.pages < 0 || options.pages > 100000)
                options.error =
                    QStringLiteral("--pages wants a number of sheets from 0 to 100000, not %1").arg(value);
        } else if (name == QLatin1String("--nudges")) {
            const std::optional<PrinterNudges> nudges = parseNudges(value);
            if (nudges)
                options.nudges = *nudges;
            else
                options.error =
                    QStringLiteral("--nudges wants four whole numbers T,L,V,H, not %1").arg(value);
            nudgesGiven = true;
        } else if (name == QLatin1String("--ini")) {
            options.iniFile = value;
        } else {
            options.error = QStringLiteral("unknown option %1").arg(name);
        }
    }
    if (!options.error.isEmpty())
        return options;
    if (options.document.isEmpty())
        options.error = QStringLiteral("no document given");
    else if (!options.pdf.isEmpty() && options.toPrinter)
        options.error = QStringLiteral("give either --pdf or --printer, not both");
    else if (!options.iniFile.isEmpty() && nudgesGiven)
        options.error = QStringLiteral("give either --nudges or --ini, not both");
    else if (!options.iniFile.isEmpty() && !QFileInfo(options.iniFile).isFile())
        options.error = QStringLiteral("cannot open %1").arg(options.iniFile);
    else if (!options.iniFile.isEmpty())
        options.nudges = readNudges(options.iniFile);
    // Neither: the system's default printer.
    if (options.pdf.isEmpty())
        options.toPrinter = true;
    return options;
}

BatchOptions BatchOptions::parseRender(const QStringList &arguments)
{
    BatchOptions options;
    OptionReader reader(arguments, options);
    QString name;
    QString value;
    while (reader.next(name, value)) {
        if (name == QLatin1String("--png")) {
            options.png = value;
        } else if (name == QLatin1String("--zoom")) {
            bool ok = false;
            options.zoom = value.toDouble(&ok);
            if (!ok || !(options.zoom >= 0.1 && options.zoom <= 10))
                options.error = QStringLiteral("--zoom wants a factor from 0.1 to 10, not %1").arg(value);
        } else {
            options.error = QStringLiteral("unknown option %1").arg(name);
        }
    }
    if (options.error.isEmpty() && options.document.isEmpty())
        options.error = QStringLiteral("no document given");
    else if (options.error.isEmpty() && options.png.isEmpty())
        options.error = QStringLiteral("--png OUT.png is needed");
    return options;
}

std::optional<std::vector<bool>> BatchOptions::parsePositions(const QString &list, int count, QString &error)
{
    std::vector<bool> selection(std::size_t(std::max(0, count)), list.trimmed().isEmpty());
    if (list.trimmed().isEmpty())
        return selection;
    for (const QString &part : list.split(QLatin1Char(','))) {
        const QStringList ends = part.trimmed().split(QLatin1Char('-'));
        bool okFirst = false;
        bool okLast = ends.size() == 1;
        const int first = ends.value(0).toInt(&okFirst);
        const int last = ends.size() == 2 ? ends[1].toInt(&okLast) : first;
        if (ends.size() > 2 || !okFirst || !okLast || first < 1 || last < first || last > count) {
            error =
                QStringLiteral("position %1 is not on the sheet of %2 labels").arg(part.trimmed()).arg(count);
            return std::nullopt;
        }
        for (int number = first; number <= last; ++number)
            selection[std::size_t(number - 1)] = true;
    }
    return selection;
}

std::optional<PrinterNudges> BatchOptions::parseNudges(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 4)
        return std::nullopt;
    int values[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        values[i] = parts[i].trimmed().toInt(&ok);
        if (!ok || values[i] < -100 || values[i] > 100)
            return std::nullopt;
    }
    return PrinterNudges{values[0], values[1], values[2], values[3]};
}

PrinterNudges BatchOptions::readNudges(const QString &iniFile)
{
    const IniFile ini(iniFile);
    const QString section = QStringLiteral("Printer");
    return {ini.readInteger(section, QStringLiteral("TopMarginNudge"), 0),
            ini.readInteger(section, QStringLiteral("LeftMarginNudge"), 0),
            ini.readInteger(section, QStringLiteral("VerticalSpacing"), 0),
            ini.readInteger(section, QStringLiteral("HorizontalSpacing"), 0)};
}
