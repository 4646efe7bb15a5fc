#pragma once
// A query object keeps the whole result of one statement in memory (client-side
// cursor): row count, row walk, and columns by name as text, integer or float.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

class TQuery
{
public:
    bool Active() const { return m_active; }
    int RecordCount() const { return static_cast<int>(m_rows.size()); }
    bool Eof() const { return m_pos >= m_rows.size(); }
    void First() { m_pos = 0; }
    void Next()
    {
        if (m_pos < m_rows.size())
            ++m_pos;
    }
    void Close();

    QStringList FieldNames() const { return m_columns; }
    // Column reads of the current row. A missing column, no current row or a
    // value that does not convert sets *ok to false and yields the empty value.
    // NULL reads as "", 0 and 0.0.
    QString AsString(const QString& name, bool* ok = nullptr) const;
    int AsInteger(const QString& name, bool* ok = nullptr) const;
    double AsFloat(const QString& name, bool* ok = nullptr) const;
    QByteArray AsBytes(const QString& name, bool* ok = nullptr) const;
    QVariant Value(int column) const;

    // Filled by the connection.
    void SetResult(QStringList columns, QVector<QVector<QVariant>> rows);

private:
    int column(const QString& name) const;
    const QVariant* cell(const QString& name) const;

    QStringList m_columns;
    QVector<QVector<QVariant>> m_rows;
    qsizetype m_pos = 0;
    bool m_active = false;
};

// Short general form of a number: 2 -> "2", 1.5 -> "1.5", never "2.0".
QString FormatNumber(double value);
// A stored value as the client reads it as text.
QString VariantText(const QVariant& value);
