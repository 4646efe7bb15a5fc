#include "Entry.h"

#include "BsDlg.h"
#include "Modal.h"
#include "ProgramFolder.h"
#include "SingleInstance.h"
#include "UnDm.h"
#include "accounts/UnUserLogin.h"
#include "browse/UnMain.h"

#include <QApplication>

int RunEntrySequence(QApplication& app)
{
    TSingleInstance instance(QStringLiteral("Designer Kvt"));
    if (!instance.Acquire()) {
        TBsDlg::Show(nullptr, QStringLiteral("系统提示"), QStringLiteral("当前已经有一个系统运行，请勿同时运行多个程序！"),
                     TBsDlg::Icon::None);
        return 0;
    }
    TDm dm(nullptr, TDbConnection::ForProgram(ProgramFolder()));
    QString error;
    if (!dm.Connect(&error)) {
        TBsDlg::Show(nullptr, QStringLiteral("系统提示"), error, TBsDlg::Icon::Warning);
        return 1;
    }
    {
        TFrmUserLOgin login;
        ShowModal(&login);
    }
    if (!dm.LoginOK)
        return 0;
    TFrmMain main;
    main.show();
    return app.exec();
}
