#include <gtest/gtest.h>

#include "app/MessageBoxInterceptor.h"
#include "app/PrinterList.h"
#include "app/Printers.h"

namespace {
class FakePrinterList : public PrinterList
{
public:
    FakePrinterList(QStringList names, QString defaultName, bool pdf)
        : m_names(std::move(names))
        , m_default(std::move(defaultName))
        , m_pdf(pdf)
    {
        PrinterList::setCurrent(this);
    }
    ~FakePrinterList() override { PrinterList::setCurrent(nullptr); }

    QStringList printerNames() const override { return m_names; }
    QString defaultPrinterName() const override { return m_default; }
    bool pdfAvailable() const override { return m_pdf; }

private:
    QStringList m_names;
    QString m_default;
    bool m_pdf;
};

const QString noDefault =
    QStringLiteral("There is no default printer selected.\r\nUnable to perform printer related operations");
const QString noPrinters =
    QStringLiteral("There are no installed printers.\r\nUnable to perform printer related operations");

struct PrinterCase
{
    const char *name;
    QStringList printers;
    QString systemDefault;
    bool pdf;
    QStringList installed;
    QString defaultName;
    QString message; // empty: printing is available
};

TEST(PrintersTest, AvailabilityAndItsMessages)
{
    const PrinterCase cases[] = {
        {"system default", {"Laser", "Inkjet"}, "Inkjet", false, {"Laser", "Inkjet"}, "Inkjet", {}},
        {"printers without a default", {"Laser"}, "", false, {"Laser"}, "", noDefault},
        {"default the system no longer has", {"Laser"}, "Gone", false, {"Laser"}, "", noDefault},
        {"no printers at all", {}, "", false, {}, "", noPrinters},
        {"PDF when there is no printer", {}, "", true, {"Save as PDF"}, "Save as PDF", {}},
        {"PDF when no default is named", {"Laser"}, "", true, {"Laser", "Save as PDF"}, "Save as PDF", {}},
        {"system default before PDF", {"Laser"}, "Laser", true, {"Laser", "Save as PDF"}, "Laser", {}},
    };
    for (const PrinterCase &c : cases) {
        const FakePrinterList list(c.printers, c.systemDefault, c.pdf);
        EXPECT_EQ(installedPrinters(), c.installed) << c.name;
        EXPECT_EQ(defaultPrinterName(), c.defaultName) << c.name;
        EXPECT_EQ(HasDefaultPrinter(), !c.defaultName.isEmpty()) << c.name;

        const MessageBoxInterceptor quiet;
        EXPECT_EQ(PrinterAvailable(false), c.message.isEmpty()) << c.name;
        EXPECT_TRUE(quiet.boxes().isEmpty()) << c.name;

        const MessageBoxInterceptor boxes;
        EXPECT_EQ(PrinterAvailable(true), c.message.isEmpty()) << c.name;
        if (c.message.isEmpty()) {
            EXPECT_TRUE(boxes.boxes().isEmpty()) << c.name;
        } else {
            ASSERT_EQ(boxes.boxes().size(), 1) << c.name;
            EXPECT_EQ(boxes.boxes().first(), (MessageBoxRequest{c.message, QStringLiteral("Information"),
                                                                QMessageBox::Information, QMessageBox::Ok}))
                << c.name;
        }
    }
}

TEST(PrintersTest, SystemListAlwaysOffersPdf)
{
    EXPECT_TRUE(installedPrinters().contains(PdfPrinterName));
    EXPECT_TRUE(PrinterAvailable(false));
}
} // namespace
