#pragma once

#include <QByteArray>

// The transfer of the page readers' fuzz targets: the members of clsWinInet defined again
// without a network, so that every download delivers the page held here (decoded as the real
// client decodes it). These definitions are
// linked before the core library, so the linker leaves web/clsWinInet.cpp out; a member added
// there and used elsewhere needs its stand-in here too, or the link fails with duplicates.
namespace StandInTransfer {

// The body of every following download; an empty one is a download that brought nothing.
void setPage(const QByteArray& body);
// How many downloads were asked for since the last setPage.
int downloads();

} // namespace StandInTransfer
