#include "TestSupport.h"

#include "Bank.h"
#include "ProgramFolder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

QByteArray TestPicture(const char* format, int width, int height, QColor colour)
{
    QImage img(width, height, QImage::Format_RGB32);
    img.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, format);
    return bytes;
}

QByteArray ReadBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void WriteBytes(const QString& path, const QByteArray& data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(data);
}

QStringList FilesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

char* toString(const TBox& box)
{
    const char* icon = box.Icon == TBsDlg::Icon::Warning ? "warning" : box.Icon == TBsDlg::Icon::Information ? "information" : "none";
    return QTest::toString(QStringLiteral("[%1] %2 (%3)").arg(box.Title, box.Text, QString::fromLatin1(icon)));
}

TBoxRecorder::TBoxRecorder()
{
    TBsDlg::SetHandler([this](const QString& title, const QString& text, TBsDlg::Icon icon) {
        Boxes.append(TBox{title, text, icon});
    });
}

TBoxRecorder::~TBoxRecorder()
{
    TBsDlg::SetHandler({});
    // A box that no test looked at was not expected: it fails the test.
    if (!Boxes.isEmpty() && !QTest::currentTestFailed()) {
        const QByteArray text = QByteArray("unexpected message box ") + toString(Boxes.first());
        QTest::qFail(text.constData(), __FILE__, __LINE__);
    }
}

QVector<TBox> TBoxRecorder::Take()
{
    QVector<TBox> out;
    out.swap(Boxes);
    return out;
}

TBankFixture::TBankFixture(const QStringList& statements)
{
    SetProgramFolder(m_dir.path());
    const QString bank = Folder() + QStringLiteral("TKDB.db");
    QString error;
    if (!Bank::Create(bank, {}, &error))
        qFatal("cannot create bank: %s", qPrintable(error));
    Module = std::make_unique<TDm>(nullptr, TDbConnection::Embedded(bank));
    Module->DB1->SetStatementHook([this](const QString& sql, QString* err) {
        Statements << sql;
        if (OnStatement)
            OnStatement(sql);
        if (!FailWhenContains.isEmpty() && sql.contains(FailWhenContains)) {
            if (err)
                *err = QStringLiteral("simulated failure");
            return false;
        }
        return true;
    });
    for (const QString& s : statements)
        Exec(s);
    if (!Module->Connect(&error))
        qFatal("cannot open bank: %s", qPrintable(error));
    Statements.clear();
}

TBankFixture::~TBankFixture()
{
    Module.reset();
    SetProgramFolder(QString());
}

QString TBankFixture::Folder() const { return ProgramFolder(); }

static QSqlDatabase direct(const QString& folder)
{
    const QString name = QStringLiteral("fixture-direct");
    QSqlDatabase db = QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false)
                                                   : QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    if (db.databaseName() != folder + QStringLiteral("TKDB.db")) {
        db.close();
        db.setDatabaseName(folder + QStringLiteral("TKDB.db"));
    }
    if (!db.isOpen())
        db.open();
    return db;
}

void TBankFixture::Exec(const QString& sql)
{
    QSqlQuery q(direct(Folder()));
    if (!q.exec(sql))
        qFatal("fixture statement failed: %s\n%s", qPrintable(q.lastError().text()), qPrintable(sql));
}

void TBankFixture::ChangeSchema(const QStringList& statements)
{
    for (const QString& s : statements)
        Exec(s);
    Module->DB1->Close();
}

QVector<QStringList> TBankFixture::Rows(const QString& sql)
{
    QSqlQuery q(direct(Folder()));
    if (!q.exec(sql))
        qFatal("fixture query failed: %s\n%s", qPrintable(q.lastError().text()), qPrintable(sql));
    QVector<QStringList> rows;
    while (q.next()) {
        QStringList row;
        for (int c = 0; c < q.record().count(); ++c)
            row << (q.value(c).isNull() ? QStringLiteral("NULL") : VariantText(q.value(c)));
        rows << row;
    }
    return rows;
}

QString TBankFixture::Scalar(const QString& sql)
{
    const auto rows = Rows(sql);
    return rows.isEmpty() || rows.first().isEmpty() ? QString() : rows.first().first();
}
