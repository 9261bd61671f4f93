// Placeholder until Help contents and the About dialog are built.
#include "app/frmmain.h"

void FrmMain::mnHelpContents_Click() {}
void FrmMain::mnuHelpAbout_Click() {}
