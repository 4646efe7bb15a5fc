#include "Gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

QByteArray ToGbk(const QString& text)
{
    QStringEncoder encoder("GBK");
    if (!encoder.isValid())
        return text.toLocal8Bit();
    return encoder.encode(text);
}

QString FromGbk(const QByteArray& bytes)
{
    QStringDecoder decoder("GBK");
    if (!decoder.isValid())
        return QString::fromLocal8Bit(bytes);
    return decoder.decode(bytes);
}

int GbkLength(const QString& text)
{
    return static_cast<int>(ToGbk(text).size());
}
