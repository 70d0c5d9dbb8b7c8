#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "support/InfoBoxRecorder.h"
#include "layout/TUserEditLabelLayout.h"
#include "objects/text/ModalDialog.h"
#include "platform/DialogButtonBar.h"
#include "platform/Help.h"
#include "platform/TNumEdit.h"

namespace {

QStringList lengthTexts(const TUserEditLabelLayout &dialog)
{
    QStringList texts;
    for (Measurement which : {Measurement::LabelHeight, Measurement::LabelWidth, Measurement::TopMargin,
                              Measurement::LeftMargin, Measurement::HorizontalPitch,
                              Measurement::VerticalPitch, Measurement::PaperWidth, Measurement::PaperHeight})
        texts << dialog.lengthEdit(which)->text();
    return texts;
}

QStringList itemTexts(const QComboBox *list)
{
    QStringList texts;
    for (int index = 0; index < list->count(); ++index)
        texts << list->itemText(index);
    return texts;
}

void choose(QComboBox *list, int index)
{
    list->setCurrentIndex(index);
    Q_EMIT list->activated(index);
}

void retype(TNumEdit *box, const QString &text)
{
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

// The dialog on screen and active, so that focus moves as the user moves it.
void showActive(TUserEditLabelLayout &dialog)
{
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
}

} // namespace

TEST(TUserEditLabelLayout, CaptionsListsAndRanges)
{
    TUserEditLabelLayout dialog(TLabelLayout::defaultLayout(), false);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("User Defined Label Layout"));
    QStringList captions;
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        captions << label->text();
    EXPECT_EQ(captions, (QStringList{"Label Width", "Label Height", "Horizontal Pitch", "Vertical Pitch",
                                     "# across", "# down", "Left Margin", "Top Margin", "Paper size",
                                     "Paper Width", "Paper Height", "Label Shape"}));
    for (const char *name : {"elblwidth", "elblHeight", "eHorizPitch", "eVertPitch", "eleftmarg", "etopmarg",
                             "esheetwidth", "esheetdepth"})
        EXPECT_NE(dialog.findChild<TNumEdit *>(QLatin1StringView(name)), nullptr) << name;
    EXPECT_EQ(itemTexts(dialog.paperSize()),
              (QStringList{"Letter (8.5 x 11\")", "Letter Landscape (11 x 8.5\")", "A4 (210 x 297mm)",
                           "A4 Landscape ( 297 x 210mm)", "A5 (148 x 210mm)"}));
    EXPECT_EQ(itemTexts(dialog.labelShape()),
              (QStringList{"Rectangular with Rounded Edges", "Rectangular", "Round"}));
    EXPECT_EQ(dialog.labelsAcross()->minimum(), 1);
    EXPECT_EQ(dialog.labelsAcross()->maximum(), 10);
    EXPECT_EQ(dialog.labelsDown()->minimum(), 1);
    EXPECT_EQ(dialog.labelsDown()->maximum(), 30);
    for (Measurement paper : {Measurement::PaperWidth, Measurement::PaperHeight}) {
        EXPECT_TRUE(dialog.lengthEdit(paper)->isReadOnly());
        EXPECT_EQ(dialog.lengthEdit(paper)->focusPolicy(), Qt::NoFocus);
    }
    EXPECT_EQ(dialog.inchesButton()->text(), QStringLiteral("Use &Inches"));
    EXPECT_EQ(dialog.millimetresButton()->text(), QStringLiteral("Use &Millimeters"));
    EXPECT_TRUE(dialog.inchesButton()->isChecked());
    EXPECT_EQ(dialog.buttons()->okButton()->text(), QStringLiteral("Ok"));
    EXPECT_TRUE(dialog.buttons()->okButton()->isDefault());
    EXPECT_EQ(dialog.buttons()->cancelButton()->text(), QStringLiteral("Cancel"));

    int topic = 0;
    setHelpHandler([&topic](int number) { topic = number; });
    QTest::mouseClick(dialog.buttons()->helpButton(), Qt::LeftButton);
    setHelpHandler({});
    EXPECT_EQ(topic, 1050);
}

TEST(TUserEditLabelLayout, OpensOnTheLayoutInInchesOrMillimetres)
{
    TLabelLayout stock = TLabelLayout::defaultLayout();
    stock.PageWidth = 8.25;
    stock.LabelShape.clear();
    TUserEditLabelLayout inches(stock, false);
    EXPECT_EQ(lengthTexts(inches),
              (QStringList{"1.000", "2.650", "0.500", "0.188", "2.765", "1.010", "8.250", "11.000"}));
    EXPECT_EQ(inches.labelsAcross()->value(), 3);
    EXPECT_EQ(inches.labelsDown()->value(), 10);
    EXPECT_EQ(inches.paperSize()->currentText(), QStringLiteral("Letter (8.5 x 11\")"));
    EXPECT_EQ(inches.labelShape()->currentText(), QStringLiteral("Round"));

    TUserEditLabelLayout millimetres(stock, true);
    EXPECT_TRUE(millimetres.millimetresButton()->isChecked());
    EXPECT_EQ(lengthTexts(millimetres),
              (QStringList{"25.40", "67.31", "12.70", "4.78", "70.23", "25.65", "209.55", "279.40"}));

    stock.PaperSize = QStringLiteral("A4L");
    stock.LabelShape = QStringLiteral("SR");
    TUserEditLabelLayout landscape(stock, false);
    EXPECT_EQ(landscape.paperSize()->currentIndex(), 3);
    EXPECT_EQ(landscape.labelShape()->currentIndex(), 1);
}

TEST(TUserEditLabelLayout, PaperItemsFillThePaperBoxesInTheUnitShown)
{
    TLabelLayout stock = TLabelLayout::defaultLayout();
    stock.PageWidth = 8.25;
    TUserEditLabelLayout dialog(stock, false);
    TNumEdit *width = dialog.lengthEdit(Measurement::PaperWidth);
    TNumEdit *height = dialog.lengthEdit(Measurement::PaperHeight);
    EXPECT_EQ(width->text(), QStringLiteral("8.250")) << "kept until a paper is picked";
    choose(dialog.paperSize(), 0);
    EXPECT_EQ(width->text(), QStringLiteral("8.500"));
    choose(dialog.paperSize(), 2);
    EXPECT_EQ(QStringList({width->text(), height->text()}), (QStringList{"8.270", "11.690"}));
    dialog.millimetresButton()->click();
    choose(dialog.paperSize(), 4);
    EXPECT_EQ(QStringList({width->text(), height->text()}), (QStringList{"147.83", "210.06"}));
    choose(dialog.paperSize(), 1);
    EXPECT_EQ(QStringList({width->text(), height->text()}), (QStringList{"279.40", "215.90"}));
}

TEST(TUserEditLabelLayout, SwitchingUnitsConvertsEveryBox)
{
    TUserEditLabelLayout dialog(TLabelLayout::defaultLayout(), false);
    dialog.millimetresButton()->click();
    EXPECT_EQ(lengthTexts(dialog),
              (QStringList{"25.40", "67.31", "12.70", "4.78", "70.23", "25.65", "215.90", "279.40"}));
    dialog.millimetresButton()->click();
    EXPECT_EQ(dialog.lengthEdit(Measurement::LabelWidth)->text(), QStringLiteral("67.31"))
        << "clicking the checked unit again changes nothing";
    dialog.inchesButton()->click();
    EXPECT_EQ(lengthTexts(dialog),
              (QStringList{"1.0", "2.65", "0.5", "0.188", "2.765", "1.01", "8.5", "11.0"}));
    EXPECT_FALSE(dialog.usesMillimetres());
}

TEST(TUserEditLabelLayout, LeavingALabelSizeRaisesItsPitch)
{
    TUserEditLabelLayout dialog(TLabelLayout::defaultLayout(), false);
    showActive(dialog);
    TNumEdit *width = dialog.lengthEdit(Measurement::LabelWidth);
    retype(width, QStringLiteral("3"));
    EXPECT_EQ(dialog.lengthEdit(Measurement::HorizontalPitch)->text(), QStringLiteral("2.765"))
        << "nothing changes while typing";
    QTest::keyClick(width, Qt::Key_Tab);
    EXPECT_EQ(dialog.lengthEdit(Measurement::HorizontalPitch)->text(), QStringLiteral("3.000"));

    TNumEdit *height = dialog.lengthEdit(Measurement::LabelHeight);
    retype(height, QStringLiteral("0.9"));
    QTest::keyClick(height, Qt::Key_Tab);
    EXPECT_EQ(dialog.lengthEdit(Measurement::VerticalPitch)->text(), QStringLiteral("1.010"))
        << "a smaller label keeps its pitch";
    retype(height, QStringLiteral("1.5"));
    QTest::keyClick(height, Qt::Key_Tab);
    EXPECT_EQ(dialog.lengthEdit(Measurement::VerticalPitch)->text(), QStringLiteral("1.500"));

    // Enter presses "Ok" with the focus still in the box; the rule runs before the checks.
    retype(width, QStringLiteral("3.5"));
    InfoBoxRecorder boxes;
    QTest::keyClick(width, Qt::Key_Return);
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    ASSERT_TRUE(dialog.result());
    EXPECT_EQ(dialog.result()->HorizontalPitch, 3.5);
    EXPECT_EQ(dialog.result()->LabelWidth, 3.5);
}

TEST(TUserEditLabelLayout, OkReportsTheFirstProblemAndStaysOpen)
{
    TUserEditLabelLayout dialog(TLabelLayout::defaultLayout(), true);
    showActive(dialog);
    InfoBoxRecorder boxes;
    struct Step
    {
        Measurement box;
        const char *text;
        const char *message;
    };
    const Step steps[] = {
        {Measurement::LabelHeight, "7", "Label Height must be at least .3 inches (or 7mm)"},
        {Measurement::LabelHeight, "7.62", "Label Width must be at least .5 inch (or 13mm)"},
        {Measurement::LabelWidth, "", "Label Width must be at least .5 inch (or 13mm)"},
        {Measurement::LabelWidth, "50", "Vertical Pitch must be at least = Label Height"},
    };
    // The widths typed below leave the pitch where it was, as the pitch rule only runs on leaving.
    dialog.lengthEdit(Measurement::LabelWidth)->setText(QStringLiteral("12"));
    dialog.lengthEdit(Measurement::VerticalPitch)->setText(QStringLiteral("5"));
    for (const Step &step : steps) {
        dialog.lengthEdit(step.box)->setText(QLatin1StringView(step.text));
        QTest::mouseClick(dialog.buttons()->okButton(), Qt::LeftButton);
        ASSERT_FALSE(boxes.texts().isEmpty()) << step.text;
        EXPECT_EQ(boxes.texts().last(), QLatin1StringView(step.message)) << step.text;
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_FALSE(dialog.result());
    }
    EXPECT_EQ(dialog.lengthEdit(Measurement::LabelWidth)->text(), QStringLiteral("50")) << "entries are kept";
}

TEST(TUserEditLabelLayout, OkHandsBackAUserDefinedLayoutInInches)
{
    TLabelLayout stock = TLabelLayout::defaultLayout();
    stock.HorizontalGutter = 0.5;
    stock.ArtName = QStringLiteral("AV5160");
    bool useMillimetres = true;
    InfoBoxRecorder boxes;
    whenDialogShows<TUserEditLabelLayout>([](TUserEditLabelLayout &dialog) {
        dialog.lengthEdit(Measurement::LabelHeight)->setText(QStringLiteral("25.4"));
        dialog.lengthEdit(Measurement::VerticalPitch)->setText(QStringLiteral("25.4"));
        dialog.lengthEdit(Measurement::TopMargin)->setText(QStringLiteral("10"));
        dialog.labelsAcross()->setValue(1);
        dialog.labelsDown()->setValue(12);
        choose(dialog.paperSize(), 2);
        dialog.labelShape()->setCurrentIndex(2);
        QTest::mouseClick(dialog.buttons()->okButton(), Qt::LeftButton);
        if (dialog.isVisible())
            dialog.reject();
    });
    const std::optional<TLabelLayout> edited = TUserEditLabelLayout::edit(nullptr, stock, useMillimetres);
    ASSERT_TRUE(edited) << boxes.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(useMillimetres);
    EXPECT_EQ(edited->TemplateName, QStringLiteral("USER DEFINED"));
    EXPECT_EQ(edited->LabelHeight, 1.0);
    EXPECT_EQ(edited->VerticalPitch, 1.0);
    EXPECT_EQ(edited->TopMargin, double(0.394f));
    EXPECT_EQ(edited->LabelWidth, double(2.65f));
    EXPECT_EQ(edited->HorizontalPitch, double(2.765f));
    EXPECT_EQ(edited->LeftMargin, double(0.188f));
    EXPECT_EQ(edited->PageWidth, double(8.27f));
    EXPECT_EQ(edited->PageHeight, double(11.69f));
    EXPECT_EQ(edited->LabelsAcross, 1);
    EXPECT_EQ(edited->LabelsDown, 12);
    EXPECT_EQ(edited->PaperSize, QStringLiteral("A4"));
    EXPECT_EQ(edited->LabelShape, QStringLiteral("EL"));
    EXPECT_EQ(edited->HorizontalGutter, 0);
    EXPECT_TRUE(edited->ArtName.isEmpty());
    EXPECT_TRUE(edited->PrinterType.isEmpty());
    EXPECT_TRUE(edited->ProductType.isEmpty());
}

TEST(TUserEditLabelLayout, CancelReturnsNothingButTheUnitIsRemembered)
{
    bool useMillimetres = false;
    whenDialogShows<TUserEditLabelLayout>([](TUserEditLabelLayout &dialog) {
        dialog.millimetresButton()->click();
        QTest::mouseClick(dialog.buttons()->cancelButton(), Qt::LeftButton);
    });
    EXPECT_FALSE(TUserEditLabelLayout::edit(nullptr, TLabelLayout::defaultLayout(), useMillimetres));
    EXPECT_TRUE(useMillimetres);

    whenDialogShows<TUserEditLabelLayout>([](TUserEditLabelLayout &dialog) {
        dialog.inchesButton()->click();
        dialog.reject();
    });
    EXPECT_FALSE(TUserEditLabelLayout::edit(nullptr, TLabelLayout::defaultLayout(), useMillimetres));
    EXPECT_FALSE(useMillimetres);
}
