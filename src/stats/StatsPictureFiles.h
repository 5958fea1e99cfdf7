#pragma once
#include "contest/ContestSettings.h"

#include <QString>
#include <QStringList>
#include <optional>

// The pictures of the statistics window saved for a contest report: one file per view
// in the log folder, named like the band's EDI file with "-map.png" and so on.
namespace StatsPictureFiles {

enum class Kind { Map, Bearings, Distances, Squares };

// "map", "bearings", "distances", "squares" (case ignored); nothing for any other word.
std::optional<Kind> kindOfWord(const QString &word);
QString word(Kind kind);
const QStringList &words();

// "<C>-<N>-<B>-map.png" beside "<C>-<N>-<B>.edi".
QString fileName(Kind kind, const ContestSettings &settings, const QString &band);

}
