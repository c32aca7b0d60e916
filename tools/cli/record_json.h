// The customer header and the configuration record as JSON: "Cliente" with the header's
// fields, then every member of the record by its name. Arrays are JSON arrays (the entries
// numbered from 1 start at the first element), texts are UTF-8, date-times are numbers.
// Reading is strict: every field must be there with its type and range, so that a file
// written here and read back gives the very same record.
#pragma once

#include <QJsonObject>
#include <string>

#include "model/record.h"

QJsonObject RecordToJson(const Tag_Cliente& header, const Tag_GlobalBuffer& record);

// False with a message naming the field ("Uscite[2].TempoOn: ...") when the object does not
// hold a whole record; header and record are then left as they were.
bool RecordFromJson(const QJsonObject& json, Tag_Cliente& header, Tag_GlobalBuffer& record,
                    std::string& error);
