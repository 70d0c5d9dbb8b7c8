#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// One product as the gLabels template files describe it, lengths converted to inches. A product
// listed only as equivalent to another carries that one's sheet and label with its own part number.
struct GlabelsTemplate
{
    enum class Outline { Rectangle, Ellipse };

    QString brand;
    QString part;
    // The part whose measurements an equivalent product shares; empty for a product of its own.
    QString equivalentOf;
    QString paperId;
    double paperWidth = 0;
    double paperHeight = 0;
    QString description;
    QStringList categories;

    Outline outline = Outline::Rectangle;
    double labelWidth = 0;
    double labelHeight = 0;
    double cornerRadius = 0;
    int across = 0;
    int down = 0;
    double left = 0;
    double top = 0;
    double horizontalPitch = 0;
    double verticalPitch = 0;
};

struct SkippedTemplate
{
    QString brand;
    QString part;
    QString reason;
};

// Reads every template file of a gLabels template folder, in file-name order, resolving
// equivalent products. Products that cannot be described by one grid of one label are reported in
// skipped() and left out.
class GlabelsTemplateReader
{
public:
    void readFolder(const QString &folder);
    const std::vector<GlabelsTemplate> &templates() const { return m_templates; }
    const std::vector<SkippedTemplate> &skipped() const { return m_skipped; }
    const QStringList &errors() const { return m_errors; }

    // A gLabels length: a number with an optional unit (pt, in, mm, cm, pc); points without one.
    static bool parseLength(const QString &text, double &inches);

private:
    struct PaperSize
    {
        double width = 0;
        double height = 0;
    };

    void readPaperSizes(const QString &path);
    void readTemplateFile(const QString &path);
    void resolveEquivalents();

    std::vector<GlabelsTemplate> m_templates;
    std::vector<std::pair<QString, PaperSize>> m_paperSizes;
    std::vector<SkippedTemplate> m_skipped;
    QStringList m_errors;
};
