#pragma once

#include <QByteArray>

// The one-byte tags that precede every value in the stream.
enum class ValueTag : quint8 {
    vaNull = 0,
    vaList = 1,
    vaInt8 = 2,
    vaInt16 = 3,
    vaInt32 = 4,
    vaExtended = 5,
    vaString = 6,
    vaIdent = 7,
    vaFalse = 8,
    vaTrue = 9,
    vaBinary = 10,
    vaSet = 11,
    vaLString = 12,
    vaNil = 13,
    vaCollection = 14,
};

QByteArray valueTagName(ValueTag tag);

// Every object record starts with these four bytes.
inline constexpr char objectSignature[] = "TPF0";
