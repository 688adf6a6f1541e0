#pragma once

#include "base/ErrorReporter.h"
#include "drawdata/MarkGrid.h"

#include <QtGlobal>
#include <array>
#include <span>

// Counts per match and mark over a single list: element [m][k] is the number of singles whose
// mark at match index k is m, so the three counts of every match add up to the list's count.
using SingleFrame = MarkGrid<qint32>;

// Counts a single list into its single frame.
class clsTSingleFrame {
public:
    clsTSingleFrame();

    // Counts the first lngSCount numbers of lngSingle, overwriting all 27 counts. A count beyond
    // the array or a number that is no single is reported as a run-time error; the frame is
    // then left as it was and the result is False.
    bool GetSingleFrame(qint32 lngSCount, std::span<const qint32> lngSingle,
                        SingleFrame& lngSingleFrame);

private:
    ErrorReporter m_reporter;
};
