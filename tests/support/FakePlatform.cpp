#include "support/FakePlatform.h"

namespace {

// Records into the platform's log: a new message starts a new phase of the same window.
class RecordingProgress final : public ProgressWindow {
public:
    RecordingProgress(std::deque<FakePlatform::Progress>& log, int window, int& open)
        : m_log(log), m_window(window), m_open(open) {
        ++m_open;
    }
    ~RecordingProgress() override { --m_open; }
    RecordingProgress(const RecordingProgress&) = delete;
    RecordingProgress& operator=(const RecordingProgress&) = delete;
    void setValue(qint64 value) override { current().values.append(value); }
    void setMessage(const QString& message) override {
        m_log.push_back({m_window, message, current().maximum, {}});
    }
    void setMaximum(qint64 maximum) override { current().maximum = maximum; }

private:
    FakePlatform::Progress& current() {
        for (auto it = m_log.rbegin(); it != m_log.rend(); ++it)
            if (it->window == m_window)
                return *it;
        Q_UNREACHABLE();
    }
    std::deque<FakePlatform::Progress>& m_log;
    int m_window;
    int& m_open;
};

} // namespace

FakePlatform::FakePlatform() : m_now(DateTime::fromDateTime(QDate(2026, 12, 8), QTime(12, 0))) {
    Platform::install(this);
}

FakePlatform::~FakePlatform() {
    Platform::install(nullptr);
}

void FakePlatform::showMessage(const QString& text, const QString& title, MessageIcon icon) {
    messages.append({text, title, icon, false, false, openProgressWindows > 0});
}

bool FakePlatform::askYesNo(const QString& text, const QString& title, MessageIcon icon,
                            bool defaultYes) {
    messages.append({text, title, icon, true, false, openProgressWindows > 0});
    return answers.isEmpty() ? defaultYes : answers.takeFirst();
}

Answer FakePlatform::askYesNoCancel(const QString& text, const QString& title, MessageIcon icon,
                                    Answer defaultAnswer) {
    messages.append({text, title, icon, true, true, openProgressWindows > 0});
    return choices.isEmpty() ? defaultAnswer : choices.takeFirst();
}

QString FakePlatform::programFolder() const {
    return m_folder.path();
}

void FakePlatform::setWaitCursor(bool on) {
    waitCursorDepth += on ? 1 : -1;
}

std::unique_ptr<ProgressWindow> FakePlatform::openProgress(const QString& message, qint64 maximum) {
    const int window = progress.empty() ? 0 : progress.back().window + 1;
    progress.push_back({window, message, maximum, {}});
    return std::make_unique<RecordingProgress>(progress, window, openProgressWindows);
}

QString FakePlatform::path(const QString& relative) const {
    return m_folder.path() + u'/' + relative;
}

QStringList FakePlatform::firstLines() const {
    QStringList result;
    for (const Message& m : messages)
        result << m.text.section(QStringLiteral("\r\n"), 0, 0);
    return result;
}

QStringList FakePlatform::texts() const {
    QStringList result;
    for (const Message& m : messages)
        result << m.text;
    return result;
}
