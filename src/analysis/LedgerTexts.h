#pragma once

#include "analysis/Ledger.h"

#include <QString>

// How the ledger's window and its export write a row.
namespace LedgerTexts {

// 「結果待ち」, 「確定」, 「中止（返還）」, 「結果を読めません」, 「読めません」, 「回不明」.
QString state(const LedgerRow& row);
// "2026/12/09"; empty for an unset date.
QString date(const DateTime& value);
// The warning line above the ledger; empty when no payout deadline is near.
QString deadlineWarning(const Ledger& ledger);

} // namespace LedgerTexts
