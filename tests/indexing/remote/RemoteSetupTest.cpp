// Setting up remote access: the access token, the listen address and its
// TLS rule, hosts.ini, and the tessellon-admin commands over them.
#include "ServiceSandbox.h"
#include "common/Error.h"
#include "indexing/remote/AccessToken.h"
#include "indexing/remote/HostRegistry.h"
#include "indexing/remote/RemoteSettings.h"
#include "support/QtPrinters.h"

#include <QFile>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace tessellon;

namespace {

TEST(AccessToken, RandomHexComparedWhole) {
    const QByteArray a = newAccessToken();
    EXPECT_TRUE(QRegularExpression(u"^[0-9a-f]{64}$"_qs).match(QString::fromLatin1(a)).hasMatch());
    EXPECT_NE(a, newAccessToken());
    const struct {
        QByteArray given;
        bool equal;
    } cases[] = {{a, true},
                 {a.left(63), false},
                 {a + 'x', false},
                 {QByteArray(a).replace(63, 1, a[63] == 'a' ? "b" : "a"), false},
                 {"", false}};
    for (const auto& c : cases)
        EXPECT_EQ(tokensEqual(c.given, a), c.equal) << c.given.constData();
    EXPECT_FALSE(tokensEqual("", ""));
}

TEST(RemoteSettings, ListenAddressesAndTheTlsRule) {
    const struct {
        const char16_t* listen;
        const char16_t* normalised; // null: refused
        bool loopback;
    } cases[] = {{u"127.0.0.1:8675", u"127.0.0.1:8675", true},
                 {u"[::1]:9", u"[::1]:9", true},
                 {u"0.0.0.0:80", u"0.0.0.0:80", false},
                 {u"localhost:80", nullptr, false},
                 {u"10.0.0.2", nullptr, false},
                 {u"10.0.0.2:0", nullptr, false},
                 {u"10.0.0.2:70000", nullptr, false}};
    for (const auto& c : cases) {
        RemoteSettings settings;
        SCOPED_TRACE(QString::fromUtf16(c.listen).toStdString());
        if (!c.normalised) {
            EXPECT_THROW(settings.setListen(QString::fromUtf16(c.listen)), Error);
            continue;
        }
        settings.setListen(QString::fromUtf16(c.listen));
        EXPECT_EQ(settings.listen(), QString::fromUtf16(c.normalised));
        EXPECT_EQ(settings.loopback(), c.loopback);
        if (c.loopback) {
            EXPECT_NO_THROW(settings.check());
        } else {
            EXPECT_THROW(settings.check(), Error); // no TLS off the loopback
            settings.insecure = true;
            EXPECT_NO_THROW(settings.check());
        }
    }
    RemoteSettings halfTls;
    halfTls.setListen(u"127.0.0.1:1"_qs);
    halfTls.tlsCertificate = u"/etc/hostname"_qs;
    EXPECT_THROW(halfTls.check(), Error);
}

TEST(RemoteSetup, AdminEnablesStatesAndRenewsWithATokenShownOnce) {
    ServiceSandbox sandbox;
    EXPECT_EQ(sandbox.admin({u"remote"_qs, u"status"_qs}).exitCode, 3);
    const CommandResult open =
        sandbox.admin({u"remote"_qs, u"enable"_qs, u"--listen"_qs, u"0.0.0.0:8675"_qs});
    EXPECT_EQ(open.exitCode, 1);
    EXPECT_TRUE(open.err.contains(u"--insecure"_qs)) << open.err.toStdString();

    const CommandResult enabled =
        sandbox.admin({u"remote"_qs, u"enable"_qs, u"--listen=0.0.0.0:8675"_qs, u"--insecure"_qs});
    ASSERT_EQ(enabled.exitCode, 0) << enabled.err.toStdString();
    const QByteArray token = readSecretFile(RemoteSettings::tokenFile());
    EXPECT_TRUE(enabled.out.contains(QString::fromLatin1(token)));
    EXPECT_EQ(QFile::permissions(RemoteSettings::tokenFile()),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    const CommandResult status = sandbox.admin({u"remote"_qs, u"status"_qs});
    EXPECT_EQ(status.exitCode, 0);
    EXPECT_TRUE(status.out.contains(u"0.0.0.0:8675 WITHOUT TLS"_qs)) << status.out.toStdString();

    const CommandResult again =
        sandbox.admin({u"remote"_qs, u"enable"_qs, u"--listen"_qs, u"127.0.0.1:8675"_qs});
    EXPECT_FALSE(again.out.contains(QString::fromLatin1(token))); // shown once only
    const CommandResult renewed = sandbox.admin({u"remote"_qs, u"token"_qs, u"--renew"_qs});
    EXPECT_EQ(renewed.exitCode, 0);
    EXPECT_NE(readSecretFile(RemoteSettings::tokenFile()), token);

    EXPECT_EQ(sandbox.admin({u"remote"_qs, u"disable"_qs}).exitCode, 0);
    EXPECT_EQ(sandbox.admin({u"remote"_qs, u"status"_qs}).exitCode, 3);
}

TEST(RemoteSetup, HostsAreListedWithTheirAddressAndToken) {
    ServiceSandbox sandbox;
    const QString token = sandbox.dir().write(u"b.token"_qs, "secret\n");
    const struct {
        QStringList args;
        int exitCode;
        const char16_t* said;
    } steps[] = {
        {{u"add"_qs, u"SERVER2"_qs, u"https://10.0.0.2:8675"_qs, u"--token-file"_qs, token},
         0,
         u"Host SERVER2 added"},
        {{u"add"_qs, u"2b"_qs, u"https://10.0.0.2:8675"_qs, u"--token-file"_qs, token},
         1,
         u"not a valid host name"},
        {{u"add"_qs, u"B"_qs, u"ftp://10.0.0.2:21"_qs, u"--token-file"_qs, token},
         1,
         u"not the address of a service"},
        {{u"add"_qs, u"B"_qs, u"https://10.0.0.2:8675"_qs, u"--token-file"_qs, u"/nowhere"_qs},
         1,
         u"Cannot read /nowhere"},
        {{u"list"_qs}, 0, u"SERVER2\thttps://10.0.0.2:8675\t"},
        {{u"remove"_qs, u"server2"_qs}, 0, u"Host server2 removed"},
        {{u"remove"_qs, u"SERVER2"_qs}, 1, u"Host 'SERVER2' is not listed"},
    };
    for (const auto& s : steps) {
        const CommandResult r = sandbox.admin(QStringList{u"hosts"_qs} + s.args);
        SCOPED_TRACE(s.args.join(u' ').toStdString());
        EXPECT_EQ(r.exitCode, s.exitCode) << r.err.toStdString();
        EXPECT_TRUE((r.out + r.err).contains(QString::fromUtf16(s.said)))
            << (r.out + r.err).toStdString();
    }
    EXPECT_TRUE(HostRegistry::standard().load().isEmpty());
}

} // namespace
