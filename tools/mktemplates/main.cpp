// mktemplates: builds the shipped template database from the label-stock facts of the gLabels
// template files.
#include <QCoreApplication>
#include <QSet>
#include <QTextStream>

#include <map>

#include "document/FileBytes.h"
#include "document/StreamError.h"
#include "GlabelsTemplateReader.h"
#include "layout/TemplateDatabase.h"
#include "StockMapping.h"
#include "StockSelection.h"

namespace {

constexpr const char *usage = "usage: mktemplates GLABELS_TEMPLATE_FOLDER OUTPUT\n"
                              "  e.g. mktemplates /usr/share/libglabels-3.0/templates data/PQTPL.dat\n";

std::vector<StockCandidate> candidatesFrom(const GlabelsTemplateReader &reader, QTextStream &out)
{
    std::vector<StockCandidate> candidates;
    QSet<QString> parts;
    for (const GlabelsTemplate &stock : reader.templates()) {
        if (!StockMapping::isWanted(stock))
            continue;
        if (parts.contains(stock.part)) {
            out << "  left out " << stock.brand << ' ' << stock.part << ": listed twice\n";
            continue;
        }
        QString whyNot;
        const std::optional<TLabelLayout> layout = StockMapping::toLayout(stock, whyNot);
        if (!layout) {
            out << "  left out " << stock.brand << ' ' << stock.part << ": " << whyNot << '\n';
            continue;
        }
        parts.insert(stock.part);
        candidates.push_back(
            {*layout, stock.part, stock.equivalentOf.isEmpty() ? stock.part : stock.equivalentOf});
    }
    return candidates;
}

void printCounts(const std::vector<TLabelLayout> &records, QTextStream &out)
{
    std::map<QString, int> byCategory, byPrinter, byPaper, byCombination;
    QStringList artNames;
    for (const TLabelLayout &record : records) {
        ++byCategory[record.ProductType];
        ++byPrinter[record.PrinterType];
        ++byPaper[record.PaperSize];
        ++byCombination[record.ProductType + QLatin1Char(' ') + record.PaperSize + QLatin1Char(' ') +
                        record.PrinterType];
        if (!record.ArtName.isEmpty())
            artNames << record.ArtName;
    }
    const auto print = [&](const char *title, const std::map<QString, int> &counts) {
        out << title << ":\n";
        for (const auto &[key, count] : counts)
            out << "  " << key << ": " << count << '\n';
    };
    print("by product type", byCategory);
    print("by printer type", byPrinter);
    print("by paper", byPaper);
    print("by product type, paper and printer", byCombination);
    out << "stock pictures: " << artNames.join(QStringLiteral(", ")) << '\n';
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList arguments = application.arguments();
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (arguments.size() != 3) {
        err << usage;
        return 2;
    }

    GlabelsTemplateReader reader;
    reader.readFolder(arguments[1]);
    for (const QString &error : reader.errors())
        err << "mktemplates: " << error << '\n';
    if (!reader.errors().isEmpty())
        return 1;
    out << "read " << reader.templates().size() << " products\n";
    for (const SkippedTemplate &skipped : reader.skipped()) {
        if (skipped.brand == u"Avery" || skipped.brand == u"Zweckform")
            out << "  unreadable " << skipped.brand << ' ' << skipped.part << ": " << skipped.reason << '\n';
    }

    const std::vector<StockCandidate> candidates = candidatesFrom(reader, out);
    const std::vector<TLabelLayout> selection = selectStock(candidates, TemplateDatabase::Capacity);
    out << "kept " << selection.size() << " of " << candidates.size() << " products\n";

    const QByteArray bytes = TemplateDatabase::toBytes(selection);
    const TemplateDatabase check = TemplateDatabase::fromBytes(bytes);
    if (check.failed() || check.records() != selection) {
        err << "mktemplates: the database does not read back as written\n";
        return 1;
    }
    try {
        saveFileBytes(arguments[2], bytes);
    } catch (const StreamError &error) {
        err << "mktemplates: " << error.message() << '\n';
        return 1;
    }
    printCounts(selection, out);
    return 0;
}
