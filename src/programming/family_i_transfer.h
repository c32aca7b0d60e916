// What the family I Send and Load share: the progress window, cursor and transfer flag held
// for the length of a transfer, the maker's variant and the warnings they show.
#pragma once

#include <optional>
#include <string>

#include "link/at_channel.h"
#include "programming/family_i_image.h"

// Shows the progress window and the wait cursor; on leaving, closes the window, restores the
// cursor and clears the transfer flag, whatever path the transfer took.
class TransferScope {
 public:
  TransferScope();
  ~TransferScope();
  TransferScope(const TransferScope&) = delete;
  TransferScope& operator=(const TransferScope&) = delete;

  // From now on every channel operation steps the gauge.
  void CountSteps();
  void SetGaugeMaximum(int maximum);
};

// The variant of a manufacturer text (any case); nullopt for another maker.
std::optional<ModuleVariant> VariantOfMaker(const std::string& manufacturer);

void WarnText(int textNumber);

// The variant of the identified module. The maker is kept upper-cased, as the status display
// shows it; another maker is told to the user (text 236) and gives nullopt.
std::optional<ModuleVariant> IdentifyVariant(Dati_Modulo& info);
