// `remote enable|disable|status|token`: whether this computer's indexing
// service answers other computers; `hosts add|list|remove`: the other
// computers this one may ask.
#include "AdminCommand.h"

#include "indexing/remote/AccessToken.h"
#include "indexing/remote/HostRegistry.h"
#include "indexing/remote/RemoteSettings.h"

#include <QFileInfo>

namespace tessellon::admin {

namespace {

// The value after an option ("--listen A:P" or "--listen=A:P").
QString takeValue(QStringList& args, const QString& option) {
    for (qsizetype i = 0; i < args.size(); ++i) {
        if (args[i] == option) {
            if (i + 1 >= args.size())
                throw UsageError(QStringLiteral("%1 needs a value").arg(option));
            const QString value = args[i + 1];
            args.remove(i, 2);
            return value;
        }
        if (args[i].startsWith(option + u'=')) {
            const QString value = args[i].mid(option.size() + 1);
            args.removeAt(i);
            return value;
        }
    }
    return {};
}

bool takeFlag(QStringList& args, const QString& flag) {
    return args.removeAll(flag) > 0;
}

void noMoreArguments(const QStringList& args) {
    if (!args.isEmpty())
        throw UsageError(QStringLiteral("unexpected argument '%1'").arg(args.first()));
}

void printNewToken(QTextStream& out) {
    const QByteArray token = newAccessToken();
    writeSecretFile(RemoteSettings::tokenFile(), token);
    out << "Access token (shown this once; hosts that ask this service need it):\n"
        << token << '\n'
        << "It is kept in " << RemoteSettings::tokenFile() << ", readable by you only.\n";
}

int remoteStatus(QTextStream& out) {
    const RemoteSettings settings = RemoteSettings::load();
    if (!settings.enabled) {
        out << "Remote access is off\n";
        return 3;
    }
    out << "Remote access is on: " << settings.listen()
        << (settings.tls() ? " with TLS" : " WITHOUT TLS") << '\n';
    if (!settings.tls() && !settings.loopback())
        out << "Tokens and answers travel unencrypted (--insecure)\n";
    return 0;
}

} // namespace

int remote(const QStringList& arguments, QTextStream& out, QTextStream&) {
    QStringList args = arguments;
    const QString action = args.isEmpty() ? QString() : args.takeFirst();
    if (action == u"enable") {
        RemoteSettings settings = RemoteSettings::load();
        const QString listen = takeValue(args, QStringLiteral("--listen"));
        if (listen.isEmpty())
            throw UsageError(QStringLiteral("enable needs --listen ADDRESS:PORT"));
        settings.setListen(listen);
        settings.tlsCertificate = takeValue(args, QStringLiteral("--tls-cert"));
        settings.tlsKey = takeValue(args, QStringLiteral("--tls-key"));
        settings.insecure = takeFlag(args, QStringLiteral("--insecure"));
        noMoreArguments(args);
        settings.check();
        settings.enabled = true;
        settings.save();
        if (!QFileInfo::exists(RemoteSettings::tokenFile()))
            printNewToken(out);
        out << "The indexing service answers other computers on " << settings.listen()
            << " from its next start.\n";
        return 0;
    }
    if (action == u"disable") {
        noMoreArguments(args);
        RemoteSettings settings = RemoteSettings::load();
        settings.enabled = false;
        settings.save();
        out << "Remote access is off from the indexing service's next start.\n";
        return 0;
    }
    if (action == u"status") {
        noMoreArguments(args);
        return remoteStatus(out);
    }
    if (action == u"token") {
        if (!takeFlag(args, QStringLiteral("--renew")))
            throw UsageError(QStringLiteral("token takes --renew"));
        noMoreArguments(args);
        printNewToken(out);
        return 0;
    }
    throw UsageError(QStringLiteral("expects enable, disable, status or token --renew"));
}

int hosts(const QStringList& arguments, QTextStream& out, QTextStream&) {
    QStringList args = arguments;
    const QString action = args.isEmpty() ? QString() : args.takeFirst();
    const HostRegistry registry = HostRegistry::standard();
    if (action == u"add") {
        RemoteHost host;
        host.tokenFile = takeValue(args, QStringLiteral("--token-file"));
        host.caFile = takeValue(args, QStringLiteral("--ca-file"));
        if (args.size() != 2)
            throw UsageError(
                QStringLiteral("add takes NAME URL --token-file FILE [--ca-file FILE]"));
        host.name = args[0];
        host.url = args[1];
        registry.add(host);
        out << "Host " << host.name << " added (" << host.url << ").\n";
        return 0;
    }
    if (action == u"list") {
        noMoreArguments(args);
        for (const RemoteHost& host : registry.load())
            out << host.name << '\t' << host.url << '\t' << host.tokenFile << '\t' << host.caFile
                << '\n';
        return 0;
    }
    if (action == u"remove") {
        if (args.size() != 1)
            throw UsageError(QStringLiteral("remove takes NAME"));
        if (!registry.remove(args[0]))
            throw Error(QStringLiteral("Host '%1' is not listed").arg(args[0]));
        out << "Host " << args[0] << " removed.\n";
        return 0;
    }
    throw UsageError(QStringLiteral("expects add, list or remove"));
}

} // namespace tessellon::admin
