#pragma once
#include <QString>

namespace korrimet {

// The private folder where the model windows leave their result files, under
// the user's application data location, readable by its owner only. Created
// on first use; an empty path (with the reason in `error`) when it cannot be
// made private, so that no result is written where others could read or
// replace it.
QString resultFolder(QString* error = nullptr);

// The path of a result file in that folder; empty when there is no folder.
QString resultFilePath(const QString& fileName, QString* error = nullptr);

// Removes a result file that holds no run's result. One that stays (made
// immutable, or in a folder that refuses the removal) is set aside: until a
// run writes the file anew, it is no result to show.
void removeResultFile(const QString& fileName);
bool resultFileSetAside(const QString& fileName);
// A run has written the file anew.
void resultFileWritten(const QString& fileName);

}  // namespace korrimet
