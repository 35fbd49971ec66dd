#pragma once

#include <QString>

// The application's icons: a number, and its picture in the resources.
namespace icons {

// The Qt resource path of an icon by its number; empty for an unknown number.
QString Path(int icon);
// The icon at a position in the fixed order 128, 129, 132, 141, 142, 143, 144, 148, 149.
int AtPosition(int position);
// A toolbar picture by the command it stands for.
QString CommandPath(int command);

}  // namespace icons
