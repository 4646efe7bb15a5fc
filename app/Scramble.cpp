#include "Scramble.h"

#include "Gbk.h"

#include <QRandomGenerator>

namespace {

const char kHex[] = "0123456789ABCDEF";

void appendHex(QString& out, int value)
{
    out += QLatin1Char(kHex[(value >> 4) & 0xF]);
    out += QLatin1Char(kHex[value & 0xF]);
}

int hexDigit(QChar c)
{
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return c.unicode() - '0';
    if (c >= QLatin1Char('A') && c <= QLatin1Char('F'))
        return c.unicode() - 'A' + 10;
    if (c >= QLatin1Char('a') && c <= QLatin1Char('f'))
        return c.unicode() - 'a' + 10;
    return -1;
}

// Value of the pair at 0-based index pos; -1 when there is no valid pair.
int pairAt(const QString& text, qsizetype pos)
{
    if (pos + 1 >= text.size())
        return -1;
    const int hi = hexDigit(text.at(pos));
    const int lo = hexDigit(text.at(pos + 1));
    return hi < 0 || lo < 0 ? -1 : hi * 16 + lo;
}

} // namespace

QString ScrambleTextFrom(const QString& text, const QString& key, int start)
{
    return ScrambleBytes(ToGbk(text), ToGbk(key), start);
}

QString ScrambleBytes(const QByteArray& plain, const QByteArray& k, int start)
{
    int r = start & 0xFF;
    QString out;
    out.reserve(2 * (plain.size() + 1));
    appendHex(out, r);
    qsizetype ki = 0;
    for (const char ch : plain) {
        const int b = static_cast<unsigned char>(ch);
        r = (r + b) % 255;
        ki = ki < k.size() ? ki + 1 : 1;
        if (!k.isEmpty())
            r ^= static_cast<unsigned char>(k.at(ki - 1));
        appendHex(out, r);
    }
    return out;
}

QString ScrambleText(const QString& text, const QString& key)
{
    return ScrambleTextFrom(text, key, static_cast<int>(QRandomGenerator::system()->bounded(256)));
}

std::optional<QString> UnscrambleText(const QString& text, const QString& key)
{
    const auto plain = UnscrambleBytes(text, ToGbk(key));
    if (!plain)
        return std::nullopt;
    return FromGbk(*plain);
}

std::optional<QByteArray> UnscrambleBytes(const QString& text, const QByteArray& k)
{
    if (k.isEmpty())
        return std::nullopt;
    int prev = pairAt(text, 0);
    if (prev < 0)
        return std::nullopt;
    qsizetype pos = 2; // 0-based start of the next pair
    qsizetype ki = 0;
    QByteArray plain;
    do {
        const int cur = pairAt(text, pos);
        if (cur < 0)
            return std::nullopt;
        ki = ki < k.size() ? ki + 1 : 1;
        const int t = cur ^ static_cast<unsigned char>(k.at(ki - 1));
        const int b = prev < t ? t - prev : t - prev + 255;
        plain.append(static_cast<char>(b & 0xFF));
        prev = cur;
        pos += 2;
    } while (text.size() > pos + 1); // a last lone digit is ignored
    return plain;
}
