#pragma once

#include <QByteArray>

// The transfer of the page readers' fuzz targets: a Transport installed in place of the network,
// so that every download delivers the page held here, as the real transfer would deliver it.
namespace StandInTransfer {

// Installs the stand-in (once); the body of every following download is body, and an empty one
// is a download that brought nothing.
void setPage(const QByteArray& body);
// How many downloads were asked for since the last setPage.
int downloads();

} // namespace StandInTransfer
