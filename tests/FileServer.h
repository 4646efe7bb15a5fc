#pragma once
// A loopback HTTP file server for tests: serves a folder, counts requests per
// path, and can answer 404, 500, slowly or with a cut-off body. It runs on a
// thread of its own, so code that blocks the user-interface thread while it
// reads (the media player opening a video) is still answered.

#include <QHash>
#include <QMutex>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

class TFileServerWorker;

class TFileServer
{
public:
    enum class Mode { Normal, NotFound, ServerError, Slow, CutShort };

    TFileServer();
    ~TFileServer();
    TFileServer(const TFileServer&) = delete;
    TFileServer& operator=(const TFileServer&) = delete;

    QString BaseUrl() const; // no trailing "/"

    // Puts a file under the served folder (creating its folders).
    void Put(const QString& path, const QByteArray& data);
    void SetMode(const QString& path, Mode mode);
    void SetSlowDelay(int msecs);

    int Requests(const QString& path) const;
    int TotalRequests() const;
    // The most requests that were waiting for their answer at one time.
    int MaxInFlight() const;

private:
    friend class TFileServerWorker;
    struct Shared
    {
        mutable QMutex Lock;
        QHash<QString, int> Counts;
        QHash<QString, Mode> Modes;
        int SlowDelay = 1000;
        int InFlight = 0;
        int MaxInFlight = 0;
    };

    QTemporaryDir m_root;
    Shared m_shared;
    QThread m_thread;
    TFileServerWorker* m_worker = nullptr;
    quint16 m_port = 0;
};
