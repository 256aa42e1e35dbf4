#pragma once
// The save dialog's file list and its side list of places, widened so that the Japanese
// headers, the sizes, types and dates of the files and the names of the places show whole.
class QFileDialog;

namespace toviran {

// Called as the dialog is shown, once its layout has given every part its default size;
// the dialog grows by what its lists lack.
void GiveFileListsRoom(QFileDialog& dialog);

}  // namespace toviran
