#include "platform/Cursor.h"

#include <array>

namespace {
struct NamedCursor
{
    TCursor value;
    const char *name;
    Qt::CursorShape shape;
};

using namespace Cursors;
constexpr std::array namedCursors{
    NamedCursor{crDefault, "crDefault", Qt::ArrowCursor},
    NamedCursor{crArrow, "crArrow", Qt::ArrowCursor},
    NamedCursor{crCross, "crCross", Qt::CrossCursor},
    NamedCursor{crIBeam, "crIBeam", Qt::IBeamCursor},
    NamedCursor{crSize, "crSize", Qt::SizeAllCursor},
    NamedCursor{crSizeNESW, "crSizeNESW", Qt::SizeBDiagCursor},
    NamedCursor{crSizeNS, "crSizeNS", Qt::SizeVerCursor},
    NamedCursor{crSizeNWSE, "crSizeNWSE", Qt::SizeFDiagCursor},
    NamedCursor{crSizeWE, "crSizeWE", Qt::SizeHorCursor},
    NamedCursor{crUpArrow, "crUpArrow", Qt::UpArrowCursor},
    NamedCursor{crHourGlass, "crHourGlass", Qt::WaitCursor},
    NamedCursor{crDrag, "crDrag", Qt::DragCopyCursor},
    NamedCursor{crNoDrop, "crNoDrop", Qt::ForbiddenCursor},
    NamedCursor{crHSplit, "crHSplit", Qt::SplitHCursor},
    NamedCursor{crVSplit, "crVSplit", Qt::SplitVCursor},
    NamedCursor{crMultiDrag, "crMultiDrag", Qt::DragMoveCursor},
    NamedCursor{crSQLWait, "crSQLWait", Qt::BusyCursor},
    NamedCursor{crNo, "crNo", Qt::ForbiddenCursor},
    NamedCursor{crAppStart, "crAppStart", Qt::BusyCursor},
    NamedCursor{crHelp, "crHelp", Qt::WhatsThisCursor},
};
} // namespace

std::optional<QByteArray> cursorToIdent(TCursor cursor)
{
    for (const NamedCursor &named : namedCursors) {
        if (named.value == cursor)
            return QByteArray(named.name);
    }
    return std::nullopt;
}

std::optional<TCursor> identToCursor(QByteArrayView ident)
{
    for (const NamedCursor &named : namedCursors) {
        if (ident.compare(QByteArrayView(named.name), Qt::CaseInsensitive) == 0)
            return named.value;
    }
    return std::nullopt;
}

Qt::CursorShape toQtCursorShape(TCursor cursor)
{
    if (cursor == crHandPoint)
        return Qt::PointingHandCursor;
    if (cursor == crHandGrab)
        return Qt::ClosedHandCursor;
    for (const NamedCursor &named : namedCursors) {
        if (named.value == cursor)
            return named.shape;
    }
    return Qt::ArrowCursor;
}
