#include "StressPlatform.h"

#include <QDateTime>

namespace {

// Each progress update repaints the wait window, so it counts as a moment of response.
class WatchedProgress final : public ProgressWindow {
public:
    explicit WatchedProgress(StressPlatform& platform) : m_platform(platform) {}
    void setValue(qint64) override { m_platform.markResponsive(); }
    void setMessage(const QString&) override { m_platform.markResponsive(); }
    void setMaximum(qint64) override {}

private:
    StressPlatform& m_platform;
};

} // namespace

StressPlatform::StressPlatform(QString folder) : m_folder(std::move(folder)) {
    m_clock.start();
    Platform::install(this);
}

StressPlatform::~StressPlatform() {
    Platform::install(nullptr);
}

void StressPlatform::showMessage(const QString& text, const QString&, MessageIcon) {
    ++messages;
    lastMessage = text;
    markResponsive();
}

DateTime StressPlatform::now() const {
    return DateTime::fromQDateTime(QDateTime::currentDateTime());
}

std::unique_ptr<ProgressWindow> StressPlatform::openProgress(const QString&, qint64) {
    ++progressWindows;
    markResponsive();
    return std::make_unique<WatchedProgress>(*this);
}

void StressPlatform::startWatch() {
    m_lastResponsive = m_clock.elapsed();
    m_longest = 0;
}

qint64 StressPlatform::longestFreezeMs() {
    markResponsive();
    return m_longest;
}

void StressPlatform::markResponsive() {
    const qint64 now = m_clock.elapsed();
    m_longest = qMax(m_longest, now - m_lastResponsive);
    m_lastResponsive = now;
}
