#pragma once
// Keyed scrambling of the remembered login: a running sum over the GBK bytes
// with a random start value, written as upper-case hex pairs. Not encryption.

#include <QString>

#include <optional>

inline const QString TelNoKey = QStringLiteral("qorwe%5871tuvkelpx@mnb6");
inline const QString PasswordKey = QStringLiteral("tGlomne%781b@kvrtz@wyu5");

QString ScrambleText(const QString& text, const QString& key);
// The same with a given start value 0..255 (fixed vectors).
QString ScrambleTextFrom(const QString& text, const QString& key, int start);
// The same on raw bytes (the text forms work on the GBK bytes of the text).
QString ScrambleBytes(const QByteArray& plain, const QByteArray& key, int start);
std::optional<QByteArray> UnscrambleBytes(const QString& text, const QByteArray& key);
// The plain text back; nothing when the text is not made of hex pairs as
// written by ScrambleText (empty, only the start pair, a bad digit).
std::optional<QString> UnscrambleText(const QString& text, const QString& key);
