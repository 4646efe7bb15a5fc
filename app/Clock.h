#pragma once
#include <QDateTime>

// The current time for everything that counts time (exam clock, SMS countdown).
// Tests set it; otherwise it is the system clock.
namespace Clock {
QDateTime Now();
void Set(const QDateTime& fixed); // an invalid time returns to the system clock
void Advance(qint64 msecs);
} // namespace Clock
