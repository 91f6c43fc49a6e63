#pragma once

#include "engine/result_writer.h"
#include "engine/trace.h"
#include "engine/working_path.h"

// Turns `target` into a path relative to the directory `base`: one "../" for each base segment after
// the run of leading segments the two share, then the rest of `target`. Both are the request's working
// copies and are cut in place. Returns CONV_OK, CONV_BAD_PARAM when one path is absolute and the other
// is not, or CONV_BUF_SHORT when the result does not fit.
int absToRel(WorkingPath base, WorkingPath target, ResultWriter& result, const Trace& trace);
