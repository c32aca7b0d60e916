// Putting the family A image on the SIM: the AT exchanges for the stored texts and the phone
// book, on an open port. The order of the steps belongs to the Send transfer.
#pragma once

#include <string>

#include "link/serial_port.h"
#include "model/record.h"

// Deletes stored messages first to last; the outcome of each deletion is not judged.
void DeleteStoredTexts(TComm& port, int first, int last);
// Selects the SIM phone book; the reply is left for the next command's purge.
void SelectSimPhoneBook(TComm& port);
// Selects text mode for the stored messages; the reply is not read.
void SelectTextMode(TComm& port);
// Empties entries 1 to PhoneEntryCount, then writes every numbered entry of the record.
void WritePhoneBook(TComm& port, const Tag_GlobalBuffer& record);
// Called right after the store command: waits for the module's prompt, sends the body with
// Ctrl-Z and waits for the module's verdict. True when it said "ok".
bool WriteStoredText(TComm& port, const std::string& body);

constexpr const char* kStoreUnsentCommand = "at+cmgw=,,\"STO UNSENT\"";
