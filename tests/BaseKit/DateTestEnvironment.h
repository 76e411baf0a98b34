#pragma once

#include "BaseKit/Dates/DateEnvironment.h"

#include <QDateTime>
#include <QHash>
#include <QTimeZone>
#include <gtest/gtest.h>

// A text written in UTF-8 in the source (the date texts hold narrow and no-break spaces).
inline QString q(const char* text)
{
    return QString::fromUtf8(text);
}

// Fixture for the date and duration texts: an environment with a fixed "now", locale and time zone,
// and English words for the library keys.
class DateTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dates.timeZoneId = QStringLiteral("Europe/Berlin");
        dates.localeName = QStringLiteral("en_US");
        dates.words = [](const QString& key) { return englishWords().value(key, key); };
        dates.clock = [this] { return m_now; };
        setNow(local(2024, 3, 7, 14, 5, 9) + 0.123);
    }

    void setNow(double now) { m_now = now; }
    void setLocale(const char* name) { dates.localeName = QString::fromLatin1(name); }

    // A wall-clock moment in Europe/Berlin, through Qt's own time-zone data.
    static double local(int year, int month, int day, int hour = 0, int minute = 0, int second = 0)
    {
        const QDateTime moment(QDate(year, month, day), QTime(hour, minute, second), berlin());
        return double(moment.toSecsSinceEpoch());
    }
    // The Europe/Berlin wall clock of a moment.
    static QDateTime wallClock(double timestamp)
    {
        return QDateTime::fromMSecsSinceEpoch(qint64(timestamp * 1000.0), berlin());
    }
    static QTimeZone berlin() { return QTimeZone(QByteArrayLiteral("Europe/Berlin")); }

    static const QHash<QString, QString>& englishWords()
    {
        static const QHash<QString, QString> words = {
            {QStringLiteral("AGO_SECONDS"), QStringLiteral("%1 seconds ago")},
            {QStringLiteral("ONE_MINUTE_AGO"), QStringLiteral("a minute ago")},
            {QStringLiteral("AGO_MINUTES"), QStringLiteral("%1 minutes ago")},
            {QStringLiteral("ONE_HOUR_AGO"), QStringLiteral("an hour ago")},
            {QStringLiteral("HOURS_AGO"), QStringLiteral("%1 hours ago")},
            {QStringLiteral("YESTERDAY"), QStringLiteral("Yesterday")},
            {QStringLiteral("DAYS_AGO"), QStringLiteral("%1 days ago")},
            {QStringLiteral("TODAY_AT"), QStringLiteral("Today at")},
            {QStringLiteral("YESTERDAY_AT"), QStringLiteral("Yesterday at")},
            {QStringLiteral("HOURS"), QStringLiteral("hours")},
            {QStringLiteral("MINUTES"), QStringLiteral("minutes")},
            {QStringLiteral("SECONDS"), QStringLiteral("seconds")},
        };
        return words;
    }

    double m_now = 0;
    // What the texts under test are written with.
    BaseKit::DateEnvironment dates;
};
