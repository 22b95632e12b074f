#pragma once
// The rules and the operating help shown while the help button is held.

#include <QStringList>

// The 37 lines of the help memo, each with its leading blanks.
QStringList HelpLines();
