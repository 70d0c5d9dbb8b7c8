#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>

#include "objects/text/LabelSampleView.h"
#include "objects/text/ModalDialog.h"
#include "objects/text/TColorDrop.h"
#include "objects/text/TGetCounter.h"
#include "objects/text/TGetLabelText.h"
#include "objects/text/TGFont3DEffects.h"
#include "objects/text/TGPLabel.h"
#include "platform/DialogButtonBar.h"
#include "platform/Help.h"
#include "support/RecordingSurface.h"

namespace {
TGPLabel &place(RecordingSurface &surface)
{
    auto *label = static_cast<TGPLabel *>(surface.addObject(std::make_unique<TGPLabel>()));
    label->setBounds(0, 0, 142, 33);
    label->Loaded();
    label->setCaption(QStringLiteral("Object caption"));
    label->setDirectionShadow(TShadowDirection::sdDown);
    label->setDepthShadow(4);
    label->setDirectionHighlight(THighlightDirection::hdUpRight);
    label->setDepthHighlight(2);
    label->setColorShadow(Colors::clSilver);
    label->setColorHighlight(Colors::clYellow);
    label->font().setColor(Colors::clNavy);
    label->font().setSize(14);
    return *label;
}

void choose(QComboBox *list, int index)
{
    list->setCurrentIndex(index);
    Q_EMIT list->activated(index);
}
} // namespace

TEST(TGFont3DEffects, ListsAndCaptions)
{
    EXPECT_EQ(TGFont3DEffects::shadowDirectionCaptions(),
              (QStringList{"None", "Right", "Left", "Lower Right", "Lower Left", "Down"}));
    EXPECT_EQ(TGFont3DEffects::highlightDirectionCaptions(),
              (QStringList{"None", "Right", "Left", "Upper Right", "Upper Left", "Up"}));
    EXPECT_EQ(TGFont3DEffects::depthCaptions(),
              (QStringList{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    struct Case
    {
        int depth;
        int index;
    };
    for (const Case &c : {Case{0, 0}, Case{10, 10}, Case{11, -1}, Case{-1, -1}})
        EXPECT_EQ(TGFont3DEffects::depthIndex(c.depth), c.index) << c.depth;

    RecordingSurface surface;
    TGPLabel &label = place(surface);
    TGFont3DEffects dialog(label);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Text 3D Effects"));
    EXPECT_EQ(dialog.size(), QSize(467, 338));
    QStringList labels;
    for (const QLabel *text : dialog.findChildren<QLabel *>())
        labels << text->text();
    EXPECT_EQ(labels, (QStringList{"Shadow Direction", "Shadow Color", "Shadow Depth", "Highlight Direction",
                                   "Highlight Color", "Highlight Depth", "Font Color"}));
    EXPECT_EQ(dialog.buttons()->okButton()->text(), QStringLiteral("Ok"));
    EXPECT_EQ(dialog.buttons()->cancelButton()->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(dialog.buttons()->helpButton()->text(), QStringLiteral("Help"));
    EXPECT_EQ(dialog.findChild<LabelSampleView *>()->size(), QSize(437, 85));
}

TEST(TGFont3DEffects, OpensWithTheObjectsValuesOnListsAndSample)
{
    RecordingSurface surface;
    TGPLabel &label = place(surface);
    TGFont3DEffects dialog(label);
    EXPECT_EQ(dialog.shadowDirection()->currentIndex(), 5);
    EXPECT_EQ(dialog.shadowDepth()->currentIndex(), 4);
    EXPECT_EQ(dialog.highlightDirection()->currentIndex(), 3);
    EXPECT_EQ(dialog.highlightDepth()->currentIndex(), 2);
    EXPECT_EQ(dialog.shadowColorCombo()->currentText(), QStringLiteral("Silver"));
    EXPECT_EQ(dialog.highlightColorCombo()->currentText(), QStringLiteral("Yellow"));
    EXPECT_EQ(dialog.fontColorCombo()->currentText(), QStringLiteral("Navy"));

    const TGPLabel &sample = dialog.sample();
    EXPECT_EQ(sample.caption(), QStringLiteral("Text"));
    EXPECT_TRUE(sample.transparent());
    EXPECT_EQ(sample.borderStyle(), TBorderStyle::bsNone);
    EXPECT_TRUE(sample.font().sameValues(label.font()));
    EXPECT_EQ(sample.shadowOffset(), QPoint(0, 4));
    EXPECT_EQ(sample.highlightOffset(), QPoint(2, -2));
    EXPECT_EQ(sample.colorShadow(), Colors::clSilver);
    EXPECT_EQ(sample.width(), 435); // fills the framed panel inside its frame

    label.setDepthShadow(12);
    TGFont3DEffects deep(label);
    EXPECT_EQ(deep.shadowDepth()->currentIndex(), -1);
    EXPECT_EQ(deep.sample().depthShadow(), 12);
}

TEST(TGFont3DEffects, ChangesGoToTheSampleAtOnceAndToTheObjectOnOk)
{
    RecordingSurface surface;
    TGPLabel &label = place(surface);
    TGFont3DEffects dialog(label);
    choose(dialog.shadowDirection(), 2);
    choose(dialog.shadowDepth(), 7);
    choose(dialog.highlightDirection(), 0);
    choose(dialog.highlightDepth(), 9);
    choose(dialog.shadowColorCombo(), 9);
    choose(dialog.highlightColorCombo(), 17);
    choose(dialog.fontColorCombo(), 1);
    const TGPLabel &sample = dialog.sample();
    EXPECT_EQ(sample.shadowOffset(), QPoint(-7, 0));
    EXPECT_EQ(sample.highlightOffset(), QPoint(0, 0));
    EXPECT_EQ(sample.depthHighlight(), 9);
    EXPECT_EQ(sample.colorShadow(), Colors::clRed);
    EXPECT_EQ(sample.colorHighlight(), Colors::clWhite);
    EXPECT_EQ(sample.font().color(), Colors::clMaroon);
    EXPECT_EQ(label.directionShadow(), TShadowDirection::sdDown); // not yet

    dialog.show();
    QTest::mouseClick(dialog.buttons()->okButton(), Qt::LeftButton);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(label.directionShadow(), TShadowDirection::sdLeft);
    EXPECT_EQ(label.depthShadow(), 7);
    EXPECT_EQ(label.directionHighlight(), THighlightDirection::hdNone);
    EXPECT_EQ(label.depthHighlight(), 9);
    EXPECT_EQ(label.colorShadow(), Colors::clRed);
    EXPECT_EQ(label.colorHighlight(), Colors::clWhite);
    EXPECT_EQ(label.font().color(), Colors::clMaroon);
    EXPECT_EQ(label.font().size(), 14);
    EXPECT_EQ(label.caption(), QStringLiteral("Object caption"));
    EXPECT_TRUE(label.layoutStale());
}

TEST(TGFont3DEffects, MenuCommandReportsOkAndCancelChangesNothing)
{
    RecordingSurface surface;
    TGPLabel &label = place(surface);
    surface.changes = 0;
    whenDialogShows<TGFont3DEffects>([](TGFont3DEffects &dialog) {
        choose(dialog.shadowDepth(), 1);
        QTest::mouseClick(dialog.buttons()->cancelButton(), Qt::LeftButton);
    });
    label.ObjectMenu()->find(QStringLiteral("3D Effects"))->click();
    EXPECT_EQ(label.depthShadow(), 4);
    EXPECT_EQ(surface.changes, 0);

    std::vector<int> topics;
    setHelpHandler([&topics](int number) { topics.push_back(number); });
    whenDialogShows<TGFont3DEffects>([](TGFont3DEffects &dialog) {
        QTest::mouseClick(dialog.buttons()->helpButton(), Qt::LeftButton);
        choose(dialog.shadowDepth(), 1);
        QTest::mouseClick(dialog.buttons()->okButton(), Qt::LeftButton);
    });
    label.ShowEffectsDialog();
    setHelpHandler({});
    EXPECT_EQ(topics, std::vector<int>{40008});
    EXPECT_EQ(label.depthShadow(), 1);
    EXPECT_GT(surface.changes, 0);
}

TEST(TextDialogs, EveryInputOffersWhatsThisHelp)
{
    RecordingSurface surface;
    TGPLabel &label = place(surface);
    TGFont3DEffects effects(label);
    TGetLabelText text;
    TGetCounter counter;
    for (QDialog *dialog : std::initializer_list<QDialog *>{&effects, &text, &counter}) {
        SCOPED_TRACE(dialog->windowTitle().toStdString());
        int inputs = 0;
        for (QWidget *child : dialog->findChildren<QWidget *>()) {
            if (!qobject_cast<QComboBox *>(child) && !qobject_cast<QLineEdit *>(child) &&
                !qobject_cast<QAbstractSpinBox *>(child))
                continue;
            if (qobject_cast<QLineEdit *>(child) && qobject_cast<QAbstractSpinBox *>(child->parentWidget()))
                continue; // a spin box's own editor
            ++inputs;
            EXPECT_FALSE(child->whatsThis().isEmpty()) << child->objectName().toStdString();
        }
        EXPECT_GT(inputs, 0);
    }
}

TEST(TGFont3DEffects, SampleShowsEveryChangeAtOnce)
{
    RecordingSurface surface;
    TGPLabel &label = place(surface);
    label.setDepthHighlight(0);
    TGFont3DEffects dialog(label);
    auto *view = dialog.findChild<LabelSampleView *>();
    ASSERT_NE(view, nullptr);
    const auto countRed = [view] {
        const QImage image = view->grab().toImage();
        int red = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                red += qRed(pixel) > 160 && qGreen(pixel) < 110 && qBlue(pixel) < 110 ? 1 : 0;
            }
        return red;
    };
    EXPECT_EQ(countRed(), 0);
    choose(dialog.shadowColorCombo(), 9); // "Red"
    EXPECT_GT(countRed(), 10);
    choose(dialog.shadowDirection(), 0); // "None"
    EXPECT_EQ(countRed(), 0);
}
