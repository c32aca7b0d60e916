// The customer archive: one customer's header and configuration record moved between the
// nine tables and memory, free customer codes, notes and deletion. Failures are shown
// through ShowMessageBox with the engine's own message.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "model/record.h"

// Puts the tables in place when the main window is first shown: the customers table in
// dataPath, the eight detail tables in dataFolder (both created with their folders when
// missing). A failure shows the engine's message in an error box; the tables after the
// failing one stay unusable. Installs NextFreeCustomerCode as the source of new codes.
bool ConfigureArchiveTables(const std::string& dataPath, const std::string& dataFolder);

enum class SaveStatus {
  Stored = 0,        // the customers row was stored
  OtherType = 1,     // a customer of the same name exists for the other device type
  Declined = 2,      // the user declined to overwrite the customer of the same name
  CodeTaken = 3,     // the customer code belongs to another customer
  EngineFailed = 4,  // the table engine failed
};

// The smallest code "0000".."9999" that no customer holds; empty when all are taken or
// the table cannot be read.
std::string NextFreeCustomerCode();

// Fills header and record from the customer's rows; false when the customer is not found
// or its row cannot be read (header and record are then left as they were). Entries
// without a row keep their values.
bool ArchiveLoadCustomer(int serial, Tag_Cliente& header, Tag_GlobalBuffer& record,
                         int& outputEventCount);
bool ArchiveLoadCustomer(int serial);  // into Cliente, GlobalBuffer and OutputEventCount

// Stores the header with the note and every section of the record in one transaction.
// On Stored the header's SerialCli names the customers row.
SaveStatus ArchiveSave(Tag_Cliente& header, const Tag_GlobalBuffer& record,
                       const std::string& note);
bool ArchiveSaveCustomer(const std::string& note);  // Cliente and GlobalBuffer

// The lines of the customer's note; nothing happens for a serial below 1 or one not found.
void ArchiveReadNote(int serial, std::vector<std::string>& lines);

// Deletes the customer's rows from every table whose storage is present.
bool ArchiveDeleteCustomer(int serial);
