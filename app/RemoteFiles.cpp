#include "RemoteFiles.h"

#include "BlockingWait.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPixmap>
#include <QPointer>
#include <QSaveFile>
#include <QUrl>

#include <memory>
#include <vector>

namespace {

bool isBlank(QChar c)
{
    return c.unicode() >= 1 && c.unicode() <= 32;
}

int g_timeout = 15000;

} // namespace

QString UrlFileName(const QString& name)
{
    // Items as a delimited list: "/" and blanks end an item, a quoted item runs
    // to its closing quote, a "/" at the very end adds an empty item.
    QStringList items;
    const qsizetype n = name.indexOf(QChar(0)) >= 0 ? name.indexOf(QChar(0)) : name.size();
    qsizetype p = 0;
    auto at = [&](qsizetype i) { return i < n ? name.at(i) : QChar(0); };
    while (p < n && isBlank(at(p)))
        ++p;
    while (p < n) {
        QString item;
        if (at(p) == QLatin1Char('"')) {
            ++p;
            while (p < n) {
                if (at(p) == QLatin1Char('"')) {
                    if (at(p + 1) == QLatin1Char('"')) {
                        item += QLatin1Char('"');
                        p += 2;
                        continue;
                    }
                    ++p;
                    break;
                }
                item += at(p);
                ++p;
            }
        } else {
            const qsizetype start = p;
            while (p < n && !isBlank(at(p)) && at(p) != QLatin1Char('/'))
                ++p;
            item = name.mid(start, p - start);
        }
        items << item;
        while (p < n && isBlank(at(p)))
            ++p;
        if (p < n && at(p) == QLatin1Char('/')) {
            if (p + 1 >= n)
                items << QString();
            do {
                ++p;
            } while (p < n && isBlank(at(p)));
        }
    }
    return items.isEmpty() ? QString() : items.constLast();
}

bool IsSafeLocalName(const QString& fileName)
{
    if (fileName.isEmpty() || fileName == QLatin1String(".") || fileName == QLatin1String(".."))
        return false;
    for (const QChar c : fileName) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('/') || c == QLatin1Char(':') || c.unicode() < 32)
            return false;
    }
    return true;
}

namespace Http {

int TransferTimeout() { return g_timeout; }
void SetTransferTimeout(int msecs) { g_timeout = msecs; }

void FetchAll(QVector<TFetch>& fetches)
{
    if (fetches.isEmpty())
        return;
    // One client per request, as each transfer had its own: no per-host
    // connection limit holds back the pictures of one question.
    std::vector<std::unique_ptr<QNetworkAccessManager>> managers;
    QEventLoop loop;
    int pending = 0;
    QVector<QPointer<QNetworkReply>> replies;
    for (TFetch& f : fetches) {
        f.Ok = false;
        f.Data.clear();
        const QUrl url(f.Url, QUrl::TolerantMode);
        if (!url.isValid() || url.scheme().isEmpty()) {
            replies << nullptr;
            continue;
        }
        QNetworkRequest request(url);
        request.setTransferTimeout(g_timeout);
        request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
        managers.push_back(std::make_unique<QNetworkAccessManager>());
        QNetworkReply* reply = managers.back()->get(request);
        ++pending;
        QObject::connect(reply, &QNetworkReply::finished, &loop, [&pending, &loop] {
            if (--pending == 0)
                loop.quit();
        });
        replies << reply;
    }
    if (pending > 0)
        BlockingWait::Run(loop);
    for (qsizetype i = 0; i < fetches.size(); ++i) {
        QNetworkReply* reply = replies.at(i);
        if (!reply)
            continue;
        const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
        const bool httpOk = !status.isValid() || (status.toInt() >= 200 && status.toInt() < 300);
        if (reply->error() == QNetworkReply::NoError && httpOk) {
            fetches[i].Data = reply->readAll();
            fetches[i].Ok = true;
        }
    }
}

} // namespace Http

QString RemoteUrl(const QString& baseUrl, const QString& name)
{
    return baseUrl + QLatin1Char('/') + name;
}

void DownloadFile(const QString& baseUrl, const QString& name, const QString& folder, QString* localPath,
                  const QString& copyFolder)
{
    localPath->clear();
    if (name.isEmpty())
        return;
    const QString file = UrlFileName(name);
    if (!IsSafeLocalName(file))
        return;
    QVector<TFetch> fetch{TFetch{RemoteUrl(baseUrl, name), false, {}}};
    Http::FetchAll(fetch);
    const QString target = QDir(folder).filePath(file);
    if (fetch.constFirst().Ok) {
        if (!QFileInfo::exists(target)) {
            // Written whole under a temporary name and then renamed: the cache
            // never holds a partial file.
            QSaveFile out(target);
            out.setDirectWriteFallback(false);
            if (out.open(QIODevice::WriteOnly) && out.write(fetch.constFirst().Data) == fetch.constFirst().Data.size())
                out.commit();
        }
        if (!copyFolder.isEmpty() && QFileInfo::exists(target))
            QFile::copy(target, QDir(copyFolder).filePath(file)); // refuses to overwrite
    }
    if (QFileInfo::exists(target))
        *localPath = target;
}

PictureKind PictureKindOf(const QString& name)
{
    if (name.endsWith(QLatin1String(".jpg"), Qt::CaseInsensitive))
        return PictureKind::Jpeg;
    if (name.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        return PictureKind::Png;
    return PictureKind::None;
}

int LoadPictures(const QString& baseUrl, QVector<TPictureLoad>& loads)
{
    QVector<TFetch> fetches;
    QVector<qsizetype> index;
    for (qsizetype i = 0; i < loads.size(); ++i) {
        loads[i].Loaded = false;
        if (loads.at(i).Kind == PictureKind::None || loads.at(i).Name.isEmpty())
            continue;
        fetches << TFetch{RemoteUrl(baseUrl, loads.at(i).Name), false, {}};
        index << i;
    }
    Http::FetchAll(fetches);
    int loaded = 0;
    for (qsizetype k = 0; k < fetches.size(); ++k) {
        TPictureLoad& load = loads[index.at(k)];
        if (!fetches.at(k).Ok || !load.Image)
            continue;
        QPixmap pixmap;
        if (pixmap.loadFromData(fetches.at(k).Data, load.Kind == PictureKind::Jpeg ? "JPG" : "PNG")) {
            load.Image->setPixmap(pixmap);
            load.Loaded = true;
            ++loaded;
        }
    }
    return loaded;
}
