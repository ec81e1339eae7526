#include "indexing/filters/FilterHost.h"

#include "indexing/filters/FilterLimits.h"
#include "indexing/filters/FilterProtocol.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <sys/resource.h>

namespace tessellon {

FilterHost::FilterHost(QString helperPath) : helperPath_(std::move(helperPath)) {}

QString FilterHost::defaultHelperPath() {
    const QString name = QStringLiteral("tessellon-filter");
    const QString fromEnvironment = qEnvironmentVariable("TESSELLON_BIN_DIR");
    if (!fromEnvironment.isEmpty() && QFileInfo::exists(fromEnvironment + '/' + name))
        return fromEnvironment + '/' + name;
    return QCoreApplication::applicationDirPath() + '/' + name;
}

FilterResult FilterHost::filter(FilterKind kind, const QByteArray& path,
                                const FilterBudget& budget) const {
    QProcess helper;
    helper.setProgram(helperPath_);
    helper.setArguments({FilterKinds::name(kind)});
    helper.setProcessChannelMode(QProcess::SeparateChannels);
    helper.setStandardErrorFile(QProcess::nullDevice());
    helper.setChildProcessModifier([] {
    // AddressSanitizer reserves terabytes of address space for its
    // shadow memory at start, so a helper built with it cannot start
    // under an address-space limit: the sanitizer build goes without.
#if !defined(__SANITIZE_ADDRESS__)
        const rlimit memory{rlim_t(FilterLimits::DocumentMemoryBytes),
                            rlim_t(FilterLimits::DocumentMemoryBytes)};
        ::setrlimit(RLIMIT_AS, &memory);
#endif
        const rlimit noCore{0, 0};
        ::setrlimit(RLIMIT_CORE, &noCore);
    });
    helper.start();
    if (!helper.waitForStarted(5000))
        return FilterResult::failed(
            QStringLiteral("the filter helper %1 could not be started").arg(helperPath_));
    helper.write(path);
    helper.closeWriteChannel();
    QByteArray answer;
    // Short waits, so that a stop request or the end of the budget is
    // noticed within a tenth of a second.
    while (helper.state() != QProcess::NotRunning) {
        helper.waitForFinished(100);
        answer += helper.readAllStandardOutput();
        if (const std::optional<QString> reason = budget.exceeded()) {
            helper.kill();
            helper.waitForFinished(2000);
            return FilterResult::failed(*reason);
        }
    }
    answer += helper.readAllStandardOutput();
    if (helper.exitStatus() != QProcess::NormalExit || helper.exitCode() != 0)
        return FilterResult::failed(QStringLiteral("the filter helper crashed on this document"));
    if (const auto result = FilterProtocol::decode(answer))
        return *result;
    return FilterResult::failed(QStringLiteral("the filter helper gave no usable answer"));
}

} // namespace tessellon
