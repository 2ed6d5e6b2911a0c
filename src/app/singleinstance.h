// SPDX-License-Identifier: GPL-3.0-or-later
// TSingleInstance: one running copy per user and data folder; a later start hands its card to the first copy.
#pragma once

#include <QObject>
#include <QString>

class QLocalServer;
class QLocalSocket;

namespace qm {

class TSingleInstance : public QObject
{
    Q_OBJECT
public:
    // An empty name means ServerName(). A name without a folder is a socket in RuntimeFolder().
    explicit TSingleInstance(const QString& name = QString(), QObject* parent = nullptr);
    ~TSingleInstance() override;

    // The meeting point of this user's copies that share a data folder.
    static QString ServerName();
    // Where this user's sockets live: $XDG_RUNTIME_DIR when it is a folder of ours that nobody else may
    // enter, else a private folder of ours in the temporary folder; empty when neither can be had (another
    // user holds the name), and the program then runs without meeting its other starts.
    static QString RuntimeFolder();
    // The socket's full path; empty without a runtime folder.
    const QString& Name() const { return mName; }

    // True when no other copy runs: this one now listens for later starts. False when another copy answered:
    // it has been asked to come forward and to open cardPath (when not empty; made absolute here). Only a
    // copy run by the same user is told anything, and only such a copy is listened to.
    bool Start(const QString& cardPath = QString());
    bool Listening() const;

    // How long a later start waits for the first copy to answer.
    static constexpr int kTimeoutMs = 3000;

signals:
    // A later start asked this copy to come forward, with the card it was given (empty for none).
    void ActivationRequested(const QString& cardPath);

private:
    bool Send(const QString& cardPath);
    bool Listen();
    void Serve(QLocalSocket* socket);

    QString mName;
    QLocalServer* mServer = nullptr;
};

} // namespace qm
