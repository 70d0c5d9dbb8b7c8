#pragma once

#include <QFont>
#include <QPainterPath>
#include <QPoint>
#include <QPolygon>
#include <QSize>
#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <vector>

#include "platform/Color.h"
#include "platform/GraphicsTypes.h"

class QFontMetrics;
class QImage;
class QPaintDevice;
class QPainter;
class QPicture;

// A device context on top of QPainter: the drawing rules of the label objects are written for an
// old-style device context, and this class gives them those semantics on any QPaintDevice (a QImage,
// the panel's back buffer, a QPicture recording, a printer).
//
// Coordinates are whole pixels. Rectangles are (left, top, right, bottom) with right and bottom
// exclusive: Rectangle(0, 0, 10, 10) with a 1-pixel pen covers pixels 0..9. Shapes are filled with
// the brush and outlined with the pen; the fill never shows outside the outline.
//
// Logical coordinates are device coordinates minus Origin(), so an object draws in its own
// coordinates while the canvas draws on the panel. Clip regions are always in device coordinates.
//
// Pens: width 0 is the thinnest line, one pixel on raster devices and one device dot wherever a
// recording is played; width 1 is one pixel too but scales with a recording. A wider pen is centred on the
// outline (an even width puts the extra pixel above and to the left); psInsideFrame keeps the stroke inside a
// shape's box. Open lines exclude their end pixel. Dash styles use 18-6, 3-3, 9-6-3-6 and 9-3-3-3-3-3 pixel
// patterns, scaled up for pens wider than 3. Pen modes other than copy act on the pixels of raster devices (a
// XOR figure drawn twice restores them); recordings and printers draw them as copy. The mode applies to the
// brush fill of shapes as well, each pixel being combined once.
//
// Brushes: solid, clear, the six hatch styles (hatch gaps stay transparent) and 8 x 8 monochrome
// patterns. All patterns are anchored at the device origin.
//
// Text: the font height is in pixels, negative for the character (em) height, positive for the cell
// height (ascent + descent). TextOut places text by the text alignment, by default the top-left
// corner of its cell at the given point; an escapement turns it counter-clockwise about that point.
// The text background is painted in the brush colour unless the brush is clear or the background
// mode is transparent. Pen modes do not apply to text. On recordings text is drawn as glyph
// outlines, so that a recording scales like the rest of its drawing; screens, images and PDF pages
// (printers included) get real text.

struct CanvasPen
{
    TColor color = Colors::clBlack;
    int width = 1;
    PenStyle style = PenStyle::psSolid;
    PenMode mode = PenMode::pmCopy;
};

struct CanvasBrush
{
    TColor color = Colors::clWhite;
    BrushStyle style = BrushStyle::bsSolid;
    // An 8 x 8 monochrome pattern, one byte per row, the most significant bit leftmost. When set it
    // replaces the style: 0 bits take `color`, 1 bits take `patternBackColor`.
    std::optional<std::array<quint8, 8>> pattern;
    TColor patternBackColor = Colors::clWhite;

    static CanvasBrush Pattern(const std::array<quint8, 8> &rows, TColor zeroBits, TColor oneBits);
};

struct CanvasFont
{
    QString name = QStringLiteral("Arial");
    int height = -13; // pixels: < 0 character height, > 0 cell height, 0 the default (13-pixel characters)
    FontStyles style = 0;
    TColor color = Colors::clBlack;
    FontPitch pitch = FontPitch::fpDefault;
    int escapement = 0; // tenths of a degree, counter-clockwise
};

struct TextMetrics
{
    int tmHeight = 0; // tmAscent + tmDescent
    int tmAscent = 0;
    int tmDescent = 0;
    int tmInternalLeading = 0; // tmHeight less the character height
    int tmExternalLeading = 0;
    int tmAveCharWidth = 0;
};

enum class TextHorizontal { Left, Center, Right };
enum class TextVertical { Top, Baseline, Bottom };
struct TextAlign
{
    TextHorizontal horizontal = TextHorizontal::Left;
    TextVertical vertical = TextVertical::Top;
};

enum class BackgroundMode { Transparent, Opaque };
enum class PolyFillMode { Alternate, Winding };

// How PatBlt combines the brush with what is there.
enum class PatternRop {
    PatCopy,   // the brush
    PatAndDst, // destination AND brush
    PatInvert  // destination XOR brush
};

class Canvas
{
public:
    // Paints on the device through a painter of its own, ended with the canvas.
    explicit Canvas(QPaintDevice *device);
    // Paints through a painter that someone else owns, whose state comes back when the canvas goes;
    // device coordinates are the painter's coordinates at this point.
    explicit Canvas(QPainter &painter);
    ~Canvas();
    Canvas(const Canvas &) = delete;
    Canvas &operator=(const Canvas &) = delete;

    const CanvasPen &Pen() const { return state_.pen; }
    void SetPen(const CanvasPen &pen) { state_.pen = pen; }
    const CanvasBrush &Brush() const { return state_.brush; }
    void SetBrush(const CanvasBrush &brush) { state_.brush = brush; }
    const CanvasFont &Font() const { return state_.font; }
    void SetFont(const CanvasFont &font) { state_.font = font; }
    TextAlign SetTextAlign(TextAlign align);
    BackgroundMode SetBkMode(BackgroundMode mode);
    PolyFillMode SetPolyFillMode(PolyFillMode mode);

    QPoint Origin() const { return state_.origin; }
    void SetOrigin(QPoint deviceOffset) { state_.origin = deviceOffset; }

    // Pushes or pops pen, brush, font, text alignment, modes, origin, pen position and clip.
    void Save();
    void Restore();

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    QPoint PenPos() const { return state_.penPos; }
    void Polyline(const QPolygon &points);
    void Polygon(const QPolygon &points);
    void Rectangle(int left, int top, int right, int bottom);
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void Ellipse(int left, int top, int right, int bottom);
    // The brush alone, in copy mode; an inverted rectangle fills nothing.
    void FillRect(int left, int top, int right, int bottom);
    void PatBlt(int left, int top, int right, int bottom, PatternRop rop);
    // The dotted XOR frame of keyboard focus; drawing it again removes it.
    void DrawFocusRect(int left, int top, int right, int bottom);

    // Copies the whole image or recording into the destination, flipped horizontally when right <
    // left and vertically when bottom < top; (width - 1, 0, -1, height) covers the same pixels as
    // (0, 0, width, height), mirrored. Images are scaled by pixel replication. A recording's frame
    // (its boundingRect()) is mapped onto the destination pixels whatever the device's resolution.
    void StretchDraw(int left, int top, int right, int bottom, const QImage &image);
    void StretchDraw(int left, int top, int right, int bottom, const QPicture &picture);

    void TextOut(int x, int y, const QString &text);
    // TextOut clipped to the rectangle; an opaque background fills the whole rectangle.
    void TextRect(int left, int top, int right, int bottom, int x, int y, const QString &text);
    QSize TextExtent(const QString &text) const;
    int TextWidth(const QString &text) const { return TextExtent(text).width(); }
    int TextHeight(const QString &text) const { return TextExtent(text).height(); }
    TextMetrics GetTextMetrics() const;
    // The outline of the text as TextOut would place it, in logical coordinates.
    QPainterPath TextPath(int x, int y, const QString &text) const;

    // Fill with the brush or stroke with the pen a path in logical coordinates.
    void FillPath(const QPainterPath &path);
    void StrokePath(const QPainterPath &path);

    // Clip regions, device coordinates, combined with QPainterPath's united(), subtracted(), ...
    static QPainterPath RectRegion(int left, int top, int right, int bottom);
    static QPainterPath RoundRectRegion(int left, int top, int right, int bottom, int cornerWidth,
                                        int cornerHeight);
    static QPainterPath EllipticRegion(int left, int top, int right, int bottom);
    static QPainterPath PolygonRegion(const QPolygon &points, PolyFillMode mode);
    void SetClipRegion(const QPainterPath &deviceRegion);
    // Clips to a path in logical coordinates, such as a TextPath.
    void SetClipPath(const QPainterPath &logicalPath);
    void RemoveClip();

    // The Qt font the canvas font stands for.
    static QFont ToQFont(const CanvasFont &font);

private:
    struct State
    {
        CanvasPen pen;
        CanvasBrush brush;
        CanvasFont font;
        TextAlign textAlign;
        BackgroundMode backgroundMode = BackgroundMode::Opaque;
        PolyFillMode polyFillMode = PolyFillMode::Alternate;
        QPoint origin;
        QPoint penPos;
        std::optional<QPainterPath> clip;
    };
    struct Outline
    {
        QPainterPath centreLine; // device coordinates, pixel centres at half-integers
        bool closed = true;
    };
    struct Figure
    {
        QPainterPath fill;
        std::optional<Outline> outline;
    };
    enum class Box { Rectangle, RoundRect, Ellipse };

    void setUp();
    // The device's horizontal and vertical resolution in one number, for caching measures.
    int deviceResolution() const;
    // The width of the text as drawn (shownText, after any symbol mapping) in the current font.
    int shownTextWidth(const QFontMetrics &metrics, const QString &logicalText,
                       const QString &shownText) const;
    QPoint toDevice(int x, int y) const { return {x + state_.origin.x(), y + state_.origin.y()}; }
    bool penVisible() const;
    bool brushVisible() const;
    void drawBox(Box kind, int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void drawOpenLine(const QPolygon &devicePoints);
    void drawFigure(const Figure &figure);
    void fillArea(QPainter &painter, const QPainterPath &area) const;
    void strokeOutline(QPainter &painter, const Outline &outline) const;
    void applyClip();
    // Top-left corner of the text's cell relative to its reference point, by the text alignment.
    QPoint textCell(const QFontMetrics &metrics, int textWidth) const;
    void drawText(int x, int y, const QString &text, const std::optional<QRect> &opaqueRect);

    std::unique_ptr<QPainter> ownPainter_;
    QPainter *painter_;
    State state_;
    std::vector<State> saved_;
};
