#pragma once
#include <QString>
#include <QStringList>
#include <optional>

// Reader of the comma/line text files of the program folder (jezik/jezik.ini, the
// language packs, the CW memories), UTF-8.
//
// Items: an item ends at a comma or at a line end (LF, CR LF or CR); blanks and tabs
// in front of an item are dropped, and so are blanks before a line end. A line that
// is empty or holds only blanks yields no item; "a,,b" yields an empty middle item.
// A leading UTF-8 byte-order mark is ignored.
//
// Two modes, because the files treat double quotes differently:
// - Quoted: an item that starts with a double quote runs to its closing quote, across
//   commas and line ends, and loses both quotes; anything after the closing quote up
//   to the next comma or line end is dropped. An unclosed quote runs to the end of
//   the file. This is how CW memories and jezik.ini are read.
// - Raw: every comma and line end ends an item and quotes are ordinary characters.
//   The language packs need this: their value rule re-joins the pieces of a quoted
//   text that contained commas (see LanguagePack).
namespace ItemFileReader {

enum class Mode { Quoted, Raw };

QStringList splitItems(const QString &text, Mode mode = Mode::Quoted);

// Items of the file at `path`; no value when the file cannot be read.
std::optional<QStringList> readItems(const QString &path, Mode mode = Mode::Quoted);

}
