#include "RealCatalog.h"
#include "app/ProgramServices.h"
#include "common/TextFile.h"
#include "files/ConfigText.h"
#include "query/TKorvaneTessellonAdvancedSQL.h"
#include "support/QtPrinters.h"
#include "support/RecordingPlatform.h"

#include <QProcess>
#include <QSysInfo>

using namespace tessellon;

namespace {

class BatchExecutable : public RealCatalog {
protected:
    // The program without a display and with its settings in the sandbox.
    CommandResult tessellon(const QStringList& args) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(u"XDG_CONFIG_HOME"_qs, sandbox.dir().filePath(u"xdg"_qs));
        env.remove(u"DISPLAY"_qs);
        return ServiceSandbox::run(ServiceSandbox::binary(u"tessellon"_qs), args, env);
    }
    QString path(const QString& name) { return sandbox.dir().filePath(name); }
};

TEST_F(BatchExecutable, QueryFileLimitAndReport) {
    sandbox.dir().write(u"q.SQL"_qs, "SELECT Filename, Size FROM System..SCOPE()\r\n"
                                     "WHERE CONTAINS(Contents, 'invoice')\r\n"
                                     "ORDER BY Filename\r\n");
    const CommandResult r = tessellon(
        {u"/S"_qs + path(u"q.SQL"_qs), u"/F"_qs + path(u"r.txt"_qs), u"/N1"_qs, u"/Q"_qs});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = TextFile::readLines(path(u"r.txt"_qs));
    ASSERT_EQ(lines.size(), 16);
    EXPECT_EQ(lines[0], u"Tessellon - Ondrava Search"_qs);
    EXPECT_EQ(lines[4], u"Catalog: System"_qs);
    EXPECT_EQ(lines[5], u"Query: SELECT Path, Filename, Size FROM System..SCOPE()"_qs);
    EXPECT_EQ(lines[9], u"Documents found: 1"_qs);
    EXPECT_EQ(lines[10], u"Results Limit: 1"_qs);
    EXPECT_EQ(lines[13], u"Path,Filename,Size"_qs);
    EXPECT_EQ(lines[14], QString(56, u'-'));
    EXPECT_EQ(lines[15], docs + u"/invoice.txt,invoice.txt,28,1"_qs);
}

TEST_F(BatchExecutable, SearchFileRunsItsCriteria) {
    RecordingPlatform platform;
    platform.computer = QSysInfo::machineHostName();
    ProgramServices services;
    TKorvaneTessellonMain main(platform, services.provider(), ProgramServices::adminFactory());
    TKorvaneTessellonAdvancedSQL dialog(main);
    main.setAdvancedDialog(&dialog);
    main.CatalogRefreshClick();
    main.ComboBox100.text = u"quarterly"_qs;
    TextFile::writeLines(path(u"s.tsn"_qs), generateconfigtext(main));

    const CommandResult r = tessellon({path(u"s.tsn"_qs), u"/F"_qs + path(u"r.txt"_qs), u"/Q"_qs});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QStringList lines = TextFile::readLines(path(u"r.txt"_qs));
    EXPECT_EQ(lines[7], u"Documents found: 1"_qs);
    EXPECT_EQ(lines[11], u"Filename,Size,Write,DocKeywords,Path,#"_qs);
    EXPECT_TRUE(lines[13].startsWith(u"report.html,"_qs));
}

struct FailureCase {
    const char* name;
    QStringList arguments; // %D stands for the test's folder
    QString message;
};
TESSELLON_PRINT_CASE_BY_NAME(FailureCase)

class BatchExecutableFailure : public BatchExecutable,
                               public ::testing::WithParamInterface<FailureCase> {};

TEST_P(BatchExecutableFailure, FailsWithTheMessageAndNoReport) {
    sandbox.dir().write(u"bad.SQL"_qs, "SELECT Colour FROM System..SCOPE()\r\n");
    QStringList args;
    for (QString a : GetParam().arguments)
        args << a.replace(u"%D"_qs, sandbox.dir().path());
    const QString report = path(u"r.txt"_qs);
    const CommandResult r = tessellon(args << u"/F"_qs + report << u"/Q"_qs);
    EXPECT_EQ(r.exitCode, 1);
    QString message = GetParam().message;
    EXPECT_TRUE(r.err.contains(u"Tessellon: "_qs + message.replace(u"%D"_qs, sandbox.dir().path())))
        << r.err.toStdString();
    EXPECT_FALSE(QFile::exists(report));
}

INSTANTIATE_TEST_SUITE_P(Cases, BatchExecutableFailure,
                         ::testing::Values(FailureCase{"missing_query_file",
                                                       {u"/S%D/none.SQL"_qs},
                                                       u"Error opening file: %D/none.SQL"_qs},
                                           FailureCase{"limit_not_a_number",
                                                       {u"/Nabc"_qs},
                                                       u"Error: abc not a number."_qs},
                                           FailureCase{"statement_the_provider_refuses",
                                                       {u"/S%D/bad.SQL"_qs},
                                                       u"Unknown property 'Colour'"_qs}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(BatchExecutable, UnwritableReportIsReported) {
    const QString report = path(u"missing/folder/r.txt"_qs);
    const CommandResult r = tessellon({u"/F"_qs + report, u"/Q"_qs});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(u"Tessellon: Error saving file: "_qs + report))
        << r.err.toStdString();
}

// A run that needs the window, on a machine without a display: a message
// that points to /Q and status 1, rather than an abort inside Qt.
class BatchExecutableNoDisplay : public BatchExecutable,
                                 public ::testing::WithParamInterface<QStringList> {};

TEST_P(BatchExecutableNoDisplay, SaysSoAndFails) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    const CommandResult r =
        ServiceSandbox::run(ServiceSandbox::binary(u"tessellon"_qs), GetParam(), env);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains(u"no display is available"_qs)) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(u"/Q"_qs)) << r.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Arguments, BatchExecutableNoDisplay,
                         ::testing::Values(QStringList{}, QStringList{u"/Nfifty"_qs}),
                         [](const auto& info) {
                             return std::string(info.param.isEmpty() ? "no_arguments"
                                                                     : "batch_without_quit");
                         });

TEST_F(BatchExecutable, HelpAndVersion) {
    const CommandResult help = tessellon({u"--help"_qs});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains(u"//srv/searches/a.tsn"_qs));
    const CommandResult version = tessellon({u"--version"_qs});
    EXPECT_TRUE(version.out.startsWith(u"tessellon "_qs));
}

} // namespace
