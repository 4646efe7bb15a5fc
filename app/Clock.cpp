#include "Clock.h"

namespace {
QDateTime& fixedTime()
{
    static QDateTime t;
    return t;
}
} // namespace

namespace Clock {
QDateTime Now() { return fixedTime().isValid() ? fixedTime() : QDateTime::currentDateTime(); }
void Set(const QDateTime& fixed) { fixedTime() = fixed; }
void Advance(qint64 msecs)
{
    if (fixedTime().isValid())
        fixedTime() = fixedTime().addMSecs(msecs);
}
} // namespace Clock
