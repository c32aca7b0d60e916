// Stands in for the family I transfers, which the family A tests only hand over to.
#include "family_i_double.h"

#include "programming/family_i_transfers.h"

int familyISends = 0;
int familyILoads = 0;

void SendFamilyI() {
  ++familyISends;
}
void LoadFamilyI() {
  ++familyILoads;
}
