// Rules of the family A inputs that the dialler page and the SMS page share: polarity,
// the numbers an input calls or texts, the service input and the two line-switch options
// of input 4. Inputs count from 1; bits count from 0 (bit k = phone entry k + 1).
#pragma once

#include <string>
#include <vector>

#include "model/record.h"

// The release from which service inputs and line switching exist.
constexpr double kLateRelease = 1.1;
constexpr int kLineSwitchInput = 4;

// With a late release and UsaGsm set, input 4 carries nothing else and CommutaChiama is
// off; an early release has no line switching at all.
void NormaliseLineSwitch(Tag_GlobalBuffer& record, const Tag_Cliente& header);

void TogglePolarity(Tag_Ingresso& input);

// A service input, and input 4 while it switches the line, take no numbers.
bool InputNumbersLocked(const Tag_GlobalBuffer& record, int input);
void ToggleCalledNumber(Tag_GlobalBuffer& record, int input, int bit);  // MaskTel
void ToggleTextedNumber(Tag_GlobalBuffer& record, int input, int bit);  // MaskSms
// Input 4's called-number cell k is grey while the line-switch options lock it; with
// CommutaChiama number 1 stays white (it is the number the input calls).
bool CalledNumberGrey(const Tag_GlobalBuffer& record, int input, int bit);
bool TextedNumberGrey(const Tag_GlobalBuffer& record, int input);

// Below the late release the click only clears Serv. Setting it clears the input's
// message, numbers and SMS choices, and on input 4 both line-switch options.
void ToggleService(Tag_GlobalBuffer& record, const Tag_Cliente& header, int input);
// Row 4 only, late release only; otherwise nothing happens.
void ToggleUsaGsm(Tag_GlobalBuffer& record, const Tag_Cliente& header);
void ToggleCommutaChiama(Tag_GlobalBuffer& record, const Tag_Cliente& header);

// A service input, and input 4 while it switches to GSM, take no message nor SMS choice.
bool InputChoiceLocked(const Tag_GlobalBuffer& record, int input);

// The voice message chosen as item `chosen` of the label list: the first label with the
// same text wins. Not stored for a service input, nor for input 4 while UsaGsm is set.
bool ChooseMessage(Tag_GlobalBuffer& record, int input, const std::vector<std::string>& labels,
                   int chosen);
// The SMS text chosen for activation or restore: item k stands for SmsS[k]. Not stored
// on input 4 while UsaGsm is set, nor for a service input (it carries no SMS choice).
bool ChooseSmsText(Tag_GlobalBuffer& record, int input, bool activation, int item);
