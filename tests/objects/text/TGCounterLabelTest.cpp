#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "document/TGLabelObjectFiler.h"
#include "objects/text/ModalDialog.h"
#include "objects/text/TGCounterLabel.h"
#include "objects/text/TGetCounter.h"
#include "platform/Canvas.h"
#include "platform/DialogButtonBar.h"
#include "platform/Help.h"
#include "support/RecordingSurface.h"

namespace {
TGCounterLabel &placeNew(RecordingSurface &surface)
{
    auto *counter = static_cast<TGCounterLabel *>(surface.addObject(std::make_unique<TGCounterLabel>()));
    counter->setBounds(0, 0, 80, 20);
    counter->Loaded();
    Font panelFont;
    panelFont.setName(QStringLiteral("Arial"));
    panelFont.setSize(12);
    counter->PrepareNewObject(panelFont);
    return *counter;
}

// What a print run shows: the panel prepares every object, then each printed label is followed by
// an advance.
std::vector<QString> printRun(TGCounterLabel &counter, int labels)
{
    std::vector<QString> shown;
    counter.PrepareForPrinting();
    for (int i = 0; i < labels; ++i) {
        shown.push_back(counter.caption());
        counter.AdvanceAfterLabel();
    }
    return shown;
}
} // namespace

TEST(TGCounterLabel, CaptionPadsToTheLeadingZerosAfterTheSign)
{
    struct Case
    {
        int value;
        int zeros;
        const char *caption;
    };
    const Case cases[] = {{7, 4, "No. 0007 pcs"},
                          {-7, 4, "No. -0007 pcs"},
                          {12345, 4, "No. 12345 pcs"},
                          {7, 0, "No. 7 pcs"},
                          {7, -3, "No. 7 pcs"},
                          {0, 1, "No. 0 pcs"},
                          {-2147483647 - 1, 9, "No. -2147483648 pcs"},
                          {42, 9, "No. 000000042 pcs"}};
    for (const Case &c : cases)
        EXPECT_EQ(
            TGCounterLabel::counterText(QStringLiteral("No. "), c.value, QStringLiteral(" pcs"), c.zeros),
            QString::fromLatin1(c.caption))
            << c.value << " " << c.zeros;
}

TEST(TGCounterLabel, ConstructedAtOneAndNewObjectsAtOneThousand)
{
    const TGCounterLabel constructed;
    EXPECT_EQ(constructed.startingNumber(), 1);
    EXPECT_EQ(constructed.repeatEach(), 1);
    EXPECT_EQ(constructed.leadingZeros(), 0);
    EXPECT_EQ(constructed.currentValue(), 1);
    EXPECT_EQ(constructed.repeatCount(), 0);

    RecordingSurface surface;
    TGCounterLabel &counter = placeNew(surface);
    EXPECT_EQ(counter.caption(), QStringLiteral("1000"));
    EXPECT_EQ(counter.font().size(), 12);
    EXPECT_EQ(counter.ObjectMenu()->captions().mid(12),
              (QStringList{"-", "Font", "3D Effects", "Alignment", "Transparent", "Background Color",
                           "Border", "-", "Counter Settings", "-", "Rotation"}));
    EXPECT_EQ(counter.ObjectMenu()->find(QStringLiteral("Text")), nullptr);
}

TEST(TGCounterLabel, NumbersAcrossAPrintRun)
{
    struct Case
    {
        int start;
        int repeat;
        int labels;
        std::vector<QString> shown;
    };
    const Case cases[] = {
        {1000, 1, 3, {"1000", "1001", "1002"}},
        {5, 2, 5, {"5", "5", "6", "6", "7"}},
        {-1, 1, 3, {"-1", "0", "1"}},
        {9, 0, 3, {"9", "9", "9"}}, // a repeat of 0 from a document never advances
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.start);
        RecordingSurface surface;
        TGCounterLabel &counter = placeNew(surface);
        counter.setStartingNumber(c.start);
        counter.setRepeatEach(c.repeat);
        EXPECT_EQ(printRun(counter, c.labels), c.shown);
        // A preview followed by a print starts both at the start number.
        EXPECT_EQ(printRun(counter, c.labels), c.shown);
    }
}

TEST(TGCounterLabel, OnlyAChangedStartNumberResetsTheCount)
{
    RecordingSurface surface;
    TGCounterLabel &counter = placeNew(surface);
    counter.PrepareForPrinting();
    counter.AdvanceAfterLabel();
    counter.AdvanceAfterLabel();
    ASSERT_EQ(counter.currentValue(), 1002);
    counter.setTextAfter(QStringLiteral(" kg"));
    counter.setTextBefore(QStringLiteral("#"));
    counter.setRepeatEach(3);
    counter.setStartingNumber(1000);
    EXPECT_EQ(counter.currentValue(), 1002);
    EXPECT_EQ(counter.caption(), QStringLiteral("#1002 kg"));
    counter.setLeadingZeros(6);
    EXPECT_EQ(counter.caption(), QStringLiteral("#001002 kg"));
    counter.setStartingNumber(20);
    EXPECT_EQ(counter.currentValue(), 20);
    EXPECT_EQ(counter.repeatCount(), 0);
    EXPECT_EQ(counter.caption(), QStringLiteral("#000020 kg"));
}

TEST(TGCounterLabel, ANewCaptionIsMeasuredBeforeItIsDrawn)
{
    RecordingSurface surface;
    TGCounterLabel &counter = placeNew(surface);
    counter.setStartingNumber(9);
    counter.UpdateLayout();
    EXPECT_FALSE(counter.layoutStale());
    counter.AdvanceAfterLabel();
    EXPECT_EQ(counter.caption(), QStringLiteral("10"));
    EXPECT_TRUE(counter.layoutStale());
}

TEST(TGetCounter, CaptionsRangesAndButtons)
{
    TGetCounter dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Counter"));
    EXPECT_EQ(dialog.size(), QSize(304, 247));
    QStringList labels;
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        labels << label->text();
    EXPECT_EQ(labels, (QStringList{"Text  before", "Starting Number", "Repeat number for #of  labels?",
                                   "Text after", "Leading zeros to ", "digits"}));
    EXPECT_EQ(dialog.startingNumber()->minimum(), std::numeric_limits<int>::min());
    EXPECT_EQ(dialog.startingNumber()->maximum(), std::numeric_limits<int>::max());
    EXPECT_EQ(dialog.repeatFor()->minimum(), 1);
    EXPECT_EQ(dialog.repeatFor()->maximum(), 999);
    EXPECT_EQ(dialog.leadingZeros()->minimum(), 0);
    EXPECT_EQ(dialog.leadingZeros()->maximum(), 9);
    EXPECT_EQ(dialog.buttons()->okButton()->text(), QStringLiteral("Ok"));
    EXPECT_EQ(dialog.buttons()->cancelButton()->text(), QStringLiteral("Cancel"));

    std::vector<int> topics;
    setHelpHandler([&topics](int number) { topics.push_back(number); });
    QTest::mouseClick(dialog.buttons()->helpButton(), Qt::LeftButton);
    setHelpHandler({});
    EXPECT_EQ(topics, std::vector<int>{40006});

    dialog.setValues({QString(), 5, 0, QString(), 12});
    EXPECT_EQ(dialog.values().repeatFor, 1);
    EXPECT_EQ(dialog.values().leadingZeros, 9);
}

TEST(TGCounterLabel, SettingsDialogAppliesOnOkAndSizesTheBoxToThePaddedText)
{
    RecordingSurface surface;
    TGCounterLabel &counter = placeNew(surface);
    counter.setBounds(0, 0, 300, 20);
    TGetCounter::Values shown;
    whenDialogShows<TGetCounter>([&shown](TGetCounter &dialog) {
        shown = dialog.values();
        dialog.textBefore()->setText(QStringLiteral("Nr "));
        dialog.startingNumber()->setValue(7);
        dialog.repeatFor()->setValue(2);
        dialog.textAfter()->setText(QStringLiteral("/A"));
        dialog.leadingZeros()->setValue(6);
        QTest::mouseClick(dialog.buttons()->okButton(), Qt::LeftButton);
    });
    surface.changes = 0;
    counter.ObjectMenu()->find(QStringLiteral("Counter Settings"))->click();
    EXPECT_EQ(shown.startingNumber, 1000);
    EXPECT_EQ(shown.repeatFor, 1);
    EXPECT_EQ(shown.leadingZeros, 0);
    EXPECT_EQ(counter.startingNumber(), 7);
    EXPECT_EQ(counter.repeatEach(), 2);
    EXPECT_EQ(counter.textBefore(), QStringLiteral("Nr "));
    EXPECT_EQ(counter.textAfter(), QStringLiteral("/A"));
    EXPECT_EQ(counter.leadingZeros(), 6);
    EXPECT_EQ(counter.caption(), QStringLiteral("Nr 000007/A"));
    EXPECT_GT(surface.changes, 0);

    // Shrunk to 10, then grown to the whole padded text plus five spaces.
    QImage measureImage(1, 1, QImage::Format_ARGB32_Premultiplied);
    Canvas measure(&measureImage);
    measure.SetFont(counter.canvasFont());
    EXPECT_EQ(counter.width(), measure.TextWidth(QStringLiteral("Nr 000007/A     ")));
}

TEST(TGCounterLabel, SettingsCancelChangesNothingAndTurnedBoxesKeepTheirSize)
{
    RecordingSurface surface;
    TGCounterLabel &counter = placeNew(surface);
    whenDialogShows<TGetCounter>([](TGetCounter &dialog) {
        dialog.startingNumber()->setValue(3);
        QTest::mouseClick(dialog.buttons()->cancelButton(), Qt::LeftButton);
    });
    EXPECT_TRUE(counter.EditNewObject());
    EXPECT_EQ(counter.startingNumber(), 1000);

    counter.setAngle(90);
    const QRect turned = counter.boundsRect();
    whenDialogShows<TGetCounter>([](TGetCounter &dialog) {
        dialog.textAfter()->setText(QStringLiteral(" a long text after the number"));
        QTest::mouseClick(dialog.buttons()->okButton(), Qt::LeftButton);
    });
    counter.ShowCounterSettings();
    EXPECT_EQ(counter.boundsRect(), turned);
    EXPECT_EQ(counter.currentValue(), 1000);
}

TEST(TGCounterLabel, DocumentRoundTripIsByteIdenticalAndStartsAtTheStoredNumber)
{
    RecordingSurface surface;
    TGCounterLabel &counter = placeNew(surface);
    counter.setName(QStringLiteral("Component0"));
    counter.setTextBefore(QStringLiteral("Lot "));
    counter.setLeadingZeros(5);
    counter.setStartingNumber(42);
    counter.setRepeatEach(3);
    counter.setAngle(180);
    const TLabelLayout layout = TLabelLayout::defaultLayout().documentPrecision();
    const QByteArray bytes = TGLabelObjectFiler::documentBytes(surface, layout);
    EXPECT_TRUE(bytes.contains(QByteArray("\x0E"
                                          "Startingnumber\x02\x2A")));
    EXPECT_TRUE(bytes.contains(QByteArray("\x0A"
                                          "RepeatEach\x02\x03")));
    EXPECT_TRUE(bytes.contains(QByteArray("\x0C"
                                          "LeadingZeros\x02\x05")));
    EXPECT_TRUE(bytes.contains(QByteArray("\x0A"
                                          "TextBefore\x06\x04"
                                          "Lot ")));
    EXPECT_FALSE(bytes.contains("TextAfter"));
    EXPECT_LT(bytes.indexOf("BorderStyle"), bytes.indexOf("TextBefore"));

    RecordingSurface reread;
    TLabelLayout readLayout;
    TGLabelObjectFiler().readDocument(bytes, reread, readLayout);
    ASSERT_EQ(reread.objectCount(), 1);
    auto &copy = dynamic_cast<TGCounterLabel &>(*reread.objectAt(0));
    EXPECT_EQ(copy.currentValue(), 42);
    EXPECT_EQ(copy.caption(), QStringLiteral("Lot 00042"));
    EXPECT_EQ(copy.angle(), 180);
    EXPECT_EQ(TGLabelObjectFiler::documentBytes(reread, readLayout), bytes);
    EXPECT_EQ(reread.changes, 0);
}
