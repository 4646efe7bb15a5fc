#pragma once
#include <QString>

// The executable's folder with a trailing separator; every local path is this
// plus a relative name. Tests point it at a temporary folder.
QString ProgramFolder();
void SetProgramFolder(const QString& folder);
