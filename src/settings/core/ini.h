#pragma once

#include <QString>

// Profile (INI) files: the function files, the values file and the settings file are read and
// written only through these two functions.
//
// The files are Windows-1252 text (a file that starts with the UTF-8 byte order mark is read and
// written as UTF-8 instead). Lines end with CR LF, LF or a lone CR. A section starts with a line
// "[name]" and runs to the next one; a key line in it reads "key=value". Blanks (spaces and tabs)
// at the ends of a line, around the first "=" and inside the brackets do not count. Other lines
// (blank lines, comments, a "[" without "]", text before the first section) are ignored when
// reading and kept as they are when writing.
//
// Parsed files stay in memory; each read checks the file's stamp on disk first, so a change made
// by another program is seen at the next read (see profile_store.h for how, and for the little
// that a stamp cannot show). The functions are meant for one thread.
namespace zorv {

// Reads key `key` of section `section` of the profile file `file`: the value (blanks around it
// removed, one matching pair of enclosing double or single quotes removed, cut at a NUL byte, at
// most 254 characters), or `defaultText` (also cut to 254 characters) when the file, the section
// or the key does not exist. A key present with nothing after "=" reads as the empty text.
// Section and key names are matched without regard to letter case; the first of duplicated
// sections or keys counts (the keys of a repeated section are not seen).
QString ReadIniValue(const QString &section,
                     const QString &key,
                     const QString &file,
                     const QString &defaultText);

// The same value as ReadIniValue, not cut at 254 characters (the default as it is), for a caller
// that refuses a value longer than the store promises rather than use its start.
QString ReadWholeIniValue(const QString &section,
                          const QString &key,
                          const QString &file,
                          const QString &defaultText);

// Stores `value` as key `key` of section `section` of the profile file `file`: replaces the value
// in the key's line, or adds a key line after the last key line of the section, or adds the
// section header and the key line at the end of the file, or creates the file when its folder
// exists. Every other line keeps its bytes, its line ending and its place. Added lines end with
// the file's own line ending (CR LF in a new file or one without line breaks).
//
// The value is written without the blanks at its ends, which every read removes anyway; one
// pair of enclosing quotes is written and, like every such pair, removed by the read.
//
// Returns 1 when written and 0 when not; a 0 leaves the file as it was. Not written: a missing
// folder, a path that is a folder or other non-file, a symbolic link (a write through it could
// change a file anywhere), a read-only file or folder (see profile_store.h), a failure of the
// disk, a file that would pass 256 MiB, an empty section or key name, a CR, LF or NUL in any of
// the texts, a "]" in the section name, an "=" in the key name or a "[" at its start, and a text
// holding a character that Windows-1252 cannot hold ("Ω", "≤", "→"...; in a UTF-8 file, half
// of a surrogate pair). The last is refused rather than stored with a stand-in character: the
// caller learns that the text it asked for is not what the file would hold, and the file keeps its
// old value.
//
// The file is replaced whole through a hidden temporary file in the same folder, so a crash, a
// kill or a full disk leaves either the old file or the new one, never part of one. Writers in
// several processes (the program and zorv-ini run by a script) take turns on a lock of the folder
// and wait for it at most two seconds (then 0): none of them loses another's update.
qint32 WriteIniValue(const QString &section,
                     const QString &key,
                     const QString &value,
                     const QString &file);

// For a run of reads of one or more files in one go (the values window reads 1,998 keys of one
// file while the user waits). Within the lifetime of a scope, each file is checked on disk only at
// its first read; later reads of it trust that check (a missing file is looked for again at each
// read). The run then costs one look at the disk per file instead of one per read, and sees one
// consistent version of each file even if another program saves it meanwhile. Writes through
// WriteIniValue are seen at once, inside a scope too. Scopes may nest; the outermost one decides.
class IniReadScope
{
public:
    IniReadScope();
    ~IniReadScope();
    IniReadScope(const IniReadScope &) = delete;
    IniReadScope &operator=(const IniReadScope &) = delete;
};

} // namespace zorv
