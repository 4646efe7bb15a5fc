// Remote names, the HTTP client, the download cache and the picture loaders,
// against a loopback file server.

#include "FileServer.h"
#include "RemoteFiles.h"
#include "TestSupport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

class TestRemoteFiles : public QObject
{
    Q_OBJECT
private slots:
    void init() { Http::SetTransferTimeout(2000); }
    void urlFileName_data();
    void urlFileName();
    void downloadFresh();
    void downloadKeepsExistingFiles();
    void downloadFailuresLeaveNothing_data();
    void downloadFailuresLeaveNothing();
    void downloadRefusesUnsafeNames_data();
    void downloadRefusesUnsafeNames();
    void downloadFromFileUrl();
    void pictureLoaders();
    void picturesFetchedTogether();
    void timersHeldDuringTransfer();
};

void TestRemoteFiles::urlFileName_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("file");
    QTest::newRow("sub folders") << "dir/sub/file.docx" << "file.docx";
    QTest::newRow("trailing slash") << "dir/" << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("plain name") << "file.docx" << "file.docx";
    QTest::newRow("blank in last part") << "last part my file.docx" << "file.docx";
    QTest::newRow("blank in folder") << "my dir/a.xlsx" << "a.xlsx";
    QTest::newRow("leading blanks and tabs") << " \t dir/a.png" << "a.png";
    QTest::newRow("trailing blank") << "dir/a.png " << "a.png";
    QTest::newRow("control character ends item") << QStringLiteral("dir/a\x01.png") << ".png";
    QTest::newRow("quoted item keeps blanks") << "dir/\"my file.docx\"" << "my file.docx";
    QTest::newRow("doubled quote") << "\"a\"\"b.txt\"" << "a\"b.txt";
    QTest::newRow("quoted item with slash") << "\"x/y.txt\"" << "x/y.txt";
    QTest::newRow("unterminated quote") << "dir/\"open name" << "open name";
    QTest::newRow("GBK name") << "素材/计算机发展简史.docx" << "计算机发展简史.docx";
    QTest::newRow("GBK after blank") << "任务 文件.xlsx" << "文件.xlsx";
    QTest::newRow("double slash") << "a//b" << "b";
    QTest::newRow("only slashes") << "//" << "";
    QTest::newRow("only blanks") << "   " << "";
    QTest::newRow("slash then blank end") << "a/ " << "a";
}

void TestRemoteFiles::urlFileName()
{
    QFETCH(QString, name);
    QFETCH(QString, file);
    QCOMPARE(UrlFileName(name), file);
}

void TestRemoteFiles::downloadFresh()
{
    TFileServer server;
    server.Put(QStringLiteral("q/sub/a.docx"), "DOCX-A");
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("f"));
    const QString copy = dir.filePath(QStringLiteral("c"));
    QDir().mkpath(folder);
    QDir().mkpath(copy);
    QString local;
    DownloadFile(server.BaseUrl(), QStringLiteral("q/sub/a.docx"), folder, &local, copy);
    QCOMPARE(local, QDir(folder).filePath(QStringLiteral("a.docx")));
    QCOMPARE(ReadBytes(local), QByteArray("DOCX-A"));
    QCOMPARE(ReadBytes(QDir(copy).filePath(QStringLiteral("a.docx"))), QByteArray("DOCX-A"));
    QCOMPARE(server.Requests(QStringLiteral("q/sub/a.docx")), 1);
    QCOMPARE(FilesIn(folder), QStringList{QStringLiteral("a.docx")});

    // Empty name: nothing requested, nothing written.
    DownloadFile(server.BaseUrl(), QString(), folder, &local, copy);
    QCOMPARE(local, QString());
    QCOMPARE(server.TotalRequests(), 1);
}

void TestRemoteFiles::downloadKeepsExistingFiles()
{
    TFileServer server;
    server.Put(QStringLiteral("a.docx"), "SERVER");
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("f"));
    const QString copy = dir.filePath(QStringLiteral("c"));
    WriteBytes(QDir(folder).filePath(QStringLiteral("a.docx")), "EDITED");
    WriteBytes(QDir(copy).filePath(QStringLiteral("a.docx")), "PRISTINE");
    QString local;
    for (int i = 1; i <= 3; ++i) {
        DownloadFile(server.BaseUrl(), QStringLiteral("a.docx"), folder, &local, copy);
        QCOMPARE(server.Requests(QStringLiteral("a.docx")), i); // a request on every call
    }
    QCOMPARE(local, QDir(folder).filePath(QStringLiteral("a.docx")));
    QCOMPARE(ReadBytes(QDir(folder).filePath(QStringLiteral("a.docx"))), QByteArray("EDITED"));
    QCOMPARE(ReadBytes(QDir(copy).filePath(QStringLiteral("a.docx"))), QByteArray("PRISTINE"));

    // Present in the folder but not yet in the copy folder: the copy is made from the local file.
    QFile::remove(QDir(copy).filePath(QStringLiteral("a.docx")));
    DownloadFile(server.BaseUrl(), QStringLiteral("a.docx"), folder, &local, copy);
    QCOMPARE(ReadBytes(QDir(copy).filePath(QStringLiteral("a.docx"))), QByteArray("EDITED"));
}

void TestRemoteFiles::downloadFailuresLeaveNothing_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("404") << int(TFileServer::Mode::NotFound);
    QTest::newRow("500") << int(TFileServer::Mode::ServerError);
    QTest::newRow("slower than the time-out") << int(TFileServer::Mode::Slow);
    QTest::newRow("body cut short") << int(TFileServer::Mode::CutShort);
}

void TestRemoteFiles::downloadFailuresLeaveNothing()
{
    QFETCH(int, mode);
    TFileServer server;
    server.Put(QStringLiteral("big.xlsx"), QByteArray(50000, 'x'));
    server.SetMode(QStringLiteral("big.xlsx"), TFileServer::Mode(mode));
    server.SetSlowDelay(1500);
    Http::SetTransferTimeout(300);
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("f"));
    const QString copy = dir.filePath(QStringLiteral("c"));
    QDir().mkpath(folder);
    QDir().mkpath(copy);
    QString local = QStringLiteral("stale");
    DownloadFile(server.BaseUrl(), QStringLiteral("big.xlsx"), folder, &local, copy);
    QCOMPARE(local, QString());
    QCOMPARE(FilesIn(folder), QStringList());
    QCOMPARE(FilesIn(copy), QStringList());
    // The next call tries again and, once the server answers, fills the cache.
    server.SetMode(QStringLiteral("big.xlsx"), TFileServer::Mode::Normal);
    Http::SetTransferTimeout(2000);
    DownloadFile(server.BaseUrl(), QStringLiteral("big.xlsx"), folder, &local, copy);
    QCOMPARE(ReadBytes(local).size(), 50000);
    QCOMPARE(ReadBytes(QDir(copy).filePath(QStringLiteral("big.xlsx"))).size(), 50000);
}

void TestRemoteFiles::downloadRefusesUnsafeNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("parent") << "..";
    QTest::newRow("parent in last part") << "a/..";
    QTest::newRow("dot") << "a/.";
    QTest::newRow("backslash") << "a/..\\..\\evil.txt";
    QTest::newRow("drive colon") << "C:evil.txt";
    QTest::newRow("quoted slash") << "\"../evil.txt\"";
    QTest::newRow("trailing slash") << "dir/";
}

void TestRemoteFiles::downloadRefusesUnsafeNames()
{
    QFETCH(QString, name);
    TFileServer server;
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("inner/f"));
    QDir().mkpath(folder);
    QString local = QStringLiteral("stale");
    DownloadFile(server.BaseUrl(), name, folder, &local, QString());
    QCOMPARE(local, QString());
    QCOMPARE(server.TotalRequests(), 0);
    QCOMPARE(FilesIn(folder), QStringList());
    QCOMPARE(FilesIn(dir.filePath(QStringLiteral("inner"))), QStringList());
}

void TestRemoteFiles::downloadFromFileUrl()
{
    QTemporaryDir served;
    WriteBytes(served.filePath(QStringLiteral("素材/任务 文件.docx")), "LOCAL");
    QTemporaryDir dir;
    QString local;
    const QString base = QUrl::fromLocalFile(served.path()).toString();
    DownloadFile(base, QStringLiteral("素材/\"任务 文件.docx\""), dir.path(), &local, QString());
    QCOMPARE(local, QString()); // the quoted name's address does not exist on the server
    DownloadFile(base, QStringLiteral("素材/任务 文件.docx"), dir.path(), &local, QString());
    QCOMPARE(local, dir.filePath(QStringLiteral("文件.docx")));
    QCOMPARE(ReadBytes(local), QByteArray("LOCAL"));
    DownloadFile(base, QStringLiteral("missing.docx"), dir.path(), &local, QString());
    QCOMPARE(local, QString());
    QCOMPARE(FilesIn(dir.path()), QStringList{QStringLiteral("文件.docx")});
}

void TestRemoteFiles::pictureLoaders()
{
    TFileServer server;
    server.Put(QStringLiteral("a.jpg"), TestPicture("JPG", 30, 12, Qt::red));
    server.Put(QStringLiteral("b.png"), TestPicture("PNG", 8, 9, Qt::blue));
    server.Put(QStringLiteral("garbage.png"), "not a picture");
    server.Put(QStringLiteral("png-as.jpg"), TestPicture("PNG", 20, 10, Qt::green));
    TBankFixture bank;
    bank.Module->FileBaseURL = server.BaseUrl();
    QLabel image;
    bank.Module->LoadJpgFromURL(&image, QStringLiteral("a.jpg"));
    QCOMPARE(image.pixmap().size(), QSize(30, 12));
    bank.Module->LoadPngFromURL(&image, QStringLiteral("b.png"));
    QCOMPARE(image.pixmap().size(), QSize(8, 9));
    // Failures keep the picture on screen.
    bank.Module->LoadPngFromURL(&image, QStringLiteral("missing.png"));
    QCOMPARE(image.pixmap().size(), QSize(8, 9));
    bank.Module->LoadPngFromURL(&image, QStringLiteral("garbage.png"));
    QCOMPARE(image.pixmap().size(), QSize(8, 9));
    bank.Module->LoadJpgFromURL(&image, QStringLiteral("png-as.jpg"));
    QCOMPARE(image.pixmap().size(), QSize(8, 9));
    server.SetMode(QStringLiteral("a.jpg"), TFileServer::Mode::ServerError);
    bank.Module->LoadJpgFromURL(&image, QStringLiteral("a.jpg"));
    QCOMPARE(image.pixmap().size(), QSize(8, 9));
    bank.Module->FileBaseURL.clear();
    bank.Module->LoadPngFromURL(&image, QStringLiteral("b.png"));
    QCOMPARE(image.pixmap().size(), QSize(8, 9));
    QCOMPARE(server.Requests(QStringLiteral("a.jpg")), 2);
    QCOMPARE(server.Requests(QStringLiteral("b.png")), 1);
}

void TestRemoteFiles::picturesFetchedTogether()
{
    TFileServer server;
    QVector<QLabel*> labels;
    QVector<TPictureLoad> loads;
    std::vector<std::unique_ptr<QLabel>> owned;
    for (int i = 0; i < 7; ++i) {
        const QString name = QStringLiteral("p%1.png").arg(i);
        server.Put(name, TestPicture("PNG", 10 + i, 10));
        server.SetMode(name, TFileServer::Mode::Slow);
        owned.push_back(std::make_unique<QLabel>());
        loads << TPictureLoad{owned.back().get(), name, PictureKind::Png, false};
    }
    server.SetSlowDelay(400);
    QCOMPARE(LoadPictures(server.BaseUrl(), loads), 7);
    // All seven were asked for before the first answer came: one wait, not seven.
    QCOMPARE(server.MaxInFlight(), 7);
    for (int i = 0; i < 7; ++i)
        QCOMPARE(owned[static_cast<size_t>(i)]->pixmap().width(), 10 + i);
}

void TestRemoteFiles::timersHeldDuringTransfer()
{
    TFileServer server;
    server.Put(QStringLiteral("slow.png"), TestPicture("PNG", 20, 10, Qt::gray));
    server.SetMode(QStringLiteral("slow.png"), TFileServer::Mode::Slow);
    server.SetSlowDelay(500);
    QWidget window;
    QTimer windowTimer(&window);
    int ticksDuringWait = 0;
    bool waiting = false;
    connect(&windowTimer, &QTimer::timeout, this, [&] {
        if (waiting)
            ++ticksDuringWait;
    });
    windowTimer.start(20);
    QLabel image;
    QVector<TPictureLoad> loads{TPictureLoad{&image, QStringLiteral("slow.png"), PictureKind::Png, false}};
    waiting = true;
    LoadPictures(server.BaseUrl(), loads);
    waiting = false;
    QCOMPARE(ticksDuringWait, 0);
    QVERIFY(loads.first().Loaded);
    // Afterwards the window's timer runs again.
    int after = 0;
    connect(&windowTimer, &QTimer::timeout, this, [&] { ++after; });
    QTRY_VERIFY(after > 0);
}

QTEST_MAIN(TestRemoteFiles)
#include "tst_remotefiles.moc"
