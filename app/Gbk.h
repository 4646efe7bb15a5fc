#pragma once
// GBK is the byte form of every text that leaves or enters the program
// (settings files, scrambling, length checks).

#include <QByteArray>
#include <QString>

QByteArray ToGbk(const QString& text);
QString FromGbk(const QByteArray& bytes);
// Length of the text in GBK bytes: a Chinese character counts two.
int GbkLength(const QString& text);
