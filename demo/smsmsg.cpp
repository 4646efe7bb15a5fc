// The demo SMS sender, installed as SMSMsg.exe beside the client:
//   SMSMsg.exe CODE PHONE
// It "sends" by appending the time, the number and the code to SMSOutbox.txt
// in its folder and printing the same line, then leaves SMSRlt.dll there. A
// deployment replaces it with a gateway program of the same name and contract.

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return 2;
    const QDir folder(QCoreApplication::applicationDirPath());
    const QString line = QStringLiteral("%1\t%2\t%3\n")
                             .arg(QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")), args.at(2), args.at(1));
    QFile outbox(folder.filePath(QStringLiteral("SMSOutbox.txt")));
    if (!outbox.open(QIODevice::WriteOnly | QIODevice::Append))
        return 1;
    outbox.write(line.toUtf8());
    outbox.close();
    QTextStream(stdout) << line;
    QSaveFile result(folder.filePath(QStringLiteral("SMSRlt.dll")));
    if (!result.open(QIODevice::WriteOnly))
        return 1;
    result.write(QByteArray("OK\r\n"));
    return result.commit() ? 0 : 1;
}
