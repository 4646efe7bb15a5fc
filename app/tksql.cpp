// tksql: runs one statement on the bank that the client of this program folder
// opens, and prints the rows as tab-separated text with a header, or the row
// count, or the failure text (exit code 1).
//   tksql [--bank FILE] "STATEMENT"

#include "DbQuery.h"
#include "ProgramFolder.h"
#include "UnDm.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString bank;
    if (args.size() >= 2 && args.first() == QLatin1String("--bank")) {
        bank = args.at(1);
        args = args.mid(2);
    }
    QTextStream out(stdout);
    QTextStream err(stderr);
    if (args.size() != 1) {
        err << "usage: tksql [--bank FILE] \"STATEMENT\"\n";
        return 2;
    }
    const QString sql = args.first();
    auto connection = bank.isEmpty() ? TDbConnection::ForProgram(ProgramFolder()) : TDbConnection::Embedded(bank);
    QString error;
    if (!connection->Open(&error)) {
        err << error << '\n';
        return 1;
    }
    TDm dm(nullptr, std::move(connection));
    TQuery q;
    const QString head = sql.trimmed().section(QLatin1Char(' '), 0, 0).toUpper();
    const bool rows = head == QLatin1String("SELECT") || head.startsWith(QLatin1String("SELECT*"))
        || head == QLatin1String("WITH") || head == QLatin1String("PRAGMA")
        || sql.contains(QLatin1String("P_CREATE_EXAM"), Qt::CaseInsensitive);
    if (rows) {
        if (!dm.OpenQuery(q, sql, &error)) {
            err << error << '\n';
            return 1;
        }
        out << q.FieldNames().join(QLatin1Char('\t')) << '\n';
        for (q.First(); !q.Eof(); q.Next()) {
            QStringList cells;
            for (int c = 0; c < q.FieldNames().size(); ++c) {
                const QVariant v = q.Value(c);
                cells << (v.metaType().id() == QMetaType::QByteArray
                              ? QStringLiteral("<%1 bytes>").arg(v.toByteArray().size())
                              : VariantText(v));
            }
            out << cells.join(QLatin1Char('\t')) << '\n';
        }
        out << "(" << q.RecordCount() << " rows)\n";
    } else {
        if (!dm.ExecQuery(q, sql, &error)) {
            err << error << '\n';
            return 1;
        }
        out << "OK\n";
    }
    return 0;
}
