#pragma once

#include <QString>

namespace zorv {

// Reads key `key` of section `section` of the profile file `file`: the value (at most 254
// characters, blanks around it removed, one pair of enclosing quotes removed), or `defaultText`
// when the file, the section or the key does not exist. Section and key names are matched
// without regard to letter case; the first of duplicated sections or keys counts.
QString ReadIniValue(const QString &section,
                     const QString &key,
                     const QString &file,
                     const QString &defaultText);

// Stores `value` as key `key` of section `section` of the profile file `file`, creating the key,
// the section and the file as needed. Returns nonzero when written, 0 when the write could not be
// done (the file is then unchanged). The file is replaced whole, so it is never left half written.
qint32 WriteIniValue(const QString &section,
                     const QString &key,
                     const QString &value,
                     const QString &file);

} // namespace zorv
