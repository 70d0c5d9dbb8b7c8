#include <gtest/gtest.h>

#include "objects/shapes/TGLineShape.h"
#include "platform/ColorDialog.h"
#include "support/RecordingSurface.h"

namespace {
TGLineShape &place(RecordingSurface &surface, TLineStyle style, QRect bounds)
{
    auto *line = static_cast<TGLineShape *>(surface.addObject(std::make_unique<TGLineShape>()));
    line->setBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    line->setLineStyle(style);
    line->Loaded();
    return *line;
}

int checkedCount(const MenuItem &submenu)
{
    int count = 0;
    for (int i = 0; i < submenu.count(); ++i)
        count += submenu.item(i)->checked() ? 1 : 0;
    return count;
}
} // namespace

TEST(TGLineShape, ConstructedHorizontalTenByTenWithDefaultPen)
{
    const TGLineShape line;
    EXPECT_EQ(line.boundsRect(), QRect(0, 0, 10, 10));
    EXPECT_EQ(line.lineStyle(), TLineStyle::stHorizontal);
    EXPECT_EQ(line.pen().width(), 1);
    EXPECT_EQ(line.pen().color(), Colors::clBlack);
}

TEST(TGLineShape, PopupMarksExactlyTheCurrentStyleAndThickness)
{
    RecordingSurface surface;
    TGLineShape &line = place(surface, TLineStyle::stAngleSlopingUp, QRect(0, 0, 40, 40));
    line.pen().setWidth(3);
    line.PopupOpening();
    const MenuItem &styles = *line.ObjectMenu()->find(QStringLiteral("Style"));
    const MenuItem &thickness = *line.ObjectMenu()->find(QStringLiteral("Line Thickness"));
    EXPECT_EQ(styles.captions(),
              (QStringList{"Horizontal", "Vertical", "Angled Sloping Up", "Angled Sloping Down"}));
    EXPECT_EQ(checkedCount(styles), 1);
    EXPECT_TRUE(styles.item(2)->checked());
    EXPECT_EQ(thickness.count(), 10);
    EXPECT_EQ(thickness.item(9)->caption(), QStringLiteral("10 Point"));
    EXPECT_TRUE(thickness.item(2)->checked());

    line.pen().setWidth(12);
    line.PopupOpening();
    EXPECT_EQ(checkedCount(thickness), 0);

    thickness.item(4)->click();
    EXPECT_EQ(line.pen().width(), 5);
    styles.item(0)->click();
    EXPECT_EQ(line.lineStyle(), TLineStyle::stHorizontal);
}

TEST(TGLineShape, StretchToEdgesByStyle)
{
    struct Case {
        TLineStyle style;
        QRect before;
        QRect after;
    };
    const Case cases[] = {
        {TLineStyle::stHorizontal, QRect(40, 30, 50, 5), QRect(0, 30, 300, 5)},
        {TLineStyle::stVertical, QRect(40, 30, 5, 20), QRect(40, 0, 5, 96)},
        {TLineStyle::stAngleSlopingDown, QRect(40, 30, 50, 20), QRect(40, 30, 50, 20)},
    };
    for (const Case &c : cases) {
        RecordingSurface surface(300, 96);
        TGLineShape &line = place(surface, c.style, c.before);
        line.ObjectMenu()->find(QStringLiteral("Stretch To Edges"))->click();
        EXPECT_EQ(line.boundsRect(), c.after);
    }
}

TEST(TGLineShape, ColourDialogSetsThePenOnlyOnOk)
{
    RecordingSurface surface;
    TGLineShape &line = place(surface, TLineStyle::stVertical, QRect(0, 0, 5, 40));
    std::optional<TColor> answer = Colors::clRed;
    TColor offered = -1;
    ColorDialog::setChooser([&](TColor initial) {
        offered = initial;
        return answer;
    });
    line.ObjectMenu()->find(QStringLiteral("Color"))->click();
    EXPECT_EQ(offered, Colors::clBlack);
    EXPECT_EQ(line.pen().color(), Colors::clRed);
    answer.reset();
    line.ObjectMenu()->find(QStringLiteral("Color"))->click();
    EXPECT_EQ(line.pen().color(), Colors::clRed);
    ColorDialog::setChooser({});
}
