#pragma once

#include <QString>

// A stored draw document that no longer reads (a damaged disk, an editor, random bytes) would
// otherwise hold its draw for good, since a stored document is never replaced by a download. The
// way out: the file is moved, never deleted, into SysData/Damaged, and the document is
// downloaded again.
namespace DamagedDocument {

// The folder damaged documents are moved to.
QString Folder();

// Asks whether to move the damaged file at path (the stored `document`, "くじ結果" and so on)
// aside and download the document again. True when the file was moved and the download may go
// on; a file that could not be moved is told.
bool OfferRepair(const QString& path, const QString& document);

// Moves the file into Folder() under its own name, or the first free name "name (2).xml",
// "name (3).xml", ... when a file of that name is there already. The new path; "" when the file
// could not be moved.
QString MoveAside(const QString& path);

} // namespace DamagedDocument
