#pragma once
#include <QByteArray>
#include <QString>

// Plain ASCII for formats that allow nothing else (ADIF): letters with diacritics
// become their base letters (č -> c, ő -> o), a few letters that have no
// decomposition get a fixed spelling (đ -> d, ł -> l, ß -> ss), common typographic
// punctuation becomes its ASCII look-alike, and anything else becomes "?".
namespace AsciiText {
QByteArray fold(const QString &text);
}
