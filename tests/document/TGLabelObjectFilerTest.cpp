#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "document/FileBytes.h"
#include "document/StreamReader.h"
#include "document/TGLabelObjectFiler.h"
#include "layout/LayoutRecordStream.h"
#include "objects/shapes/TGLineShape.h"
#include "support/RecordingSurface.h"

namespace {

TGLineShape &addLine(DesignSurface &surface, const QString &name, QRect bounds)
{
    auto line = std::make_unique<TGLineShape>();
    line->setName(name);
    line->setBounds(bounds.x(), bounds.y(), bounds.width(), bounds.height());
    line->setLineStyle(TLineStyle::stVertical);
    auto *added = static_cast<TGLineShape *>(surface.addObject(std::move(line)));
    added->Loaded();
    return *added;
}

QByteArray lineExample()
{
    return QByteArray("TPF0") +
           "\x0B"
           "TGLineShape" +
           "\x08"
           "Special1" +
           "\x04"
           "Left\x02\x0A" +
           "\x03"
           "Top\x02\x14" +
           "\x05"
           "Width\x02\x32" +
           "\x06"
           "Height\x02\x0F" +
           "\x06"
           "Locked\x08" +
           "\x0C"
           "Unselectable\x08" +
           "\x09"
           "LineStyle\x07\x0A"
           "stVertical" +
           QByteArray(2, '\0');
}

QByteArray layoutRecord(const TLabelLayout &layout)
{
    StreamWriter writer;
    writer.writeListBegin();
    LayoutRecordStream::write(writer, layout);
    writer.writeListEnd();
    return writer.bytes();
}

class FilerTest : public ::testing::Test
{
protected:
    QString path(const QString &name) const { return folder.filePath(name); }
    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir folder;
    RecordingSurface surface;
    TLabelLayout layout = TLabelLayout::defaultLayout().documentPrecision();
};

} // namespace

TEST_F(FilerTest, LineObjectRecordIsByteExact)
{
    const TGLineShape &line = addLine(surface, QStringLiteral("Special1"), QRect(10, 20, 50, 15));
    StreamWriter writer;
    TGLabelObjectFiler::writeObjectRecord(writer, line);
    EXPECT_EQ(writer.bytes().toHex(), lineExample().toHex());
}

TEST_F(FilerTest, EmptyDesignIsListEndListThenTheLayout)
{
    const QByteArray bytes = TGLabelObjectFiler::documentBytes(surface, layout);
    EXPECT_EQ(bytes.toHex(), (QByteArray("\x01\x00", 2) + layoutRecord(layout)).toHex());
    // LabelWidth is the single-precision 2.65 widened: mantissa bytes 9A 99 A9 after five zeros.
    const QByteArray labelWidth = QByteArray::fromHex("0500000000009A99A90040");
    EXPECT_TRUE(bytes.contains(labelWidth));
}

TEST_F(FilerTest, DocumentsRoundTripByteIdentically)
{
    addLine(surface, QStringLiteral("Special1"), QRect(10, 20, 50, 15));
    TGLineShape &second = addLine(surface, QStringLiteral("Special2"), QRect(1, 2, 300, 4));
    second.setLocked(true);
    second.pen().setWidth(3);
    second.pen().setColor(0x123456);
    second.setHint(QString(300, 'h'));
    layout.LabelsAcross = 3;
    layout.LabelsDown = 10;
    layout.HorizontalGutter = 0.125;
    const QString first = path(QStringLiteral("a.PQ"));
    TGLabelObjectFiler().SaveDocument(surface, first, layout);

    RecordingSurface reopened;
    TLabelLayout readLayout;
    TGLabelObjectFiler().LoadDocument(reopened, readLayout, first);
    EXPECT_EQ(readLayout, layout);
    ASSERT_EQ(reopened.objectCount(), 2);
    EXPECT_EQ(reopened.objectAt(0)->name(), QStringLiteral("Component0"));
    EXPECT_EQ(reopened.objectAt(1)->name(), QStringLiteral("Component1"));
    EXPECT_TRUE(reopened.objectAt(1)->locked());
    EXPECT_NE(reopened.objectAt(1)->ObjectMenu(), nullptr) << "Loaded builds the menu";

    // Names are not what the stream carries, so compare the re-saved bytes of the reopened document.
    const QString second_ = path(QStringLiteral("b.PQ"));
    TGLabelObjectFiler().SaveDocument(reopened, second_, readLayout);
    RecordingSurface third;
    TLabelLayout thirdLayout;
    TGLabelObjectFiler().LoadDocument(third, thirdLayout, second_);
    const QString third_ = path(QStringLiteral("c.PQ"));
    TGLabelObjectFiler().SaveDocument(third, third_, thirdLayout);
    EXPECT_EQ(FileBytes(second_).bytes().toByteArray(), FileBytes(third_).bytes().toByteArray());
    EXPECT_EQ(reopened.changes, 0) << "reading marks nothing changed";
}

TEST_F(FilerTest, ReadObjectsNamesFromTheFirstFreeNumberAndOffsetsTheStoredPlace)
{
    for (int i = 0; i < 5; ++i)
        addLine(surface, QStringLiteral("Component%1").arg(i), QRect(0, 0, 10, 10));
    const QString clipboard = path(QStringLiteral("Clipbrd.tmp"));
    writeFile(clipboard, QByteArray("\x01") + lineExample() + QByteArray(1, '\0'));

    TGLabelObjectFiler().ReadObjects(surface, clipboard);
    TGLabelObjectFiler().ReadObjects(surface, clipboard);
    ASSERT_EQ(surface.objectCount(), 7);
    EXPECT_EQ(surface.objectAt(5)->name(), QStringLiteral("Component5"));
    EXPECT_EQ(surface.objectAt(6)->name(), QStringLiteral("Component6"));
    for (int i : {5, 6})
        EXPECT_EQ(surface.objectAt(i)->boundsRect(), QRect(25, 35, 50, 15));
}

TEST_F(FilerTest, SelectionAndSingleObjectClipboardFiles)
{
    TGLineShape &line = addLine(surface, QStringLiteral("Special1"), QRect(10, 20, 50, 15));
    const QString clipboard = path(QStringLiteral("Clipbrd.tmp"));
    TGLabelObjectFiler().WriteSelection({}, clipboard);
    EXPECT_FALSE(QFile::exists(clipboard)) << "an empty selection writes nothing";
    TGLabelObjectFiler().WriteSelection({&line}, clipboard);
    EXPECT_EQ(FileBytes(clipboard).bytes().toByteArray(),
              QByteArray("\x01") + lineExample() + QByteArray(1, '\0'));
    TGLabelObjectFiler().WriteObject(line, clipboard);
    EXPECT_EQ(FileBytes(clipboard).bytes().toByteArray(),
              QByteArray("\x01") + lineExample() + QByteArray(1, '\0'));
}

TEST_F(FilerTest, MissingFilesChangeNothing)
{
    TLabelLayout kept = layout;
    TGLabelObjectFiler().LoadDocument(surface, kept, path(QStringLiteral("none.PQ")));
    TGLabelObjectFiler().ReadObjects(surface, path(QStringLiteral("none.tmp")));
    EXPECT_EQ(kept, layout);
    EXPECT_EQ(surface.objectCount(), 0);
}

TEST_F(FilerTest, ReadErrorsKeepCompletedObjectsWithoutSetUp)
{
    struct Case
    {
        const char *what;
        QByteArray secondRecord;
        const char *message;
    };
    QByteArray badSignature = lineExample();
    badSignature[3] = '1';
    QByteArray unknownClass = lineExample();
    unknownClass.replace("TGLineShape", "TGLineShapX");
    QByteArray unknownProperty = lineExample();
    unknownProperty.replace("LineStyle", "LineStylX");
    const Case cases[] = {
        {"signature", badSignature, "Invalid stream format"},
        {"class", unknownClass, "Class TGLineShapX not found"},
        {"property", unknownProperty, "Property LineStylX does not exist"},
        {"truncated", lineExample().left(40), "Stream read error"},
    };
    for (const Case &c : cases) {
        RecordingSurface target;
        TLabelLayout kept = layout;
        try {
            TGLabelObjectFiler().readDocument(QByteArray("\x01") + lineExample() + c.secondRecord, target,
                                              kept);
            ADD_FAILURE() << c.what;
        } catch (const StreamError &error) {
            EXPECT_EQ(error.message(), QString::fromLatin1(c.message)) << c.what;
        }
        ASSERT_EQ(target.objectCount(), 1) << c.what;
        EXPECT_EQ(target.objectAt(0)->ObjectMenu(), nullptr) << c.what;
        EXPECT_EQ(kept, layout) << c.what;
    }
}

TEST_F(FilerTest, EveryTruncationAndByteFlipFailsCleanly)
{
    addLine(surface, QStringLiteral("Special1"), QRect(10, 20, 50, 15));
    TGLineShape &second = addLine(surface, QStringLiteral("Special2"), QRect(1, 2, 30, 4));
    second.pen().setColor(0x123456);
    second.setHint(QStringLiteral("a hint"));
    const QByteArray document = TGLabelObjectFiler::documentBytes(surface, layout);

    for (qsizetype length = 0; length < document.size(); ++length) {
        RecordingSurface target;
        TLabelLayout read = layout;
        EXPECT_THROW(TGLabelObjectFiler().readDocument(document.left(length), target, read), StreamError)
            << length;
        EXPECT_LE(target.objectCount(), 2);
    }
    for (qsizetype at = 0; at < document.size(); ++at) {
        for (const char flip : {char(0xFF), char(0x80), char(0x01)}) {
            QByteArray damaged = document;
            damaged[at] = char(damaged[at] ^ flip);
            RecordingSurface target;
            TLabelLayout read = layout;
            try {
                TGLabelObjectFiler().readDocument(damaged, target, read);
            } catch (const StreamError &) {
            }
            EXPECT_LE(target.objectCount(), 2);
        }
    }
}

TEST_F(FilerTest, CloneCopiesThroughMemoryWithoutOffset)
{
    TGLineShape &line = addLine(surface, QStringLiteral("Special1"), QRect(10, 20, 50, 15));
    line.pen().setWidth(4);
    TGGraphicControl *copy = TGLabelObjectFiler().CloneObject(line, surface);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->name(), QStringLiteral("Component0"));
    EXPECT_EQ(copy->boundsRect(), line.boundsRect());
    EXPECT_EQ(static_cast<TGLineShape *>(copy)->pen().width(), 4);
}

TEST_F(FilerTest, AFailedSaveKeepsThePreviousDocument)
{
    addLine(surface, QStringLiteral("Special1"), QRect(10, 20, 50, 15));
    // The longest name a folder takes leaves no room for the temporary file beside it, so the
    // save fails before anything could be replaced.
    const QString target = path(QString(250, 'd') + QStringLiteral(".PQ"));
    writeFile(target, "previous document");
    EXPECT_THROW(TGLabelObjectFiler().SaveDocument(surface, target, layout), StreamError);
    EXPECT_EQ(FileBytes(target).bytes().toByteArray(), QByteArray("previous document"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 1) << "no temporary file left behind";
    EXPECT_THROW(TGLabelObjectFiler().SaveDocument(surface, folder.path(), layout), StreamError);
}
