#pragma once
// One timed task as the timed list shows it: the columns of a tplist row and
// whether it is enabled.

#include <QString>

namespace lumo {

struct TimedRow {
    QString id;
    QString time;   // time text, as stored
    QString cycles; // cycle count text
    QString steps;  // step list text
    QString status; // "已启用" or "未启用"
};

} // namespace lumo
