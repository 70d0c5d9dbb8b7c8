#pragma once

#include <QImage>
#include <QString>

// The pictures of label stock shown behind a design: line drawings shipped as data/art/<NAME>.png.
namespace StockArt {
// The picture for the stock's art name, silver on white; a null image when none is shipped.
QImage load(const QString &artName);
// Every pixel that is not white becomes silver.
QImage toSilverOnWhite(const QImage &picture);
} // namespace StockArt
