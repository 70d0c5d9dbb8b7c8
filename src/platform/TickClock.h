#pragma once

#include <QtGlobal>

#include <functional>

// The millisecond tick count the click, drag and paste rules measure time with. Tests replace the
// source so those rules run without sleeping.
namespace TickClock {
quint32 now();
using Source = std::function<quint32()>;
// An empty source returns to the system's steady clock.
void setSource(Source source);
} // namespace TickClock
