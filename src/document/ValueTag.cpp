#include "document/ValueTag.h"

QByteArray valueTagName(ValueTag tag)
{
    static const char *const names[] = {"vaNull",     "vaList",   "vaInt8",    "vaInt16", "vaInt32",
                                        "vaExtended", "vaString", "vaIdent",   "vaFalse", "vaTrue",
                                        "vaBinary",   "vaSet",    "vaLString", "vaNil",   "vaCollection"};
    const auto index = static_cast<unsigned>(tag);
    return index < std::size(names) ? QByteArray(names[index]) : QByteArray::number(index);
}
