#pragma once
// Files on the file server: base URL + "/" + a relative name, fetched with one
// HTTP GET each, into the local cache folders or straight into a picture.

#include <QByteArray>
#include <QString>
#include <QVector>

class QLabel;

// The local file name for a remote name: its last "/"-separated item.
QString UrlFileName(const QString& name);
// A local name that stays inside its folder ("..", ".", empty, "\", ":" and "/" do not).
bool IsSafeLocalName(const QString& fileName);

struct TFetch
{
    QString Url;
    bool Ok = false;
    QByteArray Data;
};

namespace Http {
// Runs every GET at once and returns when all have ended. The window that
// asked waits: no user input reaches it and none of its timers run meanwhile.
void FetchAll(QVector<TFetch>& fetches);
// Transfer time-out per request, in milliseconds (15 s unless a test sets it).
int TransferTimeout();
void SetTransferTimeout(int msecs);
} // namespace Http

// The URL of a remote name.
QString RemoteUrl(const QString& baseUrl, const QString& name);

// Fetches name into folder (never overwriting) and copies it on into copyFolder
// (never overwriting). A failed transfer writes and copies nothing; an unsafe
// name is not fetched. *localPath is folder + "/" + file when that file exists
// afterwards, else empty.
void DownloadFile(const QString& baseUrl, const QString& name, const QString& folder, QString* localPath,
                  const QString& copyFolder);

enum class PictureKind { None, Jpeg, Png };
// By the end of the name, without regard to case: ".jpg" or ".png".
PictureKind PictureKindOf(const QString& name);

// Fetches pictures into labels, all transfers at once. A failed transfer or
// decode leaves that label's earlier picture in place. Returns how many loaded.
struct TPictureLoad
{
    QLabel* Image = nullptr;
    QString Name;
    PictureKind Kind = PictureKind::None;
    bool Loaded = false;
};
int LoadPictures(const QString& baseUrl, QVector<TPictureLoad>& loads);
