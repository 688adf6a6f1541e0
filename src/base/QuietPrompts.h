#pragma once

#include "base/Platform.h"

#include <QStringList>

// While alive, the program's messages are kept instead of shown and questions take their default
// answer; folders, the clock and waiting are still those of the platform installed before. For
// reads of the program's own files across many draws and for downloads in a row, where a failure
// is listed with its reason rather than announced one by one. Used on the user-interface thread.
class QuietPrompts final : public Platform {
public:
    QuietPrompts();
    ~QuietPrompts() override;
    QuietPrompts(const QuietPrompts&) = delete;
    QuietPrompts& operator=(const QuietPrompts&) = delete;

    // The texts of the messages kept so far, the first first.
    const QStringList& messages() const { return m_messages; }

    void showMessage(const QString& text, const QString& title, MessageIcon icon) override;
    bool askYesNo(const QString& text, const QString& title, MessageIcon icon,
                  bool defaultYes) override;
    Answer askYesNoCancel(const QString& text, const QString& title, MessageIcon icon,
                          Answer defaultAnswer) override;
    QString programFolder() const override { return m_previous.programFolder(); }
    QString userDataFolder() const override { return m_previous.userDataFolder(); }
    DateTime now() const override { return m_previous.now(); }
    void setWaitCursor(bool on) override { m_previous.setWaitCursor(on); }
    void processEvents() override { m_previous.processEvents(); }
    std::unique_ptr<ProgressWindow> openProgress(const QString& message, qint64 maximum) override {
        return m_previous.openProgress(message, maximum);
    }

private:
    Platform& m_previous;
    QStringList m_messages;
};
