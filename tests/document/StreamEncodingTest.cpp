#include <gtest/gtest.h>

#include <functional>

#include "document/PropertyStream.h"
#include "document/StreamReader.h"
#include "document/StreamWriter.h"
#include "platform/Font.h"
#include "platform/Pen.h"

namespace {
QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}

QByteArray written(const std::function<void(StreamWriter &)> &write)
{
    StreamWriter writer;
    write(writer);
    return writer.bytes();
}
} // namespace

TEST(StreamEncoding, ValuesUseTheSmallestTagAndTheirOwnIdentifiers)
{
    struct Case
    {
        const char *what;
        std::function<void(StreamWriter &)> write;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"int 0", [](StreamWriter &w) { w.writeInteger(0); }, hex("0200")},
        {"int 127", [](StreamWriter &w) { w.writeInteger(127); }, hex("027F")},
        {"int -128", [](StreamWriter &w) { w.writeInteger(-128); }, hex("0280")},
        {"int 128", [](StreamWriter &w) { w.writeInteger(128); }, hex("038000")},
        {"int -129", [](StreamWriter &w) { w.writeInteger(-129); }, hex("037FFF")},
        {"int 32767", [](StreamWriter &w) { w.writeInteger(32767); }, hex("03FF7F")},
        {"int 32768", [](StreamWriter &w) { w.writeInteger(32768); }, hex("0400800000")},
        {"int -32769", [](StreamWriter &w) { w.writeInteger(-32769); }, hex("04FF7FFFFF")},
        {"float 1", [](StreamWriter &w) { w.writeFloat(1.0); }, hex("050000000000000080FF3F")},
        {"empty string", [](StreamWriter &w) { w.writeString({}); }, hex("0600")},
        {"string", [](StreamWriter &w) { w.writeString(QStringLiteral("ab")); }, hex("06026162")},
        {"255 chars", [](StreamWriter &w) { w.writeString(QString(255, 'x')); },
         hex("06FF") + QByteArray(255, 'x')},
        {"256 chars", [](StreamWriter &w) { w.writeString(QString(256, 'x')); },
         hex("0C00010000") + QByteArray(256, 'x')},
        {"300 chars", [](StreamWriter &w) { w.writeString(QString(300, 'y')); },
         hex("0C2C010000") + QByteArray(300, 'y')},
        {"False", [](StreamWriter &w) { w.writeIdent("False"); }, hex("08")},
        {"True", [](StreamWriter &w) { w.writeIdent("True"); }, hex("09")},
        {"nil", [](StreamWriter &w) { w.writeIdent("nil"); }, hex("0D")},
        {"ident", [](StreamWriter &w) { w.writeIdent("taCenter"); }, hex("0708") + "taCenter"},
        {"empty set", [](StreamWriter &w) { w.writeSet(fontStyleNames(), 0); }, hex("0B00")},
        {"set", [](StreamWriter &w) { w.writeSet(fontStyleNames(), 0b101); },
         hex("0B") +
             "\x06"
             "fsBold"
             "\x0B"
             "fsUnderline" +
             hex("00")},
        {"binary", [](StreamWriter &w) { w.writeBinary("\x01\x02"); }, hex("0A020000000102")},
        {"long name", [](StreamWriter &w) { w.writeShortString(QByteArray(300, 'n')); },
         hex("FF") + QByteArray(255, 'n')},
    };
    for (const Case &c : cases)
        EXPECT_EQ(written(c.write).toHex(), c.bytes.toHex()) << c.what;
}

TEST(StreamEncoding, ReaderAcceptsWhatTheWriterWritesAndIntegersForFloats)
{
    StreamWriter writer;
    writer.writeInteger(-129);
    writer.writeInteger(100000);
    writer.writeFloat(2.765);
    writer.writeInteger(3);
    writer.writeString(QString(300, 'z'));
    writer.writeIdent("True");
    writer.writeBinary("abc");
    StreamReader reader(writer.bytes());
    EXPECT_EQ(reader.readInteger(), -129);
    EXPECT_EQ(reader.readInteger(), 100000);
    EXPECT_EQ(reader.readFloat(), 2.765);
    EXPECT_EQ(reader.readFloat(), 3.0);
    EXPECT_EQ(reader.readString(), QString(300, 'z'));
    EXPECT_EQ(reader.readIdent(), QByteArray("True"));
    EXPECT_EQ(reader.readBinary(), QByteArray("abc"));
    EXPECT_TRUE(reader.atEnd());
}

TEST(StreamEncoding, ReaderRejectsWrongTagsAndLengthsBeyondTheData)
{
    struct Case
    {
        QByteArray bytes;
        std::function<void(StreamReader &)> read;
        const char *message;
    };
    const Case cases[] = {
        {hex("0601"), [](StreamReader &r) { r.readString(); }, "Stream read error"},
        {hex("0CFFFFFF7F41"), [](StreamReader &r) { r.readString(); }, "Stream read error"},
        {hex("0AFFFFFFFF"), [](StreamReader &r) { r.readBinary(); }, "Stream read error"},
        {hex("0603616263"), [](StreamReader &r) { r.readInteger(); }, "Invalid property value"},
        {hex("0200"), [](StreamReader &r) { r.readString(); }, "Invalid property value"},
        {hex("0500"), [](StreamReader &r) { r.readFloat(); }, "Stream read error"},
        {QByteArray("TPF1"), [](StreamReader &r) { r.readSignature(); }, "Invalid stream format"},
        {QByteArray(), [](StreamReader &r) { r.readTag(); }, "Stream read error"},
    };
    for (const Case &c : cases) {
        StreamReader reader(c.bytes);
        try {
            c.read(reader);
            ADD_FAILURE() << "no error for " << c.bytes.toHex().constData();
        } catch (const StreamError &error) {
            EXPECT_EQ(error.message(), QString::fromLatin1(c.message)) << c.bytes.toHex().constData();
        }
    }
}

TEST(PropertyStream, NestedPropertiesUseDottedNamesAndSkipDefaults)
{
    Font font;
    font.setName(QStringLiteral("Arial"));
    font.setHeight(-13);
    font.setColor(0x123456);
    font.setStyle(fontStyleBit(FontStyle::fsItalic));
    StreamWriter writer;
    PropertyStream::writeProperties(writer, font);
    const QByteArray expected = QByteArray("\x05"
                                           "Color") +
                                hex("0456341200") +
                                "\x06"
                                "Height" +
                                hex("02F3") +
                                "\x04"
                                "Name" +
                                hex("0605") + "Arial" +
                                "\x05"
                                "Style" +
                                hex("0B08") + "fsItalic" + hex("00");
    EXPECT_EQ(writer.bytes().toHex(), expected.toHex());

    Font read;
    StreamReader reader(writer.bytes());
    while (!reader.atEnd())
        PropertyStream::readProperty(reader, read);
    EXPECT_TRUE(read.sameValues(font));
}

TEST(PropertyStream, ColoursAreIdentifiersWhenNamedAndReadInEitherForm)
{
    Pen pen;
    pen.setColor(0xFFFF00);
    StreamWriter writer;
    PropertyStream::writeProperties(writer, pen);
    EXPECT_EQ(writer.bytes(), QByteArray("\x05"
                                         "Color\x07\x06"
                                         "clAqua"));

    pen.setColor(0x123456);
    StreamWriter numeric;
    PropertyStream::writeProperties(numeric, pen);
    EXPECT_EQ(numeric.bytes().toHex(), (QByteArray("\x05"
                                                   "Color") +
                                        hex("0456341200"))
                                           .toHex());

    Pen read;
    StreamReader reader(writer.bytes());
    PropertyStream::readProperty(reader, read);
    EXPECT_EQ(read.color(), 0xFFFF00);
}

TEST(PropertyStream, UnknownNamesAndUnknownIdentifiersAreErrors)
{
    Pen pen;
    const QByteArray unknown = QByteArray("\x05"
                                          "Shade") +
                               hex("0201");
    const QByteArray badStyle = QByteArray("\x05"
                                           "Style\x07\x06"
                                           "psWavy");
    const QByteArray notNested = QByteArray("\x0B"
                                            "Width.Inner") +
                                 hex("0201");
    for (const QByteArray &bytes : {unknown, badStyle, notNested}) {
        StreamReader reader(bytes);
        EXPECT_THROW(PropertyStream::readProperty(reader, pen), StreamError) << bytes.constData();
    }
    try {
        StreamReader reader(unknown);
        PropertyStream::readProperty(reader, pen);
    } catch (const StreamError &error) {
        EXPECT_EQ(error.message(), QStringLiteral("Property Shade does not exist"));
    }
}
