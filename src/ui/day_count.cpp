#include "ui/day_count.h"

double DayCount(const QDateTime& local)
{
    static const QDate kEpoch(1899, 12, 30);
    const qint64 days = kEpoch.daysTo(local.date());
    const double fraction = local.time().msecsSinceStartOfDay() / 86400000.0;
    return static_cast<double>(days) + fraction;
}

QString ShortDate(const QDate& date)
{
    return date.toString(QStringLiteral("yyyy/MM/dd"));
}
