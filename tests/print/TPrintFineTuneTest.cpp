#include <QLabel>
#include <QPushButton>
#include <QToolButton>

#include <gtest/gtest.h>

#include "print/TPrintFineTune.h"

namespace {

TEST(TPrintFineTune, ValueTexts)
{
    const struct
    {
        int value;
        const char *text;
    } cases[] = {{-8, "Decrease by 8/32\""}, {-1, "Decrease by 1/32\""}, {0, "None"},
                 {1, "Increase by 1/32\""},  {8, "Increase by 8/32\""},  {11, "Increase by 11/32\""}};
    for (const auto &c : cases)
        EXPECT_EQ(TPrintFineTune::nudgeText(c.value), QString::fromLatin1(c.text));
}

TEST(TPrintFineTune, ArrowsStopAtEightEitherWay)
{
    TPrintFineTune dialog({});
    for (int i = 0; i < 9; ++i)
        dialog.upperArrow(TPrintFineTune::TopMargin)->click();
    for (int i = 0; i < 10; ++i)
        dialog.lowerArrow(TPrintFineTune::HorizontalSpacing)->click();
    dialog.lowerArrow(TPrintFineTune::VerticalSpacing)->click();
    dialog.upperArrow(TPrintFineTune::LeftMargin)->click();
    const PrinterNudges nudges = dialog.nudges();
    EXPECT_EQ(nudges.Top, -8);
    EXPECT_EQ(nudges.Left, -1);
    EXPECT_EQ(nudges.VerticalPitch, 1);
    EXPECT_EQ(nudges.HorizontalPitch, 8);
    EXPECT_EQ(dialog.valueText(TPrintFineTune::TopMargin)->text(), QStringLiteral("Decrease by 8/32\""));
    EXPECT_EQ(dialog.valueText(TPrintFineTune::HorizontalSpacing)->text(),
              QStringLiteral("Increase by 8/32\""));
    EXPECT_EQ(dialog.valueText(TPrintFineTune::VerticalSpacing)->text(),
              QStringLiteral("Increase by 1/32\""));
}

TEST(TPrintFineTune, OutOfRangeValuesComeBackOneStepAtATime)
{
    TPrintFineTune dialog({12, -10, 0, 0});
    EXPECT_EQ(dialog.valueText(TPrintFineTune::TopMargin)->text(), QStringLiteral("Increase by 12/32\""));
    dialog.lowerArrow(TPrintFineTune::TopMargin)->click();
    dialog.upperArrow(TPrintFineTune::TopMargin)->click();
    dialog.upperArrow(TPrintFineTune::LeftMargin)->click();
    dialog.lowerArrow(TPrintFineTune::LeftMargin)->click();
    EXPECT_EQ(dialog.nudges().Top, 11);
    EXPECT_EQ(dialog.nudges().Left, -9);
}

TEST(TPrintFineTune, DefaultClearsOnlyTheWorkingCopy)
{
    const PrinterNudges current{3, -2, 1, 5};
    TPrintFineTune dialog(current);
    auto *defaultButton = dialog.findChild<QPushButton *>(QStringLiteral("DefaultButton"));
    ASSERT_NE(defaultButton, nullptr);
    EXPECT_EQ(defaultButton->text(), QStringLiteral("Default"));
    defaultButton->click();
    const PrinterNudges nudges = dialog.nudges();
    EXPECT_EQ(nudges.Top, 0);
    EXPECT_EQ(nudges.Left, 0);
    EXPECT_EQ(nudges.VerticalPitch, 0);
    EXPECT_EQ(nudges.HorizontalPitch, 0);
    for (const auto spinner : {TPrintFineTune::TopMargin, TPrintFineTune::LeftMargin,
                               TPrintFineTune::VerticalSpacing, TPrintFineTune::HorizontalSpacing})
        EXPECT_EQ(dialog.valueText(spinner)->text(), QStringLiteral("None"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Printer Fine-Tuning"));
    // Cancel returns Rejected; nothing was handed back to the caller.
    dialog.reject();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
}

TEST(TPrintFineTune, OkHandsBackTheWorkingValues)
{
    TPrintFineTune dialog({0, 0, 0, 0});
    dialog.lowerArrow(TPrintFineTune::VerticalSpacing)->click();
    dialog.lowerArrow(TPrintFineTune::VerticalSpacing)->click();
    auto *ok = dialog.findChild<QPushButton *>(QStringLiteral("OKButton"));
    ASSERT_NE(ok, nullptr);
    ok->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.nudges().VerticalPitch, 2);
}

} // namespace
