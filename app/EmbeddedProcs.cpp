#include "EmbeddedProcs.h"

#include "DbQuery.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace {

bool fail(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

QString sqlErrorText(const QSqlError& e)
{
    return e.databaseText().isEmpty() ? e.text() : e.databaseText();
}

// Commits on success, rolls back on every other way out.
class Transaction
{
public:
    explicit Transaction(QSqlDatabase& db) : m_db(db), m_open(db.transaction()) {}
    ~Transaction()
    {
        if (m_open)
            m_db.rollback();
    }
    bool started() const { return m_open; }
    bool commit()
    {
        m_open = false;
        return m_db.commit();
    }

private:
    QSqlDatabase& m_db;
    bool m_open;
};

bool createExam(QSqlDatabase& db, int paperId, int userId, bool wantRows, TQuery& query, QString* error)
{
    Transaction tx(db);
    if (!tx.started())
        return fail(error, sqlErrorText(db.lastError()));
    QSqlQuery q(db);
    q.prepare(QStringLiteral("SELECT COUNT(*) FROM T_PAPER WHERE F_PAPER_ID=?"));
    q.addBindValue(paperId);
    if (!q.exec() || !q.next())
        return fail(error, sqlErrorText(q.lastError()));
    QVector<QVector<QVariant>> rows;
    if (q.value(0).toInt() > 0) {
        QSqlQuery ins(db);
        ins.prepare(QStringLiteral("INSERT INTO T_EXAM(F_PAPER_ID,F_USER_ID,F_START_TIME) VALUES(?,?,?)"));
        ins.addBindValue(paperId);
        ins.addBindValue(userId);
        ins.addBindValue(QDateTime::currentDateTime().toString(Qt::ISODate));
        if (!ins.exec())
            return fail(error, sqlErrorText(ins.lastError()));
        const qlonglong examId = ins.lastInsertId().toLongLong();
        // One answer row per question, inserted in the paper's order so that the
        // row keys follow that order too.
        QSqlQuery answers(db);
        answers.prepare(QStringLiteral(
            "INSERT INTO T_EXAM_ANSWER(F_EXAM_ID,F_QUESTION_ID,F_QUESTION_INDEX) "
            "SELECT ?,F_QUESTION_ID,F_QUESTION_INDEX FROM T_PAPER_QUESTION WHERE F_PAPER_ID=? "
            "ORDER BY F_QUESTION_INDEX,F_QUESTION_ID"));
        answers.addBindValue(examId);
        answers.addBindValue(paperId);
        if (!answers.exec())
            return fail(error, sqlErrorText(answers.lastError()));
        rows.append({QVariant(examId)});
    }
    if (!tx.commit())
        return fail(error, sqlErrorText(db.lastError()));
    if (wantRows)
        query.SetResult({QStringLiteral("F_EXAM_ID")}, std::move(rows));
    return true;
}

bool userLogin(QSqlDatabase& db, int userId, const QString& token, bool wantRows, TQuery& query, QString* error)
{
    Transaction tx(db);
    if (!tx.started())
        return fail(error, sqlErrorText(db.lastError()));
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO T_LOGIN_RECORD(F_USER_ID,F_LOGIN_TOKEN,F_LOGIN_TIME) VALUES(?,?,?)"));
    q.addBindValue(userId);
    q.addBindValue(token);
    q.addBindValue(QDateTime::currentDateTime().toString(Qt::ISODate));
    if (!q.exec())
        return fail(error, sqlErrorText(q.lastError()));
    if (!tx.commit())
        return fail(error, sqlErrorText(db.lastError()));
    if (wantRows)
        return fail(error, QStringLiteral("CommandText does not return a result set"));
    query.Close();
    return true;
}

} // namespace

namespace EmbeddedProcs {

bool Call(QSqlDatabase& db, const QString& name, const QString& args, bool wantRows, TQuery& query, QString* error)
{
    if (name.compare(QLatin1String("P_CREATE_EXAM"), Qt::CaseInsensitive) == 0) {
        static const QRegularExpression re(QStringLiteral(R"(^(-?\d+)\s*,\s*(-?\d+)$)"));
        const auto m = re.match(args);
        bool ok1 = false, ok2 = false;
        const int paper = m.hasMatch() ? m.captured(1).toInt(&ok1) : 0;
        const int user = m.hasMatch() ? m.captured(2).toInt(&ok2) : 0;
        if (!ok1 || !ok2)
            return fail(error, QStringLiteral("过程 P_CREATE_EXAM 的参数无效"));
        return createExam(db, paper, user, wantRows, query, error);
    }
    if (name.compare(QLatin1String("P_UserLogin"), Qt::CaseInsensitive) == 0) {
        // {UserID},'{Token}': the token is one string literal, quotes doubled inside.
        const qsizetype comma = args.indexOf(QLatin1Char(','));
        bool ok = comma > 0;
        const int user = ok ? args.left(comma).trimmed().toInt(&ok) : 0;
        const QString literal = ok ? args.mid(comma + 1).trimmed() : QString();
        QString token;
        ok = ok && literal.size() >= 2 && literal.front() == QLatin1Char('\'') && literal.back() == QLatin1Char('\'');
        for (qsizetype i = 1; ok && i < literal.size() - 1; ++i) {
            if (literal.at(i) == QLatin1Char('\'')) {
                ok = i + 1 < literal.size() - 1 && literal.at(i + 1) == QLatin1Char('\'');
                ++i;
            }
            token += literal.at(i);
        }
        if (!ok)
            return fail(error, QStringLiteral("过程 P_UserLogin 的参数无效"));
        return userLogin(db, user, token, wantRows, query, error);
    }
    return fail(error, QStringLiteral("找不到存储过程 '%1'").arg(name));
}

} // namespace EmbeddedProcs
