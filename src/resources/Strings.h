#pragma once

#include <QString>

// The program's numbered texts: tooltips and the messages of ShowMessage.
// Texts are returned exactly as stored, leading blanks included.

// The text of string id, or an empty string when the table has no such id.
QString LoadResString(int id);
