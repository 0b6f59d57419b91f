#include "app/shell/AApplicationBus.h"

#include "app/shell/ADesktopRegistration.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QDBusVirtualObject>
#include <QtDebug>

// The object behind the path: it answers introspection and the standard
// interfaces, and tells the bus which clients called.
class AApplicationBus::Object : public QDBusVirtualObject {
public:
    explicit Object(AApplicationBus& bus) : m_bus(bus) {}

    QString introspect(const QString&) const override {
        return QStringLiteral("  <interface name=\"%1\"/>\n")
            .arg(QLatin1String(ADesktopRegistration::kInterface));
    }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        // The connection may deliver here from its own thread; the watch is the main thread's.
        const QString client = message.service();
        AApplicationBus* bus = &m_bus;
        QMetaObject::invokeMethod(
            bus, [bus, client] { bus->NoteClient(client); }, Qt::QueuedConnection);
        if (message.interface() == QLatin1String("org.freedesktop.DBus.Introspectable") &&
            message.member() == QLatin1String("Introspect")) {
            const QString xml =
                QStringLiteral(
                    "<!DOCTYPE node PUBLIC \"-//freedesktop//DTD D-BUS Object Introspection 1.0//EN\" "
                    "\"http://www.freedesktop.org/standards/dbus/1.0/introspect.dtd\">\n<node>\n") +
                introspect(QString()) +
                QStringLiteral("  <interface name=\"org.freedesktop.DBus.Introspectable\">\n"
                               "    <method name=\"Introspect\"><arg name=\"xml_data\" type=\"s\" "
                               "direction=\"out\"/></method>\n  </interface>\n</node>\n");
            connection.send(message.createReply(xml));
            return true;
        }
        // The interface has no methods.
        connection.send(message.createErrorReply(
            QDBusError::UnknownMethod, QStringLiteral("No method %1.%2 on %3")
                                           .arg(message.interface(), message.member(), message.path())));
        return true;
    }

private:
    AApplicationBus& m_bus;
};

AApplicationBus::AApplicationBus(QObject* parent) : QObject(parent) {}

AApplicationBus::~AApplicationBus() {
    if (m_object) {
        QDBusConnection bus = QDBusConnection::sessionBus();
        bus.unregisterObject(QLatin1String(ADesktopRegistration::kObjectPath));
        if (m_ownsName) bus.unregisterService(QLatin1String(ADesktopRegistration::kBusName));
        delete m_object;
    }
}

bool AApplicationBus::Register(bool automation) {
    m_automation = automation;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        qWarning("Strakon: no session bus (%s); running without the name %s",
                 qPrintable(bus.lastError().message()), ADesktopRegistration::kBusName);
        return false;
    }
    m_object = new Object(*this);
    if (!bus.registerVirtualObject(QLatin1String(ADesktopRegistration::kObjectPath), m_object)) {
        qWarning("Strakon: the object %s could not be served", ADesktopRegistration::kObjectPath);
    }
    m_ownsName = bus.registerService(QLatin1String(ADesktopRegistration::kBusName));
    if (!m_ownsName) {
        qWarning("Strakon: the name %s is owned by another instance; running without it",
                 ADesktopRegistration::kBusName);
        return false;
    }
    if (m_automation) {
        m_watcher = new QDBusServiceWatcher(this);
        m_watcher->setConnection(bus);
        m_watcher->setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
        connect(m_watcher, &QDBusServiceWatcher::serviceUnregistered, this, &AApplicationBus::ClientLeft);
    }
    return true;
}

void AApplicationBus::NoteClient(const QString& uniqueName) {
    if (!m_automation || !m_watcher || uniqueName.isEmpty() || m_clients.contains(uniqueName)) return;
    m_clients.insert(uniqueName);
    m_watcher->addWatchedService(uniqueName);
    // A client that left before the watch began would never be reported.
    QDBusConnectionInterface* daemon = QDBusConnection::sessionBus().interface();
    if (daemon && !daemon->isServiceRegistered(uniqueName).value()) ClientLeft(uniqueName);
}

void AApplicationBus::ClientLeft(const QString& uniqueName) {
    if (!m_clients.remove(uniqueName)) return;
    m_watcher->removeWatchedService(uniqueName);
    if (m_clients.isEmpty()) emit LastClientLeft();
}
