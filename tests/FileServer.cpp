#include "FileServer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutexLocker>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

class TFileServerWorker : public QObject
{
public:
    TFileServerWorker(QString root, TFileServer::Shared* shared) : m_root(std::move(root)), m_shared(shared) {}

    quint16 Listen()
    {
        m_server = new QTcpServer(this);
        m_server->listen(QHostAddress::LocalHost, 0);
        connect(m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* s = m_server->nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, this, [this, s] { serve(s); });
                connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
            }
        });
        return m_server->serverPort();
    }

private:
    void serve(QTcpSocket* socket)
    {
        const QByteArray request = socket->property("req").toByteArray() + socket->readAll();
        socket->setProperty("req", request);
        if (!request.contains("\r\n\r\n"))
            return;
        socket->setProperty("req", QByteArray());
        const QList<QByteArray> first = request.left(request.indexOf("\r\n")).split(' ');
        const QString path = first.size() >= 2 ? QUrl::fromPercentEncoding(first.at(1)).mid(1) : QString();
        TFileServer::Mode mode;
        int delay;
        {
            QMutexLocker lock(&m_shared->Lock);
            ++m_shared->Counts[path];
            m_shared->MaxInFlight = qMax(m_shared->MaxInFlight, ++m_shared->InFlight);
            mode = m_shared->Modes.value(path, TFileServer::Mode::Normal);
            delay = m_shared->SlowDelay;
        }
        auto reply = [socket, shared = m_shared](const QByteArray& status, const QByteArray& body, qint64 announced) {
            {
                QMutexLocker lock(&shared->Lock);
                --shared->InFlight;
            }
            const QByteArray head = "HTTP/1.1 " + status + "\r\nContent-Type: application/octet-stream\r\nContent-Length: "
                + QByteArray::number(announced) + "\r\nConnection: close\r\n\r\n";
            socket->write(head + body);
            socket->flush();
            socket->disconnectFromHost();
        };
        if (mode == TFileServer::Mode::NotFound)
            return reply("404 Not Found", "not found", 9);
        if (mode == TFileServer::Mode::ServerError)
            return reply("500 Internal Server Error", "error", 5);
        QFile f(QDir(m_root).filePath(path));
        if (path.isEmpty() || !f.open(QIODevice::ReadOnly))
            return reply("404 Not Found", "not found", 9);
        const QByteArray body = f.readAll();
        if (mode == TFileServer::Mode::CutShort)
            return reply("200 OK", body.left(body.size() / 2), body.size());
        if (mode == TFileServer::Mode::Slow) {
            QTimer::singleShot(delay, socket, [reply, body] { reply("200 OK", body, body.size()); });
            return;
        }
        reply("200 OK", body, body.size());
    }

    QString m_root;
    TFileServer::Shared* m_shared;
    QTcpServer* m_server = nullptr;
};

TFileServer::TFileServer()
{
    m_worker = new TFileServerWorker(m_root.path(), &m_shared);
    m_worker->moveToThread(&m_thread);
    QObject::connect(&m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    m_thread.start();
    QMetaObject::invokeMethod(m_worker, [this] { m_port = m_worker->Listen(); }, Qt::BlockingQueuedConnection);
}

TFileServer::~TFileServer()
{
    m_thread.quit();
    m_thread.wait();
}

QString TFileServer::BaseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_port);
}

void TFileServer::Put(const QString& path, const QByteArray& data)
{
    const QString file = QDir(m_root.path()).filePath(path);
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile f(file);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(data);
}

void TFileServer::SetMode(const QString& path, Mode mode)
{
    QMutexLocker lock(&m_shared.Lock);
    m_shared.Modes[path] = mode;
}

void TFileServer::SetSlowDelay(int msecs)
{
    QMutexLocker lock(&m_shared.Lock);
    m_shared.SlowDelay = msecs;
}

int TFileServer::Requests(const QString& path) const
{
    QMutexLocker lock(&m_shared.Lock);
    return m_shared.Counts.value(path);
}

int TFileServer::TotalRequests() const
{
    QMutexLocker lock(&m_shared.Lock);
    int n = 0;
    for (int c : m_shared.Counts)
        n += c;
    return n;
}

int TFileServer::MaxInFlight() const
{
    QMutexLocker lock(&m_shared.Lock);
    return m_shared.MaxInFlight;
}
