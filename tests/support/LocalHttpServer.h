#pragma once
// An HTTP server for tests on 127.0.0.1, on a thread of its own, so that a
// client in the test's thread can block in its own event loop. Each path has a
// way of answering: a fixed response, never answering, an endless body, or one
// byte a second. Unknown paths answer 404. The request heads are kept for the
// test to look at.
#include <QByteArray>
#include <QHostAddress>
#include <QMetaObject>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>

#include <map>
#include <mutex>
#include <vector>

class LocalHttpServer {
public:
    enum class Mode {
        Fixed,   // the response, then the connection closes
        Hang,    // accepts, reads the request and never answers
        Chunked, // the response head, then 64 KiB chunks of chunked encoding without end
        Flood,   // the response head, then raw bytes without end
        Trickle, // the response head, then one byte a second
    };
    struct Route {
        Mode mode = Mode::Fixed;
        QByteArray response;
    };

    LocalHttpServer() {
        m_context.moveToThread(&m_thread);
        m_thread.start();
        QMetaObject::invokeMethod(
            &m_context,
            [this] {
                m_server = new QTcpServer(&m_context);
                m_server->listen(QHostAddress::LocalHost, 0);
                m_port = m_server->serverPort();
                QObject::connect(m_server, &QTcpServer::newConnection, m_server, [this] { accept(); });
            },
            Qt::BlockingQueuedConnection);
    }
    ~LocalHttpServer() {
        QThread* caller = QThread::currentThread();
        QMetaObject::invokeMethod(
            &m_context,
            [this, caller] {
                delete m_server;
                m_server = nullptr;
                m_context.moveToThread(caller);
            },
            Qt::BlockingQueuedConnection);
        m_thread.quit();
        m_thread.wait();
    }
    LocalHttpServer(const LocalHttpServer&) = delete;
    LocalHttpServer& operator=(const LocalHttpServer&) = delete;

    bool listening() const { return m_port != 0; }
    QString url(const QString& path) const { return QStringLiteral("http://127.0.0.1:%1%2").arg(m_port).arg(path); }

    void route(const QByteArray& path, Route r) {
        std::lock_guard lock(m_mutex);
        m_routes[path] = std::move(r);
    }
    void serve(const QByteArray& path, const QByteArray& body) { route(path, {Mode::Fixed, ok(body)}); }

    std::vector<QByteArray> requests() const {
        std::lock_guard lock(m_mutex);
        return m_requests;
    }
    // How many requests asked for the path.
    int hits(const QByteArray& path) const {
        std::lock_guard lock(m_mutex);
        int n = 0;
        for (const QByteArray& head : m_requests)
            if (head.startsWith("GET " + path + " ")) ++n;
        return n;
    }

    static QByteArray ok(const QByteArray& body) {
        return "HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(body.size()) +
               "\r\nConnection: close\r\n\r\n" + body;
    }
    static QByteArray status(int code, const QByteArray& body) {
        return "HTTP/1.1 " + QByteArray::number(code) + " Status\r\nContent-Length: " +
               QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body;
    }
    static QByteArray redirect(const QByteArray& location) {
        return "HTTP/1.1 302 Found\r\nLocation: " + location + "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n";
    }

private:
    void accept() {
        while (QTcpSocket* socket = m_server->nextPendingConnection()) {
            auto* buffer = new QByteArray;
            QObject::connect(socket, &QObject::destroyed, [buffer] { delete buffer; });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
                if (buffer->contains("\r\n\r\n")) {
                    socket->readAll();
                    return;
                }
                buffer->append(socket->readAll());
                const qsizetype end = buffer->indexOf("\r\n\r\n");
                if (end < 0) return;
                const QByteArray head = buffer->left(end);
                answer(socket, head);
            });
        }
    }
    void answer(QTcpSocket* socket, const QByteArray& head) {
        const QByteArray line = head.left(head.indexOf("\r\n"));
        const QList<QByteArray> parts = line.split(' ');
        const QByteArray path = parts.size() > 1 ? parts[1] : QByteArray();
        Route r{Mode::Fixed, status(404, "Not Found")};
        {
            std::lock_guard lock(m_mutex);
            m_requests.push_back(head);
            auto it = m_routes.find(path);
            if (it != m_routes.end()) r = it->second;
        }
        if (r.mode == Mode::Hang) return;
        socket->write(r.response);
        if (r.mode == Mode::Fixed) {
            socket->disconnectFromHost();
            return;
        }
        auto* timer = new QTimer(socket);
        const Mode mode = r.mode;
        QObject::connect(timer, &QTimer::timeout, socket, [socket, mode] {
            if (mode == Mode::Trickle) {
                socket->write("x");
                return;
            }
            if (socket->bytesToWrite() > 256 * 1024) return;
            const QByteArray chunk(64 * 1024, 'x');
            if (mode == Mode::Chunked)
                socket->write("10000\r\n" + chunk + "\r\n");
            else
                socket->write(chunk);
        });
        timer->start(mode == Mode::Trickle ? 1000 : 5);
    }

    QThread m_thread;
    QObject m_context;
    QTcpServer* m_server = nullptr;
    quint16 m_port = 0;
    mutable std::mutex m_mutex;
    std::map<QByteArray, Route> m_routes;
    std::vector<QByteArray> m_requests;
};
