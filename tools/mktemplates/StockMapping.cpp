#include "StockMapping.h"

#include <QRegularExpression>

#include <cmath>

namespace {

// Inches to five places: exact for the 1/32-inch fractions of US stock, and about a tenth of a
// micrometre off for metric stock, far below what a printer can place.
double rounded(double inches)
{
    return std::round(inches * 1e5) / 1e5;
}

bool mentions(const QString &description, std::initializer_list<const char *> words)
{
    for (const char *word : words) {
        if (description.contains(QLatin1StringView(word), Qt::CaseInsensitive))
            return true;
    }
    return false;
}

// The source mixes "Mailing labels" and "Mailing Labels"; longer lower-case words get a capital.
QString titleCase(const QString &description)
{
    QStringList words = description.simplified().split(QLatin1Char(' '));
    for (QString &word : words) {
        if (word.size() > 3 && word == word.toLower() && word.front().isLetter())
            word.front() = word.front().toUpper();
    }
    return words.join(QLatin1Char(' '));
}

// The stock pictures the program carries, by stock number.
const QStringList &shippedPictures()
{
    static const QStringList pictures = {
        QStringLiteral("AV12295"), QStringLiteral("AV12297"), QStringLiteral("AV2180"),
        QStringLiteral("AV4160"),  QStringLiteral("AV4161"),  QStringLiteral("AV4168"),
        QStringLiteral("AV4169"),  QStringLiteral("AV4266"),  QStringLiteral("AV5097"),
        QStringLiteral("AV5196"),  QStringLiteral("AV5198"),  QStringLiteral("AV5305"),
        QStringLiteral("AV5385"),  QStringLiteral("AV5386"),  QStringLiteral("AV5391"),
        QStringLiteral("AV5766"),  QStringLiteral("AV5776"),  QStringLiteral("AV5824"),
        QStringLiteral("AV5895"),  QStringLiteral("AV5896"),  QStringLiteral("AV8166"),
        QStringLiteral("AVWSD5"),  QStringLiteral("AVWSD8"),  QStringLiteral("AVWSI13"),
        QStringLiteral("AVWSI15"),
    };
    return pictures;
}

} // namespace

bool StockMapping::isWanted(const GlabelsTemplate &stock)
{
    if (stock.brand == u"Avery")
        return true;
    return stock.brand == u"Zweckform" && stock.categories.contains(QStringLiteral("filing"));
}

QString StockMapping::productType(const GlabelsTemplate &stock)
{
    const QStringList &categories = stock.categories;
    const QString &description = stock.description;
    if (mentions(description, {"Index", "Divider"}))
        return QLatin1StringView(indexCategory);
    if (categories.contains(QStringLiteral("filing")) || mentions(description, {"File", "Filing", "Binder"}))
        return QLatin1StringView(fileCategory);
    if (categories.contains(QStringLiteral("media")) || mentions(description, {"Diskette"}))
        return QLatin1StringView(mediaCategory);
    if (categories.contains(QStringLiteral("card")) || categories.contains(QStringLiteral("business-card")) ||
        mentions(description, {"Card"}))
        return QLatin1StringView(cardCategory);
    if (categories.contains(QStringLiteral("mail")) ||
        mentions(description, {"Address", "Shipping", "Mailing"}))
        return QLatin1StringView(addressCategory);
    return QLatin1StringView(miscellaneousCategory);
}

QString StockMapping::printerType(const QString &part)
{
    static const QRegularExpression number(QStringLiteral("^([A-Z]*)(\\d*)"));
    const QRegularExpressionMatch match = number.match(part);
    const QString prefix = match.captured(1);
    const QString digits = match.captured(2);
    // European parts say it with a letter: L for laser, J for inkjet.
    if (prefix == u"L" && !digits.isEmpty())
        return QStringLiteral("LJ");
    if (prefix == u"J" && !digits.isEmpty())
        return QStringLiteral("IJ");
    // Otherwise the series digit: 8 is the inkjet series (8160, 18160, 28371), the rest laser.
    QChar series;
    if (digits.size() == 5)
        series = digits[1];
    else if (!digits.isEmpty())
        series = digits[0];
    return series == u'8' ? QStringLiteral("IJ") : QStringLiteral("LJ");
}

QString StockMapping::labelShape(const GlabelsTemplate &stock)
{
    if (stock.outline == GlabelsTemplate::Outline::Ellipse)
        return QStringLiteral("EL");
    return stock.cornerRadius > 0 ? QStringLiteral("RR") : QStringLiteral("SR");
}

std::optional<QString> StockMapping::paperSize(const GlabelsTemplate &stock)
{
    if (stock.paperId == u"US-Letter")
        return QStringLiteral("LTR");
    if (stock.paperId == u"A4")
        return QStringLiteral("A4");
    if (stock.paperId == u"A5")
        return QStringLiteral("A5");
    return std::nullopt;
}

QString StockMapping::artName(const QString &part)
{
    const QString picture = QStringLiteral("AV") + part.toUpper();
    return shippedPictures().contains(picture) ? picture + QStringLiteral(".BMP") : QString();
}

QString StockMapping::templateName(const GlabelsTemplate &stock)
{
    return QStringLiteral("Avery %1 %2").arg(stock.part, titleCase(stock.description));
}

std::optional<TLabelLayout> StockMapping::toLayout(const GlabelsTemplate &stock, QString &whyNot)
{
    const std::optional<QString> paper = paperSize(stock);
    if (!paper) {
        whyNot = QStringLiteral("paper %1 has no paper code").arg(stock.paperId);
        return std::nullopt;
    }
    TLabelLayout layout;
    layout.TemplateName = templateName(stock);
    if (layout.TemplateName.size() > TLabelLayout::TemplateNameWidth) {
        whyNot = QStringLiteral("name longer than %1 characters").arg(TLabelLayout::TemplateNameWidth);
        return std::nullopt;
    }
    // A single column or row has no pitch in the source; the label's own size keeps the record
    // meaningful for an editor that checks pitch against size.
    const auto pitch = [](int count, double pitch, double size) {
        return count == 1 && pitch == 0 ? size : pitch;
    };
    layout.LabelHeight = rounded(stock.labelHeight);
    layout.LabelWidth = rounded(stock.labelWidth);
    layout.LabelsAcross = stock.across;
    layout.LabelsDown = stock.down;
    layout.TopMargin = rounded(stock.top);
    layout.LeftMargin = rounded(stock.left);
    layout.HorizontalPitch = rounded(pitch(stock.across, stock.horizontalPitch, stock.labelWidth));
    layout.VerticalPitch = rounded(pitch(stock.down, stock.verticalPitch, stock.labelHeight));
    layout.PageWidth = rounded(stock.paperWidth);
    layout.PageHeight = rounded(stock.paperHeight);
    layout.PrinterType = printerType(stock.part);
    layout.PaperSize = *paper;
    layout.LabelShape = labelShape(stock);
    layout.ProductType = productType(stock);
    layout.ArtName = artName(stock.part);
    if (layout.LabelWidth <= 0 || layout.LabelHeight <= 0 || layout.HorizontalPitch <= 0 ||
        layout.VerticalPitch <= 0) {
        whyNot = QStringLiteral("no label size or pitch");
        return std::nullopt;
    }
    return layout;
}
