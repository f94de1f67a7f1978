// Where the program's file dialogs start ("Opslaan als…", "Openen…", the CSV and PNG exports
// and the logbooks): in the folder a file was last chosen in, and the first time in a folder
// "Tessaro" in the user's documents folder, made when first needed, where people look for
// their files rather than in the program's hidden folder.
#pragma once

#include <QString>

namespace tessaro {

// The folder the next file dialog starts in.
QString FileDialogFolder();

// A file has been chosen in `folder`: the next file dialog starts there.
void RememberFolder(const QString& folder);

}  // namespace tessaro
