#include "UnDm.h"

#include "DbQuery.h"
#include "RemoteFiles.h"
#include "SqlText.h"

#include <QLabel>
#include <QUuid>

TDm* Dm = nullptr;

TDm::TDm(QObject* owner, std::unique_ptr<TDbConnection> connection) : QObject(owner), DB1(std::move(connection))
{
    Dm = this;
}

TDm::~TDm()
{
    if (Dm == this)
        Dm = nullptr;
}

bool TDm::Connect(QString* error)
{
    if (!DB1 || !DB1->Open(error))
        return false;
    DataModuleCreate();
    return true;
}

void TDm::DataModuleCreate()
{
    SkinIndex = 1;
    LoginOK = false;
    UserID = -1;
    LoginToken.clear();
    SubjectID = -1;
    SubjectName = NoSubjectName();
    FileBaseURL = GetSysParam(1, 0);
}

void TDm::ChangeSkin(int number)
{
    SkinData.Apply(number);
}

bool TDm::OpenQuery(TQuery& query, const QString& sql, QString* error)
{
    return DB1 && DB1->Run(sql, true, query, error);
}

bool TDm::ExecQuery(TQuery& query, const QString& sql, QString* error)
{
    return DB1 && DB1->Run(sql, false, query, error);
}

QString TDm::GetSysParam(int id, int flag)
{
    TQuery q;
    if (!OpenQuery(q, SqlText::Build(SqlText::SysParam, {{u"ParamID", id}, {u"Flag", flag}})) || q.RecordCount() != 1)
        return QString();
    return q.AsString(QStringLiteral("F_SPARAM_VALUE"));
}

void TDm::SplitText(const QString& text, const QString& separator, QStringList& list)
{
    list.clear();
    if (separator.isEmpty()) {
        list << text;
        return;
    }
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = text.indexOf(separator, from, Qt::CaseSensitive);
        if (at < 0)
            break;
        list << text.mid(from, at - from);
        from = at + separator.size();
    }
    list << text.mid(from);
}

void TDm::DownloadFile(const QString& name, const QString& folder, QString* localPath, const QString& copyFolder)
{
    ::DownloadFile(FileBaseURL, name, folder, localPath, copyFolder);
}

void TDm::LoadJpgFromURL(QLabel* image, const QString& name)
{
    QVector<TPictureLoad> loads{TPictureLoad{image, name, PictureKind::Jpeg, false}};
    LoadPictures(FileBaseURL, loads);
}

void TDm::LoadPngFromURL(QLabel* image, const QString& name)
{
    QVector<TPictureLoad> loads{TPictureLoad{image, name, PictureKind::Png, false}};
    LoadPictures(FileBaseURL, loads);
}

QString NewLoginToken()
{
    QString text = QUuid::createUuid().toString(QUuid::WithBraces).toUpper();
    text = text.mid(1, text.size() - 2);
    text.remove(QLatin1Char('-'));
    return text;
}
