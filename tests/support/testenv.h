// Test support: a private home for every test program, and scripted answers to message boxes.
#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// Points HOME and every XDG variable at a fresh temporary folder for the life of the object, so
// a test never reads or writes the real user's files.
class TestHome
{
public:
    TestHome();
    ~TestHome();
    QString path() const { return m_dir.path(); }
    QString dataHome() const { return m_dir.path() + QStringLiteral("/.local/share"); }
    QString configHome() const { return m_dir.path() + QStringLiteral("/.config"); }
    // Writes a file (creating its folders) and returns its full path.
    QString writeFile(const QString &relativePath, const QByteArray &content) const;

private:
    QTemporaryDir m_dir;
    QByteArray m_savedVars[8];
};

// Reads a whole file; empty when it does not exist.
QByteArray readWholeFile(const QString &path);
