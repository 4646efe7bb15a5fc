#pragma once
// Fixtures: a fresh embedded bank in a temporary program folder, a recorder in
// place of the message box, and a way to drive modal windows.

#include "BsDlg.h"
#include "DbQuery.h"
#include "UnDm.h"

#include <QColor>
#include <QStringList>
#include <QTemporaryDir>
#include <QVector>

#include <functional>
#include <memory>

// A real picture of the given format ("PNG", "JPG") and size.
QByteArray TestPicture(const char* format, int width, int height, QColor colour = Qt::gray);
// A file's bytes, or "<missing>" when it cannot be read.
QByteArray ReadBytes(const QString& path);
// Writes a file whole, creating its folders.
void WriteBytes(const QString& path, const QByteArray& data);
// The file names in a folder, sorted.
QStringList FilesIn(const QString& folder);

// A named child control of a window.
template <typename T> T* get(const QObject* parent, const char* name)
{
    return parent->findChild<T*>(QString::fromLatin1(name));
}

struct TBox
{
    QString Title;
    QString Text;
    TBsDlg::Icon Icon;
    bool operator==(const TBox& o) const { return Title == o.Title && Text == o.Text && Icon == o.Icon; }
};
char* toString(const TBox& box);

// Every box a handler shows lands here instead of on screen. Boxes that the
// test did not take when the recorder goes fail the test.
class TBoxRecorder
{
public:
    TBoxRecorder();
    ~TBoxRecorder();
    QVector<TBox> Boxes;
    QVector<TBox> Take();
};

// A temporary program folder with a fresh bank (schema only, plus the given
// statements), a data module on it and statement recording.
class TBankFixture
{
public:
    explicit TBankFixture(const QStringList& statements = {});
    ~TBankFixture();

    QString Folder() const; // with trailing "/"
    // Runs a statement directly on the bank (setup and read-back).
    void Exec(const QString& sql);
    // Changes tables or views under a running module: the module's connection
    // opens again on its next statement and so sees the new schema.
    void ChangeSchema(const QStringList& statements);
    QVector<QStringList> Rows(const QString& sql);
    QString Scalar(const QString& sql);

    // Every statement the client sends, exactly as sent.
    QStringList Statements;
    // Called before each statement the client sends (to change the bank under it).
    std::function<void(const QString& sql)> OnStatement;
    // Statements whose text contains this fail (empty: none).
    QString FailWhenContains;

    std::unique_ptr<TDm> Module;

private:
    QTemporaryDir m_dir;
};
