// /convert: the EUDC characters of data files (text in Shift-JIS, UTF-8 or
// UTF-16) replaced by the standard characters a map's "Chosen" column
// names, written with a record into another folder; /scan finds where each
// is used, /back puts them back from the record. Sources are only read.
#pragma once

#include "engine/report/result.h"
#include "engine/run/eudc_request.h"

// kOk when every EUDC character found was replaced (scan: when every file
// was read), kCharactersLeft when some stayed or a file was passed over;
// kMapUnreadable, kSourceUnreadable, kOutputRefused before anything is
// written. Tells the outcome through the request's notifier.
Result ConvertText(const EudcRequest& request);
