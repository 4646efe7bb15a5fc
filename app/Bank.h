#pragma once
// Creating an embedded bank file: the schema, then optional SQL scripts.

#include <QString>
#include <QStringList>

namespace Bank {

// Creates a new bank file at path (an existing file is replaced only after the
// new one is complete). Runs the schema and then each script in order.
bool Create(const QString& path, const QStringList& scriptFiles, QString* error);

// The schema text shipped inside the program.
QString SchemaText();

// Cuts a script into statements at ";" ending a line, outside string literals.
QStringList SplitScript(const QString& script);

} // namespace Bank
