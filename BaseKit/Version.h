#pragma once

#include <QString>

namespace BaseKit {

// A dotted version text ("2.10.1") ordered the way people read it: component by component, each
// number by its value ("1.10" > "1.9"), a missing component counting as 0 ("2.0" == "2"). Inside a
// component, runs of digits compare by value and other characters one by one. Numbers of any length
// compare without overflow. The empty text orders before every other text.
class Version {
public:
    explicit Version(QString string);

    QString string;

    // The version text as given.
    QString description() const { return string; }

    friend bool operator<(const Version& lhs, const Version& rhs);
    friend bool operator>(const Version& lhs, const Version& rhs);
    friend bool operator==(const Version& lhs, const Version& rhs);
    friend bool operator<=(const Version& lhs, const Version& rhs) { return !(rhs < lhs); }
    friend bool operator>=(const Version& lhs, const Version& rhs) { return !(lhs < rhs); }

    // −1, 0 or 1 as `lhs` orders before, with or after `rhs`.
    static int compare(const QString& lhs, const QString& rhs);
};

} // namespace BaseKit
