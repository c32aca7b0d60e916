// Choosing the device type and firmware family of the configuration being edited.
#pragma once

#include <string>
#include <vector>

#include "model/record.h"

struct InstallerChoice {
  std::vector<std::string> typeItems;      // display names of types 21 and 22 that have one
  std::vector<int> typeCodes;              // the code of each type item
  std::vector<std::string> firmwareItems;  // "1.0x", "1.1x"
  std::vector<std::string> firmwareTexts;  // what each item stores: "1.00", "1.10"
  int typeIndex = -1;                      // -1: no item selected
  int firmwareIndex = 0;
};

// The lists and the selection the dialog opens with, for the given header and type names.
InstallerChoice OpenInstallerChoice(const Tag_Cliente& header, const std::string& nameOf21,
                                    const std::string& nameOf22);

// Type 22 always keeps the first firmware family; call after either list changes.
void KeepFirmwareForType(InstallerChoice& choice);

// OK: stores the chosen release and type into the header.
void ApplyInstallerChoice(const InstallerChoice& choice, Tag_Cliente& header);
