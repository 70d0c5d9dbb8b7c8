#include "print/ReportPaper.h"

ReportPaper ReportPaper::fromCode(const QString &code)
{
    if (code == QLatin1String("LTR"))
        return {Letter, false};
    if (code == QLatin1String("LTRL"))
        return {Letter, true};
    if (code == QLatin1String("A4"))
        return {A4, false};
    if (code == QLatin1String("A4L"))
        return {A4, true};
    if (code == QLatin1String("A5"))
        return {A5, false};
    return {};
}

std::optional<QPageSize> ReportPaper::pageSize() const
{
    switch (paperNumber) {
    case Letter:
        return QPageSize(QPageSize::Letter);
    case A4:
        return QPageSize(QPageSize::A4);
    case A5:
        return QPageSize(QPageSize::A5);
    default:
        return std::nullopt;
    }
}

QSizeF ReportPaper::sheetInches(QSizeF fallback) const
{
    const std::optional<QPageSize> size = pageSize();
    if (!size)
        return fallback;
    const QSizeF portrait = size->size(QPageSize::Inch);
    return landscape ? portrait.transposed() : portrait;
}
