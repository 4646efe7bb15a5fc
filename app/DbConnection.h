#pragma once
// The one database connection of the program (DB1): the embedded SQLite bank
// or SQL Server through ODBC. Statements are SQL text; the embedded engine
// carries a small dialect layer (ISNULL, the two procedures) and nothing more.

#include <QString>

#include <functional>
#include <memory>

class TQuery;

class TDbConnection
{
public:
    enum class Engine { Embedded, SqlServer };

    // The embedded bank in one SQLite file.
    static std::unique_ptr<TDbConnection> Embedded(const QString& bankFile);
    // SQL Server on host:port through the named ODBC driver.
    static std::unique_ptr<TDbConnection> SqlServer(const QString& host, int port, const QString& driver);
    // The connection that this build of the program opens from its program folder.
    static std::unique_ptr<TDbConnection> ForProgram(const QString& programFolder);

    ~TDbConnection();
    TDbConnection(const TDbConnection&) = delete;
    TDbConnection& operator=(const TDbConnection&) = delete;

    Engine engine() const { return m_engine; }
    QString Description() const;

    bool Open(QString* error);
    bool IsOpen() const;
    void Close();

    // Runs one statement. With wantRows the statement must yield a result set,
    // which is copied whole into the query. False with the failure text otherwise.
    bool Run(const QString& sql, bool wantRows, TQuery& query, QString* error);

    // Tests see every statement here, exactly as sent; returning false makes
    // that statement fail with the text put into *error.
    using StatementHook = std::function<bool(const QString& sql, QString* error)>;
    void SetStatementHook(StatementHook hook) { m_hook = std::move(hook); }

    // The ODBC connection string (credentials included), for diagnostics in tests.
    static QString OdbcConnectionString(const QString& host, int port, const QString& driver);

private:
    TDbConnection(Engine engine, QString target);
    bool runNative(const QString& sql, bool wantRows, TQuery& query, QString* error);
    bool runEmbeddedProcedure(const QString& sql, bool wantRows, TQuery& query, QString* error, bool* handled);

    Engine m_engine;
    QString m_target; // bank file, or the ODBC connection string
    QString m_name;   // QSqlDatabase connection name
    StatementHook m_hook;
};

// ISNULL( becomes IFNULL( outside string literals; literal text is never touched.
QString TranslateEmbeddedDialect(const QString& sql);
