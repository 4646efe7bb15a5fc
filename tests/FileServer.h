#pragma once
// A loopback HTTP file server inside the test process: serves a folder, counts
// requests per path, and can answer 404, 500, slowly or with a cut-off body.

#include <QHash>
#include <QObject>
#include <QString>
#include <QTcpServer>
#include <QTemporaryDir>

class TFileServer : public QObject
{
    Q_OBJECT
public:
    enum class Mode { Normal, NotFound, ServerError, Slow, CutShort };

    TFileServer();
    QString BaseUrl() const; // no trailing "/"
    QString Root() const { return m_root.path(); }

    // Puts a file under the served folder (creating its folders).
    void Put(const QString& path, const QByteArray& data);
    void SetMode(const QString& path, Mode mode) { m_modes[path] = mode; }
    void SetSlowDelay(int msecs) { m_slowDelay = msecs; }

    int Requests(const QString& path) const { return m_counts.value(path); }
    int TotalRequests() const;
    void ResetCounts() { m_counts.clear(); }
    // Paths in the order requested.
    QStringList Log;

private:
    void serve(QTcpSocket* socket);

    QTcpServer m_server;
    QTemporaryDir m_root;
    QHash<QString, int> m_counts;
    QHash<QString, Mode> m_modes;
    int m_slowDelay = 1000;
};
