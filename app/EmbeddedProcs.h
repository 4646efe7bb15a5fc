#pragma once
// The two stored procedures of the bank, written for the embedded engine. Each
// runs inside one transaction on the caller's connection.

#include <QString>

class QSqlDatabase;
class TQuery;

namespace EmbeddedProcs {

// name: the procedure name; args: the text after it ("12,3" or "5,'TOKEN'").
bool Call(QSqlDatabase& db, const QString& name, const QString& args, bool wantRows, TQuery& query, QString* error);

} // namespace EmbeddedProcs
