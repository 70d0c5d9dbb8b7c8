#include "objects/text/MultiLineText.h"

#include "design/TGGraphicControl.h"

namespace {

qsizetype endOfWord(const QString &line, qsizetype from)
{
    while (from < line.size() && line[from] != QLatin1Char(' '))
        ++from;
    return from;
}

qsizetype endOfSpaces(const QString &line, qsizetype from)
{
    while (from < line.size() && line[from] == QLatin1Char(' '))
        ++from;
    return from;
}

void wrapLine(const QString &line, int width, const MultiLineText::TextWidth &textWidth, QStringList &out)
{
    if (line.isEmpty()) {
        out.append(QString());
        return;
    }
    qsizetype start = 0;
    while (start < line.size()) {
        // Whole words (with the spaces after them) while the words fit.
        qsizetype end = start;
        while (end < line.size()) {
            const qsizetype wordEnd = endOfWord(line, end);
            if (textWidth(line.mid(start, wordEnd - start)) > width)
                break;
            end = endOfSpaces(line, wordEnd);
        }
        if (end == start) {
            // A word longer than the line: as many characters as fit, at least one.
            end = start + 1;
            while (end < line.size() && line[end] != QLatin1Char(' ') &&
                   textWidth(line.mid(start, end + 1 - start)) <= width)
                ++end;
        }
        out.append(line.mid(start, end - start));
        start = end;
    }
}

} // namespace

QStringList MultiLineText::wrap(const QStringList &lines, int width, const TextWidth &textWidth)
{
    QStringList wrapped;
    for (const QString &line : lines)
        wrapLine(line, width, textWidth, wrapped);
    return wrapped;
}

QStringList MultiLineText::displayLines(QStringList lines)
{
    const QString placeholder = QStringLiteral("<blank>");
    if (lines.isEmpty())
        lines.append(placeholder);
    else if (lines.size() == 1 &&
             TGGraphicControl::TrimSpaces(lines.front(), TGGraphicControl::TrimMode::Both).isEmpty())
        lines.append(placeholder);
    return lines;
}

int MultiLineText::lineX(TAlignment alignment, int boxWidth, int lineWidth)
{
    switch (alignment) {
    case TAlignment::taRightJustify:
        return boxWidth - lineWidth - 1;
    case TAlignment::taCenter:
        return boxWidth / 2 - lineWidth / 2 + 1;
    case TAlignment::taLeftJustify:
        break;
    }
    return 0;
}
