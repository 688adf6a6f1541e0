#include "base/Platform.h"

#include <QCoreApplication>
#include <QDateTime>
#include <cstdio>

namespace {

class NullProgress final : public ProgressWindow {
public:
    void setValue(qint64) override {}
    void setMessage(const QString&) override {}
    void setMaximum(qint64) override {}
};

// Used before the application installs its own: messages go to stderr, questions take their
// default answer.
class DefaultPlatform final : public Platform {
public:
    void showMessage(const QString& text, const QString& title, MessageIcon) override {
        std::fprintf(stderr, "%s: %s\n", qUtf8Printable(title), qUtf8Printable(text));
    }
    bool askYesNo(const QString& text, const QString& title, MessageIcon icon,
                  bool defaultYes) override {
        showMessage(text, title, icon);
        return defaultYes;
    }
    Answer askYesNoCancel(const QString& text, const QString& title, MessageIcon icon,
                          Answer defaultAnswer) override {
        showMessage(text, title, icon);
        return defaultAnswer;
    }
    QString programFolder() const override {
        return QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                            : QStringLiteral(".");
    }
    DateTime now() const override { return DateTime::fromQDateTime(QDateTime::currentDateTime()); }
    void setWaitCursor(bool) override {}
    void processEvents() override {}
    std::unique_ptr<ProgressWindow> openProgress(const QString&, qint64) override {
        return std::make_unique<NullProgress>();
    }
};

DefaultPlatform defaultPlatform;
Platform* installed = nullptr;

} // namespace

Platform& Platform::current() {
    return installed ? *installed : defaultPlatform;
}

void Platform::install(Platform* platform) {
    installed = platform;
}
