#pragma once

#include "base/Platform.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

// What every fuzz target shares: a silent platform whose program folder is a fresh temporary
// folder (in memory where the system offers one), file helpers, and the check that ends the run
// with a readable finding.
class FuzzPlatform final : public Platform {
public:
    FuzzPlatform();
    ~FuzzPlatform() override;
    FuzzPlatform(const FuzzPlatform&) = delete;
    FuzzPlatform& operator=(const FuzzPlatform&) = delete;

    void showMessage(const QString&, const QString&, MessageIcon) override { ++messages; }
    bool askYesNo(const QString&, const QString&, MessageIcon, bool defaultYes) override {
        ++messages;
        return defaultYes;
    }
    Answer askYesNoCancel(const QString&, const QString&, MessageIcon,
                          Answer defaultAnswer) override {
        ++messages;
        return defaultAnswer;
    }
    QString programFolder() const override { return m_folder.path(); }
    DateTime now() const override;
    void setWaitCursor(bool) override {}
    void processEvents() override {}
    std::unique_ptr<ProgressWindow> openProgress(const QString&, qint64) override;

    // An absolute path inside the program folder.
    QString path(const QString& relative) const;

    int messages = 0;

private:
    QTemporaryDir m_folder;
};

// The platform of the running target, created on first use.
FuzzPlatform& fuzzPlatform();

QByteArray bytesOf(const uint8_t* data, size_t size);
void writeFile(const QString& path, const QByteArray& bytes);
// Empty when the file cannot be read.
QByteArray readFile(const QString& path);

// Ends the run with the finding when the property does not hold.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition))                                                                          \
            fuzzFailure(#condition, __FILE__, __LINE__);                                           \
    } while (false)

[[noreturn]] void fuzzFailure(const char* condition, const char* file, int line);
