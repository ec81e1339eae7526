#include "indexing/filters/ZipArchive.h"

#include "common/Error.h"
#include "indexing/filters/FilterLimits.h"

#include <algorithm>
#include <climits>
#include <zip.h>

namespace tessellon {

ZipArchive::ZipArchive(const QByteArray& path) {
    int error = 0;
    archive_ = zip_open(path.constData(), ZIP_RDONLY, &error);
    if (!archive_) {
        zip_error_t z;
        zip_error_init_with_code(&z, error);
        const QString message = QString::fromUtf8(zip_error_strerror(&z));
        zip_error_fini(&z);
        throw Error(QStringLiteral("not a readable zip container: %1").arg(message));
    }
}

ZipArchive::~ZipArchive() {
    zip_discard(archive_);
}

QStringList ZipArchive::names() const {
    QStringList out;
    const zip_int64_t count = zip_get_num_entries(archive_, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        if (const char* name = zip_get_name(archive_, zip_uint64_t(i), 0))
            out << QString::fromUtf8(name);
    }
    return out;
}

bool ZipArchive::contains(const QString& name) const {
    return zip_name_locate(archive_, name.toUtf8().constData(), 0) >= 0;
}

QByteArray ZipArchive::read(const QString& name) const {
    zip_file_t* file = zip_fopen(archive_, name.toUtf8().constData(), 0);
    if (!file)
        return {};
    // Read into one buffer of the size the member claims (within the cap),
    // not grown by doubling: a bomb would leave twice the cap allocated.
    zip_stat_t stat;
    const qint64 claimed =
        zip_stat(archive_, name.toUtf8().constData(), 0, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE)
            ? qint64(std::min<zip_uint64_t>(stat.size, zip_uint64_t(INT64_MAX)))
            : FilterLimits::MaxZipMemberBytes;
    QByteArray out(qsizetype(std::min(claimed, FilterLimits::MaxZipMemberBytes)),
                   Qt::Uninitialized);
    qsizetype filled = 0;
    while (filled < out.size()) {
        const zip_int64_t n =
            zip_fread(file, out.data() + filled, zip_uint64_t(out.size() - filled));
        if (n <= 0)
            break;
        filled += qsizetype(n);
    }
    zip_fclose(file);
    out.truncate(filled);
    return out;
}

} // namespace tessellon
