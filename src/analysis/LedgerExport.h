#pragma once

#include "analysis/Ledger.h"

#include <QByteArray>
#include <QStringList>

// The ledger as a CSV file like the program's other files: Shift_JIS, CR LF after every line, a
// header line, one line per row in the ledger's order and a line of totals. Amounts are plain
// numbers, so that a spreadsheet reads them.
namespace LedgerExport {

QStringList header();
QByteArray csv(const Ledger& ledger);
// True for a file that starts with the export's header line: the ledger does not list it.
bool isExport(const SinglesCsvContent& content);

} // namespace LedgerExport
