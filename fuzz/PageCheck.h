#pragma once

#include "FuzzSupport.h"
#include "StandInTransfer.h"
#include "base/ShiftJis.h"
#include "drawdata/DrawDocumentWriter.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <algorithm>

// What the three page readers' targets share: the program's own team-name files in the program
// folder, the text check of a read record and its round trip through the stored document.

// Copies the team-name files the program ships into the program folder, once.
inline void installTeamNames() {
    static const bool installed = [] {
        const QDir shipped(QStringLiteral(KELVOR_SYSDATA));
        const QStringList names = shipped.entryList({QStringLiteral("*.dat")}, QDir::Files);
        for (const QString& name : names)
            QFile::copy(shipped.filePath(name),
                        fuzzPlatform().path(QStringLiteral("SysData/") + name));
        return !names.isEmpty();
    }();
    if (!installed)
        fuzzFailure("team-name files installed", __FILE__, __LINE__);
}

// A text taken from the page's lines holds no blank, ideographic space, tab or other control.
inline bool isLineText(const QString& text) {
    for (const QChar c : text)
        if (c.unicode() < 0x20 || c == u' ' || c == QChar(0x3000))
            return false;
    return true;
}

// A read record saves, reloads and saves again to the same bytes. A text that Shift_JIS cannot
// hold is stored in its nearest form and the save says so once; a text that even then has no
// place in the document (an angle bracket) refuses the save with a message and writes nothing.
template <typename Document, typename Record>
void checkStored(const Record& record, const QStringList& texts) {
    FuzzPlatform& platform = fuzzPlatform();
    const QString first = platform.path(QStringLiteral("first.xml"));
    const QString second = platform.path(QStringLiteral("second.xml"));
    QFile::remove(first);
    const bool storable = std::all_of(texts.cbegin(), texts.cend(), [](const QString& text) {
        return DrawDocumentWriter::StorableValue(ShiftJis::fitted(text));
    });
    const bool fitted = std::any_of(texts.cbegin(), texts.cend(), [](const QString& text) {
        return ShiftJis::fitted(text) != text;
    });
    const int messages = platform.messages;
    Document document;
    document.SetData(record);
    const bool saved = document.XmlSave(first);
    FUZZ_CHECK(saved == storable);
    FUZZ_CHECK(platform.messages == messages + (!saved || fitted ? 1 : 0));
    if (!saved) {
        FUZZ_CHECK(!QFile::exists(first));
        return;
    }
    const int afterSave = platform.messages;
    Document reloaded;
    FUZZ_CHECK(reloaded.XmlLoad(first));
    FUZZ_CHECK(reloaded.XmlSave(second));
    FUZZ_CHECK(platform.messages == afterSave);
    FUZZ_CHECK(readFile(first) == readFile(second));
}
