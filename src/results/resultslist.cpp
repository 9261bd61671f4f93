// Placeholder until the results list is built.
#include "app/frmmain.h"

void FrmMain::mnuFileAdd_Click() {}
void FrmMain::mnuFileClear_Click() {}
