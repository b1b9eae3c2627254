#include "Logind.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <unistd.h>

namespace {

const QString Service = QStringLiteral("org.freedesktop.login1");
const QString ManagerPath = QStringLiteral("/org/freedesktop/login1");
const QString ManagerInterface = QStringLiteral("org.freedesktop.login1.Manager");
const QString SessionInterface = QStringLiteral("org.freedesktop.login1.Session");
// The desktop may hold a power request while it asks for a password.
constexpr int InteractiveTimeoutMs = 120000;

bool send(const QString& path, const QString& interface, const QString& method,
          const QVariantList& arguments) {
    QDBusMessage call = QDBusMessage::createMethodCall(Service, path, interface, method);
    call.setArguments(arguments);
    call.setInteractiveAuthorizationAllowed(true);
    const QDBusMessage answer =
        QDBusConnection::systemBus().call(call, QDBus::Block, InteractiveTimeoutMs);
    if (answer.type() == QDBusMessage::ErrorMessage) {
        qWarning("logind refused %s: %s", qPrintable(method), qPrintable(answer.errorMessage()));
        return false;
    }
    return true;
}

// The program's own session: the one the desktop named, else the one logind finds for it.
bool terminateOwnSession() {
    const QString id = qEnvironmentVariable("XDG_SESSION_ID");
    if (!id.isEmpty())
        return send(ManagerPath, ManagerInterface, QStringLiteral("TerminateSession"), {id});
    QDBusMessage lookup = QDBusMessage::createMethodCall(Service, ManagerPath, ManagerInterface,
                                                         QStringLiteral("GetSessionByPID"));
    lookup.setArguments({quint32(getpid())});
    const QDBusReply<QDBusObjectPath> session = QDBusConnection::systemBus().call(lookup);
    if (!session.isValid()) {
        qWarning("logind knows no session of this program: %s",
                 qPrintable(session.error().message()));
        return false;
    }
    return send(session.value().path(), SessionInterface, QStringLiteral("Terminate"), {});
}

} // namespace

namespace logind {

bool endSession(SessionEnd request) {
    switch (request) {
    case SessionEnd::LogOff:
        return terminateOwnSession();
    case SessionEnd::PowerOff:
        return send(ManagerPath, ManagerInterface, QStringLiteral("PowerOff"), {true});
    case SessionEnd::Reboot:
        return send(ManagerPath, ManagerInterface, QStringLiteral("Reboot"), {true});
    }
    return false;
}

} // namespace logind
