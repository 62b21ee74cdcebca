// The stores that keep nothing, and what every store shares. SqliteProgressStore lives in
// progressstore_open.cpp, progressstore_record.cpp, progressstore_queries.cpp and
// progressstore_export.cpp.
#include "core/progressstore_p.h"

#include <QTimeZone>

namespace progressstore {

// What every store shows before anything is counted: the five exercises, and each day of the
// range, oldest first, with nothing in it.
QList<ExerciseSummary> noSummaries()
{
    QList<ExerciseSummary> out;
    for (int exercise = 1; exercise <= 5; ++exercise)
        out.append(ExerciseSummary{exercise});
    return out;
}

QList<DayCount> noDays(const QDate &last, int days)
{
    QList<DayCount> out;
    for (int i = days - 1; i >= 0; --i)
        out.append(DayCount{last.addDays(-i)});
    return out;
}

QList<DueOutlook> noOutlook()
{
    QList<DueOutlook> out;
    for (int exercise = 1; exercise <= 5; ++exercise)
        out.append(DueOutlook{exercise, 0, 0});
    return out;
}

QString timeText(const QDateTime &utc)
{
    return utc.toUTC().toString(Qt::ISODateWithMs);
}

QDateTime parseTime(const QString &text)
{
    // yyyy-MM-ddTHH:mm:ss.zzzZ, read digit by digit; anything else through Qt's parser.
    const auto digits = [&text](int from, int count, int *value) {
        int v = 0;
        for (int i = from; i < from + count; ++i) {
            const char16_t c = text.at(i).unicode();
            if (c < u'0' || c > u'9')
                return false;
            v = v * 10 + (c - u'0');
        }
        *value = v;
        return true;
    };
    int y, mo, d, h, mi, s, ms;
    if (text.size() == 24 && text.at(4) == u'-' && text.at(7) == u'-' && text.at(10) == u'T' && text.at(13) == u':' &&
        text.at(16) == u':' && text.at(19) == u'.' && text.at(23) == u'Z' && digits(0, 4, &y) && digits(5, 2, &mo) &&
        digits(8, 2, &d) && digits(11, 2, &h) && digits(14, 2, &mi) && digits(17, 2, &s) && digits(20, 3, &ms)) {
        const QDate date(y, mo, d);
        const QTime time(h, mi, s, ms);
        if (date.isValid() && time.isValid())
            return QDateTime(date, time, Qt::UTC);
        return {};
    }
    return QDateTime::fromString(text, Qt::ISODateWithMs).toUTC();
}

} // namespace progressstore

using namespace progressstore;

QList<ExerciseSummary> NullProgressStore::exerciseSummaries()
{
    return noSummaries();
}

QList<DayCount> NullProgressStore::dailyCounts(const QDate &last, int days)
{
    return noDays(last, days);
}

bool NullProgressStore::exportCsv(const QString &, QString *error)
{
    if (error)
        *error = QStringLiteral("Nothing is recorded in this run.");
    return false;
}

QList<DueOutlook> ProgressStore::dueOutlook()
{
    return noOutlook();
}
