#pragma once
// The colours of the chart's series, shared by every window that shows progress: lime
// (mastered), yellow (correct fewer than 3 times), red (unmastered), grey (untried).

#include "progress/ProgressCounts.h"

#include <QColor>

namespace sv {

inline QColor SeriesColour(TProgressSeries s)
{
    switch (s) {
    case TProgressSeries::Mastered:
        return QColor(0x00, 0xFF, 0x00);
    case TProgressSeries::CorrectFewerThan3:
        return QColor(0xFF, 0xFF, 0x00);
    case TProgressSeries::Unmastered:
        return QColor(0xFF, 0x00, 0x00);
    case TProgressSeries::Untried:
        break;
    }
    return QColor(0xC0, 0xC0, 0xC0);
}

} // namespace sv
