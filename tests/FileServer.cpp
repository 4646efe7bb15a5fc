#include "FileServer.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

TFileServer::TFileServer()
{
    m_server.listen(QHostAddress::LocalHost, 0);
    connect(&m_server, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* s = m_server.nextPendingConnection()) {
            s->setParent(this);
            connect(s, &QTcpSocket::readyRead, this, [this, s] { serve(s); });
            connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
        }
    });
}

QString TFileServer::BaseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort());
}

void TFileServer::Put(const QString& path, const QByteArray& data)
{
    const QString file = QDir(m_root.path()).filePath(path);
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile f(file);
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(data);
}

int TFileServer::TotalRequests() const
{
    int n = 0;
    for (int c : m_counts)
        n += c;
    return n;
}

void TFileServer::serve(QTcpSocket* socket)
{
    const QByteArray request = socket->property("req").toByteArray() + socket->readAll();
    socket->setProperty("req", request);
    if (!request.contains("\r\n\r\n"))
        return;
    socket->setProperty("req", QByteArray());
    const QList<QByteArray> first = request.left(request.indexOf("\r\n")).split(' ');
    const QString path = first.size() >= 2 ? QUrl::fromPercentEncoding(first.at(1)).mid(1) : QString();
    ++m_counts[path];
    Log << path;
    const Mode mode = m_modes.value(path, Mode::Normal);

    auto reply = [socket](const QByteArray& status, const QByteArray& body, qint64 announced) {
        QByteArray head = "HTTP/1.1 " + status + "\r\nContent-Type: application/octet-stream\r\nContent-Length: "
            + QByteArray::number(announced) + "\r\nConnection: close\r\n\r\n";
        socket->write(head + body);
        socket->flush();
        socket->disconnectFromHost();
    };
    if (mode == Mode::NotFound)
        return reply("404 Not Found", "not found", 9);
    if (mode == Mode::ServerError)
        return reply("500 Internal Server Error", "error", 5);
    QFile f(QDir(m_root.path()).filePath(path));
    if (path.isEmpty() || !f.open(QIODevice::ReadOnly))
        return reply("404 Not Found", "not found", 9);
    const QByteArray body = f.readAll();
    if (mode == Mode::CutShort)
        return reply("200 OK", body.left(body.size() / 2), body.size());
    if (mode == Mode::Slow) {
        QTimer::singleShot(m_slowDelay, socket, [reply, body] { reply("200 OK", body, body.size()); });
        return;
    }
    reply("200 OK", body, body.size());
}
