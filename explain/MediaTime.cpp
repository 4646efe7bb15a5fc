#include "MediaTime.h"

QString FormatMediaTime(qint64 t)
{
    if (t == NoMediaTime)
        return QStringLiteral("N/A");
    const qint64 u = t + 5000;
    const qint64 s = u / 1000000;
    const qint64 r = u % 1000000;
    const qint64 hours = (s / 60) / 60;
    const qint64 minutes = (s / 60) % 60;
    const qint64 seconds = s % 60;
    const qint64 ms = r * 1000 / 1000000;
    return QString::asprintf("%.2lld:%.2lld:%.2lld.%.3lld", static_cast<long long>(hours), static_cast<long long>(minutes),
                             static_cast<long long>(seconds), static_cast<long long>(ms));
}
