#pragma once

#include "base/ErrorReporter.h"

#include <QString>
#include <functional>

// The reader shared by the three draw documents (schedule, vote status, result). The files are
// written by the program as one element per line without escaping, so the reader is a small
// line-based walker rather than a general XML parser: it tracks the open elements and hands
// every value to the document's field handler with the element path below the document's
// second-level element ("<開催回>", "<指定試合><競技場>", ...).
//
// Failures are reported through the owning class's reporter under the operation "XmlLoad":
// a closing element that does not match, a document that ends before its elements are closed,
// and a text that is not a Shift_JIS document are "XMLデータが異常です。"; a RuntimeError from
// the field handler (a value that does not convert, a match number out of range) or a value
// with fewer than two open elements is reported in the run-time form, with a line saying which
// element of which line could not be read. Every report of a document read by ReadFile ends with
// a line naming the file. The caller keeps its previous record whenever Read returns false.
class DrawDocumentReader {
public:
    // Called with the element path (empty when the value is not below <miniBIG> and the
    // second-level element) and the value text. Throws RuntimeError for values that do not
    // convert.
    using ApplyValue = std::function<void(const QString& path, const QString& value)>;

    // Stored documents are a few kilobytes; anything far larger is not one of them.
    static constexpr qint64 MaxFileSize = 1024 * 1024;

    explicit DrawDocumentReader(const ErrorReporter& reporter);

    // Reads the whole file. An empty path or a missing file gives false without a message, as
    // does a file the file layer cannot read; an oversized file is reported as corrupt.
    bool ReadFile(const QString& strPath, QString& strText);

    // Walks the document text; secondLevel is the document's second-level element with its
    // brackets ("<開催>"). True when the whole document was read.
    bool Read(const QString& strText, const QString& secondLevel, const ApplyValue& apply) const;

    // Reads a document into a fresh record through a field handler that also keeps the number of
    // the match being read (each load starts from none); target takes the record only when the
    // whole document was read, so a failed load leaves it unchanged.
    template <typename Record, typename ApplyToRecord>
    bool ReadRecord(const QString& strText, const QString& secondLevel, Record& target,
                    const ApplyToRecord& apply) const {
        Record data;
        qint32 matchNo = 0;
        const bool read =
            Read(strText, secondLevel, [&](const QString& path, const QString& value) {
                apply(data, matchNo, path, value);
            });
        if (read)
            target = data;
        return read;
    }

private:
    void reportCorrupt() const;
    // CR LF and the file's full path, or "" when the text did not come from ReadFile.
    QString fileLine() const;

    const ErrorReporter& m_reporter;
    QString m_file;
};
