#pragma once
// The running program on the session bus: it owns the well-known name and serves
// the application object, which has no methods of its own. The bus starts a
// hidden instance with "-Automation" for a client that asks for the name; that
// instance ends once every client that called it has left the bus.
#include <QObject>
#include <QSet>
#include <QString>

class QDBusServiceWatcher;

class AApplicationBus : public QObject {
    Q_OBJECT
public:
    explicit AApplicationBus(QObject* parent = nullptr);
    ~AApplicationBus() override;

    // Serves the object and asks for the name. A missing bus or a name that
    // another instance owns is no reason to stop the program: the failure is
    // logged and false returned, and the program runs without the name.
    bool Register(bool automation);
    bool OwnsName() const { return m_ownsName; }

    // A client called the object: an automation instance watches it.
    void NoteClient(const QString& uniqueName);

signals:
    // The last client of an automation instance left the bus.
    void LastClientLeft();

private:
    void ClientLeft(const QString& uniqueName);

    bool m_automation = false;
    bool m_ownsName = false;
    QSet<QString> m_clients;
    QDBusServiceWatcher* m_watcher = nullptr;
    class Object;
    Object* m_object = nullptr;
};
