// The stores that keep nothing, and what every store shares. SqliteProgressStore lives in
// progressstore_open.cpp, progressstore_record.cpp, progressstore_queries.cpp and
// progressstore_export.cpp.
#include "core/progressstore_p.h"


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

bool timeMs(std::string_view text, qint64 *ms)
{
    // yyyy-MM-ddTHH:mm:ss.zzzZ, read digit by digit.
    const auto digits = [text](size_t from, size_t count, int *value) {
        int v = 0;
        for (size_t i = from; i < from + count; ++i) {
            if (text[i] < '0' || text[i] > '9')
                return false;
            v = v * 10 + (text[i] - '0');
        }
        *value = v;
        return true;
    };
    int y, mo, d, h, mi, s, z;
    if (text.size() != 24 || text[4] != '-' || text[7] != '-' || text[10] != 'T' || text[13] != ':' || text[16] != ':' ||
        text[19] != '.' || text[23] != 'Z' || !digits(0, 4, &y) || !digits(5, 2, &mo) || !digits(8, 2, &d) ||
        !digits(11, 2, &h) || !digits(14, 2, &mi) || !digits(17, 2, &s) || !digits(20, 3, &z))
        return false;
    const QDate date(y, mo, d);
    if (!date.isValid() || h > 23 || mi > 59 || s > 59)
        return false;
    *ms = (date.toJulianDay() - unixEpochDay) * 86400000 + ((h * 60 + mi) * 60 + s) * qint64(1000) + z;
    return true;
}

QDateTime parseTime(const QString &text)
{
    qint64 ms;
    const QByteArray bytes = text.toLatin1();
    if (timeMs(std::string_view(bytes.constData(), size_t(bytes.size())), &ms))
        return QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
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
        *error = QCoreApplication::translate("ProgressStore", "Nothing is recorded in this run.");
    return false;
}

QList<DueOutlook> ProgressStore::dueOutlook()
{
    return noOutlook();
}
