#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "support/InfoBoxRecorder.h"
#include "layout/TSelectTemplate.h"
#include "objects/text/ModalDialog.h"
#include "platform/DialogButtonBar.h"
#include "platform/Help.h"
#include "platform/Numbers.h"
#include "platform/Screen.h"

namespace {

TLabelLayout stock(const char *name, const char *productType, const char *printerType, const char *paperSize)
{
    TLabelLayout layout = TLabelLayout::defaultLayout();
    layout.TemplateName = QLatin1StringView(name);
    layout.ProductType = QLatin1StringView(productType);
    layout.PrinterType = QLatin1StringView(printerType);
    layout.PaperSize = QLatin1StringView(paperSize);
    return layout;
}

std::vector<TLabelLayout> fixtureStocks()
{
    std::vector<TLabelLayout> stocks = {
        stock("Avery 5161 Address Labels", "ADDRESS/SHIPPING LABELS", "LJ", "LTR"),
        stock("Avery 5160 Address Labels", "ADDRESS/SHIPPING LABELS", "LJ", "LTR"),
        stock("Avery 8160 Address Labels", "ADDRESS/SHIPPING LABELS", "IJ", "LTR"),
        stock("Avery L7160 Address Labels", "ADDRESS/SHIPPING LABELS", "LJ", "A4"),
        stock("Avery 5066 File Folder Labels", "FILE FOLDER LABELS", "LJ", "LTR"),
        stock("Avery 5266 Folder Labels", "FOLDER LABELS", "LJ", "LTR"),
        stock("Avery 3261 Postcards", "POSTCARDS", "IJ", "A4L"),
        stock("Avery 5095 Name Badges", "MISC", "LJ", "LTR"),
        stock("Avery", "MISC", "LJ", "LTR"),
    };
    TLabelLayout &address = stocks[1];
    address.LabelWidth = 2.625;
    address.LeftMargin = 0.1875;
    address.HorizontalPitch = 2.75;
    address.VerticalPitch = 1;
    return stocks;
}

QStringList listTexts(const TSelectTemplate &dialog)
{
    QStringList texts;
    for (int row = 0; row < dialog.templateList()->count(); ++row)
        texts << dialog.templateList()->item(row)->text();
    return texts;
}

QString selectedText(const TSelectTemplate &dialog)
{
    const QList<QListWidgetItem *> selected = dialog.templateList()->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

QStringList buttonTexts(const QButtonGroup *group)
{
    QStringList texts;
    for (int id = 0; group->button(id); ++id)
        texts << group->button(id)->text();
    return texts;
}

// On the round indicator: a radio button only takes clicks on its indicator and its text.
void clickRadio(QAbstractButton *button)
{
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// As the window system delivers one: a click, then the second press as a double click.
void doubleClick(QWidget *widget, QPoint at)
{
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QMouseEvent second(QEvent::MouseButtonDblClick, at, widget->mapToGlobal(at), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &second);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

class TSelectTemplateTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_folder.isValid());
        QFile file(databasePath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(TemplateDatabase::toBytes(fixtureStocks()));
    }

    QString databasePath() const { return m_folder.filePath(QStringLiteral("PQTPL.dat")); }
    QString otherPath(const QString &name) const { return m_folder.filePath(name); }

    QTemporaryDir m_folder;
};

QString shippedDatabasePath()
{
    return QStringLiteral(PELLORA_SOURCE_DATA_DIR) + QLatin1Char('/') + TemplateDatabase::fileName();
}

} // namespace

TEST_F(TSelectTemplateTest, CaptionsGroupsAndButtons)
{
    TSelectTemplate dialog(TLabelLayout::defaultLayout(), true, databasePath());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select Template"));
    EXPECT_EQ(dialog.findChild<QGroupBox *>(QStringLiteral("rProductType"))->title(),
              QStringLiteral("Product Type"));
    EXPECT_EQ(dialog.findChild<QGroupBox *>(QStringLiteral("rPrintertype"))->title(),
              QStringLiteral("Printer Type"));
    EXPECT_EQ(dialog.findChild<QGroupBox *>(QStringLiteral("rRegion"))->title(), QStringLiteral("Region"));
    EXPECT_EQ(buttonTexts(dialog.productTypeGroup()),
              (QStringList{"Address Labels", "Card Products", "Diskette Labels", "File Folder Labels",
                           "Index Products", "Miscellaneous", "All"}));
    EXPECT_EQ(buttonTexts(dialog.printerTypeGroup()), (QStringList{"Laserjet", "Inkjet/Deskjet", "All"}));
    EXPECT_EQ(buttonTexts(dialog.regionGroup()), (QStringList{"United States", "European", "All"}));
    EXPECT_EQ(dialog.buttons()->okButton()->text(), QStringLiteral("Ok"));
    EXPECT_TRUE(dialog.buttons()->okButton()->isDefault());
    EXPECT_EQ(dialog.buttons()->cancelButton()->text(), QStringLiteral("Cancel"));

    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    EXPECT_TRUE(dialog.typeAhead()->hasFocus());
    int topic = 0;
    setHelpHandler([&topic](int number) { topic = number; });
    QTest::mouseClick(dialog.buttons()->helpButton(), Qt::LeftButton);
    setHelpHandler({});
    EXPECT_EQ(topic, 1048);
}

TEST_F(TSelectTemplateTest, ANewDocumentStartsOnTheFirstItemsWithTheStockMeasurements)
{
    const TLabelLayout folder = fixtureStocks()[4];
    TSelectTemplate dialog(folder, true, databasePath());
    EXPECT_EQ(dialog.filter(), TemplateFilter{});
    EXPECT_TRUE(dialog.typeAhead()->text().isEmpty());
    EXPECT_EQ(listTexts(dialog), (QStringList{"5160 Address Labels", "5161 Address Labels"}));
    EXPECT_EQ(selectedText(dialog), QStringLiteral("5160 Address Labels"));
    EXPECT_EQ(dialog.description()->toPlainText().split(QLatin1Char('\n')),
              (QStringList{"Label Height: 1", "Label Width: 2.625", "# Across: 3", "# Down: 10",
                           "Top Margin: 0.5", "Left Margin: 0.1875", "Horizontal Pitch: 2.75",
                           "Vertical Pitch: 1", "Page Width: 8.5", "Page Height: 11", "Paper Size: Letter"}));
}

TEST_F(TSelectTemplateTest, EveryFilterChangeRefillsTheList)
{
    TSelectTemplate dialog(TLabelLayout::defaultLayout(), true, databasePath());
    dialog.show();
    struct Step
    {
        QButtonGroup *group;
        int item;
        QStringList list;
    };
    const Step steps[] = {
        {dialog.productTypeGroup(),
         int(ProductTypeFilter::All),
         {"", "5066 File Folder Labels", "5095 Name Badges", "5160 Address Labels", "5161 Address Labels",
          "5266 Folder Labels"}},
        {dialog.regionGroup(), int(RegionFilter::European), {"L7160 Address Labels"}},
        {dialog.printerTypeGroup(), int(PrinterTypeFilter::InkjetDeskjet), {"3261 Postcards"}},
        {dialog.regionGroup(), int(RegionFilter::All), {"3261 Postcards", "8160 Address Labels"}},
        {dialog.productTypeGroup(), int(ProductTypeFilter::CardProducts), {"3261 Postcards"}},
        {dialog.productTypeGroup(), int(ProductTypeFilter::DisketteLabels), {}},
        {dialog.printerTypeGroup(), int(PrinterTypeFilter::Laserjet), {}},
        {dialog.productTypeGroup(), int(ProductTypeFilter::FileFolderLabels), {"5066 File Folder Labels"}},
        // A stock named by the brand word alone shows as an empty item.
        {dialog.productTypeGroup(), int(ProductTypeFilter::Miscellaneous), {"", "5095 Name Badges"}},
    };
    for (const Step &step : steps) {
        clickRadio(step.group->button(step.item));
        EXPECT_EQ(listTexts(dialog), step.list) << step.group->button(step.item)->text().toStdString();
        EXPECT_EQ(selectedText(dialog), step.list.isEmpty() ? QString() : step.list.first());
    }
}

TEST_F(TSelectTemplateTest, TypeAheadSearchesFromTheSecondItemAndWraps)
{
    TSelectTemplate dialog(TLabelLayout::defaultLayout(), true, databasePath());
    dialog.show();
    clickRadio(dialog.regionGroup()->button(int(RegionFilter::All)));
    ASSERT_EQ(listTexts(dialog),
              (QStringList{"5160 Address Labels", "5161 Address Labels", "L7160 Address Labels"}));
    struct Step
    {
        const char *typed;
        const char *selected;
    };
    const Step steps[] = {
        {"5", "5161 Address Labels"},
        {"516", "5161 Address Labels"},
        {"5160", "5160 Address Labels"},
        {"l7", "L7160 Address Labels"},
        {"9", ""},
    };
    for (const Step &step : steps) {
        dialog.typeAhead()->setText(QLatin1StringView(step.typed));
        EXPECT_EQ(selectedText(dialog), QLatin1StringView(step.selected)) << step.typed;
    }
    dialog.typeAhead()->clear();
    QTest::keyClicks(dialog.typeAhead(), QStringLiteral("5160"));
    EXPECT_EQ(selectedText(dialog), QStringLiteral("5160 Address Labels")) << "typed key by key";
    const QString lines = dialog.description()->toPlainText();
    QTest::keyClicks(dialog.typeAhead(), QStringLiteral("x"));
    EXPECT_TRUE(selectedText(dialog).isEmpty());
    EXPECT_EQ(dialog.description()->toPlainText(), lines) << "no selection keeps the description";

    QTest::mouseClick(dialog.buttons()->okButton(), Qt::LeftButton);
    EXPECT_TRUE(dialog.isVisible()) << "Ok with nothing selected does nothing";
    EXPECT_FALSE(dialog.result());

    const QRect l7160 = dialog.templateList()->visualItemRect(dialog.templateList()->item(2));
    QTest::mouseClick(dialog.templateList()->viewport(), Qt::LeftButton, {}, l7160.center());
    EXPECT_EQ(selectedText(dialog), QStringLiteral("L7160 Address Labels"));
    EXPECT_TRUE(dialog.description()->toPlainText().endsWith(QStringLiteral("Paper Size: A4")));
}

TEST_F(TSelectTemplateTest, ChangingALayoutStartsOnTheCurrentStock)
{
    struct Case
    {
        TLabelLayout current;
        TemplateFilter filter;
        const char *typeAhead;
        const char *selected;
    };
    const std::vector<TLabelLayout> stocks = fixtureStocks();
    TLabelLayout user = TLabelLayout::defaultLayout();
    user.TemplateName = QStringLiteral("USER DEFINED");
    user.ProductType = QStringLiteral("FOLDER");
    TLabelLayout unbranded = stock("Own stock", "", "", "");
    const Case cases[] = {
        {stocks[1], {}, "5160 Address Labels", "5160 Address Labels"},
        {stocks[4],
         {ProductTypeFilter::FileFolderLabels, PrinterTypeFilter::Laserjet, RegionFilter::UnitedStates},
         "5066 File Folder Labels",
         "5066 File Folder Labels"},
        // Preset through FOLDER, but the filter looks for FILE and does not list it.
        {stocks[5],
         {ProductTypeFilter::FileFolderLabels, PrinterTypeFilter::Laserjet, RegionFilter::UnitedStates},
         "5266 Folder Labels",
         ""},
        {stocks[6],
         {ProductTypeFilter::CardProducts, PrinterTypeFilter::InkjetDeskjet, RegionFilter::European},
         "3261 Postcards",
         "3261 Postcards"},
        {user, {}, "", "5160 Address Labels"},
        {unbranded, {ProductTypeFilter::All, PrinterTypeFilter::All, RegionFilter::All}, "Own stock", ""},
    };
    for (const Case &c : cases) {
        TSelectTemplate dialog(c.current, false, databasePath());
        EXPECT_EQ(dialog.filter(), c.filter) << c.current.TemplateName.toStdString();
        EXPECT_EQ(dialog.typeAhead()->text(), QLatin1StringView(c.typeAhead));
        EXPECT_EQ(selectedText(dialog), QLatin1StringView(c.selected))
            << c.current.TemplateName.toStdString();
    }
}

TEST_F(TSelectTemplateTest, AnUnreadableDatabaseIsReportedOnceAndLeavesTheListEmpty)
{
    QByteArray bytes = TemplateDatabase::toBytes(fixtureStocks());
    bytes.chop(5);
    const QString broken = otherPath(QStringLiteral("broken.dat"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    file.close();
    const QString expected = TemplateDatabase::fromFile(broken).errorMessage();
    ASSERT_FALSE(expected.isEmpty());

    InfoBoxRecorder boxes;
    TSelectTemplate dialog(TLabelLayout::defaultLayout(), true, broken);
    dialog.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(boxes.texts(), QStringList{expected});
    EXPECT_EQ(dialog.templateList()->count(), 0);
    clickRadio(dialog.productTypeGroup()->button(int(ProductTypeFilter::All)));
    clickRadio(dialog.regionGroup()->button(int(RegionFilter::All)));
    EXPECT_EQ(dialog.templateList()->count(), 0) << "filters do not refill it";
    dialog.hide();
    dialog.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(boxes.texts().size(), 1);

    TSelectTemplate missing(TLabelLayout::defaultLayout(), true, otherPath(QStringLiteral("none.dat")));
    missing.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(boxes.texts().size(), 1) << "a missing database says nothing";
    EXPECT_EQ(missing.templateList()->count(), 0);
    QTest::mouseClick(missing.buttons()->okButton(), Qt::LeftButton);
    EXPECT_TRUE(missing.isVisible());
}

TEST_F(TSelectTemplateTest, DoubleClickChoosesAndCancelChoosesNothing)
{
    whenDialogShows<TSelectTemplate>([](TSelectTemplate &dialog) {
        QListWidget *list = dialog.templateList();
        doubleClick(list->viewport(), list->visualItemRect(list->item(1)).center());
        if (dialog.isVisible())
            dialog.reject();
    });
    const std::optional<TLabelLayout> chosen =
        TSelectTemplate::choose(nullptr, TLabelLayout::defaultLayout(), true, databasePath());
    ASSERT_TRUE(chosen);
    EXPECT_EQ(*chosen, fixtureStocks()[0]);

    whenDialogShows<TSelectTemplate>(
        [](TSelectTemplate &dialog) { QTest::mouseClick(dialog.buttons()->cancelButton(), Qt::LeftButton); });
    EXPECT_FALSE(TSelectTemplate::choose(nullptr, TLabelLayout::defaultLayout(), true, databasePath()));
}

TEST(TSelectTemplateShipped, Avery5160GivesAThreeByTenSheetOfRoundedLabels)
{
    whenDialogShows<TSelectTemplate>([](TSelectTemplate &dialog) {
        QTest::keyClicks(dialog.typeAhead(), QStringLiteral("5160 "));
        QTest::mouseClick(dialog.buttons()->okButton(), Qt::LeftButton);
        if (dialog.isVisible())
            dialog.reject();
    });
    const std::optional<TLabelLayout> chosen =
        TSelectTemplate::choose(nullptr, TLabelLayout::defaultLayout(), true, shippedDatabasePath());
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->TemplateName, QStringLiteral("Avery 5160 Address Labels"));
    EXPECT_EQ(chosen->LabelWidth, 2.625);
    EXPECT_EQ(chosen->LabelHeight, 1.0);
    EXPECT_EQ(chosen->LabelShape, QStringLiteral("RR"));
    EXPECT_EQ(chosen->LabelsAcross, 3);
    EXPECT_EQ(chosen->LabelsDown, 10);
    ASSERT_EQ(Screen::pixelsPerInch(), 96);
    EXPECT_EQ(Round(Screen::pixelsPerInch() * chosen->LabelWidth), 252);
    EXPECT_EQ(Round(Screen::pixelsPerInch() * chosen->LabelHeight), 96);

    // Changing the layout of the default document opens on that same stock.
    whenDialogShows<TSelectTemplate>(
        [](TSelectTemplate &dialog) { QTest::mouseClick(dialog.buttons()->okButton(), Qt::LeftButton); });
    const std::optional<TLabelLayout> again =
        TSelectTemplate::choose(nullptr, TLabelLayout::defaultLayout(), false, shippedDatabasePath());
    ASSERT_TRUE(again);
    EXPECT_EQ(*again, *chosen);
}
