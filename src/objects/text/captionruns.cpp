// SPDX-License-Identifier: GPL-3.0-or-later
// Long captions measured and drawn a run of characters at a time.
#include "objects/text/captionruns.h"

#include <QFont>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>

namespace qm {

bool CaptionRuns::Needed(const QString& caption)
{
    return caption.size() > kRunLength;
}

CaptionRuns::CaptionRuns(const QFont& font, const QString& caption)
    : mLength(caption.size()), mFontKey(font.key())
{
    const QFontMetricsF metrics(font);
    const QChar* text = caption.constData();
    const qsizetype n = caption.size();
    mStart.reserve(size_t(n / kRunLength + 2));
    mLeft.reserve(size_t(n / kRunLength + 2));
    qsizetype start = 0;
    double left = 0;
    while (start < n) {
        qsizetype end = std::min(n, start + kRunLength);
        // A run never separates a character from the accents and surrogate that belong to it, so that each
        // is shaped as in the whole line.
        while (end < n && end - start < 2 * kRunLength && (text[end].isLowSurrogate() || text[end].isMark()))
            ++end;
        mStart.push_back(start);
        mLeft.push_back(left);
        left += metrics.horizontalAdvance(QString::fromRawData(text + start, end - start));
        start = end;
    }
    mStart.push_back(n);
    mLeft.push_back(left);
}

bool CaptionRuns::Fits(const QFont& font, const QString& caption) const
{
    return caption.size() == mLength && font.key() == mFontKey;
}

CaptionRuns::Part CaptionRuns::Visible(double from, double to) const
{
    Part part;
    const size_t runs = mStart.size() - 1;
    if (runs == 0 || !(to > from))
        return part;
    // The first run that ends beyond `from` and the runs that start before `to`, one more either side.
    size_t first = size_t(std::upper_bound(mLeft.begin() + 1, mLeft.end(), from) - (mLeft.begin() + 1));
    size_t end = size_t(std::lower_bound(mLeft.begin(), mLeft.end() - 1, to) - mLeft.begin());
    first = first > 0 ? std::min(first - 1, runs - 1) : 0;
    end = std::clamp<size_t>(end + 1, first + 1, runs);
    // Characters that take no room would otherwise all count as reaching the stretch.
    const double most = std::ceil(std::min(to - from, 1e9)) * kCharactersPerPixel + 2 * kRunLength;
    part.from = mStart[first];
    part.length = std::min<qsizetype>(mStart[end] - part.from, qsizetype(most));
    part.x = mLeft[first];
    return part;
}

} // namespace qm
