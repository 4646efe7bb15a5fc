#pragma once
// The three settings files of the program folder: UserInfo.dll (remembered
// login), Config.dll (skin), Subject.dll (last subject).

#include <QString>

struct TSavedLogin
{
    bool Remember = false; // SAVE was 1
    QString TelNo;         // filled only when it could be unscrambled
    QString Password;
};

namespace Settings {

QString UserInfoFile();
QString ConfigFile();
QString SubjectFile();

// Stops quietly at the first value that cannot be unscrambled.
TSavedLogin ReadSavedLogin();
// Remember: SAVE 1 and both values scrambled anew; otherwise SAVE 0 and both empty.
bool WriteSavedLogin(bool remember, const QString& telNo, const QString& password, QString* error);

int ReadSkin();
bool WriteSkin(int skin, QString* error);

void ReadSubject(int* id, QString* name);
bool WriteSubject(int id, const QString& name, QString* error);

} // namespace Settings
