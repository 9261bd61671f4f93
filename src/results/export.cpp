// Placeholder until the results export is built.
#include "app/frmmain.h"

void FrmMain::mnuFileSaveas_Click() {}
void FrmMain::mnuFilePrint_Click() {}
void FrmMain::mnuEditCopy_Click() {}
void FrmMain::mnuEditNotepad_Click() {}
void FrmMain::CopyMe() {}
void FrmMain::TextFile() {}
