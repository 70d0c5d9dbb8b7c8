#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QPicture>

#include "document/TGLabelObjectFiler.h"
#include "objects/text/TGPLabel.h"
#include "platform/Canvas.h"
#include "platform/ColorDialog.h"
#include "platform/FontDialog.h"
#include "platform/Numbers.h"
#include "platform/Report.h"
#include "platform/Screen.h"
#include "support/RecordingSurface.h"

namespace {

TGPLabel &place(RecordingSurface &surface, QRect bounds = QRect(10, 20, 142, 33))
{
    auto *label = static_cast<TGPLabel *>(surface.addObject(std::make_unique<TGPLabel>()));
    label->setBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    label->Loaded();
    return *label;
}

struct Measured
{
    int lineHeight;
    int textWidth;
};

// The line as the canvas measures it, to check the object against the rules independently.
Measured measure(const TGBaseLabel &label)
{
    QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
    Canvas canvas(&image);
    canvas.SetFont(label.canvasFont());
    const TextMetrics m = canvas.GetTextMetrics();
    return {m.tmHeight + m.tmInternalLeading + m.tmExternalLeading,
            canvas.TextWidth(label.caption() + QLatin1Char(' '))};
}

QImage render(TGBaseLabel &label, QSize size, QRgb background = 0xFFFFFFFF)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(background);
    Canvas canvas(&image);
    label.DrawLabel(canvas);
    return image;
}

bool isReddish(QRgb pixel)
{
    return qRed(pixel) > 160 && qGreen(pixel) < 110 && qBlue(pixel) < 110;
}
bool isDark(QRgb pixel)
{
    return qRed(pixel) < 100 && qGreen(pixel) < 100 && qBlue(pixel) < 100;
}

// The columns holding at least one pixel that passes the test.
std::pair<int, int> columnsWhere(const QImage &image, bool (*test)(QRgb))
{
    int first = image.width();
    int last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (test(image.pixel(x, y))) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

class RecordingReport : public Report
{
public:
    double xDpi() const override { return 600; }
    double yDpi() const override { return 600; }
    void setPen(const ReportPen &) override {}
    void setBrush(const ReportBrush &) override {}
    void moveTo(double, double) override {}
    void lineTo(double, double) override {}
    void rectangle(double, double, double, double) override {}
    void roundRect(double, double, double, double, double, double) override {}
    void ellipse(double, double, double, double) override {}
    void stretchPicture(const QRectF &inches, const QPicture &picture) override
    {
        targets.push_back(inches);
        pictures.push_back(picture);
    }
    void stretchImage(const QRectF &, const QImage &) override {}

    std::vector<QRectF> targets;
    std::vector<QPicture> pictures;
};

} // namespace

TEST(TGBaseLabel, ConstructedWithTheDocumentedStartValues)
{
    const TGPLabel label;
    EXPECT_EQ(label.caption(), QStringLiteral("Text"));
    EXPECT_EQ(label.boundsRect(), QRect(0, 0, 142, 33));
    EXPECT_EQ(label.font().name(), QStringLiteral("Arial"));
    EXPECT_EQ(label.font().size(), 10);
    EXPECT_EQ(label.font().height(), -13);
    EXPECT_EQ(label.font().color(), Colors::clBlack);
    EXPECT_EQ(label.alignment(), TAlignment::taLeftJustify);
    EXPECT_EQ(label.directionHighlight(), THighlightDirection::hdUpLeft);
    EXPECT_EQ(label.directionShadow(), TShadowDirection::sdDownRight);
    EXPECT_EQ(label.colorHighlight(), 0xFFFF00);
    EXPECT_EQ(label.colorShadow(), 0x808080);
    EXPECT_EQ(label.depthHighlight(), 0);
    EXPECT_EQ(label.depthShadow(), 0);
    EXPECT_EQ(label.angle(), 0);
    EXPECT_TRUE(label.transparent());
    EXPECT_EQ(label.backColor(), Colors::clWhite);
    EXPECT_EQ(label.borderStyle(), TBorderStyle::bsNone);
    EXPECT_EQ(label.shadowOffset(), QPoint(0, 0));
    EXPECT_EQ(label.highlightOffset(), QPoint(0, 0));
    EXPECT_TRUE(label.layoutStale());
}

TEST(TGBaseLabel, OffsetsFollowDirectionAndDepth)
{
    struct Case
    {
        int ordinal;
        QPoint shadow;
        QPoint highlight;
    };
    const Case cases[] = {{0, {0, 0}, {0, 0}},  {1, {3, 0}, {3, 0}},    {2, {-3, 0}, {-3, 0}},
                          {3, {3, 3}, {3, -3}}, {4, {-3, 3}, {-3, -3}}, {5, {0, 3}, {0, -3}}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.ordinal);
        TGPLabel label;
        label.setDepthShadow(3);
        label.setDepthHighlight(3);
        label.setDirectionShadow(TShadowDirection(c.ordinal));
        label.setDirectionHighlight(THighlightDirection(c.ordinal));
        EXPECT_EQ(label.shadowOffset(), c.shadow);
        EXPECT_EQ(label.highlightOffset(), c.highlight);
        label.setDepthShadow(0);
        EXPECT_EQ(label.shadowOffset(), QPoint(0, 0));
    }
}

TEST(TGBaseLabel, FirstLayoutFitsTheHeightToTheMeasuredLine)
{
    RecordingSurface surface;
    TGPLabel &label = place(surface);
    const Measured m = measure(label);
    label.UpdateLayout();
    EXPECT_FALSE(label.layoutStale());
    EXPECT_GE(label.height(), m.lineHeight);
    EXPECT_LE(label.height(), int(m.lineHeight * 1.2));
    EXPECT_EQ(label.width(), 142);
    EXPECT_EQ(label.layout().textRect, (EdgeRect{0, 0, 142, m.lineHeight}));
}

TEST(TGBaseLabel, ShadowAndHighlightLeaveBothCopiesUncut)
{
    RecordingSurface surface;
    TGPLabel &label = place(surface);
    label.setDirectionShadow(TShadowDirection::sdDownRight);
    label.setDepthShadow(3);
    label.setDirectionHighlight(THighlightDirection::hdUpLeft);
    label.setDepthHighlight(2);
    label.UpdateLayout();
    const int extent = measure(label).lineHeight + 5;
    EXPECT_EQ(label.layout().textOrigin, QPoint(2, 2));
    EXPECT_EQ(label.layout().highlightRect.left, 0);
    EXPECT_EQ(label.layout().highlightRect.top, 0);
    EXPECT_EQ(label.layout().shadowRect.bottom, extent);
    EXPECT_GE(label.height(), extent);
}

TEST(TGBaseLabel, ZoomScalesTheFontSizeTruncated)
{
    struct Case
    {
        float scale;
        int fontHeight;
        int canvasHeight;
    };
    const Case cases[] = {
        {1.0f, -13, -13},
        {1.5f, -13, -20},
        {0.75f, -13, -9},
        // At exactly 1.0 the stored height is used as it is, elsewhere its whole point size.
        {1.0f, -11, -11},
        {1.5f, -11, -16},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.scale);
        TGPLabel label;
        label.font().setHeight(c.fontHeight);
        label.setScale(c.scale);
        EXPECT_EQ(label.canvasFont().height, c.canvasHeight);
        EXPECT_EQ(label.canvasFont().name, QStringLiteral("Arial"));
    }
    TGPLabel zoomed;
    zoomed.setScale(1.5f);
    EXPECT_EQ(-MulDiv(zoomed.canvasFont().height, 72, Screen::pixelsPerInch()), 15);
}

TEST(TGBaseLabel, AngleTakesOnlyRightAnglesAndSwapsTheSides)
{
    RecordingSurface surface;
    TGPLabel &label = place(surface, QRect(0, 0, 142, 33));
    label.setAlignment(TAlignment::taCenter);
    label.setAngle(45);
    EXPECT_EQ(label.angle(), 0);
    EXPECT_EQ(label.boundsRect(), QRect(0, 0, 142, 33));
    EXPECT_EQ(label.alignment(), TAlignment::taCenter);

    label.setAngle(90);
    EXPECT_EQ(label.angle(), 90);
    EXPECT_EQ(label.boundsRect(), QRect(0, 0, 33, 142));
    EXPECT_EQ(label.alignment(), TAlignment::taLeftJustify);
    label.UpdateLayout();
    EXPECT_EQ(label.height(), int(measure(label).textWidth * 1.2));

    label.setAngle(270); // still sideways: no swap
    EXPECT_EQ(label.width() < label.height(), true);
    label.setAngle(0);
    EXPECT_GT(label.width(), label.height());
}

TEST(TGBaseLabel, TurningUpsideDownShrinksAWideBoxToTwiceTheText)
{
    RecordingSurface surface;
    TGPLabel &label = place(surface, QRect(0, 0, 300, 33));
    label.setAngle(180);
    label.UpdateLayout();
    EXPECT_EQ(label.width(), 2 * measure(label).textWidth);
}

TEST(TGBaseLabel, SettersReportChangesOnlyWhenTheValueChanges)
{
    RecordingSurface surface;
    TGPLabel &label = place(surface);
    label.UpdateLayout();
    surface.changes = 0;
    label.setBorderStyle(TBorderStyle::bsNone);
    label.setAlignment(TAlignment::taLeftJustify);
    label.setBackColor(Colors::clWhite);
    label.setTransparent(true);
    label.setCaption(QStringLiteral("Text"));
    EXPECT_EQ(surface.changes, 0);
    label.setBorderStyle(TBorderStyle::bsSingle);
    label.setAlignment(TAlignment::taRightJustify);
    label.setBackColor(Colors::clRed);
    label.setTransparent(false);
    label.setCaption(QStringLiteral("Other"));
    EXPECT_EQ(surface.changes, 5);

    label.UpdateLayout();
    label.setColorShadow(Colors::clRed);
    EXPECT_FALSE(label.layoutStale());
    label.setDepthShadow(2);
    EXPECT_TRUE(label.layoutStale());
}

TEST(TGBaseLabel, BoundsBelowOnePixelAreRaised)
{
    RecordingSurface surface;
    TGPLabel &label = place(surface);
    label.setBounds(0, 0, 0, -4);
    EXPECT_EQ(label.width(), 1);
    EXPECT_EQ(label.height(), 1);
}

TEST(TGBaseLabel, FitToTextGrowsButNeverShrinks)
{
    RecordingSurface surface;
    TGPLabel &label = place(surface, QRect(0, 0, 20, 10));
    label.setCaption(QStringLiteral("A longer caption"));
    label.UpdateLayout();
    label.FitToText();
    QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
    Canvas canvas(&image);
    canvas.SetFont(label.canvasFont());
    EXPECT_EQ(label.width(), canvas.TextWidth(QStringLiteral("A longer caption     ")));
    EXPECT_TRUE(label.layoutStale());

    label.setBounds(0, 0, 400, 60);
    label.FitToText();
    EXPECT_EQ(label.boundsRect(), QRect(0, 0, 400, 60));

    label.setAngle(90);
    const QRect turned = label.boundsRect();
    label.setCaption(QStringLiteral("A much, much longer caption than before"));
    label.FitToText();
    EXPECT_EQ(label.boundsRect(), turned);
}

TEST(TGBaseLabel, PopupChecksFollowBorderAlignmentAndRotation)
{
    RecordingSurface surface;
    TGPLabel &label = place(surface);
    label.setBorderStyle(TBorderStyle::bsSingle);
    label.setAlignment(TAlignment::taRightJustify);
    label.setAngle(0);
    label.PopupOpening();
    const PopupMenu &menu = *label.ObjectMenu();
    EXPECT_TRUE(menu.find(QStringLiteral("Border"))->checked());
    const MenuItem &alignment = *menu.find(QStringLiteral("Alignment"));
    EXPECT_EQ(alignment.captions(), (QStringList{"Left", "Center", "Right"}));
    EXPECT_EQ(alignment.item(0)->checked(), false);
    EXPECT_EQ(alignment.item(1)->checked(), false);
    EXPECT_EQ(alignment.item(2)->checked(), true);
    const MenuItem &rotation = *menu.find(QStringLiteral("Rotation"));
    EXPECT_EQ(rotation.captions(), (QStringList{"No Rotation", "90 Degrees", "180 Degrees", "270 Degrees"}));
    EXPECT_TRUE(rotation.item(0)->checked());

    rotation.item(3)->click();
    menu.find(QStringLiteral("Border"))->click();
    label.PopupOpening();
    EXPECT_EQ(label.angle(), 270);
    EXPECT_FALSE(rotation.item(0)->checked());
    EXPECT_TRUE(rotation.item(3)->checked());
    EXPECT_FALSE(menu.find(QStringLiteral("Border"))->checked());
    EXPECT_TRUE(alignment.item(0)->checked()); // turning sets left alignment

    alignment.item(1)->click();
    EXPECT_EQ(label.alignment(), TAlignment::taCenter);
}

TEST(TGBaseLabel, BackgroundColorTurnsTransparencyOffAndTransparentTogglesItBack)
{
    RecordingSurface surface;
    TGPLabel &label = place(surface);
    ColorDialog::setChooser([](TColor initial) -> std::optional<TColor> {
        EXPECT_EQ(initial, Colors::clWhite);
        return Colors::clYellow;
    });
    const PopupMenu &menu = *label.ObjectMenu();
    MenuItem &transparent = *menu.find(QStringLiteral("Transparent"));
    EXPECT_TRUE(transparent.checked());
    menu.find(QStringLiteral("Background Color"))->click();
    EXPECT_EQ(label.backColor(), Colors::clYellow);
    EXPECT_FALSE(label.transparent());
    EXPECT_FALSE(transparent.checked());
    transparent.click();
    EXPECT_TRUE(label.transparent());
    EXPECT_TRUE(transparent.checked());
    EXPECT_EQ(label.backColor(), Colors::clYellow);

    ColorDialog::setChooser([](TColor) -> std::optional<TColor> { return std::nullopt; });
    menu.find(QStringLiteral("Background Color"))->click();
    EXPECT_TRUE(label.transparent());
    ColorDialog::setChooser({});
}

TEST(TGBaseLabel, FontCommandAndApplyFontTakeTheFontAndRelayout)
{
    RecordingSurface surface;
    TGPLabel &label = place(surface, QRect(0, 0, 20, 20));
    label.UpdateLayout();
    FontDialog::setChooser([](const Font &initial) -> std::optional<Font> {
        Font bigger(initial);
        bigger.setSize(24);
        return bigger;
    });
    label.ObjectMenu()->find(QStringLiteral("Font"))->click();
    FontDialog::setChooser([](const Font &) -> std::optional<Font> { return std::nullopt; });
    const QRect chosenBounds = label.boundsRect();
    label.setCaption(QStringLiteral("A caption far longer than the box"));
    label.ObjectMenu()->find(QStringLiteral("Font"))->click(); // cancelled: no fitting
    EXPECT_EQ(label.boundsRect(), chosenBounds);
    label.setCaption(QStringLiteral("Text"));
    FontDialog::setChooser({});
    EXPECT_EQ(label.font().size(), 24);
    EXPECT_TRUE(label.layoutStale());
    EXPECT_GT(label.width(), 20); // the plain text object fits its box to the text

    label.UpdateLayout();
    Font panelFont;
    panelFont.setName(QStringLiteral("Liberation Serif"));
    panelFont.setSize(12);
    label.ApplyFont(panelFont);
    EXPECT_TRUE(label.layoutStale());
    EXPECT_EQ(label.font().name(), QStringLiteral("Liberation Serif"));
}

TEST(TGBaseLabel, BackgroundAndBorderFillAndFrameTheBox)
{
    TGPLabel label;
    label.setCaption(QString());
    label.setBounds(0, 0, 40, 20);
    label.UpdateLayout();
    const int height = label.height();
    label.setTransparent(false);
    label.setBackColor(Colors::clRed);
    const QImage filled = render(label, QSize(60, 40));
    EXPECT_EQ(filled.pixel(0, 0), 0xFFFF0000);
    EXPECT_EQ(filled.pixel(39, height - 1), 0xFFFF0000);
    EXPECT_EQ(filled.pixel(40, 0), 0xFFFFFFFF);
    EXPECT_EQ(filled.pixel(0, height), 0xFFFFFFFF);

    label.setTransparent(true);
    label.setBorderStyle(TBorderStyle::bsSingle);
    const QImage framed = render(label, QSize(60, 40), 0xFF00FF00);
    EXPECT_EQ(framed.pixel(0, 0), 0xFF000000);
    EXPECT_EQ(framed.pixel(39, height - 1), 0xFF000000);
    EXPECT_EQ(framed.pixel(20, height - 1), 0xFF000000);
    EXPECT_EQ(framed.pixel(20, 5), 0xFF00FF00); // transparent inside
    EXPECT_EQ(framed.pixel(40, 0), 0xFF00FF00);
}

TEST(TGBaseLabel, EachCopyIsClippedToItsOwnRectangle)
{
    TGPLabel label;
    label.setCaption(QStringLiteral("WWWWWWWW"));
    label.setBounds(0, 0, 30, 20);
    label.setDirectionShadow(TShadowDirection::sdRight);
    label.setDepthShadow(4);
    label.setColorShadow(Colors::clRed);
    const QImage image = render(label, QSize(80, 40));
    const EdgeRect shadow = label.layout().shadowRect;
    ASSERT_EQ(shadow.right, 34);
    const auto [darkFirst, darkLast] = columnsWhere(image, isDark);
    const auto [redFirst, redLast] = columnsWhere(image, isReddish);
    EXPECT_GE(darkFirst, 0);
    EXPECT_LT(darkLast, 30); // the main copy stops at the box
    EXPECT_GE(redLast, 30);  // the shadow shows to the right of it
    EXPECT_LT(redLast, 34);  // and stops at its own rectangle
    EXPECT_GE(redFirst, 4);

    label.setDepthShadow(0); // a direction without depth draws no shadow
    const QImage plain = render(label, QSize(80, 40));
    EXPECT_EQ(columnsWhere(plain, isReddish).second, -1);
}

TEST(TGBaseLabel, HighlightCopyLiesOffsetByItsDepth)
{
    TGPLabel label;
    label.setCaption(QStringLiteral("I"));
    label.font().setSize(20);
    label.setBounds(0, 0, 60, 40);
    label.setDirectionHighlight(THighlightDirection::hdLeft);
    label.setDepthHighlight(3);
    label.setColorHighlight(Colors::clRed);
    const QImage image = render(label, QSize(80, 60));
    const auto [redFirst, redLast] = columnsWhere(image, isReddish);
    const auto [darkFirst, darkLast] = columnsWhere(image, isDark);
    ASSERT_GE(redLast, 0);
    ASSERT_GE(darkLast, 0);
    EXPECT_NEAR(darkFirst - redFirst, 3, 1);
}

TEST(TGBaseLabel, TurnedTextRunsUpFromTheBottom)
{
    TGPLabel label;
    label.setCaption(QStringLiteral("WWWW"));
    label.setBounds(0, 0, 33, 142);
    label.setAngle(90);
    const QImage image = render(label, QSize(60, 160));
    const int width = label.width();
    const int height = label.height();
    int darkBelow = 0;
    int darkOutside = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (isDark(image.pixel(x, y))) {
                ++darkBelow;
                darkOutside += (x >= width || y >= height) ? 1 : 0;
            }
    EXPECT_GT(darkBelow, 20);
    EXPECT_EQ(darkOutside, 0);
    // Taller than wide: the letters stand sideways.
    const auto [first, last] = columnsWhere(image, isDark);
    EXPECT_LT(last - first, 20);
}

TEST(TGBaseLabel, PrintsARecordingOfTheBoxIntoItsRectangleInInches)
{
    RecordingSurface surface;
    TGPLabel &label = place(surface, QRect(48, 96, 96, 24));
    label.setTransparent(false);
    label.setBackColor(Colors::clRed);
    label.UpdateLayout();
    RecordingReport report;
    label.PrintAt(report, 1.0, 2.0);
    ASSERT_EQ(report.targets.size(), 1u);
    const double p = Screen::pixelsPerInch();
    EXPECT_DOUBLE_EQ(report.targets[0].left(), 1.5);
    EXPECT_DOUBLE_EQ(report.targets[0].top(), 3.0);
    EXPECT_DOUBLE_EQ(report.targets[0].right(), 1.5 + 96 / p);
    EXPECT_DOUBLE_EQ(report.targets[0].bottom(), 3.0 + label.height() / p);
    const QPicture &picture = report.pictures[0];
    EXPECT_EQ(picture.boundingRect(), QRect(0, 0, 96, label.height()));
    QImage replay(96, label.height(), QImage::Format_RGB32);
    replay.fill(Qt::white);
    {
        QPainter painter(&replay);
        painter.drawPicture(0, 0, picture);
    }
    EXPECT_EQ(replay.pixel(0, 0), 0xFFFF0000);
    EXPECT_EQ(replay.pixel(95, label.height() - 1), 0xFFFF0000);

    TGPLabel empty;
    empty.setBounds(0, 0, 0, 10);
    empty.PrintAt(report, 0, 0);
    EXPECT_EQ(report.targets.size(), 1u);
}

TEST(TGBaseLabel, DocumentRoundTripIsByteIdentical)
{
    RecordingSurface surface;
    TGPLabel &plain = place(surface, QRect(5, 6, 100, 22));
    plain.setName(QStringLiteral("Component0"));
    TGPLabel &styled = place(surface, QRect(5, 40, 22, 100));
    styled.setName(QStringLiteral("Component1"));
    styled.setAngle(90);
    styled.setCaption(QStringLiteral("Caf\u00e9 \"Sud\""));
    styled.setDirectionShadow(TShadowDirection::sdDownLeft);
    styled.setDepthShadow(4);
    styled.setDirectionHighlight(THighlightDirection::hdright);
    styled.setDepthHighlight(1);
    styled.setColorShadow(0x123456);
    styled.setColorHighlight(Colors::clRed);
    styled.setTransparent(false);
    styled.setBackColor(Colors::clYellow);
    styled.setBorderStyle(TBorderStyle::bsSingle);
    styled.font().setStyle(fontStyleBit(FontStyle::fsBold) | fontStyleBit(FontStyle::fsItalic));
    styled.font().setColor(Colors::clNavy);
    styled.setLocked(true);

    const TLabelLayout layout = TLabelLayout::defaultLayout().documentPrecision();
    const QByteArray bytes = TGLabelObjectFiler::documentBytes(surface, layout);
    RecordingSurface reread;
    TLabelLayout readLayout;
    TGLabelObjectFiler().readDocument(bytes, reread, readLayout);
    ASSERT_EQ(reread.objectCount(), 2);
    auto &copy = dynamic_cast<TGPLabel &>(*reread.objectAt(1));
    EXPECT_EQ(copy.boundsRect(), styled.boundsRect());
    EXPECT_EQ(copy.angle(), 90);
    EXPECT_EQ(copy.caption(), styled.caption());
    EXPECT_EQ(copy.shadowOffset(), QPoint(-4, 4));
    EXPECT_EQ(TGLabelObjectFiler::documentBytes(reread, readLayout), bytes);
    EXPECT_EQ(reread.changes, 0);
}

TEST(TGBaseLabel, DefaultsAreLeftOutAndPropertiesWithoutDefaultAreAlwaysWritten)
{
    TGPLabel label;
    label.setName(QStringLiteral("L"));
    StreamWriter writer;
    TGLabelObjectFiler::writeObjectRecord(writer, label);
    const QByteArray bytes = writer.bytes();
    for (const char *absent : {"Alignment", "DepthHighlight", "DepthShadow", "DirectionHighlight",
                               "DirectionShadow", "colorHighlight", "colorShadow", "Angle", "Font.Pitch"})
        EXPECT_FALSE(bytes.contains(absent)) << absent;
    EXPECT_TRUE(bytes.contains(QByteArray("\x07"
                                          "Caption\x06\x04"
                                          "Text")));
    EXPECT_TRUE(bytes.contains(QByteArray("\x0B"
                                          "Transparent\x09")));
    EXPECT_TRUE(bytes.contains(QByteArray("\x09"
                                          "BackColor\x07\x07"
                                          "clWhite")));
    EXPECT_TRUE(bytes.contains(QByteArray("\x0B"
                                          "BorderStyle\x07\x06"
                                          "bsNone")));
    EXPECT_TRUE(bytes.contains(QByteArray("\x0B"
                                          "Font.Height\x02\xF3",
                                          14)));
    EXPECT_TRUE(bytes.contains(QByteArray("\x09"
                                          "Font.Name\x06\x05"
                                          "Arial")));
    EXPECT_TRUE(bytes.contains(QByteArray("\x0A"
                                          "Font.Style\x0B\x00",
                                          13)));
    // In declaration order.
    EXPECT_LT(bytes.indexOf("Caption"), bytes.indexOf("Font.Color"));
    EXPECT_LT(bytes.indexOf("Font.Style"), bytes.indexOf("Transparent"));
    EXPECT_LT(bytes.indexOf("BackColor"), bytes.indexOf("BorderStyle"));
}

TEST(TGBaseLabel, LayoutMeasuresTheZoomedFont)
{
    struct Case
    {
        float scale;
        int canvasHeight;
    };
    for (const Case &c : {Case{0.75f, -9}, Case{1.0f, -13}, Case{1.5f, -20}}) {
        SCOPED_TRACE(c.scale);
        TGPLabel label;
        label.setScale(c.scale);
        label.UpdateLayout();
        QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
        Canvas canvas(&image);
        CanvasFont font = label.canvasFont();
        font.height = c.canvasHeight;
        canvas.SetFont(font);
        const TextMetrics m = canvas.GetTextMetrics();
        EXPECT_EQ(label.layout().textRect.height(), m.tmHeight + m.tmInternalLeading + m.tmExternalLeading);
    }
}
