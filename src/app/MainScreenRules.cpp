#include "app/MainScreenRules.h"

#include <QFileInfo>

#include <cmath>

QString MainScreenRules::windowCaption(const QString &currentFileName)
{
    if (currentFileName.isEmpty())
        return QStringLiteral("Pellora");
    return QStringLiteral("Pellora - ") + QFileInfo(currentFileName).fileName();
}

QString MainScreenRules::defaultFontCaption(const DefaultFontPreference &font)
{
    QString caption = QStringLiteral("Default Font: %1, %2 pt ").arg(font.Name).arg(font.Size);
    if (font.Bold)
        caption += QStringLiteral(", bold");
    if (font.Italic)
        caption += QStringLiteral(", italic");
    return caption;
}

QString MainScreenRules::templateCaption(const QString &templateName)
{
    const QString shown =
        templateName == QLatin1String("USER DEFINED") ? QStringLiteral("User Defined") : templateName;
    return QStringLiteral("Change Label Layout    (%1)").arg(shown);
}

QString MainScreenRules::proposedSaveName(const QString &folder)
{
    for (int number = 1; number <= 9999; ++number) {
        const QString name = QStringLiteral("PQ%1.PQ").arg(number, 4, 10, QLatin1Char('0'));
        if (!QFileInfo::exists(folder + name))
            return name;
    }
    return {};
}

bool MainScreenRules::isDocumentPath(const QString &path)
{
    return QFileInfo(path).fileName().endsWith(QLatin1String(".PQ"), Qt::CaseInsensitive);
}

namespace {
int percent(float scale)
{
    return int(std::lround(double(scale) * 100));
}
} // namespace

std::optional<float> MainScreenRules::zoomedIn(float scale)
{
    if (percent(scale) >= MaxZoomPercent)
        return std::nullopt;
    return float(static_cast<long double>(scale) + 0.1L);
}

std::optional<float> MainScreenRules::zoomedOut(float scale)
{
    if (percent(scale) <= MinZoomPercent)
        return std::nullopt;
    return float(static_cast<long double>(scale) - 0.1L);
}

QString MainScreenRules::zoomCaption(float scale)
{
    return QString::number(percent(scale)) + QLatin1Char('%');
}

QString MainScreenRules::artPictureName(const QString &artName)
{
    return artName.section(QLatin1Char('.'), 0, 0).toUpper();
}
