#pragma once
// INI profile files as the system's profile functions treat them: GBK bytes,
// names compared without case, CRLF or LF lines. A write changes only its key,
// reaches the disk at once and keeps everything else in the file.

#include <QString>

class TIniFile
{
public:
    explicit TIniFile(QString fileName) : m_file(std::move(fileName)) {}

    const QString& FileName() const { return m_file; }

    // Missing file, section or key: the default. Strings are read up to 2047 bytes.
    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    // Decimal, or hex with "0x" or "$"; anything else reads as the default.
    int ReadInteger(const QString& section, const QString& key, int def) const;

    // False with "Unable to write to {FileName}" in *error when the file cannot be written.
    bool WriteString(const QString& section, const QString& key, const QString& value, QString* error);
    bool WriteInteger(const QString& section, const QString& key, int value, QString* error);

private:
    QString m_file;
};

// How the integer reader takes a value apart; exposed for the settings readers.
bool ParseIniInteger(const QString& text, int* value);
