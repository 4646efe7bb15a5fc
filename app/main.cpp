// The entry sequence: one running copy, the data module, then the windows.

#include "BsDlg.h"
#include "ProgramFolder.h"
#include "SingleInstance.h"
#include "UnDm.h"

#include <QApplication>
#include <QMessageBox>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);

    TSingleInstance instance(QStringLiteral("Designer Kvt"));
    if (!instance.Acquire()) {
        QMessageBox box(QMessageBox::NoIcon, QStringLiteral("系统提示"),
                        QStringLiteral("当前已经有一个系统运行，请勿同时运行多个程序！"), QMessageBox::Ok);
        box.exec();
        return 0;
    }

    TDm dm(nullptr, TDbConnection::ForProgram(ProgramFolder()));
    QString error;
    if (!dm.Connect(&error)) {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("系统提示"), error, QMessageBox::Ok);
        box.exec();
        return 1;
    }
    return 0;
}
