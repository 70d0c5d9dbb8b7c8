#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QSizeF>
#include <QString>

#include <optional>

// The paper a print job asks for: a Windows paper number (0 for none, leaving the printer's own
// paper) and the orientation, as a label stock's paper code names them.
struct ReportPaper
{
    int paperNumber = 0;
    bool landscape = false;

    static constexpr int Letter = 1;
    static constexpr int A4 = 9;
    static constexpr int A5 = 11;

    // "LTR", "LTRL", "A4", "A4L", "A5"; any other code asks for no paper, portrait.
    static ReportPaper fromCode(const QString &code);
    // Letter, A4 and A5; none for any other number.
    std::optional<QPageSize> pageSize() const;
    QPageLayout::Orientation orientation() const
    {
        return landscape ? QPageLayout::Landscape : QPageLayout::Portrait;
    }
    // The sheet in inches as it lies in the printer, or the fallback when no paper is asked for.
    QSizeF sheetInches(QSizeF fallback) const;
};
