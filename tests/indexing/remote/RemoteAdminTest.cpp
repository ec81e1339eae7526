// The administration connection bound to another computer: a second
// indexing service on a loopback port, with config and data folders of its
// own, listed in this computer's hosts.ini.
#include "OtherComputer.h"
#include "common/Error.h"
#include "indexing/remote/HostAdminServer.h"
#include "indexing/remote/HostRegistry.h"
#include "support/QtPrinters.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace tessellon;

namespace {

TEST(RemoteAdmin, CatalogsFiguresAndStopComeFromTheBoundHost) {
    ServiceSandbox thisComputer;
    OtherComputer b;
    ASSERT_TRUE(b.serveCatalog(u"Web"_qs, u"index.html"_qs, "<html><body>home page</body></html>"));
    HostRegistry::standard().add(
        RemoteHost{u"SERVER2"_qs, u"http://127.0.0.1:%1"_qs.arg(b.port), b.tokenFile(), QString()});

    HostAdminServer admin;
    admin.SetMachineName(u"server2"_qs);
    EXPECT_EQ(admin.MachineName(), u"server2"_qs);
    EXPECT_TRUE(admin.IsRunning());
    ASSERT_TRUE(admin.FindFirstCatalog());
    const std::unique_ptr<CatalogAdmin> catalog = admin.GetCatalog();
    EXPECT_FALSE(admin.FindNextCatalog());
    // The figures are those the host's own tessellon-admin lists.
    const QStringList listed = b.admin({u"list"_qs}).out.trimmed().split(u'\t');
    EXPECT_EQ(QStringList({catalog->CatalogName(), catalogStateText(*catalog),
                           catalog->IsUpToDate() ? u"yes"_qs : u"no"_qs, catalog->CatalogLocation(),
                           QString::number(catalog->IndexSize()),
                           QString::number(catalog->TotalDocumentCount()),
                           QString::number(catalog->DocumentsToFilter())}),
              listed.mid(0, 7));

    admin.GetCatalogByName(u"web"_qs)->StopCatalog();
    EXPECT_EQ(b.admin({u"list"_qs}).out.split(u'\t').value(1), u"stopped"_qs);
    EXPECT_THROW(admin.GetCatalogByName(u"Mail"_qs), Error);

    // This computer again: its own (empty) list.
    admin.SetMachineName(u"."_qs);
    EXPECT_FALSE(admin.FindFirstCatalog());

    const struct {
        const char16_t* host;
        const char16_t* said;
    } unreachable[] = {{u"NOWHERE", u"hosts add NOWHERE"}};
    for (const auto& u : unreachable) {
        try {
            admin.SetMachineName(QString::fromUtf16(u.host));
            ADD_FAILURE() << "bound";
        } catch (const Error& e) {
            EXPECT_TRUE(e.message().contains(QString::fromUtf16(u.said)))
                << e.message().toStdString();
        }
    }
    // A listed host whose service is down: unreachable, not hung.
    ASSERT_EQ(b.admin({u"service"_qs, u"stop"_qs}).exitCode, 0);
    try {
        admin.SetMachineName(u"SERVER2"_qs);
        ADD_FAILURE() << "bound";
    } catch (const Error& e) {
        EXPECT_TRUE(e.message().contains(u"cannot be reached"_qs)) << e.message().toStdString();
    }
}

// TLS with a certificate of the host's own: a client that trusts it through
// the host's CA file gets answers; one that does not is told why.
TEST(RemoteAdmin, SelfSignedCertificateWorksOnlyWithItsCaFile) {
    ServiceSandbox thisComputer;
    OtherComputer b;
    const QString cert = b.dir.filePath(u"cert.pem"_qs);
    const QString key = b.dir.filePath(u"key.pem"_qs);
    ASSERT_EQ(ServiceSandbox::run(u"openssl"_qs, {u"req"_qs, u"-x509"_qs, u"-newkey"_qs,
                                                  u"rsa:2048"_qs, u"-nodes"_qs, u"-days"_qs,
                                                  u"2"_qs, u"-subj"_qs, u"/CN=127.0.0.1"_qs,
                                                  u"-addext"_qs, u"subjectAltName=IP:127.0.0.1"_qs,
                                                  u"-keyout"_qs, key, u"-out"_qs, cert})
                  .exitCode,
              0);
    ASSERT_EQ(b.admin({u"remote"_qs, u"enable"_qs, u"--listen"_qs, u"127.0.0.1:%1"_qs.arg(b.port),
                       u"--tls-cert"_qs, cert, u"--tls-key"_qs, key})
                  .exitCode,
              0);
    ASSERT_EQ(b.admin({u"service"_qs, u"start"_qs}).exitCode, 0);
    const QString url = u"https://127.0.0.1:%1"_qs.arg(b.port);
    HostRegistry::standard().add(RemoteHost{u"TRUSTED"_qs, url, b.tokenFile(), cert});
    HostRegistry::standard().add(RemoteHost{u"UNTRUSTED"_qs, url, b.tokenFile(), QString()});

    HostAdminServer admin;
    admin.SetMachineName(u"TRUSTED"_qs);
    EXPECT_TRUE(admin.IsRunning());
    try {
        admin.SetMachineName(u"UNTRUSTED"_qs);
        ADD_FAILURE() << "a certificate nobody vouches for was accepted";
    } catch (const Error& e) {
        EXPECT_TRUE(e.message().contains(u"cannot be reached"_qs)) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(u"SSL"_qs)) << e.message().toStdString();
    }
}

} // namespace
