// Send and Load for a family I device. The Send and Load commands hand over here after the
// page tree has selected its first node (and, for Load, after the live record was reset);
// they work on the global instances: Comm, GlobalBuffer, Cliente, OutputEventCount.
#pragma once

void SendFamilyI();
void LoadFamilyI();
