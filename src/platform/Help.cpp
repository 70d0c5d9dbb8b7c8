#include "platform/Help.h"

#include <QDebug>

namespace {
HelpHandler &handler()
{
    static HelpHandler current;
    return current;
}
} // namespace

void ShowHelpTopic(int number)
{
    if (handler())
        handler()(number);
    else
        qInfo("Help topic %d requested", number);
}

void setHelpHandler(HelpHandler replacement)
{
    handler() = std::move(replacement);
}
