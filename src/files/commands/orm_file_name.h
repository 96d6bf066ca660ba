#pragma once
// The names evaluation files are written under.
#include <QString>

// Save: the name itself when it ends in ".orm" (exactly, case-sensitive), otherwise the name with ".orm" appended.
QString SaveTargetName(const QString& name);
// Save As: the extension of the name replaced by ".orm", or ".orm" appended to a name without one.
// A dot that starts the file name (a hidden file) is part of the name, not an extension.
QString WithOrmExtension(const QString& name);
