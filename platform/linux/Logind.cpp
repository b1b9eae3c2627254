#include "Logind.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusReply>
#include <QTimer>
#include <unistd.h>

namespace {

using Answered = std::function<void(bool accepted)>;

const QString Service = QStringLiteral("org.freedesktop.login1");
const QString ManagerPath = QStringLiteral("/org/freedesktop/login1");
const QString ManagerInterface = QStringLiteral("org.freedesktop.login1.Manager");
const QString SessionInterface = QStringLiteral("org.freedesktop.login1.Session");
// The desktop may hold a power request while it asks for a password.
constexpr int InteractiveTimeoutMs = 120000;

// Hands logind's reply to handle on this thread once it comes, without waiting for it.
void whenAnswered(const QDBusPendingCall& call, std::function<void(const QDBusMessage&)> handle) {
    // A call that never left, as without a system bus, has its error already, and a watcher
    // would never report it.
    if (call.isFinished()) {
        QTimer::singleShot(0,
                           [handle = std::move(handle), reply = call.reply()] { handle(reply); });
        return;
    }
    auto* watcher = new QDBusPendingCallWatcher(call);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher,
                     [handle = std::move(handle)](QDBusPendingCallWatcher* finished) {
                         finished->deleteLater();
                         handle(finished->reply());
                     });
}

void send(const QString& path, const QString& interface, const QString& method,
          const QVariantList& arguments, Answered answered) {
    QDBusMessage call = QDBusMessage::createMethodCall(Service, path, interface, method);
    call.setArguments(arguments);
    call.setInteractiveAuthorizationAllowed(true);
    whenAnswered(QDBusConnection::systemBus().asyncCall(call, InteractiveTimeoutMs),
                 [method, answered = std::move(answered)](const QDBusMessage& reply) {
                     const bool accepted = reply.type() == QDBusMessage::ReplyMessage;
                     if (!accepted)
                         qWarning("logind refused %s: %s", qPrintable(method),
                                  qPrintable(reply.errorMessage()));
                     answered(accepted);
                 });
}

// Terminates the session that logind found for the program.
void terminateFound(const QDBusReply<QDBusObjectPath>& session, const Answered& answered) {
    if (!session.isValid()) {
        qWarning("logind knows no session of this program: %s",
                 qPrintable(session.error().message()));
        return answered(false);
    }
    send(session.value().path(), SessionInterface, QStringLiteral("Terminate"), {}, answered);
}

// The program's own session: the one the desktop named, else the one logind finds for it.
void terminateOwnSession(Answered answered) {
    const QString id = qEnvironmentVariable("XDG_SESSION_ID");
    if (!id.isEmpty())
        return send(ManagerPath, ManagerInterface, QStringLiteral("TerminateSession"), {id},
                    std::move(answered));
    QDBusMessage lookup = QDBusMessage::createMethodCall(Service, ManagerPath, ManagerInterface,
                                                         QStringLiteral("GetSessionByPID"));
    lookup.setArguments({quint32(getpid())});
    whenAnswered(QDBusConnection::systemBus().asyncCall(lookup),
                 [answered = std::move(answered)](const QDBusMessage& reply) {
                     terminateFound(reply, answered);
                 });
}

} // namespace

namespace logind {

void endSession(SessionEnd request, Answered answered) {
    switch (request) {
    case SessionEnd::LogOff:
        return terminateOwnSession(std::move(answered));
    case SessionEnd::PowerOff:
        return send(ManagerPath, ManagerInterface, QStringLiteral("PowerOff"), {true},
                    std::move(answered));
    case SessionEnd::Reboot:
        return send(ManagerPath, ManagerInterface, QStringLiteral("Reboot"), {true},
                    std::move(answered));
    }
    answered(false);
}

} // namespace logind
