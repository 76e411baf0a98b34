#pragma once

#include <QString>
#include <QUuid>

#include <cstdint>

namespace ViewKit {

// One part of a stacked bar: a named amount of a type. Parts of one type stack into one bar.
struct VKStackedProgressBarValue
{
    VKStackedProgressBarValue(QString name, QString type, std::uint64_t value)
        : id(QUuid::createUuid())
        , name(std::move(name))
        , type(std::move(type))
        , value(value)
    {
    }

    QUuid id;  // fresh for every value made
    QString name;
    QString type;
    std::uint64_t value;
};

} // namespace ViewKit
