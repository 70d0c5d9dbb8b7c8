#include <gtest/gtest.h>

#include <QImage>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <algorithm>

#include "document/ObjectClassRegistry.h"
#include "document/TGLabelObjectFiler.h"
#include "objects/text/ModalDialog.h"
#include "objects/text/TGetSymbol.h"
#include "objects/text/TGSymbolLabel.h"
#include "platform/Canvas.h"
#include "platform/DialogButtonBar.h"
#include "platform/FontDialog.h"
#include "support/RecordingSurface.h"

namespace {
// A surface that holds objects without being the design panel (a preview, a sample).
class PlainSurface : public RecordingSurface
{
public:
    bool isDesignPanel() const override { return false; }
};

TGSymbolLabel &place(DesignSurface &surface, int points = 24)
{
    auto symbol = std::make_unique<TGSymbolLabel>();
    symbol->font().setSize(points);
    auto *placed = static_cast<TGSymbolLabel *>(surface.addObject(std::move(symbol)));
    placed->setBounds(10, 10, 80, 20);
    placed->Loaded();
    return *placed;
}

// The box the fit asks for: the character measured in the object's font, grown by a tenth, plus
// the farthest start of the three copies.
QSize fittedSize(const TGSymbolLabel &symbol)
{
    QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
    Canvas measure(&image);
    measure.SetFont(symbol.canvasFont());
    const LabelTextLayout &points = symbol.layout();
    const int x0 = std::max({points.textPoint.x(), points.shadowPoint.x(), points.highlightPoint.x()});
    const int y0 = std::max({points.textPoint.y(), points.shadowPoint.y(), points.highlightPoint.y()});
    return {int(measure.TextWidth(symbol.caption()) * 1.1) + x0,
            int(measure.TextHeight(symbol.caption()) * 1.1) + y0};
}

QRect paintOnce(TGSymbolLabel &symbol)
{
    QImage image(400, 400, QImage::Format_ARGB32_Premultiplied);
    Canvas canvas(&image);
    symbol.paintOn(canvas);
    return symbol.boundsRect();
}
} // namespace

TEST(TGSymbolLabel, ConstructedAsWingDingsBracketAndRegistered)
{
    const TGSymbolLabel symbol;
    EXPECT_EQ(symbol.font().name(), QStringLiteral("WingDings"));
    EXPECT_EQ(symbol.font().size(), 24);
    EXPECT_EQ(symbol.caption(), QStringLiteral("["));
    EXPECT_EQ(symbol.angle(), 0);

    RecordingSurface surface;
    EXPECT_NE(dynamic_cast<TGSymbolLabel *>(ObjectClassRegistry::create("TGSymbolLabel").get()), nullptr);
}

TEST(TGSymbolLabel, MenuDropsFontAndAlignmentAndOpeningItStaysSafe)
{
    RecordingSurface surface;
    TGSymbolLabel &symbol = place(surface);
    PopupMenu &menu = *symbol.ObjectMenu();
    EXPECT_EQ(menu.captions().mid(12), (QStringList{"-", "3D Effects", "Transparent", "Background Color",
                                                    "Border", "-", "Symbol Selector"}));
    for (const char *gone : {"Font", "Alignment", "Left", "Center", "Right", "Rotation", "Angle"})
        EXPECT_EQ(menu.find(QString::fromLatin1(gone)), nullptr) << gone;

    symbol.BorderClick();
    symbol.PopupOpening();
    EXPECT_TRUE(menu.find(QStringLiteral("Border"))->checked());
    EXPECT_TRUE(menu.find(QStringLiteral("Transparent"))->checked());
}

TEST(TGSymbolLabel, FitsTheBoxToTheCharacterFromTenPointsOnlyAndOnlyOnThePanel)
{
    struct Case
    {
        int points;
        bool panel;
        bool fits;
    };
    const Case cases[] = {
        {24, true, true}, {10, true, true}, {9, true, false}, {8, true, false}, {24, false, false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.points);
        SCOPED_TRACE(c.panel);
        RecordingSurface panel;
        PlainSurface plain;
        DesignSurface &surface = c.panel ? static_cast<DesignSurface &>(panel) : plain;
        TGSymbolLabel &symbol = place(surface, c.points);
        if (c.fits) {
            EXPECT_EQ(symbol.boundsRect().size(), fittedSize(symbol));
        }
        panel.frameUpdates = 0;
        symbol.setBounds(10, 10, 200, 150);
        EXPECT_EQ(symbol.boundsRect().topLeft(), QPoint(10, 10));
        if (c.fits) {
            EXPECT_EQ(symbol.boundsRect().size(), fittedSize(symbol));
            EXPECT_GT(panel.frameUpdates, 0);
        } else {
            EXPECT_EQ(symbol.boundsRect().size(), QSize(200, 150));
            EXPECT_EQ(panel.frameUpdates > 0, c.panel);
        }
    }
}

TEST(TGSymbolLabel, FitMakesRoomForTheShadowAndHighlight)
{
    RecordingSurface surface;
    TGSymbolLabel &symbol = place(surface);
    const QSize plain = symbol.boundsRect().size();
    symbol.setDirectionHighlight(THighlightDirection::hdUpLeft);
    symbol.setDepthHighlight(4);
    symbol.UpdateLayout();
    symbol.BoundsChanged();
    EXPECT_EQ(symbol.layout().textPoint, QPoint(4, 4));
    EXPECT_EQ(symbol.boundsRect().size(), plain + QSize(4, 4));
}

TEST(TGSymbolLabel, RepeatedPaintsSettleWithTheBoxMatchingTheLayout)
{
    struct Case
    {
        const char *font;
        int points;
        int shadowDepth;
        int highlightDepth;
    };
    const Case cases[] = {{"WingDings", 24, 0, 0},      {"WingDings", 10, 0, 0},
                          {"WingDings", 72, 0, 0},      {"WingDings", 24, 6, 0},
                          {"WingDings", 24, 0, 6},      {"Liberation Sans", 24, 0, 0},
                          {"Liberation Sans", 48, 3, 3}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.font);
        SCOPED_TRACE(c.points);
        RecordingSurface surface;
        TGSymbolLabel &symbol = place(surface, c.points);
        symbol.font().setName(QString::fromLatin1(c.font));
        symbol.setDepthShadow(c.shadowDepth);
        symbol.setDepthHighlight(c.highlightDepth);
        symbol.setBounds(0, 0, 100, 100);
        std::vector<QRect> bounds;
        for (int i = 0; i < 4; ++i)
            bounds.push_back(paintOnce(symbol));
        EXPECT_EQ(bounds[1], bounds[0]);
        EXPECT_EQ(bounds[2], bounds[1]);
        EXPECT_EQ(bounds[3], bounds[2]);
        EXPECT_FALSE(symbol.layoutStale());
        EXPECT_EQ(symbol.boundsRect().size(), QSize(symbol.layout().width, symbol.layout().height));
    }
}

TEST(TGSymbolLabel, ACharacterWithoutWidthStillFitsAOnePixelBox)
{
    RecordingSurface surface;
    TGSymbolLabel &symbol = place(surface);
    symbol.font().setName(QStringLiteral("Arial"));
    symbol.setCaption(QString(QChar(0x200B))); // zero-width space: nothing to measure across
    symbol.BoundsChanged();
    EXPECT_GE(symbol.width(), 1);
    EXPECT_GE(symbol.height(), 1);
}

TEST(TGSymbolLabel, IgnoresThePanelFontCommand)
{
    RecordingSurface surface;
    TGSymbolLabel &symbol = place(surface);
    Font arial;
    arial.setName(QStringLiteral("Arial"));
    arial.setSize(12);
    symbol.ApplyFont(arial);
    EXPECT_EQ(symbol.font().name(), QStringLiteral("WingDings"));
    EXPECT_EQ(symbol.font().size(), 24);
}

TEST(TGSymbolLabel, DocumentRoundTripIsByteIdentical)
{
    RecordingSurface surface;
    TGSymbolLabel &symbol = place(surface);
    symbol.setName(QStringLiteral("Component0"));
    symbol.setCaption(TGetSymbol::captionForCode(0xFE));
    symbol.BoundsChanged(); // as the selector does after a pick
    symbol.setBorderStyle(TBorderStyle::bsSingle);
    const TLabelLayout layout = TLabelLayout::defaultLayout().documentPrecision();
    const QByteArray bytes = TGLabelObjectFiler::documentBytes(surface, layout);
    EXPECT_TRUE(bytes.contains(QByteArray("\x0DTGSymbolLabel")));
    EXPECT_TRUE(bytes.contains(QByteArray("\x07"
                                          "Caption\x06\x01\xFE")));

    RecordingSurface reread;
    TLabelLayout readLayout;
    TGLabelObjectFiler().readDocument(bytes, reread, readLayout);
    ASSERT_EQ(reread.objectCount(), 1);
    auto &copy = dynamic_cast<TGSymbolLabel &>(*reread.objectAt(0));
    EXPECT_EQ(copy.caption(), symbol.caption());
    EXPECT_EQ(copy.boundsRect(), symbol.boundsRect());
    EXPECT_EQ(copy.ObjectMenu()->find(QStringLiteral("Font")), nullptr);
    EXPECT_EQ(TGLabelObjectFiler::documentBytes(reread, readLayout), bytes);
    EXPECT_EQ(reread.changes, 0);
}

TEST(TGSymbolLabel, SelectorOkTakesTheFontAndTheCharacterAndRefits)
{
    RecordingSurface surface;
    TGSymbolLabel &symbol = place(surface);
    Font chosen;
    chosen.setName(QStringLiteral("Wingdings"));
    chosen.setSize(36);
    FontDialog::setChooser([&chosen](const Font &) { return std::optional<Font>(chosen); });
    bool seen = false;
    int shownCode = 0;
    whenDialogShows<TGetSymbol>(
        [&shownCode](TGetSymbol &dialog) {
            shownCode = dialog.selectedCode();
            QTest::mouseClick(dialog.fontButton(), Qt::LeftButton);
            QTableWidget &list = *dialog.symbolList();
            const int index = TGetSymbol::indexForCode(0x4A);
            QTableWidgetItem *item = list.item(index / dialog.columnCount(), index % dialog.columnCount());
            QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(item).center());
            QTest::mouseClick(dialog.buttons()->okButton(), Qt::LeftButton);
        },
        &seen);
    symbol.ObjectMenu()->find(QStringLiteral("Symbol Selector"))->click();
    FontDialog::setChooser({});
    ASSERT_TRUE(seen);
    EXPECT_EQ(shownCode, 0x5B);
    EXPECT_EQ(symbol.caption(), QStringLiteral("J"));
    EXPECT_EQ(symbol.font().size(), 36);
    EXPECT_EQ(symbol.font().name(), QStringLiteral("Wingdings"));
    EXPECT_EQ(symbol.boundsRect().size(), fittedSize(symbol));
}

TEST(TGSymbolLabel, SelectorCancelChangesNothingAndANewObjectOpensIt)
{
    RecordingSurface surface;
    TGSymbolLabel &symbol = place(surface);
    const QRect bounds = symbol.boundsRect();
    bool seen = false;
    whenDialogShows<TGetSymbol>(
        [](TGetSymbol &dialog) {
            dialog.setSelectedCode(0x41);
            QTest::mouseClick(dialog.buttons()->cancelButton(), Qt::LeftButton);
        },
        &seen);
    EXPECT_TRUE(symbol.EditNewObject());
    EXPECT_TRUE(seen);
    EXPECT_EQ(symbol.caption(), QStringLiteral("["));
    EXPECT_EQ(symbol.font().size(), 24);
    EXPECT_EQ(symbol.boundsRect(), bounds);
}
