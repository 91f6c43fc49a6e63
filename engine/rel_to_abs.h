#pragma once

#include "engine/result_writer.h"
#include "engine/trace.h"
#include "engine/working_path.h"

// Resolves the relative path `target` against the directory `base` into an absolute path, interpreting
// the "." and ".." segments of `target`. Both are the request's working copies and are cut in place.
// Returns CONV_OK, CONV_BAD_PARAM when `target` begins with '/', or CONV_BUF_SHORT when the result does
// not fit.
int relToAbs(WorkingPath base, WorkingPath target, ResultWriter& result, const Trace& trace);
