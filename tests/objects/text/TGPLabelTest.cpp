#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "objects/text/ModalDialog.h"
#include "objects/text/TGetLabelText.h"
#include "objects/text/TGPLabel.h"
#include "platform/DialogButtonBar.h"
#include "platform/Help.h"
#include "support/RecordingSurface.h"

namespace {
TGPLabel &place(RecordingSurface &surface, QRect bounds = QRect(0, 0, 40, 20))
{
    auto *label = static_cast<TGPLabel *>(surface.addObject(std::make_unique<TGPLabel>()));
    label->setBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    label->Loaded();
    return *label;
}
} // namespace

TEST(TGPLabel, MenuAddsTextAndRotationAfterTheLabelItems)
{
    RecordingSurface surface;
    TGPLabel &label = place(surface);
    EXPECT_EQ(label.ObjectMenu()->captions(), (QStringList{"Bring To Front",
                                                           "Send To Back",
                                                           "Cut",
                                                           "Copy",
                                                           "Delete",
                                                           "Clone",
                                                           "-",
                                                           "Locked",
                                                           "Unselectable",
                                                           "-",
                                                           "Center Vertically",
                                                           "Center Horizontally",
                                                           "-",
                                                           "Font",
                                                           "3D Effects",
                                                           "Alignment",
                                                           "Transparent",
                                                           "Background Color",
                                                           "Border",
                                                           "-",
                                                           "Text",
                                                           "-",
                                                           "Rotation"}));
}

TEST(TGPLabel, NewObjectTakesThePlaceholderAndThePanelFont)
{
    TGPLabel label;
    Font panelFont;
    panelFont.setName(QStringLiteral("Liberation Serif"));
    panelFont.setSize(14);
    panelFont.setColor(Colors::clMaroon);
    label.PrepareNewObject(panelFont);
    EXPECT_EQ(label.caption(), QStringLiteral("<text>"));
    EXPECT_TRUE(label.font().sameValues(panelFont));
}

TEST(TGetLabelText, HasItsCaptionsAndButtons)
{
    TGetLabelText dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Text"));
    const auto labels = dialog.findChildren<QLabel *>();
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0]->text(), QStringLiteral("Enter Text"));
    EXPECT_EQ(dialog.labelText()->objectName(), QStringLiteral("LabelText"));
    EXPECT_EQ(dialog.buttons()->okButton()->text(), QStringLiteral("Ok"));
    EXPECT_TRUE(dialog.buttons()->okButton()->isDefault());
    EXPECT_EQ(dialog.buttons()->cancelButton()->text(), QStringLiteral("Cancel"));
    EXPECT_EQ(dialog.buttons()->helpButton()->text(), QStringLiteral("Help"));
    ASSERT_EQ(dialog.actions().size(), 1);
    EXPECT_EQ(dialog.actions()[0]->text(), QStringLiteral("What's this?"));
}

TEST(TGetLabelText, HelpOpensItsTopicAndLeavesTheDialogOpen)
{
    std::vector<int> topics;
    setHelpHandler([&topics](int number) { topics.push_back(number); });
    TGetLabelText dialog;
    dialog.show();
    QTest::mouseClick(dialog.buttons()->helpButton(), Qt::LeftButton);
    setHelpHandler({});
    EXPECT_EQ(topics, std::vector<int>{40004});
    EXPECT_TRUE(dialog.isVisible());
}

TEST(TGPLabel, TextDialogOkTakesTheTextAndGrowsTheBox)
{
    RecordingSurface surface;
    TGPLabel &label = place(surface);
    label.setCaption(QStringLiteral("Old"));
    label.UpdateLayout();
    bool seen = false;
    QString shown;
    whenDialogShows<TGetLabelText>(
        [&shown](TGetLabelText &dialog) {
            shown = dialog.labelText()->text();
            dialog.labelText()->clear();
            QTest::keyClicks(dialog.labelText(), QStringLiteral("A much longer caption"));
            QTest::mouseClick(dialog.buttons()->okButton(), Qt::LeftButton);
        },
        &seen);
    surface.changes = 0;
    label.ObjectMenu()->find(QStringLiteral("Text"))->click();
    EXPECT_TRUE(seen);
    EXPECT_EQ(shown, QStringLiteral("Old"));
    EXPECT_EQ(label.caption(), QStringLiteral("A much longer caption"));
    EXPECT_GT(label.width(), 100);
    EXPECT_GT(surface.changes, 0);
}

TEST(TGPLabel, TextDialogAcceptsAnEmptyTextAndCancelChangesNothing)
{
    RecordingSurface surface;
    TGPLabel &label = place(surface);
    whenDialogShows<TGetLabelText>([](TGetLabelText &dialog) {
        dialog.labelText()->setText(QStringLiteral("discarded"));
        QTest::mouseClick(dialog.buttons()->cancelButton(), Qt::LeftButton);
    });
    label.EditText();
    EXPECT_EQ(label.caption(), QStringLiteral("Text"));
    EXPECT_EQ(label.boundsRect(), QRect(0, 0, 40, 20));

    whenDialogShows<TGetLabelText>([](TGetLabelText &dialog) {
        dialog.labelText()->clear();
        QTest::keyClick(dialog.labelText(), Qt::Key_Return);
    });
    EXPECT_TRUE(label.EditNewObject());
    EXPECT_EQ(label.caption(), QString());
}
