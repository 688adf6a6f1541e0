#pragma once

#include <QDateTime>
#include <QSaveFile>
#include <QString>

// Replaces one file as a whole: the bytes go to a temporary file in the same folder, which is
// flushed, checked and renamed over the file only when every byte was written. On any failure
// (and when the object goes away uncommitted) the previous file stays as it was and the
// temporary file is removed. Failures throw the run-time error of FileErrorText::ioError, which
// names the file and the cause.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(const QString& fullPath);

    // Removes the leftovers of earlier saves that were killed (see removeLeftovers), then
    // creates the temporary file.
    void open();
    void write(const char* data, qint64 size);
    void write(const QByteArray& bytes) { write(bytes.constData(), bytes.size()); }
    // Flushes, checks the size on disk and renames the temporary file over the file.
    void commit();
    // Drops what was written; the previous file stays.
    void cancel();

    const QString& fullPath() const { return m_fullPath; }

    // A save killed at the moment of its final rename leaves its temporary file beside the file:
    // the file's name, ".", and six letters or digits. Removes such files of this exact file that
    // are older than the running program (a younger one may belong to a save in progress);
    // returns how many were removed.
    static int removeLeftovers(const QString& fullPath);
    // At start: the leftovers of killed saves in one of the program's own folders (with
    // subfolders, also in the folders directly inside it). Only the names a save of the program
    // leaves ("<name>.<xml|ini|dat|txt|csv|hand>.", six letters or digits) and only files last
    // changed before olderThan, which no save still running can own. Returns how many were removed.
    static int removeStaleLeftovers(const QString& folder, bool subfolders,
                                    const QDateTime& olderThan);

private:
    [[noreturn]] void fail(int errnoValue);

    QString m_fullPath;
    QSaveFile m_file;
    qint64 m_written = 0;
};
