#include "Settings.h"

#include "IniFile.h"
#include "ProgramFolder.h"
#include "Scramble.h"
#include "UnDm.h"

namespace Settings {

QString UserInfoFile() { return ProgramFolder() + QStringLiteral("UserInfo.dll"); }
QString ConfigFile() { return ProgramFolder() + QStringLiteral("Config.dll"); }
QString SubjectFile() { return ProgramFolder() + QStringLiteral("Subject.dll"); }

TSavedLogin ReadSavedLogin()
{
    TSavedLogin saved;
    const TIniFile ini(UserInfoFile());
    if (ini.ReadInteger(QStringLiteral("USER"), QStringLiteral("SAVE"), 0) != 1)
        return saved;
    saved.Remember = true;
    const auto tel = UnscrambleText(ini.ReadString(QStringLiteral("USER"), QStringLiteral("TELNO"), QString()), TelNoKey);
    if (!tel)
        return saved;
    saved.TelNo = *tel;
    const auto pwd = UnscrambleText(ini.ReadString(QStringLiteral("USER"), QStringLiteral("PWD"), QString()), PasswordKey);
    if (pwd)
        saved.Password = *pwd;
    return saved;
}

bool WriteSavedLogin(bool remember, const QString& telNo, const QString& password, QString* error)
{
    TIniFile ini(UserInfoFile());
    const QString user = QStringLiteral("USER");
    if (remember) {
        return ini.WriteInteger(user, QStringLiteral("SAVE"), 1, error)
            && ini.WriteString(user, QStringLiteral("TELNO"), ScrambleText(telNo, TelNoKey), error)
            && ini.WriteString(user, QStringLiteral("PWD"), ScrambleText(password, PasswordKey), error);
    }
    return ini.WriteInteger(user, QStringLiteral("SAVE"), 0, error)
        && ini.WriteString(user, QStringLiteral("TELNO"), QString(), error)
        && ini.WriteString(user, QStringLiteral("PWD"), QString(), error);
}

int ReadSkin()
{
    return TIniFile(ConfigFile()).ReadInteger(QStringLiteral("CNFG"), QStringLiteral("SKIN"), 1);
}

bool WriteSkin(int skin, QString* error)
{
    TIniFile ini(ConfigFile());
    return ini.WriteInteger(QStringLiteral("CNFG"), QStringLiteral("SKIN"), skin, error);
}

void ReadSubject(int* id, QString* name)
{
    const TIniFile ini(SubjectFile());
    *id = ini.ReadInteger(QStringLiteral("SUBJECT"), QStringLiteral("ID"), -1);
    *name = ini.ReadString(QStringLiteral("SUBJECT"), QStringLiteral("NAME"), NoSubjectName());
}

bool WriteSubject(int id, const QString& name, QString* error)
{
    TIniFile ini(SubjectFile());
    return ini.WriteInteger(QStringLiteral("SUBJECT"), QStringLiteral("ID"), id, error)
        && ini.WriteString(QStringLiteral("SUBJECT"), QStringLiteral("NAME"), name, error);
}

} // namespace Settings
