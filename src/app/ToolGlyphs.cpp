#include "app/ToolGlyphs.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <cmath>

namespace {
constexpr int GlyphSize = 24;
const QColor Ink(0x20, 0x30, 0x50);
const QColor Accent(0x1E, 0x6F, 0xC8);

void drawText(QPainter &p, const QRectF &box, const QString &text, int pixelSize, bool bold = true)
{
    QFont font(QStringLiteral("Liberation Serif"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    p.setFont(font);
    p.drawText(box, Qt::AlignCenter, text);
}

void drawPointer(QPainter &p)
{
    QPainterPath arrow;
    arrow.moveTo(7, 3);
    arrow.lineTo(7, 19);
    arrow.lineTo(11, 15);
    arrow.lineTo(14, 21);
    arrow.lineTo(16.5, 20);
    arrow.lineTo(13.5, 14);
    arrow.lineTo(19, 14);
    arrow.closeSubpath();
    p.setBrush(Qt::white);
    p.drawPath(arrow);
}

void drawStar(QPainter &p, QPointF centre, double outer, double inner)
{
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 ? inner : outer;
        const double angle = -M_PI / 2 + i * M_PI / 5;
        star << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    p.drawPolygon(star);
}

void drawGlyph(QPainter &p, ToolGlyph glyph)
{
    p.setPen(QPen(Ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    switch (glyph) {
    case ToolGlyph::Pointer:
        drawPointer(p);
        break;
    case ToolGlyph::Text:
        drawText(p, QRectF(0, 0, 24, 24), QStringLiteral("A"), 20);
        break;
    case ToolGlyph::MultiLineText:
        for (int y = 6; y <= 18; y += 4)
            p.drawLine(QPointF(4, y), QPointF(y == 18 ? 14 : 20, y));
        break;
    case ToolGlyph::Counter:
        drawText(p, QRectF(0, 0, 24, 24), QStringLiteral("123"), 11);
        break;
    case ToolGlyph::Symbol:
        p.setBrush(QColor(0xFF, 0xD8, 0x4A));
        p.drawEllipse(QRectF(4, 4, 16, 16));
        p.setBrush(Ink);
        p.drawEllipse(QRectF(8.5, 9, 1.8, 1.8));
        p.drawEllipse(QRectF(13.7, 9, 1.8, 1.8));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(8, 9, 8, 7), 200 * 16, 140 * 16);
        break;
    case ToolGlyph::Rectangle:
        p.drawRect(QRectF(4, 6, 16, 12));
        break;
    case ToolGlyph::Ellipse:
        p.drawEllipse(QRectF(3, 6, 18, 12));
        break;
    case ToolGlyph::RoundRectangle:
        p.drawRoundedRect(QRectF(4, 6, 16, 12), 4, 4);
        break;
    case ToolGlyph::Line:
        p.drawLine(QPointF(5, 19), QPointF(19, 5));
        break;
    case ToolGlyph::Image: {
        p.drawRect(QRectF(3, 5, 18, 14));
        p.setBrush(QColor(0x4C, 0xA0, 0x50));
        p.drawPolygon(
            QPolygonF({QPointF(4, 18), QPointF(10, 10), QPointF(14, 15), QPointF(16, 12), QPointF(20, 18)}));
        p.setBrush(QColor(0xFF, 0xC1, 0x07));
        p.drawEllipse(QRectF(15, 7, 3, 3));
        break;
    }
    case ToolGlyph::SuperShape:
        p.setBrush(Accent);
        drawStar(p, QPointF(12, 12.5), 9.5, 4);
        break;
    case ToolGlyph::RichText: {
        QFont font(QStringLiteral("Liberation Serif"));
        font.setPixelSize(15);
        font.setBold(true);
        p.setFont(font);
        p.setPen(QColor(0xC6, 0x28, 0x28));
        p.drawText(QRectF(1, 2, 12, 20), Qt::AlignCenter, QStringLiteral("R"));
        font.setItalic(true);
        p.setFont(font);
        p.setPen(Accent);
        p.drawText(QRectF(11, 2, 12, 20), Qt::AlignCenter, QStringLiteral("t"));
        break;
    }
    case ToolGlyph::SuperText: {
        QLinearGradient fill(0, 3, 0, 21);
        fill.setColorAt(0, QColor(0xE5, 0x39, 0x35));
        fill.setColorAt(1, QColor(0x1E, 0x6F, 0xC8));
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(21);
        font.setBold(true);
        QPainterPath letter;
        letter.addText(5, 20, font, QStringLiteral("S"));
        p.setPen(QPen(Ink, 0.8));
        p.setBrush(fill);
        p.drawPath(letter);
        break;
    }
    case ToolGlyph::CircleText: {
        p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1, Qt::DotLine));
        p.drawEllipse(QRectF(5, 7, 14, 14));
        QFont font(QStringLiteral("Liberation Sans"));
        font.setPixelSize(8);
        font.setBold(true);
        p.setFont(font);
        p.setPen(Ink);
        const QString letters = QStringLiteral("ABCD");
        for (int i = 0; i < letters.size(); ++i) {
            p.save();
            p.translate(12, 14);
            p.rotate(-66 + 44 * i);
            p.drawText(QRectF(-4, -13, 8, 8), Qt::AlignCenter, letters.mid(i, 1));
            p.restore();
        }
        break;
    }
    case ToolGlyph::Grid:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x00, 0x80, 0x00));
        for (int y = 5; y <= 19; y += 4)
            for (int x = 5; x <= 19; x += 4)
                p.drawEllipse(QRectF(x - 1, y - 1, 2, 2));
        break;
    case ToolGlyph::Snap:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x00, 0x80, 0x00));
        for (int y = 5; y <= 19; y += 7)
            for (int x = 5; x <= 19; x += 7)
                p.drawEllipse(QRectF(x - 1.2, y - 1.2, 2.4, 2.4));
        p.setPen(QPen(Ink, 1.4));
        p.setBrush(QColor(0xBB, 0xDE, 0xFB));
        p.drawRect(QRectF(5, 5, 7, 7));
        break;
    case ToolGlyph::Art:
        p.setPen(QPen(QColor(0x90, 0x90, 0x90), 1.4));
        p.drawRoundedRect(QRectF(3, 3, 18, 18), 2, 2);
        p.drawRoundedRect(QRectF(6, 6, 12, 5), 1.5, 1.5);
        p.drawRoundedRect(QRectF(6, 13, 12, 5), 1.5, 1.5);
        break;
    case ToolGlyph::MouseHelp:
        drawPointer(p);
        p.setPen(Accent);
        drawText(p, QRectF(12, 0, 12, 14), QStringLiteral("?"), 12);
        break;
    }
}
} // namespace

QIcon toolGlyph(ToolGlyph glyph)
{
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0}) {
        QPixmap pixmap(QSize(GlyphSize, GlyphSize) * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        drawGlyph(painter, glyph);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
