#include "DbQuery.h"

#include <QMetaType>
#include <cmath>

QString FormatNumber(double value)
{
    if (value == 0.0)
        return QStringLiteral("0");
    return QString::number(value, 'g', 15);
}

QString VariantText(const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return QString();
    switch (value.metaType().id()) {
    case QMetaType::Double:
    case QMetaType::Float:
        return FormatNumber(value.toDouble());
    case QMetaType::QByteArray:
        return QString::fromLatin1(value.toByteArray());
    default:
        return value.toString();
    }
}

void TQuery::Close()
{
    m_columns.clear();
    m_rows.clear();
    m_pos = 0;
    m_active = false;
}

void TQuery::SetResult(QStringList columns, QVector<QVector<QVariant>> rows)
{
    m_columns = std::move(columns);
    m_rows = std::move(rows);
    m_pos = 0;
    m_active = true;
}

int TQuery::column(const QString& name) const
{
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

const QVariant* TQuery::cell(const QString& name) const
{
    const int c = column(name);
    if (c < 0 || m_pos >= m_rows.size() || c >= m_rows.at(m_pos).size())
        return nullptr;
    return &m_rows.at(m_pos).at(c);
}

QVariant TQuery::Value(int c) const
{
    if (m_pos >= m_rows.size() || c < 0 || c >= m_rows.at(m_pos).size())
        return QVariant();
    return m_rows.at(m_pos).at(c);
}

QString TQuery::AsString(const QString& name, bool* ok) const
{
    const QVariant* v = cell(name);
    if (ok)
        *ok = v != nullptr;
    return v ? VariantText(*v) : QString();
}

int TQuery::AsInteger(const QString& name, bool* ok) const
{
    const QVariant* v = cell(name);
    bool good = v != nullptr;
    int result = 0;
    if (good && !v->isNull()) {
        const int type = v->metaType().id();
        if (type == QMetaType::Double || type == QMetaType::Float) {
            const double d = v->toDouble();
            good = std::isfinite(d) && std::fabs(d) < 2147483648.0;
            result = good ? static_cast<int>(std::lround(d)) : 0;
        } else {
            const qlonglong n = VariantText(*v).trimmed().toLongLong(&good);
            good = good && n >= INT_MIN && n <= INT_MAX;
            result = good ? static_cast<int>(n) : 0;
        }
    }
    if (ok)
        *ok = good;
    return result;
}

double TQuery::AsFloat(const QString& name, bool* ok) const
{
    const QVariant* v = cell(name);
    bool good = v != nullptr;
    double result = 0.0;
    if (good && !v->isNull()) {
        result = VariantText(*v).trimmed().toDouble(&good);
        if (!good)
            result = 0.0;
    }
    if (ok)
        *ok = good;
    return result;
}

QByteArray TQuery::AsBytes(const QString& name, bool* ok) const
{
    const QVariant* v = cell(name);
    if (ok)
        *ok = v != nullptr;
    return v && !v->isNull() ? v->toByteArray() : QByteArray();
}
