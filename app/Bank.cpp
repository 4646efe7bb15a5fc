#include "Bank.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {
QAtomicInt g_serial;

bool readText(const QString& file, QString* text, QString* error)
{
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("cannot read %1").arg(file);
        return false;
    }
    *text = QString::fromUtf8(f.readAll());
    return true;
}
} // namespace

namespace Bank {

QString SchemaText()
{
    QString text;
    readText(QStringLiteral(":/db/schema.sql"), &text, nullptr);
    return text;
}

QStringList SplitScript(const QString& script)
{
    QStringList out;
    QString current;
    bool inLiteral = false;
    bool inComment = false;
    for (qsizetype i = 0; i < script.size(); ++i) {
        const QChar c = script.at(i);
        if (inComment) {
            if (c == QLatin1Char('\n')) {
                inComment = false;
                current += c;
            }
            continue;
        }
        if (!inLiteral && c == QLatin1Char('-') && i + 1 < script.size() && script.at(i + 1) == QLatin1Char('-')) {
            inComment = true;
            continue;
        }
        if (c == QLatin1Char('\''))
            inLiteral = !inLiteral;
        if (!inLiteral && c == QLatin1Char(';')) {
            qsizetype j = i + 1;
            while (j < script.size() && (script.at(j) == QLatin1Char(' ') || script.at(j) == QLatin1Char('\r')))
                ++j;
            if (j >= script.size() || script.at(j) == QLatin1Char('\n')) {
                if (!current.trimmed().isEmpty())
                    out << current.trimmed();
                current.clear();
                continue;
            }
        }
        current += c;
    }
    if (!current.trimmed().isEmpty())
        out << current.trimmed();
    return out;
}

bool Create(const QString& path, const QStringList& scriptFiles, QString* error)
{
    const QString temp = path + QStringLiteral(".new");
    QFile::remove(temp);
    const QString name = QStringLiteral("bank-create-%1").arg(g_serial.fetchAndAddRelaxed(1));
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(temp);
        if (!db.open()) {
            if (error)
                *error = db.lastError().text();
            ok = false;
        }
        QStringList scripts{SchemaText()};
        for (const QString& file : scriptFiles) {
            QString text;
            if (ok && !readText(file, &text, error))
                ok = false;
            scripts << text;
        }
        if (ok)
            db.transaction();
        for (const QString& script : std::as_const(scripts)) {
            for (const QString& statement : SplitScript(script)) {
                if (!ok)
                    break;
                QSqlQuery q(db);
                if (!q.exec(statement)) {
                    if (error)
                        *error = q.lastError().text() + QStringLiteral("\n") + statement.left(200);
                    ok = false;
                }
            }
        }
        if (ok && !db.commit()) {
            if (error)
                *error = db.lastError().text();
            ok = false;
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (!ok) {
        QFile::remove(temp);
        return false;
    }
    QFile::remove(path);
    if (!QFile::rename(temp, path)) {
        if (error)
            *error = QStringLiteral("cannot write %1").arg(path);
        QFile::remove(temp);
        return false;
    }
    return true;
}

} // namespace Bank
