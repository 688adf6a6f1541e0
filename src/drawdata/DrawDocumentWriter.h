#pragma once

#include "base/DateTime.h"
#include "base/ErrorReporter.h"
#include "base/Money.h"

#include <QString>
#include <QStringList>
#include <QtGlobal>

// Builds the text of a draw document, one element per line ("<name>value</name>" and CR LF,
// no escaping), and stores it. A character that Shift_JIS cannot hold (a foreign team's name) is
// written in its nearest form (ShiftJis::fitted), and a save tells the user once which values
// were changed so. A value that the document reader could not give back unchanged (one holding
// "<", ">", a line break or NUL) marks the text as not storable, and Save then refuses it instead
// of writing a corrupt file.
class DrawDocumentWriter {
public:
    // "<program folder>/SysData/<folder>/minibig_<kind>_<nnn>[_<group>].xml"
    static QString FileName(const QString& folder, const QString& kind, qint32 lngKaisaikai,
                            const QString& strKumi);

    // The declaration and style-sheet lines; style is the sheet's file name.
    void Header(const QString& style);
    // A line of its own: a container element or a fixed line.
    void Line(const QString& text);
    void Element(const QString& name, const QString& value);
    void Element(const QString& name, qint32 value);
    void Element(const QString& name, Money value);
    void Element(const QString& name, DateTime value);

    // True when the reader gives the value back unchanged.
    static bool StorableValue(const QString& value);

    const QString& Text() const { return m_text; }
    bool Storable() const { return m_storable; }

    // Writes the text to the path through the file layer (replacing any file there). A text
    // that is not storable, or a failed write, is reported as path, CR LF,
    // "ファイルの保存に失敗しました。" under the given operation; after a write, the values
    // written in another form are told.
    bool Save(const QString& strPath, const ErrorReporter& reporter,
              const QString& operation) const;

private:
    QString m_text;
    bool m_storable = true;
    // "value → written form" of each value changed to fit Shift_JIS, each once.
    QStringList m_fitted;
};
