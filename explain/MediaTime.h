#pragma once
#include <QString>

#include <limits>

// "hh:mm:ss.zzz" for a time in microseconds, 5 ms added before splitting;
// "N/A" for the player's no-time value.
QString FormatMediaTime(qint64 t);

inline constexpr qint64 NoMediaTime = std::numeric_limits<qint64>::min();
