#include <QAbstractButton>
#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QTimer>

#include <gtest/gtest.h>

#include "app/MessageBoxes.h"
#include "app/MessageBoxInterceptor.h"

namespace {
TEST(MessageBoxesTest, ConfirmAsksYesOrNoWithAQuestionIcon)
{
    const struct
    {
        QMessageBox::StandardButton answer;
        bool expected;
    } cases[] = {{QMessageBox::Yes, true}, {QMessageBox::No, false}, {QMessageBox::NoButton, false}};
    for (const auto &c : cases) {
        const MessageBoxInterceptor boxes(c.answer);
        EXPECT_EQ(Confirm(QStringLiteral("Save changes?"), QStringLiteral("Save")), c.expected);
        ASSERT_EQ(boxes.boxes().size(), 1);
        EXPECT_EQ(boxes.boxes().first(),
                  (MessageBoxRequest{QStringLiteral("Save changes?"), QStringLiteral("Save"),
                                     QMessageBox::Question, QMessageBox::Yes | QMessageBox::No}));
    }
}

TEST(MessageBoxesTest, ShowInfoIsAnOkBoxCaptionedInformation)
{
    const MessageBoxInterceptor boxes(QMessageBox::Yes);
    ShowInfo(QStringLiteral("Must be a PQ (Pellora) file"));
    ShowInfo(QStringLiteral("first\rsecond"));
    ASSERT_EQ(boxes.boxes().size(), 2);
    EXPECT_EQ(boxes.boxes()[0],
              (MessageBoxRequest{QStringLiteral("Must be a PQ (Pellora) file"), QStringLiteral("Information"),
                                 QMessageBox::Information, QMessageBox::Ok}));
    EXPECT_EQ(boxes.boxes()[1].Text, QStringLiteral("first\rsecond")) << "recorded as the program wrote it";
}

TEST(MessageBoxesTest, InterceptorAnswersWithAButtonTheBoxOffers)
{
    const struct
    {
        QMessageBox::StandardButton preset;
        QMessageBox::StandardButtons offered;
        QMessageBox::StandardButton expected;
    } cases[] = {
        {QMessageBox::Yes, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes},
        {QMessageBox::Ok, QMessageBox::Yes | QMessageBox::No, QMessageBox::No},
        {QMessageBox::NoButton, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
         QMessageBox::Cancel},
        {QMessageBox::Yes, QMessageBox::Ok, QMessageBox::Ok},
        {QMessageBox::NoButton, QMessageBox::Retry | QMessageBox::Ignore, QMessageBox::Retry},
    };
    for (const auto &c : cases) {
        const MessageBoxInterceptor boxes(c.preset);
        EXPECT_EQ(ShowMessageBox(QStringLiteral("text"), QStringLiteral("caption"), c.offered,
                                 QMessageBox::Warning),
                  c.expected);
    }
}

TEST(MessageBoxesTest, InterceptorsNestAndRestoreTheirPredecessor)
{
    MessageBoxInterceptor outer(QMessageBox::Yes);
    {
        MessageBoxInterceptor inner(QMessageBox::No);
        EXPECT_FALSE(Confirm(QStringLiteral("inner"), QStringLiteral("CONFIRM")));
        EXPECT_EQ(inner.boxes().size(), 1);
        inner.setAnswer(QMessageBox::Yes);
        EXPECT_TRUE(Confirm(QStringLiteral("inner again"), QStringLiteral("CONFIRM")));
    }
    EXPECT_TRUE(Confirm(QStringLiteral("outer"), QStringLiteral("CONFIRM")));
    ASSERT_EQ(outer.boxes().size(), 1);
    EXPECT_EQ(outer.boxes().first().Text, QStringLiteral("outer"));
}

TEST(MessageBoxesTest, CarriageReturnsShowAsLineBreaks)
{
    const struct
    {
        const char *text;
        const char *shown;
    } cases[] = {
        {"one\r\ntwo", "one\ntwo"},
        {"one\rtwo\rthree", "one\ntwo\nthree"},
        {"one\r\r\ntwo", "one\n\ntwo"},
        {"one\ntwo", "one\ntwo"},
        {"plain", "plain"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(messageBoxText(QString::fromUtf8(c.text)), QString::fromUtf8(c.shown)) << c.text;
}

// The real box, answered by clicking its button once it is up.
TEST(MessageBoxesTest, ModalBoxShowsPlainTextWithLineBreaks)
{
    QString shownText;
    Qt::TextFormat format = Qt::AutoText;
    QString caption;
    std::function<void()> answerWhenShown = [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(0, answerWhenShown);
            return;
        }
        shownText = box->text();
        format = box->textFormat();
        caption = box->windowTitle();
        box->button(QMessageBox::Yes)->click();
    };
    QTimer::singleShot(0, answerWhenShown);
    EXPECT_TRUE(Confirm(QStringLiteral("Delete /home/<b>x</b>.pq?\r\nSure"), QStringLiteral("CONFIRM")));
    EXPECT_EQ(shownText, QStringLiteral("Delete /home/<b>x</b>.pq?\nSure"));
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(caption, QStringLiteral("CONFIRM"));
}

TEST(MessageBoxesTest, BusyCursorUntilNormalCursorHoweverOftenAskedFor)
{
    BusyCursor();
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    BusyCursor();
    NormalCursor();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    NormalCursor();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}
} // namespace
