#include "BsDlg.h"

#include <QMessageBox>
#include <QPushButton>

namespace {
TBsDlg::Handler& handler()
{
    static TBsDlg::Handler h;
    return h;
}
} // namespace

void TBsDlg::SetHandler(Handler h) { handler() = std::move(h); }

void TBsDlg::Information(QWidget* parent, const QString& title, const QString& text)
{
    Show(parent, title, text, Icon::Information);
}

void TBsDlg::Warning(QWidget* parent, const QString& title, const QString& text)
{
    Show(parent, title, text, Icon::Warning);
}

void TBsDlg::Show(QWidget* parent, const QString& title, const QString& text, Icon icon)
{
    if (handler()) {
        handler()(title, text, icon);
        return;
    }
    QMessageBox box(parent);
    box.setWindowTitle(title);
    box.setText(text);
    box.setIcon(icon == Icon::Warning ? QMessageBox::Warning
                : icon == Icon::Information ? QMessageBox::Information
                                            : QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
    box.exec();
}
