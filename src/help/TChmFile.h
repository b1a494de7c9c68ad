#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>

struct chmFile;

// One compiled help file, read through chmlib: its pages and pictures by path, its title, default
// topic, contents and index files, and the topic of each help context number. Paths inside the file
// begin with "/" ("/wallet.htm"); a path given without it is taken from the top.
//
// open() refuses a file that is missing or damaged: its tables or its compression data do not hold
// together, or reading it whole fails. chmlib trusts the tables of the file it reads and some damage
// makes it crash, so the whole read is tried first by the check program (budget-helpcheck), in a
// process of its own; without a check program no file is opened.
class TChmFile
{
public:
    static std::unique_ptr<TChmFile> open(const QString& path);
    // The program that vets a file before open() reads it; the program tells where it is.
    static void setCheckProgram(const QString& program);
    // Reads every object of the file here: what the check program does, in its own process.
    static bool readsWhole(const QString& path);
    ~TChmFile();
    Q_DISABLE_COPY_MOVE(TChmFile)

    const QString& path() const { return m_path; }
    const QString& title() const { return m_title; }
    const QString& defaultTopic() const { return m_defaultTopic; }
    const QString& contentsFile() const { return m_contentsFile; }
    const QString& indexFile() const { return m_indexFile; }
    // Every page, picture and table of the file by its path.
    const QStringList& paths() const { return m_files; }
    bool contains(const QString& path) const;
    // The whole object; empty when the file has no such object.
    QByteArray read(const QString& path) const;
    // The topic that the help context number maps to ("/wallet.htm"); empty when it maps to none.
    QString topicOfContext(int context) const;

    // "wallet.htm" -> "/wallet.htm"; a path that begins with "/" stays.
    static QString normalized(const QString& path);

private:
    TChmFile(chmFile* handle, const QString& path);
    static bool vetted(const QString& path);
    static std::unique_ptr<TChmFile> openHere(const QString& path);
    bool load();
    bool compressionIsSound();
    bool readSystem();
    bool readContextMap();
    // The object a #STRINGS entry names: the path itself when the file has it, else the object of
    // that file name (a compiler may write the page's full path on the build machine there).
    QString topicFromString(const QString& name) const;

    chmFile* m_handle;
    QString m_path;
    QString m_title;
    QString m_defaultTopic;
    QString m_contentsFile;
    QString m_indexFile;
    QStringList m_files;
    QHash<QString, QString> m_byLowerPath;
    QHash<int, QString> m_contexts;
    quint64 m_compressedEnd = 0;
};
