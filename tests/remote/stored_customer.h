// An archive in a temporary folder holding one VELA-I customer "Alfa" (code 0001) with
// every field set, stored from the header and record given.
#pragma once

#include <gtest/gtest.h>

#include "archive/archive.h"
#include "record_samples.h"
#include "shell/branding.h"
#include "temp_dir.h"

inline void StoreAlfa(const TempDir& dir, Tag_Cliente& header, Tag_GlobalBuffer& record) {
  ModelNames = DefaultModelNames();
  SetPhoneEntryCount(95);
  ASSERT_TRUE(ConfigureArchiveTables(dir.str() + "/Data", dir.str() + "/Data/LR4090"));
  FillEveryField(header, record);
  header.TipoCentrale = kTypeVelaI;
  header.Nome = "Alfa";
  header.CodiceCliente = "0001";
  ASSERT_EQ(ArchiveSave(header, record, ""), SaveStatus::Stored);
}
