#include "DbConnection.h"

#include "BuildConfig.h"
#include "DbQuery.h"
#include "EmbeddedProcs.h"

#include <QAtomicInt>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

QAtomicInt g_connectionSerial;

QString errorText(const QSqlError& e)
{
    QString text = e.databaseText();
    if (text.isEmpty())
        text = e.driverText();
    if (text.isEmpty())
        text = e.text();
    return text.trimmed();
}

bool isConnectionLost(const QSqlError& e)
{
    // SQLSTATE class 08: the link to the server is gone.
    return e.type() == QSqlError::ConnectionError || e.nativeErrorCode().startsWith(QLatin1String("08"));
}

} // namespace

QString TranslateEmbeddedDialect(const QString& sql)
{
    static const QString from = QStringLiteral("ISNULL(");
    QString out;
    out.reserve(sql.size());
    bool inLiteral = false;
    qsizetype i = 0;
    while (i < sql.size()) {
        const QChar c = sql.at(i);
        if (c == QLatin1Char('\'')) {
            inLiteral = !inLiteral; // a doubled quote toggles twice and stays inside
            out += c;
            ++i;
            continue;
        }
        if (!inLiteral && (c == QLatin1Char('I') || c == QLatin1Char('i'))
            && QStringView(sql).mid(i, from.size()).compare(from, Qt::CaseInsensitive) == 0) {
            const bool wordStart = i == 0 || !(sql.at(i - 1).isLetterOrNumber() || sql.at(i - 1) == QLatin1Char('_'));
            if (wordStart) {
                out += QStringLiteral("IFNULL(");
                i += from.size();
                continue;
            }
        }
        out += c;
        ++i;
    }
    return out;
}

TDbConnection::TDbConnection(Engine engine, QString target)
    : m_engine(engine), m_target(std::move(target)),
      m_name(QStringLiteral("DB1-%1").arg(g_connectionSerial.fetchAndAddRelaxed(1)))
{
}

TDbConnection::~TDbConnection()
{
    Close();
    QSqlDatabase::removeDatabase(m_name);
}

std::unique_ptr<TDbConnection> TDbConnection::Embedded(const QString& bankFile)
{
    return std::unique_ptr<TDbConnection>(new TDbConnection(Engine::Embedded, bankFile));
}

QString TDbConnection::OdbcConnectionString(const QString& host, int port, const QString& driver)
{
    // User and password end with ";" inside the string: FreeTDS keeps a
    // trailing NUL otherwise. UTF-8 on the wire, TDS 7.4 for SQL Server 2012+.
    QString s = QStringLiteral("DRIVER={%1};").arg(driver);
    if (driver.contains(QLatin1String("tds"), Qt::CaseInsensitive))
        s += QStringLiteral("SERVER=%1;PORT=%2;TDS_Version=7.4;ClientCharset=UTF-8;").arg(host).arg(port);
    else
        s += QStringLiteral("SERVER=%1,%2;").arg(host).arg(port);
    s += QStringLiteral("DATABASE=TKDB;UID=sa;PWD=kebrotylvamp4863;");
    return s;
}

std::unique_ptr<TDbConnection> TDbConnection::SqlServer(const QString& host, int port, const QString& driver)
{
    return std::unique_ptr<TDbConnection>(
        new TDbConnection(Engine::SqlServer, OdbcConnectionString(host, port, driver)));
}

std::unique_ptr<TDbConnection> TDbConnection::ForProgram(const QString& programFolder)
{
    const QString host = QString::fromUtf8(YQ_DB_HOST);
    if (host.isEmpty())
        return Embedded(programFolder + QStringLiteral("TKDB.db"));
    return SqlServer(host, 7818, QString::fromUtf8(YQ_ODBC_DRIVER));
}

QString TDbConnection::Description() const
{
    return m_engine == Engine::Embedded ? m_target : QStringLiteral("SQL Server (ODBC)");
}

bool TDbConnection::Open(QString* error)
{
    if (IsOpen())
        return true;
    QSqlDatabase db = QSqlDatabase::contains(m_name)
        ? QSqlDatabase::database(m_name, false)
        : QSqlDatabase::addDatabase(m_engine == Engine::Embedded ? QStringLiteral("QSQLITE") : QStringLiteral("QODBC"), m_name);
    if (!db.isValid()) {
        if (error)
            *error = QStringLiteral("数据库驱动不可用");
        return false;
    }
    db.setDatabaseName(m_target);
    if (m_engine == Engine::Embedded) {
        // The bank must already exist; opening never creates an empty one.
        if (!QFileInfo(m_target).isFile()) {
            if (error)
                *error = QStringLiteral("题库文件不存在：%1").arg(QDir::toNativeSeparators(m_target));
            return false;
        }
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    }
    if (!db.open()) {
        if (error)
            *error = errorText(db.lastError());
        return false;
    }
    if (m_engine == Engine::Embedded) {
        QSqlQuery pragma(db);
        pragma.exec(QStringLiteral("PRAGMA foreign_keys=ON"));
    }
    return true;
}

bool TDbConnection::IsOpen() const
{
    return QSqlDatabase::contains(m_name) && QSqlDatabase::database(m_name, false).isOpen();
}

void TDbConnection::Close()
{
    if (QSqlDatabase::contains(m_name))
        QSqlDatabase::database(m_name, false).close();
}

bool TDbConnection::Run(const QString& sql, bool wantRows, TQuery& query, QString* error)
{
    query.Close();
    if (m_hook && !m_hook(sql, error))
        return false;
    // A connection lost earlier is opened again for this statement.
    if (!IsOpen() && !Open(error))
        return false;
    if (m_engine == Engine::Embedded) {
        bool handled = false;
        const bool ok = runEmbeddedProcedure(sql, wantRows, query, error, &handled);
        if (handled)
            return ok;
        return runNative(TranslateEmbeddedDialect(sql), wantRows, query, error);
    }
    return runNative(sql, wantRows, query, error);
}

bool TDbConnection::runNative(const QString& sql, bool wantRows, TQuery& query, QString* error)
{
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!q.exec(sql)) {
        const QSqlError e = q.lastError();
        if (error)
            *error = errorText(e);
        if (m_engine == Engine::SqlServer && isConnectionLost(e))
            Close();
        return false;
    }
    if (!wantRows)
        return true;
    if (!q.isSelect()) {
        if (error)
            *error = QStringLiteral("CommandText does not return a result set");
        return false;
    }
    const QSqlRecord rec = q.record();
    QStringList columns;
    for (int c = 0; c < rec.count(); ++c)
        columns << rec.fieldName(c);
    QVector<QVector<QVariant>> rows;
    while (q.next()) {
        QVector<QVariant> row;
        row.reserve(rec.count());
        for (int c = 0; c < rec.count(); ++c)
            row << q.value(c);
        rows << std::move(row);
    }
    if (q.lastError().isValid()) {
        if (error)
            *error = errorText(q.lastError());
        return false;
    }
    query.SetResult(std::move(columns), std::move(rows));
    return true;
}

bool TDbConnection::runEmbeddedProcedure(const QString& sql, bool wantRows, TQuery& query, QString* error, bool* handled)
{
    static const QRegularExpression exec(QStringLiteral(R"(^\s*EXEC\s+(\w+)\s*(.*?)\s*$)"),
                                         QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch m = exec.match(sql);
    *handled = m.hasMatch();
    if (!*handled)
        return false;
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    return EmbeddedProcs::Call(db, m.captured(1), m.captured(2), wantRows, query, error);
}
