// A record reset to its defaults and a header of a chosen family and release.
#pragma once

#include "model/record.h"

struct RecordFixture {
  Tag_GlobalBuffer record;
  Tag_Cliente header;
  explicit RecordFixture(int type = kTypeVelaA, const char* release = "1.10") {
    header.TipoCentrale = static_cast<uint8_t>(type);
    header.Rel_firmware = release;
    ResetConfiguration(record, header, false);
  }
};
