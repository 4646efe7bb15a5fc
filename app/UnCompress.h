#pragma once
// Inflating the zlib streams (RFC 1950) that ship with the program.

#include <QByteArray>
#include <QString>

// Inflates file source into file target. A missing source creates no target;
// a broken stream leaves the target as far as it was written. Nothing escapes.
void DecompressFile(const QString& source, const QString& target);

// Inflates a whole stream held in memory; false (and no output) when it is not valid.
bool InflateBytes(const QByteArray& source, QByteArray* out);
