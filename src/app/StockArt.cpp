#include "app/StockArt.h"

#include "app/MainScreenRules.h"
#include "app/ProgramFiles.h"

QImage StockArt::load(const QString &artName)
{
    if (artName.isEmpty())
        return {};
    const QString path = ProgramFiles::findDataFile(
        QStringLiteral("art/") + MainScreenRules::artPictureName(artName) + QStringLiteral(".png"));
    if (path.isEmpty())
        return {};
    return toSilverOnWhite(QImage(path));
}

QImage StockArt::toSilverOnWhite(const QImage &picture)
{
    if (picture.isNull())
        return {};
    QImage result = picture.convertToFormat(QImage::Format_RGB32);
    const QRgb white = qRgb(255, 255, 255);
    const QRgb silver = qRgb(0xC0, 0xC0, 0xC0);
    for (int y = 0; y < result.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            line[x] = (line[x] & 0xFFFFFF) == (white & 0xFFFFFF) ? white : silver;
    }
    return result;
}
