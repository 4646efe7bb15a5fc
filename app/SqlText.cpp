#include "SqlText.h"

#include "DbQuery.h"

namespace SqlText {

Value::Value(double v) : m_text(FormatNumber(v)) {}

QString Build(const char16_t* tmpl, Slots values)
{
    const QString source = QString::fromUtf16(tmpl);
    QString out;
    out.reserve(source.size() + 64);
    qsizetype i = 0;
    while (i < source.size()) {
        const QChar c = source.at(i);
        if (c == QLatin1Char('{')) {
            const qsizetype close = source.indexOf(QLatin1Char('}'), i + 1);
            if (close > i) {
                const QStringView name = QStringView(source).mid(i + 1, close - i - 1);
                const Value* found = nullptr;
                for (const auto& slot : values) {
                    if (name == QStringView(slot.first)) {
                        found = &slot.second;
                        break;
                    }
                }
                Q_ASSERT_X(found, "SqlText::Build", "statement slot without a value");
                if (found) {
                    // Values are inserted once; their own braces are never read as slots.
                    out += found->Text();
                    i = close + 1;
                    continue;
                }
            }
        }
        out += c;
        ++i;
    }
    return out;
}

} // namespace SqlText
