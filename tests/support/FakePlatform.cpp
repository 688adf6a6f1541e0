#include "support/FakePlatform.h"

namespace {

class RecordingProgress final : public ProgressWindow {
public:
    explicit RecordingProgress(QList<qint64>& values) : m_values(values) {}
    void setValue(qint64 value) override { m_values.append(value); }

private:
    QList<qint64>& m_values;
};

} // namespace

FakePlatform::FakePlatform() : m_now(DateTime::fromDateTime(QDate(2026, 12, 8), QTime(12, 0))) {
    Platform::install(this);
}

FakePlatform::~FakePlatform() {
    Platform::install(nullptr);
}

void FakePlatform::showMessage(const QString& text, const QString& title, MessageIcon icon) {
    messages.append({text, title, icon, false});
}

bool FakePlatform::askYesNo(const QString& text, const QString& title, MessageIcon icon,
                            bool defaultYes) {
    messages.append({text, title, icon, true});
    return answers.isEmpty() ? defaultYes : answers.takeFirst();
}

QString FakePlatform::programFolder() const {
    return m_folder.path();
}

void FakePlatform::setWaitCursor(bool on) {
    waitCursorDepth += on ? 1 : -1;
}

std::unique_ptr<ProgressWindow> FakePlatform::openProgress(const QString& message, qint64 maximum) {
    progress.push_back({message, maximum, {}});
    return std::make_unique<RecordingProgress>(progress.back().values);
}

QString FakePlatform::path(const QString& relative) const {
    return m_folder.path() + u'/' + relative;
}

QStringList FakePlatform::texts() const {
    QStringList result;
    for (const Message& m : messages)
        result << m.text;
    return result;
}
