#include "platform/TickClock.h"

#include <QElapsedTimer>

namespace {
TickClock::Source &source()
{
    static TickClock::Source current;
    return current;
}

quint32 steadyTicks()
{
    static QElapsedTimer timer = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    // Zero means "never" to the callers, so the count starts at one.
    return quint32(timer.elapsed()) + 1;
}
} // namespace

quint32 TickClock::now()
{
    return source() ? source()() : steadyTicks();
}

void TickClock::setSource(Source replacement)
{
    source() = std::move(replacement);
}
