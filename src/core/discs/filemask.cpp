#include "filemask.h"

namespace {

bool sameLetter(QChar a, QChar b)
{
    return a == b || a.toCaseFolded() == b.toCaseFolded();
}

} // namespace

bool MatchesFileMask(QStringView name, QStringView mask)
{
    if (mask.isEmpty() || mask == u"*.*")
        return true;
    // Greedy matching with one remembered star: linear in practice, never recursive.
    qsizetype n = 0;
    qsizetype m = 0;
    qsizetype starAt = -1;
    qsizetype resumeAt = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == u'*') {
            starAt = m++;
            resumeAt = n;
        } else if (m < mask.size() && (mask[m] == u'?' || sameLetter(mask[m], name[n]))) {
            ++m;
            ++n;
        } else if (starAt >= 0) {
            m = starAt + 1;
            n = ++resumeAt;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == u'*')
        ++m;
    return m == mask.size();
}

QStringList SplitMaskList(const QString &maskList)
{
    return maskList.split(QLatin1Char(';'), Qt::SkipEmptyParts);
}
