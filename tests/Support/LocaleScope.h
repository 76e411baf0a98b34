#pragma once

#include <QLocale>
#include <QString>

// Sets the program's default locale for the life of a test and restores the previous one after.
class LocaleScope {
public:
    explicit LocaleScope(const QString& name)
        : previous_(QLocale())
    {
        QLocale::setDefault(QLocale(name));
    }
    ~LocaleScope() { QLocale::setDefault(previous_); }
    LocaleScope(const LocaleScope&) = delete;
    LocaleScope& operator=(const LocaleScope&) = delete;

private:
    QLocale previous_;
};
