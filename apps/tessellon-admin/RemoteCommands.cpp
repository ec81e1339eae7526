// `remote enable|disable|status|token`: whether this computer's indexing
// service answers other computers; `hosts add|list|remove`: the other
// computers this one may ask.
#include "AdminCommand.h"

#include "CommandOptions.h"
#include "indexing/remote/AccessToken.h"
#include "indexing/remote/HostRegistry.h"
#include "indexing/remote/RemoteSettings.h"

#include <QFileInfo>

namespace tessellon::admin {

namespace {

void noArguments(const CommandOptions& options) {
    if (!options.arguments.isEmpty())
        throw UsageError(QStringLiteral("unexpected argument '%1'").arg(options.arguments.first()));
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
    const QString action = arguments.value(0);
    const QStringList args = arguments.mid(1);
    if (action == u"enable") {
        const CommandOptions options = parseOptions(
            args,
            {QStringLiteral("--listen"), QStringLiteral("--tls-cert"), QStringLiteral("--tls-key")},
            {QStringLiteral("--insecure")});
        noArguments(options);
        const QString listen = options.value(QStringLiteral("--listen"));
        if (listen.isEmpty())
            throw UsageError(QStringLiteral("enable needs --listen ADDRESS:PORT"));
        RemoteSettings settings = RemoteSettings::load();
        settings.setListen(listen);
        settings.tlsCertificate = options.value(QStringLiteral("--tls-cert"));
        settings.tlsKey = options.value(QStringLiteral("--tls-key"));
        settings.insecure = options.flags.contains(QStringLiteral("--insecure"));
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
        noArguments(parseOptions(args, {}));
        RemoteSettings settings = RemoteSettings::load();
        settings.enabled = false;
        settings.save();
        out << "Remote access is off from the indexing service's next start.\n";
        return 0;
    }
    if (action == u"status") {
        noArguments(parseOptions(args, {}));
        return remoteStatus(out);
    }
    if (action == u"token") {
        const CommandOptions options = parseOptions(args, {}, {QStringLiteral("--renew")});
        noArguments(options);
        if (!options.flags.contains(QStringLiteral("--renew")))
            throw UsageError(QStringLiteral("token takes --renew"));
        printNewToken(out);
        return 0;
    }
    throw UsageError(QStringLiteral("expects enable, disable, status or token --renew"));
}

int hosts(const QStringList& arguments, QTextStream& out, QTextStream&) {
    const QString action = arguments.value(0);
    const QStringList args = arguments.mid(1);
    const HostRegistry registry = HostRegistry::standard();
    if (action == u"add") {
        const CommandOptions options =
            parseOptions(args, {QStringLiteral("--token-file"), QStringLiteral("--ca-file")});
        if (options.arguments.size() != 2)
            throw UsageError(
                QStringLiteral("add takes NAME URL --token-file FILE [--ca-file FILE]"));
        const RemoteHost host{options.arguments[0], options.arguments[1],
                              options.value(QStringLiteral("--token-file")),
                              options.value(QStringLiteral("--ca-file"))};
        registry.add(host);
        out << "Host " << host.name << " added (" << host.url << ").\n";
        return 0;
    }
    if (action == u"list") {
        noArguments(parseOptions(args, {}));
        for (const RemoteHost& host : registry.load())
            out << host.name << '\t' << host.url << '\t' << host.tokenFile << '\t' << host.caFile
                << '\n';
        return 0;
    }
    if (action == u"remove") {
        const CommandOptions options = parseOptions(args, {});
        if (options.arguments.size() != 1)
            throw UsageError(QStringLiteral("remove takes NAME"));
        if (!registry.remove(options.arguments[0]))
            throw Error(QStringLiteral("Host '%1' is not listed").arg(options.arguments[0]));
        out << "Host " << options.arguments[0] << " removed.\n";
        return 0;
    }
    throw UsageError(QStringLiteral("expects add, list or remove"));
}

} // namespace tessellon::admin
