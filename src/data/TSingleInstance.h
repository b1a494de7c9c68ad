#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

// One program per data file. The first program to claim a file holds a lock file beside it
// ("Data.mdb.lock") and listens on a local socket named after the file's path; a second start finds
// the lock held, asks the first through the socket to come to the front, and ends. A lock left by a
// program that crashed is taken over.
class TSingleInstance final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TSingleInstance)

public:
    enum class Claim
    {
        First,      // the file is this program's now
        HandedOver, // another program has it open and was asked to come to the front
        NoAnswer,   // another program holds the lock but did not answer in time
    };

    // How long a second start tries to reach the first.
    static constexpr int AnswerMs = 5000;

    explicit TSingleInstance(const QString& dataFile, QObject* parent = nullptr);
    // Lets the file go: the lock file and the socket are removed.
    ~TSingleInstance() override;

    // Claims the data file for this program or hands over to the program that has it. Returns at
    // once when the file is free; waits at most `waitMs` for the other program otherwise (it may be
    // starting: between its lock and its socket, or before its event loop runs).
    Claim claim(int waitMs = AnswerMs);

    // The lock file beside the data file (beside the file a link points to).
    static QString lockFileFor(const QString& dataFile);
    // The local socket's name: made from the data file's full path (with links resolved), short
    // enough for any socket path.
    static QString serverNameFor(const QString& dataFile);

signals:
    // A second start of the program on the same file asks this one to come to the front.
    void activationRequested();

private:
    // Tries to hand over to the program that listens for the file; true once it acknowledged.
    bool handOver(int waitMs) const;
    bool listen();
    void answer();

    QString m_dataFile;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer* m_server = nullptr;
};
