#pragma once

#include "FuzzSupport.h"

// A stored draw document read from outside bytes: a failed load leaves the held record as it
// was; a loaded one saves, reloads and saves again to the same bytes. (The record itself may lose
// what its kind of document never stores, such as the result dates of a cancelled draw.)
template <typename Document, typename Record>
void checkDocument(const uint8_t* data, size_t size, const Record& held) {
    FuzzPlatform& platform = fuzzPlatform();
    const QString input = platform.path(QStringLiteral("in.xml"));
    const QString first = platform.path(QStringLiteral("first.xml"));
    const QString second = platform.path(QStringLiteral("second.xml"));
    writeFile(input, bytesOf(data, size));
    Document document;
    document.SetData(held);
    if (!document.XmlLoad(input)) {
        FUZZ_CHECK(document.Data() == held);
        return;
    }
    FUZZ_CHECK(document.XmlSave(first));
    Document reloaded;
    reloaded.SetData(held);
    FUZZ_CHECK(reloaded.XmlLoad(first));
    FUZZ_CHECK(reloaded.XmlSave(second));
    FUZZ_CHECK(readFile(first) == readFile(second));
}
