#pragma once

class QFileDialog;

// Qt's file dialog takes its dates from the system's locale and leaves folders as "Folder";
// this gives the dialog's list the program's Japanese instead.
void showFilesInJapanese(QFileDialog& dialog);
