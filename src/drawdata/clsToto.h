#pragma once

#include "drawdata/ResultData.h"

// Constants of the lottery product.
class clsToto {
public:
    // The number of prize grades (1等 to 3等); the result is not looked at.
    qint32 GetMaxGrade(const ResultData& result) const;
};
