#pragma once
// The data module: the one database connection, the skins and the state that
// every window reads and writes. One instance, Dm, for the whole run.

#include "DbConnection.h"
#include "Skins.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class QLabel;
class TQuery;

inline const QString AppVersion = QStringLiteral("V1.0.0.1");
inline QString NoSubjectName() { return QStringLiteral("未选择科目"); }

class TDm : public QObject
{
    Q_OBJECT
public:
    // Takes the connection; Connect() opens it and runs DataModuleCreate.
    TDm(QObject* owner, std::unique_ptr<TDbConnection> connection);
    ~TDm() override;

    // Opens DB1, then sets the state fields. False with the connection's failure text.
    bool Connect(QString* error);
    void DataModuleCreate();

    void ChangeSkin(int number);

    bool OpenQuery(TQuery& query, const QString& sql, QString* error = nullptr);
    bool ExecQuery(TQuery& query, const QString& sql, QString* error = nullptr);
    QString GetSysParam(int id, int flag);
    static void SplitText(const QString& text, const QString& separator, QStringList& list);

    // Remote files under FileBaseURL.
    void DownloadFile(const QString& name, const QString& folder, QString* localPath, const QString& copyFolder);
    void LoadJpgFromURL(QLabel* image, const QString& name);
    void LoadPngFromURL(QLabel* image, const QString& name);

    TSkinData SkinData;
    std::unique_ptr<TDbConnection> DB1;

    bool LoginOK = false;
    int UserID = -1;
    QString UserTelNo;
    QString LoginToken;
    QString PrefillTelNo;
    QString PrefillPwd;
    int SubjectID = -1;
    QString SubjectName = NoSubjectName();
    int SkinIndex = 1;
    QString FileBaseURL;
};

// The single instance (null until the entry sequence or a test creates it).
extern TDm* Dm;

// 32 upper-case hex digits from a fresh GUID.
QString NewLoginToken();
