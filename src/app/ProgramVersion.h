#pragma once

#include <QString>

// The product's version text, shown in the About box and the configuration report.
inline QString ProgramVersion()
{
    return QStringLiteral("0.1.0");
}
