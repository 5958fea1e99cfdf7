#pragma once
#include <QString>
#include <QStringList>

// The fifteen band labels, numbered 1 to 15 in this order. They are compared
// exactly (case and blanks count) everywhere a band number is derived from a text.
namespace BandLabels {
inline constexpr int Count = 15;
const QStringList &all();
// Label of band k (1..15); empty for any other number.
QString label(int k);
// Number of the label equal to `text`; 0 when it is none of them.
int number(const QString &text);
}
