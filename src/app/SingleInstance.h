#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;

// Only one copy of the program runs per user: the first listens on a local socket named after the
// program and the user; a later start hands its document argument (possibly empty) to the first
// and ends.
class SingleInstance : public QObject
{
    Q_OBJECT
public:
    explicit SingleInstance(QString name, QObject *parent = nullptr);
    ~SingleInstance() override;

    // The socket name of this program for the current user.
    static QString defaultName();

    // True when no other copy answers: this copy then listens for later starts. A copy that died
    // without closing its socket does not count.
    bool becomePrimary();
    // Passes the document path to the running copy; false when none answered.
    bool sendToPrimary(const QString &documentPath) const;

Q_SIGNALS:
    // A later start asked to be shown, with the document it was given (empty when none).
    void activationRequested(const QString &documentPath);

private:
    void readRequest();

    QString m_name;
    std::unique_ptr<QLocalServer> m_server;
};
