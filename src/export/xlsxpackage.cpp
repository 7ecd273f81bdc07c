#include "export/xlsxpackage.h"

#include "export/scratchbuild.h"

#include <QDir>
#include <QFile>

#include <zip.h>

namespace {

QString zipError(zip_t *archive)
{
    return QString::fromUtf8(zip_strerror(archive));
}

} // namespace

Result<XlsxPackage> XlsxPackage::read(const QString &path)
{
    const QString shown = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Result<XlsxPackage>::failure(u"%1 を開けません（%2）"_qs.arg(shown, file.errorString()));
    const QByteArray bytes = file.readAll();
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t *source = zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error);
    zip_t *archive = source ? zip_open_from_source(source, ZIP_RDONLY | ZIP_CHECKCONS, &error) : nullptr;
    if (!archive) {
        const QString reason = QString::fromUtf8(zip_error_strerror(&error));
        zip_error_fini(&error);
        if (source)
            zip_source_free(source);
        return Result<XlsxPackage>::failure(u"%1 はブックとして読めません（%2）"_qs.arg(shown, reason));
    }
    zip_error_fini(&error);

    XlsxPackage package;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_file_t *entry = nullptr;
        if (zip_stat_index(archive, zip_uint64_t(i), 0, &stat) != 0
            || !(entry = zip_fopen_index(archive, zip_uint64_t(i), 0))) {
            const QString reason = zipError(archive);
            zip_close(archive);
            return Result<XlsxPackage>::failure(u"%1 はブックとして読めません（%2）"_qs.arg(shown, reason));
        }
        QByteArray data(qsizetype(stat.size), Qt::Uninitialized);
        const zip_int64_t got = zip_fread(entry, data.data(), stat.size);
        zip_fclose(entry);
        if (got != zip_int64_t(stat.size)) {
            zip_close(archive);
            return Result<XlsxPackage>::failure(u"%1 はブックとして読めません（壊れたエントリ %2）"_qs.arg(
                shown, QString::fromUtf8(stat.name)));
        }
        package.m_entries.emplace_back(QString::fromUtf8(stat.name), std::move(data));
    }
    zip_discard(archive);
    return package;
}

bool XlsxPackage::contains(const QString &name) const
{
    for (const auto &[n, data] : m_entries)
        if (n == name)
            return true;
    return false;
}

QByteArray XlsxPackage::entry(const QString &name) const
{
    for (const auto &[n, data] : m_entries)
        if (n == name)
            return data;
    return {};
}

void XlsxPackage::setEntry(const QString &name, const QByteArray &data)
{
    for (auto &[n, d] : m_entries)
        if (n == name) {
            d = data;
            return;
        }
    m_entries.emplace_back(name, data);
}

Status XlsxPackage::write(const QString &path) const
{
    const ScratchBuild build(path);
    if (!build.ready())
        return build.failure();
    int code = 0;
    zip_t *archive = zip_open(build.scratchName().constData(), ZIP_TRUNCATE | ZIP_CREATE, &code);
    if (!archive)
        return build.failure();
    for (const auto &[name, data] : m_entries) {
        zip_source_t *source = zip_source_buffer(archive, data.constData(), zip_uint64_t(data.size()), 0);
        if (!source || zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8) < 0) {
            if (source)
                zip_source_free(source);
            const QString reason = zipError(archive);
            zip_discard(archive);
            return build.failure(reason);
        }
    }
    if (zip_close(archive) != 0) {
        const QString reason = zipError(archive);
        zip_discard(archive);
        return build.failure(reason);
    }
    return build.install();
}
