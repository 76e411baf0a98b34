#pragma once

#include <QString>

namespace BaseKit {

// Looks a key up in the foundation library's own string table (BaseKit_BaseKit.bundle), loaded once
// for the user's interface languages. A key without a translation comes back as the key itself.
//
// Keys: "UNKNOWN_APP", "UNKNOWN_VERSION", "UNKNOWN_MACOS_VERSION", "UNKNOWN_COMPUTER_NAME";
// relative times "AGO_SECONDS", "ONE_MINUTE_AGO", "AGO_MINUTES", "ONE_HOUR_AGO", "HOURS_AGO",
// "YESTERDAY", "DAYS_AGO", "TODAY_AT", "YESTERDAY_AT"; duration words "HOURS", "MINUTES", "SECONDS";
// file kinds "OTHER", "VIDEO", "PHOTO", "ARCHIVE", "AUDIO", "DOCUMENT".
// "AGO_SECONDS", "AGO_MINUTES", "HOURS_AGO" and "DAYS_AGO" hold one count placeholder "%1", filled with
// QString::arg.
QString localizedString(const QString& key);

} // namespace BaseKit
