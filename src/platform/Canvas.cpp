#include "platform/Canvas.h"

#include <QBitmap>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPathStroker>
#include <QPicture>
#include <QRegion>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

#include "platform/CanvasFontCache.h"
#include "platform/Numbers.h"
#include "platform/SymbolFonts.h"

namespace {

constexpr int defaultCharacterHeight = 13;

QColor rgb(TColor color)
{
    return toQColor(color);
}

bool isRaster(const QPainter &painter)
{
    return painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster;
}

// Screens, images and PDF pages draw text at the painter's scale, PDF pages with the font embedded.
bool keepsTextAsText(const QPainter &painter)
{
    const QPaintEngine *engine = painter.paintEngine();
    return engine && (engine->type() == QPaintEngine::Raster || engine->type() == QPaintEngine::Pdf);
}

// On-off lengths in pixels of a thin styled pen; empty for a continuous line.
std::vector<int> dashPattern(PenStyle style)
{
    switch (style) {
    case PenStyle::psDash:
        return {18, 6};
    case PenStyle::psDot:
        return {3, 3};
    case PenStyle::psDashDot:
        return {9, 6, 3, 6};
    case PenStyle::psDashDotDot:
        return {9, 3, 3, 3, 3, 3};
    default:
        return {};
    }
}

// Walks a dash pattern one pixel at a time; a figure starts at the beginning of the pattern.
class DashWalker
{
public:
    explicit DashWalker(std::vector<int> pattern)
        : pattern_(std::move(pattern))
    {
        if (!pattern_.empty())
            left_ = pattern_[0];
    }
    bool on() const { return index_ % 2 == 0; }
    void step()
    {
        if (pattern_.empty() || --left_ > 0)
            return;
        index_ = (index_ + 1) % pattern_.size();
        left_ = pattern_[index_];
    }

private:
    std::vector<int> pattern_;
    size_t index_ = 0;
    int left_ = 0;
};

// The pixels of a one-pixel line from a to b, the end pixel excluded.
void appendLinePixels(QPoint a, QPoint b, DashWalker &dash, std::vector<QPoint> &pixels)
{
    const int dx = std::abs(b.x() - a.x());
    const int dy = -std::abs(b.y() - a.y());
    const int sx = a.x() < b.x() ? 1 : -1;
    const int sy = a.y() < b.y() ? 1 : -1;
    int error = dx + dy;
    int x = a.x();
    int y = a.y();
    while (x != b.x() || y != b.y()) {
        if (dash.on())
            pixels.emplace_back(x, y);
        dash.step();
        const int doubled = 2 * error;
        if (doubled >= dy) {
            error += dy;
            x += sx;
        }
        if (doubled <= dx) {
            error += dx;
            y += sy;
        }
    }
}

QPoint pixelOf(QPointF point)
{
    return {int(std::floor(point.x())), int(std::floor(point.y()))};
}

// Pixels of a thin outline: every subpath is flattened and traced pixel by pixel.
std::vector<QPoint> thinOutlinePixels(const QPainterPath &centreLine, bool closed, PenStyle style)
{
    std::vector<QPoint> pixels;
    const auto polygons = centreLine.toSubpathPolygons();
    for (const QPolygonF &polygon : polygons) {
        DashWalker dash(dashPattern(style));
        QPolygon points;
        for (const QPointF &point : polygon) {
            const QPoint pixel = pixelOf(point);
            if (points.isEmpty() || points.last() != pixel)
                points.append(pixel);
        }
        if (closed && points.size() > 1 && points.first() != points.last())
            points.append(points.first());
        if (points.size() == 1 && closed)
            pixels.push_back(points.first());
        for (qsizetype i = 1; i < points.size(); ++i)
            appendLinePixels(points[i - 1], points[i], dash, pixels);
    }
    return pixels;
}

void fillPixels(QPainter &painter, std::vector<QPoint> pixels, const QColor &color)
{
    std::sort(pixels.begin(), pixels.end(),
              [](QPoint a, QPoint b) { return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x(); });
    pixels.erase(std::unique(pixels.begin(), pixels.end()), pixels.end());
    for (size_t i = 0; i < pixels.size();) {
        size_t end = i + 1;
        while (end < pixels.size() && pixels[end].y() == pixels[i].y() &&
               pixels[end].x() == pixels[end - 1].x() + 1)
            ++end;
        painter.fillRect(QRect(pixels[i].x(), pixels[i].y(), int(end - i), 1), color);
        i = end;
    }
}

QBrush toQBrush(const CanvasBrush &brush)
{
    if (brush.pattern) {
        QImage tile(8, 8, QImage::Format_RGB32);
        const QRgb zero = rgb(brush.color).rgb();
        const QRgb one = rgb(brush.patternBackColor).rgb();
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                tile.setPixel(x, y, ((*brush.pattern)[y] & (0x80 >> x)) ? one : zero);
        return QBrush(tile);
    }
    switch (brush.style) {
    case BrushStyle::bsSolid:
        return QBrush(rgb(brush.color));
    case BrushStyle::bsClear:
        return QBrush();
    case BrushStyle::bsHorizontal:
        return QBrush(rgb(brush.color), Qt::HorPattern);
    case BrushStyle::bsVertical:
        return QBrush(rgb(brush.color), Qt::VerPattern);
    case BrushStyle::bsFDiagonal:
        return QBrush(rgb(brush.color), Qt::FDiagPattern);
    case BrushStyle::bsBDiagonal:
        return QBrush(rgb(brush.color), Qt::BDiagPattern);
    case BrushStyle::bsCross:
        return QBrush(rgb(brush.color), Qt::CrossPattern);
    case BrushStyle::bsDiagCross:
        return QBrush(rgb(brush.color), Qt::DiagCrossPattern);
    }
    return QBrush();
}

QPainter::CompositionMode compositionFor(PenMode mode)
{
    switch (mode) {
    case PenMode::pmBlack:
        return QPainter::RasterOp_ClearDestination;
    case PenMode::pmWhite:
        return QPainter::RasterOp_SetDestination;
    case PenMode::pmNot:
        return QPainter::RasterOp_NotDestination;
    case PenMode::pmNotCopy:
        return QPainter::RasterOp_NotSource;
    case PenMode::pmMergePenNot:
        return QPainter::RasterOp_SourceOrNotDestination;
    case PenMode::pmMaskPenNot:
        return QPainter::RasterOp_SourceAndNotDestination;
    case PenMode::pmMergeNotPen:
        return QPainter::RasterOp_NotSourceOrDestination;
    case PenMode::pmMaskNotPen:
        return QPainter::RasterOp_NotSourceAndDestination;
    case PenMode::pmMerge:
        return QPainter::RasterOp_SourceOrDestination;
    case PenMode::pmNotMerge:
        return QPainter::RasterOp_NotSourceAndNotDestination;
    case PenMode::pmMask:
        return QPainter::RasterOp_SourceAndDestination;
    case PenMode::pmNotMask:
        return QPainter::RasterOp_NotSourceOrNotDestination;
    case PenMode::pmXor:
        return QPainter::RasterOp_SourceXorDestination;
    case PenMode::pmNotXor:
        return QPainter::RasterOp_NotSourceXorDestination;
    case PenMode::pmNop:
    case PenMode::pmCopy:
        break;
    }
    return QPainter::CompositionMode_SourceOver;
}

// Where a wide pen's centre line runs: an odd width is centred on the pixel, an even width on its
// top-left corner, so that the extra pixel goes above and to the left.
double penCentreOffset(int width)
{
    return width <= 1 || width % 2 ? 0.5 : 0.0;
}

// Em size over cell height of a family, for fonts asked for by their cell height.
double cellToEmRatio(const QFont &font)
{
    static QHash<QString, double> ratios;
    const QString key = font.family() + QLatin1Char('/') + QString::number(font.weight()) +
                        (font.italic() ? QLatin1String("i") : QLatin1String(""));
    const auto found = ratios.constFind(key);
    if (found != ratios.constEnd())
        return *found;
    QFont probe(font);
    probe.setPixelSize(1000);
    const QFontMetricsF metrics(probe);
    const double cell = metrics.ascent() + metrics.descent();
    const double ratio = cell > 0 ? 1000.0 / cell : 1.0;
    ratios.insert(key, ratio);
    return ratio;
}

int emSize(const CanvasFont &font, const QFont &qfont)
{
    if (font.height < 0)
        return -font.height;
    if (font.height == 0)
        return defaultCharacterHeight;
    return std::max(1, int(Round(font.height * cellToEmRatio(qfont))));
}

// The average width of lower-case text, weighted by letter frequency: the measure the classic
// fonts publish as their average character width (Arial's is 904 of 2048 units), which the
// metric-compatible fonts match although their own tables now average every glyph.
int averageCharWidth(const QFontMetrics &metrics)
{
    static constexpr std::pair<char, int> weights[] = {
        {'a', 64}, {'b', 14}, {'c', 27}, {'d', 35}, {'e', 100}, {'f', 20}, {'g', 14}, {'h', 42}, {'i', 63},
        {'j', 3},  {'k', 6},  {'l', 35}, {'m', 20}, {'n', 56},  {'o', 56}, {'p', 17}, {'q', 4},  {'r', 49},
        {'s', 56}, {'t', 71}, {'u', 31}, {'v', 10}, {'w', 18},  {'x', 3},  {'y', 18}, {'z', 2},  {' ', 166}};
    int sum = 0;
    for (const auto &[letter, weight] : weights) {
        if (!metrics.inFont(QLatin1Char(letter)))
            return metrics.averageCharWidth();
        sum += weight * metrics.horizontalAdvance(QLatin1Char(letter));
    }
    return int(Round(sum / 1000.0));
}

} // namespace

CanvasBrush CanvasBrush::Pattern(const std::array<quint8, 8> &rows, TColor zeroBits, TColor oneBits)
{
    CanvasBrush brush;
    brush.color = zeroBits;
    brush.pattern = rows;
    brush.patternBackColor = oneBits;
    return brush;
}

Canvas::Canvas(QPaintDevice *device)
    : ownPainter_(std::make_unique<QPainter>(device))
    , painter_(ownPainter_.get())
{
    setUp();
}

Canvas::Canvas(QPainter &painter)
    : painter_(&painter)
{
    // The owner gets its painter back as it handed it over.
    painter_->save();
    setUp();
}

Canvas::~Canvas()
{
    if (!ownPainter_)
        painter_->restore();
}

void Canvas::setUp()
{
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, true);
}

TextAlign Canvas::SetTextAlign(TextAlign align)
{
    return std::exchange(state_.textAlign, align);
}

BackgroundMode Canvas::SetBkMode(BackgroundMode mode)
{
    return std::exchange(state_.backgroundMode, mode);
}

PolyFillMode Canvas::SetPolyFillMode(PolyFillMode mode)
{
    return std::exchange(state_.polyFillMode, mode);
}

void Canvas::Save()
{
    saved_.push_back(state_);
}

void Canvas::Restore()
{
    if (saved_.empty())
        return;
    state_ = std::move(saved_.back());
    saved_.pop_back();
    applyClip();
}

bool Canvas::penVisible() const
{
    return state_.pen.style != PenStyle::psClear;
}

bool Canvas::brushVisible() const
{
    return state_.brush.pattern || state_.brush.style != BrushStyle::bsClear;
}

void Canvas::MoveTo(int x, int y)
{
    state_.penPos = {x, y};
}

void Canvas::LineTo(int x, int y)
{
    drawOpenLine(QPolygon{toDevice(state_.penPos.x(), state_.penPos.y()), toDevice(x, y)});
    state_.penPos = {x, y};
}

void Canvas::Polyline(const QPolygon &points)
{
    drawOpenLine(points.translated(state_.origin));
}

void Canvas::drawOpenLine(const QPolygon &devicePoints)
{
    if (devicePoints.size() < 2 || !penVisible())
        return;
    QPolygonF centre;
    const double offset = penCentreOffset(state_.pen.width);
    for (const QPoint &point : devicePoints)
        centre.append(QPointF(point) + QPointF(offset, offset));
    // A wide line stops one step short of its end as a thin one does, so that its round cap ends
    // on the last pixel a thin line would draw.
    if (state_.pen.width > 1) {
        const QPointF step = centre.last() - centre[centre.size() - 2];
        const double major = std::max(std::abs(step.x()), std::abs(step.y()));
        if (major > 0)
            centre.last() -= step / major;
    }
    Figure figure;
    QPainterPath path;
    path.addPolygon(centre);
    figure.outline = Outline{path, false};
    drawFigure(figure);
}

void Canvas::Polygon(const QPolygon &points)
{
    if (points.size() < 2)
        return;
    const QPolygon device = points.translated(state_.origin);
    const Qt::FillRule rule =
        state_.polyFillMode == PolyFillMode::Winding ? Qt::WindingFill : Qt::OddEvenFill;
    Figure figure;
    if (brushVisible()) {
        QPainterPath fill;
        // Under a pen the area reaches to the centre of the outline; without one it covers the
        // pixels a polygon region would.
        const double offset = penVisible() ? 0.5 : 0.0;
        fill.addPolygon(QPolygonF(device).translated(offset, offset));
        fill.closeSubpath();
        fill.setFillRule(rule);
        figure.fill = fill;
    }
    if (penVisible()) {
        const double offset = penCentreOffset(state_.pen.width);
        QPainterPath outline;
        outline.addPolygon(QPolygonF(device).translated(offset, offset));
        outline.closeSubpath();
        figure.outline = Outline{outline, true};
    }
    drawFigure(figure);
}

void Canvas::Rectangle(int left, int top, int right, int bottom)
{
    drawBox(Box::Rectangle, left, top, right, bottom, 0, 0);
}

void Canvas::RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight)
{
    drawBox(Box::RoundRect, left, top, right, bottom, cornerWidth, cornerHeight);
}

void Canvas::Ellipse(int left, int top, int right, int bottom)
{
    drawBox(Box::Ellipse, left, top, right, bottom, 0, 0);
}

void Canvas::drawBox(Box kind, int left, int top, int right, int bottom, int cornerWidth, int cornerHeight)
{
    const QRect box = QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)).normalized();
    if (box.width() < 1 || box.height() < 1)
        return;
    const QRect device = box.translated(state_.origin);
    const auto addShape = [&](QPainterPath &path, const QRectF &rect, double inset) {
        switch (kind) {
        case Box::Rectangle:
            path.addRect(rect);
            break;
        case Box::RoundRect:
            path.addRoundedRect(rect, std::clamp(cornerWidth / 2.0 - inset, 0.0, rect.width() / 2),
                                std::clamp(cornerHeight / 2.0 - inset, 0.0, rect.height() / 2));
            break;
        case Box::Ellipse:
            path.addEllipse(rect);
            break;
        }
    };

    const int width = state_.pen.width;
    const bool insideFrame = state_.pen.style == PenStyle::psInsideFrame && width > 1;
    // The centre line of the outline: through the outer pixels for a normal pen, half a pen in
    // from the box for an inside frame.
    const QRectF boxF(device);
    const double offset = penCentreOffset(width);
    const QRectF centre = insideFrame ? boxF.adjusted(width / 2.0, width / 2.0, -width / 2.0, -width / 2.0)
                                      : QRectF(device.left() + offset, device.top() + offset,
                                               device.width() - 1, device.height() - 1);
    const double centreInset = insideFrame ? width / 2.0 : 0.5;

    Figure figure;
    if (brushVisible()) {
        if (penVisible())
            addShape(figure.fill, centre, centreInset);
        else
            addShape(figure.fill, boxF, 0);
    }
    if (penVisible()) {
        QPainterPath outline;
        addShape(outline, centre, centreInset);
        figure.outline = Outline{outline, true};
    }
    drawFigure(figure);
}

void Canvas::drawFigure(const Figure &figure)
{
    if (state_.pen.mode == PenMode::pmNop || (figure.fill.isEmpty() && !figure.outline))
        return;
    const auto draw = [&](QPainter &painter) {
        if (!figure.fill.isEmpty())
            fillArea(painter, figure.fill);
        if (figure.outline)
            strokeOutline(painter, *figure.outline);
    };
    if (state_.pen.mode == PenMode::pmCopy || !isRaster(*painter_) ||
        !painter_->worldTransform().isIdentity()) {
        draw(*painter_);
        return;
    }

    // Other modes combine each pixel of the figure once with what is there: the figure is drawn
    // on a layer of its own and combined through a mask of the pixels it covers.
    const int reach = std::max(state_.pen.width, 1) + 2;
    QRectF extent = figure.fill.boundingRect();
    if (figure.outline)
        extent |= figure.outline->centreLine.boundingRect().adjusted(-reach, -reach, reach, reach);
    const QRect deviceRect(QPoint(0, 0), QSize(painter_->device()->width(), painter_->device()->height()));
    const QRect bounds = extent.toAlignedRect().adjusted(-1, -1, 1, 1) & deviceRect;
    if (bounds.isEmpty())
        return;
    QImage layer(bounds.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter layerPainter(&layer);
        layerPainter.translate(-bounds.topLeft());
        draw(layerPainter);
    }
    const QRegion covered = QRegion(QBitmap::fromImage(layer.createAlphaMask())).translated(bounds.topLeft());
    painter_->save();
    painter_->setClipRegion(covered, painter_->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    painter_->setCompositionMode(compositionFor(state_.pen.mode));
    painter_->drawImage(bounds.topLeft(), layer);
    painter_->restore();
}

void Canvas::fillArea(QPainter &painter, const QPainterPath &area) const
{
    painter.fillPath(area, toQBrush(state_.brush));
}

void Canvas::strokeOutline(QPainter &painter, const Outline &outline) const
{
    const CanvasPen &pen = state_.pen;
    const QColor color = rgb(pen.color);
    const PenStyle style = pen.style == PenStyle::psInsideFrame ? PenStyle::psSolid : pen.style;
    const int width = std::max(pen.width, 1);
    if (isRaster(painter) && width == 1) {
        fillPixels(painter, thinOutlinePixels(outline.centreLine, outline.closed, style), color);
        return;
    }

    QPen qpen(color, pen.width <= 0 ? 0.0 : double(width));
    qpen.setJoinStyle(Qt::MiterJoin);
    const std::vector<int> dashes = dashPattern(style);
    if (dashes.empty()) {
        qpen.setCapStyle(outline.closed || width == 1 ? Qt::FlatCap : Qt::RoundCap);
    } else {
        // The pixel patterns hold up to three pixels of width and grow with the pen beyond that.
        const double unit = std::max(3, width) / 3.0 / width;
        QList<qreal> lengths;
        for (int length : dashes)
            lengths.append(length * unit);
        qpen.setDashPattern(lengths);
        qpen.setCapStyle(Qt::FlatCap);
    }
    if (isRaster(painter)) {
        QPainterPathStroker stroker(qpen);
        painter.fillPath(stroker.createStroke(outline.centreLine), color);
    } else {
        painter.strokePath(outline.centreLine, qpen);
    }
}

void Canvas::FillRect(int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top)
        return;
    painter_->fillRect(QRect(toDevice(left, top), QSize(right - left, bottom - top)), toQBrush(state_.brush));
}

void Canvas::PatBlt(int left, int top, int right, int bottom, PatternRop rop)
{
    if (right <= left || bottom <= top)
        return;
    painter_->save();
    switch (rop) {
    case PatternRop::PatCopy:
        break;
    case PatternRop::PatAndDst:
        painter_->setCompositionMode(QPainter::RasterOp_SourceAndDestination);
        break;
    case PatternRop::PatInvert:
        painter_->setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        break;
    }
    painter_->fillRect(QRect(toDevice(left, top), QSize(right - left, bottom - top)), toQBrush(state_.brush));
    painter_->restore();
}

void Canvas::DrawFocusRect(int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top)
        return;
    const CanvasBrush saved = state_.brush;
    state_.brush = CanvasBrush::Pattern({0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55}, Colors::clWhite,
                                        Colors::clBlack);
    // Four edges that do not overlap, so that each pixel is inverted once.
    PatBlt(left, top, right, top + 1, PatternRop::PatInvert);
    if (bottom - top > 1)
        PatBlt(left, bottom - 1, right, bottom, PatternRop::PatInvert);
    PatBlt(left, top + 1, left + 1, bottom - 1, PatternRop::PatInvert);
    if (right - left > 1)
        PatBlt(right - 1, top + 1, right, bottom - 1, PatternRop::PatInvert);
    state_.brush = saved;
}

void Canvas::StretchDraw(int left, int top, int right, int bottom, const QImage &image)
{
    if (left == right || top == bottom || image.isNull())
        return;
    const bool mirrorX = right < left;
    const bool mirrorY = bottom < top;
    // A mirrored destination runs from its first pixel down to the one after its end.
    const int x = mirrorX ? right + 1 : left;
    const int y = mirrorY ? bottom + 1 : top;
    const QRect target(toDevice(x, y), QSize(std::abs(right - left), std::abs(bottom - top)));
    painter_->drawImage(target, mirrorX || mirrorY ? image.mirrored(mirrorX, mirrorY) : image);
}

void Canvas::StretchDraw(int left, int top, int right, int bottom, const QPicture &picture)
{
    const QRect frame = picture.boundingRect();
    if (left == right || top == bottom || frame.isEmpty())
        return;
    const double scaleX = double(right - left) / frame.width();
    const double scaleY = double(bottom - top) / frame.height();
    const QPoint start = toDevice(right < left ? left + 1 : left, bottom < top ? top + 1 : top);
    // Playing scales a recording by the device's resolution over its own, to keep its size in
    // inches; the destination is in device pixels, so that scaling is taken back out.
    const QPaintDevice *device = painter_->device();
    const double resolutionX = double(picture.logicalDpiX()) / device->logicalDpiX();
    const double resolutionY = double(picture.logicalDpiY()) / device->logicalDpiY();
    painter_->save();
    painter_->translate(start);
    painter_->scale(scaleX * resolutionX, scaleY * resolutionY);
    painter_->translate(-frame.topLeft());
    painter_->drawPicture(0, 0, picture);
    painter_->restore();
}

QFont Canvas::ToQFont(const CanvasFont &font)
{
    CanvasFontCache &cache = CanvasFontCache::forThisThread();
    if (std::optional<QFont> known = cache.font(font))
        return *known;
    QFont qfont(font.name);
    qfont.setBold(font.style & fontStyleBit(FontStyle::fsBold));
    qfont.setItalic(font.style & fontStyleBit(FontStyle::fsItalic));
    qfont.setUnderline(font.style & fontStyleBit(FontStyle::fsUnderline));
    qfont.setStrikeOut(font.style & fontStyleBit(FontStyle::fsStrikeOut));
    if (font.pitch == FontPitch::fpFixed) {
        qfont.setFixedPitch(true);
        qfont.setStyleHint(QFont::TypeWriter);
    }
    // Text is measured and placed glyph by glyph, without pair kerning or ligatures; scripts that
    // need shaping still get it. Symbol fonts keep the shaper, the only path that reads their
    // character maps.
    qfont.setKerning(false);
    if (!SymbolFonts::isSymbolFont(font.name) &&
        !QFontDatabase::writingSystems(font.name).contains(QFontDatabase::Symbol))
        qfont.setStyleStrategy(QFont::PreferNoShaping);
    qfont.setPixelSize(emSize(font, qfont));
    cache.keepFont(font, qfont);
    return qfont;
}

int Canvas::deviceResolution() const
{
    const QPaintDevice *device = painter_->device();
    return device->logicalDpiX() << 16 | device->logicalDpiY();
}

TextMetrics Canvas::GetTextMetrics() const
{
    CanvasFontCache &cache = CanvasFontCache::forThisThread();
    if (std::optional<TextMetrics> known = cache.metrics(state_.font, deviceResolution()))
        return *known;
    const QFont font = SymbolFonts::forDrawing(ToQFont(state_.font), {}).font;
    const QFontMetrics metrics(font, painter_->device());
    TextMetrics result;
    result.tmAscent = metrics.ascent();
    result.tmDescent = metrics.descent();
    result.tmHeight = result.tmAscent + result.tmDescent;
    result.tmInternalLeading = std::max(0, result.tmHeight - font.pixelSize());
    result.tmExternalLeading = std::max(0, metrics.leading());
    result.tmAveCharWidth = averageCharWidth(metrics);
    cache.keepMetrics(state_.font, deviceResolution(), result);
    return result;
}

int Canvas::shownTextWidth(const QFontMetrics &metrics, const QString &logicalText,
                           const QString &shownText) const
{
    CanvasFontCache &cache = CanvasFontCache::forThisThread();
    if (std::optional<int> known = cache.width(state_.font, deviceResolution(), logicalText))
        return *known;
    const int width = metrics.horizontalAdvance(shownText);
    cache.keepWidth(state_.font, deviceResolution(), logicalText, width);
    return width;
}

QSize Canvas::TextExtent(const QString &text) const
{
    const SymbolFonts::DeviceText shown = SymbolFonts::forDrawing(ToQFont(state_.font), text);
    const QFontMetrics metrics(shown.font, painter_->device());
    return {shownTextWidth(metrics, text, shown.text), metrics.ascent() + metrics.descent()};
}

QPoint Canvas::textCell(const QFontMetrics &metrics, int textWidth) const
{
    QPoint cell;
    switch (state_.textAlign.horizontal) {
    case TextHorizontal::Left:
        break;
    case TextHorizontal::Center:
        cell.setX(-(textWidth / 2));
        break;
    case TextHorizontal::Right:
        cell.setX(-textWidth);
        break;
    }
    switch (state_.textAlign.vertical) {
    case TextVertical::Top:
        break;
    case TextVertical::Baseline:
        cell.setY(-metrics.ascent());
        break;
    case TextVertical::Bottom:
        cell.setY(-(metrics.ascent() + metrics.descent()));
        break;
    }
    return cell;
}

QPainterPath Canvas::TextPath(int x, int y, const QString &text) const
{
    const SymbolFonts::DeviceText shown = SymbolFonts::forDrawing(ToQFont(state_.font), text);
    const QFontMetrics metrics(shown.font, painter_->device());
    QPainterPath path;
    path.addText(textCell(metrics, metrics.horizontalAdvance(shown.text)) + QPoint(0, metrics.ascent()),
                 shown.font, shown.text);
    QTransform place;
    place.translate(x, y);
    place.rotate(-state_.font.escapement / 10.0);
    return place.map(path);
}

void Canvas::TextOut(int x, int y, const QString &text)
{
    drawText(x, y, text, std::nullopt);
}

void Canvas::TextRect(int left, int top, int right, int bottom, int x, int y, const QString &text)
{
    const QRect clip(toDevice(left, top), QSize(std::max(0, right - left), std::max(0, bottom - top)));
    painter_->save();
    painter_->setClipRect(clip, painter_->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    drawText(x, y, text, clip);
    painter_->restore();
}

void Canvas::drawText(int x, int y, const QString &logicalText, const std::optional<QRect> &opaqueRect)
{
    const bool opaque =
        state_.backgroundMode == BackgroundMode::Opaque && state_.brush.style != BrushStyle::bsClear;
    const SymbolFonts::DeviceText shown = SymbolFonts::forDrawing(ToQFont(state_.font), logicalText);
    const QFont &font = shown.font;
    const QString &text = shown.text;
    const QFontMetrics metrics(font, painter_->device());
    // Left-aligned text over a transparent background is placed without being measured.
    const bool measured = state_.textAlign.horizontal != TextHorizontal::Left || (opaque && !opaqueRect);
    const int width = measured ? shownTextWidth(metrics, logicalText, text) : 0;
    const QPoint cell = textCell(metrics, width);

    if (opaque && opaqueRect)
        painter_->fillRect(*opaqueRect, rgb(state_.brush.color));
    painter_->save();
    painter_->translate(toDevice(x, y));
    if (state_.font.escapement != 0)
        painter_->rotate(-state_.font.escapement / 10.0);
    if (opaque && !opaqueRect)
        painter_->fillRect(QRect(cell, QSize(width, metrics.ascent() + metrics.descent())),
                           rgb(state_.brush.color));
    const QPoint baseline = cell + QPoint(0, metrics.ascent());
    if (keepsTextAsText(*painter_)) {
        painter_->setFont(font);
        painter_->setPen(rgb(state_.font.color));
        painter_->drawText(baseline, text);
    } else {
        // Recordings get the glyph outlines: played on a device of another resolution, a recorded
        // text would have its font rescaled on top of the painter's own scaling.
        QPainterPath glyphs;
        glyphs.addText(baseline, font, text);
        painter_->fillPath(glyphs, rgb(state_.font.color));
    }
    painter_->restore();
}

void Canvas::FillPath(const QPainterPath &path)
{
    if (!brushVisible())
        return;
    Figure figure;
    figure.fill = path.translated(state_.origin);
    drawFigure(figure);
}

void Canvas::StrokePath(const QPainterPath &path)
{
    if (!penVisible())
        return;
    Figure figure;
    // Closed subpaths, as in text outlines, come back to their start by themselves.
    figure.outline = Outline{path.translated(state_.origin), false};
    drawFigure(figure);
}

QPainterPath Canvas::RectRegion(int left, int top, int right, int bottom)
{
    QPainterPath region;
    region.addRect(QRectF(QPointF(left, top), QPointF(right, bottom)).normalized());
    return region;
}

QPainterPath Canvas::RoundRectRegion(int left, int top, int right, int bottom, int cornerWidth,
                                     int cornerHeight)
{
    const QRectF rect = QRectF(QPointF(left, top), QPointF(right, bottom)).normalized();
    QPainterPath region;
    region.addRoundedRect(rect, std::clamp(cornerWidth / 2.0, 0.0, rect.width() / 2),
                          std::clamp(cornerHeight / 2.0, 0.0, rect.height() / 2));
    return region;
}

QPainterPath Canvas::EllipticRegion(int left, int top, int right, int bottom)
{
    QPainterPath region;
    region.addEllipse(QRectF(QPointF(left, top), QPointF(right, bottom)).normalized());
    return region;
}

QPainterPath Canvas::PolygonRegion(const QPolygon &points, PolyFillMode mode)
{
    QPainterPath region;
    region.addPolygon(QPolygonF(points));
    region.closeSubpath();
    region.setFillRule(mode == PolyFillMode::Winding ? Qt::WindingFill : Qt::OddEvenFill);
    return region;
}

void Canvas::SetClipRegion(const QPainterPath &deviceRegion)
{
    state_.clip = deviceRegion;
    applyClip();
}

void Canvas::SetClipPath(const QPainterPath &logicalPath)
{
    SetClipRegion(logicalPath.translated(state_.origin));
}

void Canvas::RemoveClip()
{
    state_.clip.reset();
    applyClip();
}

void Canvas::applyClip()
{
    if (state_.clip)
        painter_->setClipPath(*state_.clip);
    else
        painter_->setClipping(false);
}
