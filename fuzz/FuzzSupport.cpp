#include "FuzzSupport.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTime>
#include <cstdio>
#include <cstdlib>

namespace {

class SilentProgress final : public ProgressWindow {
public:
    void setValue(qint64) override {}
    void setMessage(const QString&) override {}
    void setMaximum(qint64) override {}
};

QString temporaryTemplate() {
    const QString memory = QStringLiteral("/dev/shm");
    const QString base = QDir(memory).exists() ? memory : QDir::tempPath();
    return base + QStringLiteral("/kelvor-fuzz-XXXXXX");
}

} // namespace

FuzzPlatform::FuzzPlatform() : m_folder(temporaryTemplate()) {
    if (!m_folder.isValid())
        fuzzFailure("temporary folder created", __FILE__, __LINE__);
    QDir(m_folder.path()).mkpath(QStringLiteral("SysData"));
    Platform::install(this);
}

FuzzPlatform::~FuzzPlatform() {
    Platform::install(nullptr);
}

DateTime FuzzPlatform::now() const {
    // A fixed clock keeps every run repeatable.
    return DateTime::fromDateTime(QDate(2026, 12, 8), QTime(12, 0));
}

std::unique_ptr<ProgressWindow> FuzzPlatform::openProgress(const QString&, qint64) {
    return std::make_unique<SilentProgress>();
}

QString FuzzPlatform::path(const QString& relative) const {
    return m_folder.path() + u'/' + relative;
}

FuzzPlatform& fuzzPlatform() {
    static FuzzPlatform platform;
    return platform;
}

QByteArray bytesOf(const uint8_t* data, size_t size) {
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size));
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fuzzFailure("input file written", __FILE__, __LINE__);
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void fuzzFailure(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "Property failed: %s (%s:%d)\n", condition, file, line);
    std::abort();
}
