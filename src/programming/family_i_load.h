// Family I Load: the periodic counters from the controller, then the phone book and the 17
// texts through the module path, read into a record that the caller has reset.
#pragma once

#include "link/at_channel.h"
#include "model/record.h"
#include "programming/family_i_send.h"

FamilyIOutcome LoadFamilyIImage(TComm& port, Tag_GlobalBuffer& record, Dati_Modulo& info);
