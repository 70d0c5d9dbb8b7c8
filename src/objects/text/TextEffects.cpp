#include "objects/text/TextEffects.h"

const std::vector<QByteArray> &shadowDirectionNames()
{
    static const std::vector<QByteArray> names{"sdNone",      "sdRight",    "sdLeft",
                                               "sdDownRight", "sdDownLeft", "sdDown"};
    return names;
}

const std::vector<QByteArray> &highlightDirectionNames()
{
    static const std::vector<QByteArray> names{"hdNone",    "hdright",  "hdLeft",
                                               "hdUpRight", "hdUpLeft", "hdUp"};
    return names;
}

const std::vector<QByteArray> &alignmentNames()
{
    static const std::vector<QByteArray> names{"taLeftJustify", "taRightJustify", "taCenter"};
    return names;
}

const std::vector<QByteArray> &borderStyleNames()
{
    static const std::vector<QByteArray> names{"bsNone", "bsSingle"};
    return names;
}

QPoint shadowOffset(TShadowDirection direction, int depth)
{
    switch (direction) {
    case TShadowDirection::sdNone:
        break;
    case TShadowDirection::sdRight:
        return {depth, 0};
    case TShadowDirection::sdLeft:
        return {-depth, 0};
    case TShadowDirection::sdDownRight:
        return {depth, depth};
    case TShadowDirection::sdDownLeft:
        return {-depth, depth};
    case TShadowDirection::sdDown:
        return {0, depth};
    }
    return {0, 0};
}

QPoint highlightOffset(THighlightDirection direction, int depth)
{
    switch (direction) {
    case THighlightDirection::hdNone:
        break;
    case THighlightDirection::hdright:
        return {depth, 0};
    case THighlightDirection::hdLeft:
        return {-depth, 0};
    case THighlightDirection::hdUpRight:
        return {depth, -depth};
    case THighlightDirection::hdUpLeft:
        return {-depth, -depth};
    case THighlightDirection::hdUp:
        return {0, -depth};
    }
    return {0, 0};
}
