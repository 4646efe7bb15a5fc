// mkbank BANK SEED FILE_SERVER_URL BANNER_DIR
// Builds the embedded demo bank: the schema, the seed, the file server's base
// URL and the banner pictures (BANNER_DIR/banner{F_IMG_INDEX}.jpg).

#include "Bank.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() != 5) {
        err << "usage: mkbank BANK SEED FILE_SERVER_URL BANNER_DIR\n";
        return 2;
    }
    const QString bank = args.at(1);
    const QString work = bank + QStringLiteral(".build");
    QString error;
    if (!Bank::Create(work, {args.at(2)}, &error)) {
        err << "mkbank: " << error << '\n';
        return 1;
    }
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("mkbank"));
        db.setDatabaseName(work);
        ok = db.open();
        QSqlQuery q(db);
        q.prepare(QStringLiteral("UPDATE T_SYS_PARAM SET F_SPARAM_VALUE=? WHERE F_SPARAM_ID=1 AND F_SPARAM_FLAG=0"));
        q.addBindValue(args.at(3));
        ok = ok && q.exec();
        QSqlQuery banners(db);
        ok = ok && banners.exec(QStringLiteral("SELECT F_IMG_ID, F_IMG_INDEX FROM T_ROLL_IMG"));
        while (ok && banners.next()) {
            QFile picture(QDir(args.at(4)).filePath(QStringLiteral("banner%1.jpg").arg(banners.value(1).toInt())));
            if (!picture.open(QIODevice::ReadOnly)) {
                err << "mkbank: missing " << picture.fileName() << '\n';
                ok = false;
                break;
            }
            QSqlQuery fill(db);
            fill.prepare(QStringLiteral("UPDATE T_ROLL_IMG SET F_IMG_DATA=? WHERE F_IMG_ID=?"));
            fill.addBindValue(picture.readAll());
            fill.addBindValue(banners.value(0));
            ok = fill.exec();
        }
        if (!ok)
            err << "mkbank: " << db.lastError().text() << '\n';
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("mkbank"));
    if (!ok) {
        QFile::remove(work);
        return 1;
    }
    QFile::remove(bank);
    if (!QFile::rename(work, bank)) {
        err << "mkbank: cannot write " << bank << '\n';
        return 1;
    }
    return 0;
}
