#include "IniFile.h"

#include "Gbk.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QSaveFile>

namespace {

constexpr int kMaxValueBytes = 2047;

QList<QByteArray> readLines(const QString& file, bool* crlf, bool* exists)
{
    QFile f(file);
    *crlf = true;
    *exists = f.open(QIODevice::ReadOnly);
    if (!*exists)
        return {};
    const QByteArray all = f.readAll();
    if (all.contains('\n'))
        *crlf = all.contains("\r\n");
    QList<QByteArray> lines = all.split('\n');
    for (QByteArray& l : lines) {
        if (l.endsWith('\r'))
            l.chop(1);
    }
    if (!lines.isEmpty() && lines.constLast().isEmpty())
        lines.removeLast(); // the file's final line break
    return lines;
}

bool sectionName(const QByteArray& line, QString* name)
{
    const QByteArray t = line.trimmed();
    if (!t.startsWith('['))
        return false;
    const qsizetype close = t.indexOf(']');
    *name = FromGbk(close > 0 ? t.mid(1, close - 1) : t.mid(1)).trimmed();
    return true;
}

bool keyLine(const QByteArray& line, QString* key, QByteArray* value)
{
    const qsizetype eq = line.indexOf('=');
    if (eq < 0)
        return false;
    *key = FromGbk(line.left(eq)).trimmed();
    if (key->isEmpty())
        return false;
    *value = line.mid(eq + 1).trimmed();
    return true;
}

bool same(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QByteArray cutToBytes(QByteArray value)
{
    if (value.size() <= kMaxValueBytes)
        return value;
    value.truncate(kMaxValueBytes);
    // Never leave half of a two-byte character at the end.
    const QString text = FromGbk(value);
    if (!text.isEmpty() && text.back() == QChar::ReplacementCharacter)
        return ToGbk(text.left(text.size() - 1));
    return value;
}

} // namespace

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& def) const
{
    bool crlf = true, exists = false;
    const QList<QByteArray> lines = readLines(m_file, &crlf, &exists);
    bool inSection = false;
    for (const QByteArray& line : lines) {
        QString name;
        if (sectionName(line, &name)) {
            inSection = same(name, section);
            continue;
        }
        QString k;
        QByteArray v;
        if (inSection && keyLine(line, &k, &v) && same(k, key)) {
            if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
                v = v.mid(1, v.size() - 2);
            return FromGbk(cutToBytes(v));
        }
    }
    return def;
}

bool ParseIniInteger(const QString& text, int* value)
{
    const QString t = text.trimmed();
    bool ok = false;
    if (t.startsWith(QLatin1Char('$')) || t.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) {
        const QString digits = t.mid(t.startsWith(QLatin1Char('$')) ? 1 : 2);
        const qulonglong n = digits.toULongLong(&ok, 16);
        if (!ok || n > 0xFFFFFFFFull || digits.startsWith(QLatin1Char('+')) || digits.startsWith(QLatin1Char('-')))
            return false;
        *value = static_cast<int>(static_cast<quint32>(n));
        return true;
    }
    const qlonglong n = t.toLongLong(&ok, 10);
    if (!ok || n < INT_MIN || n > INT_MAX)
        return false;
    *value = static_cast<int>(n);
    return true;
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int def) const
{
    int v = 0;
    return ParseIniInteger(ReadString(section, key, QString()), &v) ? v : def;
}

bool TIniFile::WriteString(const QString& section, const QString& key, const QString& value, QString* error)
{
    bool crlf = true, exists = false;
    QList<QByteArray> lines = readLines(m_file, &crlf, &exists);
    const QByteArray newLine = ToGbk(key) + '=' + ToGbk(value);

    qsizetype sectionAt = -1, keyAt = -1, lastInSection = -1;
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString name;
        if (sectionName(lines.at(i), &name)) {
            if (inSection)
                break;
            inSection = same(name, section);
            if (inSection) {
                sectionAt = i;
                lastInSection = i;
            }
            continue;
        }
        if (!inSection)
            continue;
        if (!lines.at(i).trimmed().isEmpty())
            lastInSection = i;
        QString k;
        QByteArray v;
        if (keyLine(lines.at(i), &k, &v) && same(k, key)) {
            keyAt = i;
            break;
        }
    }
    if (keyAt >= 0)
        lines[keyAt] = newLine;
    else if (sectionAt >= 0)
        lines.insert(lastInSection + 1, newLine);
    else {
        lines << '[' + ToGbk(section) + ']' << newLine;
    }

    const QByteArray eol = crlf ? QByteArray("\r\n") : QByteArray("\n");
    QByteArray bytes;
    for (const QByteArray& l : std::as_const(lines))
        bytes += l + eol;

    QSaveFile out(m_file);
    out.setDirectWriteFallback(false);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        if (error)
            *error = QStringLiteral("Unable to write to %1").arg(QDir::toNativeSeparators(m_file));
        return false;
    }
    return true;
}

bool TIniFile::WriteInteger(const QString& section, const QString& key, int value, QString* error)
{
    return WriteString(section, key, QString::number(value), error);
}
