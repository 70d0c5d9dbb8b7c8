#include "GlabelsTemplateReader.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>

namespace {

QString attribute(const QXmlStreamReader &xml, const char *name)
{
    return xml.attributes().value(QLatin1StringView(name)).toString();
}

bool hasAttribute(const QXmlStreamReader &xml, const char *name)
{
    return xml.attributes().hasAttribute(QLatin1StringView(name));
}

struct TemplateProblem
{
    QString text;
    void note(const QString &problem)
    {
        if (text.isEmpty())
            text = problem;
    }
};

double lengthAttribute(const QXmlStreamReader &xml, const char *name, TemplateProblem &problem)
{
    double inches = 0;
    if (!GlabelsTemplateReader::parseLength(attribute(xml, name), inches))
        problem.note(QStringLiteral("unreadable %1").arg(QLatin1StringView(name)));
    return inches;
}

int countAttribute(const QXmlStreamReader &xml, const char *name, TemplateProblem &problem)
{
    bool ok = false;
    const int count = attribute(xml, name).toInt(&ok);
    if (!ok || count < 1)
        problem.note(QStringLiteral("unreadable %1").arg(QLatin1StringView(name)));
    return count;
}

// One label element with its grid. Only a single grid of one label fits a layout record.
void readLabel(QXmlStreamReader &xml, GlabelsTemplate &stock, TemplateProblem &problem)
{
    const QStringView kind = xml.name();
    if (kind == u"Label-rectangle") {
        stock.outline = GlabelsTemplate::Outline::Rectangle;
        stock.labelWidth = lengthAttribute(xml, "width", problem);
        stock.labelHeight = lengthAttribute(xml, "height", problem);
        if (hasAttribute(xml, "round"))
            stock.cornerRadius = lengthAttribute(xml, "round", problem);
    } else if (kind == u"Label-ellipse") {
        stock.outline = GlabelsTemplate::Outline::Ellipse;
        stock.labelWidth = lengthAttribute(xml, "width", problem);
        stock.labelHeight = lengthAttribute(xml, "height", problem);
    } else if (kind == u"Label-round" || kind == u"Label-cd") {
        stock.outline = GlabelsTemplate::Outline::Ellipse;
        const double diameter = 2 * lengthAttribute(xml, "radius", problem);
        stock.labelWidth = diameter;
        stock.labelHeight = diameter;
        // A disc label cut to a card shape gives its bounding size.
        if (hasAttribute(xml, "width"))
            stock.labelWidth = lengthAttribute(xml, "width", problem);
        if (hasAttribute(xml, "height"))
            stock.labelHeight = lengthAttribute(xml, "height", problem);
    } else {
        problem.note(QStringLiteral("label kind %1").arg(kind));
    }

    int layouts = 0;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"Layout") {
            ++layouts;
            stock.across = countAttribute(xml, "nx", problem);
            stock.down = countAttribute(xml, "ny", problem);
            stock.left = lengthAttribute(xml, "x0", problem);
            stock.top = lengthAttribute(xml, "y0", problem);
            stock.horizontalPitch = lengthAttribute(xml, "dx", problem);
            stock.verticalPitch = lengthAttribute(xml, "dy", problem);
        }
        xml.skipCurrentElement();
    }
    if (layouts != 1)
        problem.note(QStringLiteral("%1 label grids").arg(layouts));
}

} // namespace

bool GlabelsTemplateReader::parseLength(const QString &text, double &inches)
{
    static const QRegularExpression pattern(
        QStringLiteral("^\\s*([-+]?(?:\\d+\\.?\\d*|\\.\\d+))\\s*([a-z]*)\\s*$"));
    const QRegularExpressionMatch match = pattern.match(text);
    if (!match.hasMatch())
        return false;
    const double number = match.captured(1).toDouble();
    const QString unit = match.captured(2);
    if (unit.isEmpty() || unit == u"pt")
        inches = number / 72.0;
    else if (unit == u"in")
        inches = number;
    else if (unit == u"mm")
        inches = number / 25.4;
    else if (unit == u"cm")
        inches = number / 2.54;
    else if (unit == u"pc")
        inches = number / 6.0;
    else
        return false;
    return true;
}

void GlabelsTemplateReader::readFolder(const QString &folder)
{
    const QDir dir(folder);
    readPaperSizes(dir.filePath(QStringLiteral("paper-sizes.xml")));
    const QStringList files = dir.entryList({QStringLiteral("*.xml")}, QDir::Files, QDir::Name);
    for (const QString &file : files)
        readTemplateFile(dir.filePath(file));
    resolveEquivalents();
}

void GlabelsTemplateReader::readPaperSizes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_errors << QStringLiteral("%1: cannot open").arg(path);
        return;
    }
    QXmlStreamReader xml(&file);
    if (!xml.readNextStartElement())
        return;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"Paper-size") {
            PaperSize size;
            if (parseLength(attribute(xml, "width"), size.width) &&
                parseLength(attribute(xml, "height"), size.height))
                m_paperSizes.emplace_back(attribute(xml, "id"), size);
        }
        xml.skipCurrentElement();
    }
}

void GlabelsTemplateReader::readTemplateFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_errors << QStringLiteral("%1: cannot open").arg(path);
        return;
    }
    QXmlStreamReader xml(&file);
    if (!xml.readNextStartElement() || xml.name() != u"Glabels-templates")
        return;
    while (xml.readNextStartElement()) {
        if (xml.name() != u"Template") {
            xml.skipCurrentElement();
            continue;
        }
        GlabelsTemplate stock;
        stock.brand = attribute(xml, "brand");
        stock.part = attribute(xml, "part");
        stock.equivalentOf = attribute(xml, "equiv");
        stock.paperId = attribute(xml, "size");
        stock.description = hasAttribute(xml, "_description") ? attribute(xml, "_description")
                                                              : attribute(xml, "description");
        TemplateProblem problem;
        if (stock.equivalentOf.isEmpty()) {
            const auto paper = std::find_if(m_paperSizes.begin(), m_paperSizes.end(),
                                            [&](const auto &entry) { return entry.first == stock.paperId; });
            if (paper != m_paperSizes.end()) {
                stock.paperWidth = paper->second.width;
                stock.paperHeight = paper->second.height;
            } else {
                stock.paperWidth = lengthAttribute(xml, "width", problem);
                stock.paperHeight = lengthAttribute(xml, "height", problem);
            }
        }
        int labels = 0;
        while (xml.readNextStartElement()) {
            if (xml.name() == u"Meta") {
                const QString category = attribute(xml, "category");
                if (!category.isEmpty())
                    stock.categories << category;
                xml.skipCurrentElement();
            } else if (xml.name().startsWith(u"Label-")) {
                ++labels;
                readLabel(xml, stock, problem);
            } else {
                xml.skipCurrentElement();
            }
        }
        if (stock.equivalentOf.isEmpty() && labels != 1)
            problem.note(QStringLiteral("%1 kinds of label").arg(labels));
        if (problem.text.isEmpty())
            m_templates.push_back(stock);
        else
            m_skipped.push_back({stock.brand, stock.part, problem.text});
    }
    if (xml.hasError())
        m_errors << QStringLiteral("%1: %2").arg(path, xml.errorString());
}

void GlabelsTemplateReader::resolveEquivalents()
{
    std::vector<GlabelsTemplate> resolved;
    resolved.reserve(m_templates.size());
    for (const GlabelsTemplate &stock : m_templates) {
        if (stock.equivalentOf.isEmpty()) {
            resolved.push_back(stock);
            continue;
        }
        const auto original =
            std::find_if(m_templates.begin(), m_templates.end(), [&](const GlabelsTemplate &other) {
                return other.equivalentOf.isEmpty() && other.brand == stock.brand &&
                       other.part == stock.equivalentOf;
            });
        if (original == m_templates.end()) {
            m_skipped.push_back({stock.brand, stock.part,
                                 QStringLiteral("equivalent of unknown %1").arg(stock.equivalentOf)});
            continue;
        }
        GlabelsTemplate copy = *original;
        copy.part = stock.part;
        copy.equivalentOf = original->part;
        resolved.push_back(copy);
    }
    m_templates = std::move(resolved);
}
