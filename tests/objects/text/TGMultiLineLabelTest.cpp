#include <gtest/gtest.h>

#include <QImage>
#include <QPlainTextEdit>

#include "document/TGLabelObjectFiler.h"
#include "objects/text/MultiLineText.h"
#include "objects/text/TextCanvas.h"
#include "objects/text/TGMultiLineLabel.h"
#include "objects/text/TMultiLineTextEditor.h"
#include "platform/Canvas.h"
#include "support/CallRecordingReport.h"
#include "support/RecordingSurface.h"

namespace {

// Ten pixels a character, spaces included, so wrap points are easy to see.
int fixedWidth(const QString &text)
{
    return int(text.size()) * 10;
}

TGMultiLineLabel &place(RecordingSurface &surface, const QStringList &lines,
                        QRect bounds = QRect(0, 0, 190, 60))
{
    auto *label = static_cast<TGMultiLineLabel *>(surface.addObject(std::make_unique<TGMultiLineLabel>()));
    label->setBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    label->setItems(lines);
    label->Loaded();
    return *label;
}

// The columns holding ink in the rows of one line.
std::pair<int, int> inkColumns(const QImage &image, int top, int bottom)
{
    int first = image.width();
    int last = -1;
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 160) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return {first, last};
}

} // namespace

TEST(MultiLineText, WrapsAtSpacesAndBreaksOverlongWords)
{
    struct Case
    {
        QStringList lines;
        int width;
        QStringList wrapped;
    };
    const Case cases[] = {
        {{"one two three"}, 80, {"one two ", "three"}},
        {{"one two three"}, 200, {"one two three"}},
        {{"abcdefghijkl"}, 50, {"abcde", "fghij", "kl"}},
        {{"ab abcdefghijkl"}, 50, {"ab ", "abcde", "fghij", "kl"}},
        {{"first", "", "second line"}, 60, {"first", "", "second ", "line"}},
        {{"x"}, 1, {"x"}},
    };
    for (const Case &c : cases)
        EXPECT_EQ(MultiLineText::wrap(c.lines, c.width, fixedWidth), c.wrapped)
            << c.lines.join('|').toStdString();
}

TEST(MultiLineText, PlaceholdersAndLinePositions)
{
    EXPECT_EQ(MultiLineText::displayLines({}), QStringList{"<blank>"});
    EXPECT_EQ(MultiLineText::displayLines({" "}), (QStringList{" ", "<blank>"}));
    EXPECT_EQ(MultiLineText::displayLines({"a", ""}), (QStringList{"a", ""}));
    EXPECT_EQ(MultiLineText::lineX(TAlignment::taLeftJustify, 190, 50), 0);
    EXPECT_EQ(MultiLineText::lineX(TAlignment::taCenter, 190, 50), 71);
    EXPECT_EQ(MultiLineText::lineX(TAlignment::taRightJustify, 190, 50), 139);
}

TEST(TGMultiLineLabel, RightAlignedLinesEndOnePixelLeftOfTheEdge)
{
    RecordingSurface surface;
    TGMultiLineLabel &label = place(surface, {"one", "two two", "three three three"});
    label.font().setColor(Colors::clBlack);
    label.setAlignment(TAlignment::taRightJustify);
    QImage image(190, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        Canvas canvas(&image);
        label.DrawMultiLine(canvas);
    }
    const int lineHeight = label.lineHeight();
    for (int k = 0; k < 3; ++k) {
        const auto [first, last] = inkColumns(image, k * lineHeight, (k + 1) * lineHeight);
        EXPECT_GE(last, 185) << "line " << k;
        EXPECT_LE(last, 188) << "line " << k;
        EXPECT_GT(first, 0) << "line " << k;
    }
}

TEST(TGMultiLineLabel, WordWrapFollowsTheWidthAndRewrapsOnResize)
{
    RecordingSurface surface;
    TGMultiLineLabel &label = place(surface, {"the quick brown fox jumps over the lazy dog"});
    label.setWordWrap(true);
    const auto wide = label.wrappedLines().size();
    EXPECT_GE(wide, 2);
    label.setWidth(80);
    EXPECT_GT(label.wrappedLines().size(), wide);
    for (const QString &line : label.wrappedLines())
        EXPECT_LE(TextCanvas::measuringCanvas().TextWidth(line.trimmed()), 80);
}

TEST(TGMultiLineLabel, MenuAndEditor)
{
    RecordingSurface surface;
    TGMultiLineLabel &label = place(surface, {"a"});
    const QStringList captions = label.ObjectMenu()->captions();
    EXPECT_EQ(captions.mid(12), (QStringList{"-", "Font", "Alignment", "-", "Text", "Word Wrap"}));
    EXPECT_EQ(label.ObjectMenu()->find(QStringLiteral("Alignment"))->captions(),
              (QStringList{"Left", "Center", "Right"}));
    label.ObjectMenu()->find(QStringLiteral("Center"))->click();
    label.PopupOpening();
    EXPECT_TRUE(label.ObjectMenu()->find(QStringLiteral("Center"))->checked());
    EXPECT_FALSE(label.ObjectMenu()->find(QStringLiteral("Left"))->checked());

    std::optional<QStringList> answer = QStringList{"new", "lines"};
    TMultiLineTextEditor::setEditor([&](const QStringList &, const Font &) { return answer; });
    label.ObjectMenu()->find(QStringLiteral("Text"))->click();
    EXPECT_EQ(label.items(), (QStringList{"new", "lines"}));
    answer.reset();
    label.ObjectMenu()->find(QStringLiteral("Text"))->click();
    EXPECT_EQ(label.items(), (QStringList{"new", "lines"})) << "Cancel changes nothing";
    TMultiLineTextEditor::setEditor({});
}

TEST(TGMultiLineLabel, ANewObjectWhoseEditorIsCancelledStillShowsOneLine)
{
    RecordingSurface surface;
    TGMultiLineLabel &label = place(surface, {});
    TMultiLineTextEditor::setEditor([](const QStringList &, const Font &) { return std::nullopt; });
    label.EditNewObject();
    TMultiLineTextEditor::setEditor({});
    EXPECT_EQ(label.height(), label.lineHeight()) << "the box fits the \"<blank>\" it shows";
    EXPECT_EQ(label.width(), 190);
}

TEST(TMultiLineTextEditor, TakesAtMost254CharactersAndHasItsCaption)
{
    TMultiLineTextEditor editor({QString(300, 'x')}, Font());
    EXPECT_EQ(editor.windowTitle(), QStringLiteral("Multi-line Text Editor"));
    EXPECT_EQ(editor.Memo()->toPlainText().size(), 254);
    editor.Memo()->setPlainText(QString(260, 'y'));
    EXPECT_EQ(editor.Memo()->toPlainText().size(), 254);
    editor.Memo()->setPlainText(QStringLiteral("a\nb"));
    EXPECT_EQ(editor.lines(), (QStringList{"a", "b"}));
}

TEST(TGMultiLineLabel, RoundTripsAndPrintsIntoItsBox)
{
    RecordingSurface surface;
    TGMultiLineLabel &label = place(surface, {"first", "second"}, QRect(96, 48, 96, 30));
    label.setWordWrap(true);
    const TLabelLayout layout = TLabelLayout::defaultLayout().documentPrecision();
    const QByteArray bytes = TGLabelObjectFiler::documentBytes(surface, layout);
    RecordingSurface reopened;
    TLabelLayout readLayout;
    TGLabelObjectFiler().readDocument(bytes, reopened, readLayout);
    ASSERT_EQ(reopened.objectCount(), 1);
    auto &read = static_cast<TGMultiLineLabel &>(*reopened.objectAt(0));
    EXPECT_EQ(read.items(), (QStringList{"first", "second"}));
    EXPECT_TRUE(read.wordWrap());
    EXPECT_FALSE(read.autoSize());
    reopened.objectAt(0)->setName(surface.objectAt(0)->name());
    EXPECT_EQ(TGLabelObjectFiler::documentBytes(reopened, readLayout), bytes);

    CallRecordingReport report;
    label.PrintAt(report, 0.5, 0.25);
    EXPECT_EQ(report.calls, QStringList{"stretchPicture(1.5, 0.75, 2.5, 1.0625)"});
}
