#pragma once
// Local date and time in the form the play clock and the records keep them.

#include <QDateTime>
#include <QString>

// Days since 30 December 1899, the time of day as the fraction.
double DayCount(const QDateTime& local);
// "2026/12/08".
QString ShortDate(const QDate& date);
