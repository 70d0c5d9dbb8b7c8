#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "document/StreamWriter.h"
#include "layout/LayoutRecordStream.h"
#include "layout/TemplateDatabase.h"
#include "layout/TemplateFilters.h"

namespace {

TLabelLayout stock(int number)
{
    TLabelLayout layout = TLabelLayout::defaultLayout();
    layout.TemplateName = QStringLiteral("Avery %1 Address").arg(number);
    layout.LabelWidth = 2.625 + number / 1000.0;
    return layout;
}

std::vector<TLabelLayout> stocks(int count)
{
    std::vector<TLabelLayout> list;
    for (int number = 0; number < count; ++number)
        list.push_back(stock(number));
    return list;
}

QString shippedDatabasePath()
{
    return QStringLiteral(PELLORA_SOURCE_DATA_DIR) + QLatin1Char('/') + TemplateDatabase::fileName();
}

} // namespace

TEST(TemplateDatabase, ReadsRecordsInFileOrderWithFullPrecision)
{
    std::vector<TLabelLayout> written = stocks(3);
    written[1].LabelHeight = 1.0 / 3.0;
    written[2].TopMargin = 0.1;
    const TemplateDatabase database = TemplateDatabase::fromBytes(TemplateDatabase::toBytes(written));
    EXPECT_FALSE(database.failed());
    EXPECT_EQ(database.records(), written) << "reals are kept in 64 bits, not rounded to single";

    const TemplateDatabase empty = TemplateDatabase::fromBytes(QByteArray("\x01\x00", 2));
    EXPECT_FALSE(empty.failed());
    EXPECT_TRUE(empty.records().empty());
}

TEST(TemplateDatabase, AcceptsIntegerRealsLongStringsAndCutsTexts)
{
    StreamWriter writer;
    writer.writeListBegin();
    writer.writeString(QString(70, QLatin1Char('n')));
    writer.writeInteger(1);   // LabelHeight as vaInt8
    writer.writeInteger(300); // LabelWidth as vaInt16
    writer.writeInteger(3);
    writer.writeInteger(10);
    writer.writeInteger(-70000); // TopMargin as vaInt32
    for (int field = 0; field < 7; ++field)
        writer.writeFloat(0.5);
    writer.writeString(QStringLiteral("LJX"));
    writer.writeString(QStringLiteral("LTRLXX"));
    writer.writeString(QStringLiteral("RRR"));
    writer.writeString(QString(300, QLatin1Char('P'))); // vaLString
    writer.writeString(QStringLiteral("AV5196.BMP.OLD"));
    writer.writeListEnd();

    const TemplateDatabase database = TemplateDatabase::fromBytes(writer.bytes());
    ASSERT_FALSE(database.failed()) << database.errorMessage().toStdString();
    ASSERT_EQ(database.records().size(), 1u);
    const TLabelLayout &record = database.records()[0];
    EXPECT_EQ(record.TemplateName, QString(60, QLatin1Char('n')));
    EXPECT_EQ(record.LabelHeight, 1.0);
    EXPECT_EQ(record.LabelWidth, 300.0);
    EXPECT_EQ(record.TopMargin, -70000.0);
    EXPECT_EQ(record.PrinterType, QStringLiteral("LJ"));
    EXPECT_EQ(record.PaperSize, QStringLiteral("LTRLX"));
    EXPECT_EQ(record.LabelShape, QStringLiteral("RR"));
    EXPECT_EQ(record.ProductType, QString(25, QLatin1Char('P')));
    EXPECT_EQ(record.ArtName, QStringLiteral("AV5196.BMP.O"));
}

TEST(TemplateDatabase, EveryCutShortFileIsAReadErrorWithNoRecords)
{
    const QByteArray good = TemplateDatabase::toBytes(stocks(2));
    for (qsizetype length = 0; length < good.size(); ++length) {
        const TemplateDatabase database = TemplateDatabase::fromBytes(good.first(length));
        EXPECT_EQ(database.errorMessage(), QStringLiteral("Stream read error")) << "cut at " << length;
        EXPECT_TRUE(database.records().empty()) << "cut at " << length;
    }
}

TEST(TemplateDatabase, UnexpectedTagsAreInvalidPropertyValues)
{
    // Byte offsets into a one-record file: 0 is the start byte, 1 the name's tag.
    const QByteArray good = TemplateDatabase::toBytes(stocks(2));
    const qsizetype nameLength = stock(0).TemplateName.size();
    const qsizetype heightTag = 2 + 1 + nameLength;
    const qsizetype widthTag = heightTag + 11;
    const qsizetype acrossTag = widthTag + 11;
    struct Case
    {
        const char *what;
        qsizetype offset;
        char tag;
    };
    const Case cases[] = {
        {"no start byte", 0, 0x00},
        {"a list that starts with a string", 0, 0x06},
        {"a name stored as an identifier", 1, 0x07},
        {"a name stored as an integer", 1, 0x02},
        {"a real stored as a string", heightTag, 0x06},
        {"a real stored as a Boolean", widthTag, 0x09},
        {"a count stored as a real", acrossTag, 0x05},
    };
    for (const Case &c : cases) {
        QByteArray bytes = good;
        bytes[c.offset] = c.tag;
        const TemplateDatabase database = TemplateDatabase::fromBytes(bytes);
        EXPECT_EQ(database.errorMessage(), QStringLiteral("Invalid property value")) << c.what;
        EXPECT_TRUE(database.records().empty()) << c.what;
    }

    // Something other than the end byte after the last record starts a record that cannot be read.
    QByteArray trailing = good;
    trailing.insert(trailing.size() - 1, char(0x09));
    EXPECT_EQ(TemplateDatabase::fromBytes(trailing).errorMessage(), QStringLiteral("Invalid property value"));
}

TEST(TemplateDatabase, KeepsTheFirst300RecordsAndStillChecksTheRest)
{
    const std::vector<TLabelLayout> written = stocks(TemplateDatabase::Capacity + 5);
    const TemplateDatabase database = TemplateDatabase::fromBytes(TemplateDatabase::toBytes(written));
    EXPECT_FALSE(database.failed());
    ASSERT_EQ(database.records().size(), std::size_t(TemplateDatabase::Capacity));
    EXPECT_EQ(database.records().front(), written.front());
    EXPECT_EQ(database.records().back(), written[TemplateDatabase::Capacity - 1]);

    QByteArray damagedTail = TemplateDatabase::toBytes(written);
    damagedTail.chop(1);
    EXPECT_EQ(TemplateDatabase::fromBytes(damagedTail).errorMessage(), QStringLiteral("Stream read error"));
}

TEST(TemplateDatabase, ReadsFromAFileAndTreatsAMissingOneAsEmpty)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(TemplateDatabase::fileName());

    const TemplateDatabase missing = TemplateDatabase::fromFile(path);
    EXPECT_FALSE(missing.failed()) << "a missing database gives no message";
    EXPECT_TRUE(missing.records().empty());

    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(TemplateDatabase::toBytes(stocks(2)));
    file.close();
    const TemplateDatabase present = TemplateDatabase::fromFile(path);
    EXPECT_FALSE(present.failed());
    EXPECT_EQ(present.records(), stocks(2));

    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.close();
    EXPECT_EQ(TemplateDatabase::fromFile(path).errorMessage(), QStringLiteral("Stream read error"))
        << "an empty file lacks even the start byte";

    // Something that exists but cannot be read is reported, not taken for a missing database.
    const QString folderPath = folder.filePath(QStringLiteral("folder.dat"));
    ASSERT_TRUE(QDir().mkdir(folderPath));
    const TemplateDatabase unreadable = TemplateDatabase::fromFile(folderPath);
    EXPECT_EQ(unreadable.errorMessage(), QStringLiteral("Cannot open file ") + folderPath);
    EXPECT_TRUE(unreadable.records().empty());
}

// The database the program ships, as the chooser will see it.

TEST(ShippedTemplateDatabase, EveryRecordIsReadableAndFollowsTheChoosersConventions)
{
    const TemplateDatabase database = TemplateDatabase::fromFile(shippedDatabasePath());
    ASSERT_FALSE(database.failed()) << database.errorMessage().toStdString();
    ASSERT_GT(database.records().size(), 200u);
    ASSERT_LE(database.records().size(), std::size_t(TemplateDatabase::Capacity));

    const QStringList categoryWords = {QStringLiteral("ADDRESS"), QStringLiteral("CARD"),
                                       QStringLiteral("DISK"),    QStringLiteral("FILE"),
                                       QStringLiteral("INDEX"),   QStringLiteral("MISC")};
    QStringList names;
    for (const TLabelLayout &record : database.records()) {
        const std::string name = record.TemplateName.toStdString();
        EXPECT_TRUE(record.TemplateName.startsWith(QStringLiteral("Avery "))) << name;
        EXPECT_FALSE(names.contains(record.TemplateName)) << "listed twice: " << name;
        names << record.TemplateName;

        int words = 0;
        for (const QString &word : categoryWords)
            words += record.ProductType.contains(word) ? 1 : 0;
        EXPECT_EQ(words, 1) << name << " is in exactly one product filter";
        EXPECT_EQ(record.ProductType, record.ProductType.toUpper()) << name;

        EXPECT_TRUE(record.PrinterType == QStringLiteral("LJ") || record.PrinterType == QStringLiteral("IJ"))
            << name;
        EXPECT_FALSE(paperSizeLine(record.PaperSize).isEmpty())
            << name << " names a paper the printer is told";
        EXPECT_TRUE(QStringList({QStringLiteral("RR"), QStringLiteral("SR"), QStringLiteral("EL")})
                        .contains(record.LabelShape))
            << name;

        // The sheet matches its paper code, and the last label stays on it.
        const bool letter = record.PaperSize == QStringLiteral("LTR");
        EXPECT_NEAR(record.PageWidth, letter ? 8.5 : 210 / 25.4, 1e-4) << name;
        EXPECT_NEAR(record.PageHeight, letter ? 11.0 : 297 / 25.4, 1e-4) << name;
        ASSERT_GE(record.LabelsAcross, 1) << name;
        ASSERT_GE(record.LabelsDown, 1) << name;
        EXPECT_GT(record.LabelWidth, 0) << name;
        EXPECT_GT(record.LabelHeight, 0) << name;
        const QPointF last = labelPosition(record, record.LabelsDown - 1, record.LabelsAcross - 1);
        EXPECT_LE(last.x() + record.LabelWidth, record.PageWidth + 0.01) << name;
        EXPECT_LE(last.y() + record.LabelHeight, record.PageHeight + 0.01) << name;
        EXPECT_GE(record.LeftMargin, 0) << name;
        EXPECT_GE(record.TopMargin, 0) << name;

        // A stock picture is named after the stock number, as the main window looks it up.
        if (!record.ArtName.isEmpty()) {
            const QString number = record.TemplateName.mid(6).section(QLatin1Char(' '), 0, 0);
            EXPECT_EQ(record.ArtName, QStringLiteral("AV") + number + QStringLiteral(".BMP")) << name;
        }
    }
}

TEST(ShippedTemplateDatabase, EveryProductFilterOffersStock)
{
    const TemplateDatabase database = TemplateDatabase::fromFile(shippedDatabasePath());
    ASSERT_FALSE(database.failed()) << database.errorMessage().toStdString();
    struct Case
    {
        ProductTypeFilter product;
        PrinterTypeFilter printer;
        RegionFilter region;
    };
    const ProductTypeFilter everyProduct[] = {
        ProductTypeFilter::AddressLabels,  ProductTypeFilter::CardProducts,
        ProductTypeFilter::DisketteLabels, ProductTypeFilter::FileFolderLabels,
        ProductTypeFilter::IndexProducts,  ProductTypeFilter::Miscellaneous,
    };
    std::vector<Case> cases;
    for (ProductTypeFilter product : everyProduct) {
        cases.push_back({product, PrinterTypeFilter::Laserjet, RegionFilter::UnitedStates});
        // The source lists no Avery index products on A4 paper.
        if (product != ProductTypeFilter::IndexProducts)
            cases.push_back({product, PrinterTypeFilter::All, RegionFilter::European});
    }
    cases.push_back({ProductTypeFilter::All, PrinterTypeFilter::InkjetDeskjet, RegionFilter::UnitedStates});
    cases.push_back({ProductTypeFilter::All, PrinterTypeFilter::InkjetDeskjet, RegionFilter::European});
    cases.push_back({ProductTypeFilter::All, PrinterTypeFilter::Laserjet, RegionFilter::European});
    for (const Case &c : cases) {
        EXPECT_FALSE(filteredTemplateList(database.records(), {c.product, c.printer, c.region}).empty())
            << "product " << int(c.product) << ", printer " << int(c.printer) << ", region " << int(c.region);
    }
}

TEST(ShippedTemplateDatabase, ChoosingAvery5160GivesItsRealMeasurements)
{
    const TemplateDatabase database = TemplateDatabase::fromFile(shippedDatabasePath());
    const std::vector<TemplateListItem> list = filteredTemplateList(database.records(), TemplateFilter{});
    const int found = typeAheadMatch(list, QStringLiteral("5160 "));
    ASSERT_GE(found, 0);
    const TLabelLayout &chosen = database.records()[std::size_t(list[std::size_t(found)].recordIndex)];
    EXPECT_EQ(chosen.TemplateName, QStringLiteral("Avery 5160 Address Labels"));
    EXPECT_EQ(chosen.LabelWidth, 2.625);
    EXPECT_EQ(chosen.LabelHeight, 1.0);
    EXPECT_EQ(chosen.LabelShape, QStringLiteral("RR"));
    EXPECT_EQ(chosen.LabelsAcross, 3);
    EXPECT_EQ(chosen.LabelsDown, 10);
    EXPECT_EQ(chosen.PrinterType, QStringLiteral("LJ"));
    EXPECT_EQ(chosen.PaperSize, QStringLiteral("LTR"));
    EXPECT_TRUE(passesProductType(chosen, ProductTypeFilter::AddressLabels));
}
