#pragma once

#include <QString>
#include <QTemporaryDir>

namespace zorv::test {

// A fresh program folder for one test: an empty temporary directory that AppDir() answers for
// the lifetime of the object, with InitGlobals() run on it, and another one that stands for the
// user's data folder (userDataDir()). Nothing of the real program folder or of the user's real
// files is touched.
class TempAppDir
{
public:
    TempAppDir();
    ~TempAppDir();
    TempAppDir(const TempAppDir &) = delete;
    TempAppDir &operator=(const TempAppDir &) = delete;

    QString path() const { return m_dir.path(); }

    // The stand-in for the user's data folder, where the user's files go when the program folder
    // cannot be written.
    QString userDataPath() const { return m_userData.path(); }

    // The full path of a file or folder below it ("res/Fonc").
    QString filePath(const QString &relative) const { return m_dir.filePath(relative); }

    // Creates a folder below it (and its parents); returns its full path.
    QString makeDir(const QString &relative) const;

    // Writes a file below it (creating its folders) with exactly these bytes.
    void writeFile(const QString &relative, const QByteArray &bytes) const;

    // Copies a file or folder of the shipped data folder of the source tree ("res/Vals.fval").
    void copyFromShippedData(const QString &relative) const;

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_userData;
};

// The shipped data folder of the source tree.
QString shippedDataPath(const QString &relative = QString());

// Reads a whole file (empty when it does not exist).
QByteArray readFile(const QString &path);

// Writes a file with exactly these bytes, creating its folders, replacing what it held; a failure
// fails the test.
void writeFile(const QString &path, const QByteArray &bytes);

} // namespace zorv::test
