#include "Skins.h"

#include "UnCompress.h"

#include <QApplication>
#include <QFile>

QString TSkinData::StoredSkinFile(int number)
{
    static const char* const files[Count] = {"Charm.skn", "Laconic.skn", "Office2010_Blue.skn",
                                             "Office2010_Silver.skn", "Windows10.skn", "Office2019_Blue.skn"};
    return number >= 1 && number <= Count ? QString::fromLatin1(files[number - 1]) : QString();
}

QStringList TSkinData::Names()
{
    return {QStringLiteral("蓝色界面(默认)"), QStringLiteral("灰色界面"), QStringLiteral("浅蓝色界面"),
            QStringLiteral("浅灰色界面"), QStringLiteral("Win10界面"), QStringLiteral("Office界面")};
}

bool TSkinData::StyleSheet(int number, QString* sheet)
{
    const QString file = StoredSkinFile(number);
    if (file.isEmpty())
        return false;
    QFile stored(QStringLiteral(":/skins/") + file);
    if (!stored.open(QIODevice::ReadOnly))
        return false;
    QByteArray text;
    if (!InflateBytes(stored.readAll(), &text))
        return false;
    *sheet = QString::fromUtf8(text);
    return true;
}

bool TSkinData::Apply(int number)
{
    QString sheet;
    if (!StyleSheet(number, &sheet))
        return false;
    if (auto* app = qobject_cast<QApplication*>(QCoreApplication::instance()))
        app->setStyleSheet(sheet);
    m_applied = number;
    return true;
}
