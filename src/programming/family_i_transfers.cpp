// The Send and Load commands' family I branch, on the program's global instances.
#include "programming/family_i_transfers.h"

#include "programming/family_i_load.h"
#include "programming/family_i_send.h"

void SendFamilyI() {
  SendFamilyIImage(Comm, GlobalBuffer, ModuleInfo);
}
void LoadFamilyI() {
  LoadFamilyIImage(Comm, GlobalBuffer, ModuleInfo);
}
