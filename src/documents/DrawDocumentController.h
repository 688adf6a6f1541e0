#pragma once

#include "base/ErrorReporter.h"
#include "base/QuietPrompts.h"
#include "base/clsFileSystemObject.h"
#include "documents/DownloadDialogs.h"
#include "documents/FailedPageLog.h"
#include "web/PageReadReport.h"

#include <QByteArray>
#include <QString>
#include <optional>

class QObject;

// The flow that the schedule, vote and result controllers share: a draw's document is taken
// from its stored file, or else downloaded from the official site after asking the user; a
// complete download that may be kept is stored once; a failure is explained afterwards. Each
// controller supplies its document's download step and completeness rule and keeps the
// operations of its own name as thin wrappers.
template <typename Record, typename Xml> class DrawDocumentController {
public:
    // Bits of DType.
    static constexpr qint32 ReadFile = 1;
    static constexpr qint32 Download = 2; // when nothing was read

    DrawDocumentController(const DrawDocumentController&) = delete;
    DrawDocumentController& operator=(const DrawDocumentController&) = delete;

    // Binds the window that owns the connection window and makes the controller ready.
    void Initialize(QObject* objOwnerForm) {
        m_owner = objOwnerForm;
        m_ready = true;
    }

    // Flags of the last get operation.
    bool Cancel() const { return ready(QStringLiteral("Cancel")) && m_cancel; }
    bool Unpublished() const { return ready(QStringLiteral("Unpublished")) && m_unpublished; }

    // The draw's stored file when it is there but does not read (damaged); "" otherwise. Read
    // without a message, apart from the record.
    QString DamagedFile(qint32 lngKaisaikai, const QString& strKumi) const {
        const QString path = m_xml.GetFileName(lngKaisaikai, strKumi);
        if (lngKaisaikai <= 0 || !m_fso.FileExists(path))
            return QString();
        const QuietPrompts quiet;
        return Xml().XmlLoad(path) ? QString() : path;
    }
    // The document's name on screen ("開催情報", "投票状況", "くじ結果").
    const QString& DocumentName() const { return m_document; }

    // Tells the user why the last get operation obtained nothing (nothing when it was declined).
    void FalseDialog(qint32 lngKaisaikai) const {
        DownloadDialogs::showFailure(lngKaisaikai, m_document, m_cancel, m_unpublished, m_otherDraw,
                                     m_failure, m_hint);
    }

protected:
    // What one download brought: nothing, or a record and whether it may be kept.
    struct Downloaded {
        std::optional<Record> record;
        bool keep = true;
        bool unpublished = false;
        // What the reader of the page left for a failure message.
        PageReadReport report;
        // A last line for the failure message: what the user may try ("" = none).
        QString hint;
    };
    // The first field of a record that the completeness test finds missing, as the page names
    // it; "" for a complete record.
    using MissingFieldRule = QString (*)(const Record&);

    // `className` names the controller in its reports; `document` is the document's name on
    // screen ("開催情報", "投票状況", "くじ結果"), `kind` its name in kept pages' names.
    DrawDocumentController(const QString& className, const QString& document, const QString& kind,
                           MissingFieldRule missingField)
        : m_reporter(className), m_document(document), m_kind(kind), m_missingField(missingField) {}
    virtual ~DrawDocumentController() = default;

    // The document's own download from the official site; with savedPage, the reading of that
    // page (saved by the browser) in place of the download.
    virtual Downloaded download(qint32 lngKaisaikai, const QString& strKumi,
                                const QByteArray* savedPage) = 0;

    bool ready(const QString& operation) const {
        if (!m_ready)
            m_reporter.failure(operation, QStringLiteral("Initialize Err"));
        return m_ready;
    }

    bool fileExists(qint32 lngKaisaikai, const QString& strKumi) const {
        return m_fso.FileExists(m_xml.GetFileName(lngKaisaikai, strKumi));
    }

    // The get operation: true when the document obtained is complete; record() holds it either
    // way. readFromFile() tells afterwards whether it came from the stored file.
    bool obtain(qint32 lngKaisaikai, const QString& strKumi, qint32 DType, bool blnDQuestion,
                const QString& operation) {
        if (!ready(operation))
            return false;
        forgetLastAttempt();
        Record data;
        if (lngKaisaikai > 0) {
            if ((DType & ReadFile) && m_xml.XmlLoad(m_xml.GetFileName(lngKaisaikai, strKumi))) {
                data = m_xml.Data();
                m_readFromFile = true;
            }
            if (!m_readFromFile && (DType & Download)) {
                m_cancel = blnDQuestion && !DownloadDialogs::confirmDownload(m_document);
                if (!m_cancel)
                    take(lngKaisaikai, download(lngKaisaikai, strKumi, nullptr), data);
            }
        }
        m_record = data;
        return isComplete(data);
    }

    bool isComplete(const Record& data) const { return m_missingField(data).isEmpty(); }

    // After a download that brought a page but no complete document: keeps the page and notes
    // for FalseDialog what could not be read and where the page was kept. Another draw's page
    // is only noted.
    void explainFailure(qint32 lngKaisaikai, const Downloaded& got) {
        m_otherDraw = got.report.otherDraw();
        if (m_otherDraw != 0 || got.unpublished)
            return;
        if (got.report.page().isEmpty()) {
            m_failure = got.report.describe(QString());
            return;
        }
        const QString missing = got.record ? m_missingField(*got.record) : QString();
        if (got.record && missing.isEmpty())
            return;
        m_failure = got.report.describe(missing);
        const QString kept = FailedPageLog::keep(m_kind, lngKaisaikai, got.report.page());
        if (!kept.isEmpty())
            m_failure += (m_failure.isEmpty() ? QString() : QStringLiteral(" ")) + kept;
    }

    // The get operation for a page of the official site that the user saved: read as the
    // downloaded page is, stored under the same rules, explained by FalseDialog in the same
    // words. True when the document obtained is complete; record() holds it either way.
    bool obtainFromPage(qint32 lngKaisaikai, const QString& strKumi, const QByteArray& page,
                        const QString& operation) {
        if (!ready(operation))
            return false;
        forgetLastAttempt();
        Record data;
        if (lngKaisaikai > 0)
            take(lngKaisaikai, download(lngKaisaikai, strKumi, &page), data);
        m_record = data;
        return isComplete(data);
    }

    // The record of the last get operation (an empty one, reported, before Initialize).
    Record record(const QString& operation) const {
        if (!ready(operation))
            return Record();
        return m_record;
    }
    void setRecord(const Record& data) { m_record = data; }
    bool readFromFile() const { return m_readFromFile; }

    Xml& xml() { return m_xml; }
    const clsFileSystemObject& fso() const { return m_fso; }
    QObject* owner() const { return m_owner; }

private:
    // What the previous get or saved-page read left behind says nothing about this one.
    void forgetLastAttempt() {
        m_cancel = false;
        m_unpublished = false;
        m_readFromFile = false;
        m_otherDraw = 0;
        m_failure.clear();
        m_hint.clear();
    }

    // What a download or a saved page brought becomes the record; a complete one that may be
    // kept is stored once, and a failure is noted for FalseDialog.
    void take(qint32 lngKaisaikai, const Downloaded& got, Record& data) {
        if (got.record) {
            data = *got.record;
            if (got.keep)
                DownloadDialogs::storeOnce(m_xml, data, isComplete(data));
        }
        m_unpublished = got.unpublished;
        m_hint = got.hint;
        explainFailure(lngKaisaikai, got);
    }

    Xml m_xml;
    clsFileSystemObject m_fso;
    ErrorReporter m_reporter;
    QString m_document;
    QString m_kind;
    MissingFieldRule m_missingField;
    QObject* m_owner = nullptr;
    bool m_ready = false;
    bool m_cancel = false;
    bool m_unpublished = false;
    bool m_readFromFile = false;
    qint32 m_otherDraw = 0;
    QString m_failure;
    QString m_hint;
    Record m_record;
};
